#include "piano/PianoTables.h"

namespace ravlo {

int NoteKeyOffset(char32_t character) {
  for (const NoteKey& key : kNoteKeys) {
    if (static_cast<char32_t>(key.character) == character) return key.offset;
  }
  return -1;
}

}  // namespace ravlo
