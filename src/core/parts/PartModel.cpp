#include "parts/PartModel.h"

#include <algorithm>

#include "channels/ControllerSlots.h"
#include "messages/XgMessages.h"
#include "model/ModelEvents.h"
#include "model/XgModel.h"
#include "parts/PartTemplates.h"
#include "voices/VoiceCatalogueData.h"

namespace ravlo {

namespace {

constexpr int kLastAddress = part_address::kLast;
constexpr std::size_t kFirstHalfCount = part_address::kFirstHalfEnd + 1;
constexpr std::size_t kSecondHalfCount = kPartAddressCount - part_address::kSecondHalfStart;
static_assert(kFirstHalfCount == 0x29 && kSecondHalfCount == 0x3F);
// The edit history's cells: the record, then the channel to go back to,
// then the part EQ.
constexpr std::size_t kRestoreChannelCell = kPartAddressCount;
constexpr std::size_t kFirstEqCell = kRestoreChannelCell + 1;

// The addresses a kind of part lacks (0xFF in its template), listed once:
// every save looks at them, and at nothing else, for values a file put there.
struct AbsentAddresses {
  std::array<std::uint8_t, kPartAddressCount> addresses{};
  std::size_t count = 0;
};

constexpr AbsentAddresses FindAbsent(const PartTemplate& kind) {
  AbsentAddresses absent;
  for (std::size_t address = 0; address < kPartAddressCount; ++address) {
    if (kind[address] == kNoParameter) {
      absent.addresses[absent.count++] = static_cast<std::uint8_t>(address);
    }
  }
  return absent;
}

constexpr AbsentAddresses kAbsentFromNormalParts = FindAbsent(kNormalPartTemplate);
constexpr AbsentAddresses kAbsentFromDrumParts = FindAbsent(kDrumPartTemplate);

bool IsAddress(int address) {
  return address >= 0 && address <= kLastAddress;
}

bool IsVoiceAddress(int address) {
  return address >= part_address::kBankMsb && address <= part_address::kProgram;
}

// Bank MSB 127 is a drum kit whatever the LSB: the synthesizer takes LSB 0
// for it. The SFX kits are MSB 126 with LSB 0.
bool IsDrumKit(int bankMsb, int bankLsb) {
  return bankMsb == kBankMsbDrumKit || (bankLsb == 0 && bankMsb == kBankMsbSfxKit);
}

std::optional<MidiChannel> ReceiveChannel(const PartRecord& record) {
  const MidiChannel channel = MidiChannel::FromIndex(record[part_address::kReceiveChannel]);
  return channel.IsValid() ? std::optional(channel) : std::nullopt;
}

// The controller slot whose value a part address mirrors.
std::optional<int> MirroredSlot(int address) {
  for (std::size_t slot = 0; slot < kControllerSlotCount; ++slot) {
    if (kControllerSlots[slot].partAddress == address) return static_cast<int>(slot);
  }
  return std::nullopt;
}

// True when the records' parameters differ at `address` alone, if at all.
// Compared as two runs, not byte by byte: this runs for every part change a
// file holds.
bool SameBesides(const PartRecord& a, const PartRecord& b, std::size_t address) {
  const auto at = [](const PartRecord& r, std::size_t i) {
    return r.begin() + static_cast<std::ptrdiff_t>(i);
  };
  return std::equal(a.begin(), at(a, address), b.begin()) &&
         std::equal(at(a, address + 1), at(a, kPartAddressCount), at(b, address + 1));
}

// A bulk dump carries no 0xFF: where the part's kind lacks the byte, 0 stands in.
std::uint8_t BulkByte(const PartRecord& record, const PartRecord& defaults, std::size_t address) {
  if (defaults[address] == kNoParameter || record[address] == kNoParameter) return 0;
  return record[address];
}

}  // namespace

PartModel::PartModel(XgModel& model, int partCount) : PartTable(partCount), model_(model) {
  for (int index = 0; index < Count(); ++index) {
    channelsToRestore_.push_back(MidiChannel::FromIndex(index % MidiChannel::kCount));
  }
}

void PartModel::ResetToDefaults() {
  ResetRecords();
}

// --- Setters ---------------------------------------------------------------

bool PartModel::SetPartParameter(PartIndex part, int address, std::uint8_t value) {
  if (!IsPart(part) || !IsParameterAddress(address)) return false;
  if (value == kNoParameter) return false;
  if (!model_.Emitter().EmitParameterChange(xg_block::PartAddress(part.Index(), address), value)) {
    return false;
  }
  const std::uint8_t bytes[] = {value};
  StoreSent(part, address, bytes);
  return true;
}

bool PartModel::SetPartParameterPair(PartIndex part, int address, std::uint8_t first,
                                     std::uint8_t second) {
  if (!IsPart(part) || !IsAddress(address) || address + 1 > kLastAddress) return false;
  if (part_address::IsGap(address) || part_address::IsGap(address + 1)) return false;
  // Neither byte may carry the "no parameter" mark onto the wire.
  if (first == kNoParameter || second == kNoParameter) return false;
  const std::array<std::uint8_t, 2> data{first, second};
  if (!model_.Emitter().EmitParameterChange(xg_block::PartAddress(part.Index(), address), data)) {
    return false;
  }
  StoreSent(part, address, data);
  return true;
}

bool PartModel::SetPartParameters(PartIndex part, int firstAddress,
                                  std::span<const std::uint8_t> values) {
  if (!IsPart(part) || firstAddress < 0 || firstAddress > LastAddress()) return false;
  if (values.size() > static_cast<std::size_t>(LastAddress() + 1 - firstAddress)) return false;
  const int end = firstAddress + static_cast<int>(values.size());
  for (int address = firstAddress; address < end; ++address) {
    const std::uint8_t value = values[static_cast<std::size_t>(address - firstAddress)];
    if (value == kNoParameter || !IsParameterAddress(address)) continue;
    if (address == part_address::kDetuneMsb) {
      // Detune only travels as a pair, so the run must hold both bytes.
      if (end <= part_address::kDetuneLsb) return false;
      const std::uint8_t lsb = values[static_cast<std::size_t>(address + 1 - firstAddress)];
      if (!SetPartParameterPair(part, address, value, lsb)) return false;
      ++address;
      continue;
    }
    if (!SetPartParameter(part, address, value)) return false;
  }
  return true;
}

bool PartModel::SetPartValue(PartIndex part, int address, int shown) {
  const PartParameter* entry = Parameter(address);
  const PartRecord* record = Record(part);
  if (entry == nullptr || record == nullptr) return false;
  const ParameterDescriptor& info = entry->parameter;
  // A drum part lacks some parameters: they are never sent.
  if (!HasParameter(part, address)) return false;
  if (!info.InRange(shown)) return false;
  const int stored = info.Stored(shown);
  if (info.form == WireForm::NibblePair) {
    return SetPartParameterPair(part, address, wire::NibblePairHigh(stored),
                                wire::NibblePairLow(stored));
  }
  return SetPartParameter(part, address, static_cast<std::uint8_t>(stored));
}

std::optional<int> PartModel::PartValue(PartIndex part, int address) const {
  const PartParameter* entry = Parameter(address);
  const std::uint8_t* byte = Byte(part, address);
  if (entry == nullptr || byte == nullptr || *byte == kNoParameter) return std::nullopt;
  const ParameterDescriptor& info = entry->parameter;
  if (info.form == WireForm::NibblePair)
    return info.Shown(wire::DecodeNibblePair(byte[0], byte[1]));
  return info.Shown(*byte);
}

void PartModel::StoreSent(PartIndex part, int address, std::span<const std::uint8_t> bytes) {
  PartRecord& record = *MutableRecord(part);
  const auto at = static_cast<std::size_t>(address);
  if (bytes.size() == 2) {
    // A pair is one parameter: one notice with the combined values.
    const int old = wire::DecodeNibblePair(record[at], record[at + 1]);
    record[at] = bytes[0];
    record[at + 1] = bytes[1];
    const int now = wire::DecodeNibblePair(bytes[0], bytes[1]);
    if (now != old) {
      model_.Publish(
          {ModelBlock::Part, part.Index(), xg_block::PartAddress(part.Index(), address), old, now});
    }
    return;
  }
  std::uint8_t& stored = *MutableByte(part, address);
  const std::uint8_t old = stored;
  stored = bytes[0];
  if (bytes[0] != old) {
    model_.Publish({ModelBlock::Part, part.Index(), xg_block::PartAddress(part.Index(), address),
                    old, bytes[0]});
  }
  Follow(part, address, old, bytes[0]);
}

void PartModel::Follow(PartIndex part, int address, std::uint8_t old, std::uint8_t value) {
  MirrorController(part, address, value);
  ChannelModel& channels = model_.Channels();
  if (address == part_address::kReceiveChannel && old != value) {
    // The rows of the channels it left and joined follow a part alone there.
    for (std::uint8_t byte : {old, value}) {
      const MidiChannel channel = MidiChannel::FromIndex(byte);
      if (channel.IsValid()) channels.FollowSolePart(channel);
    }
  } else if (IsVoiceAddress(address) && old != value) {
    if (const auto channel = ReceiveChannel(*Record(part))) channels.FollowSolePart(*channel);
  }
}

void PartModel::MirrorController(PartIndex part, int address, std::uint8_t value) {
  const std::optional<int> slot = MirroredSlot(address);
  if (!slot) return;
  const std::optional<MidiChannel> channel = ReceiveChannel(*Record(part));
  // With several parts on the channel the controller row belongs to none of them.
  if (!channel || SolePartOnChannel(*channel) != part) return;
  model_.Channels().StoreSlot(*channel, *slot, value);
}

// --- Receive channel --------------------------------------------------------

bool PartModel::SetReceiveChannel(PartIndex part, MidiChannel channel) {
  if (!channel.IsValid()) return false;
  return SetPartParameter(part, part_address::kReceiveChannel,
                          static_cast<std::uint8_t>(channel.Index()));
}

bool PartModel::IsOff(PartIndex part) const {
  const PartRecord* record = Record(part);
  return record != nullptr && !ReceiveChannel(*record);
}

MidiChannel PartModel::ShownChannel(PartIndex part) const {
  const PartRecord* record = Record(part);
  if (record == nullptr) return MidiChannel::FromIndex(0);
  return ReceiveChannel(*record).value_or(
      channelsToRestore_[static_cast<std::size_t>(part.Index())]);
}

bool PartModel::SwitchPartOff(PartIndex part) {
  if (!IsPart(part)) return false;
  if (IsOff(part)) return true;
  // Remembered first, so that the notice of the switch shows it; while the
  // part stays on (a failed send) nobody reads it.
  channelsToRestore_[static_cast<std::size_t>(part.Index())] = ShownChannel(part);
  return SetPartParameter(part, part_address::kReceiveChannel, kPartOff);
}

bool PartModel::SwitchPartOn(PartIndex part) {
  if (!IsPart(part)) return false;
  if (!IsOff(part)) return true;
  return SetReceiveChannel(part, ShownChannel(part));
}

// --- Reading -----------------------------------------------------------------

const PartParameter* PartModel::Parameter(int address) const {
  return FindPartParameter(address, model_.Instrument());
}

bool PartModel::IsParameterAddress(int address) const {
  if (part_address::IsParameter(address)) return true;
  return model_.Instrument() == InstrumentModel::Extended && part_eq::IsParameter(address);
}

int PartModel::LastAddress() const {
  return model_.Instrument() == InstrumentModel::Extended ? part_eq::kLast : kLastAddress;
}

bool PartModel::GetPartByte(PartIndex part, int address, std::uint8_t& value) const {
  if (address > LastAddress()) return false;
  const std::uint8_t* byte = Byte(part, address);
  if (byte == nullptr) return false;
  value = *byte;
  return true;
}

bool PartModel::GetPartBytes(PartIndex part, int firstAddress, std::span<std::uint8_t> out) const {
  if (!IsPart(part) || firstAddress < 0) return false;
  if (out.size() > static_cast<std::size_t>(std::max(LastAddress() + 1 - firstAddress, 0))) {
    return false;
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    // Between the record and the part EQ no byte is kept.
    const std::uint8_t* byte = Byte(part, firstAddress + static_cast<int>(i));
    out[i] = byte != nullptr ? *byte : kNoParameter;
  }
  return true;
}

std::optional<PartIndex> PartModel::FindPartByChannel(MidiChannel channel) const {
  if (!channel.IsValid()) return std::nullopt;
  for (int index = 0; index < Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    if ((*Record(part))[part_address::kReceiveChannel] == channel.Index()) return part;
  }
  return std::nullopt;
}

std::optional<PartIndex> PartModel::SolePartOnChannel(MidiChannel channel) const {
  const ChannelPartScan scan = ScanChannelParts(Records(), channel.Index());
  if (scan.count != 1) return std::nullopt;
  return PartIndex::FromIndex(scan.part);
}

bool PartModel::IsDrumPart(PartIndex part) const {
  const PartRecord* record = Record(part);
  return record != nullptr && IsDrumMode((*record)[part_address::kPartMode]);
}

bool PartModel::HasParameter(PartIndex part, int address) const {
  return IsPart(part) && IsParameterAddress(address) && PartKindHas(IsDrumPart(part), address);
}

bool PartModel::ModeChoiceAllowed(PartIndex part, int address, int value) const {
  if (!IsPart(part)) return false;
  if (address == part_address::kPartMode) {
    // A part holding a drum setup moves between the setups, any other part
    // between normal and drum; a setup the instrument lacks is no choice.
    const int own = (*Record(part))[part_address::kPartMode];
    const bool setup = HoldsDrumSetup(value);
    return setup == HoldsDrumSetup(own) && (setup || value <= kDrumMode);
  }
  return HasParameter(part, address);
}

VoiceLookup PartModel::PartVoiceName(PartIndex part) const {
  const PartRecord* record = Record(part);
  if (record == nullptr) return {kVoiceNoneText, 0, -1};
  return FindVoice((*record)[part_address::kProgram] + 1, (*record)[part_address::kBankMsb],
                   (*record)[part_address::kBankLsb], model_, model_.Instrument());
}

// --- Received ------------------------------------------------------------------

bool PartModel::StorePartBytes(PartIndex part, int firstAddress,
                               std::span<const std::uint8_t> values) {
  PartRecord* record = MutableRecord(part);
  if (record == nullptr || firstAddress < 0 || firstAddress > LastAddress()) return false;
  const auto first = static_cast<std::size_t>(firstAddress);
  if (values.size() > static_cast<std::size_t>(LastAddress() + 1 - firstAddress)) return false;
  // The part EQ's parameters past the record: a notice each.
  if (first >= kPartAddressCount) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      const int address = firstAddress + static_cast<int>(i);
      std::uint8_t* stored = MutableByte(part, address);
      if (stored == nullptr || !IsParameterAddress(address)) continue;
      const std::uint8_t old = *stored;
      *stored = values[i];
      if (old != values[i]) {
        model_.Publish({ModelBlock::Part, part.Index(),
                        xg_block::PartAddress(part.Index(), address), old, values[i]});
      }
    }
    return true;
  }
  if (values.size() > kPartAddressCount - first) return false;
  const std::uint8_t old = (*record)[first];
  // Only a new part mode brings more than the bytes given: only then is the
  // record kept to compare.
  const bool mode = values.size() == 1 && first == part_address::kPartMode;
  const std::optional<PartRecord> before = mode ? std::optional(*record) : std::nullopt;
  TakeReceivedBytes(*record, first, values);
  // One byte is told as itself; a run, or a mode that brought more, as the whole part.
  if (values.size() > 1 || (before && !SameBesides(*before, *record, first))) {
    model_.PublishWhole(ModelBlock::Part, part.Index());
  } else if (old != (*record)[first]) {
    model_.Publish({ModelBlock::Part, part.Index(),
                    xg_block::PartAddress(part.Index(), firstAddress), old, values[0]});
  }
  FollowDrumKit(part);
  return true;
}

