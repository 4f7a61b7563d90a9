#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace ravlo {

class MidiInQueue;

// A port pair of the program's own that other programs connect to: an input
// "in" and an output "out" under one client name, as an instrument offers
// them. What arrives at "in" waits in the queue given; Send puts a message
// out on "out".
class VirtualPortPair {
 public:
  virtual ~VirtualPortPair() = default;

  virtual bool Send(std::span<const std::uint8_t> message) = 0;
  // How often, since it was last asked, an outgoing message found no room
  // (it waits for the next cycle, or, with the pair's buffer full, is lost).
  virtual std::uint64_t TakeFullCount() { return 0; }
  // "JACK client ravlo-xg" and the like, for the person who connects to it.
  virtual std::string Where() const = 0;

  // On JACK where a server runs, else on the first RtMidi API that makes
  // ports of its own (ALSA here); none, with `error` saying why, when no
  // system can have them.
  static std::unique_ptr<VirtualPortPair> Open(const std::string& name, MidiInQueue& incoming,
                                               std::string& error);
};

}  // namespace ravlo
