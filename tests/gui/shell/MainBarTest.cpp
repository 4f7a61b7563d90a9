// The main bar's commands, ports, keys, placement and Receive; the files reaching it from its
// dialogs, the command line, a second start, drops and the recent files.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "app/EditorCommandLine.h"
#include "app/SingleInstance.h"
#include "files/FileIo.h"
#include "files/VoiceBankFile.h"
#include "history/EditHistory.h"
#include "history/StepReplay.h"
#include "model/XgModel.h"
#include "platform/Pauser.h"
#include "receive/ReceiveReport.h"
#include "shell/EditorDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MainBar.h"
#include "shell/ProcessingProgress.h"
#include "shell/QtPrompts.h"
#include "shell/ReviewWindow.h"
#include "shell/WindowPlacement.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"
#include "support/RespondingBackend.h"
#include "support/ScratchDirectory.h"
#include "support/TypedIndices.h"

namespace ravlo {
namespace {

using test::Bytes;

class MainBarTest : public ::testing::Test, public test::MainBarRig {
 protected:
  MainBarTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
  }

  // A song that sets one byte of one part, so that each file leaves a trace.
  std::string Song(const std::string& name, int part, int value) {
    return directory.Put(name, test::PartChange(part, 0x0B, value));
  }
  // A MIDI file whose one track carries these system exclusive messages at its start.
  std::string MidiSong(const std::string& name, const std::vector<std::uint8_t>& sysex) {
    std::vector<std::uint8_t> track;
    for (auto start = sysex.begin(); start != sysex.end();) {
      const auto end = std::find(start, sysex.end(), 0xF7) + 1;
      track.insert(track.end(), {0x00, 0xF0, static_cast<std::uint8_t>(end - start - 1)});
      track.insert(track.end(), start + 1, end);
      start = end;
    }
    return directory.Put(name, test::MidiFile(test::Join(track, test::kEndOfTrack)));
  }
  int PartValue(int part) {
    return (*Bar().Model().Parts().Record(PartIndex::FromIndex(part)))[0x0B];
  }
  void OpenFile(const std::string& path) {
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
    Bar().OpenCommand();
  }
  bool WaitForOpens() {
    return QTest::qWaitFor([&] { return !Bar().FilesWaiting(); }, 3000);
  }
  QMenu& FileMenu() { return *Bar().findChild<QMenu*>(QStringLiteral("FileMenu")); }
  QStringList RecentEntries() {
    emit FileMenu().aboutToShow();  // the list is made when the menu opens
    QStringList texts;
    for (const QAction* action : Bar().RecentFilesMenu()->actions()) texts << action->text();
    return texts;
  }
  // A drag over `target` and, where it was taken, the drop: whether it was.
  static bool Drop(QWidget& target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    const QPointF where(target.width() / 2.0, target.height() / 2.0);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(where, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);  // as a file manager may propose
    QApplication::sendEvent(&target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the file manager keeps its file";
    return drop.isAccepted();
  }

  test::ScratchDirectory directory{"ravlo-mainbar"};
};

TEST_F(MainBarTest, OpeningAFileTakesItInPassesItOnAndNamesItInTheTitle) {
  Start();
  backend.ClearSent();
  OpenFile(Song("song.syx", 3, 0x50));
  EXPECT_EQ(PartValue(3), 0x50);
  EXPECT_EQ(backend.Stream(), test::PartChange(3, 0x0B, 0x50));
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- song.syx");
  Bar().MarkModified();
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- song.syx*");
}

// With the auto reset on, only a file holding something to apply resets the synthesizer.
TEST_F(MainBarTest, AFileWithoutXgDataSaysSoAndSendsNoReset) {
  settings.ints["AutoSendResetOnFileOpen"] = 1;
  Start();
  backend.ClearSent();
  const std::string letter = directory.Put("letter.syx", {'D', 'e', 'a', 'r', ' ', 'S', 'i', 'r'});
  OpenFile(letter);
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{"The file " + letter + " holds no XG data."});
  EXPECT_TRUE(backend.Stream().empty());

  OpenFile(Song("song.syx", 3, 0x50));
  const std::vector<std::uint8_t> song = test::PartChange(3, 0x0B, 0x50);
  const std::vector<std::uint8_t> stream = backend.Stream();
  ASSERT_GT(stream.size(), song.size()) << "the reset went first";
  EXPECT_TRUE(std::equal(song.begin(), song.end(), stream.end() - song.size()));
}

TEST_F(MainBarTest, SaveIsOfferedOnlyForAnEditedSavableFile) {
  Start();
  Bar().MarkModified();
  EXPECT_FALSE(Bar().SaveEnabled()) << "no file name";
  OpenFile(Song("song.syx", 3, 0x50));
  EXPECT_FALSE(Bar().SaveEnabled()) << "just loaded";
  Bar().MarkModified();
  EXPECT_TRUE(Bar().SaveEnabled());
  prompts.answers = {Answer::No};
  OpenFile(MidiSong("song.mid", test::PartChange(2, 0x0B, 0x33)));
  Bar().MarkModified();
  EXPECT_FALSE(Bar().SaveEnabled()) << "a MIDI file must be saved with Save As";
  Bar().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Bar()));
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(prompts.fileRequests.back().title, "Save As") << "so Control+S runs it";
  prompts.answers = {Answer::No};
  Bar().ResetCommand();
  EXPECT_EQ(Bar().windowTitle(), "Ravlo");
  EXPECT_FALSE(Bar().SaveEnabled());
}

