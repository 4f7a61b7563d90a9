#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/MidiOutDevice.h"
#include "model/XgModel.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/RecordingModelEvents.h"
#include "support/RecordingObserver.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"
#include "support/TypedIndices.h"

namespace ravlo::test {


// A model on an open fake port, with every outward interface recorded.
struct ModelRig {
  ModelRig() : device(backend, prompts), model(device, events, pauser, UnitNumber::FromValue(0)) {
    EXPECT_TRUE(model.Initialise());
    EXPECT_TRUE(device.Open(0));
    model.Subscribe(changes);
  }
  ~ModelRig() { model.Unsubscribe(changes); }

  // Every sysex byte the port has seen since the last Clear.
  std::vector<std::uint8_t> Sent() const { return backend.Stream(); }
  void ClearSent() {
    backend.ClearSent();
    pauser.pauses.clear();
  }

  FakeMidiBackend backend;
  RecordingPrompts prompts;
  RecordingPauser pauser;
  RecordingModelEvents events;
  MidiOutDevice device;
  XgModel model;
  RecordingObserver changes;
};

class ModelFixture : public ::testing::Test, public ModelRig {};

}  // namespace ravlo::test
