#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ravlo {

class ProgressLabel;
class XgModel;
struct SendChoices;

// Replays the model category by category in the fixed order Reset, System,
// Reverb, Chorus, Variation, (with Extended) Insertion 1..4, Multi EQ and the
// display text, Parts, Drum 1, Drum 2, the kept extension
// parameters (where there are any), Controllers. The same
// pass sends live (Send) or records (Save, Save As, Review). A failure ends
// its own category only.
void RunSendPass(XgModel& model, const SendChoices& choices, ProgressLabel& progress);

// Runs the pass in saving mode into a fresh recording and returns what it
// recorded (the image of a .syx file); none when no recording could be had.
std::optional<std::vector<std::uint8_t>> RecordSendPass(XgModel& model, SendChoices choices,
                                                        ProgressLabel& progress);

}  // namespace ravlo
