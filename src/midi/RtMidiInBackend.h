#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "RtMidiPorts.h"
#include "midi/MidiInBackend.h"

class RtMidiIn;

namespace ravlo {

// Input through RtMidi, from the ports of every API that starts here, with
// system exclusive messages let through. RtMidi calls back on its own thread
// with whole messages; they go on to the sink from there.
class RtMidiInBackend final : public RtMidiPorts<RtMidiIn, MidiInBackend> {
 public:
  explicit RtMidiInBackend(std::string clientName = "Ravlo");
  ~RtMidiInBackend() override;

  MidiResult Open(int index, MessageSink sink) override;
  void Close() override;

 private:
  static void OnMessage(double, std::vector<unsigned char>* message, void* user);

  // Close must not return while RtMidi's thread is still in the sink.
  std::mutex sinkMutex_;
  MessageSink sink_;
};

}  // namespace ravlo
