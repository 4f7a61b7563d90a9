// The editors follow each other through the main bar: the Part and
// Controllers windows share a channel, and a part edit shows at once in the
// Controllers window. (A kit chosen on a channel is the model's rule, and
// Drum Sets showing a kit that changed is that window's own test.)
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "editors/CControllersDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
#include "files/FileIo.h"
#include "model/XgModel.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

class CrossWindowTest : public ::testing::Test, public test::MainBarRig {
 protected:
  CrossWindowTest() {
    settings.ints["SendReset"] = 0;
    Start();
    Bar().OpenEditor(EditorSlot::Part);
    Bar().OpenEditor(EditorSlot::Controllers);
    backend.ClearSent();
  }

  CPartDlg& Part() { return *static_cast<CPartDlg*>(Bar().Editor(EditorSlot::Part)); }
  CControllersDlg& Controllers() {
    return *static_cast<CControllersDlg*>(Bar().Editor(EditorSlot::Controllers));
  }

  static void Type(EditSpinPair& field, int value) {
    field.Edit()->setText(QString::number(value));
    field.Commit();
  }
};

// The Part window's part moves the Controllers channel and back; a part's
// volume edit shows at once in the Controllers window.
TEST_F(CrossWindowTest, ThePartAndControllersWindowsShareAChannel) {
  Type(*Part().findChild<EditSpinPair*>("PartNumber"), 5);
  EXPECT_EQ(Controllers().ShownChannel(), 5);
  EXPECT_TRUE(backend.Stream().empty()) << "showing another part sends nothing";
  Type(Controllers().ChannelField(), 7);
  EXPECT_EQ(Part().ShownPart(), 6);
  Type(Controllers().ChannelField(), 4);
  Bar().Model().Parts().SetPartParameters(PartIndex::FromIndex(3), 0x0B,
                                          std::vector<std::uint8_t>{0x22});
  EXPECT_EQ(Controllers().ControllerValue(0), 0x22);
}

// A value typed and left by clicking the main bar goes out and is what the
// command takes: the synthesizer, the model and the file never lag behind
// the box.
TEST_F(CrossWindowTest, AValueBeingTypedGoesOutBeforeTheMainBarSendsReviewsOrSaves) {
  Bar().OpenEditor(EditorSlot::SystemControl);
  auto& system = *static_cast<CSystemControlDlg*>(Bar().Editor(EditorSlot::SystemControl));
  const auto typeUncommitted = [](EditSpinPair& field, const char* text) {
    field.Edit()->setFocus();
    field.Edit()->setText(text);
    field.Edit()->setModified(true);
  };
  const auto volumeChange = [](int value) { return test::SystemChange(0x04, {value}); };
  typeUncommitted(system.VolumeField(), "90");
  backend.ClearSent();
  SendChoices choices;
  choices.ClearCategories();
  choices.system = {true, true};
  sendChoices = choices;
  QTest::mouseClick(Bar().findChild<QPushButton*>("Send"), Qt::LeftButton);
  EXPECT_EQ(backend.Stream(), test::Join(volumeChange(90), volumeChange(90)))
      << "the edit, then the pass that holds it";

  typeUncommitted(system.VolumeField(), "80");
  backend.ClearSent();
  QTest::mouseClick(Bar().findChild<QPushButton*>("ReviewButton"), Qt::LeftButton);
  EXPECT_EQ(backend.Stream(), volumeChange(80));
  EXPECT_EQ(Bar().Model().System().Value(SystemParameter::Volume), 80);

  typeUncommitted(system.VolumeField(), "70");
  QTemporaryDir directory;
  const std::string path = directory.filePath("typed.syx").toStdString();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  std::vector<std::uint8_t> saved;
  ASSERT_TRUE(ReadWholeFile(path, saved).ok);
  const std::vector<std::uint8_t> volume = volumeChange(70);
  EXPECT_NE(std::search(saved.begin(), saved.end(), volume.begin(), volume.end()), saved.end())
      << "the file holds the typed volume";
}

// Two parts on channel 1 and the Controllers window on channel 3: typing a
// Part # shows that part, takes the Controllers window to its channel, and
// loses no channel value on the way.
TEST_F(CrossWindowTest, APartNumberTypedShowsThatPartAndEveryChannelKeepsItsValues) {
  const MidiChannel one = MidiChannel::FromNumber(1);
  const MidiChannel three = MidiChannel::FromNumber(3);
  Type(*Part().findChild<EditSpinPair*>("PartNumber"), 2);
  Type(*Part().findChild<EditSpinPair*>("Channel"), 1);
  Type(Controllers().ChannelField(), 3);
  Type(*Controllers().ControllerField(1), 90);  // expression on channel 3
  Type(Controllers().ChannelField(), 1);
  Type(*Controllers().ControllerField(0), 77);  // volume on channel 1, two parts on it
  Type(Controllers().ChannelField(), 3);

  EditSpinPair& partNumber = *Part().findChild<EditSpinPair*>("PartNumber");
  Type(partNumber, 2);
  EXPECT_EQ(Part().ShownPart(), 1);
  EXPECT_EQ(partNumber.Edit()->text(), "2");
  EXPECT_EQ(Controllers().ShownChannel(), 1);
  const ChannelModel& channels = Bar().Model().Channels();
  EXPECT_EQ(channels.Controller(three, 1), 90);
  EXPECT_EQ(channels.Controller(one, 0), 77);
  EXPECT_EQ(Controllers().ControllerValue(0), 77);
  Type(partNumber, 1);
  Type(partNumber, 2);
  EXPECT_EQ(channels.Controller(one, 0), 77) << "what a Send of the controllers takes";
}

// A part switched off shows the channel it goes back to; the Controllers
// window follows that channel and the Part window stays on the part typed.
TEST_F(CrossWindowTest, ATypedPartNumberOfAnOffPartStaysShown) {
  EditSpinPair& partNumber = *Part().findChild<EditSpinPair*>("PartNumber");
  Type(*Part().findChild<EditSpinPair*>("Channel"), 5);
  Part().findChild<QPushButton*>("Off")->click();
  ASSERT_TRUE(Part().IsOff());
  Type(partNumber, 2);
  Type(partNumber, 1);
  EXPECT_EQ(Part().ShownPart(), 0);
  EXPECT_TRUE(Part().IsOff());
  EXPECT_EQ(Controllers().ShownChannel(), 5);
}

TEST_F(CrossWindowTest, AResetRefreshesEveryWindowFromTheDefaults) {
  Type(Controllers().ChannelField(), 3);
  Type(*Part().findChild<EditSpinPair*>("PartNumber"), 9);
  Bar().ResetCommand();
  EXPECT_EQ(Part().ShownPart(), 0);
  EXPECT_EQ(Controllers().ShownChannel(), 1);
}

}  // namespace
}  // namespace ravlo
