#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "VirtualPortPair.h"

class RtMidiIn;
class RtMidiOut;

namespace ravlo {

// The pair as RtMidi's own ports ("virtual ports") on the first API that
// makes them: ALSA on Linux, CoreMIDI on macOS. Each of the two is a client
// of that name, one with the port "in", the other with "out".
class RtMidiPortPair final : public VirtualPortPair {
 public:
  // None, with `error` saying why, when no API makes ports of its own.
  static std::unique_ptr<RtMidiPortPair> Open(const std::string& name, MidiInQueue& incoming,
                                              std::string& error);
  ~RtMidiPortPair() override;

  bool Send(std::span<const std::uint8_t> message) override;
  std::string Where() const override;

 private:
  RtMidiPortPair(std::unique_ptr<RtMidiIn> in, std::unique_ptr<RtMidiOut> out, std::string where);
  static void OnMessage(double, std::vector<unsigned char>* message, void* incoming);

  std::unique_ptr<RtMidiIn> in_;
  std::unique_ptr<RtMidiOut> out_;
  std::string where_;
};

}  // namespace ravlo
