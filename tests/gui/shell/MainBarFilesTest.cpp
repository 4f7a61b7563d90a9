// Files reaching the main bar besides its Open dialog: the command line, a
// second start, drops, the recent files; the File menu's shortcuts and the
// names its dialogs offer.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "app/EditorCommandLine.h"
#include "app/SingleInstance.h"
#include "files/FileIo.h"
#include "files/VoiceBankFile.h"
#include "history/EditHistory.h"
#include "model/XgModel.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"
#include "support/Bytes.h"
#include "support/MainBarRig.h"
#include "support/QtPrinters.h"
#include "support/ScratchDirectory.h"

namespace ravlo {
namespace {

using test::Bytes;
using Paths = std::vector<std::string>;

class MainBarFilesTest : public ::testing::Test, public test::MainBarRig {
 protected:
  MainBarFilesTest() {
    settings.ints["SendReset"] = 0;
    settings.ints["AutoSendResetOnFileOpen"] = 0;
  }

  // A song that sets one byte of one part, so that each file leaves a trace.
  std::string Song(const std::string& name, int part, int value) {
    return directory.Put(name, test::PartChange(part, 0x0B, value));
  }
  int PartValue(int part) {
    return (*Bar().Model().Parts().Record(PartIndex::FromIndex(part)))[0x0B];
  }
  std::string Bank(const std::string& name) {
    std::vector<std::uint8_t> bank(kVoiceBankFileSize, 0);
    std::copy_n("YQ3VIC     V1.00", 16, bank.begin());
    return directory.Put(name, bank);
  }
  void OpenWithDialog(const std::string& path) {
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
  static QMimeData* Urls(const std::vector<std::string>& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data->setUrls(urls);
    return data;
  }
  // A drag over `target` and, where it was taken, the drop: whether it was.
  static bool Drop(QWidget& target, const std::vector<std::string>& paths) {
    const std::unique_ptr<QMimeData> data(Urls(paths));
    const QPointF where(target.width() / 2.0, target.height() / 2.0);
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction | Qt::MoveAction, data.get(),
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(where, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                    Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);  // as a file manager may propose
    QApplication::sendEvent(&target, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the file manager keeps its file";
    return drop.isAccepted();
  }

  test::ScratchDirectory directory{"ravlo-mainbar-files"};
};

TEST_F(MainBarFilesTest, TheFileMenuShowsItsShortcutsAndTheyWorkOnTheMainBar) {
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
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  EXPECT_EQ(prompts.fileRequests[0].title, "Open File");
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(prompts.fileRequests.size(), 2u);
  EXPECT_EQ(prompts.fileRequests[1].title, "Save As");
  EXPECT_EQ(prompts.fileRequests[1].suggestedName, "Untitled.syx");
  QTest::keyClick(&Bar(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(sendDialogs.size(), 0u) << "Save stays off with nothing to save";
}

TEST_F(MainBarFilesTest, TheListDialogsSayWhatTheyAreFor) {
  Start();
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {Song("a.syx", 1, 2)}});
  Bar().ListPatchesCommand();
  ASSERT_GE(prompts.fileRequests.size(), 2u);
  EXPECT_EQ(prompts.fileRequests[0].title, "List QS300 Patches");
  EXPECT_EQ(prompts.fileRequests[1].title, "List QS300 Patches: Save the List As");
}

TEST_F(MainBarFilesTest, CommandLineFilesOpenInOrderAfterOneSaveQuestion) {
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
  EXPECT_EQ(PartValue(3), 0x50);
  EXPECT_EQ(PartValue(4), 0x51);
  EXPECT_EQ(Bar().FilePath().toStdString(), second) << "the last file is the document";
  EXPECT_EQ(Bar().Settings().recentFiles.Paths(), (Paths{second, first}));

  EditorCommandLine wrong;
  EXPECT_FALSE(wrong.Parse({"ravlo", "--frobnicate"}));
  EXPECT_TRUE(wrong.ErrorText().contains("frobnicate"));
  // What only prints is answered before any window could be made.
  const char* version[] = {"ravlo", "song.syx", "--version"};
  const char* separated[] = {"ravlo", "song.syx", "--", "--help"};
  EXPECT_TRUE(EditorCommandLine::AsksForTextOnly(3, version));
  EXPECT_FALSE(EditorCommandLine::AsksForTextOnly(4, separated));
}

TEST_F(MainBarFilesTest, ASecondStartHandsItsFilesToTheRunningCopy) {
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
  EXPECT_EQ(PartValue(6), 0x53);
  EXPECT_EQ(Bar().Settings().recentFiles.Paths().size(), 1u)
      << "a path with a line break opens but cannot be listed";
}

TEST_F(MainBarFilesTest, FilesDroppedOnAnyWindowOpenAndOtherDragsAreLeftAlone) {
  Start();
  const std::string song = Song("dropped.SYX", 2, 0x44);
  const std::string letter = directory.Put("letter.txt", Bytes({'h', 'i'}));
  EXPECT_FALSE(Drop(Bar(), {letter})) << "not a file the program opens";

  EXPECT_TRUE(Drop(Bar(), {letter, song}));
  EXPECT_NE(PartValue(2), 0x44) << "opened after the drop, not inside it";
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(PartValue(2), 0x44);
  EXPECT_EQ(Bar().FilePath().toStdString(), song);

  // On an editor, over an edit field that would take the path as text.
  ASSERT_TRUE(Bar().OpenEditor(EditorSlot::SystemControl));
  auto* field = Bar().Editor(EditorSlot::SystemControl)->findChild<QLineEdit*>();
  ASSERT_NE(field, nullptr);
  const QString before = field->text();
  const std::string other = Song("other.mid.syx", 7, 0x45);
  EXPECT_TRUE(Drop(*field, {other}));
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(PartValue(7), 0x45);
  EXPECT_EQ(field->text(), before);
}

TEST_F(MainBarFilesTest, ADroppedVoiceBankAsksWhereItsFourFilesGo) {
  Start();
  const std::string bank = Bank("strings.q3v");
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
  EXPECT_TRUE(Bar().Modified());

  // File > Convert asks for the bank first, under the same title.
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {bank}});
  Bar().ConvertVoiceBankCommand();
  ASSERT_EQ(prompts.fileRequests.size(), 3u);
  EXPECT_EQ(prompts.fileRequests[1].title, "Convert QS300 Voice Bank");
  EXPECT_EQ(prompts.fileRequests[2].title, asked.title);

