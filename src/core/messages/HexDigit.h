#pragma once

namespace ravlo {

// The upper-case hex digit of a nibble (its low four bits), as the review,
// the state report and every byte the program shows spell them.
constexpr char HexDigit(unsigned value) {
  return "0123456789ABCDEF"[value & 0x0F];
}

}  // namespace ravlo
