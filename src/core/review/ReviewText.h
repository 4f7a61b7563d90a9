#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace ravlo {

class ProgressLabel;
class XgModel;

// Turns recorded bytes (what a save would write) into readable text, appended
// to `text`: a summary of the model's voices and effects, the total, then one
// line per message with a sub-line per parameter of every bulk dump. Columns
// are separated by tabs, lines end with "\n". The progress label names each
// message as it is described. Bytes of any shape are described as far as they
// go and never read past; the result is always true.
bool BuildReviewText(const XgModel& model, std::span<const std::uint8_t> recorded,
                     std::string& text, ProgressLabel& progress);

// The description of one message, as its review line shows it after the
// byte count (used by the monitor of what was sent).
std::string DescribeMessage(const XgModel& model, std::span<const std::uint8_t> message);

}  // namespace ravlo
