#include "MidiBackendChain.h"

namespace ravlo {

MidiBackendChain::MidiBackendChain(std::vector<MidiBackend*> backends)
    : backends_(std::move(backends)) {}

int MidiBackendChain::PortCount() {
  int count = 0;
  for (MidiBackend* backend : backends_) count += backend->PortCount();
  return count;
}

MidiBackendChain::Route MidiBackendChain::Locate(int index) {
  if (index < 0) return {};
  for (MidiBackend* backend : backends_) {
    const int count = backend->PortCount();
    if (index < count) return {backend, index};
    index -= count;
  }
  return {};
}

MidiResult MidiBackendChain::PortName(int index, std::string& name) {
  const Route route = Locate(index);
  if (route.backend == nullptr) return kMidiBadDeviceId;
  const MidiResult result = route.backend->PortName(route.local, name);
  if (result != kMidiOk) lastFailed_ = route.backend;
  return result;
}

MidiResult MidiBackendChain::Open(int index) {
  Close();
  const Route route = Locate(index < 0 ? 0 : index);
  if (route.backend == nullptr) return kMidiBadDeviceId;
  const MidiResult result = route.backend->Open(route.local);
  if (result != kMidiOk) {
    lastFailed_ = route.backend;
    return result;
  }
  open_ = route.backend;
  return kMidiOk;
}

MidiResult MidiBackendChain::QueueLong(SendBuffer& buffer) {
  if (open_ == nullptr) return kMidiInvalidHandle;
  const MidiResult result = open_->QueueLong(buffer);
  if (result != kMidiOk) lastFailed_ = open_;
  return result;
}

MidiResult MidiBackendChain::SendShort(std::uint32_t packed) {
  if (open_ == nullptr) return kMidiInvalidHandle;
  const MidiResult result = open_->SendShort(packed);
  if (result != kMidiOk) lastFailed_ = open_;
  return result;
}

void MidiBackendChain::Reset() {
  if (open_ != nullptr) open_->Reset();
}

void MidiBackendChain::Close() {
  if (open_ != nullptr) open_->Close();
  open_ = nullptr;
}

std::string MidiBackendChain::ErrorText(MidiResult code) {
  // The backend that failed last knows best what went wrong.
  MidiBackend* source = lastFailed_ != nullptr ? lastFailed_ : open_;
  return source != nullptr ? source->ErrorText(code) : StandardMidiErrorText(code);
}

}  // namespace ravlo
