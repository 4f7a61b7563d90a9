#pragma once

#include <string>

namespace ravlo {

// Where the General MIDI SoundFont comes from: the one named, or the one
// Debian's default-GM alternative names (SF3 first, then SF2).
inline constexpr const char* kDefaultSoundFonts[] = {"/usr/share/sounds/sf3/default-GM.sf3",
                                                     "/usr/share/sounds/sf2/default-GM.sf2"};

// The SoundFont to load: `chosen` when given, else the first default that
// exists; "" when there is none.
std::string FindSoundFont(const std::string& chosen);

// What to tell when no SoundFont is found, and how to get one.
extern const char* const kNoSoundFontText;

}  // namespace ravlo
