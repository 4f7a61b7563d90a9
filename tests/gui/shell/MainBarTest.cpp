#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <map>
#include <set>

#include "MidiBackendChain.h"
#include "MonitorBackend.h"
#include "files/FileIo.h"
#include "model/XgModel.h"
#include "shell/EditorDialog.h"
#include "shell/HelpWindow.h"
#include "shell/MainBar.h"
#include "shell/ReviewWindow.h"
#include "shell/WindowPlacement.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "support/ModalAnswerer.h"
#include "support/QtPrinters.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using test::Bytes;

class MainBarTest : public ::testing::Test, public test::MainBarRig {
 protected:
  MainBarTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
  }

  std::string Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = directory.File(name);
    EXPECT_TRUE(WriteWholeFile(path, bytes).ok);
    return path;
  }

  void OpenFile(const std::string& path) {
    prompts.fileChoices.push_back({FileChoice::Status::Chosen, {path}});
    Bar().OpenCommand();
  }

  void Edit() { Bar().MarkModified(); }

  test::ScratchDirectory directory{"ravlo-mainbar"};
  // Sets part 4's volume.
  const std::vector<std::uint8_t> song =
      Bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0B, 0x50, 0xF7});
};

TEST_F(MainBarTest, OpeningAFileTakesItInPassesItOnAndNamesItInTheTitle) {
  Start();
  EXPECT_EQ(Bar().windowTitle(), "Ravlo");
  backend.ClearSent();
  OpenFile(Put("song.syx", song));
  EXPECT_EQ((*Bar().Model().Parts().Record(PartIndex::FromIndex(3)))[0x0B], 0x50);
  EXPECT_EQ(backend.Stream(), song);
  EXPECT_TRUE(Bar().Savable());
  EXPECT_FALSE(Bar().Modified());
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- song.syx");
  Edit();
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- song.syx*");
}

// With the auto reset on, only a file that holds something to apply resets
// the synthesizer; one that holds nothing says so and sends nothing.
TEST_F(MainBarTest, AFileWithoutXgDataSaysSoAndSendsNoReset) {
  settings.ints["AutoSendResetOnFileOpen"] = 1;
  Start();
  backend.ClearSent();
  const std::string letter = Put("letter.syx", {'D', 'e', 'a', 'r', ' ', 'S', 'i', 'r'});
  OpenFile(letter);
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{"The file " + letter + " holds no XG data."});
  EXPECT_TRUE(backend.Stream().empty());

  OpenFile(Put("song.syx", song));
  const std::vector<std::uint8_t> stream = backend.Stream();
  ASSERT_GT(stream.size(), song.size()) << "the reset went first";
  EXPECT_TRUE(std::equal(song.begin(), song.end(), stream.end() - song.size()));
}

TEST_F(MainBarTest, SaveIsOfferedOnlyForAnEditedSavableFile) {
  Start();
  EXPECT_FALSE(Bar().SaveEnabled()) << "nothing edited, no file";
  Edit();
  EXPECT_FALSE(Bar().SaveEnabled()) << "no file name";
  OpenFile(Put("song.syx", song));
  EXPECT_FALSE(Bar().SaveEnabled()) << "just loaded";
  Edit();
  EXPECT_TRUE(Bar().SaveEnabled());
  const std::vector<std::uint8_t> midi = test::MidiFile(Bytes(
      {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 0x33, 0xF7, 0x00, 0xFF, 0x2F, 0x00}));
  prompts.answers = {Answer::No};
  OpenFile(Put("song.mid", midi));
  Edit();
  EXPECT_FALSE(Bar().SaveEnabled()) << "a MIDI file must be saved with Save As";
  Bar().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Bar()));
  const std::size_t asked = prompts.fileRequests.size();
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(prompts.fileRequests.size(), asked + 1) << "so Control+S runs it";
  EXPECT_EQ(prompts.fileRequests.back().title, "Save As");
  prompts.answers = {Answer::No};
  Bar().ResetCommand();
  EXPECT_EQ(Bar().windowTitle(), "Ravlo");
  EXPECT_FALSE(Bar().SaveEnabled());
}