bool PartModel::StorePartDump(PartIndex part, int firstAddress,
                              std::span<const std::uint8_t> data) {
  PartRecord* record = MutableRecord(part);
  if (record == nullptr || !IsAddress(firstAddress)) return false;
  const auto first = static_cast<std::size_t>(firstAddress);
  const bool drum = first == 0 && data.size() > part_address::kPartMode
                        ? IsDrumMode(data[part_address::kPartMode])
                        : IsDrumMode((*record)[part_address::kPartMode]);
  const PartRecord& defaults = PartTemplateFor(drum);
  const std::size_t count = std::min(data.size(), kPartAddressCount - first);
  // Where the kind has no parameter the byte stays absent. Without a branch,
  // so that many bytes go a step: a file holds two dumps for every part.
  static_assert(kNoParameter == 0xFF);
  for (std::size_t i = 0; i < count; ++i) {
    const auto absent = static_cast<std::uint8_t>(defaults[first + i] == kNoParameter ? 0xFF : 0);
    (*record)[first + i] = static_cast<std::uint8_t>(data[i] | absent);
  }
  // The extended instrument's part EQ, where a dump reaches it.
  for (std::size_t address = std::max<std::size_t>(first, part_eq::kFirst);
       address < first + data.size(); ++address) {
    if (IsParameterAddress(static_cast<int>(address))) {
      *MutableByte(part, static_cast<int>(address)) = data[address - first];
    }
  }
  model_.PublishWhole(ModelBlock::Part, part.Index());
  FollowDrumKit(part);
  return true;
}

