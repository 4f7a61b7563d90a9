#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ravlo {

// What a second start hands the running copy over its local socket: a line
// "open PATH" per file, the path UTF-8 and percent-encoded, then the line
// "activate". Built here and read here, so that the reading can be fuzzed
// without a socket.
std::string BuildHandover(const std::vector<std::string>& files);

// Reads one connection's handover as its bytes arrive, within bounds that
// no real handover comes near: a line of at most 8 KiB, at most 1,000
// lines and 64 KiB in all. A connection that breaks one is broken, and
// nothing it named is to be opened; one that sent "activate" is complete.
// Lines it does not know are passed over.
class HandoverReader {
 public:
  static constexpr std::size_t kMaxLineBytes = 8 * 1024;
  static constexpr std::size_t kMaxLines = 1000;
  static constexpr std::size_t kMaxBytes = 64 * 1024;

  enum class State { Reading, Complete, Broken };

  // Takes the next bytes; what follows a completed or broken handover is
  // not looked at.
  State Feed(std::span<const std::uint8_t> bytes);
  State Current() const { return state_; }
  // The files named, in order, once complete; none otherwise.
  std::vector<std::string> Files() const;

 private:
  void TakeLine();

  State state_ = State::Reading;
  std::string line_;
  std::size_t bytes_ = 0;
  std::size_t lines_ = 0;
  std::vector<std::string> files_;
};

}  // namespace ravlo
