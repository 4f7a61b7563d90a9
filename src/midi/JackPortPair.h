#pragma once

#include <jack/jack.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <memory>
#include <string>

#include "VirtualPortPair.h"

namespace ravlo {

// The pair as one JACK client with the MIDI ports "in" and "out". JACK's
// process thread hands what arrives to the queue and sends what Send left
// in a ring buffer, so the program's own thread never waits on JACK.
class JackPortPair final : public VirtualPortPair {
 public:
  // None when no JACK server is running (`error` left empty) or when the
  // client or its ports cannot be made (`error` says so).
  static std::unique_ptr<JackPortPair> Open(const std::string& name, MidiInQueue& incoming,
                                            std::string& error);
  ~JackPortPair() override;
  JackPortPair(const JackPortPair&) = delete;
  JackPortPair& operator=(const JackPortPair&) = delete;

  bool Send(std::span<const std::uint8_t> message) override;
  std::uint64_t TakeFullCount() override { return full_.exchange(0); }
  std::string Where() const override;

 private:
  JackPortPair(jack_client_t* client, MidiInQueue& incoming);
  static int Process(jack_nframes_t frames, void* self);

  jack_client_t* client_;
  MidiInQueue& incoming_;
  jack_port_t* in_ = nullptr;
  jack_port_t* out_ = nullptr;
  jack_ringbuffer_t* outgoing_ = nullptr;
  std::atomic<std::uint64_t> full_{0};
};

}  // namespace ravlo
