#pragma once

#include <cstdio>
#include <cstdlib>

#include "intake/IntakeHost.h"
#include "midi/DiscardingBackend.h"
#include "midi/MidiOutDevice.h"
#include "model/XgModel.h"
#include "platform/QuietPlatform.h"

namespace ravlo::test {

// An initialised model on the first port of an open backend: the one place
// where tests, fuzz targets and benchmarks build a model. By default nothing
// is kept and nobody answers; tests put their recording fakes in.
template <class Backend = DiscardingBackend, class Prompts = QuietPrompts,
          class PauserType = NoPauser, class Events = IgnoredModelEvents>
struct BasicModelRig {
  BasicModelRig() {
    // Whatever runs on the rig would measure or probe nothing without it.
    if (!model.Initialise() || !device.Open(0)) {
      std::fputs("BasicModelRig: no initialised model on an open port\n", stderr);
      std::abort();
    }
  }

  Backend backend;
  Prompts prompts;
  PauserType pauser;
  Events events;
  MidiOutDevice device{backend, prompts};
  XgModel model{device, events, pauser, UnitNumber::FromValue(0)};
};

// An intake host for runs that take bytes in without a synthesizer to reset:
// it only counts the resets it was asked for.
class CountingIntakeHost final : public IntakeHost {
 public:
  void AutoReset() override { ++resets; }
  int resets = 0;
};

}  // namespace ravlo::test
