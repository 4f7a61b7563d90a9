#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/SysexAssembler.h"

class RtMidiOut;

namespace ravlo {

template <class Port>
struct RtMidiApi;

// Output through RtMidi: every API compiled into the library that can be
// started here (ALSA and JACK on Linux, WinMM on Windows, CoreMIDI on macOS)
// contributes its ports, in API order. RtMidi takes whole messages, so the
// pool's 512-byte pieces are joined into complete sysex messages first.
class RtMidiBackend final : public MidiBackend {
 public:
  explicit RtMidiBackend(std::string clientName = "Ravlo");
  ~RtMidiBackend() override;

  int PortCount() override;
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index) override;
  MidiResult QueueLong(SendBuffer& buffer) override;
  MidiResult SendShort(std::uint32_t packed) override;
  void Reset() override;
  void Close() override;
  std::string ErrorText(MidiResult code) override;

  // The names of the APIs that started ("alsa", "jack", ...).
  std::vector<std::string> ApiNames() const;

 private:
  using Api = RtMidiApi<RtMidiOut>;
  MidiResult Send(Api& api, std::span<const std::uint8_t> message);
  MidiResult Fail(std::string text);

  std::vector<std::unique_ptr<Api>> apis_;
  Api* open_ = nullptr;
  SysexAssembler assembler_;
  std::mutex sendMutex_;  // the piano's step player sends from its own thread
  std::string clientName_;
  std::string lastError_;
};

}  // namespace ravlo