void PartModel::FollowDrumKit(PartIndex part) {
  const PartRecord& record = *Record(part);
  const int mode = record[part_address::kPartMode];
  const int msb = record[part_address::kBankMsb];
  if (!HoldsDrumSetup(mode) || !IsDrumKit(msb, record[part_address::kBankLsb])) return;
  const DrumKitVoice kit{static_cast<std::uint8_t>(msb), record[part_address::kProgram], 0};
  const DrumSetup* setup = model_.Drums().Setup(mode - kFirstDrumMode);
  // The synthesizer sets the setup up for a kit it was not playing; the
  // same kit again leaves the notes as they are.
  if (setup == nullptr || setup->kitVoice == kit) return;
  model_.Drums().SetKitVoice(mode - kFirstDrumMode, kit);
  model_.Events().RaiseMark(RefreshMark::Drum, 0);
  // Parts sharing the setup play the kit it now holds, as when a kit is chosen.
  for (int index = 0; index < Count(); ++index) {
    const PartIndex other = PartIndex::FromIndex(index);
    const PartRecord& sharing = *Record(other);
    if (other == part || sharing[part_address::kPartMode] != mode) continue;
    PutVoiceBytes(other, msb, 0, kit.program);
    PublishVoiceChange(other);
  }
}

// --- The edit history's view -----------------------------------------------------

