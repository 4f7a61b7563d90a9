#pragma once

#include "midi/DiscardingBackend.h"
#include "midi/MidiOutDevice.h"
#include "model/XgModel.h"
#include "platform/QuietPlatform.h"

namespace ravlo::fuzz {

// An initialised model on an open port that discards everything: the fuzz
// targets probe the core, nothing else.
struct FuzzRig {
  FuzzRig() {
    if (!model.Initialise() || !device.Open(0)) __builtin_trap();
  }

  DiscardingBackend backend;
  QuietPrompts prompts;
  NoPauser pauser;
  IgnoredModelEvents events;
  MidiOutDevice device{backend, prompts};
  XgModel model{device, events, pauser, 0};
};

}  // namespace ravlo::fuzz
