// How fast messages leave through Emit: recorded into the output buffer (a
// save or review) and sent live into the monitor port (an edit).
#include <benchmark/benchmark.h>

#include <vector>

#include "MonitorBackend.h"
#include "history/EditHistory.h"
#include "messages/XgMessages.h"
#include "support/ModelRig.h"

namespace ravlo::bench {
namespace {

using Rig = test::BasicModelRig<MonitorBackend>;
constexpr UnitNumber kUnit = UnitNumber::FromValue(0);

// 1,000 messages: parameter changes of 1, 2 and 4 data bytes, and bulk dumps
// of every data size from 0 to 381 bytes (up to 392 bytes on the wire).
std::vector<XgMessage> MixedStream() {
  std::vector<XgMessage> stream;
  std::vector<std::uint8_t> data(kMaxBulkData, 0x40);
  std::size_t bulkSize = 0;
  const std::uint8_t two[] = {0x08, 0x00};
  const std::uint8_t four[] = {0x00, 0x04, 0x00, 0x00};
  for (int i = 0; stream.size() < 1000; ++i) {
    switch (i % 4) {
      case 0:
        stream.push_back(
            BuildParameterChange(kUnit, {0x08, static_cast<std::uint8_t>(i % 16), 0x0B}, 0x50));
        break;
      case 1:
        stream.push_back(BuildParameterChange(kUnit, {0x08, 0x00, 0x09}, two));
        break;
      case 2:
        stream.push_back(BuildParameterChange(kUnit, {0x00, 0x00, 0x00}, four));
        break;
      default:
        stream.push_back(
            BuildBulkDump(kUnit, kXgModelId, {0x08, 0x00, 0x00}, std::span(data).first(bulkSize)));
        bulkSize = (bulkSize + 1) % (kMaxBulkData + 1);
        break;
    }
  }
  return stream;
}

void BM_RecordMixedStream(benchmark::State& state) {
  Rig rig;
  const std::vector<XgMessage> stream = MixedStream();
  std::size_t bytes = 0;
  for (auto _ : state) {
    rig.model.BeginRecording();
    for (const XgMessage& message : stream) rig.model.Emit(message.Bytes());
    bytes += rig.model.TakeRecording().size();
    rig.model.EndRecording();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1000);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_RecordMixedStream);

void BM_SetterIntoMonitor(benchmark::State& state) {
  Rig rig;
  int volume = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rig.model.System().SetMasterVolume(volume));
    volume = (volume + 1) & 0x7F;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SetterIntoMonitor);

// The same field as an edit the user can take back: the image compared
// before and after.
void BM_RecordedSetterIntoMonitor(benchmark::State& state) {
  Rig rig;
  EditHistory history(rig.model);
  int volume = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(history.Record("Master Volume", replay::Values{}, [&] {
      return rig.model.System().SetMasterVolume(volume);
    }));
    volume = (volume + 1) & 0x7F;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_RecordedSetterIntoMonitor);

// Undo of one field with a full history: each iteration takes the newest
// step back and does it again, two items.
void BM_UndoFieldIntoMonitor(benchmark::State& state) {
  Rig rig;
  EditHistory history(rig.model);
  for (std::size_t i = 0; i < EditHistory::kStepLimit; ++i) {
    history.Record("Part 1 Volume", replay::Values{}, [&] {
      return rig.model.Parts().SetPartValue(PartIndex::FromIndex(0), 0x0B,
                                            static_cast<int>(i % 128));
    });
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(history.Undo());
    benchmark::DoNotOptimize(history.Redo());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2);
}
BENCHMARK(BM_UndoFieldIntoMonitor);

}  // namespace
}  // namespace ravlo::bench
