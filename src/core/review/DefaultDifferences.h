#pragma once

#include <string>
#include <vector>

namespace ravlo {

class XgModel;

// One parameter whose value differs from the XG default: where it is
// ("part 3", "drum 1 note 36"), its label, the stored value and the value
// read in its unit.
struct Difference {
  std::string where;
  std::string label;
  int raw = 0;
  std::string value;

  friend bool operator==(const Difference&, const Difference&) = default;
};

// Every parameter of `model` that differs from `defaults` (a model at the XG
// defaults), in block order: system, reverb, chorus, variation, (with
// Extended) insertions 1..4, the multi EQ and the display text, parts 1..16,
// drum setups, channels. An effect block that runs another type says
// so first, then its values that differ from that type's defaults.
// Parameters one of the two lacks are left out.
std::vector<Difference> ListDifferences(const XgModel& model, const XgModel& defaults);

// "part 3: Pan = 1 (L63)".
std::string DifferenceLine(const Difference& difference);

}  // namespace ravlo
