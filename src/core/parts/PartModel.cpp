#include "parts/PartModel.h"

#include <array>
#include <optional>

#include "channels/ControllerSlots.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "parts/PartTemplates.h"
#include "voices/VoiceCatalogueData.h"

namespace ravlo {

namespace {

constexpr std::uint8_t kPartBlockHigh = 0x08;
constexpr int kLastAddress = part_address::kLast;
constexpr std::size_t kFirstHalfCount = part_address::kFirstHalfEnd + 1;
constexpr std::size_t kSecondHalfCount = kPartAddressCount - part_address::kSecondHalfStart;
static_assert(kFirstHalfCount == 0x29 && kSecondHalfCount == 0x3F);

bool IsAddress(int address) {
  return address >= 0 && address <= kLastAddress;
}

// The gap between the two halves of the record: no parameter lives there.
bool IsGapAddress(int address) {
  return address > part_address::kFirstHalfEnd && address < part_address::kSecondHalfStart;
}

bool IsDrumKit(int bankMsb, int bankLsb) {
  return bankLsb == 0 && (bankMsb == kBankMsbDrumKit || bankMsb == kBankMsbSfxKit);
}

// Modes 2 and 3 each own a drum setup; only these can share a kit.
bool IsDrumSetupMode(int mode) {
  return mode >= kFirstDrumMode && mode < kFirstDrumMode + kDrumSetupCount;
}

bool Is7Bit(int value) {
  return value >= 0 && value <= 0x7F;
}

XgAddress PartAddress(int part, int address) {
  return {kPartBlockHigh, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(address)};
}

// The controller slot whose value a part address mirrors.
std::optional<int> MirroredSlot(int address) {
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (kControllerSlots[slot].partAddress == address) return static_cast<int>(slot);
  }
  return std::nullopt;
}

// A bulk dump carries no 0xFF: where the part's kind lacks the byte, 0 stands in.
std::uint8_t BulkByte(const PartRecord& record, const PartRecord& defaults, std::size_t address) {
  if (defaults[address] == kNoParameter || record[address] == kNoParameter) return 0;
  return record[address];
}

}  // namespace

// --- Setters ---------------------------------------------------------------

bool PartModel::SetPartParameter(int part, int address, std::uint8_t value) {
  if (!IsPart(part) || !IsAddress(address) || IsGapAddress(address)) return false;
  if (value == kNoParameter) return false;
  return model_.Emitter().EmitParameterChange(PartAddress(part, address), value);
}

bool PartModel::SetPartParameterPair(int part, int address, std::uint8_t first,
                                     std::uint8_t second) {
  if (!IsPart(part) || !IsAddress(address) || address + 1 > kLastAddress) return false;
  if (IsGapAddress(address) || IsGapAddress(address + 1)) return false;
  // Neither byte may carry the "no parameter" mark onto the wire.
  if (first == kNoParameter || second == kNoParameter) return false;
  const std::array<std::uint8_t, 2> data{first, second};
  return model_.Emitter().EmitParameterChange(PartAddress(part, address), data);
}

bool PartModel::SetPartParameters(int part, int firstAddress,
                                  std::span<const std::uint8_t> values) {
  if (!IsPart(part) || !IsAddress(firstAddress)) return false;
  if (values.size() > kPartAddressCount - static_cast<std::size_t>(firstAddress)) return false;
  const int end = firstAddress + static_cast<int>(values.size());
  for (int address = firstAddress; address < end; ++address) {
    const std::uint8_t value = values[static_cast<std::size_t>(address - firstAddress)];
    if (value == kNoParameter || IsGapAddress(address)) continue;
    if (address == part_address::kDetuneMsb) {
      // Detune only travels as a pair, so the run must hold both bytes.
      if (end <= part_address::kDetuneLsb) return false;
      const std::uint8_t lsb = values[static_cast<std::size_t>(address + 1 - firstAddress)];
      if (!SetPartParameterPair(part, address, value, lsb)) return false;
      ++address;
      continue;
    }
    if (!SetPartParameter(part, address, value)) return false;
    MirrorController(part, address, value);
  }
  return true;
}

