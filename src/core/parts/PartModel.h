#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "parts/PartTable.h"
#include "voices/VoiceCatalogue.h"

namespace ravlo {

class XgModel;

// The 16 multi parts (PartTable) with the operations that send part edits,
// select voices with their drum-kit rules, and send the parts in a pass.
// Part indexes are 0..15. Setters send but do not store.
class PartModel : public PartTable {
 public:
  explicit PartModel(XgModel& model, int partCount = kPartCount)
      : PartTable(partCount), model_(model) {}

  // One 9-byte change 08 pp aa vv; 0xFF sends nothing and fails.
  bool SetPartParameter(int part, int address, std::uint8_t value);
  // One 10-byte change 08 pp aa xx yy (detune); a value of 0xFF fails.
  bool SetPartParameterPair(int part, int address, std::uint8_t first, std::uint8_t second);
  // A run of addresses: 0xFF values are skipped, detune travels as a pair,
  // and the mirrored addresses update the controller table.
  bool SetPartParameters(int part, int firstAddress, std::span<const std::uint8_t> values);

  // Record access without messages; false for a part or address out of range.
  bool GetPartByte(int part, int address, std::uint8_t& value) const;
  bool PutPartByte(int part, int address, std::uint8_t value);
  bool GetPartBytes(int part, int firstAddress, std::span<std::uint8_t> out) const;
  bool PutPartBytes(int part, int firstAddress, std::span<const std::uint8_t> values);

  // The lowest part receiving on the channel; false when none does.
  bool FindPartByChannel(int channel, int& part) const;
  bool IsDrumPart(int part) const;
  VoiceLookup PartVoiceName(int part) const;

  // Sends and applies a voice chosen for one part (catalogue index 0..522).
  bool SelectPartVoice(int part, int voiceIndex);
  // Applies a voice chosen on a channel to every part on it; sends only the
  // Drum Setup Reset of the drum-kit rule.
  void ApplyChannelVoice(int channel, int program, int bankMsb, int bankLsb);
  // After a changed part mode was sent: the voice that goes with the mode.
  void AdoptModeVoice(int part, int newMode);

  // The pass's part send: bulk halves, or element reserves then every
  // differing parameter.
  bool SendParts(bool nonDefaultOnly, unsigned delayMs);

 private:
  // The drum setup mode (2 or 3) a kit chosen for `part` goes to.
  int ChooseDrumMode(int part) const;
  // Resets a setup for a newly chosen kit (Drum Setup Reset, then the kit's notes).
  void TakeDrumKit(int mode, int bankMsb, int program);
  void MirrorController(int part, int address, std::uint8_t value);
  int CountPartsOnChannel(int channel) const;
  void PutVoiceBytes(int part, int bankMsb, int bankLsb, int program);
  // One parameter change followed by the delay.
  bool SendAndPause(int part, int address, std::uint8_t value, unsigned delayMs);
  bool SendElementReserves(unsigned delayMs);
  bool SendPartBulk(int part, unsigned delayMs);
  bool SendPartDifferences(int part, unsigned delayMs);

  XgModel& model_;
};

}  // namespace ravlo