TEST_F(MainBarTest, TheSaveQuestionGuardsResetOpenAndExit) {
  Start();
  Bar().MarkModified();
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(Bar().ResetCommand());
  EXPECT_TRUE(Bar().Modified()) << "Cancel leaves everything";
  EXPECT_EQ(prompts.questions.back(), "Save Changes First?");

  backend.ClearSent();
  prompts.answers = {Answer::No};
  EXPECT_TRUE(Bar().ResetCommand());
  EXPECT_FALSE(Bar().Modified());
  EXPECT_EQ(backend.Stream().size(), 9u) << "No resets without saving";

  Bar().MarkModified();
  prompts.answers = {Answer::Yes};  // then the Save As dialog is cancelled
  prompts.fileChoices.clear();
  Bar().OpenCommand();
  EXPECT_EQ(prompts.fileRequests.size(), 2u) << "Save As, then Open";
  EXPECT_FALSE(Bar().Modified());

  Bar().MarkModified();
  prompts.answers = {Answer::Yes};
  Bar().ExitCommand();
  EXPECT_FALSE(Bar().isVisible()) << "Yes then a cancelled file dialog still exits";
}

// What a save and a send hold is checked in EditorsWiringTest and the pass's own test.
TEST_F(MainBarTest, SaveAsRecordsAtNoDelayAndSendOffersTheRememberedDelay) {
  Start();
  Bar().MarkModified();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {directory.File("saved.syx")}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_FALSE(Bar().Modified());
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- saved.syx");
  backend.ClearSent();
  Bar().SendCommand();
  EXPECT_FALSE(backend.Stream().empty());
  ASSERT_EQ(sendDialogs.size(), 2u);
  EXPECT_TRUE(sendDialogs[0].savingMode);
  EXPECT_EQ(sendDialogs[0].delay, 0u);
  EXPECT_FALSE(sendDialogs[1].savingMode);
  EXPECT_EQ(sendDialogs[1].delay, 20u) << "the remembered delay";
}

// The review shows what the Send dialog chose, and the window keeps its slot.
TEST_F(MainBarTest, ReviewShowsTheChosenMessagesAndClosesBackIntoItsSlot) {
  Start();
  sendChoices->ClearCategories();
  sendChoices->reset = true;
  Bar().ReviewCommand();
  const QString text = Bar().Review().Text();
  EXPECT_TRUE(text.contains("001 - 09 Bytes\tSystem\tXG_System_On"));
  EXPECT_FALSE(text.contains("002 - "));
  Bar().CloseAll();
  EXPECT_FALSE(Bar().Review().IsOpen());
  Bar().ActivateAll();
  EXPECT_TRUE(Bar().Review().IsOpen());
}

// No reset on the same port; the unit ID and input are used at once and stored at the end.
TEST_F(MainBarTest, DevicesOnTheSamePortSendsNothingAndItsChoicesAreKept) {
  Start();
  EXPECT_EQ(inputs.opens, 0) << "no input chosen: none is opened";
  backend.ClearSent();
  devicesChoice = DevicesDialog::Choice{-2, 5, true, 0};
  Bar().DevicesCommand();
  EXPECT_TRUE(backend.Stream().empty()) << "neither a reset nor the input sends";
  EXPECT_EQ(backend.opens, 1);
  EXPECT_EQ(inputsShown.at(0).at(0).name, "Synth A In");
  EXPECT_EQ(inputs.openIndex, 0);
  Bar().Model().System().SetMasterVolume(100);
  EXPECT_EQ(backend.Stream()[2], 0x15);
  Bar().close();
  EXPECT_EQ(settings.ints["UnitNumber"], 5);
  EXPECT_EQ(settings.ints["SendReset"], 1);
  EXPECT_EQ(settings.strings["MIDIOutPortName"], "Synth A");
  EXPECT_EQ(settings.strings["MIDIInPortName"], "Synth A In");
}

TEST_F(MainBarTest, AnotherPortWithSendResetOnIsResetThereUnlessTheSaveQuestionIsCancelled) {
  settings.ints["SendReset"] = 1;
  Start();
  Bar().MarkModified();
  backend.ClearSent();
  devicesChoice = DevicesDialog::Choice{1, 0, true};
  prompts.answers = {Answer::Cancel};
  Bar().DevicesCommand();
  EXPECT_EQ(prompts.questions.back(), MainBar::kSaveBeforePortReset) << "it says why it asks";
  EXPECT_EQ(Bar().SelectedPort(), 0) << "Cancel: the old port as if nothing happened";
  EXPECT_TRUE(backend.Stream().empty());

  prompts.answers = {Answer::No};
  Bar().DevicesCommand();
  EXPECT_EQ(backend.openIndex, 1);
  EXPECT_EQ(backend.Stream().size(), 9u);
  EXPECT_FALSE(Bar().Modified());
}

// The stored ports are found by their names when their indexes moved on.
TEST_F(MainBarTest, TheStoredPortsAreFoundByTheirNamesAtTheStart) {
  settings.strings["MIDIOutPortName"] = "Synth B";
  settings.ints["MIDIInPort"] = 4;
  settings.strings["MIDIInPortName"] = "Synth A In";
  Start();
  EXPECT_EQ(backend.openIndex, 1);
  EXPECT_EQ(inputs.openIndex, 0);
  devicesChoice = DevicesDialog::Choice{-2, 0, false, -1};
  Bar().DevicesCommand();
  EXPECT_EQ(inputs.closes, 1) << "(none) closes the input";
  bar.reset();
  EXPECT_EQ(settings.ints["MIDIInPort"], -1);
}

