// The main bar's wiring of the effect editors, the user voice editor and the
// piano: what a load opens, what a send stores, what a reset resets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "editors/CControllersDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/CVariationDlg.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "piano/KeyboardPiano.h"
#include "piano/PianoKeyboardWindow.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "support/ScratchDirectory.h"
#include "support/TypedIndices.h"
#include "uservoice/CUserVoiceDlg.h"
#include "voices/CChannelVoiceDlg.h"
#include "voices/VoiceBrowserTestTools.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::Bytes;

class EditorsWiringTest : public ::testing::Test, public test::MainBarRig {
 protected:
  EditorsWiringTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
    Start();
    backend.ClearSent();
  }
  void OpenFile(const std::vector<std::uint8_t>& bytes) {
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {directory.Put("load.syx", bytes)}});
    Bar().OpenCommand();
  }

  CReverbDlg& Reverb() { return *static_cast<CReverbDlg*>(Bar().Editor(EditorSlot::Reverb)); }

  test::ScratchDirectory directory{"ravlo-wiring"};
};

// A reverb block opens the Reverb window, unless the option is off; the
// editor follows the model all the same.
TEST_F(EditorsWiringTest, AFileWithAReverbBlockOpensTheReverbWindowWithItsType) {
  std::vector<std::uint8_t> row(14, 0);
  row[0] = 2;  // "Room 1"
  const XgMessage dump = BuildBulkDump(test::UnitAt(0), kXgModelId, {0x02, 0x01, 0x00}, row);
  for (const bool option : {false, true}) {
    SCOPED_TRACE(option);
    Bar().CloseAll();
    Bar().Settings().openWindowsOnFileOpen = option;
    OpenFile({dump.Bytes().begin(), dump.Bytes().end()});
    EXPECT_EQ(Reverb().IsOpen(), option);
    EXPECT_EQ(Reverb().CurrentType(), 3);
    if (option) {
      EXPECT_EQ(Reverb().windowTitle(), "Reverb -- Room 1");
    }
  }
  EXPECT_FALSE(Bar().Editor(EditorSlot::Part)->IsOpen()) << "only the blocks the file held";
}

TEST_F(EditorsWiringTest, AResetPutsTheEffectEditorsBackOnTheirDefaultTypes) {
  ASSERT_TRUE(Bar().Model().Effects().ChangeType(EffectKind::Reverb, 5));
  auto& variation = *static_cast<CVariationDlg*>(Bar().Editor(EditorSlot::Variation));
  ASSERT_TRUE(Bar().Model().Effects().ChangeType(EffectKind::Variation, 3));
  Bar().ResetCommand();
  EXPECT_EQ(Reverb().CurrentType(), 1);
  EXPECT_EQ(variation.CurrentType(), 20);
}

TEST_F(EditorsWiringTest, AUserVoiceDumpInAFileShowsThatVoice) {
  Bar().OpenEditor(EditorSlot::UserVoice);
  auto& voices = *static_cast<CUserVoiceDlg*>(Bar().Editor(EditorSlot::UserVoice));
  UserVoice voice(6);
  voice.SetName("FromFile");
  const auto dump = voice.BuildDump(test::UnitAt(0), 6);
  OpenFile({dump.begin(), dump.end()});
  EXPECT_EQ(voices.VoiceNumber(), 7);
  EXPECT_EQ(voices.FileName(), "load.syx");
  EXPECT_EQ(Bar().windowTitle(), "Ravlo") << "a user voice load does not become the document";
}

TEST_F(EditorsWiringTest, AVoiceChosenInTheChannelBrowserGoesOutOnTheControllersChannel) {
  Bar().OpenEditor(EditorSlot::ChannelVoice);
  auto& browser = *static_cast<CChannelVoiceDlg*>(Bar().Editor(EditorSlot::ChannelVoice));
  test::SelectTreeItem(browser.Tree(), "GrandPno");
  QTest::keyClick(&browser.Tree(), Qt::Key_Return);
  EXPECT_EQ(backend.ShortBytes(),
            (std::vector<std::vector<std::uint8_t>>{
                Bytes({0xB0, 0x00, 0x00}), Bytes({0xB0, 0x20, 0x00}), Bytes({0xC0, 0x00})}));
  EXPECT_TRUE(browser.IsOpen());
  EXPECT_TRUE(Bar().Modified());
}

// The piano plays on the Controllers window's channel while it is on.
TEST_F(EditorsWiringTest, ThePianoPlaysTheKeyboardWhileItIsOn) {
  Bar().PianoCommand(true);
  EXPECT_TRUE(Bar().PianoOn());
  EXPECT_TRUE(Bar().findChild<QAction*>("PianoAction")->isChecked());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
  QApplication::sendEvent(&Bar(), &press);
  EXPECT_FALSE(backend.ShortBytes().empty()) << "which note a key plays is the piano's own test";
  // The keys on screen came with it, and follow the octave keys.
  PianoKeyboardWindow* keyboard = Bar().Keyboard();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_TRUE(keyboard->isVisible());
  QKeyEvent octave(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
  QApplication::sendEvent(&Bar(), &octave);
  EXPECT_EQ(keyboard->OctaveList().currentText(), "C1");

  Bar().PianoCommand(false);
  EXPECT_FALSE(keyboard->isVisible());
  backend.ClearSent();
  QApplication::sendEvent(&Bar(), &press);
  EXPECT_TRUE(backend.ShortBytes().empty());

  Bar().OpenEditor(EditorSlot::Controllers);
  auto& controllers = *static_cast<CControllersDlg*>(Bar().Editor(EditorSlot::Controllers));
  controllers.ChannelField().Edit()->setText("4");
  controllers.ChannelField().Commit();
  EXPECT_EQ(Bar().Piano().Channel(), 3);
}

}  // namespace
}  // namespace ravlo
