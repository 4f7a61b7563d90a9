// Recorded or loaded bytes of any shape must be turned into review text
// without reading past a message.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "effects/EffectKind.h"
#include "effects/EffectTypeTables.h"
#include "midi/MidiBackend.h"
#include "midi/MidiOutDevice.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "platform/Pauser.h"
#include "platform/ProgressLabel.h"
#include "platform/UserPrompts.h"
#include "review/ReviewText.h"

namespace {

// The review only reads the model, so nothing below it needs to do anything.
class NoBackend final : public ravlo::MidiBackend {
 public:
  int PortCount() override { return 0; }
  ravlo::MidiResult PortName(int, std::string&) override { return ravlo::kMidiBadDeviceId; }
  ravlo::MidiResult Open(int) override { return ravlo::kMidiBadDeviceId; }
  ravlo::MidiResult Prepare(ravlo::SendBuffer&) override { return ravlo::kMidiOk; }
  ravlo::MidiResult Unprepare(ravlo::SendBuffer&) override { return ravlo::kMidiOk; }
  ravlo::MidiResult QueueLong(ravlo::SendBuffer&) override { return ravlo::kMidiInvalidHandle; }
  ravlo::MidiResult SendShort(std::uint32_t) override { return ravlo::kMidiInvalidHandle; }
  void Reset() override {}
  void Close() override {}
  std::string ErrorText(ravlo::MidiResult) override { return {}; }
};

class NoPrompts final : public ravlo::UserPrompts {
 public:
  void ShowMessage(std::string_view, ravlo::MessageIcon) override {}
  ravlo::Answer AskYesNo(std::string_view) override { return ravlo::Answer::No; }
  ravlo::Answer AskYesNoCancel(std::string_view) override { return ravlo::Answer::Cancel; }
  void Beep() override {}
  ravlo::FileChoice ChooseFileToOpen(const ravlo::FileDialogRequest&) override { return {}; }
  ravlo::FileChoice ChooseFileToSave(const ravlo::FileDialogRequest&) override { return {}; }
};

class NoPauser final : public ravlo::Pauser {
 public:
  void Pause(unsigned) override {}
};

class NoEvents final : public ravlo::ModelEvents {
 public:
  void RaiseMark(ravlo::RefreshMark, int) override {}
  void ResetRequested() override {}
  void AllParametersReset() override {}
  void DrumSetupWasReset(int) override {}
  void PartControllerMirrored(int, int, int) override {}
};

struct Fixture {
  NoBackend backend;
  NoPrompts prompts;
  NoPauser pauser;
  NoEvents events;
  ravlo::MidiOutDevice device{backend, prompts};
  ravlo::XgModel model{device, events, pauser, 0};
  Fixture() {
    if (!model.Initialise()) __builtin_trap();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  // The first byte picks the Variation type, which names the Variation
  // parameters; the rest is the recording.
  if (size > 0) {
    fixture.model.Effects().SetType(ravlo::EffectKind::Variation,
                                    data[0] % static_cast<int>(ravlo::kVariationTypeCount));
  }
  const std::span<const std::uint8_t> recorded =
      size > 0 ? std::span(data + 1, size - 1) : std::span<const std::uint8_t>();
  std::string text;
  ravlo::SilentProgress progress;
  if (!ravlo::BuildReviewText(fixture.model, recorded, text, progress)) __builtin_trap();
  return 0;
}