TEST_F(MainBarTest, PortsThatWillNotOpenAtTheStartAreReportedAndForgotten) {
  backend.openResult = kMidiAllocated;
  settings.ints["MIDIInPort"] = 0;
  inputs.openResult = kMidiAllocated;
  Start();
  for (const std::string text : {"Cannot open MIDI Out device", "Cannot open MIDI In device"}) {
    EXPECT_NE(std::find(prompts.messages.begin(), prompts.messages.end(), text),
              prompts.messages.end())
        << text;
  }
  EXPECT_EQ(Bar().SelectedInputPort(), -1);
  bar.reset();
  EXPECT_EQ(settings.ints["MIDIOutPort"], -1) << "the next start asks again";
}

// Where the monitor port stands in the list is the port chain's own test.
TEST_F(MainBarTest, AFirstStartAsksForAPort) {
  settings.ints.erase("MIDIOutPort");  // nothing stored
  Start();
  EXPECT_EQ(inputsShown.size(), 1u) << "the Devices dialog opens at once";
}

// In slot order, from an effect window's type list too; a window's button brings it back.
TEST_F(MainBarTest, ControlTabGoesRoundTheOpenWindowsAndEscapeClosesNothing) {
  Start();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&Bar(), &escape);
  EXPECT_TRUE(Bar().isVisible()) << "Escape does not close the main bar";
  EXPECT_FALSE(Bar().ActivateNext(&Bar())) << "nothing open: the key goes on normally";
  Bar().OpenEditor(EditorSlot::Reverb);
  Bar().OpenEditor(EditorSlot::Chorus);
  EditorDialog& reverb = *Bar().Editor(EditorSlot::Reverb);
  const auto becomesActive = [](const QWidget* window) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 500);
  };
  Bar().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Bar()));
  QTest::keyClick(Bar().Button(EditorSlot::Part), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(becomesActive(&reverb));
  auto* typeList = reverb.findChild<QComboBox*>("TypeList");
  typeList->setFocus();
  const int type = typeList->currentIndex();
  QTest::keyClick(typeList, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(becomesActive(Bar().Editor(EditorSlot::Chorus)));
  EXPECT_EQ(typeList->currentIndex(), type);
  EXPECT_TRUE(Bar().ActivateNext(Bar().Editor(EditorSlot::Chorus))) << "wraps to the main bar";
  reverb.setWindowState(Qt::WindowMinimized);
  Bar().Button(EditorSlot::Reverb)->click();
  EXPECT_FALSE(reverb.isMinimized());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&reverb));
}

// Where it was left, frame included, and back on the screen when left partly off it.
TEST_F(MainBarTest, TheMainBarStartsWhereItWasLeftOnTheScreen) {
  Start();
  const QRect area = Bar().screen()->availableGeometry();
  Bar().move(area.left() + 11, area.bottom() - 250);
  const QRect frame = Bar().frameGeometry();
  ASSERT_TRUE(area.contains(frame));
  bar.reset();  // the end of a run writes the placement
  Start();
  EXPECT_EQ(Bar().frameGeometry(), frame);
  const QSize size = frame.size();
  for (const QPoint saved : {QPoint(area.right() + 1 - size.width() / 2, area.bottom() - 9),
                             QPoint(area.left() - 50, area.top() - 30)}) {
    bar.reset();
    settings.strings["WindowPos"] = WindowPlacement::Format({1, QRect(saved, size)}).toStdString();
    Start();
    EXPECT_TRUE(area.contains(Bar().frameGeometry()))
        << testing::PrintToString(Bar().frameGeometry());
  }
}

// Wherever the bar stands, it stays uncovered, and of each title bar's start (four title bars
// wide) at least half is on the screen and outside the windows opened after it.
TEST_F(MainBarTest, ActivateAllCoversNeitherTheMainBarNorAnyTitleBar) {
  Start();
  const QRect area = Bar().screen()->availableGeometry();
  const int titleBar = Bar().style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const int barHeight = Bar().frameGeometry().height();
  for (const int barTop :
       {area.top(), area.center().y() - barHeight / 2, area.bottom() + 1 - barHeight}) {
    Bar().CloseAll();
    Bar().move(area.left(), barTop);
    Bar().ActivateAll();
    std::vector<QRect> frames;
    for (int slot = 1; slot < kEditorSlotCount; ++slot) {
      if (static_cast<EditorSlot>(slot) == EditorSlot::Mixer) continue;  // not one of them
      if (!Bar().Available(static_cast<EditorSlot>(slot))) continue;     // not with Basic
      frames.push_back(Bar().Editor(static_cast<EditorSlot>(slot))->frameGeometry());
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
      const QRect& frame = frames[i];
      const std::string where =
          "bar at " + std::to_string(barTop) + ", slot " + std::to_string(i + 1);
      EXPECT_FALSE(frame.intersects(Bar().frameGeometry())) << where;
      const QRect handle(frame.topLeft(), QSize(std::min(frame.width(), 4 * titleBar), titleBar));
      QRegion seen = QRegion(handle) & area;
      for (std::size_t j = i + 1; j < frames.size(); ++j) seen -= frames[j];
      qint64 seenArea = 0;
      for (const QRect& part : seen) seenArea += qint64{part.width()} * part.height();
      EXPECT_GE(2 * seenArea, qint64{handle.width()} * handle.height()) << where;
    }
  }
}