TEST_F(MainBarTest, TheSaveQuestionGuardsResetOpenAndExit) {
  Start();
  Edit();
  prompts.answers = {Answer::Cancel};
  EXPECT_FALSE(Bar().ResetCommand());
  EXPECT_TRUE(Bar().Modified()) << "Cancel leaves everything";
  EXPECT_EQ(prompts.questions.back(), "Save Changes First?");

  backend.ClearSent();
  prompts.answers = {Answer::No};
  EXPECT_TRUE(Bar().ResetCommand());
  EXPECT_FALSE(Bar().Modified());
  EXPECT_EQ(backend.Stream().size(), 9u) << "No resets without saving";

  Edit();
  prompts.answers = {Answer::Yes};  // then the Save As dialog is cancelled
  prompts.fileChoices.clear();
  Bar().OpenCommand();
  EXPECT_EQ(prompts.fileRequests.size(), 2u) << "Save As, then Open";
  EXPECT_FALSE(Bar().Modified());

  Edit();
  prompts.answers = {Answer::Yes};
  Bar().ExitCommand();
  EXPECT_FALSE(Bar().isVisible()) << "Yes then a cancelled file dialog still exits";
}

// What a save holds is checked where a typed value is saved (CrossWindowTest).
TEST_F(MainBarTest, SaveAsRecordsAtNoDelayAndMakesTheDocumentSavable) {
  Start();
  Edit();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {directory.File("saved.syx")}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  EXPECT_FALSE(Bar().Modified());
  EXPECT_EQ(Bar().windowTitle(), "Ravlo -- saved.syx");
  ASSERT_EQ(sendDialogs.size(), 1u);
  EXPECT_TRUE(sendDialogs[0].savingMode);
  EXPECT_EQ(sendDialogs[0].delay, 0u);
}

// The categories chosen reach the pass (CrossWindowTest); what the pass holds is its own test.
TEST_F(MainBarTest, SendOffersTheRememberedDelayAndSends) {
  Start();
  backend.ClearSent();
  Bar().SendCommand();
  EXPECT_FALSE(backend.Stream().empty());
  EXPECT_EQ(sendDialogs.back().delay, 20u) << "the remembered delay";
  EXPECT_FALSE(sendDialogs.back().savingMode);
}

// The review shows what the Send dialog chose, and the window keeps its slot.
TEST_F(MainBarTest, ReviewShowsTheChosenMessagesAndClosesBackIntoItsSlot) {
  Start();
  SendChoices choices;
  choices.ClearCategories();
  choices.reset = true;
  sendChoices = choices;
  Bar().ReviewCommand();
  const QString text = Bar().Review().Text();
  EXPECT_TRUE(Bar().Review().IsOpen());
  EXPECT_TRUE(text.contains("001 - 09 Bytes\tSystem\tXG_System_On"));
  EXPECT_FALSE(text.contains("002 - "));
  Bar().CloseAll();
  EXPECT_FALSE(Bar().Review().IsOpen());
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::Review));
  EXPECT_TRUE(Bar().Review().IsOpen());
  Bar().CloseAll();
  Bar().ActivateAll();
  EXPECT_TRUE(Bar().Review().IsOpen());
}

