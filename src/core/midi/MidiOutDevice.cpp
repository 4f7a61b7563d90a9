#include "midi/MidiOutDevice.h"

#include <algorithm>
#include <cstring>

#include "messages/XgMessages.h"
#include "platform/UserPrompts.h"

namespace ravlo {

namespace {

constexpr std::uint8_t kNoteOnStatus = 0x90;  // velocity 0 ends the note

}  // namespace

MidiOutDevice::MidiOutDevice(MidiBackend& backend, UserPrompts& prompts)
    : backend_(backend), prompts_(prompts), deviceCount_(backend.PortCount()) {}

MidiOutDevice::~MidiOutDevice() {
  Close();
}

bool MidiOutDevice::Open(int index) {
  if (index + 1 > deviceCount_) return false;
  if (index == currentIndex_) return true;
  if (open_) TearDown();

  const MidiResult opened = backend_.Open(index);
  if (opened != kMidiOk) {
    ReportMidiError(opened);
    currentIndex_ = -1;
    return false;
  }
  open_ = true;
  currentIndex_ = index;
  return true;
}

void MidiOutDevice::Close() {
  if (open_) TearDown();
  currentIndex_ = -1;
}

void MidiOutDevice::TearDown() {
  backend_.Reset();
  // The reset gave every queued piece up: the next port starts with a free pool.
  for (SendBuffer& buffer : pool_) buffer.MarkDone();
  backend_.Close();
  open_ = false;
  currentIndex_ = -1;
}

SendBuffer* MidiOutDevice::TakeFreeBuffer() {
  for (SendBuffer& buffer : pool_) {
    if (buffer.IsDone()) return &buffer;
  }
  return nullptr;
}

MidiResult MidiOutDevice::SendLong(std::span<const std::uint8_t> bytes) {
  if (!open_) return kMidiInvalidHandle;
  if (bytes.empty()) return kMidiOk;

  MidiResult result = kMidiOk;
  std::size_t remaining = bytes.size();
  const std::uint8_t* source = bytes.data();
  while (true) {
    SendBuffer* buffer = TakeFreeBuffer();
    if (buffer == nullptr) return kMidiNotReady;
    const auto chunk =
        static_cast<std::uint32_t>(std::min<std::size_t>(remaining, buffer->capacity));
    buffer->flags.fetch_and(~SendBuffer::kDone);
    buffer->bufferLength = chunk;
    std::memcpy(buffer->data.data(), source, chunk);
    result = backend_.QueueLong(*buffer);
    // A piece the platform refused was never queued: free its buffer again,
    // or the pool would shrink with every failed send.
    if (result != kMidiOk) buffer->MarkDone();
    remaining -= chunk;
    source += chunk;
    if (remaining == 0) break;
    if (result != kMidiOk) return result;
  }
  return result;
}

bool MidiOutDevice::SendShort(std::uint32_t packed) {
  const MidiResult result = open_ ? backend_.SendShort(packed) : kMidiInvalidHandle;
  if (result != kMidiOk) {
    ReportMidiError(result);
    return false;
  }
  return true;
}

bool MidiOutDevice::SendNoteOn(int note, int velocity, int channel) {
  return SendShort(PackChannelMessage(static_cast<std::uint8_t>(kNoteOnStatus | (channel & 0x0F)),
                                      static_cast<std::uint8_t>(note),
                                      static_cast<std::uint8_t>(velocity)));
}

std::vector<MidiPort> MidiOutDevice::Ports() {
  return ListPorts(backend_, deviceCount_, prompts_);
}

void MidiOutDevice::ReportMidiError(MidiResult code) {
  if (code == kMidiOk) return;
  prompts_.ShowMessage(backend_.ErrorText(code));
}

}  // namespace ravlo
