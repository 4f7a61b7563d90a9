#include "RtMidiInBackend.h"

#include "RtMidiApis.h"

namespace ravlo {

RtMidiInBackend::RtMidiInBackend(std::string clientName)
    : RtMidiPorts(std::move(clientName), "RtMidiInBackend") {
  for (const auto& api : apis_) {
    // Answers are system exclusive; clock and active sensing would only crowd them.
    api->port->ignoreTypes(false, true, true);
  }
}

RtMidiInBackend::~RtMidiInBackend() {
  Close();
}

MidiResult RtMidiInBackend::Open(int index, MessageSink sink) {
  Close();
  const Route route = Locate(index);
  if (route.api == nullptr) return kMidiBadDeviceId;
  {
    std::lock_guard lock(sinkMutex_);
    sink_ = std::move(sink);
  }
  Api& api = *route.api;
  api.port->setCallback(&RtMidiInBackend::OnMessage, this);
  std::string error;
  if (!OpenRtMidiPort(api, route.local, clientName_ + kInSuffix, error)) {
    api.port->cancelCallback();
    std::lock_guard lock(sinkMutex_);
    sink_ = nullptr;
    return Fail("Open", error);
  }
  open_ = &api;
  return kMidiOk;
}

void RtMidiInBackend::OnMessage(double, std::vector<unsigned char>* message, void* user) {
  auto* self = static_cast<RtMidiInBackend*>(user);
  std::lock_guard lock(self->sinkMutex_);
  if (self->sink_ && message != nullptr && !message->empty()) self->sink_(*message);
}

void RtMidiInBackend::Close() {
  if (open_ != nullptr) {
    open_->port->closePort();
    open_->port->cancelCallback();
  }
  open_ = nullptr;
  std::lock_guard lock(sinkMutex_);
  sink_ = nullptr;
}

}  // namespace ravlo