  // Named on the command line, a bank converts as File Open does: beside it.
  Bar().OpenFiles({QString::fromStdString(bank)});
  ASSERT_TRUE(WaitForOpens());
  EXPECT_EQ(prompts.fileRequests.size(), 3u);
  EXPECT_TRUE(FileExists(directory.File("strings0.syx")));
}

TEST_F(MainBarFilesTest, RecentFilesListTheFilesOpenedOrSavedLatestFirst) {
  Start();
  EXPECT_FALSE(Bar().RecentFilesMenu()->isEnabled()) << "nothing yet";
  for (int i = 1; i <= 3; ++i) {
    OpenWithDialog(Song("song" + std::to_string(i) + ".syx", 1, i));
  }
  QStringList entries = RecentEntries();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(entries.back(),
            QStringLiteral("&3 %1").arg(QString::fromStdString(directory.File("song1.syx"))));

  // Saving puts the file at the top too.
  Bar().MarkModified();
  const std::string saved = directory.File("saved & sound.syx");
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {saved}});
  ASSERT_TRUE(Bar().SaveAsCommand());
  entries = RecentEntries();
  EXPECT_EQ(entries.front(), QStringLiteral("&1 %1").arg(
                                 QString::fromStdString(directory.File("saved && sound.syx"))));

  // Choosing an entry opens it as File Open does.
  Bar().RecentFilesMenu()->actions().at(3)->trigger();  // song1
  EXPECT_EQ(PartValue(1), 1);
  EXPECT_EQ(RecentEntries().front(),
            QStringLiteral("&1 %1").arg(QString::fromStdString(directory.File("song1.syx"))));

