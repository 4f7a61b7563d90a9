#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/ModelRig.h"
#include "support/RecordingModelEvents.h"
#include "support/RecordingObserver.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"
#include "support/TypedIndices.h"

namespace ravlo::test {

// A model on an open fake port, with every outward interface recorded.
struct ModelRig
    : BasicModelRig<FakeMidiBackend, RecordingPrompts, RecordingPauser, RecordingModelEvents> {
  ModelRig() { model.Subscribe(changes); }
  ~ModelRig() { model.Unsubscribe(changes); }

  // Every sysex byte the port has seen since the last Clear.
  std::vector<std::uint8_t> Sent() const { return backend.Stream(); }
  void ClearSent() {
    backend.ClearSent();
    pauser.pauses.clear();
  }

  RecordingObserver changes;
};

class ModelFixture : public ::testing::Test, public ModelRig {};

}  // namespace ravlo::test
