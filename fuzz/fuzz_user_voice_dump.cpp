// A received QS300 dump of any shape must be taken in or refused, never read
// past its end.
#include <cstddef>
#include <cstdint>
#include <span>

#include "uservoice/UserVoice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravlo::UserVoice voice(0);
  if (voice.ParseDump(std::span(data, size))) {
    const auto dump = voice.BuildDump(ravlo::UnitNumber::FromValue(0), 0);
    ravlo::UserVoice copy(0);
    if (!copy.ParseDump(dump)) __builtin_trap();
    // The dump carries seven bits a byte; that much must come back.
    for (std::size_t i = 0; i < voice.Common().size(); ++i) {
      if (copy.Common()[i] != (voice.Common()[i] & 0x7F)) __builtin_trap();
    }
  }
  return 0;
}
