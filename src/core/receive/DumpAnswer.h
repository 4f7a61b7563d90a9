#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ravlo {

// What a message that arrived while a dump was asked for is to that request.
enum class AnswerCheck {
  Answer,        // the dump asked for, whole and sound
  Unrelated,     // no Yamaha bulk dump at all (notes, another maker's sysex)
  OtherAddress,  // a dump of another block: late, or asked for by someone else
  OtherUnit,     // a dump from another unit number
  OtherModel,    // a dump of another model ID
  Truncated,     // cut short: fewer bytes than its count, no F7, a status byte inside
  WrongCount,    // a count other than the block's, or more bytes than it says
  BadChecksum,
};

// Checks `message` against `expected`, the dump the program would build for
// the block itself: the same unit, model ID, address and count are asked
// for, and a checksum that adds up. Never reads past either span.
AnswerCheck CheckAnswer(std::span<const std::uint8_t> message,
                        std::span<const std::uint8_t> expected);

// "the answer's checksum is wrong" and the like; empty for Answer and for
// the messages that are no answer to the request at all.
std::string_view DescribeAnswerCheck(AnswerCheck check);

}  // namespace ravlo
