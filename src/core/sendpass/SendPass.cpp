#include "sendpass/SendPass.h"

#include <string>

#include "model/XgModel.h"
#include "platform/ProgressLabel.h"
#include "sendpass/SendChoices.h"

namespace ravlo {

namespace {

void SendControllers(XgModel& model, const SendChoices& choices, ProgressLabel& progress) {
  const bool nonDefaultOnly = choices.controllers.nonDefaultOnly;
  for (int index = 0; index < MidiChannel::kCount; ++index) {
    const MidiChannel channel = MidiChannel::FromIndex(index);
    progress.SetItem("Controllers Channel " + std::to_string(index));
    // A part send already carries the voices, unless only differences go.
    const bool voice = nonDefaultOnly || !choices.part.send;
    // A failure ends the category, as in every other block.
    if (voice && !model.Channels().SendChannelVoice(channel, nonDefaultOnly, choices.delayMs))
      return;
    if (!model.Channels().SendChannelControllers(channel, nonDefaultOnly, choices.delayMs)) return;
  }
}

// The later instruments' blocks, after the Variation block as their
// addresses follow it.
void SendExtendedBlocks(XgModel& model, const SendChoices& choices, ProgressLabel& progress) {
  const unsigned delay = choices.delayMs;
  if (choices.insertion.send) {
    progress.SetItem("Insertion");
    for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
      if (!model.Insertions().SendBlock(block, choices.insertion.nonDefaultOnly, delay)) break;
    }
  }
  if (choices.multiEq.send) {
    progress.SetItem("Multi EQ");
    model.MultiEq().SendBlock(choices.multiEq.nonDefaultOnly, delay);
  }
  if (choices.display) {
    progress.SetItem("Display");
    model.DisplayText().Send(delay);
  }
}

}  // namespace

void RunSendPass(XgModel& model, const SendChoices& choices, ProgressLabel& progress) {
  const unsigned delay = choices.delayMs;
  progress.Show();
  if (choices.reset) {
    progress.SetItem("Reset");
    model.SendReset();
  }
  if (choices.system.send) {
    progress.SetItem("System");
    model.System().SendSystemBlock(choices.system.nonDefaultOnly, delay);
  }
  const struct {
    EffectKind kind;
    const CategoryChoice& choice;
    const char* label;
  } effects[] = {{EffectKind::Reverb, choices.reverb, "Reverb"},
                 {EffectKind::Chorus, choices.chorus, "Chorus"},
                 {EffectKind::Variation, choices.variation, "Variation"}};
  for (const auto& effect : effects) {
    if (!effect.choice.send) continue;
    progress.SetItem(effect.label);
    model.Effects().SendEffectBlock(effect.kind, effect.choice.nonDefaultOnly, delay);
  }
  if (model.IsExtended()) SendExtendedBlocks(model, choices, progress);
  if (choices.part.send) {
    progress.SetItem("Parts");
    model.Parts().SendParts(choices.part.nonDefaultOnly, delay);
  }
  for (int setup = 0; setup < model.Drums().Count(); ++setup) {
    const CategoryChoice& drum = choices.Drum(setup);
    if (!drum.send) continue;
    progress.SetItem("Drum " + std::to_string(setup + 1));
    model.Drums().SendDrumSetup(setup, drum.nonDefaultOnly, delay);
  }
  if (choices.userVoices && choices.savingMode && model.UserVoices().HasChangedVoices()) {
    progress.SetItem("User Voices");
    model.UserVoices().SendChangedVoices();
  }
  if (choices.extensions && !model.Extensions().Empty()) {
    progress.SetItem("Extensions");
    model.Extensions().SendParameters(delay);
  }
  // Channel messages cannot be recorded: a saving pass never sends them.
  if (choices.controllers.send && !choices.savingMode) SendControllers(model, choices, progress);
  progress.Close();
}

std::optional<std::vector<std::uint8_t>> RecordSendPass(XgModel& model, SendChoices choices,
                                                        ProgressLabel& progress) {
  if (!model.BeginRecording()) return std::nullopt;
  choices.savingMode = true;
  RunSendPass(model, choices, progress);
  const std::span<const std::uint8_t> recorded = model.TakeRecording();
  std::vector<std::uint8_t> bytes(recorded.begin(), recorded.end());
  model.EndRecording();
  return bytes;
}

}  // namespace ravlo
