#include "history/EditStep.h"

#include <algorithm>

namespace ravlo {

const RegionChange* EditStep::Changes(std::size_t region) const {
  for (const RegionChange& change : changes) {
    if (change.region == region) return &change;
  }
  return nullptr;
}

void EditStep::Absorb(const EditStep& later) {
  for (const RegionChange& change : later.changes) {
    auto mine = std::find_if(changes.begin(), changes.end(),
                             [&](const RegionChange& c) { return c.region == change.region; });
    if (mine == changes.end()) {
      mine = changes.insert(std::upper_bound(changes.begin(), changes.end(), change.region,
                                             [](std::size_t region, const RegionChange& c) {
                                               return region < c.region;
                                             }),
                            RegionChange{change.region, {}});
    }
    for (const CellChange& cell : change.cells) {
      auto at = std::lower_bound(mine->cells.begin(), mine->cells.end(), cell.cell,
                                 [](const CellChange& c, std::uint32_t n) { return c.cell < n; });
      if (at != mine->cells.end() && at->cell == cell.cell) {
        at->after = cell.after;
      } else {
        mine->cells.insert(at, cell);
      }
    }
    std::erase_if(mine->cells, [](const CellChange& c) { return c.before == c.after; });
  }
  std::erase_if(changes, [](const RegionChange& c) { return c.cells.empty(); });
}

void EditStep::Patch(std::size_t region, StepSide side, std::span<ImageCell> cells) const {
  const RegionChange* change = Changes(region);
  if (change == nullptr) return;
  for (const CellChange& cell : change->cells) {
    if (cell.cell < cells.size()) cells[cell.cell] = cell.On(side);
  }
}

}  // namespace ravlo
