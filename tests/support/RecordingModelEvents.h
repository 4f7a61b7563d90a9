#pragma once

#include <functional>
#include <vector>

#include "model/ModelEvents.h"
#include "model/RefreshMarks.h"

namespace ravlo::test {

class RecordingModelEvents final : public ModelEvents {
 public:
  void RaiseMark(RefreshMark mark, int value) override { marks.Raise(mark, value); }
  void ResetRequested() override {
    ++resetRequests;
    if (onResetRequested) onResetRequested();
  }
  void DrumSetupWasReset(int setup) override { drumSetupResets.push_back(setup); }
  void AllParametersReset() override { ++allParameterResets; }

  RefreshMarks marks;
  int resetRequests = 0;
  // What the main window would do on a reset request, where a test needs it.
  std::function<void()> onResetRequested;
  std::vector<int> drumSetupResets;
  int allParameterResets = 0;
};

}  // namespace ravlo::test
