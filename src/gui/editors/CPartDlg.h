#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "editors/PartDialogHooks.h"
#include "editors/PartRunLayouts.h"
#include "model/Indices.h"
#include "shell/EditorDialog.h"
#include "widgets/ModalRunner.h"

class QLabel;
class QPushButton;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Part window: one multi part at a time, with its receive channel (or
// off), element reserve and voice, and the buttons that open the part's
// modal sub-dialogs and the voice browser. It shows the model's parts; the
// part it shows is its only state.
class CPartDlg final : public EditorDialog {
  Q_OBJECT

 public:
  // Asks for a voice; the chosen catalogue index, or nothing.
  using VoiceChooser = std::function<std::optional<int>()>;

  CPartDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // Shows part 1 (after resets).
  void ShowFirstPart();
  // Shows the part (index from 0); false for an index out of range.
  bool SelectPart(int index0);
  // Shows the lowest part receiving on the channel (from 0), unless the part
  // shown receives on it already (or, switched off, goes back to it); false
  // when no part receives on it.
  bool SelectPartByChannel(int channel0);
  // The shown part, from 0.
  int ShownPart() const { return part_.Index(); }
  // The shown receive channel (from 1; the one it goes back to while off) and the off state.
  int ShownChannel() const;
  bool IsOff() const;
  bool IsDrum() const;
  QString VoiceName() const;

  // The Part Voice browser, run modally by "&Voice".
  void SetVoiceChooser(VoiceChooser chooser) { voiceChooser_ = std::move(chooser); }
  // How the sub-dialogs run (exec() unless replaced) and where their range prompt goes.
  void SetModalRunner(ModalRunner runner) { modalRunner_ = std::move(runner); }
  void SetMessageShower(PartMessageShower shower) { messageShower_ = std::move(shower); }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  // "Part 3 Volume": what the Edit menu calls an edit of the shown part.
  QString StepName(const QString& what) const;
  // What a sub-dialog button opens.
  enum class Opens { Mode, Run, Receive };
  struct SubDialogButton {
    const char* name;
    const char* caption;
    Opens opens;
    PartRunKind kind;   // for Opens::Run
    int base;           // the run's first address, for the layouts that take one
    bool normalOnly;    // disabled for a drum part
    bool extendedOnly;  // only the extended instrument has it
  };
  static constexpr std::size_t kSubDialogButtonCount = 14;
  static const std::array<SubDialogButton, kSubDialogButtonCount> kSubDialogButtons;

  void Build();
  void ShowPart(PartIndex part);
  // Every control from the model.
  void ShowAll();

  bool TakePartNumber(int value);
  bool TakeChannel(int value);
  bool TakeReserve(int value);
  void OnOffClicked(bool pressed);
  void OnVoiceClicked();
  void OpenSubDialog(const SubDialogButton& button);
  void OpenRun(PartRunKind kind, int base);
  void OpenReceive();
  void OpenMode();
  int RunModal(QDialog& dialog);

  XgModel& model_;
  const int partCount_;
  PartIndex part_ = PartIndex::FromIndex(0);

  EditSpinPair* partField_ = nullptr;
  EditSpinPair* channelField_ = nullptr;
  QPushButton* offButton_ = nullptr;
  EditSpinPair* reserveField_ = nullptr;
  QLabel* voiceLabel_ = nullptr;
  std::array<QPushButton*, kSubDialogButtonCount> subButtons_{};

  VoiceChooser voiceChooser_;
  ModalRunner modalRunner_;
  PartMessageShower messageShower_;
};

}  // namespace ravlo
