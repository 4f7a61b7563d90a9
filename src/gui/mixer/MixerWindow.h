#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "model/Indices.h"
#include "parts/PartRecord.h"
#include "shell/EditorDialog.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;

namespace ravlo {

class EditSpinPair;
class SoundView;
class XgModel;

// All the multi parts side by side, like a mixing desk: one strip a part
// with its number, receive channel, voice, Mute and Solo, a Volume fader,
// Pan, the three effect sends and the part mode. It shows the model's parts
// and keeps no values: every edit goes out through the Part editor's setters
// as a step of the edit history, and every notice redraws the strip it
// touches.
class MixerWindow final : public EditorDialog {
  Q_OBJECT

 public:
  // Asks for a voice for the part; the chosen catalogue index, or nothing.
  using VoiceChooser = std::function<std::optional<int>(PartIndex part)>;

  // The strip's number fields, in the order Tab takes them after Volume.
  static constexpr std::array<int, 5> kFieldAddresses = {0x0B, 0x0E, 0x13, 0x12, 0x14};
  // The extended instrument's part EQ gains, below the part mode; hidden on
  // the first level.
  static constexpr std::array<int, 2> kEqAddresses = {part_eq::kBassGain, part_eq::kTrebleGain};

  MixerWindow(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  void SetVoiceChooser(VoiceChooser chooser) { voiceChooser_ = std::move(chooser); }
  // While the built-in sound plays, each strip shows its part's peak level
  // and its voice button names the preset heard.
  void SetSound(SoundView* sound);

  int StripCount() const { return static_cast<int>(strips_.size()); }
  // A strip's field for a part address of kFieldAddresses; nullptr otherwise.
  EditSpinPair* Field(int part, int address) const;
  QSlider* Fader(int part) const;
  QComboBox* ModeList(int part) const;
  QPushButton* VoiceButton(int part) const;
  QLabel* ChannelLabel(int part) const;
  QProgressBar* Meter(int part) const;
  QPushButton* MuteButton(int part) const;
  QPushButton* SoloButton(int part) const;

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;
  // The mouse wheel over a fader steps its Volume field.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Strip {
    QLabel* channel = nullptr;
    QPushButton* voice = nullptr;
    QPushButton* mute = nullptr;
    QPushButton* solo = nullptr;
    QSlider* fader = nullptr;
    std::array<EditSpinPair*, kFieldAddresses.size()> fields{};
    QComboBox* mode = nullptr;
    std::array<EditSpinPair*, kEqAddresses.size()> eq{};
    QProgressBar* meter = nullptr;
  };

  void Build();
  // A number field of the strip for a part address, as the Tab order takes it.
  EditSpinPair* MakeField(PartIndex part, int address);
  void ShowStrip(int index);
  void ShowAll();
  // Mute and Solo of every strip: a solo depends on all the parts.
  void ShowMuting();
  // "Part 3 Volume": what the Edit menu calls an edit of the strip.
  static QString StepName(PartIndex part, const QString& what);
  bool SendValue(PartIndex part, int address, int shown, StepJoin join);
  void OnFaderMoved(int index, int value);
  void OnVoiceClicked(int index);
  void OnModeChosen(int index, int mode);
  // The meters and the heard presets, a few times a second.
  void ShowSound();
  QString VoiceTip(int index) const;
  enum class Muting { Mute, Solo };
  void OnMutingClicked(int index, Muting button, bool on);

  XgModel& model_;
  std::vector<Strip> strips_;
  std::vector<QWidget*> eqNames_;
  VoiceChooser voiceChooser_;
  SoundView* sound_ = nullptr;
  QTimer* soundTimer_ = nullptr;
  // The fader was pressed and has not moved yet.
  bool dragStarting_ = false;
};

}  // namespace ravlo
