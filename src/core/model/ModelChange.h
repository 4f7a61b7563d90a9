#pragma once

#include <optional>

#include "messages/XgMessage.h"

namespace ravlo {

// The parts of the image a change notice can name.
enum class ModelBlock {
  System,
  Reverb,
  Chorus,
  Variation,
  Part,
  Drum,
  Channel,
  UserVoice,
  // The later instruments' blocks (the Extended model): the index of an
  // insertion's notice is the insertion 0..3.
  Insertion,
  MultiEq,
  DisplayText,
  kCount
};

// One stored change: which block, which part, channel, drum setup, effect
// type or user voice in it, which parameter, and the value before and after.
// A change of many values at once (a load, a reset, a whole-block edit) names
// no parameter.
//
// The address is the parameter's XG address (drum notes: 3s nn pp). Channel
// rows, which have none, use mid 0 and low = the controller slot, or
// kChannelVoiceLow for the voice. Values are the stored form: a byte, the
// combined two-byte value of pairs (MSB * 128 + LSB, detune nibbles as one
// byte), the 11-bit master tune.
struct ModelChange {
  static constexpr int kAll = -1;
  static constexpr std::uint8_t kChannelVoiceLow = 0x7F;

  ModelBlock block = ModelBlock::System;
  int index = kAll;
  std::optional<XgAddress> address;
  int oldValue = 0;
  int newValue = 0;

  bool IsWhole() const { return !address.has_value(); }
  // True when the notice may concern `index` of `block`: its own, or all.
  bool Concerns(ModelBlock other, int otherIndex = kAll) const {
    return block == other && (index == kAll || otherIndex == kAll || index == otherIndex);
  }
};

// Everything that shows the image listens here: the editors, the mixer, the
// edit history. Notices arrive synchronously, after the value is stored.
class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  virtual void ModelChanged(const ModelChange& change) = 0;
};

}  // namespace ravlo
