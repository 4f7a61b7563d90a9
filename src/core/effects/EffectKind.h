#pragma once

#include <cstdint>

namespace ravlo {

// The three effect blocks of the tone generator at XG address 02 01 xx.
enum class EffectKind : uint8_t { Reverb, Chorus, Variation };

}  // namespace ravlo
