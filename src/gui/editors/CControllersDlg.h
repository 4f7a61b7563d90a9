#pragma once

#include <array>

#include "channels/ChannelVoice.h"
#include "channels/ControllerSlots.h"
#include "model/Indices.h"
#include "shell/EditorDialog.h"

class QLabel;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Controllers window: the voice (bank select and program) and the
// eleven controllers of one MIDI channel, sent as channel messages. The
// fields show the model's channel rows, which the model keeps in step with
// the parts. The keyboard piano and the Part window are kept on the same
// channel through the main bar.
class CControllersDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CControllersDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // After the model's contents were replaced: shows channel 1 again, and
  // moves the piano and the Part window there (after a file load only when
  // another channel was shown).
  void ShowFirstChannel(bool afterLoad);
  // Shows another channel (1..16); false out of range.
  bool SelectChannel(int channel);
  // The Part window's part receives on channel 1..16: shown, and the piano
  // follows; false out of range.
  bool FollowPartChannel(int channel);
  // A catalogue voice (0..522) for the shown channel, sent and given to its
  // parts. False for an unknown index or a failed send.
  bool SelectChannelVoice(int voiceIndex);
  // The piano's modulation becomes the shown channel's; nothing is sent.
  bool SetModulation(int value);

  int ShownChannel() const { return channel_.Number(); }  // 1..16
  int ShownModulation() const;
  ChannelVoice ShownVoice() const;
  // The shown channel's value of a slot, -1 out of range.
  int ControllerValue(int slot) const;

  EditSpinPair& BankMsbField() { return *bankMsb_; }
  EditSpinPair& BankLsbField() { return *bankLsb_; }
  EditSpinPair& VoiceField() { return *voice_; }
  EditSpinPair& ChannelField() { return *channelField_; }
  // Null for a slot out of range.
  EditSpinPair* ControllerField(int slot);
  QLabel& BankTypeLabel() { return *bankType_; }
  QLabel& VoiceNameLabel() { return *voiceName_; }
  QLabel& ElementsLabel() { return *elements_; }

 protected:
  void WindowStart() override;
  void ShowChange(const ModelChange& change) override;

 private:
  void BuildControls();
  EditSpinPair* MakeVoiceField(const char* name, int minimum, int maximum,
                               std::uint8_t ChannelVoice::*byte);
  bool TakeVoice(const ChannelVoice& voice);
  bool TakeController(int slot, int value);
  // "Channel 3 Volume": what the Edit menu calls an edit of the shown channel.
  QString StepName(const QString& what) const;
  // Puts the piano on the shown channel with its modulation and has the
  // Part window show the channel's lowest part.
  void TellChannelChosen();
  void ShowChannel(MidiChannel channel);
  // Title, fields and information statics from the model.
  void ShowAll();
  void ShowStatics();

  XgModel& model_;
  MidiChannel channel_ = MidiChannel::FromIndex(0);

  EditSpinPair* bankMsb_ = nullptr;
  EditSpinPair* bankLsb_ = nullptr;
  EditSpinPair* voice_ = nullptr;
  EditSpinPair* channelField_ = nullptr;
  std::array<EditSpinPair*, kControllerSlotCount> controllerFields_{};
  QLabel* bankType_ = nullptr;
  QLabel* voiceName_ = nullptr;
  QLabel* elements_ = nullptr;
};

}  // namespace ravlo
