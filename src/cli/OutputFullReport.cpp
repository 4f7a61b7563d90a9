#include "OutputFullReport.h"

namespace ravlo {

std::optional<std::string> OutputFullReport::Add(std::uint64_t count, Clock::time_point now) {
  pending_ += count;
  if (pending_ == 0 || (last_ && now - *last_ < std::chrono::seconds(1))) return std::nullopt;
  const std::string line = "ravlo-cli: the output had no room " + std::to_string(pending_) +
                           (pending_ == 1 ? " time" : " times") +
                           "; answers waited or were dropped";
  pending_ = 0;
  last_ = now;
  return line;
}

}  // namespace ravlo
