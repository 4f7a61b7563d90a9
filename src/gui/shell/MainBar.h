#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "intake/IntakeHost.h"
#include "model/ModelEvents.h"
#include "model/RefreshMarks.h"
#include "piano/PianoListener.h"
#include "sendpass/SendChoices.h"
#include "shell/AppSettings.h"
#include "shell/ControlTabFilter.h"
#include "shell/DevicesDialog.h"
#include "shell/EditorHost.h"
#include "shell/FileOpenQueue.h"
#include "shell/ProgramKeysFilter.h"
#include "shell/WindowPlacement.h"

class QAction;
class QLabel;
class QMenu;
class QMessageBox;
class QPushButton;
class QShortcut;

namespace ravlo {

class CChannelVoiceDlg;
class CChorusDlg;
class CControllersDlg;
class CDisplayTextDlg;
class CInsertionDlg;
class CMultiEqDlg;
class CDrumSetsDlg;
class CPartDlg;
class CReverbDlg;
class CSystemControlDlg;
class CUserVoiceDlg;
class CVariationDlg;
class KeyboardPiano;
class MixerWindow;
class PianoIndicator;
class PianoKeyboardWindow;
class PianoKeyFilter;
class EditHistory;
class EditorDialog;
class FileDropFilter;
class HelpWindow;
class MidiBackend;
class MidiInBackend;
class MidiInDevice;
class MidiOutDevice;
class MonitorBackend;
class MonitorSound;
class MonitorWindow;
class Pauser;
class ProcessingProgress;
class ReviewWindow;
class SettingsStore;
class SysexFile;
class SysexIntake;
class UserPrompts;
class XgModel;

// What the main bar is given to work with: the platform's MIDI ports, the
// user's prompts and settings, and the pauses between messages. The program
// passes the real ones, the tests recording fakes.
struct ShellServices {
  MidiBackend& midi;
  UserPrompts& prompts;
  SettingsStore& settings;
  Pauser& pauser;
  MonitorBackend* monitor = nullptr;  // the built-in port, where there is one
  MidiInBackend* midiIn = nullptr;    // the input ports, where there are any
  MonitorSound* sound = nullptr;      // the built-in port's sound, where it can be heard
};

// The program's main window: the row of buttons that open the editors, the
// document commands (Send, Review, Reset, Open, Save), the window table, the
// title, and the settings. It owns the MIDI device, the model, the file
// object and every editor for the whole run.
class MainBar final : public QMainWindow,
                      public EditorHost,
                      public ModelEvents,
                      public IntakeHost,
                      public PianoListener {
  Q_OBJECT

 public:
  static inline const QString kApplicationTitle = QStringLiteral("Ravlo");
  // Asked by Save and Save As while some part is muted.
  static inline const QString kSaveMutedQuestion = QStringLiteral(
      "Some parts are muted. Save them muted?\n\nNo saves every part playing; "
      "the synthesizer keeps them muted.");
  static constexpr std::string_view kSaveChangesFirst = "Save Changes First?";
  // Asked before another port is opened and reset.
  static constexpr std::string_view kSaveBeforePortReset =
      "The synthesizer on the new port gets the XG reset (Send Reset when opening new device), "
      "and Ravlo goes back to the XG defaults with it.\nSave Changes First?";

  explicit MainBar(const ShellServices& services, QWidget* parent = nullptr);
  ~MainBar() override;

  // False when the model could not be built: the program ends.
  bool Initialised() const { return initialised_; }
  // Opens the configured port (or asks for one on a first start) and sends
  // the reset if so set. Called once the window is shown.
  void Start();

  // --- Document commands --------------------------------------------------
  void SendCommand();
  void ReviewCommand();
  bool ResetCommand();
  void OpenCommand();
  // File > Import Song Setup: a standard MIDI file's setup, as a song plays it at its start.
  void ImportSongCommand();
  // File > Receive from Synthesizer: reads the synthesizer back through the
  // input port; what arrived replaces those blocks, and the user is told.
  void ReceiveCommand();
  bool SaveCommand();
  bool SaveAsCommand();
  // Control+S: Save, or Save As while the document has no .syx file to go
  // back into (nothing opened yet, a MIDI file, a read-back).
  void SaveKeyCommand();
  void ExitCommand();
  void ListPatchesCommand();
  void ConvertVoiceBankCommand();
  bool SaveEnabled() const;

  // --- Edit menu --------------------------------------------------------------
  // The newest step back, or the next one again; what is being typed goes
  // first. False when there was none or a message was refused.
  bool UndoCommand();
  bool RedoCommand();
  EditHistory& History() { return *history_; }

  // --- Files from outside the Open dialog -----------------------------------
  // Opens the files in order as File Open does, once the program is between
  // commands (the command line, a second start).
  void OpenFiles(const QStringList& paths);
  // The same for files dropped on a window, except that a voice bank asks
  // where its four files go.
  void OpenDroppedFiles(const QStringList& paths);
  bool FilesWaiting() const { return !openQueue_->Empty(); }
  // File > Recent Files: opens a listed file, or reports it gone and takes
  // it off the list.
  void OpenRecentCommand(const std::string& path);
  QMenu* RecentFilesMenu() const { return recentMenu_; }

  // --- Small dialogs --------------------------------------------------------
  void DevicesCommand();
  void GeneralCommand();
  void DelayCommand();
  // Options > Piano: the computer keyboard plays the synthesizer.
  void PianoCommand(bool on);
  KeyboardPiano& Piano() { return *piano_; }
  bool PianoOn() const;
  // The keyboard on screen; none before the piano was first turned on.
  PianoKeyboardWindow* Keyboard() { return keyboard_.get(); }
  void AboutCommand();
  void HelpContentsCommand();
  void MonitorCommand();
  // Options > Sound: the built-in sound's options; the sound follows them.
  void SoundCommand();

  // --- Window table ---------------------------------------------------------
  // Opens the editor beside the main bar, or brings it forward (restored if
  // minimised) when it is open: its button always works.
  bool OpenEditor(EditorSlot slot);
  // The Window menu's Activate entries: activate when open, else open.
  void ActivateEditor(EditorSlot slot);
  void ActivateAll();
  void CloseAll();
  // Control+Tab in `window` (the main bar or an editor): activates the next
  // open one; false for another window or when none is open.
  bool ActivateNext(QWidget* window);
  EditorDialog* Editor(EditorSlot slot) const;
  bool IsEditorWindow(const QWidget* window) const;
  QPushButton* Button(EditorSlot slot) const;
  // True for the editors of the Extended model's blocks.
  static bool ServesExtendedModel(EditorSlot slot);
  // True when the slot's editor can open with the model as it is.
  bool Available(EditorSlot slot) const;

  // --- State ----------------------------------------------------------------
  XgModel& Model() { return *model_; }
  MidiOutDevice& Device() { return *device_; }
  SysexFile& File() { return *file_; }
  ReviewWindow& Review() { return *review_; }
  ProcessingProgress& Progress() { return *progress_; }
  HelpWindow& Help() { return *help_; }
  const AppSettings& Settings() const { return settings_; }
  AppSettings& Settings() { return settings_; }
  bool Modified() const { return modified_; }
  bool Savable() const { return savable_; }
  const QString& FilePath() const { return filePath_; }
  int SelectedPort() const { return selectedPort_; }
  int SelectedInputPort() const { return selectedInPort_; }
  // The input device; none where the program has no input ports.
  MidiInDevice* Input() { return input_.get(); }

  // Modal dialogs run through these, so that tests can answer them.
  using SendDialogRunner =
      std::function<std::optional<SendChoices>(unsigned delayMs, bool savingMode)>;
  using DevicesDialogRunner = std::function<std::optional<DevicesDialog::Choice>(
      const std::vector<MidiPort>& ports, const std::vector<MidiPort>& inputs,
      const DevicesDialog::Choice& current)>;
  void SetSendDialogRunner(SendDialogRunner runner) { runSendDialog_ = std::move(runner); }
  void SetDevicesDialogRunner(DevicesDialogRunner runner) { runDevicesDialog_ = std::move(runner); }

  // --- EditorHost -------------------------------------------------------------
  void MarkModified() override;
  void EditorClosed(EditorSlot slot) override;
  void VoiceChosenForChannel(int bankMsb, int bankLsb, int program) override;
  void ChannelVoiceSelected(int voiceIndex) override;
  void ChannelChosenInControllers(int channel, int modulation) override;
  void ChannelChosenInPart(int channel) override;
  void ModulationSet(int value) override;
  MidiChannel ControllersChannel() const override;
  bool RecordEdit(const std::string& name, const StepReplay& replay,
                  const std::function<bool()>& edit, StepJoin join) override;

  // --- ModelEvents ------------------------------------------------------------
  void RaiseMark(RefreshMark mark, int value) override;
  void ResetRequested() override;
  void AllParametersReset() override;
  void DrumSetupWasReset(int setup) override;

  // --- IntakeHost -------------------------------------------------------------
  void AutoReset() override;

  // --- PianoListener ----------------------------------------------------------
  void PianoChannelChanged(int channel) override;
  void PianoModulationChanged(int value) override;
  void PianoKeysChanged() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildEditors();
  void BuildWindow();
  // The Extended model's windows, buttons and menu entries come and go with it.
  void ShowInstrument();
  // Options > Devices' question to the synthesizer: which model it stands for, asked on the
  // ports the dialog shows chosen (an output of -1 keeps the one in use).
  std::optional<InstrumentModel> AskInstrument(int outPort, int inPort);
  // The same question on the ports in use.
  std::optional<InstrumentModel> AskInstrumentInUse();
  void BuildMenus();
  void BuildEditMenu();
  // The Edit menu names the steps Undo and Redo would take.
  void ShowHistory();
  // After an undo or redo: the modified mark is off only at the saved state.
  bool AfterHistoryMove(bool moved);
  // The image was replaced (a file, New, a reset): no step leads back.
  void ForgetHistory();
  void BuildFileMenu();
  // Save is offered only when there is something to save and a place for it.
  void ShowSaveState();
  void UpdateTitle();
  // The Send dialog, or what a test answers for it.
  std::optional<SendChoices> ChooseSend(unsigned delayMs, bool savingMode);
  // The "Save Changes First?" question, or `question` where the musician
  // must be told why it is asked: false when cancelled.
  bool SavePrompt(bool clearModified, std::string_view question = kSaveChangesFirst);
  // The XG reset, then the document back to the defaults; false when the
  // reset did not go.
  bool SendResetAndClear();
  // Back to the defaults after a reset went out (Reset, auto reset).
  void ResetDocument();
  // Every open editor takes what is being typed in it, as before any command
  // that sends, saves, reviews, opens, resets or quits.
  void CommitOpenEditors();
  // After the model's contents were replaced: the editors show their first
  // channel and part again (the values they show follow the model).
  void ShowEditorsFromTheStart();
  // The editors of the blocks a load brought, opened (where so set) in the
  // free area of the screen so that each shows its controls.
  void RefreshAfterLoad();
  // After a load, the modified mark says whether what Ravlo holds is in no
  // .syx file as it is: set after an import, a read-back or a MIDI file.
  void MarkLoaded(bool inItsFile);
  // File > Open of a MIDI file takes only its sysex: says once where the
  // rest of the song comes in, without stopping the musician.
  void NoteMidiFileOpened();
  // File Open around its reading: the save question, then `read` chooses
  // and reads the file, then the editors and the title follow what it held.
  // A file opened as File Open opens it heads the recent list; a song
  // imported does not.
  enum class Loading { File, Song };
  void LoadDocument(const std::function<bool()>& read, Loading loading = Loading::File);
  void OpenQueued(const QString& path, FileOpenQueue::Way way);
  // Asks where the four files of the bank at `bankPath` go, then writes them.
  void ConvertVoiceBankAskingWhere(const std::string& bankPath);
  // A file opened or saved heads the recent list.
  void Remember(const std::string& path);
  void RefreshRecentMenu();
  bool RecordAndWrite(const QString& path);
  void SetFile(const QString& path);
  // Beside the main bar by the window table, or tiled with the other windows
  // a load opens.
  enum class Placing { Beside, Tiled };
  bool OpenEditorPlaced(EditorSlot slot, Placing placing);
  void PlaceEditor(EditorDialog& editor, EditorSlot slot, Placing placing);
  // The Window menu ticks the open windows and lists the program's other
  // open windows (the monitor, the help) after them.
  void ShowOpenWindows();
  void PutOnTop(EditorSlot slot);
  bool OpenPortAtStart();
  // The sound plays while it is on and the output is "Ravlo Monitor"; what
  // keeps it silent is told once a run.
  void FollowOutputWithSound();
  QString SoundStatus() const;
  void OpenInputAtStart();
  // The name of the open input port; "(none)" without one.
  std::string InputPortName();
  void Shutdown();
  // While one lives, the piano lets go of the keyboard (a file dialog is up).
  class PianoPause {
   public:
    explicit PianoPause(MainBar& bar);
    ~PianoPause();
    PianoPause(const PianoPause&) = delete;
    PianoPause& operator=(const PianoPause&) = delete;

   private:
    MainBar& bar_;
    bool wasOn_;
  };

  ShellServices services_;
  AppSettings settings_;
  std::unique_ptr<MidiOutDevice> device_;
  std::unique_ptr<MidiInDevice> input_;
  std::unique_ptr<XgModel> model_;
  std::unique_ptr<ProcessingProgress> progress_;
  std::unique_ptr<SysexIntake> intake_;
  std::unique_ptr<SysexFile> file_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<ReviewWindow> review_;
  std::unique_ptr<CControllersDlg> controllers_;
  std::unique_ptr<CSystemControlDlg> system_;
  std::unique_ptr<CChannelVoiceDlg> channelVoice_;
  std::unique_ptr<CPartDlg> part_;
  std::unique_ptr<CDrumSetsDlg> drums_;
  std::unique_ptr<CReverbDlg> reverb_;
  std::unique_ptr<CChorusDlg> chorus_;
  std::unique_ptr<CVariationDlg> variation_;
  std::unique_ptr<CUserVoiceDlg> userVoice_;
  std::unique_ptr<CInsertionDlg> insertion_;
  std::unique_ptr<CMultiEqDlg> multiEq_;
  std::unique_ptr<CDisplayTextDlg> displayText_;
  std::unique_ptr<MixerWindow> mixer_;
  // Where the mixer was last, kept between runs; it opens there again.
  std::optional<WindowPlacement::Saved> mixerPlacement_;
  std::unique_ptr<MonitorWindow> monitor_;
  std::unique_ptr<KeyboardPiano> piano_;
  std::unique_ptr<PianoKeyFilter> pianoFilter_;
  std::unique_ptr<PianoKeyboardWindow> keyboard_;
  std::unique_ptr<FileOpenQueue> openQueue_;
  std::unique_ptr<FileDropFilter> dropFilter_;
  QMenu* recentMenu_ = nullptr;
  PianoIndicator* pianoIndicatorBlink_ = nullptr;
  QAction* pianoAction_ = nullptr;
  std::array<EditorDialog*, kEditorSlotCount> editors_{};
  std::array<QPushButton*, kEditorSlotCount> buttons_{};
  // The open editors, bottom to top as far as the program knows.
  std::vector<EditorSlot> stacking_;
  QAction* saveAction_ = nullptr;
  QShortcut* saveKeyWhileGreyed_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  std::array<QAction*, kEditorSlotCount> windowActions_{};
  std::vector<QAction*> otherWindowActions_;
  QPointer<QMessageBox> midiOpenNote_;
  std::unique_ptr<EditHistory> history_;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QLabel* pianoIndicator_ = nullptr;

  RefreshMarks marks_;
  QString filePath_;
  QString fileName_;
  bool modified_ = false;
  bool savable_ = true;
  bool initialised_ = false;
  bool closing_ = false;
  bool shutDown_ = false;
  bool soundTold_ = false;
  int selectedPort_ = -1;
  int selectedInPort_ = -1;
  SendDialogRunner runSendDialog_;
  DevicesDialogRunner runDevicesDialog_;
  ControlTabFilter controlTab_{[this](QWidget* window) { return ActivateNext(window); }};
  ProgramKeysFilter programKeys_{[this] { UndoCommand(); }, [this] { RedoCommand(); },
                                 [this] { ActivateEditor(EditorSlot::Mixer); }};
};

}  // namespace ravlo
