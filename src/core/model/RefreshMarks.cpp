#include "model/RefreshMarks.h"

#include <algorithm>

namespace ravlo {

void RefreshMarks::Raise(RefreshMark mark, int value) {
  raised_[Index(mark)] = true;
  values_[Index(mark)] = value;
}

void RefreshMarks::Clear(RefreshMark mark) {
  raised_[Index(mark)] = false;
}

void RefreshMarks::ClearAll() {
  raised_.fill(false);
}

bool RefreshMarks::Any() const {
  return std::any_of(raised_.begin(), raised_.end(), [](bool raised) { return raised; });
}

}  // namespace ravlo
