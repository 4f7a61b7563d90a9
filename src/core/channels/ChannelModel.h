#pragma once

#include <cstdint>
#include <span>

#include "channels/ChannelTables.h"
#include "model/ImageCell.h"

namespace ravlo {

class XgModel;

// The channel voice and controller tables with the operations that change
// them. The setters send channel messages (straight to the port, never into
// a recording), then store what went and tell the model's observers. The
// rows follow the parts: a part alone on its channel mirrors its voice and
// nine of the controllers, and a controller sent on a channel changes the
// mirrored parameter of every part on it, as it does in the synthesizer.
class ChannelModel : public ChannelTables {
 public:
  explicit ChannelModel(XgModel& model) : model_(model) {}

  // Control change `slot` on the channel; stored, and taken by its parts.
  bool SetController(MidiChannel channel, int slot, int value);
  // Sends the stored value of a slot again (the Variation window's system
  // connection needs the send level to count).
  bool SendController(MidiChannel channel, int slot);
  // Bank select MSB, LSB and program change (voice number 1..128). Only when
  // all three went is the voice stored and given to the parts on the channel.
  bool SetChannelVoice(MidiChannel channel, const ChannelVoice& voice);
  // The same for a catalogue voice (0..522); false for an unknown index.
  bool SelectChannelVoice(MidiChannel channel, int voiceIndex);

  // Stored without a message: the keyboard piano's modulation (it sent it
  // itself), a part's mirrored value, a part's newly chosen voice.
  // False (nothing stored) for a channel, slot or value out of range.
  bool StoreModulation(MidiChannel channel, int value);
  bool StoreSlot(MidiChannel channel, int slot, int value);
  void StoreVoice(MidiChannel channel, const ChannelVoice& voice);

  // When exactly one part receives on the channel, the rows take its voice
  // and mirrored values (expression and modulation keep theirs).
  void FollowSolePart(MidiChannel channel);
  // After a load: every channel from its sole part, or, with none or several
  // parts, back to the defaults.
  void SyncAllChannelsFromParts();

  // The edit history's view of a channel: the voice (bank MSB, program, bank
  // LSB), then the controller slots. Put back without a message: the rows
  // follow the parts, whose own messages go.
  static constexpr std::size_t kVoiceCellCount = 3;
  static constexpr std::size_t kCellCount = kVoiceCellCount + kControllerSlotCount;
  static constexpr std::size_t SlotCell(int slot) {
    return kVoiceCellCount + static_cast<std::size_t>(slot);
  }
  bool CopyCells(MidiChannel channel, std::span<ImageCell> cells) const;
  bool PutCells(MidiChannel channel, std::span<const ImageCell> cells);

  // The Send pass.
  bool SendChannelVoice(MidiChannel channel, bool nonDefaultOnly, unsigned delayMs);
  bool SendChannelControllers(MidiChannel channel, bool nonDefaultOnly, unsigned delayMs);

 private:
  void SyncChannelFromParts(MidiChannel channel);
  void ApplyControllerToParts(MidiChannel channel, int slot, int value);
  void PublishSlot(MidiChannel channel, int slot, int old, int value);

  XgModel& model_;
};

}  // namespace ravlo
