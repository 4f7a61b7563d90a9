#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/MidiResult.h"
#include "midi/SendBuffer.h"

namespace ravlo {

class UserPrompts;

// The program's one connection to the synthesizer: one output port, opened by
// index, and a fixed pool of 32 buffers of 512 bytes through which every
// sysex block leaves. It never waits between messages; pacing is the caller's.
class MidiOutDevice {
 public:
  static constexpr int kBufferCount = 32;
  static constexpr std::uint32_t kBufferSize = SendBuffer::kCapacity;

  MidiOutDevice(MidiBackend& backend, UserPrompts& prompts);
  ~MidiOutDevice();
  MidiOutDevice(const MidiOutDevice&) = delete;
  MidiOutDevice& operator=(const MidiOutDevice&) = delete;

  bool Open(int index);
  void Close();
  bool IsOpen() const { return open_; }
  int CurrentIndex() const { return currentIndex_; }
  int DeviceCount() const { return deviceCount_; }

  // Sends one or more complete sysex messages through the pool.
  MidiResult SendLong(std::span<const std::uint8_t> bytes);
  bool SendShort(std::uint32_t packed);
  bool SendNoteOn(int note, int velocity, int channel);

  // The ports whose names could be read, with their real indices (a port
  // whose name fails is reported and left out, so positions may skip).
  std::vector<MidiPort> Ports();

  void ReportMidiError(MidiResult code);

 private:
  void TearDown();
  SendBuffer* TakeFreeBuffer();

  MidiBackend& backend_;
  UserPrompts& prompts_;
  bool open_ = false;
  int currentIndex_ = -1;
  int deviceCount_ = 0;
  std::array<SendBuffer, kBufferCount> pool_;
};

}  // namespace ravlo
