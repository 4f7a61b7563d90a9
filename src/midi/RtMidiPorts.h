#pragma once

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiResult.h"

namespace ravlo {

template <class Port>
struct RtMidiApi;

// What RtMidi's output and input backends share: every API compiled into the
// library that can be started here (ALSA and JACK on Linux, WinMM on
// Windows, CoreMIDI on macOS) with its ports, seen as one list in API order,
// and the text of the last failure. RtMidi stays out of this header.
template <class Port, class Backend>
class RtMidiPorts : public Backend {
 public:
  ~RtMidiPorts() override;

  int PortCount() override;
  MidiResult PortName(int index, std::string& name) override;
  std::string ErrorText(MidiResult code) override;

 protected:
  using Api = RtMidiApi<Port>;

  // `owner` names the backend in the error texts.
  RtMidiPorts(std::string clientName, std::string owner);
  // "Owner::where: reason", kept for ErrorText.
  MidiResult Fail(const char* where, const std::string& reason);

  std::vector<std::unique_ptr<Api>> apis_;
  Api* open_ = nullptr;
  std::string clientName_;

 private:
  std::string owner_;
  std::string lastError_;
};

}  // namespace ravlo