// The buttons keep theirs ("Voic&e", "Revie&w"); the menus that shared them give way.
TEST_F(MainBarTest, EveryAltKeyOfTheMainBarOpensOneThing) {
  Start();
  Bar().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Bar()));
  std::map<QChar, QString> owners;
  QList<QAction*> menus = Bar().menuBar()->actions();
  for (const QAction* menu : menus)
    owners.emplace(menu->text().section('&', 1).front().toLower(), menu->text());
  for (const QPushButton* button : Bar().findChildren<QPushButton*>()) {
    const QChar key = button->text().section('&', 1).front().toLower();
    EXPECT_TRUE(owners.emplace(key, button->text()).second)
        << button->text().toStdString() << " and " << owners[key].toStdString();
  }
  EXPECT_EQ(owners.size(), menus.size() + Bar().findChildren<QPushButton*>().size());
  for (const auto& [key, menu] : {std::pair{Qt::Key_T, "EditMenu"}, {Qt::Key_I, "WindowMenu"}}) {
    QTest::keyClick(&Bar(), key, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup != nullptr ? popup->objectName() : QString(), menu);
    if (popup != nullptr) popup->close();
  }
  QTest::keyClick(&Bar(), Qt::Key_E, Qt::AltModifier);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Bar().Editor(EditorSlot::ChannelVoice)->IsOpen(); }, 1000));
}

// The piano plays over the editors' number boxes too, but not over a modal dialog.
TEST_F(MainBarTest, ThePianoLeavesTheKeysToDialogsAndToOtherWindowsBoxes) {
  Start();
  Bar().PianoCommand(true);
  const auto sentBy = [&](QWidget* widget) {
    backend.ClearSent();
    QTest::keyClick(widget, Qt::Key_Z);
    return backend.ShortBytes().size();
  };
  Bar().OpenEditor(EditorSlot::SystemControl);
  EXPECT_EQ(sentBy(Bar().Editor(EditorSlot::SystemControl)->findChild<QLineEdit*>()), 2u)
      << "Note On and its release";
  QWidget other;
  auto* box = new QLineEdit(&other);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  box->setFocus();
  EXPECT_EQ(sentBy(box), 0u);
  EXPECT_EQ(box->text(), "z");
  std::size_t sentInDialog = 1;
  test::ModalAnswerer answerer([&](QWidget& dialog) {
    sentInDialog = sentBy(dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog);
    static_cast<QDialog&>(dialog).reject();
  });
  Bar().GeneralCommand();
  EXPECT_EQ(sentInDialog, 0u) << "General Options has the keys";
}

// A file's windows open side by side in the free part of the screen, clear of the main bar.
TEST_F(MainBarTest, TheWindowsAFileOpensAllShowTheirControls) {
  Start();
  const QRect area = Bar().screen()->availableGeometry();
  Bar().move(area.topLeft());
  OpenFile(directory.Put("effects.syx", test::Join(test::SystemChange(0x04, {0x50}),
                                                   test::EffectChange(0x20, {0x41, 0x00}))));
  std::vector<QRect> frames{Bar().frameGeometry()};
  for (const EditorSlot slot : {EditorSlot::SystemControl, EditorSlot::Chorus}) {
    ASSERT_TRUE(Bar().Editor(slot)->IsOpen());
    frames.push_back(Bar().Editor(slot)->frameGeometry());
  }
  for (std::size_t i = 0; i < frames.size(); ++i) {
    EXPECT_TRUE(area.contains(frames[i])) << i;
    for (std::size_t j = i + 1; j < frames.size(); ++j) {
      EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " and " << j;
    }
  }
}

TEST_F(MainBarTest, TheWindowMenuTicksTheOpenWindowsAndBringsTheChosenForward) {
  Start();
  Bar().OpenEditor(EditorSlot::Reverb);
  Bar().OpenEditor(EditorSlot::Part);
  Bar().HelpContentsCommand();
  QMenu& menu = *Bar().findChild<QMenu*>("WindowMenu");
  emit menu.aboutToShow();
  QStringList ticked;
  for (const QAction* entry : menu.actions()) {
    if (entry->isChecked()) ticked << entry->text();
  }
  EXPECT_EQ(ticked, (QStringList{"Activate Rever&b", "Activate &Part", "Ravlo Help"}));
  EditorDialog& reverb = *Bar().Editor(EditorSlot::Reverb);
  reverb.setWindowState(Qt::WindowMinimized);
  Bar().findChild<QAction*>("ReverbEntry")->trigger();
  EXPECT_FALSE(reverb.isMinimized());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&reverb));
}

// However wide an entry, every column starts at the same place on every line.
TEST_F(MainBarTest, TheReviewsColumnsLineUp) {
  Start();
  for (CategoryChoice* bulk : {&sendChoices->reverb, &sendChoices->part, &sendChoices->drum1}) {
    bulk->nonDefaultOnly = false;
  }
  Bar().ReviewCommand();
  auto* text = Bar().Review().findChild<QTextEdit*>("ReviewText");
  std::map<int, std::set<int>> starts;
  for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next()) {
    int column = 0;
    for (int at = line.text().indexOf('\t'); at >= 0; at = line.text().indexOf('\t', at + 1)) {
      QTextCursor cursor(line);
      cursor.setPosition(line.position() + at + 1);
      starts[++column].insert(text->cursorRect(cursor).x());
    }
  }
  ASSERT_GE(starts.size(), 3u);
  for (const auto& [column, xs] : starts) EXPECT_EQ(xs.size(), 1u) << "column " << column;
}

