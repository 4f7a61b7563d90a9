// The main bar's wiring of the editors: what a load opens, what a reset resets, how the
// windows follow each other, and edits undone and redone from the window that made them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "editors/CControllersDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/CVariationDlg.h"
#include "files/FileIo.h"
#include "history/EditHistory.h"
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
using Messages = std::vector<std::vector<std::uint8_t>>;

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
  // The editor open and active, ready for keys, with nothing sent yet.
  template <typename T = EditorDialog>
  T& Open(EditorSlot slot) {
    Bar().OpenEditor(slot);
    auto* editor = static_cast<T*>(Bar().Editor(slot));
    editor->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
    backend.ClearSent();
    return *editor;
  }
  template <typename T = EditSpinPair>
  static T& Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return *child;
  }
  static void Type(EditSpinPair& field, int value) {
    field.Edit()->setText(QString::number(value));
    field.Commit();
  }
  static void Undo(QWidget& where) { QTest::keyClick(&where, Qt::Key_Z, Qt::ControlModifier); }
  // Control+Shift+Z, or Control+Y.
  static void Redo(QWidget& where, bool withY = false) {
    QTest::keyClick(&where, withY ? Qt::Key_Y : Qt::Key_Z,
                    Qt::ControlModifier | (withY ? Qt::NoModifier : Qt::ShiftModifier));
  }
  // The menu entry without its key column.
  QString UndoText() { return Bar().findChild<QAction*>("UndoAction")->text().section('\t', 0, 0); }
  QString RedoText() { return Bar().findChild<QAction*>("RedoAction")->text().section('\t', 0, 0); }
  Messages Taken() {
    Messages pieces = backend.pieces;
    backend.ClearSent();
    return pieces;
  }

  test::ScratchDirectory directory{"ravlo-wiring"};
};

// Unless the option is off; the editor follows the model all the same.
TEST_F(EditorsWiringTest, AFileWithAReverbBlockOpensTheReverbWindowWithItsType) {
  std::vector<std::uint8_t> row(14, 0);
  row[0] = 2;  // "Room 1"
  const XgMessage dump = BuildBulkDump(test::UnitAt(0), kXgModelId, {0x02, 0x01, 0x00}, row);
  auto& reverb = *static_cast<CReverbDlg*>(Bar().Editor(EditorSlot::Reverb));
  for (const bool option : {false, true}) {
    SCOPED_TRACE(option);
    Bar().CloseAll();
    Bar().Settings().openWindowsOnFileOpen = option;
    OpenFile({dump.Bytes().begin(), dump.Bytes().end()});
    EXPECT_EQ(reverb.IsOpen(), option);
    EXPECT_EQ(reverb.CurrentType(), 3);
  }
  EXPECT_FALSE(Bar().Editor(EditorSlot::Part)->IsOpen()) << "only the blocks the file held";
}

TEST_F(EditorsWiringTest, AUserVoiceDumpInAFileShowsThatVoice) {
  auto& voices = Open<CUserVoiceDlg>(EditorSlot::UserVoice);
  UserVoice voice(6);
  voice.SetName("FromFile");
  const auto dump = voice.BuildDump(test::UnitAt(0), 6);
  OpenFile({dump.begin(), dump.end()});
  EXPECT_EQ(voices.VoiceNumber(), 7);
  EXPECT_EQ(voices.FileName(), "load.syx");
  EXPECT_EQ(Bar().windowTitle(), "Ravlo") << "a user voice load does not become the document";
}

TEST_F(EditorsWiringTest, AVoiceChosenInTheChannelBrowserGoesOutOnTheControllersChannel) {
  auto& browser = Open<CChannelVoiceDlg>(EditorSlot::ChannelVoice);
  test::SelectTreeItem(browser.Tree(), "GrandPno");
  QTest::keyClick(&browser.Tree(), Qt::Key_Return);
  EXPECT_EQ(backend.ShortBytes(),
            (Messages{Bytes({0xB0, 0x00, 0x00}), Bytes({0xB0, 0x20, 0x00}), Bytes({0xC0, 0x00})}));
  EXPECT_TRUE(Bar().Modified());
}

// The piano plays on the Controllers window's channel while it is on.
TEST_F(EditorsWiringTest, ThePianoPlaysTheKeyboardWhileItIsOn) {
  Bar().PianoCommand(true);
  EXPECT_TRUE(Bar().findChild<QAction*>("PianoAction")->isChecked());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
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

  Type(Open<CControllersDlg>(EditorSlot::Controllers).ChannelField(), 4);
  EXPECT_EQ(Bar().Piano().Channel(), 3);
}

