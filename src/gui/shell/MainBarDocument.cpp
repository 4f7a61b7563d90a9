// The main bar's document commands: Send, Review, Reset, Open, Receive,
// Save and Save As, the save question that guards them, and what a load or a
// reset does to the editors.
#include <algorithm>

#include "editors/CControllersDlg.h"
#include "editors/CDrumSetsDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CSystemControlDlg.h"
#include "effects/CChorusDlg.h"
#include "effects/CInsertionDlg.h"
#include "effects/CReverbDlg.h"
#include "effects/CVariationDlg.h"
#include "files/FileIo.h"
#include "files/PatchList.h"
#include "files/SysexFile.h"
#include "history/EditHistory.h"
#include "intake/SysexIntake.h"
#include "midi/MidiInDevice.h"
#include "model/XgModel.h"
#include "parts/PartMuting.h"
#include "piano/KeyboardPiano.h"
#include "platform/UserPrompts.h"
#include "receive/SynthReceiver.h"
#include "review/ReviewText.h"
#include "sendpass/SendPass.h"
#include "shell/EditorDialog.h"
#include "shell/MainBar.h"
#include "shell/ProcessingProgress.h"
#include "shell/ReviewWindow.h"
#include "shell/SendDialog.h"
#include "uservoice/CUserVoiceDlg.h"
#include "voices/VoiceCatalogueData.h"
#include "widgets/ModalRunner.h"
#include "widgets/WaitCursor.h"

