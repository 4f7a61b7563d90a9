#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/MidiInBackend.h"

class RtMidiIn;

namespace ravlo {

template <class Port>
struct RtMidiApi;

// Input through RtMidi, from every API that starts here (ALSA and JACK on
// Linux), in API order, with system exclusive messages let through. RtMidi
// calls back on its own thread with whole messages; they go on to the sink
// from there.
class RtMidiInBackend final : public MidiInBackend {
 public:
  explicit RtMidiInBackend(std::string clientName = "Ravlo");
  ~RtMidiInBackend() override;

  int PortCount() override;
  MidiResult PortName(int index, std::string& name) override;
  MidiResult Open(int index, MessageSink sink) override;
  void Close() override;
  std::string ErrorText(MidiResult code) override;

 private:
  using Api = RtMidiApi<RtMidiIn>;
  static void OnMessage(double, std::vector<unsigned char>* message, void* user);
  MidiResult Fail(std::string text);

  std::vector<std::unique_ptr<Api>> apis_;
  Api* open_ = nullptr;
  // Close must not return while RtMidi's thread is still in the sink.
  std::mutex sinkMutex_;
  MessageSink sink_;
  std::string clientName_;
  std::string lastError_;
};

}  // namespace ravlo
