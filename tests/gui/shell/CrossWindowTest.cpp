// The editors follow each other through the main bar: the Part and
// Controllers windows share a channel, a part edit shows at once in the
// Controllers window, and a drum kit chosen anywhere refreshes Drum Sets.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "editors/CControllersDlg.h"
#include "editors/CDrumSetsDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
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
    Bar().OpenEditor(EditorSlot::DrumSets);
    backend.ClearSent();
  }

  CPartDlg& Part() { return *static_cast<CPartDlg*>(Bar().Editor(EditorSlot::Part)); }
  CControllersDlg& Controllers() {
    return *static_cast<CControllersDlg*>(Bar().Editor(EditorSlot::Controllers));
  }
  CDrumSetsDlg& Drums() { return *static_cast<CDrumSetsDlg*>(Bar().Editor(EditorSlot::DrumSets)); }

  static void Type(EditSpinPair& field, int value) {
    field.Edit()->setText(QString::number(value));
    field.Commit();
  }
};

TEST_F(CrossWindowTest, ThePartWindowsPartNumberMovesTheControllersChannel) {
  Type(*Part().findChild<EditSpinPair*>("PartNumber"), 5);
  EXPECT_EQ(Controllers().ShownChannel(), 5);
  EXPECT_TRUE(backend.Stream().empty()) << "showing another part sends nothing";
}

TEST_F(CrossWindowTest, TheControllersChannelSelectsThePartOnIt) {
  Type(Controllers().ChannelField(), 7);
  EXPECT_EQ(Part().ShownPart(), 6);
}

TEST_F(CrossWindowTest, APartVolumeEditShowsAtOnceInTheControllersWindow) {
  Type(Controllers().ChannelField(), 4);
  Bar().Model().Parts().SetPartParameters(PartIndex::FromIndex(3), 0x0B,
                                         std::vector<std::uint8_t>{0x22});
  EXPECT_EQ(Controllers().ControllerValue(0), 0x22);
}

TEST_F(CrossWindowTest, ADrumKitChosenOnAChannelRefreshesDrumSets) {
  Type(Controllers().ChannelField(), 1);
  Type(Controllers().BankMsbField(), 127);
  Type(Controllers().VoiceField(), 26);  // the Analog kit
  EXPECT_EQ(Bar().Model().Drums().Setup(1)->kitVoice.program, 25) << "part 1 took Drum 2";
  Type(*Drums().findChild<EditSpinPair*>("Set"), 2);
  EXPECT_EQ(Drums().KitName(), "Analog");
  EXPECT_TRUE(Bar().Modified());
}

TEST_F(CrossWindowTest, ASendStoresTheEditorsWorkingCopiesFirst) {
  Bar().OpenEditor(EditorSlot::SystemControl);
  auto& system = *static_cast<CSystemControlDlg*>(Bar().Editor(EditorSlot::SystemControl));
  Type(system.VolumeField(), 90);
  backend.ClearSent();
  SendChoices choices;
  choices.ClearCategories();
  choices.system = {true, true};
  sendChoices = choices;
  Bar().SendCommand();
  EXPECT_EQ(backend.Stream(), test::Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 90, 0xF7}));
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
