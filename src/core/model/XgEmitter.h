#pragma once

#include <cstdint>
#include <span>

#include "messages/XgMessage.h"
#include "model/Indices.h"
#include "model/OutputBuffer.h"

namespace ravlo {

class MidiOutDevice;
class Pauser;

// Where every message the program builds goes: out through the MIDI device
// at once, or, while a save or review records, into the output buffer. The
// callers never need to know which.
class XgEmitter {
 public:
  static constexpr unsigned kResetPauseMs = 50;

  XgEmitter(MidiOutDevice& midi, Pauser& pauser,
            std::size_t bufferLimit = OutputBuffer::kDefaultCapacityLimit);

  void SetUnitNumber(UnitNumber unit) { unit_ = unit; }
  UnitNumber Unit() const { return unit_; }
  std::uint8_t ModelId() const { return modelId_; }

  void SetResetAdMixer(bool on) { resetAdMixer_ = on; }
  bool ResetAdMixer() const { return resetAdMixer_; }

  bool Emit(std::span<const std::uint8_t> message);
  bool Emit(const XgMessage& message) { return Emit(message.Bytes()); }
  bool EmitParameterChange(XgAddress address, std::uint8_t value);
  bool EmitParameterChange(XgAddress address, std::span<const std::uint8_t> data);
  // One after the other with the pause between them; stops at the first
  // that fails.
  bool EmitPaced(std::span<const XgMessage> messages, unsigned pauseMs);

  // XG System On, 50 ms, and with the A/D option the A/D and mixer resets.
  bool SendReset();

  // Channel messages always go to the port; a save never contains them.
  bool SendShort(std::uint32_t packed);

  void Pause(unsigned milliseconds);

  bool BeginRecording();
  std::span<const std::uint8_t> TakeRecording() const { return buffer_.Contents(); }
  void EndRecording();
  bool IsRecording() const { return recording_; }

  MidiOutDevice& Midi() { return midi_; }

 private:
  MidiOutDevice& midi_;
  Pauser& pauser_;
  OutputBuffer buffer_;
  bool recording_ = false;
  bool resetAdMixer_ = true;
  UnitNumber unit_ = UnitNumber::FromValue(0);
  std::uint8_t modelId_ = kXgModelId;
};

}  // namespace ravlo