void PartModel::MirrorController(int part, int address, std::uint8_t value) {
  const std::optional<int> slot = MirroredSlot(address);
  const PartRecord* record = Record(part);
  if (!slot || record == nullptr) return;
  const int channel = (*record)[part_address::kReceiveChannel];
  // With several parts on the channel the controller row belongs to none of them.
  if (!ChannelTables::IsChannel(channel) || CountPartsOnChannel(channel) != 1) return;
  if (model_.Channels().PutSlot(channel, *slot, value)) {
    model_.Events().PartControllerMirrored(channel, *slot, value);
  }
}

// --- Record access -----------------------------------------------------------

bool PartModel::GetPartByte(int part, int address, std::uint8_t& value) const {
  const PartRecord* record = Record(part);
  if (record == nullptr || !IsAddress(address)) return false;
  value = (*record)[static_cast<std::size_t>(address)];
  return true;
}

bool PartModel::PutPartByte(int part, int address, std::uint8_t value) {
  PartRecord* record = Record(part);
  if (record == nullptr || !IsAddress(address)) return false;
  (*record)[static_cast<std::size_t>(address)] = value;
  return true;
}

bool PartModel::GetPartBytes(int part, int firstAddress, std::span<std::uint8_t> out) const {
  const PartRecord* record = Record(part);
  if (record == nullptr || !IsAddress(firstAddress)) return false;
  const auto first = static_cast<std::size_t>(firstAddress);
  if (out.size() > kPartAddressCount - first) return false;
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = (*record)[first + i];
  return true;
}

bool PartModel::PutPartBytes(int part, int firstAddress, std::span<const std::uint8_t> values) {
  PartRecord* record = Record(part);
  if (record == nullptr || !IsAddress(firstAddress)) return false;
  const auto first = static_cast<std::size_t>(firstAddress);
  if (values.size() > kPartAddressCount - first) return false;
  for (std::size_t i = 0; i < values.size(); ++i) (*record)[first + i] = values[i];
  return true;
}

// --- Queries -------------------------------------------------------------------

bool PartModel::FindPartByChannel(int channel, int& part) const {
  if (!ChannelTables::IsChannel(channel)) return false;
  for (int candidate = 0; candidate < Count(); ++candidate) {
    if ((*Record(candidate))[part_address::kReceiveChannel] == channel) {
      part = candidate;
      return true;
    }
  }
  return false;
}

int PartModel::CountPartsOnChannel(int channel) const {
  int count = 0;
  for (int part = 0; part < Count(); ++part) {
    if ((*Record(part))[part_address::kReceiveChannel] == channel) ++count;
  }
  return count;
}

bool PartModel::IsDrumPart(int part) const {
  const PartRecord* record = Record(part);
  return record != nullptr && IsDrumMode((*record)[part_address::kPartMode]);
}

VoiceLookup PartModel::PartVoiceName(int part) const {
  const PartRecord* record = Record(part);
  if (record == nullptr) return {kVoiceNoneText, 0, -1};
  return FindVoice((*record)[part_address::kProgram] + 1, (*record)[part_address::kBankMsb],
                   (*record)[part_address::kBankLsb], model_);
}

// --- Voices ----------------------------------------------------------------------

int PartModel::ChooseDrumMode(int part) const {
  const int own = (*Record(part))[part_address::kPartMode];
  if (IsDrumSetupMode(own)) return own;
  for (int other = 0; other < Count(); ++other) {
    if ((*Record(other))[part_address::kPartMode] == kFirstDrumMode) return kFirstDrumMode + 1;
  }
  return kFirstDrumMode;
}

void PartModel::PutVoiceBytes(int part, int bankMsb, int bankLsb, int program) {
  PartRecord& record = *Record(part);
  record[part_address::kBankMsb] = static_cast<std::uint8_t>(bankMsb);
  record[part_address::kBankLsb] = static_cast<std::uint8_t>(bankLsb);
  record[part_address::kProgram] = static_cast<std::uint8_t>(program);
}

void PartModel::TakeDrumKit(int mode, int bankMsb, int program) {
  const int setup = mode - kFirstDrumMode;
  DrumModel& drums = model_.Drums();
  if (!drums.IsSetup(setup)) return;
  model_.System().DrumSetupReset(setup);
  // The new kit decides which notes exist; its defaults replace the old notes.
  drums.SetKitVoice(setup, DrumKitVoice{static_cast<std::uint8_t>(bankMsb),
                                        static_cast<std::uint8_t>(program), 0});
}

