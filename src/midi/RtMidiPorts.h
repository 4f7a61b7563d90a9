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
// and the text of the last failure. The program's own ports are left out of
// the list: once the input is open, its port is among the destinations the
// output could choose, and the output's among the sources, and a loop back
// into Ravlo is never meant. RtMidi stays out of this header.
template <class Port, class Backend>
class RtMidiPorts : public Backend {
 public:
  ~RtMidiPorts() override;

  int PortCount() override;
  MidiResult PortName(int index, std::string& name) override;
  std::string ErrorText(MidiResult code) override;

 protected:
  using Api = RtMidiApi<Port>;

  // The names our own ports get: the client name, then these.
  static constexpr const char* kOutSuffix = " Out";
  static constexpr const char* kInSuffix = " In";

  // Where port `index` of the list lives: its API and its index there.
  struct Route {
    Api* api = nullptr;
    unsigned local = 0;
  };

  // `owner` names the backend in the error texts.
  RtMidiPorts(std::string clientName, std::string owner);
  // None (a null API) for an index outside the list.
  Route Locate(int index) const;
  // "Owner::where: reason", kept for ErrorText.
  MidiResult Fail(const char* where, const std::string& reason);

  std::vector<std::unique_ptr<Api>> apis_;
  Api* open_ = nullptr;
  std::string clientName_;

 private:
  std::vector<Route> Listed() const;
  bool IsOurs(const std::string& portName) const;

  std::string owner_;
  std::string lastError_;
};

}  // namespace ravlo