// Two parts on channel 1, the Controllers window on channel 3: a Part # typed takes it to
// that part's channel, and no channel value is lost on the way.
TEST_F(EditorsWiringTest, ThePartAndControllersWindowsShareAChannelAndKeepItsValues) {
  auto& part = Open<CPartDlg>(EditorSlot::Part);
  auto& controllers = Open<CControllersDlg>(EditorSlot::Controllers);
  EditSpinPair& partNumber = Child(part, "PartNumber");
  Type(partNumber, 5);
  EXPECT_EQ(controllers.ShownChannel(), 5);
  EXPECT_TRUE(backend.Stream().empty()) << "showing another part sends nothing";
  Type(controllers.ChannelField(), 7);
  EXPECT_EQ(part.ShownPart(), 6);
  Type(controllers.ChannelField(), 4);
  Bar().Model().Parts().SetPartParameters(PartIndex::FromIndex(3), 0x0B,
                                          std::vector<std::uint8_t>{0x22});
  EXPECT_EQ(controllers.ControllerValue(0), 0x22);

  Type(partNumber, 2);
  Type(Child(part, "Channel"), 1);
  Type(controllers.ChannelField(), 3);
  Type(*controllers.ControllerField(1), 90);  // expression on channel 3
  Type(controllers.ChannelField(), 1);
  Type(*controllers.ControllerField(0), 77);  // volume on channel 1, two parts on it
  Type(controllers.ChannelField(), 3);
  Type(partNumber, 2);
  EXPECT_EQ(part.ShownPart(), 1);
  EXPECT_EQ(controllers.ShownChannel(), 1);
  const ChannelModel& channels = Bar().Model().Channels();
  EXPECT_EQ(channels.Controller(MidiChannel::FromNumber(3), 1), 90);
  EXPECT_EQ(channels.Controller(MidiChannel::FromNumber(1), 0), 77);
  EXPECT_EQ(controllers.ControllerValue(0), 77);
}

// A value typed and left by clicking the main bar goes out first: nothing lags the box.
TEST_F(EditorsWiringTest, AValueBeingTypedGoesOutBeforeTheMainBarSendsReviewsOrSaves) {
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  const auto typeUncommitted = [&system](const char* text) {
    system.VolumeField().Edit()->setFocus();
    system.VolumeField().Edit()->setText(text);
    system.VolumeField().Edit()->setModified(true);
  };
  const auto volumeChange = [](int value) { return test::SystemChange(0x04, {value}); };
  typeUncommitted("90");
  sendChoices->ClearCategories();
  sendChoices->system = {true, true};
  QTest::mouseClick(Bar().findChild<QPushButton*>("Send"), Qt::LeftButton);
  EXPECT_EQ(backend.Stream(), test::Join(volumeChange(90), volumeChange(90)))
      << "the edit, then the pass that holds it";
  typeUncommitted("80");
  backend.ClearSent();
  QTest::mouseClick(Bar().findChild<QPushButton*>("ReviewButton"), Qt::LeftButton);
  EXPECT_EQ(backend.Stream(), volumeChange(80));

  typeUncommitted("70");
  const std::string path = directory.File("typed.syx");
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  std::vector<std::uint8_t> saved;
  ASSERT_TRUE(ReadWholeFile(path, saved).ok);
  const std::vector<std::uint8_t> volume = volumeChange(70);
  EXPECT_NE(std::search(saved.begin(), saved.end(), volume.begin(), volume.end()), saved.end())
      << "the file holds the typed volume";
}

// The Controllers window follows the channel an off part goes back to.
TEST_F(EditorsWiringTest, ATypedPartNumberOfAnOffPartStaysShown) {
  auto& part = Open<CPartDlg>(EditorSlot::Part);
  auto& controllers = Open<CControllersDlg>(EditorSlot::Controllers);
  Type(Child(part, "Channel"), 5);
  Child<QPushButton>(part, "Off").click();
  ASSERT_TRUE(part.IsOff());
  Type(Child(part, "PartNumber"), 2);
  Type(Child(part, "PartNumber"), 1);
  EXPECT_EQ(part.ShownPart(), 0);
  EXPECT_TRUE(part.IsOff());
  EXPECT_EQ(controllers.ShownChannel(), 5);
}

TEST_F(EditorsWiringTest, AResetRefreshesEveryWindowFromTheDefaults) {
  auto& part = Open<CPartDlg>(EditorSlot::Part);
  auto& controllers = Open<CControllersDlg>(EditorSlot::Controllers);
  Type(controllers.ChannelField(), 3);
  Type(Child(part, "PartNumber"), 9);
  ASSERT_TRUE(Bar().Model().Effects().ChangeType(EffectKind::Variation, 3));
  Bar().ResetCommand();
  EXPECT_EQ(part.ShownPart(), 0);
  EXPECT_EQ(controllers.ShownChannel(), 1);
  EXPECT_EQ(static_cast<CVariationDlg*>(Bar().Editor(EditorSlot::Variation))->CurrentType(), 20);
}