// Devices OK on the same port with Send Reset ticked: no reset; the unit ID
// and the input go into use at once and into the settings at the end.
TEST_F(MainBarTest, DevicesOnTheSamePortSendsNothingAndItsChoicesAreKept) {
  Start();
  EXPECT_EQ(inputs.opens, 0) << "no input chosen: none is opened";
  backend.ClearSent();
  devicesChoice = DevicesDialog::Choice{-2, 5, true, 0};
  Bar().DevicesCommand();
  EXPECT_TRUE(backend.Stream().empty()) << "neither a reset nor the input sends";
  EXPECT_EQ(backend.opens, 1);
  ASSERT_EQ(inputsShown.size(), 1u);
  ASSERT_EQ(inputsShown[0].size(), 1u);
  EXPECT_EQ(inputsShown[0][0].name, "Synth A In");
  EXPECT_EQ(inputs.openIndex, 0);
  EXPECT_EQ(Bar().SelectedInputPort(), 0);
  Bar().Model().System().SetMasterVolume(100);
  EXPECT_EQ(backend.Stream()[2], 0x15);
  Bar().close();
  EXPECT_EQ(settings.ints["UnitNumber"], 5);
  EXPECT_EQ(settings.ints["SendReset"], 1);
  EXPECT_EQ(settings.ints["MIDIOutPort"], 0);
  EXPECT_EQ(settings.strings["MIDIOutPortName"], "Synth A");
  EXPECT_EQ(settings.ints["MIDIInPort"], 0);
  EXPECT_EQ(settings.strings["MIDIInPortName"], "Synth A In");
  ASSERT_TRUE(settings.strings.count("WindowPos"));
  EXPECT_EQ(QString::fromStdString(settings.strings["WindowPos"]).split(',').size(), 10);
}

TEST_F(MainBarTest, AnotherPortWithSendResetOnIsResetThereUnlessTheSaveQuestionIsCancelled) {
  settings.ints["SendReset"] = 1;
  Start();
  Edit();
  backend.ClearSent();
  devicesChoice = DevicesDialog::Choice{1, 0, true};
  prompts.answers = {Answer::Cancel};
  Bar().DevicesCommand();
  EXPECT_EQ(prompts.questions.back(), MainBar::kSaveBeforePortReset) << "it says why it asks";
  EXPECT_EQ(Bar().SelectedPort(), 0) << "Cancel: the old port as if nothing happened";
  EXPECT_EQ(backend.opens, 1);
  EXPECT_TRUE(backend.Stream().empty());
  EXPECT_TRUE(Bar().Modified());

  prompts.answers = {Answer::No};
  Bar().DevicesCommand();
  EXPECT_EQ(backend.openIndex, 1);
  EXPECT_EQ(backend.Stream().size(), 9u);
  EXPECT_EQ(Bar().SelectedPort(), 1);
  EXPECT_FALSE(Bar().Modified());
}

// The stored ports are found by their names when their indexes moved on.
TEST_F(MainBarTest, TheStoredPortsAreFoundByTheirNamesAtTheStart) {
  settings.ints["MIDIOutPort"] = 0;
  settings.strings["MIDIOutPortName"] = "Synth B";
  settings.ints["MIDIInPort"] = 4;
  settings.strings["MIDIInPortName"] = "Synth A In";
  Start();
  EXPECT_EQ(backend.openIndex, 1);
  EXPECT_EQ(Bar().SelectedPort(), 1);
  EXPECT_EQ(inputs.openIndex, 0);
  EXPECT_EQ(Bar().SelectedInputPort(), 0);
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

TEST(MainBarFirstStart, AsksForAPortAndListsTheMonitorLast) {
  test::FakeMidiBackend platform({"Synth A"});
  MonitorBackend monitor;
  MidiBackendChain ports({&platform, &monitor});
  test::RecordingPrompts prompts;
  test::MemorySettings settings;  // nothing stored: a first start
  test::RecordingPauser pauser;
  MainBar bar({ports, prompts, settings, pauser, &monitor});
  std::vector<MidiPort> shown;
  bar.SetDevicesDialogRunner([&](const std::vector<MidiPort>& listed, const std::vector<MidiPort>&,
                                 const DevicesDialog::Choice&) {
    shown = listed;
    return std::optional<DevicesDialog::Choice>();
  });
  bar.show();
  bar.Start();
  ASSERT_EQ(shown.size(), 2u) << "the Devices dialog opens at once";
  EXPECT_EQ(shown.back().name, "Ravlo Monitor");
}

TEST_F(MainBarTest, ControlTabGoesToTheNextOpenWindowInSlotOrderAndEscapeClosesNothing) {
  Start();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&Bar(), &escape);
  EXPECT_TRUE(Bar().isVisible()) << "Escape does not close the main bar";
  EXPECT_FALSE(Bar().ActivateNext(&Bar())) << "nothing open: the key goes on normally";
  Bar().OpenEditor(EditorSlot::DrumSets);
  Bar().OpenEditor(EditorSlot::SystemControl);
  EXPECT_TRUE(Bar().ActivateNext(&Bar()));
  EXPECT_TRUE(Bar().ActivateNext(Bar().Editor(EditorSlot::DrumSets))) << "wraps to the main bar";
  // The button of an open window, even a minimised one, brings it back.
  EditorDialog& drums = *Bar().Editor(EditorSlot::DrumSets);
  drums.setWindowState(Qt::WindowMinimized);
  Bar().Button(EditorSlot::DrumSets)->click();
  EXPECT_FALSE(drums.isMinimized());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&drums));
}

