#pragma once

#include <string>
#include <vector>

#include "messages/XgMessage.h"

namespace ravlo {

class XgModel;

// A block of the image as a read-back asks for it and reports it: the system
// block, one effect block, one multi part or one drum setup.
struct ImageBlock {
  // Insertion and MultiEq only with the Extended model.
  enum class Kind { System, Reverb, Chorus, Variation, Part, DrumSetup, Insertion, MultiEq };

  Kind kind = Kind::System;
  int index = 0;  // the part 0..15, the drum setup 0..1 or the insertion 0..3

  // "System", "Reverb", "Part 3", "Drum setup 2".
  std::string Name() const;
  // The dumps that carry the block as a bulk send of `model` writes them:
  // their addresses and counts are what the synthesizer answers with (a drum
  // setup: one dump per note of its kit). With the extended model a part's
  // EQ follows as parameter changes, each asked for on its own.
  std::vector<XgMessage> Dumps(const XgModel& model) const;

  friend bool operator==(const ImageBlock&, const ImageBlock&) = default;
};

// System, Reverb, Chorus, Variation, (with Extended) Insertion 1..4 and the
// multi EQ, every part, every drum setup: the order in which a read-back asks
// for them.
std::vector<ImageBlock> ImageBlocks(const XgModel& model);

}  // namespace ravlo