  // A file gone since is reported and taken off.
  const std::string gone = directory.File("song2.syx");
  std::filesystem::remove(gone);
  ASSERT_EQ(Bar().Settings().recentFiles.Paths().at(3), gone);
  prompts.messages.clear();
  Bar().RecentFilesMenu()->actions().at(3)->trigger();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            "The file " + gone + " is no longer there. It is taken off the recent files.");
  EXPECT_EQ(PartValue(1), 1) << "nothing else happened";
  EXPECT_EQ(RecentEntries().size(), 3);

  // The list outlives the run, beside the remembered directory.
  const Paths listed = Bar().Settings().recentFiles.Paths();
  bar.reset();
  EXPECT_EQ(settings.strings.count("SysexDir"), 1u);
  Start();
  EXPECT_EQ(Bar().Settings().recentFiles.Paths(), listed);
}

TEST_F(MainBarFilesTest, ImportSongSetupShowsWhatTheSongPlaysAtItsStart) {
  Start();
  Bar().OpenEditor(EditorSlot::Controllers);
  // Channel 1 starts at volume 70.
  const std::string song =
      directory.Put("song.mid", test::MidiFile(Bytes({0x00, 0xB0, 0x07, 0x46, 0x00, 0x90, 0x3C,
                                                      0x64, 0x00, 0xFF, 0x2F, 0x00})));
  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {song}});
  QAction* import = Bar().findChild<QAction*>(QStringLiteral("ImportSongAction"));
  ASSERT_NE(import, nullptr);
  EXPECT_EQ(import->text(), "&Import Song Setup...");
  import->trigger();
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  EXPECT_EQ(prompts.fileRequests[0].title, "Import Song Setup");
  EXPECT_EQ(prompts.fileRequests[0].filters[0].pattern, "*.mid *.midi *.kar");
  EXPECT_EQ(PartValue(0), 70) << "what the song sets up is the intake's own test";
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

// The star says whether what Ravlo holds is in no .syx file as it is: on
// after an import or a MIDI file, off after a .syx file, whatever the file
// held (here a drum setup reset, an edit of its own).
TEST_F(MainBarFilesTest, TheModifiedMarkFollowsOneRuleAfterEveryLoad) {
  settings.ints["WarnToSave"] = 0;
  Start();
  const auto sysex = test::Join(test::SystemChange(0x7D, {0x00}), test::PartChange(0, 0x0B, 0x50));
  std::vector<std::uint8_t> track;
  for (std::size_t at = 0; at < sysex.size(); at += 9) {
    track.insert(track.end(), {0x00, 0xF0, 0x08});
    track.insert(track.end(), sysex.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                 sysex.begin() + static_cast<std::ptrdiff_t>(at) + 9);
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  const std::string syx = directory.Put("song.syx", sysex);
  const std::string mid = directory.Put("song.mid", test::MidiFile(track));
  QAction* import = Bar().findChild<QAction*>(QStringLiteral("ImportSongAction"));
  const struct {
    const char* what;
    std::function<void()> load;
    bool modified;
  } loads[] = {{"a .syx file", [&] { OpenWithDialog(syx); }, false},
               {"a MIDI file", [&] { OpenWithDialog(mid); }, true},
               {"the .syx file again", [&] { OpenWithDialog(syx); }, false},
               {"an imported song",
                [&] {
                  prompts.fileChoices.push_back({FileChoice::Status::Chosen, {mid}});
                  import->trigger();
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

// File > Open of a MIDI file says, without holding the musician up, where the
// rest of the song comes in, until told not to.
TEST_F(MainBarFilesTest, OpeningAMidiFileSaysWhereItsChannelsVoicesComeIn) {
  Start();
  const std::string mid = directory.Put(
      "song.mid", test::MidiFile(Bytes({0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x0B, 0x50,
                                        0xF7, 0x00, 0xFF, 0x2F, 0x00})));
  const auto note = [&] { return Bar().findChild<QMessageBox*>("MidiFileNote"); };
  OpenWithDialog(mid);
  ASSERT_NE(note(), nullptr);
  EXPECT_TRUE(note()->isVisible());
  EXPECT_FALSE(note()->isModal());
  EXPECT_TRUE(note()->text().contains("File > Import Song Setup"));
  note()->checkBox()->setChecked(true);
  note()->button(QMessageBox::Ok)->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return note() == nullptr; }, 1000));
  prompts.answers = {Answer::No};
  OpenWithDialog(mid);
  EXPECT_EQ(note(), nullptr) << "not again once told so";
  bar.reset();
  EXPECT_EQ(settings.ints["MidiFileNote"], 0);
}

}  // namespace
}  // namespace ravlo