namespace ravlo {

namespace {

constexpr const char* kListPatchesTitle = "List QS300 Patches";
constexpr const char* kSavePatchListTitle = "List QS300 Patches: Save the List As";

std::optional<SendChoices> RunSendDialog(QWidget* parent, UserPrompts& prompts, unsigned delay,
                                         bool savingMode, bool extensions, int drumSetups,
                                         bool userVoices, bool extended) {
  SendDialog dialog(delay, savingMode, prompts, parent, extensions, drumSetups, userVoices,
                    extended);
  if (RunModally(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Choices();
}

}  // namespace

std::optional<SendChoices> MainBar::ChooseSend(unsigned delayMs, bool savingMode) {
  if (runSendDialog_) return runSendDialog_(delayMs, savingMode);
  // The extension parameters are offered only where there are any, the
  // changed Bank voices only to a save.
  return RunSendDialog(this, services_.prompts, delayMs, savingMode, !model_->Extensions().Empty(),
                       model_->Drums().Count(),
                       savingMode && model_->UserVoices().HasChangedVoices(), model_->IsExtended());
}

bool MainBar::SavePrompt(bool clearModified, std::string_view question) {
  if (modified_ && settings_.warnToSave) {
    switch (services_.prompts.AskYesNoCancel(question)) {
      case Answer::Cancel:
        return false;
      case Answer::Yes:
        SaveAsCommand();  // whatever it gives, the command goes on
        break;
      default:
        break;
    }
  }
  if (clearModified) modified_ = false;
  return true;
}

void MainBar::CommitOpenEditors() {
  for (EditorDialog* editor : editors_) {
    if (editor != nullptr && editor->IsOpen()) editor->CommitPendingEdit();
  }
}

void MainBar::SendCommand() {
  CommitOpenEditors();
  const unsigned delay = static_cast<unsigned>(settings_.delay);
  const std::optional<SendChoices> choices = ChooseSend(delay, false);
  if (!choices) return;
  const WaitCursor wait;
  settings_.delay = static_cast<int>(choices->delayMs);
  RunSendPass(*model_, *choices, *progress_);
}

bool MainBar::RecordAndWrite(const QString& path) {
  CommitOpenEditors();
  // Mutes are the musician's listening aid: the song may go out without them.
  bool keepMutes = true;
  if (part_muting::AnyMuted(model_->Parts())) {
    const Answer answer = services_.prompts.AskYesNoCancel(kSaveMutedQuestion.toStdString());
    if (answer == Answer::Cancel) return false;
    keepMutes = answer == Answer::Yes;
  }
  const std::optional<SendChoices> choices = ChooseSend(0, true);
  if (!choices) return false;
  const WaitCursor wait;
  std::optional<std::vector<std::uint8_t>> recorded;
  const auto record = [&] { recorded = RecordSendPass(*model_, *choices, *progress_); };
  if (keepMutes) {
    record();
  } else {
    part_muting::WithMutesLifted(model_->Parts(), record);
  }
  if (!recorded) return false;
  return file_->Write(path.toStdString(), *recorded);
}

bool MainBar::SaveAsCommand() {
  {
    const PianoPause pause(*this);
    if (!file_->ChooseSaveName(kSaveAsTitle,
                               SysexFile::SuggestedSaveName(filePath_.toStdString()))) {
      return false;
    }
  }
  SetFile(QString::fromStdString(file_->CurrentPath()));
  UpdateTitle();
  if (!RecordAndWrite(filePath_)) return false;
  modified_ = false;
  savable_ = true;
  history_->MarkSaved();
  UpdateTitle();
  Remember(filePath_.toStdString());
  return true;
}

void MainBar::SaveKeyCommand() {
  if (SaveEnabled()) {
    SaveCommand();
  } else if (filePath_.isEmpty() || !savable_) {
    SaveAsCommand();
  }
}

bool MainBar::SaveCommand() {
  if (!SaveEnabled()) return false;
  if (!RecordAndWrite(filePath_)) return false;
  modified_ = false;
  history_->MarkSaved();
  UpdateTitle();
  Remember(filePath_.toStdString());
  return true;
}

void MainBar::ReviewCommand() {
  CommitOpenEditors();
  if (!review_->IsOpen()) OpenEditor(EditorSlot::Review);
  const std::optional<SendChoices> choices = ChooseSend(0, true);
  if (!choices) return;
  const WaitCursor wait;
  const auto recorded = RecordSendPass(*model_, *choices, *progress_);
  if (!recorded) return;
  progress_->Show();
  std::string text = file_->CurrentPath() + "\n";
  BuildReviewText(*model_, *recorded, text, *progress_);
  progress_->Close();
  review_->SetText(QString::fromStdString(text));
  if (!review_->IsOpen()) OpenEditor(EditorSlot::Review);
  review_->raise();
  review_->activateWindow();
}

void MainBar::ResetDocument() {
  model_->ResetToDefaults();
  ShowEditorsFromTheStart();
  piano_->Reset();
  review_->ClearText();
  modified_ = false;
  savable_ = true;
  SetFile(QString());
  ForgetHistory();
  UpdateTitle();
}

bool MainBar::ResetCommand() {
  CommitOpenEditors();
  if (!SavePrompt(true)) return false;
  return SendResetAndClear();
}

bool MainBar::SendResetAndClear() {
  const WaitCursor wait;
  if (!model_->SendReset()) return false;
  ResetDocument();
  return true;
}

void MainBar::AutoReset() {
  if (!settings_.autoSendResetOnFileOpen) return;
  if (model_->SendReset()) ResetDocument();
}

void MainBar::OpenCommand() {
  LoadDocument([this] { return file_->Open(); });
}

void MainBar::ImportSongCommand() {
  // The recent list opens its files as File Open does, so a song is not listed.
  LoadDocument([this] { return file_->ImportSong(); }, Loading::Song);
}

void MainBar::LoadDocument(const std::function<bool()>& read, Loading loading) {
  CommitOpenEditors();
  if (!SavePrompt(true)) return;
  const WaitCursor wait;
  marks_.ClearAll();
  bool opened = false;
  {
    const PianoPause pause(*this);
    opened = read();
  }
  // Even a file that failed part way may have changed what the steps knew.
  if (opened || marks_.Any()) ForgetHistory();
  if (!opened) return;
  if (loading == Loading::File) Remember(file_->CurrentPath());
  const bool userVoice = marks_.IsRaised(RefreshMark::UserVoice);
  const bool anyBlock = marks_.Any();
  RefreshAfterLoad();
  if (!userVoice && anyBlock) {
    review_->ClearText();
    SetFile(QString::fromStdString(file_->CurrentPath()));
    savable_ = file_->PlainSysex();
    // A song's setup is no file's content as it is, whatever the file holds.
    MarkLoaded(savable_ && loading == Loading::File);
  }
  if (loading == Loading::File && file_->LastKind() == SysexFile::Kind::MidiFile) {
    NoteMidiFileOpened();
  }
}

void MainBar::MarkLoaded(bool inItsFile) {
  modified_ = !inItsFile;
  ForgetHistory();
  UpdateTitle();
}

void MainBar::ReceiveCommand() {
  CommitOpenEditors();
  const UnitNumber unit = model_->Unit();
  if (input_ == nullptr || !input_->IsOpen()) {
    services_.prompts.ShowMessage(NoInputPortText(unit), MessageIcon::Information);
    return;
  }
  if (!SavePrompt(false)) return;
  ReceiveReport report;
  {
    const WaitCursor wait;
    marks_.ClearAll();
    SynthReceiver receiver(*model_, *intake_, input_->Queue(), services_.pauser, *progress_);
    report = receiver.Receive(static_cast<unsigned>(settings_.receiveTimeout));
  }
  if (report.failed) return;  // the port's error was shown
  if (report.silent) {
    services_.prompts.ShowMessage(NoAnswerText(InputPortName(), unit), MessageIcon::Warning);
    return;
  }
  if (report.AnythingReceived()) {
    // The image is the synthesizer's now: no file holds it, and no step leads back.
    savable_ = true;
    SetFile(QString());
    RefreshAfterLoad();
    review_->ClearText();
    MarkLoaded(false);
  }
  services_.prompts.ShowMessage(
      report.Summary(), report.Complete() ? MessageIcon::Information : MessageIcon::Warning);
}

void MainBar::RefreshAfterLoad() {
  // The blocks a file touched, in the window table's order of refreshing.
  static constexpr std::pair<RefreshMark, EditorSlot> kOrder[] = {
      {RefreshMark::System, EditorSlot::SystemControl},
      {RefreshMark::Reverb, EditorSlot::Reverb},
      {RefreshMark::Chorus, EditorSlot::Chorus},
      {RefreshMark::Variation, EditorSlot::Variation},
      {RefreshMark::Part, EditorSlot::Part},
      {RefreshMark::Drum, EditorSlot::DrumSets},
      {RefreshMark::UserVoice, EditorSlot::UserVoice},
      {RefreshMark::Insertion, EditorSlot::Insertion},
      {RefreshMark::MultiEq, EditorSlot::MultiEq},
      {RefreshMark::DisplayText, EditorSlot::DisplayText}};
  for (const auto& [mark, slot] : kOrder) {
    if (!marks_.IsRaised(mark)) continue;
    if (settings_.openWindowsOnFileOpen && Editor(slot) != nullptr && !Editor(slot)->IsOpen()) {
      OpenEditorPlaced(slot, Placing::Tiled);
    }
    // The windows already show what the file brought; these choose what
    // they show.
    switch (mark) {
      case RefreshMark::UserVoice:
        userVoice_->SelectVoice(marks_.Value(mark) + 1);
        userVoice_->SetFileName(file_->CurrentPath());
        break;
      case RefreshMark::Part:
        part_->SelectPart(0);
        controllers_->ShowFirstChannel(true);
        break;
      case RefreshMark::Insertion:
        insertion_->ShowBlock(marks_.Value(mark));
        break;
      default:
        break;
    }
    marks_.Clear(mark);
  }
}

void MainBar::ShowEditorsFromTheStart() {
  controllers_->ShowFirstChannel(false);
  part_->ShowFirstPart();
}

void MainBar::ListPatchesCommand() {
  const PianoPause pause(*this);
  const FileChoice chosen =
      services_.prompts.ChooseFileToOpen({.title = kListPatchesTitle,
                                          .filters = {{"XG Sysex Files(*.syx)", "*.syx"}},
                                          .initialDirectory = file_->RememberedDirectory(),
                                          .multiple = true});
  if (!chosen.Chosen()) return;
  PatchListReport report;
  {
    const WaitCursor wait;
    report = BuildPatchList(chosen.paths);
  }
  if (!report.complete) services_.prompts.ShowMessage(report.error, MessageIcon::Stop);
  const FileChoice output = services_.prompts.ChooseFileToSave(
      {.title = kSavePatchListTitle, .initialDirectory = DirectoryOf(chosen.paths.front())});
  if (!output.Chosen()) return;
  const FileResult written = WritePatchList(output.paths.front(), report.text);
  if (!written.ok) services_.prompts.ShowMessage(written.error, MessageIcon::Stop);
}

// --- ModelEvents ----------------------------------------------------------------

void MainBar::RaiseMark(RefreshMark mark, int value) {
  marks_.Raise(mark, value);
}

void MainBar::ResetRequested() {
  // A System On or All Parameter Reset in a file is the Reset command.
  ResetCommand();
}

void MainBar::AllParametersReset() {
  ShowEditorsFromTheStart();
  piano_->Reset();
  review_->ClearText();
  modified_ = false;
  ForgetHistory();
  UpdateTitle();
}

void MainBar::DrumSetupWasReset(int) {
  MarkModified();
}

// --- EditorHost: the editors' cross-window calls ----------------------------------

void MainBar::VoiceChosenForChannel(int bankMsb, int bankLsb, int program) {
  // A user voice slot: the User Voice window shows that voice.
  if (IsUserVoiceBank(bankMsb, bankLsb)) userVoice_->SelectVoice(program);
}

void MainBar::ChannelVoiceSelected(int voiceIndex) {
  controllers_->SelectChannelVoice(voiceIndex);
}

void MainBar::ChannelChosenInControllers(int channel, int modulation) {
  if (channel != piano_->Channel() + 1) piano_->SetChannel(std::min(channel - 1, 15), modulation);
  part_->SelectPartByChannel(channel - 1);
}

void MainBar::ChannelChosenInPart(int channel) {
  if (channel != piano_->Channel() + 1) piano_->SetChannel(std::min(channel - 1, 15), 0);
  controllers_->FollowPartChannel(channel);
}

void MainBar::ModulationSet(int value) {
  piano_->SetModulation(value);
}

MidiChannel MainBar::ControllersChannel() const {
  return MidiChannel::FromNumber(controllers_->ShownChannel());
}

}  // namespace ravlo
