#include "midi/SysexAssembler.h"

namespace ravlo {

void SysexAssembler::Feed(std::span<const std::uint8_t> bytes, const MessageSink& sink) {
  for (std::uint8_t byte : bytes) {
    if (byte == 0xF0) {
      pending_.clear();
      pending_.push_back(byte);
      continue;
    }
    if (pending_.empty()) continue;
    if (pending_.size() >= kMaxMessage) {
      pending_.clear();
      continue;
    }
    pending_.push_back(byte);
    if (byte == 0xF7) {
      sink(pending_);
      pending_.clear();
    }
  }
}

}  // namespace ravlo
