#pragma once

#include <string_view>

#include "voices/VoiceCatalogueData.h"

namespace ravlo {

// What the voice browsers' search box finds, as the musician types. Text
// finds the voices whose name or category holds it, in any case ("pno",
// "brass"). A number finds the voices of that program number (1..128);
// two or three numbers are bank MSB, bank LSB and program, in the order the
// browsers' columns show them ("0 18", "64/0/33"). An empty query finds
// every voice.
bool VoiceMatches(const VoiceRecord& voice, std::string_view query);

}  // namespace ravlo