bool PartModel::CopyCells(PartIndex part, std::span<ImageCell> cells) const {
  const PartRecord* record = Record(part);
  if (record == nullptr || cells.size() < kCellCount) return false;
  std::copy(record->begin(), record->end(), cells.begin());
  cells[kRestoreChannelCell] = channelsToRestore_[static_cast<std::size_t>(part.Index())].Index();
  std::copy(Eq(part)->begin(), Eq(part)->end(), cells.begin() + kFirstEqCell);
  return true;
}

bool PartModel::PutCells(PartIndex part, std::span<const ImageCell> cells) {
  PartRecord* record = MutableRecord(part);
  if (record == nullptr || cells.size() < kCellCount) return false;
  for (std::size_t address = 0; address < kPartAddressCount; ++address) {
    (*record)[address] = static_cast<std::uint8_t>(cells[address]);
  }
  channelsToRestore_[static_cast<std::size_t>(part.Index())] =
      MidiChannel::FromIndex(cells[kRestoreChannelCell]);
  for (std::size_t i = 0; i < part_eq::kSize; ++i) {
    *MutableByte(part, part_eq::kFirst + static_cast<int>(i)) =
        static_cast<std::uint8_t>(cells[kFirstEqCell + i]);
  }
  model_.PublishWhole(ModelBlock::Part, part.Index());
  return true;
}

