#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "messages/XgMessage.h"
#include "model/ImageCell.h"
#include "parts/PartParameterTable.h"
#include "parts/PartTable.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

class XgModel;

// The 16 multi parts (PartTable) with the operations that change them: the
// setters that send part edits, voice selection with its drum-kit rules, the
// part mode with the voice that goes with it, the receive channel with the
// channel rows that follow it, what a file or a read-back brings, and the
// part send of a pass. Every setter stores what went out and tells the
// model's observers; a failed send stores nothing.
class PartModel : public PartTable {
 public:
  // The three bytes the Mode dialog edits, from 05.
  static constexpr int kModeFirstAddress = 0x05;
  using ModeBytes = std::array<std::uint8_t, 3>;

  explicit PartModel(XgModel& model, int partCount = kPartCount);

  // Everything back to the defaults; the model tells its observers.
  void ResetToDefaults();

  // --- Setters ------------------------------------------------------------
  // One 9-byte change 08 pp aa vv; 0xFF sends nothing and fails.
  bool SetPartParameter(PartIndex part, int address, std::uint8_t value);
  // One 10-byte change 08 pp aa xx yy (detune); a value of 0xFF fails.
  bool SetPartParameterPair(PartIndex part, int address, std::uint8_t first, std::uint8_t second);
  // A run of addresses: 0xFF values are skipped, detune travels as a pair,
  // and the mirrored addresses update the controller table. Stops at the
  // first failure; what went before it is stored.
  bool SetPartParameters(PartIndex part, int firstAddress, std::span<const std::uint8_t> values);
  // The shown value of the parameter at `address` (its descriptor's form and
  // range): false for a value out of range, a parameter the part lacks, or a
  // failed send.
  bool SetPartValue(PartIndex part, int address, int shown);
  // The shown value; nothing for a parameter the part lacks.
  std::optional<int> PartValue(PartIndex part, int address) const;

  // The receive channel, and off and back on: a part switched off keeps the
  // channel it had, to go back to.
  bool SetReceiveChannel(PartIndex part, MidiChannel channel);
  bool SwitchPartOff(PartIndex part);
  bool SwitchPartOn(PartIndex part);
  bool IsOff(PartIndex part) const;
  // The channel the part receives on, or, while off, the one it goes back to.
  MidiChannel ShownChannel(PartIndex part) const;

  // Mono/poly, same key and part mode (05 .. 07; 0xFF skipped). A changed
  // part mode brings the voice that goes with the mode, sent when it differs.
  bool SetPartMode(PartIndex part, const ModeBytes& bytes);

  // Sends and applies a voice chosen for one part (catalogue index 0..522).
  bool SelectPartVoice(PartIndex part, int voiceIndex);
  // Applies a voice sent on a channel to every part on it; sends only the
  // Drum Setup Reset of the drum-kit rule.
  void ApplyChannelVoice(MidiChannel channel, int program, int bankMsb, int bankLsb);

  // --- Reading ------------------------------------------------------------
  // The parameter at `address` as the model's instrument has it (the
  // extended one's part modes and part EQ); nullptr where it has none.
  const PartParameter* Parameter(int address) const;
  // True for an address of a parameter the instrument's parts have.
  bool IsParameterAddress(int address) const;
  // The last address of the instrument's part: 0x6E, or the part EQ's 0x77.
  int LastAddress() const;
  bool GetPartByte(PartIndex part, int address, std::uint8_t& value) const;
  bool GetPartBytes(PartIndex part, int firstAddress, std::span<std::uint8_t> out) const;
  // The lowest part receiving on the channel.
  std::optional<PartIndex> FindPartByChannel(MidiChannel channel) const;
  // The one part receiving on the channel; none when none or several do.
  std::optional<PartIndex> SolePartOnChannel(MidiChannel channel) const;
  bool IsDrumPart(PartIndex part) const;
  // True when the part, by its mode, has a parameter at `address`.
  bool HasParameter(PartIndex part, int address) const;
  // The Mode dialog's choices a part may pick: a drum part only the drum
  // setup modes, a normal part only the others, and mono/poly only where the
  // part has it. (The setters themselves refuse none of them.)
  bool ModeChoiceAllowed(PartIndex part, int address, int value) const;
  VoiceLookup PartVoiceName(PartIndex part) const;

