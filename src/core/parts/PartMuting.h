#pragma once

#include <functional>

#include "model/Indices.h"

namespace ravlo {

class PartModel;

// Mute and solo, as a mixing desk has them, kept where the synthesizer keeps
// them: a muted part is one whose note reception (Rcv Note Message, 35) is
// off, so the instrument obeys and a file or a read-back brings the state
// with it. Nothing else remembers a mute.
namespace part_muting {

inline constexpr int kReceiveNoteAddress = 0x35;

bool IsMuted(const PartModel& parts, PartIndex part);
// True when some part is muted.
bool AnyMuted(const PartModel& parts);
// The part plays and every other part is muted.
bool IsSoloed(const PartModel& parts, PartIndex part);

// Sends the part's note switch when it changes; false when a send failed.
bool SetMuted(PartModel& parts, PartIndex part, bool muted);
// On: the part plays and every other part is muted. Off: every part plays.
// Only the switches that change are sent; stops at the first failed send.
bool SetSoloed(PartModel& parts, PartIndex part, bool soloed);

// Runs `save` while every muted part reads as playing, then mutes them again
// in the model; nothing is sent either way. A song saved unmuted keeps the
// musician's mutes on the synthesizer.
void WithMutesLifted(PartModel& parts, const std::function<void()>& save);

}  // namespace part_muting

}  // namespace ravlo