CellSend PartModel::SendCell(PartIndex part, std::size_t cell, std::span<const ImageCell> target) {
  if (!IsPart(part) || target.size() < kCellCount) return CellSend::NotSent;
  if (cell >= kFirstEqCell && cell < kCellCount) {
    const int address = part_eq::kFirst + static_cast<int>(cell - kFirstEqCell);
    const auto value = static_cast<std::uint8_t>(target[cell]);
    if (!IsParameterAddress(address) || value == kNoParameter) return CellSend::NotSent;
    return SetPartParameter(part, address, value) ? CellSend::Sent : CellSend::Failed;
  }
  if (cell >= kPartAddressCount) return CellSend::NotSent;
  int address = static_cast<int>(cell);
  if (address == part_address::kDetuneLsb) address = part_address::kDetuneMsb;
  if (part_address::IsGap(address)) return CellSend::NotSent;
  const auto byte = [&](int at) {
    return static_cast<std::uint8_t>(target[static_cast<std::size_t>(at)]);
  };
  const PartParameter* entry = FindPartParameter(address);
  bool sent = false;
  if (entry != nullptr && entry->parameter.form == WireForm::NibblePair) {
    if (byte(address) == kNoParameter || byte(address + 1) == kNoParameter) {
      return CellSend::NotSent;
    }
    sent = SetPartParameterPair(part, address, byte(address), byte(address + 1));
  } else {
    if (byte(address) == kNoParameter) return CellSend::NotSent;
    sent = SetPartParameter(part, address, byte(address));
  }
  return sent ? CellSend::Sent : CellSend::Failed;
}

// --- Voices ----------------------------------------------------------------------

void PartModel::PublishVoiceChange(PartIndex part) {
  // The rules below change several bytes of a part at once, as the
  // synthesizer does when a kit or a mode comes in.
  model_.PublishWhole(ModelBlock::Part, part.Index());
}

bool PartModel::HoldsDrumSetup(int mode) const {
  return mode >= kFirstDrumMode && mode - kFirstDrumMode < model_.Drums().Count();
}

int PartModel::ChooseDrumMode(PartIndex part) const {
  const int own = (*Record(part))[part_address::kPartMode];
  if (HoldsDrumSetup(own)) return own;
  // The first setup no part holds; with every one taken, the last is shared.
  const int setups = model_.Drums().Count();
  for (int mode = kFirstDrumMode; mode < kFirstDrumMode + setups; ++mode) {
    const bool held = std::any_of(Records().begin(), Records().end(), [mode](const PartRecord& r) {
      return r[part_address::kPartMode] == mode;
    });
    if (!held) return mode;
  }
  return kFirstDrumMode + setups - 1;
}