// Each heading once, and the links as plain on the black page as its text.
TEST_F(MainBarTest, HelpContentsShowsThePage) {
  Start();
  Bar().HelpContentsCommand();
  QTextBrowser& browser = *Bar().Help().findChild<QTextBrowser*>();
  const QPalette& palette = browser.palette();
  const auto lightness = [&](QPalette::ColorRole role) { return palette.color(role).lightness(); };
  EXPECT_GE(lightness(QPalette::Link) - lightness(QPalette::Base), 150);
  EXPECT_GE(lightness(QPalette::LinkVisited) - lightness(QPalette::Base), 150);
  std::set<QString> headings;
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0) continue;
    EXPECT_TRUE(headings.insert(block.text()).second) << block.text().toStdString();
  }
  EXPECT_GT(headings.size(), 4u);
}

TEST_F(MainBarTest, TheFileMenuShowsItsShortcutsAndTheyWorkOnTheMainBar) {
  Start();
  const std::map<QString, QString> expected{
      {"&New", "Ctrl+N"},  {"&Open...", "Ctrl+O"},          {"&Receive from Synthesizer", "Ctrl+R"},
      {"&Save", "Ctrl+S"}, {"Save &As...", "Ctrl+Shift+S"}, {"E&xit", "Ctrl+Q"}};
  std::map<QString, QString> shown;
  for (const QAction* action : FileMenu().actions()) {
    if (!action->shortcut().isEmpty()) shown[action->text()] = action->shortcut().toString();
  }
  EXPECT_EQ(shown, expected);

  Bar().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Bar()));
  QTest::keyClick(&Bar(), Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_GE(prompts.fileRequests.size(), 2u);
  EXPECT_EQ(prompts.fileRequests[0].title, "Open File");
  EXPECT_EQ(prompts.fileRequests[1].title, "Save As");
}

TEST_F(MainBarTest, TheListDialogsSayWhatTheyAreFor) {
  Start();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {Song("a.syx", 1, 2)}});
  Bar().ListPatchesCommand();
  ASSERT_GE(prompts.fileRequests.size(), 2u);
  EXPECT_EQ(prompts.fileRequests[0].title, "List QS300 Patches");
  EXPECT_EQ(prompts.fileRequests[1].title, "List QS300 Patches: Save the List As");
}

TEST_F(MainBarTest, CommandLineFilesOpenInOrderAfterOneSaveQuestion) {
  Start();
  std::filesystem::create_directory(directory.Path() / "sub");
  const std::string first = Song("first.syx", 3, 0x50);
  const std::string second = Song("sub/second.syx", 4, 0x51);
  EditorCommandLine commandLine;
  ASSERT_TRUE(commandLine.Parse({"ravlo", "first.syx", "./sub/../sub/second.syx"}));
  const QStringList files = commandLine.Files(QString::fromStdString(directory.Path().string()));
  ASSERT_EQ(files, QStringList({QString::fromStdString(first), QString::fromStdString(second)}));

  Bar().MarkModified();
  prompts.answers = {Answer::No};
  Bar().OpenFiles(files);
  EXPECT_TRUE(prompts.questions.empty()) << "nothing opens inside the call";
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(prompts.questions, std::vector<std::string>{"Save Changes First?"});
  EXPECT_EQ(Bar().FilePath().toStdString(), second) << "the last file is the document";
  EXPECT_EQ(Bar().Settings().recentFiles.Paths(), (std::vector<std::string>{second, first}));

  EditorCommandLine wrong;
  EXPECT_FALSE(wrong.Parse({"ravlo", "--frobnicate"}));
  EXPECT_TRUE(wrong.ErrorText().contains("frobnicate"));
  // What only prints is answered before any window could be made.
  const char* version[] = {"ravlo", "song.syx", "--version"};
  const char* separated[] = {"ravlo", "song.syx", "--", "--help"};
  EXPECT_TRUE(EditorCommandLine::AsksForTextOnly(3, version));
  EXPECT_FALSE(EditorCommandLine::AsksForTextOnly(4, separated));
}

TEST_F(MainBarTest, ASecondStartHandsItsFilesToTheRunningCopy) {
  Start();
  const QString name = QStringLiteral("RavloFilesTest-%1").arg(QCoreApplication::applicationPid());
  SingleInstance running(name);
  ASSERT_TRUE(running.Claim());
  QObject::connect(&running, &SingleInstance::OpenRequested, &Bar(), &MainBar::OpenFiles);
  // Names that a line-by-line hand-over could break.
  const std::string odd = Song("two words%20 ü\nline.syx", 5, 0x52);
  const std::string plain = Song("plain.syx", 6, 0x53);

  SingleInstance second(name);
  EXPECT_FALSE(second.Claim({QString::fromStdString(odd), QString::fromStdString(plain)}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return Bar().FilePath().toStdString() == plain; }, 3000));
  EXPECT_EQ(PartValue(5), 0x52);
  EXPECT_EQ(Bar().Settings().recentFiles.Paths().size(), 1u)
      << "a path with a line break opens but cannot be listed";
}

