#include "midi/MidiInDevice.h"

#include "platform/UserPrompts.h"

namespace ravlo {

MidiInDevice::MidiInDevice(MidiInBackend& backend, UserPrompts& prompts)
    : backend_(backend), prompts_(prompts) {}

MidiInDevice::~MidiInDevice() {
  Close();
}

bool MidiInDevice::Open(int index) {
  if (index == currentIndex_) return true;
  Close();
  if (index < 0) return true;
  const MidiResult opened =
      backend_.Open(index, [this](std::span<const std::uint8_t> message) { queue_.Push(message); });
  if (opened != kMidiOk) {
    prompts_.ShowMessage(backend_.ErrorText(opened));
    return false;
  }
  currentIndex_ = index;
  return true;
}

void MidiInDevice::Close() {
  if (currentIndex_ >= 0) backend_.Close();
  currentIndex_ = -1;
  // What came from the port given up means nothing to the next one.
  queue_.Clear();
}

std::vector<MidiPort> MidiInDevice::Ports() {
  return ListPorts(backend_, backend_.PortCount(), prompts_);
}

}  // namespace ravlo