TEST_F(EditorsWiringTest, ATypedValueCommitsThenComesBackInItsOwnField) {
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  EditSpinPair& volume = Child(system, "Volume");
  EXPECT_FALSE(Bar().findChild<QAction*>("UndoAction")->isEnabled());

  // Typed, not left: the key takes the typed value first, then takes it back.
  volume.Edit()->setFocus();
  volume.Edit()->setText("90");
  Undo(*volume.Edit());
  EXPECT_EQ(Taken(), (Messages{test::SystemChange(0x04, {90}), test::SystemChange(0x04, {127})}));
  EXPECT_EQ(volume.Edit()->text(), "127");
  EXPECT_EQ(RedoText(), "&Redo System Volume");

  Redo(*volume.Edit());
  EXPECT_EQ(Taken(), Messages{test::SystemChange(0x04, {90})});
  EXPECT_EQ(volume.Edit()->text(), "90");
  Undo(system);
  Redo(system, true);
  EXPECT_EQ(Bar().Model().System().Value(SystemParameter::Volume), 90);
}

// Another field, or a pause of a second, starts another step.
TEST_F(EditorsWiringTest, OneTurnOfTheWheelOverAFieldIsOneStep) {
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  EditSpinPair& volume = Child(system, "Volume");
  EditSpinPair& transpose = Child(system, "Transpose");
  qint64 now = 0;
  for (EditSpinPair* field : {&volume, &transpose}) field->SetClock([&now] { return now; });
  const auto notch = [&now](EditSpinPair& field, qint64 after) {
    now += after;
    QWheelEvent wheel(QPointF(2, 2), field.mapToGlobal(QPointF(2, 2)), QPoint(),
                      QPoint(0, -QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&field, &wheel);
  };
  for (const qint64 after : {0, 300, 900}) notch(volume, after);
  notch(transpose, 300);
  notch(transpose, EditSpinPair::kWheelTurnPauseMs);
  EXPECT_EQ(Bar().History().StepCount(), 3u) << "three notches, one step";
  EXPECT_EQ(Bar().Model().System().Value(SystemParameter::Volume), 124);
}

// What an undo sends is the history's own test; here, the step each window names.
TEST_F(EditorsWiringTest, EachWindowNamesItsStepAndShowsTheValueThatIsBack) {
  auto& part = Open<CPartDlg>(EditorSlot::Part);
  part.SetModalRunner([](QDialog& dialog) {
    Type(Child(dialog, "Volume"), 50);
    Child<QPushButton>(dialog, "Ok").click();
    return dialog.result();
  });
  Child<QPushButton>(part, "Ctrl").click();
  EXPECT_EQ(UndoText(), "&Undo Part 1 Part Control") << "a sub-dialog's OK is one step";

  auto& controllers = Open<CControllersDlg>(EditorSlot::Controllers);
  EditSpinPair& pan = *controllers.ControllerField(static_cast<int>(ControllerSlot::Pan));
  Type(pan, 1);
  EXPECT_EQ(UndoText(), "&Undo Channel 1 Pan");

  auto& reverb = Open(EditorSlot::Reverb);
  auto& types = Child<QComboBox>(reverb, "TypeList");
  const int type = types.currentIndex();
  types.setCurrentIndex(type + 3);
  EXPECT_EQ(UndoText(), "&Undo Reverb Type");
  Undo(reverb);
  EXPECT_EQ(types.currentIndex(), type);
  Undo(reverb);
  EXPECT_EQ(pan.Edit()->text(), "64");
  Undo(reverb);
  EXPECT_EQ(Bar().Model().Parts().PartValue(PartIndex::FromIndex(0), 0x0B), 100);
  EXPECT_FALSE(Bar().History().CanUndo());
}

TEST_F(EditorsWiringTest, AUserVoiceNameTypedIsOneStepAndStaysInTheModel) {
  auto& voices = Open<CUserVoiceDlg>(EditorSlot::UserVoice);
  auto& name = Child<QLineEdit>(voices, "Name");
  name.setFocus();
  name.selectAll();
  QTest::keyClicks(&name, "Brass");
  EXPECT_EQ(UndoText(), "&Undo User Voice 1 Name");
  Type(Child(voices, "Level"), 33);
  // Control+Z in the name box is the program's, not the box's.
  Undo(name);
  Undo(name);
  EXPECT_FALSE(Bar().History().CanUndo()) << "five keystrokes, one step";
  EXPECT_NE(name.text().trimmed(), "Brass");
  Redo(name);
  EXPECT_EQ(name.text().trimmed(), "Brass");
}

TEST_F(EditorsWiringTest, TheModifiedMarkFollowsTheSavedState) {
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {directory.File("saved.syx")}});
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  Type(Child(system, "Volume"), 100);
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_FALSE(Bar().Modified());
  Type(Child(system, "Transpose"), 3);
  EXPECT_TRUE(Bar().Modified());
  Undo(system);
  EXPECT_FALSE(Bar().Modified()) << "back at the save";

  // New starts afresh: no step leads back.
  prompts.answers.push_back(Answer::No);
  ASSERT_TRUE(Bar().ResetCommand());
  EXPECT_FALSE(Bar().History().CanUndo());
}

}  // namespace
}  // namespace ravlo
