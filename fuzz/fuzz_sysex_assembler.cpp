// Whatever pieces a backend is handed, the assembler only ever emits whole
// messages that start with F0 and end with F7.
#include <cstddef>
#include <cstdint>
#include <span>

#include "midi/SysexAssembler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ravlo::SysexAssembler assembler;
  const std::size_t piece = size > 0 ? (data[0] % 64) + 1 : 1;
  for (std::size_t offset = 0; offset < size; offset += piece) {
    const std::size_t length = offset + piece <= size ? piece : size - offset;
    assembler.Feed(std::span(data + offset, length), [](std::span<const std::uint8_t> message) {
      if (message.size() < 2 || message.front() != 0xF0 || message.back() != 0xF7) __builtin_trap();
    });
  }
  return 0;
}