// The main bar starts where it was left, frame included, and back on the
// screen when it was left partly off it.
TEST_F(MainBarTest, TheMainBarStartsWhereItWasLeftOnTheScreen) {
  Start();
  const QRect area = Bar().screen()->availableGeometry();
  Bar().move(area.left() + 11, area.bottom() - 250);
  const QRect frame = Bar().frameGeometry();
  ASSERT_TRUE(area.contains(frame));
  for (int start = 0; start < 2; ++start) {
    bar.reset();  // the end of a run writes the placement
    Start();
    EXPECT_EQ(Bar().frameGeometry(), frame) << "start " << start;
  }
  const QSize size = frame.size();
  const int right = area.right() + 1;
  const int bottom = area.bottom() + 1;
  for (const QPoint saved :
       {QPoint(right - size.width() / 2, bottom - 10), QPoint(area.left() - 50, area.top() - 30)}) {
    bar.reset();  // the end of the run writes its own placement
    settings.strings["WindowPos"] = WindowPlacement::Format({1, QRect(saved, size)}).toStdString();
    Start();
    EXPECT_TRUE(area.contains(Bar().frameGeometry()))
        << testing::PrintToString(Bar().frameGeometry());
  }
}

TEST_F(MainBarTest, ControlTabLeavesTheEffectWindowsFromTheirTypeList) {
  Start();
  const EditorSlot effects[] = {EditorSlot::Reverb, EditorSlot::Chorus, EditorSlot::Variation};
  for (const EditorSlot slot : effects) Bar().OpenEditor(slot);
  const QWidget* next[] = {Bar().Editor(EditorSlot::Chorus), Bar().Editor(EditorSlot::Variation),
                           &Bar()};
  for (std::size_t i = 0; i < std::size(effects); ++i) {
    EditorDialog& editor = *Bar().Editor(effects[i]);
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    auto* typeList = editor.findChild<QComboBox*>("TypeList");
    typeList->setFocus();
    const int type = typeList->currentIndex();
    QTest::keyClick(typeList, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == next[i]; }, 500))
        << editor.windowTitle().toStdString();
    EXPECT_EQ(typeList->currentIndex(), type);
  }
  QTest::keyClick(Bar().Button(EditorSlot::Part), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return QApplication::activeWindow() == Bar().Editor(EditorSlot::Reverb); }, 500))
      << "and round again from the main bar";
}

// Wherever the main bar stands, Activate All leaves it uncovered and, of the
// start of each window's title bar (four title bars wide), at least half on
// the screen and outside the windows opened after it, which lie above it.
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

// Each Alt key of the main bar does one thing: the buttons keep theirs
// ("Voic&e", "Revie&w") and the menus that shared them give way.
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

// The piano plays over the main bar and the editors, their number boxes
// included; a modal dialog, and a box of another window, keep their keys.
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

// A file that touches several blocks opens their windows side by side in the
// free part of the screen, each wholly in sight and clear of the main bar.
TEST_F(MainBarTest, TheWindowsAFileOpensAllShowTheirControls) {
  Start();
  const QRect area = Bar().screen()->availableGeometry();
  Bar().move(area.topLeft());
  OpenFile(Put("effects.syx", test::Join(test::SystemChange(0x04, {0x50}),
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
  menu.actions().back()->trigger();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&Bar().Help()));
}

// However wide an entry, every column of the review starts at the same place
// on every line.
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

}  // namespace
}  // namespace ravlo
