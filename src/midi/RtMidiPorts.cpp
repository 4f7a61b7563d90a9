#include "RtMidiPorts.h"

#include "RtMidiApis.h"
#include "midi/MidiBackend.h"
#include "midi/MidiInBackend.h"

namespace ravlo {

template <class Port, class Backend>
RtMidiPorts<Port, Backend>::RtMidiPorts(std::string clientName, std::string owner)
    : apis_(StartRtMidiApis<Port>(clientName)),
      clientName_(std::move(clientName)),
      owner_(std::move(owner)) {}

template <class Port, class Backend>
RtMidiPorts<Port, Backend>::~RtMidiPorts() = default;

template <class Port, class Backend>
bool RtMidiPorts<Port, Backend>::IsOurs(const std::string& portName) const {
  // JACK names a port "client:port", ALSA "client:port 128:0".
  for (const char* suffix : {kOutSuffix, kInSuffix}) {
    const std::string ours = ":" + clientName_ + suffix;
    const std::size_t at = portName.find(ours);
    const std::size_t end = at + ours.size();
    if (at != std::string::npos && (end == portName.size() || portName[end] == ' ')) return true;
  }
  return false;
}

template <class Port, class Backend>
std::vector<typename RtMidiPorts<Port, Backend>::Route> RtMidiPorts<Port, Backend>::Listed() const {
  std::vector<Route> routes;
  for (const auto& api : apis_) {
    const unsigned count = api->port->getPortCount();
    for (unsigned local = 0; local < count; ++local) {
      if (!IsOurs(api->port->getPortName(local))) routes.push_back({api.get(), local});
    }
  }
  return routes;
}

template <class Port, class Backend>
typename RtMidiPorts<Port, Backend>::Route RtMidiPorts<Port, Backend>::Locate(int index) const {
  const std::vector<Route> routes = Listed();
  if (index < 0 || static_cast<std::size_t>(index) >= routes.size()) return {};
  return routes[static_cast<std::size_t>(index)];
}

template <class Port, class Backend>
int RtMidiPorts<Port, Backend>::PortCount() {
  return static_cast<int>(Listed().size());
}

template <class Port, class Backend>
MidiResult RtMidiPorts<Port, Backend>::PortName(int index, std::string& name) {
  const Route route = Locate(index);
  if (route.api == nullptr) return kMidiBadDeviceId;
  const int errorsBefore = route.api->errors;
  name = route.api->port->getPortName(route.local);
  if (route.api->errors != errorsBefore || name.empty()) {
    return Fail("PortName", route.api->lastError);
  }
  return kMidiOk;
}

template <class Port, class Backend>
std::string RtMidiPorts<Port, Backend>::ErrorText(MidiResult code) {
  if (code == kMidiError && !lastError_.empty()) return lastError_;
  return StandardMidiErrorText(code);
}

template <class Port, class Backend>
MidiResult RtMidiPorts<Port, Backend>::Fail(const char* where, const std::string& reason) {
  lastError_ = owner_ + "::" + where + ": " + reason;
  return kMidiError;
}

template class RtMidiPorts<RtMidiOut, MidiBackend>;
template class RtMidiPorts<RtMidiIn, MidiInBackend>;

}  // namespace ravlo