  // --- Received -----------------------------------------------------------
  // Bytes a file or a read-back brought, at their own addresses, with what a
  // changed part mode brings (PartTable::TakeReceivedBytes); sends nothing,
  // one notice. A drum setup part that now plays another kit sets its drum
  // setup up for that kit, as the synthesizer does. False for a part or a
  // run out of range.
  bool StorePartBytes(PartIndex part, int firstAddress, std::span<const std::uint8_t> values);
  // A bulk dump's data from the start of a part or from its second half:
  // what the part's mode lacks stays marked as no parameter (from the start,
  // the dump's own mode decides), and bytes past the last address are
  // ignored. One notice.
  bool StorePartDump(PartIndex part, int firstAddress, std::span<const std::uint8_t> data);

  // --- The edit history's view ---------------------------------------------
  // A part's bytes in address order, then the channel it goes back to when
  // switched on, then its EQ bytes. PutCells stores them without a message
  // (one notice); SendCell sends the parameter a cell belongs to with the
  // value `target` holds for it (a pair as a pair; 0xFF and the channel to go
  // back to have no message).
  static constexpr std::size_t kCellCount = kPartAddressCount + 1 + part_eq::kSize;
  bool CopyCells(PartIndex part, std::span<ImageCell> cells) const;
  bool PutCells(PartIndex part, std::span<const ImageCell> cells);
  CellSend SendCell(PartIndex part, std::size_t cell, std::span<const ImageCell> target);

  // --- Send pass ----------------------------------------------------------
  // The part as a bulk send writes it and the synthesizer answers requests
  // for it: the dumps of its two halves, from 08 pp 00 and from 08 pp 30.
  std::array<XgMessage, 2> BulkDumps(PartIndex part) const;
  // Bulk halves, or element reserves then every differing parameter.
  bool SendParts(bool nonDefaultOnly, unsigned delayMs);

 private:
  // Writes sent bytes and tells: one notice per changed parameter.
  void StoreSent(PartIndex part, int address, std::span<const std::uint8_t> bytes);
  // After a stored change: the controller mirror and the channel rows.
  void Follow(PartIndex part, int address, std::uint8_t old, std::uint8_t value);
  void MirrorController(PartIndex part, int address, std::uint8_t value);
  void PublishVoiceChange(PartIndex part);
  // A received voice or mode: the drum setup of a drum setup part takes the
  // kit the part now plays (notes at its defaults), without a message.
  void FollowDrumKit(PartIndex part);
  // True for a mode that holds one of the model's drum setups (2 .. 3, or 2 .. 5 extended).
  bool HoldsDrumSetup(int mode) const;
  // The drum setup mode a kit chosen for `part` goes to.
  int ChooseDrumMode(PartIndex part) const;
  // Resets a setup for a newly chosen kit (Drum Setup Reset, then the kit's notes).
  void TakeDrumKit(int mode, int bankMsb, int program);
  void PutVoiceBytes(PartIndex part, int bankMsb, int bankLsb, int program);
  // The voice the new mode brings: the lowest part already in it, or the kit
  // of its drum setup; none for a normal mode no part plays.
  std::optional<std::array<std::uint8_t, 3>> ModeVoice(PartIndex part, int newMode) const;
  // One parameter change followed by the delay.
  bool SendAndPause(PartIndex part, int address, std::uint8_t value, unsigned delayMs);
  bool SendElementReserves(unsigned delayMs);
  bool SendPartBulk(PartIndex part, unsigned delayMs);
  bool SendPartDifferences(PartIndex part, unsigned delayMs);
  // The part EQ, each parameter or each one that differs, with the delay.
  bool SendPartEq(PartIndex part, bool nonDefaultOnly, unsigned delayMs);

  XgModel& model_;
  // The channel each part goes back to when switched on again.
  std::vector<MidiChannel> channelsToRestore_;
};

}  // namespace ravlo
