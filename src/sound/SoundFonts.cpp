#include "SoundFonts.h"

#include "files/FileIo.h"

namespace ravlo {

std::string FindSoundFont(const std::string& chosen) {
  if (!chosen.empty()) return chosen;
  for (const char* path : kDefaultSoundFonts) {
    if (FileExists(path)) return path;
  }
  return {};
}

const char* const kNoSoundFontText =
    "No SoundFont found, so the built-in sound is silent. Install a General MIDI SoundFont "
    "(on Debian: sudo apt install timgm6mb-soundfont, or fluid-soundfont-gm), or choose any "
    ".sf2 or .sf3 file in Options > Sound.";

}  // namespace ravlo
