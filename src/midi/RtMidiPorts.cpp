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
int RtMidiPorts<Port, Backend>::PortCount() {
  int count = 0;
  for (const auto& api : apis_) count += static_cast<int>(api->port->getPortCount());
  return count;
}

template <class Port, class Backend>
MidiResult RtMidiPorts<Port, Backend>::PortName(int index, std::string& name) {
  const RtMidiRoute<Port> route = LocateRtMidiPort(apis_, index);
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
