#pragma once

#include <variant>

#include "effects/EffectKind.h"
#include "model/Indices.h"

namespace ravlo {

class ModelImage;
class XgModel;
struct EditStep;
enum class StepSide;

// How a step goes back and forth: the operation whose messages the edit
// sent, run again with the values of the side it goes to. Whatever else the
// step changed then follows by each parameter's own setter (or, for values
// with no message of their own, is stored).
namespace replay {

// Every value by its own setter: a field, a sub-dialog's fields, a drum
// note's Default.
struct Values {};
// A controller, sent on its channel (the parts on it take the value).
struct Controller {
  MidiChannel channel;
  int slot;
};
// Bank select MSB, LSB and program change on a channel.
struct ChannelVoice {
  MidiChannel channel;
};
// A voice chosen for a part, with the drum kit rules that come with it.
struct PartVoice {
  PartIndex part;
};
// Mono/poly, same key and part mode, with the voice the mode brings.
struct PartMode {
  PartIndex part;
};
// A run of part addresses sent together, as a dialog's OK sends it.
struct PartRun {
  PartIndex part;
  int first;
  int count;
};
// A whole effect block as its two dumps: a type change or a Default.
struct EffectBlock {
  EffectKind kind;
};
// The Variation connection and what makes it count.
struct VariationConnection {
  MidiChannel sendChannel;
};
// Drum Setup Reset: sent again going forward; going back, each parameter.
struct DrumSetupReset {
  int setup;
};
// User voices stored back; the Bank's changed voices sent whole.
struct UserVoices {};

}  // namespace replay

using StepReplay =
    std::variant<replay::Values, replay::Controller, replay::ChannelVoice, replay::PartVoice,
                 replay::PartMode, replay::PartRun, replay::EffectBlock,
                 replay::VariationConnection, replay::DrumSetupReset, replay::UserVoices>;

// Runs the step's own operation towards `side`; false when a message was
// refused (the model then holds what did go).
bool ReplayOperation(XgModel& model, const ModelImage& image, const EditStep& step, StepSide side);

}  // namespace ravlo
