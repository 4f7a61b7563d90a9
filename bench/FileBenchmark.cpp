// Taking files in, saving and reviewing: the intake against a bare scan of
// the same bytes (F0/F7 pairs, no model work), the MIDI-file scan, a full
// all-bulk save, and the review of it.
#include <benchmark/benchmark.h>

#include <vector>

#include "intake/SysexIntake.h"
#include "intake/SysexScanner.h"
#include "messages/XgMessages.h"
#include "platform/ProgressLabel.h"
#include "review/ReviewText.h"
#include "sendpass/SendChoices.h"
#include "sendpass/SendPass.h"
#include "support/ModelRig.h"

namespace ravlo::bench {
namespace {

constexpr std::size_t kImageSize = 1 << 20;
constexpr UnitNumber kUnit = UnitNumber::FromValue(0);

struct Rig : test::BasicModelRig<> {
  SilentProgress progress;
  test::CountingIntakeHost host;
  SysexIntake intake{model, prompts, progress, host};
};

// Part, drum, effect and system parameter changes and bulk dumps, and a
// user voice now and then, as a real edited song's setup would hold them.
std::vector<std::uint8_t> MixedSysexImage() {
  std::vector<std::uint8_t> image;
  const auto add = [&](const XgMessage& message) {
    image.insert(image.end(), message.Bytes().begin(), message.Bytes().end());
  };
  std::vector<std::uint8_t> first(41, 0x40);
  first[0x07] = 0;
  std::vector<std::uint8_t> second(63, 0x40);
  std::vector<std::uint8_t> drum(16, 0x40);
  std::vector<std::uint8_t> voice(381, 0x00);
  for (unsigned i = 0; image.size() < kImageSize; ++i) {
    const auto part = static_cast<std::uint8_t>(i % 16);
    add(BuildParameterChange(kUnit, {0x08, part, 0x0B}, static_cast<std::uint8_t>(i & 0x7F)));
    add(BuildParameterChange(kUnit, {0x30, static_cast<std::uint8_t>(13 + i % 79), 0x02}, 0x50));
    add(BuildParameterChange(kUnit, {0x02, 0x01, 0x02}, 0x12));
    add(BuildParameterChange(kUnit, {0x00, 0x00, 0x04}, 0x70));
    add(BuildBulkDump(kUnit, kXgModelId, {0x08, part, 0x00}, first));
    add(BuildBulkDump(kUnit, kXgModelId, {0x08, part, 0x30}, second));
    add(BuildBulkDump(kUnit, kXgModelId, {0x31, static_cast<std::uint8_t>(13 + i % 79), 0x00},
                      drum));
    if (i % 8 == 0)
      add(BuildBulkDump(kUnit, kQs300ModelId, {0x11, static_cast<std::uint8_t>(i % 32), 0}, voice));
  }
  return image;
}

// The same messages as sysex events of a standard MIDI file track.
std::vector<std::uint8_t> MidiFileImage(const std::vector<std::uint8_t>& sysex) {
  std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
                                 1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0, 0};
  SysexScanner scanner = SysexScanner::Plain(sysex);
  while (const auto message = scanner.Next()) {
    const auto bytes = scanner.MessageBytes(*message);
    const std::size_t length = bytes.size() - 1;
    file.push_back(0x00);  // delta time
    file.push_back(0xF0);
    if (length >= 128) file.push_back(static_cast<std::uint8_t>(0x80 | (length >> 7)));
    file.push_back(static_cast<std::uint8_t>(length & 0x7F));
    file.insert(file.end(), bytes.begin() + 1, bytes.end());
  }
  return file;
}

void BM_ScanOnlyBaseline(benchmark::State& state) {
  const std::vector<std::uint8_t> image = MixedSysexImage();
  for (auto _ : state) {
    SysexScanner scanner = SysexScanner::Plain(image);
    std::size_t messages = 0;
    while (scanner.Next()) ++messages;
    benchmark::DoNotOptimize(messages);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_ScanOnlyBaseline)->Unit(benchmark::kMillisecond);

// The intake of one image, fresh each round (a MIDI file's image is written to).
void TakeInRepeatedly(benchmark::State& state, const std::vector<std::uint8_t>& original) {
  Rig rig;
  std::vector<std::uint8_t> image;
  for (auto _ : state) {
    image = original;
    const IntakeResult result = rig.intake.TakeIn(image);
    benchmark::DoNotOptimize(result.counts.recognisedBytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * original.size()));
}

void BM_IntakeSysex(benchmark::State& state) {
  TakeInRepeatedly(state, MixedSysexImage());
}
BENCHMARK(BM_IntakeSysex)->Unit(benchmark::kMillisecond);

void BM_IntakeMidiFile(benchmark::State& state) {
  TakeInRepeatedly(state, MidiFileImage(MixedSysexImage()));
}
BENCHMARK(BM_IntakeMidiFile)->Unit(benchmark::kMillisecond);

SendChoices AllBulk() {
  SendChoices choices;
  choices.ClearNonDefaultBoxes();
  return choices;
}

void BM_FullSave(benchmark::State& state) {
  Rig rig;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto recorded = RecordSendPass(rig.model, AllBulk(), rig.progress);
    bytes += recorded->size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_FullSave)->Unit(benchmark::kMicrosecond);

void BM_ReviewOfFullSave(benchmark::State& state) {
  Rig rig;
  const auto recorded = RecordSendPass(rig.model, AllBulk(), rig.progress);
  for (auto _ : state) {
    std::string text;
    BuildReviewText(rig.model, *recorded, text, rig.progress);
    benchmark::DoNotOptimize(text.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * recorded->size()));
}
BENCHMARK(BM_ReviewOfFullSave)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ravlo::bench
