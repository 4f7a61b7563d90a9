#pragma once

#include "model/ModelEvents.h"
#include "model/RefreshMarks.h"

namespace ravlo::test {

class RecordingModelEvents final : public ModelEvents {
 public:
  void RaiseMark(RefreshMark mark, int value) override { marks.Raise(mark, value); }
  void ResetRequested() override { ++resetRequests; }
  void DrumSetupResetArrived() override { ++drumSetupResets; }
  void AllParametersReset() override { ++allParameterResets; }

  RefreshMarks marks;
  int resetRequests = 0;
  int drumSetupResets = 0;
  int allParameterResets = 0;
};

}  // namespace ravlo::test
