#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/StepReplay.h"
#include "model/ImageCell.h"

namespace ravlo {

// The two ends of a step: the image before the edit, and after it.
enum class StepSide { Before, After };

// Whether an edit may join the newest step: the keystrokes of a name typed
// into the voice are one step, as the digits typed into a field are, and so
// is a fader's drag. Opens starts such a step without joining the one before
// (a new drag).
enum class StepJoin { Separate, Opens, WithSameName };

// One cell an edit changed.
struct CellChange {
  std::uint32_t cell = 0;
  ImageCell before = 0;
  ImageCell after = 0;

  ImageCell On(StepSide side) const { return side == StepSide::Before ? before : after; }
};

// The changed cells of one region of the image, in cell order.
struct RegionChange {
  std::size_t region = 0;
  std::vector<CellChange> cells;
};

// One edit as the user thinks of it: its name for the Edit menu, how it
// goes back and forth, and only the cells it changed.
struct EditStep {
  std::string name;
  StepReplay replay;
  std::vector<RegionChange> changes;

  bool joinable = false;

  const RegionChange* Changes(std::size_t region) const;
  // Takes a later step in: its cells' after values, with this step's before
  // values kept; cells back where they started drop out.
  void Absorb(const EditStep& later);
  // The region's cells as they are now, with the step's cells at `side`.
  void Patch(std::size_t region, StepSide side, std::span<ImageCell> cells) const;
};

}  // namespace ravlo
