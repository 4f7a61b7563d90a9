#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace ravlo {

// What `serve` says about an output that had no room for an answer: at
// most one line a second, with how often it happened since the last line,
// however fast requests flood in.
class OutputFullReport {
 public:
  using Clock = std::chrono::steady_clock;

  // Adds `count` at `now`; the line to print, once a second has passed
  // since the last one.
  std::optional<std::string> Add(std::uint64_t count, Clock::time_point now);

 private:
  std::uint64_t pending_ = 0;
  std::optional<Clock::time_point> last_;
};

}  // namespace ravlo
