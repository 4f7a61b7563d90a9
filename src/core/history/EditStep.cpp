#include "history/EditStep.h"

namespace ravlo {

const RegionChange* EditStep::Changes(std::size_t region) const {
  for (const RegionChange& change : changes) {
    if (change.region == region) return &change;
  }
  return nullptr;
}

void EditStep::Patch(std::size_t region, StepSide side, std::span<ImageCell> cells) const {
  const RegionChange* change = Changes(region);
  if (change == nullptr) return;
  for (const CellChange& cell : change->cells) {
    if (cell.cell < cells.size()) cells[cell.cell] = cell.On(side);
  }
}

}  // namespace ravlo
