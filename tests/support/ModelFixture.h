#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/MidiOutDevice.h"
#include "model/XgModel.h"
#include "support/Bytes.h"
#include "support/FakeMidiBackend.h"
#include "support/RecordingModelEvents.h"
#include "support/RecordingPauser.h"
#include "support/RecordingPrompts.h"

namespace ravlo::test {

// A model on an open fake port, with every outward interface recorded.
struct ModelRig {
  ModelRig() : device(backend, prompts), model(device, events, pauser, 0) {
    EXPECT_TRUE(model.Initialise());
    EXPECT_TRUE(device.Open(0));
  }

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
};

class ModelFixture : public ::testing::Test, public ModelRig {};

}  // namespace ravlo::test