void PartModel::PutVoiceBytes(PartIndex part, int bankMsb, int bankLsb, int program) {
  PartRecord& record = *MutableRecord(part);
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

bool PartModel::SelectPartVoice(PartIndex part, int voiceIndex) {
  if (!IsPart(part)) return false;
  const std::optional<VoiceBank> bank = GetVoiceBank(voiceIndex, model_.Instrument());
  if (!bank) return false;
  const int msb = bank->bankMsb;
  const int lsb = bank->bankLsb;
  const int program = bank->program - 1;
  if (!SetPartParameter(part, part_address::kBankMsb, static_cast<std::uint8_t>(msb)) ||
      !SetPartParameter(part, part_address::kBankLsb, static_cast<std::uint8_t>(lsb)) ||
      !SetPartParameter(part, part_address::kProgram, static_cast<std::uint8_t>(program))) {
    return false;
  }

  PartRecord& record = *MutableRecord(part);
  if (IsDrumKit(msb, lsb)) {
    const int mode = ChooseDrumMode(part);
    if (!IsDrumMode(record[part_address::kPartMode])) ApplyModeDefaults(part, true);
    PutVoiceBytes(part, msb, 0, program);
    record[part_address::kPartMode] = static_cast<std::uint8_t>(mode);
    // Parts sharing the setup play the kit it now holds.
    for (int index = 0; index < Count(); ++index) {
      const PartIndex other = PartIndex::FromIndex(index);
      if (other != part && (*Record(other))[part_address::kPartMode] == mode) {
        PutVoiceBytes(other, msb, 0, program);
        PublishVoiceChange(other);
      }
    }
    PublishVoiceChange(part);
    TakeDrumKit(mode, msb, program);
  } else {
    if (IsDrumMode(record[part_address::kPartMode])) {
      ApplyModeDefaults(part, false);
      PublishVoiceChange(part);
    }
    PutVoiceBytes(part, msb, lsb, program);
  }

  if (const auto channel = ReceiveChannel(record)) {
    model_.Channels().StoreVoice(*channel, ChannelVoice{static_cast<std::uint8_t>(msb),
                                                        static_cast<std::uint8_t>(program + 1),
                                                        static_cast<std::uint8_t>(lsb)});
  }
  return true;
}

void PartModel::ApplyChannelVoice(MidiChannel channel, int program, int bankMsb, int bankLsb) {
  if (!channel.IsValid() || !IsDataByte(program) || !IsDataByte(bankMsb) || !IsDataByte(bankLsb))
    return;
  auto onChannel = [&](PartIndex part) {
    return (*Record(part))[part_address::kReceiveChannel] == channel.Index();
  };

  if (!IsDrumKit(bankMsb, bankLsb)) {
    for (int index = 0; index < Count(); ++index) {
      const PartIndex part = PartIndex::FromIndex(index);
      if (!onChannel(part)) continue;
      if (IsDrumPart(part)) ApplyModeDefaults(part, false);
      PutVoiceBytes(part, bankMsb, bankLsb, program);
      PublishVoiceChange(part);
    }
    return;
  }

  const std::optional<PartIndex> lowest = FindPartByChannel(channel);
  if (!lowest) return;
  const int mode = ChooseDrumMode(*lowest);
  for (int index = 0; index < Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    PartRecord& record = *MutableRecord(part);
    if (onChannel(part)) {
      if (!IsDrumMode(record[part_address::kPartMode])) ApplyModeDefaults(part, true);
      PutVoiceBytes(part, bankMsb, 0, program);
      record[part_address::kPartMode] = static_cast<std::uint8_t>(mode);
      PublishVoiceChange(part);
    } else if (record[part_address::kPartMode] == mode) {
      PutVoiceBytes(part, bankMsb, 0, program);
      PublishVoiceChange(part);
    }
  }
  TakeDrumKit(mode, bankMsb, program);
}

std::optional<std::array<std::uint8_t, 3>> PartModel::ModeVoice(PartIndex part, int newMode) const {
  for (int index = 0; index < Count(); ++index) {
    const PartIndex other = PartIndex::FromIndex(index);
    const PartRecord& source = *Record(other);
    if (other != part && source[part_address::kPartMode] == newMode) {
      return std::array<std::uint8_t, 3>{source[part_address::kBankMsb],
                                         source[part_address::kBankLsb],
                                         source[part_address::kProgram]};
    }
  }
  // No part plays the mode yet: a drum setup mode brings the kit its setup holds.
  if (!HoldsDrumSetup(newMode)) return std::nullopt;
  const DrumSetup* setup = model_.Drums().Setup(newMode - kFirstDrumMode);
  if (setup == nullptr) return std::nullopt;
  return std::array<std::uint8_t, 3>{setup->kitVoice.bankMsb, setup->kitVoice.bankLsb,
                                     setup->kitVoice.program};
}

bool PartModel::SetPartMode(PartIndex part, const ModeBytes& bytes) {
  const PartRecord* record = Record(part);
  if (record == nullptr) return false;
  const std::uint8_t oldMode = (*record)[part_address::kPartMode];
  const std::uint8_t newMode = bytes[part_address::kPartMode - kModeFirstAddress];
  // The voice is chosen while the record still holds the old mode.
  const auto voice =
      newMode != oldMode && newMode != kNoParameter ? ModeVoice(part, newMode) : std::nullopt;
  if (!SetPartParameters(part, kModeFirstAddress, bytes)) return false;
  if (!voice) return true;
  // The part now plays another voice: the synthesizer is told which, so that
  // what the Part window shows is what sounds. What did not go is not shown.
  for (int i = 0; i < 3; ++i) {
    const int address = part_address::kBankMsb + i;
    const std::uint8_t value = (*voice)[static_cast<std::size_t>(i)];
    if ((*Record(part))[static_cast<std::size_t>(address)] == value) continue;
    if (!SetPartParameter(part, address, value)) return false;
  }
  return true;
}

// --- Send pass -------------------------------------------------------------------

bool PartModel::SendAndPause(PartIndex part, int address, std::uint8_t value, unsigned delayMs) {
  if (!SetPartParameter(part, address, value)) return false;
  model_.Emitter().Pause(delayMs);
  return true;
}

bool PartModel::SendElementReserves(unsigned delayMs) {
  // Smaller reserves go first, freeing elements before other parts claim more.
  for (int value = 0; value <= XgModel::kElementReserveLimit; ++value) {
    for (int index = 0; index < Count(); ++index) {
      const PartIndex part = PartIndex::FromIndex(index);
      const PartRecord& record = *Record(part);
      const int defaultReserve = TemplateFor(record)[part_address::kElementReserve];
      // The part's mode or its reset decide the default; a reader starts from the reset.
      const int resetReserve = ResetRecord(index)[part_address::kElementReserve];
      if (record[part_address::kElementReserve] != value ||
          (value == defaultReserve && value == resetReserve)) {
        continue;
      }
      if (!SendAndPause(part, part_address::kElementReserve, static_cast<std::uint8_t>(value),
                        delayMs)) {
        return false;
      }
    }
  }
  return true;
}

std::array<XgMessage, 2> PartModel::BulkDumps(PartIndex part) const {
  const PartRecord& record = *Record(part);
  const PartRecord& defaults = TemplateFor(record);
  std::array<std::uint8_t, kFirstHalfCount> first{};
  for (std::size_t i = 0; i < first.size(); ++i) first[i] = BulkByte(record, defaults, i);
  std::array<std::uint8_t, kSecondHalfCount> second{};
  for (std::size_t i = 0; i < second.size(); ++i) {
    second[i] = BulkByte(record, defaults, part_address::kSecondHalfStart + i);
  }
  const UnitNumber unit = model_.Unit();
  const std::uint8_t modelId = model_.ModelId();
  return {
      BuildBulkDump(unit, modelId, xg_block::PartAddress(part.Index(), 0), first),
      BuildBulkDump(unit, modelId,
                    xg_block::PartAddress(part.Index(), part_address::kSecondHalfStart), second)};
}

bool PartModel::SendPartBulk(PartIndex part, unsigned delayMs) {
  if (!model_.Emitter().EmitPaced(BulkDumps(part), delayMs)) return false;
  // A dump carries nothing where the part's kind lacks a parameter; a value
  // a file put there all the same follows on its own.
  const PartRecord record = *Record(part);
  const AbsentAddresses& absent =
      IsDrumMode(record[part_address::kPartMode]) ? kAbsentFromDrumParts : kAbsentFromNormalParts;
  for (std::size_t i = 0; i < absent.count; ++i) {
    const std::uint8_t address = absent.addresses[i];
    if (record[address] == kNoParameter) continue;
    if (!SendAndPause(part, address, record[address], delayMs)) return false;
  }
  return SendPartEq(part, false, delayMs);
}

bool PartModel::SendPartEq(PartIndex part, bool nonDefaultOnly, unsigned delayMs) {
  // Only the extended instrument has it; each parameter goes as a change of
  // its own, which every such instrument takes.
  if (model_.Instrument() != InstrumentModel::Extended) return true;
  for (const PartParameter& entry : kPartEqParameters) {
    const int address = entry.parameter.address;
    const std::uint8_t value = *Byte(part, address);
    if (nonDefaultOnly && value == entry.parameter.defaultValue) continue;
    if (!SendAndPause(part, address, value, delayMs)) return false;
  }
  return true;
}

bool PartModel::SendPartDifferences(PartIndex part, unsigned delayMs) {
  // A copy: the setters below store what they send, which is what is here.
  const PartRecord record = *Record(part);
  const PartRecord& defaults = TemplateFor(record);
  // What a file reader holds for the part as the messages arrive: the part
  // after the pass's reset, with the reserve the reserves sent before. A
  // value that differs from it goes too, even where it equals the default
  // of the part's mode, so that the file gives the part back.
  PartRecord reader = ResetRecord(part.Index());
  reader[part_address::kElementReserve] = record[part_address::kElementReserve];
  const auto send = [&](int address) {
    const auto a = static_cast<std::size_t>(address);
    if (!SendAndPause(part, address, record[a], delayMs)) return false;
    TakeReceivedBytes(reader, a, std::span(&record[a], 1));
    return true;
  };
  const auto differs = [&](int address) {
    const auto a = static_cast<std::size_t>(address);
    return record[a] != reader[a] && record[a] != kNoParameter;
  };
  for (int address = part_address::kBankMsb; address <= kLastAddress; ++address) {
    const auto a = static_cast<std::size_t>(address);
    if (defaults[a] == kNoParameter) {
      // A value where the part's kind has none came from a file: it goes as it came.
      if (differs(address) && !send(address)) return false;
      continue;
    }
    switch (address) {
      case part_address::kBankMsb: {
        // Bank select and program only mean something together.
        bool same = true;
        for (int voice = part_address::kBankMsb; voice <= part_address::kProgram; ++voice) {
          const auto v = static_cast<std::size_t>(voice);
          same = same && record[v] == defaults[v] && !differs(voice);
        }
        if (!same) {
          for (int voice = part_address::kBankMsb; voice <= part_address::kProgram; ++voice) {
            if (!send(voice)) return false;
          }
        }
        address = part_address::kProgram;
        continue;
      }
      case part_address::kReceiveChannel:
        if (record[a] != part.Index() && !send(address)) return false;
        continue;
      case part_address::kPartMode: {
        // Only the part on channel 10 is a drum part by default.
        const bool onDrumChannel =
            record[part_address::kReceiveChannel] == ChannelTables::kDrumChannel;
        const bool differsFromDefault = IsDrumMode(record[a])
                                            ? (!onDrumChannel || record[a] != defaults[a])
                                            : (onDrumChannel || record[a] != defaults[a]);
        if ((differsFromDefault || differs(address)) && !send(address)) return false;
        // A mode that changed the part's kind set what the kind lacks aside
        // in the reader; what it had before the mode goes again.
        for (int before = part_address::kBankMsb; before < address; ++before) {
          if (IsModeDependentPartAddress(before) && differs(before) && !send(before)) return false;
        }
        continue;
      }
      case part_address::kDetuneMsb: {
        const std::uint8_t msb = record[part_address::kDetuneMsb];
        const std::uint8_t lsb = record[part_address::kDetuneLsb];
        if ((msb != defaults[part_address::kDetuneMsb] ||
             lsb != defaults[part_address::kDetuneLsb] || differs(part_address::kDetuneMsb) ||
             differs(part_address::kDetuneLsb)) &&
            !SetPartParameterPair(part, address, msb, lsb)) {
          return false;
        }
        address = part_address::kDetuneLsb;
        continue;
      }
      default:
        if ((record[a] != defaults[a] || differs(address)) && !send(address)) return false;
    }
  }
  return SendPartEq(part, true, delayMs);
}

bool PartModel::SendParts(bool nonDefaultOnly, unsigned delayMs) {
  bool ok = true;
  // A failed reserve ends the reserves only; the parameters still go out.
  if (nonDefaultOnly) ok = SendElementReserves(delayMs);
  for (int index = 0; index < Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    const bool sent =
        nonDefaultOnly ? SendPartDifferences(part, delayMs) : SendPartBulk(part, delayMs);
    if (!sent) return false;
  }
  return ok;
}

}  // namespace ravlo
