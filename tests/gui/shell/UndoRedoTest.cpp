// Edits taken back and done again with the keys every desktop program uses,
// from the window where they were made: the synthesizer follows, and the
// window shows the value that is back.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "editors/CControllersDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
#include "history/EditHistory.h"
#include "model/XgModel.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "uservoice/CUserVoiceDlg.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using Messages = std::vector<std::vector<std::uint8_t>>;

class UndoRedoTest : public ::testing::Test, public test::MainBarRig {
 protected:
  UndoRedoTest() {
    settings.ints["SendReset"] = 0;
    Start();
  }

  // The editor open and active, ready for keys.
  template <typename T>
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
  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }
  static void Undo(QWidget& where) { QTest::keyClick(&where, Qt::Key_Z, Qt::ControlModifier); }
  static void Redo(QWidget& where, bool withY = false) {
    if (withY) {
      QTest::keyClick(&where, Qt::Key_Y, Qt::ControlModifier);
    } else {
      QTest::keyClick(&where, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
  }
  // The menu entry without its key column.
  QString UndoText() { return Bar().findChild<QAction*>("UndoAction")->text().section('\t', 0, 0); }
  QString RedoText() { return Bar().findChild<QAction*>("RedoAction")->text().section('\t', 0, 0); }
  Messages Taken() {
    Messages pieces = backend.pieces;
    backend.ClearSent();
    return pieces;
  }
};

TEST_F(UndoRedoTest, ATypedValueCommitsThenComesBackInItsOwnField) {
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  EditSpinPair& volume = Child(system, "Volume");
  EXPECT_EQ(UndoText(), "&Undo");
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
  EXPECT_EQ(UndoText(), "&Undo System Volume");
  Undo(system);
  Redo(system, true);
  EXPECT_EQ(Bar().Model().System().Value(SystemParameter::Volume), 90);
}

// The notches of one turn of the wheel over a field are one step; another
// field, or a pause of a second, starts another.
TEST_F(UndoRedoTest, OneTurnOfTheWheelOverAFieldIsOneStep) {
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
  EXPECT_EQ(Bar().History().StepCount(), 3u);
  const SystemModel& model = Bar().Model().System();
  EXPECT_EQ(model.Value(SystemParameter::Volume), 124);
  Undo(system);
  Undo(system);
  EXPECT_EQ(model.Value(SystemParameter::Transpose), 0);
  Undo(system);
  EXPECT_EQ(model.Value(SystemParameter::Volume), 127) << "three notches, one undo";
}

// The keys reach the history from any window (the messages an undo sends are
// the history's own rules): what is checked here is the step each window names.
TEST_F(UndoRedoTest, EachWindowNamesItsStepAndShowsTheValueThatIsBack) {
  auto& part = Open<CPartDlg>(EditorSlot::Part);
  part.SetModalRunner([](QDialog& dialog) {
    Type(Child(dialog, "Volume"), "50");
    Child<QPushButton>(dialog, "Ok").click();
    return dialog.result();
  });
  Child<QPushButton>(part, "Ctrl").click();
  EXPECT_EQ(UndoText(), "&Undo Part 1 Part Control") << "a sub-dialog's OK is one step";

  auto& controllers = Open<CControllersDlg>(EditorSlot::Controllers);
  EditSpinPair& pan = *controllers.ControllerField(static_cast<int>(ControllerSlot::Pan));
  Type(pan, "1");
  EXPECT_EQ(UndoText(), "&Undo Channel 1 Pan");

  auto& reverb = Open<EditorDialog>(EditorSlot::Reverb);
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

TEST_F(UndoRedoTest, AUserVoiceNameTypedIsOneStepAndStaysInTheModel) {
  auto& voices = Open<CUserVoiceDlg>(EditorSlot::UserVoice);
  auto& name = Child<QLineEdit>(voices, "Name");
  name.setFocus();
  name.selectAll();
  QTest::keyClicks(&name, "Brass");
  EXPECT_EQ(UndoText(), "&Undo User Voice 1 Name");
  Type(Child(voices, "Level"), "33");
  // Control+Z in the name box is the program's, not the box's.
  Undo(name);
  Undo(name);
  EXPECT_FALSE(Bar().History().CanUndo()) << "five keystrokes, one step";
  EXPECT_NE(name.text().trimmed(), "Brass");
  Redo(name);
  EXPECT_EQ(name.text().trimmed(), "Brass");
}

TEST_F(UndoRedoTest, TheModifiedMarkFollowsTheSavedState) {
  QTemporaryDir directory;
  prompts.fileChoices.push_back(
      {FileChoice::Status::Chosen, {directory.filePath("saved.syx").toStdString()}});
  auto& system = Open<CSystemControlDlg>(EditorSlot::SystemControl);
  Type(Child(system, "Volume"), "100");
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_FALSE(Bar().Modified());
  Type(Child(system, "Transpose"), "3");
  EXPECT_TRUE(Bar().Modified());
  Undo(system);
  EXPECT_FALSE(Bar().Modified()) << "back at the save";
  Undo(system);
  EXPECT_TRUE(Bar().Modified());

  // New starts afresh: no step leads back.
  prompts.answers.push_back(Answer::No);
  ASSERT_TRUE(Bar().ResetCommand());
  EXPECT_FALSE(Bar().History().CanUndo());
  EXPECT_EQ(UndoText(), "&Undo");
}

}  // namespace
}  // namespace ravlo
