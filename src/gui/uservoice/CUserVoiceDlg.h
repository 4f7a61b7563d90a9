#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "platform/UserPrompts.h"
#include "shell/EditorDialog.h"
#include "uservoice/UserVoice.h"
#include "uservoice/UserVoiceBanks.h"
#include "uservoice/UserVoiceElementFields.h"
#include "widgets/ModalRunner.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The User Voice window: one voice of the Bank at a time, its name, level
// and element switches edited here, each element's bytes through the six
// element dialogs, and the Send panel that moves voices between the
// synthesizer, files, the VBank, the one-voice ClipVox and the current voice.
//
// The window shows the model's Bank voice: the name, level, switches and a
// pasted element are the voice's at once (they go out when the voice is
// sent); a confirmed element dialog stores its element and sends the voice.
class CUserVoiceDlg final : public EditorDialog {
  Q_OBJECT

 public:
  enum class SendWhat { Voice, Bank, VBank, ClipVox, kCount };
  enum class SendTo { Synth, File, VBank, ClipVox, Current, kCount };

  // The title of the dialog that names the file the voices are sent to.
  static constexpr const char* kSaveTitle = "Save User Voices As";

  // The main bar's Save As name dialog: the chosen path, or nothing.
  using SaveNameChooser = std::function<std::optional<std::string>()>;

  CUserVoiceDlg(XgModel& model, EditorHost& host, UserPrompts& prompts, QWidget* parent = nullptr);

  // --- What the main bar calls.
  // Shows voice 1..32 (a received voice number + 1, or a program of bank
  // 63/0) without storing the window first; only while the window is open.
  bool SelectVoice(int voiceNumber);
  // The file the Bank was last read from: the part after the last separator
  // goes into the title.
  void SetFileName(const std::string& path);
  // Replaces RunModally for the Voice List and element dialogs.
  void SetModalRunner(ModalRunner runner);
  // Lets the main bar run its own Save As name steps (piano hook paused, its
  // path taken). Without one, the prompts' save dialog is asked directly.
  void SetSaveNameChooser(SaveNameChooser chooser);

  // --- The window's commands (its buttons call these).
  void Back();
  void Next();
  // "Ban&k": a Bank slot chosen from the Voice List is shown.
  bool ChooseFromBank();
  // "&VBank": the banks are exchanged (and sent), then the chosen slot shown.
  bool ChooseFromVBank();
  // One of the element dialogs for the current element; OK sends the voice.
  bool EditElement(ElementPage page);
  void CopyElement();
  void PasteElement();
  // The Send panel: what is sent where, as the radio buttons say.
  bool Send();

  // --- The window's state.
  int VoiceNumber() const { return voiceNumber_; }
  int ElementNumber() const { return elementNumber_; }
  // The shown voice's element 0..3 (clamped), as the model holds it.
  const UserVoiceElement& ShownElement(int index) const;
  bool HasElementClipboard() const { return hasClipboard_; }
  const UserVoice& ClipVox() const { return clipVox_; }
  const QString& FileName() const { return fileName_; }
  bool TitleShowsFile() const { return titleShowsFile_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildWindow();

  int CurrentSlot() const { return voiceNumber_ - 1; }
  const UserVoice& Voice() const;
  // Commits the level and element number being typed.
  void TakeTypedValues();
  void ShowVoice(int voiceNumber);
  void ShowValues();
  void ToggleTitle();
  // "User Voice 5 Level": what the Edit menu calls an edit of the shown voice.
  QString StepName(const QString& what) const;
  // The Send panel's action, once the typed values are in.
  bool SendChosen();

  std::optional<int> ChooseSlot(UserBank bank);
  std::optional<std::string> ChooseSaveName();
  bool WriteToFile(const std::function<bool()>& sendVoices);
  bool SendBank(UserBank bank);
  bool ExchangeAndReload();

  bool SendVoice(SendTo to);
  bool SendBankTo(SendTo to);
  bool SendVBankTo(SendTo to);
  bool SendClipVoxTo(SendTo to);

  XgModel& model_;
  UserPrompts& prompts_;
  ModalRunner runner_;
  SaveNameChooser saveNameChooser_;
  std::string saveDirectory_;

  int voiceNumber_ = 1;
  int elementNumber_ = 1;
  // A keystroke in the name is being stored: the box keeps what is typed.
  bool typingName_ = false;
  UserVoiceElement clipboard_{};
  bool hasClipboard_ = false;
  UserVoice clipVox_{0};
  QString fileName_;
  // The title names the file (the real Bank) rather than the virtual one.
  bool titleShowsFile_ = true;

  QLabel* voiceNumberLabel_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  EditSpinPair* levelSpin_ = nullptr;
  std::array<QCheckBox*, kUserVoiceElementCount> switches_{};
  EditSpinPair* elementSpin_ = nullptr;
  QPushButton* pasteButton_ = nullptr;
  QButtonGroup* sendWhat_ = nullptr;
  QButtonGroup* sendTo_ = nullptr;
  QCheckBox* ignoreBlank_ = nullptr;
};

}  // namespace ravlo
