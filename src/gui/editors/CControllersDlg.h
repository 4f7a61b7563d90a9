#pragma once

#include <array>
#include <span>

#include "channels/ChannelVoice.h"
#include "channels/ControllerSlots.h"
#include "parts/PartRecord.h"
#include "shell/EditorDialog.h"

class QLabel;

namespace ravlo {

class EditSpinPair;
class XgModel;

// The Controllers window: the voice (bank select and program) and the
// eleven controllers of one MIDI channel, sent as channel messages. The
// window keeps working values for the shown channel; they go back into the
// model's channel tables when another channel is shown, on close and before
// a send pass. The keyboard piano and the Part window are kept on the same
// channel through the main bar.
class CControllersDlg final : public EditorDialog {
  Q_OBJECT

 public:
  CControllersDlg(XgModel& model, EditorHost& host, QWidget* parent = nullptr);

  // After the model's contents were replaced: shows channel 1 again. After a
  // file load the channel tables are first rebuilt from the parts, and the
  // piano and Part window are moved only when another channel was shown.
  void RefreshFromModel(bool afterLoad);
  // The shown channel's voice and controllers into the model's tables.
  void StoreToModel();
  // Shows another channel (1..16), storing the shown one first; false out
  // of range.
  bool SelectChannel(int channel);
  // After the Part window changed a part's channel, state, voice or mode:
  // the shown channel is rebuilt from its parts (its working values are
  // dropped), then channel 1..16 is shown; false out of range.
  bool FollowPartChannel(int channel);
  // A part edit was mirrored into controller `slot` of channel 0..15; shown
  // when that channel is. False when nothing was taken.
  bool OnPartControllerChanged(int channel, int slot, int value);
  // A catalogue voice (0..522) for the shown channel: stored, sent, and
  // handed to the main bar for the parts. False for an unknown index.
  bool SelectChannelVoice(int voiceIndex);
  // Sends the shown channel's variation controller (control change 94).
  bool SendVariation();
  // The piano's modulation becomes the shown channel's; nothing is sent.
  bool SetModulation(int value);

  int ShownChannel() const { return channel_; }  // 1..16
  int ShownModulation() const { return Controller(ControllerSlot::Modulation); }
  ChannelVoice ShownVoice() const;
  // The working value of a slot, -1 out of range.
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
  void StoreOnClose() override;

 private:
  void BuildControls();
  bool TakeVoiceValue(int& target, int value);
  bool TakeController(int slot, int value);
  bool TakeChannel(int channel);
  // Puts the piano on the shown channel with its modulation and has the
  // Part window show the channel's lowest part.
  void TellChannelChosen();
  void LoadRows();
  void StoreRows();
  // Title, fields and information statics from the working values.
  void ShowAll();
  void ShowStatics();
  int Controller(ControllerSlot slot) const { return controllers_[static_cast<std::size_t>(slot)]; }
  std::span<const PartRecord> Parts() const;

  XgModel& model_;
  int channel_ = 1;
  int bankMsbValue_ = 0;
  int bankLsbValue_ = 0;
  int voiceNumber_ = 1;
  std::array<int, kControllerSlotCount> controllers_{};

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
