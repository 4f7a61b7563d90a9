// A whole read-back from the monitor's virtual synthesizer, in-process: what
// the program itself spends asking, checking and applying, with the
// transport taken out. The counters give what a read-back sends and gets
// back, and how long that takes on a MIDI cable at 3,125 bytes a second.
#include <benchmark/benchmark.h>

#include "MonitorBackend.h"
#include "intake/SysexIntake.h"
#include "midi/MidiInQueue.h"
#include "platform/ProgressLabel.h"
#include "receive/SynthReceiver.h"
#include "support/ModelRig.h"

namespace ravlo::bench {
namespace {

constexpr double kCableBytesPerSecond = 3125.0;

void BM_ReceiveFromVirtualSynth(benchmark::State& state) {
  test::BasicModelRig<MonitorBackend> rig;
  SilentProgress progress;
  test::CountingIntakeHost host;
  SysexIntake intake(rig.model, rig.prompts, progress, host);
  MidiInQueue input;
  rig.backend.Input().Open(0, [&input](std::span<const std::uint8_t> m) { input.Push(m); });
  SynthReceiver receiver(rig.model, intake, input, rig.pauser, progress);
  ReceiveReport report;
  for (auto _ : state) {
    report = receiver.Receive();
    rig.backend.Clear();
  }
  if (!report.Complete()) state.SkipWithError("the read-back did not complete");
  state.counters["requests"] = static_cast<double>(report.requests);
  state.counters["request_bytes"] = static_cast<double>(report.requestBytes);
  state.counters["answer_bytes"] = static_cast<double>(report.answerBytes);
  state.counters["cable_s"] =
      static_cast<double>(report.requestBytes + report.answerBytes) / kCableBytesPerSecond;
}
BENCHMARK(BM_ReceiveFromVirtualSynth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ravlo::bench