bool PartModel::SelectPartVoice(int part, int voiceIndex) {
  if (!IsPart(part)) return false;
  const std::optional<VoiceBank> bank = GetVoiceBank(voiceIndex);
  if (!bank) return false;
  const int msb = bank->bankMsb;
  const int lsb = bank->bankLsb;
  const int program = bank->program - 1;
  if (!SetPartParameter(part, part_address::kBankMsb, static_cast<std::uint8_t>(msb)) ||
      !SetPartParameter(part, part_address::kBankLsb, static_cast<std::uint8_t>(lsb)) ||
      !SetPartParameter(part, part_address::kProgram, static_cast<std::uint8_t>(program))) {
    return false;
  }

  PartRecord& record = *Record(part);
  if (IsDrumKit(msb, lsb)) {
    const int mode = ChooseDrumMode(part);
    if (!IsDrumMode(record[part_address::kPartMode])) ApplyModeDefaults(part, true);
    PutVoiceBytes(part, msb, 0, program);
    record[part_address::kPartMode] = static_cast<std::uint8_t>(mode);
    // Parts sharing the setup play the kit it now holds.
    for (int other = 0; other < Count(); ++other) {
      if (other != part && (*Record(other))[part_address::kPartMode] == mode) {
        PutVoiceBytes(other, msb, 0, program);
      }
    }
    TakeDrumKit(mode, msb, program);
  } else {
    if (IsDrumMode(record[part_address::kPartMode])) ApplyModeDefaults(part, false);
    PutVoiceBytes(part, msb, lsb, program);
  }

  const int channel = record[part_address::kReceiveChannel];
  if (ChannelTables::IsChannel(channel)) {
    model_.Channels().PutVoice(channel, ChannelVoice{static_cast<std::uint8_t>(msb),
                                                     static_cast<std::uint8_t>(program + 1),
                                                     static_cast<std::uint8_t>(lsb)});
  }
  return true;
}

void PartModel::ApplyChannelVoice(int channel, int program, int bankMsb, int bankLsb) {
  if (!ChannelTables::IsChannel(channel) || !Is7Bit(program) || !Is7Bit(bankMsb) ||
      !Is7Bit(bankLsb)) {
    return;
  }
  auto onChannel = [&](int part) {
    return (*Record(part))[part_address::kReceiveChannel] == channel;
  };

  if (!IsDrumKit(bankMsb, bankLsb)) {
    for (int part = 0; part < Count(); ++part) {
      if (!onChannel(part)) continue;
      if (IsDrumPart(part)) ApplyModeDefaults(part, false);
      PutVoiceBytes(part, bankMsb, bankLsb, program);
    }
    return;
  }

  int lowest = -1;
  if (!FindPartByChannel(channel, lowest)) return;
  const int mode = ChooseDrumMode(lowest);
  for (int part = 0; part < Count(); ++part) {
    PartRecord& record = *Record(part);
    if (onChannel(part)) {
      if (!IsDrumMode(record[part_address::kPartMode])) ApplyModeDefaults(part, true);
      PutVoiceBytes(part, bankMsb, bankLsb, program);
      record[part_address::kPartMode] = static_cast<std::uint8_t>(mode);
    } else if (record[part_address::kPartMode] == mode) {
      PutVoiceBytes(part, bankMsb, bankLsb, program);
    }
  }
  TakeDrumKit(mode, bankMsb, program);
}

void PartModel::AdoptModeVoice(int part, int newMode) {
  if (!IsPart(part)) return;
  for (int other = 0; other < Count(); ++other) {
    const PartRecord& source = *Record(other);
    if (source[part_address::kPartMode] == newMode) {
      PutVoiceBytes(part, source[part_address::kBankMsb], source[part_address::kBankLsb],
                    source[part_address::kProgram]);
      return;
    }
  }
  // No part plays the mode yet: a drum setup mode brings the kit its setup holds.
  if (!IsDrumSetupMode(newMode)) return;
  const DrumSetup* setup = model_.Drums().Setup(newMode - kFirstDrumMode);
  if (setup == nullptr) return;
  PutVoiceBytes(part, setup->kitVoice.bankMsb, setup->kitVoice.bankLsb, setup->kitVoice.program);
}

// --- Send pass -------------------------------------------------------------------

bool PartModel::SendAndPause(int part, int address, std::uint8_t value, unsigned delayMs) {
  if (!SetPartParameter(part, address, value)) return false;
  model_.Emitter().Pause(delayMs);
  return true;
}

