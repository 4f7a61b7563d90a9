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
  // The port's pieces: whole messages, as every message a test sends fits one buffer.
  const std::vector<std::vector<std::uint8_t>>& Pieces() const { return backend.pieces; }

  // One byte as a file would put it: stored, nothing sent.
  void PutPartByte(int part, int address, std::uint8_t value) {
    const std::uint8_t bytes[] = {value};
    ASSERT_TRUE(model.Parts().StorePartBytes(PartAt(part), address, bytes));
  }
  void PutDrumByte(int setup, DrumNote note, int address, std::uint8_t value) {
    const std::uint8_t bytes[] = {value};
    ASSERT_TRUE(model.Drums().StoreDrumParameters(setup, note, address, bytes));
  }
  int PartByte(int part, int address) const {
    std::uint8_t value = 0;
    EXPECT_TRUE(model.Parts().GetPartByte(PartAt(part), address, value));
    return value;
  }
  int ChannelController(int channel, int slot) const {
    return model.Channels().Controller(ChannelAt(channel), slot);
  }

  RecordingObserver changes;
};

class ModelFixture : public ::testing::Test, public ModelRig {};

}  // namespace ravlo::test
