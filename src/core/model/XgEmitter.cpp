#include "model/XgEmitter.h"

#include "messages/XgMessages.h"
#include "midi/MidiOutDevice.h"
#include "platform/Pauser.h"

namespace ravlo {

XgEmitter::XgEmitter(MidiOutDevice& midi, Pauser& pauser, std::size_t bufferLimit)
    : midi_(midi), pauser_(pauser), buffer_(bufferLimit) {}

bool XgEmitter::Emit(std::span<const std::uint8_t> message) {
  if (recording_) return buffer_.Append(message);
  const MidiResult result = midi_.SendLong(message);
  if (result != kMidiOk) {
    midi_.ReportMidiError(result);
    return false;
  }
  return true;
}

bool XgEmitter::EmitParameterChange(XgAddress address, std::uint8_t value) {
  return Emit(BuildParameterChange(unit_, address, value));
}

bool XgEmitter::EmitParameterChange(XgAddress address, std::span<const std::uint8_t> data) {
  const XgMessage message = BuildParameterChange(unit_, address, data);
  return !message.Empty() && Emit(message);
}

bool XgEmitter::EmitPaced(std::span<const XgMessage> messages, unsigned pauseMs) {
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (i > 0) Pause(pauseMs);
    if (messages[i].Empty() || !Emit(messages[i])) return false;
  }
  return true;
}

bool XgEmitter::SendReset() {
  const bool systemOn = Emit(BuildXgSystemOn(unit_));
  Pause(kResetPauseMs);
  if (!systemOn || !resetAdMixer_) return systemOn;
  return Emit(BuildAdSystemMessage1(unit_)) && Emit(BuildAdSystemMessage2(unit_)) &&
         Emit(BuildMixerBulk(unit_));
}

bool XgEmitter::SendShort(std::uint32_t packed) {
  return midi_.SendShort(packed);
}

void XgEmitter::Pause(unsigned milliseconds) {
  if (milliseconds > 0) pauser_.Pause(milliseconds);
}

bool XgEmitter::BeginRecording() {
  recording_ = false;
  if (!buffer_.Begin()) return false;
  recording_ = true;
  return true;
}

void XgEmitter::EndRecording() {
  buffer_.End();
  recording_ = false;
}

}  // namespace ravlo
