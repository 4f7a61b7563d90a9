#pragma once

#include <algorithm>
#include <vector>

#include "model/ModelChange.h"

namespace ravlo::test {

// Every change notice the model published, in order.
class RecordingObserver final : public ModelObserver {
 public:
  void ModelChanged(const ModelChange& change) override { notices.push_back(change); }

  // The notices about one block (and index, when given).
  std::vector<ModelChange> Of(ModelBlock block, int index = ModelChange::kAll) const {
    std::vector<ModelChange> found;
    std::copy_if(notices.begin(), notices.end(), std::back_inserter(found),
                 [&](const ModelChange& change) { return change.Concerns(block, index); });
    return found;
  }

  std::vector<ModelChange> notices;
};

}  // namespace ravlo::test