TEST_F(MainBarTest, FilesDroppedOnAnyWindowOpenAndOtherDragsAreLeftAlone) {
  Start();
  const std::string song = Song("dropped.SYX", 2, 0x44);
  const std::string letter = directory.Put("letter.txt", Bytes({'h', 'i'}));
  EXPECT_FALSE(Drop(Bar(), {letter})) << "not a file the program opens";
  EXPECT_TRUE(Drop(Bar(), {letter, song}));
  EXPECT_NE(PartValue(2), 0x44) << "opened after the drop, not inside it";
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(Bar().FilePath().toStdString(), song);

  // On an editor, over an edit field that would take the path as text.
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::SystemControl));
  auto* field = Bar().Editor(EditorSlot::SystemControl)->findChild<QLineEdit*>();
  const QString before = field->text();
  EXPECT_TRUE(Drop(*field, {Song("other.mid.syx", 7, 0x45)}));
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(PartValue(7), 0x45);
  EXPECT_EQ(field->text(), before);
}

TEST_F(MainBarTest, ADroppedVoiceBankAsksWhereItsFourFilesGo) {
  Start();
  std::vector<std::uint8_t> image(kVoiceBankFileSize, 0);
  std::copy_n("YQ3VIC     V1.00", 16, image.begin());
  const std::string bank = directory.Put("strings.q3v", image);
  std::filesystem::create_directory(directory.Path() / "out");
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {directory.File("out/str.syx")}});
  Bar().MarkModified();
  EXPECT_TRUE(Drop(Bar(), {bank}));
  ASSERT_TRUE(WaitForOpens());
  EXPECT_TRUE(prompts.questions.empty()) << "the document is not touched";
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  const FileDialogRequest asked = prompts.fileRequests[0];
  EXPECT_TRUE(asked.title.starts_with("Convert QS300 Voice Bank")) << asked.title;
  EXPECT_EQ(asked.suggestedName, "strings.syx");
  EXPECT_EQ(asked.initialDirectory, directory.Path().string());
  EXPECT_TRUE(FileExists(directory.File("out/str0.syx")));
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_TRUE(prompts.messages.back().starts_with("The voice bank was written to"));

  // File > Convert asks for the bank first, then where it goes.
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {bank}});
  Bar().ConvertVoiceBankCommand();
  ASSERT_EQ(prompts.fileRequests.size(), 3u);
  EXPECT_EQ(prompts.fileRequests[2].title, asked.title);

  // Named on the command line, a bank converts as File Open does: beside it.
  Bar().OpenFiles({QString::fromStdString(bank)});
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(prompts.fileRequests.size(), 3u);
  EXPECT_TRUE(FileExists(directory.File("strings0.syx")));
}

TEST_F(MainBarTest, RecentFilesListTheFilesOpenedOrSavedLatestFirst) {
  Start();
  EXPECT_FALSE(Bar().RecentFilesMenu()->isEnabled()) << "nothing yet";
  for (int i = 1; i <= 3; ++i) OpenFile(Song("song" + std::to_string(i) + ".syx", 1, i));
  const auto entry = [&](int number, const char* name) {
    return QStringLiteral("&%1 %2").arg(number).arg(QString::fromStdString(directory.File(name)));
  };
  EXPECT_EQ(RecentEntries(),
            (QStringList{entry(1, "song3.syx"), entry(2, "song2.syx"), entry(3, "song1.syx")}));

  // Saving puts the file at the top too.
  Bar().MarkModified();
  prompts.fileChoices.push_back(
      {FileChoice::Status::Chosen, {directory.File("saved & sound.syx")}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_EQ(RecentEntries().front(), entry(1, "saved && sound.syx"));

  // Choosing an entry opens it as File Open does.
  Bar().RecentFilesMenu()->actions().at(3)->trigger();  // song1
  EXPECT_EQ(PartValue(1), 1);
  EXPECT_EQ(RecentEntries().front(), entry(1, "song1.syx"));

  // A file gone since is reported and taken off.
  const std::string gone = directory.File("song2.syx");
  std::filesystem::remove(gone);
  prompts.messages.clear();
  Bar().RecentFilesMenu()->actions().at(3)->trigger();
  EXPECT_EQ(prompts.messages, std::vector<std::string>{"The file " + gone +
                                                       " is no longer there. It is taken off "
                                                       "the recent files."});
  EXPECT_EQ(PartValue(1), 1) << "nothing else happened";
  EXPECT_EQ(RecentEntries().size(), 3);

  // The list outlives the run, beside the remembered directory.
  const auto listed = Bar().Settings().recentFiles.Paths();
  bar.reset();
  EXPECT_EQ(settings.strings.count("SysexDir"), 1u);
  Start();
  EXPECT_EQ(Bar().Settings().recentFiles.Paths(), listed);
}

// What the song sets up is the intake's own test: here its wiring.
TEST_F(MainBarTest, ImportSongSetupShowsWhatTheSongPlaysAtItsStart) {
  Start();
  Bar().OpenEditor(EditorSlot::Controllers);
  // Channel 1 starts at volume 70.
  const std::string song =
      directory.Put("song.mid", test::MidiFile(Bytes({0x00, 0xB0, 0x07, 0x46, 0x00, 0x90, 0x3C,
                                                      0x64, 0x00, 0xFF, 0x2F, 0x00})));
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {song}});
  QAction* import = Bar().findChild<QAction*>(QStringLiteral("ImportSongAction"));
  import->trigger();
  EXPECT_EQ(PartValue(0), 70);
  EXPECT_EQ(Bar().FilePath().toStdString(), song);
  EXPECT_FALSE(Bar().Savable()) << "a song is saved with Save As";
  EXPECT_FALSE(Bar().History().CanUndo()) << "the image was replaced";
  EXPECT_TRUE(RecentEntries().isEmpty()) << "the recent list opens files as File Open does";
  EXPECT_TRUE(prompts.messages.empty());

  // A corrupt song is refused with its reason and leaves everything as it was.
  prompts.fileChoices.push_back(
      {FileChoice::Status::Chosen, {directory.Put("cut.mid", Bytes({'M', 'T', 'h', 'd', 0}))}});
  import->trigger();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("cannot be imported as a song"), std::string::npos);
  EXPECT_EQ(PartValue(0), 70);
  EXPECT_EQ(Bar().FilePath().toStdString(), song);
}

