#include "RtMidiBackend.h"

#include "RtMidiApis.h"
#include "messages/XgMessages.h"
#include "midi/ShortMessage.h"

namespace ravlo {

RtMidiBackend::RtMidiBackend(std::string clientName)
    : RtMidiPorts(std::move(clientName), "RtMidiBackend") {}

RtMidiBackend::~RtMidiBackend() {
  Close();
}

MidiResult RtMidiBackend::Open(int index) {
  Close();
  const Route route = Locate(index < 0 ? 0 : index);
  if (route.api == nullptr) return kMidiBadDeviceId;
  Api& api = *route.api;
  std::string error;
  if (!OpenRtMidiPort(api, route.local, clientName_ + kOutSuffix, error)) {
    return Fail("Open", error);
  }
  assembler_.Reset();
  open_ = &api;
  return kMidiOk;
}

MidiResult RtMidiBackend::Send(Api& api, std::span<const std::uint8_t> message) {
  const int errorsBefore = api.errors;
  api.port->sendMessage(message.data(), message.size());
  if (api.errors != errorsBefore) return Fail("Send", api.lastError);
  return kMidiOk;
}

MidiResult RtMidiBackend::QueueLong(SendBuffer& buffer) {
  std::lock_guard lock(sendMutex_);
  if (open_ == nullptr) return kMidiInvalidHandle;
  MidiResult result = kMidiOk;
  assembler_.Feed({buffer.data.data(), buffer.bufferLength},
                  [&](std::span<const std::uint8_t> message) {
                    if (result == kMidiOk) result = Send(*open_, message);
                  });
  // RtMidi has taken the bytes when sendMessage returns: the piece is done.
  buffer.MarkDone();
  return result;
}

MidiResult RtMidiBackend::SendShort(std::uint32_t packed) {
  const ShortMessage message(packed);
  if (message.Bytes().empty()) return kMidiError;
  std::lock_guard lock(sendMutex_);
  if (open_ == nullptr) return kMidiInvalidHandle;
  return Send(*open_, message.Bytes());
}

void RtMidiBackend::Reset() {
  std::lock_guard lock(sendMutex_);
  assembler_.Reset();
  if (open_ == nullptr) return;
  // Leave no note hanging on the port being given up.
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const ShortMessage allNotesOff(PackAllNotesOff(MidiChannel::FromIndex(index)));
    open_->port->sendMessage(allNotesOff.Bytes().data(), allNotesOff.Bytes().size());
  }
}

void RtMidiBackend::Close() {
  std::lock_guard lock(sendMutex_);
  if (open_ != nullptr) open_->port->closePort();
  open_ = nullptr;
}

}  // namespace ravlo
