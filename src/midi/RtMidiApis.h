#pragma once

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>
#include <vector>

#include "QuietStandardError.h"
#include "midi/MidiResult.h"

namespace ravlo {

// One RtMidi API's port object (an RtMidiOut or an RtMidiIn) and the errors
// it reported.
template <class Port>
struct RtMidiApi {
  std::unique_ptr<Port> port;
  std::string name;
  int errors = 0;
  std::string lastError;

  // RtMidi reports through this callback once one is set, instead of
  // throwing; warnings (such as a JACK server that is not running) are not
  // failures of the call that met them.
  static void OnError(RtMidiError::Type type, const std::string& text, void* user) {
    auto* self = static_cast<RtMidiApi*>(user);
    if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
    ++self->errors;
    self->lastError = text;
  }
};

template <class Port>
using RtMidiApiList = std::vector<std::unique_ptr<RtMidiApi<Port>>>;

// Every API compiled into the library that starts here and has ports (ALSA
// and JACK on Linux, WinMM on Windows, CoreMIDI on macOS), in API order.
template <class Port>
RtMidiApiList<Port> StartRtMidiApis(const std::string& clientName) {
  const QuietStandardError quiet;
  RtMidiApiList<Port> apis;
  std::vector<RtMidi::Api> compiled;
  RtMidi::getCompiledApi(compiled);
  for (RtMidi::Api api : compiled) {
    // An API whose system is missing (ALSA without /dev/snd, say) throws
    // here; the others still give their ports.
    try {
      auto started = std::make_unique<RtMidiApi<Port>>();
      started->port = std::make_unique<Port>(api, clientName);
      started->name = RtMidi::getApiName(api);
      started->port->setErrorCallback(&RtMidiApi<Port>::OnError, started.get());
      // An API without a single port (JACK with no server running) would
      // only try to reconnect at every question; the port list is taken
      // once anyway.
      if (started->port->getPortCount() == 0) continue;
      apis.push_back(std::move(started));
    } catch (const RtMidiError&) {
    }
  }
  return apis;
}

// Opens the API's port `local`, naming our end `ourName`. False, with the
// port closed again and `error` saying why, when RtMidi reported an error or
// the port now has another name: JACK reports a port open even when it
// vanished in the meantime, so the name must still be the one chosen.
template <class Port>
bool OpenRtMidiPort(RtMidiApi<Port>& api, unsigned local, const std::string& ourName,
                    std::string& error) {
  const std::string expected = api.port->getPortName(local);
  const int errorsBefore = api.errors;
  api.port->openPort(local, ourName);
  const bool sameName = api.port->getPortName(local) == expected;
  if (api.errors == errorsBefore && api.port->isPortOpen() && sameName && !expected.empty()) {
    return true;
  }
  error = api.errors != errorsBefore ? api.lastError : "the port \"" + expected + "\" is not there";
  api.port->closePort();
  return false;
}

}  // namespace ravlo