// The star: on after an import or a MIDI file, off after a .syx file, whatever the file held
// (here a drum setup reset, an edit of its own).
TEST_F(MainBarTest, TheModifiedMarkFollowsOneRuleAfterEveryLoad) {
  settings.ints["WarnToSave"] = 0;
  Start();
  const auto sysex = test::Join(test::SystemChange(0x7D, {0x00}), test::PartChange(0, 0x0B, 0x50));
  const std::string syx = directory.Put("song.syx", sysex);
  const std::string mid = MidiSong("song.mid", sysex);
  const struct {
    const char* what;
    std::function<void()> load;
    bool modified;
  } loads[] = {{"a .syx file", [&] { OpenFile(syx); }, false},
               {"a MIDI file", [&] { OpenFile(mid); }, true},
               {"the .syx file again", [&] { OpenFile(syx); }, false},
               {"an imported song",
                [&] {
                  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {mid}});
                  Bar().findChild<QAction*>(QStringLiteral("ImportSongAction"))->trigger();
                },
                true}};
  for (const auto& load : loads) {
    SCOPED_TRACE(load.what);
    load.load();
    EXPECT_EQ(PartValue(0), 0x50);
    EXPECT_EQ(Bar().Modified(), load.modified);
    EXPECT_EQ(Bar().windowTitle().endsWith('*'), load.modified);
  }
}

// Said without holding the musician up, until told not to.
TEST_F(MainBarTest, OpeningAMidiFileSaysWhereItsChannelsVoicesComeIn) {
  Start();
  const std::string mid = MidiSong("song.mid", test::PartChange(0, 0x0B, 0x50));
  const auto note = [&] { return Bar().findChild<QMessageBox*>("MidiFileNote"); };
  OpenFile(mid);
  ASSERT_NE(note(), nullptr);
  EXPECT_TRUE(note()->isVisible());
  EXPECT_FALSE(note()->isModal());
  note()->checkBox()->setChecked(true);
  note()->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return note() == nullptr; }, 1000));
  prompts.answers = {Answer::No};
  OpenFile(mid);
  EXPECT_EQ(note(), nullptr) << "not again once told so";
  bar.reset();
  EXPECT_EQ(settings.ints["MidiFileNote"], 0);
}

// The main bar with its real message boxes and file dialogs, answered as a musician would.

// The pauses between messages are the work: which cursor is up during each.
class CursorPauser final : public Pauser {
 public:
  void Pause(unsigned) override {
    const QCursor* cursor = QApplication::overrideCursor();
    cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
  }
  std::vector<Qt::CursorShape> cursors;
};

class MainBarPromptsTest
    : public ::testing::Test,
      public test::BasicMainBarRig<test::FakeMidiBackend, QtPrompts, CursorPauser> {
 protected:
  MainBarPromptsTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
    Start();
  }
  // As a musician who keeps what Ravlo holds unsaved and reads what it says.
  static void AnswerNoOrOk(QMessageBox& box) {
    QAbstractButton* no = box.button(QMessageBox::No);
    (no != nullptr ? no : box.button(QMessageBox::Ok))->click();
  }
  test::ScratchDirectory directory{"ravlo-prompts"};
};

TEST_F(MainBarPromptsTest, OpeningAFileAsksUnderTheArrowAndReadsUnderTheWaitCursor) {
  // A Roland message among XG ones: the load asks what to do with it.
  const std::string path = directory.Put(
      "mixed.syx",
      test::Join(test::PartChange(3, 0x0B, 0x50),
                 Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7})));
  Bar().MarkModified();
  test::ModalAnswerer answerer([&](QWidget& modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
      dialog->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    } else {
      AnswerNoOrOk(static_cast<QMessageBox&>(modal));
    }
  });
  pauser.cursors.clear();
  Bar().OpenCommand();
  QStringList classes;
  for (const test::ModalAnswerer::Seen& seen : answerer.All()) {
    classes << seen.className;
    EXPECT_TRUE(!seen.cursor || *seen.cursor == Qt::ArrowCursor) << seen.text.toStdString();
  }
  ASSERT_EQ(classes, (QStringList{"QMessageBox", "QFileDialog", "QMessageBox", "QMessageBox"}));
  EXPECT_EQ(answerer.All()[2].text.left(34), "There were 11 bytes in 1 messages ");
  EXPECT_EQ(Bar().FilePath(), QString::fromStdString(path)) << "the file was read";
  ASSERT_FALSE(pauser.cursors.empty());
  for (const Qt::CursorShape cursor : pauser.cursors) EXPECT_EQ(cursor, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone afterwards";
}