bool PartModel::SendElementReserves(unsigned delayMs) {
  // Smaller reserves go first, freeing elements before other parts claim more.
  for (int value = 0; value < XgModel::kElementReserveLimit; ++value) {
    for (int part = 0; part < Count(); ++part) {
      const PartRecord& record = *Record(part);
      const int defaultReserve = TemplateFor(record)[part_address::kElementReserve];
      if (record[part_address::kElementReserve] != value || value == defaultReserve) continue;
      if (!SendAndPause(part, part_address::kElementReserve, static_cast<std::uint8_t>(value),
                        delayMs)) {
        return false;
      }
    }
  }
  return true;
}

bool PartModel::SendPartBulk(int part, unsigned delayMs) {
  const PartRecord& record = *Record(part);
  const PartRecord& defaults = TemplateFor(record);
  std::array<std::uint8_t, kFirstHalfCount> first{};
  for (std::size_t i = 0; i < first.size(); ++i) first[i] = BulkByte(record, defaults, i);
  std::array<std::uint8_t, kSecondHalfCount> second{};
  for (std::size_t i = 0; i < second.size(); ++i) {
    second[i] = BulkByte(record, defaults, part_address::kSecondHalfStart + i);
  }
  XgEmitter& emitter = model_.Emitter();
  if (!emitter.EmitBulkDump(model_.ModelId(), PartAddress(part, 0), first)) return false;
  emitter.Pause(delayMs);
  return emitter.EmitBulkDump(model_.ModelId(), PartAddress(part, part_address::kSecondHalfStart),
                              second);
}

bool PartModel::SendPartDifferences(int part, unsigned delayMs) {
  const PartRecord& record = *Record(part);
  const PartRecord& defaults = TemplateFor(record);
  for (int address = part_address::kBankMsb; address <= kLastAddress; ++address) {
    const auto a = static_cast<std::size_t>(address);
    if (defaults[a] == kNoParameter) continue;
    switch (address) {
      case part_address::kBankMsb: {
        // Bank select and program only mean something together.
        const bool same = record[part_address::kBankMsb] == defaults[part_address::kBankMsb] &&
                          record[part_address::kBankLsb] == defaults[part_address::kBankLsb] &&
                          record[part_address::kProgram] == defaults[part_address::kProgram];
        if (!same) {
          for (int voiceAddress = part_address::kBankMsb; voiceAddress <= part_address::kProgram;
               ++voiceAddress) {
            if (!SendAndPause(part, voiceAddress, record[static_cast<std::size_t>(voiceAddress)],
                              delayMs)) {
              return false;
            }
          }
        }
        address = part_address::kProgram;
        continue;
      }
      case part_address::kReceiveChannel:
        if (record[a] != part && !SendAndPause(part, address, record[a], delayMs)) return false;
        continue;
      case part_address::kPartMode: {
        // Only the part on channel 10 is a drum part by default.
        const bool onDrumChannel =
            record[part_address::kReceiveChannel] == ChannelTables::kDrumChannel;
        const bool differs = IsDrumMode(record[a]) ? (!onDrumChannel || record[a] != defaults[a])
                                                   : (onDrumChannel || record[a] != defaults[a]);
        if (differs && !SendAndPause(part, address, record[a], delayMs)) return false;
        continue;
      }
      case part_address::kDetuneMsb: {
        const std::uint8_t msb = record[part_address::kDetuneMsb];
        const std::uint8_t lsb = record[part_address::kDetuneLsb];
        if ((msb != defaults[part_address::kDetuneMsb] ||
             lsb != defaults[part_address::kDetuneLsb]) &&
            !SetPartParameterPair(part, address, msb, lsb)) {
          return false;
        }
        address = part_address::kDetuneLsb;
        continue;
      }
      default:
        if (record[a] != defaults[a] && !SendAndPause(part, address, record[a], delayMs)) {
          return false;
        }
    }
  }
  return true;
}

bool PartModel::SendParts(bool nonDefaultOnly, unsigned delayMs) {
  bool ok = true;
  // A failed reserve ends the reserves only; the parameters still go out.
  if (nonDefaultOnly) ok = SendElementReserves(delayMs);
  for (int part = 0; part < Count(); ++part) {
    const bool sent =
        nonDefaultOnly ? SendPartDifferences(part, delayMs) : SendPartBulk(part, delayMs);
    if (!sent) return false;
  }
  return ok;
}

}  // namespace ravlo
