// The main bar's File menu, with its shortcuts and recent files, and the ways
// files reach the program besides the Open dialog: the command line, a second
// start, a drop on a window, and the voice bank conversion.
#include <QAction>
#include <QCheckBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

#include "files/FileIo.h"
#include "files/SysexFile.h"
#include "platform/UserPrompts.h"
#include "shell/MainBar.h"
#include "widgets/QtText.h"

namespace ravlo {

namespace {

constexpr const char* kConvertTitle = "Convert QS300 Voice Bank";
constexpr const char* kConvertToTitle =
    "Convert QS300 Voice Bank: Name the Four .syx Files (a digit is added to each)";
constexpr const char* kMidiFileNote =
    "File > Open takes only the system-exclusive messages of a MIDI file. The song's voices, "
    "levels and controllers for each channel come in with File > Import Song Setup.";

}  // namespace

void MainBar::BuildFileMenu() {
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu->setObjectName(QStringLiteral("FileMenu"));
  // New starts an untitled document from the defaults: the Reset command.
  fileMenu->addAction(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                      [this] { ResetCommand(); });
  fileMenu->addAction(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                      &MainBar::OpenCommand);
  fileMenu->addAction(QStringLiteral("&Import Song Setup..."), this, &MainBar::ImportSongCommand)
      ->setObjectName(QStringLiteral("ImportSongAction"));
  recentMenu_ = fileMenu->addMenu(QStringLiteral("Recent &Files"));
  recentMenu_->setObjectName(QStringLiteral("RecentFilesMenu"));
  RefreshRecentMenu();
  QAction* receive =
      fileMenu->addAction(QStringLiteral("&Receive from Synthesizer"),
                          QKeySequence(Qt::CTRL | Qt::Key_R), this, &MainBar::ReceiveCommand);
  receive->setObjectName(QStringLiteral("ReceiveAction"));
  const QKeySequence saveKey(Qt::CTRL | Qt::Key_S);
  saveAction_ =
      fileMenu->addAction(QStringLiteral("&Save"), saveKey, this, [this] { SaveCommand(); });
  saveAction_->setObjectName(QStringLiteral("SaveAction"));
  // While Save is greyed its key still works: without a .syx name it saves as.
  saveKeyWhileGreyed_ = new QShortcut(saveKey, this, this, &MainBar::SaveKeyCommand);
  fileMenu->addAction(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                      this, [this] { SaveAsCommand(); });
  fileMenu->addSeparator();
  fileMenu->addAction(QStringLiteral("&List QS300 Patches..."), this, &MainBar::ListPatchesCommand);
  fileMenu->addAction(QStringLiteral("&Convert QS300 Voice Bank..."), this,
                      &MainBar::ConvertVoiceBankCommand);
  fileMenu->addSeparator();
  fileMenu->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                      &MainBar::ExitCommand);
  // Save is offered only when there is something to save and a place for
  // it. The recent files are listed anew each time, never while one of
  // their entries is being chosen.
  connect(fileMenu, &QMenu::aboutToShow, this, [this] {
    ShowSaveState();
    RefreshRecentMenu();
  });
  ShowSaveState();
}

// --- Recent files ---------------------------------------------------------------

void MainBar::Remember(const std::string& path) {
  settings_.recentFiles.Add(path);
}

void MainBar::RefreshRecentMenu() {
  recentMenu_->clear();
  const std::vector<std::string>& paths = settings_.recentFiles.Paths();
  for (std::size_t i = 0; i < paths.size(); ++i) {
    QString shown = ToQString(paths[i]);
    shown.replace('&', QStringLiteral("&&"));
    const std::string path = paths[i];
    recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this,
                           [this, path] { OpenRecentCommand(path); });
  }
  recentMenu_->setEnabled(!paths.empty());
}

void MainBar::OpenRecentCommand(const std::string& path) {
  if (!FileExists(path)) {
    services_.prompts.ShowMessage(
        "The file " + path + " is no longer there. It is taken off the recent files.",
        MessageIcon::Warning);
    settings_.recentFiles.Remove(path);
    return;
  }
  LoadDocument([this, &path] { return file_->Read(path); });
}

void MainBar::ShowSaveState() {
  // One of the two has the key at a time.
  saveAction_->setEnabled(SaveEnabled());
  saveKeyWhileGreyed_->setEnabled(!SaveEnabled());
}

void MainBar::NoteMidiFileOpened() {
  if (!settings_.midiFileNote || midiOpenNote_) return;
  // Not modal: the musician opens song after song without answering it.
  auto* note = new QMessageBox(QMessageBox::Information, kApplicationTitle,
                               QString::fromLatin1(kMidiFileNote), QMessageBox::Ok, this);
  note->setObjectName(QStringLiteral("MidiFileNote"));
  note->setWindowModality(Qt::NonModal);
  note->setAttribute(Qt::WA_DeleteOnClose);
  note->setCheckBox(new QCheckBox(QStringLiteral("Do not show this again"), note));
  connect(note, &QMessageBox::finished, this, [this, note] {
    if (note->checkBox()->isChecked()) settings_.midiFileNote = false;
  });
  midiOpenNote_ = note;
  note->show();
}

// --- Files from outside -------------------------------------------------------------

void MainBar::OpenFiles(const QStringList& paths) {
  openQueue_->Add(paths, FileOpenQueue::Way::AsFileOpen);
}

void MainBar::OpenDroppedFiles(const QStringList& paths) {
  openQueue_->Add(paths, FileOpenQueue::Way::Dropped);
}

void MainBar::OpenQueued(const QString& path, FileOpenQueue::Way way) {
  const std::string file = path.toStdString();
  if (way == FileOpenQueue::Way::Dropped && SysexFile::HoldsVoiceBank(file)) {
    ConvertVoiceBankAskingWhere(file);
    return;
  }
  LoadDocument([this, &file] { return file_->Read(file); });
}

// --- Voice banks --------------------------------------------------------------------

void MainBar::ConvertVoiceBankCommand() {
  FileChoice bank;
  {
    const PianoPause pause(*this);
    bank = services_.prompts.ChooseFileToOpen(
        {.title = kConvertTitle,
         .filters = {{"QS300 Sysex Files(*.q3v)", "*.q3v"}, {"Other (*.*)", "*.*"}},
         .initialDirectory = file_->RememberedDirectory()});
  }
  if (bank.Chosen()) ConvertVoiceBankAskingWhere(bank.paths.front());
}

void MainBar::ConvertVoiceBankAskingWhere(const std::string& bankPath) {
  FileChoice output;
  {
    const PianoPause pause(*this);
    output = services_.prompts.ChooseFileToSave(
        {.title = kConvertToTitle,
         .filters = {{"XG Sysex Files(*.syx)", "*.syx"}},
         .initialDirectory = DirectoryOf(bankPath),
         .defaultExtension = "syx",
         .suggestedName = SysexFile::SuggestedSaveName(bankPath)});
  }
  if (output.Chosen()) file_->ConvertVoiceBankTo(bankPath, output.paths.front());
}

}  // namespace ravlo
