#include "MidiBackendChain.h"

namespace ravlo {

MidiResult MidiBackendChain::Open(int index) {
  return OpenAt(index < 0 ? 0 : index);
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

}  // namespace ravlo