// The real dialogs: Open comes back with the filter used last, Save As offers a name.
TEST_F(MainBarPromptsTest, FileDialogsRememberTheFilterAndSuggestAName) {
  const std::string path = directory.Put(
      "song.mid", test::MidiFile(Bytes({0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x33,
                                        0xF7, 0x00, 0xFF, 0x2F, 0x00})));
  struct Shown {
    QString filter;
    QString name;
  };
  std::vector<Shown> shown;
  test::ModalAnswerer answerer([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    if (dialog == nullptr) return AnswerNoOrOk(static_cast<QMessageBox&>(modal));
    const QStringList selected = dialog->selectedFiles();
    shown.push_back({dialog->selectedNameFilter(),
                     selected.isEmpty() ? QString() : QFileInfo(selected.front()).fileName()});
    if (shown.size() == 1) {
      dialog->selectNameFilter(QStringLiteral("XG MIDI Files(*.mid)"));
      dialog->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(dialog)->accept();
    } else {
      dialog->reject();
    }
  });
  Bar().OpenCommand();
  ASSERT_EQ(Bar().FilePath(), QString::fromStdString(path));
  Bar().OpenCommand();
  Bar().SaveAsCommand();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].filter, "XG Sysex Files(*.syx)");
  EXPECT_EQ(shown[1].filter, "XG MIDI Files(*.mid)") << "the filter used last";
  EXPECT_EQ(shown[2].name, "song.syx");
}

// File > Receive from Synthesizer, from a virtual synthesizer behind the port.
class ReceiveCommandTest : public ::testing::Test,
                           public test::BasicMainBarRig<test::RespondingBackend> {
 protected:
  ReceiveCommandTest() {
    settings.ints["MIDIInPort"] = 0;
    settings.ints["SendReset"] = 0;
    backend.deliver = [this](std::span<const std::uint8_t> message) { inputs.Deliver(message); };
  }
  int PartVolume(int part) { return (*Bar().Model().Parts().Record(test::PartAt(part)))[0x0B]; }
  // An edit of the master volume as a window makes it: one step of the history.
  void EditLocally() {
    XgModel& model = Bar().Model();
    ASSERT_TRUE(Bar().RecordEdit(
        "Master Volume", replay::Values{}, [&model] { return model.System().SetMasterVolume(10); },
        StepJoin::Separate));
    ASSERT_TRUE(Bar().History().CanUndo());
  }
};

TEST_F(ReceiveCommandTest, TheSynthesizersStateReplacesTheImageAndTheHistory) {
  Start();
  EditLocally();
  // The synthesizer changed behind Ravlo's back.
  backend.Play(test::PartChange(3, 0x0B, 0x21));
  Bar().findChild<QAction*>("ReceiveAction")->trigger();  // File > Receive, Control+R
  EXPECT_EQ(PartVolume(3), 0x21);
  EXPECT_FALSE(Bar().History().CanUndo()) << "no step leads back past a read-back";
  EXPECT_EQ(Bar().windowTitle(), "Ravlo*");
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{"System, effects, 16 parts, 2 drum setups received."});
  EXPECT_EQ(prompts.icons.back(), MessageIcon::Information);
  EXPECT_TRUE(Bar().Editor(EditorSlot::Part)->IsOpen()) << "as after a file, the windows open";
  EXPECT_FALSE(Bar().Progress().isVisible());
}

TEST_F(ReceiveCommandTest, WithoutAnInputPortTheUserIsToldAndNothingIsAsked) {
  settings.ints.erase("MIDIInPort");
  Start();
  EditLocally();
  Bar().ReceiveCommand();
  EXPECT_TRUE(backend.Requests().empty());
  EXPECT_EQ(prompts.messages, std::vector<std::string>{NoInputPortText(test::UnitAt(0))});
  EXPECT_TRUE(Bar().History().CanUndo());
}

TEST_F(ReceiveCommandTest, WhenNothingAnswersThePortAndUnitAreNamedAndNothingChanges) {
  settings.ints["ReceiveTimeout"] = 40;
  settings.ints["UnitNumber"] = 6;
  Start();
  backend.alter = [](test::RespondingBackend::Message) { return std::nullopt; };
  EditLocally();
  Bar().ReceiveCommand();
  EXPECT_EQ(prompts.messages.back(), NoAnswerText("Synth A In", test::UnitAt(6)));
  EXPECT_EQ(pauser.Total(), 80u) << "the General Options timeout, twice, in pauses";
  EXPECT_TRUE(Bar().History().CanUndo()) << "nothing changed";
}

TEST_F(ReceiveCommandTest, CancelInTheProcessingWindowKeepsWhatCame) {
  Start();
  backend.Play(test::PartChange(0, 0x0B, 0x11));
  backend.Play(test::PartChange(1, 0x0B, 0x12));
  backend.Play(test::PartChange(2, 0x0B, 0x13));
  QTimer presser;
  presser.setInterval(0);
  QObject::connect(&presser, &QTimer::timeout, [this] {
    if (Bar().Progress().Item() == "Part 2") Bar().Progress().CancelButton()->click();
  });
  presser.start();
  Bar().ReceiveCommand();
  EXPECT_EQ(PartVolume(1), 0x12);
  EXPECT_NE(PartVolume(2), 0x13) << "asked for nothing after the cancel";
  EXPECT_NE(prompts.messages.back().find("Receiving was cancelled."), std::string::npos);
  EXPECT_EQ(prompts.icons.back(), MessageIcon::Warning);
}

}  // namespace
}  // namespace ravlo
