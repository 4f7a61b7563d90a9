#include "review/ReviewText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string_view>

#include "drums/DrumNoteTables.h"
#include "drums/DrumParameterTable.h"
#include "effects/EffectAddresses.h"
#include "effects/EffectKind.h"
#include "effects/EffectLookups.h"
#include "effects/ExtendedEffectTypes.h"
#include "effects/MultiEqParameters.h"
#include "intake/SysexScanner.h"
#include "messages/HexDigit.h"
#include "messages/XgMessage.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"
#include "parameters/ParameterDisplay.h"
#include "parts/PartParameterTable.h"
#include "parts/PartRecord.h"
#include "platform/ProgressLabel.h"
#include "system/SystemParameters.h"

namespace ravlo {

namespace {

using Bytes = std::span<const std::uint8_t>;

// Universal messages are only described in their short forms (6..8 bytes);
// Yamaha messages need the address and at least one data byte.
constexpr std::size_t kShortestDescribed = 6;
constexpr std::size_t kShortestYamaha = 9;

// Upper nibble of the device byte.
constexpr std::uint8_t kBulkDumpKind = 0x0;
constexpr std::uint8_t kParameterChangeKind = 0x1;
using xg_block::kAllParameterResetLow;
using xg_block::kDrumSetupResetLow;
using xg_block::kEffectHigh;
using xg_block::kEffectMid;
using xg_block::kPartHigh;
using xg_block::kXgSystemOnLow;

// Effect bulk dumps: where each starts and the one count it may carry.
struct EffectDump {
  std::uint8_t addressLow;
  std::size_t count;
  EffectKind kind;
};
constexpr std::array<EffectDump, 6> kEffectDumps = {{
    {0x00, 14, EffectKind::Reverb},
    {0x10, 6, EffectKind::Reverb},
    {0x20, 15, EffectKind::Chorus},
    {0x30, 6, EffectKind::Chorus},
    {0x40, 33, EffectKind::Variation},
    {0x70, 6, EffectKind::Variation},
}};

// Part bulk dumps: the count alone says which half of the record they hold.
constexpr std::size_t kPartFirstHalfCount = part_address::kFirstHalfEnd + 1;
constexpr std::size_t kPartSecondHalfCount =
    part_address::kLast - part_address::kSecondHalfStart + 1;
static_assert(kPartFirstHalfCount == 41 && kPartSecondHalfCount == 63);

[[gnu::format(printf, 2, 3)]] void AppendFormat(std::string& text, const char* format, ...) {
  char buffer[96];
  va_list args;
  va_start(args, format);
  const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (written > 0) {
    text.append(buffer, std::min(static_cast<std::size_t>(written), sizeof buffer - 1));
  }
}

// "<value>\t( HH )h", the end of most lines, built by hand rather than
// formatted: the review of a save writes thousands of them.
void AppendByteAndHex(std::string& text, std::uint8_t value) {
  char digits[3];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  const char tail[] = {'\t', '(', ' ', HexDigit(value >> 4), HexDigit(value), ' ', ')', 'h'};
  text.append(tail, sizeof tail);
}

// The bytes from `offset` on; none when the span is shorter.
Bytes From(Bytes bytes, std::size_t offset) {
  return offset < bytes.size() ? bytes.subspan(offset) : Bytes{};
}

// Parameters whose value travels as two data bytes.
bool IsPairAddress(std::uint8_t high, std::uint8_t mid, std::uint8_t low) {
  if (high == InsertionEffectModel::kHigh) {
    return InsertionEffectModel::ParameterSize(low).value_or(1) == 2;
  }
  if (high == kEffectHigh && mid == kEffectMid) {
    return low == kReverbTypeAddressLow || low == kChorusTypeAddressLow ||
           low == kVariationTypeAddressLow ||
           VariationParamForAddress(low).value_or(kVariationParamCount) <=
               kVariationTwoByteParamCount;
  }
  return high == kPartHigh && low == part_address::kDetuneMsb;
}

// Writes the text of one recorded stream. Every describing function returns
// false when the data ran out before its text was complete; what it wrote so
// far stays.
class ReviewWriter {
 public:
  ReviewWriter(const XgModel& model, std::string& text) : model_(model), text_(text) {}

  void Summary();
  void Message(Bytes m);

 private:
  void Universal(Bytes m);
  void BulkDump(Bytes m);
  void ParameterChange(Bytes m);

  void XgBulk(Bytes m, Bytes data);
  // A parameter no block holds (a kept extension), by its address.
  void Extension(XgAddress address, Bytes data);
  void SystemBulk(Bytes data);
  void EffectBulk(std::uint8_t low, Bytes data);
  void PartBulk(std::uint8_t part, Bytes data);
  // One line per parameter from `firstLow` on, each followed by "\n".
  bool Lines(std::uint8_t high, std::uint8_t mid, std::uint8_t firstLow, Bytes data);

  // The text of one XG parameter with its data from `data` on.
  bool Parameter(std::uint8_t high, std::uint8_t mid, std::uint8_t low, Bytes data);
  bool System(std::uint8_t low, Bytes data);
  bool Effect(std::uint8_t low, Bytes data);
  bool EffectType(EffectKind kind, Bytes data);
  bool ReverbOrChorus(EffectKind kind, std::uint8_t low, Bytes data);
  bool Variation(std::uint8_t low, Bytes data);
  bool Part(std::uint8_t part, std::uint8_t low, Bytes data);
  bool Drum(int setup, std::uint8_t note, std::uint8_t low, Bytes data);
  // The later instruments' blocks, with the Extended model.
  bool Extended(std::uint8_t high, std::uint8_t mid, std::uint8_t low, Bytes data);
  bool Insertion(int block, std::uint8_t low, Bytes data);
  bool MultiEq(std::uint8_t low, Bytes data);
  // "\t%u\t( %2.2X )h" with the first data byte.
  bool ByteValue(Bytes data);

  std::string_view VariationParamName(std::size_t param) const;

  const XgModel& model_;
  std::string& text_;
};

void ReviewWriter::Summary() {
  const PartModel& parts = model_.Parts();
  for (int index = 0; index < parts.Count(); ++index) {
    const PartIndex part = PartIndex::FromIndex(index);
    const PartRecord& record = *parts.Record(part);
    AppendFormat(text_, "Part %d\t Channel ", part.Number());
    const std::uint8_t channel = record[part_address::kReceiveChannel];
    if (channel == kPartOff) {
      text_ += "Off\t ";
    } else {
      AppendFormat(text_, "%u\t ", channel + 1u);
    }
    text_ += parts.PartVoiceName(part).name;
    text_ += "\n";
  }

  const EffectModel& effects = model_.Effects();
  const auto typeName = [&effects](EffectKind kind) { return effects.TypeDisplayName(kind); };
  text_ += "\nReverb Type:\t";
  text_ += typeName(EffectKind::Reverb);
  text_ += "\nChorus Type:\t";
  text_ += typeName(EffectKind::Chorus);
  text_ += "\nVariation Type:\t";
  text_ += typeName(EffectKind::Variation);
  if (model_.IsExtended()) {
    for (int block = 0; block < InsertionEffectModel::kBlockCount; ++block) {
      AppendFormat(text_, "\nInsertion %d Type:\t", block + 1);
      text_ += model_.Insertions().TypeName(block);
    }
    text_ += "\nMulti EQ Type:\t";
    text_ += ValueText(kMultiEqParameters[0], model_.MultiEq().Value(0));
  }
  text_ += "\n\n";

  for (int setup = 0; setup < model_.Drums().Count(); ++setup) {
    AppendFormat(text_, "Drum Set %d:\t", setup + 1);
    text_ += model_.Drums().DrumKitName(setup);
    text_ += "\n";
  }
  text_ += "\n";
}

void ReviewWriter::Message(Bytes m) {
  if (m.size() < kShortestDescribed) return;
  // A read-back's requests, as the monitor shows them.
  if (const std::optional<XgRequest> request = ParseXgRequest(m)) {
    text_ += request->kind == XgRequest::Kind::BulkDump ? "Dump Request\t" : "Parameter Request\t";
    AppendFormat(text_, "%02X %02X %02X", request->address.high, request->address.mid,
                 request->address.low);
    return;
  }
  if (m.size() < kShortestYamaha) {
    Universal(m);
    return;
  }
  if (m[1] != kYamahaId || !IsXgFamilyModel(m[3])) return;
  switch (m[2] >> 4) {
    case kBulkDumpKind:
      BulkDump(m);
      break;
    case kParameterChangeKind:
      ParameterChange(m);
      break;
    default:
      break;
  }
}

void ReviewWriter::Universal(Bytes m) {
  if (m[1] == kUniversalNonRealTime) {
    text_ += "Universal Non RT\t";
    text_ += m[3] == 0x09 && m[4] == 0x01 ? "Gen. MIDI\tOn" : "Unknown";
  } else if (m[1] == kUniversalRealTime) {
    text_ += "Universal RT\t";
    if (m[3] != 0x04 || m[4] != 0x01) {
      text_ += "Unknown";
      return;
    }
    text_ += "M. Volume\t";
    // The volume's MSB; a 6-byte message ends before it.
    if (m.size() > 6) AppendFormat(text_, "%u", m[6]);
  }
}

void ReviewWriter::BulkDump(Bytes m) {
  const std::size_t count = BulkByteCount(m).value_or(0);
  if (m.size() != count + kBulkOverhead) {
    text_ += "Wrong data size in bulk dump";
    return;
  }
  switch (m[3]) {
    case kAdModelId:
      text_ += "Bulk A/D System";
      break;
    case kQs300ModelId:
      text_ += "Bulk User Voice";
      break;
    case kMixerModelId:
      text_ += "Bulk Mixer";
      break;
    default:
      XgBulk(m, m.subspan(kBulkHeaderSize, count));
      break;
  }
}

void ReviewWriter::XgBulk(Bytes m, Bytes data) {
  const std::uint8_t high = m[6];
  const std::uint8_t mid = m[7];
  const std::uint8_t low = m[8];
  if (xg_block::IsSystem(high, mid)) {
    SystemBulk(data);
  } else if (xg_block::IsEffect(high, mid)) {
    EffectBulk(low, data);
  } else if (high == kPartHigh && mid < kPartCount) {
    PartBulk(mid, data);
  } else if (high == xg_block::kAdPartHigh && mid <= 1) {
    text_ += "Bulk A/D Part";
  } else if (high == xg_block::kAdSystemHigh && mid == 0) {
    text_ += "Bulk A/D System";
  } else if (model_.IsExtended() && model_.KnowsAddress({high, mid, low})) {
    text_ += "\n";
    Lines(high, mid, low, data);
  } else if (xg_block::IsDrumSetup(high) && model_.Drums().IsSetup(high & 0x0F) &&
             m[5] == kDrumParameterCount && DrumSetups::IsNote(mid)) {
    text_ += "\n";
    Lines(high, mid, 0, data.first(kDrumParameterCount));
  } else {
    text_ += "Process Bulk Dump Failed";
  }
}

void ReviewWriter::SystemBulk(Bytes data) {
  // The first level leaves the attenuator out: it has no change of its own.
  text_ += "\n";
  for (const ParameterDescriptor& parameter : kSystemParameters) {
    if (!model_.System().HasChange(parameter)) continue;
    if (!System(parameter.address, From(data, parameter.address))) return;
    text_ += "\n";
  }
}

void ReviewWriter::EffectBulk(std::uint8_t low, Bytes data) {
  const auto dump = std::find_if(kEffectDumps.begin(), kEffectDumps.end(),
                                 [low](const EffectDump& d) { return d.addressLow == low; });
  if (dump == kEffectDumps.end()) {
    text_ += "Process Bulk Effect Msg Failed";
    return;
  }
  if (data.size() != dump->count) {
    switch (dump->kind) {
      case EffectKind::Reverb:
        text_ += "Wrong Reverb Data Size";
        break;
      case EffectKind::Chorus:
        text_ += "Wrong Chorus Data Size";
        break;
      case EffectKind::Variation:
        text_ += "Wrong Variation Data Size";
        break;
    }
    return;
  }
  text_ += "\n";
  Lines(kEffectHigh, kEffectMid, low, data);
}

void ReviewWriter::PartBulk(std::uint8_t part, Bytes data) {
  std::uint8_t firstLow = 0;
  if (data.size() == kPartFirstHalfCount) {
    firstLow = 0;
  } else if (data.size() == kPartSecondHalfCount) {
    firstLow = part_address::kSecondHalfStart;
  } else {
    text_ += "Wrong Part Data Size";
    return;
  }
  text_ += "\n";
  Lines(kPartHigh, part, firstLow, data);
}

bool ReviewWriter::Lines(std::uint8_t high, std::uint8_t mid, std::uint8_t firstLow, Bytes data) {
  std::size_t offset = 0;
  while (offset < data.size()) {
    const auto low = static_cast<std::uint8_t>(firstLow + offset);
    if (!Parameter(high, mid, low, data.subspan(offset))) return false;
    text_ += "\n";
    offset += IsPairAddress(high, mid, low) ? 2 : 1;
  }
  return true;
}

void ReviewWriter::ParameterChange(Bytes m) {
  switch (m[3]) {
    case kAdModelId:
      text_ += "Bulk A/D System";
      break;
    case kQs300ModelId:
      break;
    case kMixerModelId:
      text_ += "Bulk Mixer";
      break;
    default: {
      const Bytes data = m.subspan(kChangeHeaderSize, m.size() - kChangeHeaderSize - 1);
      if (model_.KnowsAddress({m[4], m[5], m[6]})) {
        Parameter(m[4], m[5], m[6], data);
      } else {
        Extension({m[4], m[5], m[6]}, data);
      }
      break;
    }
  }
}

void ReviewWriter::Extension(XgAddress address, Bytes data) {
  AppendFormat(text_, "Extension\t%02X %02X %02X", address.high, address.mid, address.low);
  if (data.size() == 1) {
    ByteValue(data);
    return;
  }
  text_ += "\t\t";
  for (std::uint8_t byte : data) AppendFormat(text_, "( %2.2X )", byte);
  text_ += "h";
}

bool ReviewWriter::Parameter(std::uint8_t high, std::uint8_t mid, std::uint8_t low, Bytes data) {
  if (model_.IsExtended() && model_.KnowsAddress({high, mid, low}) &&
      (high == InsertionEffectModel::kHigh || high == DisplayTextModel::kHigh ||
       (high == kMultiEqHigh && mid == kMultiEqMid))) {
    return Extended(high, mid, low, data);
  }
  if (xg_block::IsSystem(high, mid)) return System(low, data);
  if (xg_block::IsEffect(high, mid)) return Effect(low, data);
  if (high == kPartHigh && mid < kPartCount) return Part(mid, low, data);
  if (high == xg_block::kAdPartHigh && mid <= 1) {
    text_ += "Bulk A/D Part";
  } else if (high == xg_block::kAdSystemHigh && mid == 0) {
    text_ += "Bulk A/D System";
  } else if (xg_block::IsDrumSetup(high)) {
    return Drum(high - xg_block::kDrumSetupHigh, mid, low, data);
  }
  return true;
}

bool ReviewWriter::System(std::uint8_t low, Bytes data) {
  text_ += "System\t";
  if (const ParameterDescriptor* parameter = FindSystemParameter(low);
      parameter != nullptr && model_.System().HasChange(*parameter)) {
    // The name comes with its value, or not at all.
    if (data.size() < static_cast<std::size_t>(parameter->ByteCount())) return false;
    text_ += parameter->reviewName;
    if (parameter->form == WireForm::FourNibbles) {
      const int tune =
          parameter->Shown(wire::DecodeFourNibbles(data[0], data[1], data[2], data[3]));
      AppendFormat(text_, "\t%d\t( %2.2X )( %2.2X )( %2.2X )( %2.2X )h", tune, data[0], data[1],
                   data[2], data[3]);
      return true;
    }
    AppendFormat(text_, "\t%d\t( %2.2X )h", parameter->Shown(data[0]), data[0]);
    return true;
  }
  switch (low) {
    case kDrumSetupResetLow:
      if (data.empty()) return false;
      if (model_.Drums().IsSetup(data[0])) AppendFormat(text_, "Drum%d Reset", data[0] + 1);
      return true;
    case kXgSystemOnLow:
      text_ += "XG_System_On";
      return true;
    case kAllParameterResetLow:
      text_ += "Reset_All";
      return true;
    default:
      text_ += "Unknown";
      return true;
  }
}

bool ReviewWriter::Effect(std::uint8_t low, Bytes data) {
  if (low < kChorusTypeAddressLow) {
    text_ += "Reverb\t";
    return ReverbOrChorus(EffectKind::Reverb, low, data);
  }
  if (low < kVariationTypeAddressLow) {
    text_ += "Chorus\t";
    return ReverbOrChorus(EffectKind::Chorus, low, data);
  }
  if (low < 0x80) {
    text_ += "Variatn\t";
    return Variation(low, data);
  }
  return true;
}

bool ReviewWriter::EffectType(EffectKind kind, Bytes data) {
  if (data.size() < 2) return false;
  const std::optional<std::size_t> type = FindEffectType(kind, data[0], data[1]);
  const std::optional<ExtendedEffectType> later =
      model_.IsExtended() ? FindExtendedEffectType(kind, data[0], data[1]) : std::nullopt;
  text_ += type ? EffectTypeName(kind, *type) : later ? later->name : std::string_view("Unknown");
  AppendFormat(text_, "\t\t( %2.2X )( %2.2X )h", data[0], data[1]);
  return true;
}

bool ReviewWriter::ReverbOrChorus(EffectKind kind, std::uint8_t low, Bytes data) {
  if (low == EffectTypeAddress(kind)) return EffectType(kind, data);
  const std::optional<std::string_view> name = EffectSlotReviewName(kind, low);
  if (!name) return true;
  text_ += *name;
  return ByteValue(data);
}

bool ReviewWriter::Variation(std::uint8_t low, Bytes data) {
  if (low == kVariationTypeAddressLow) return EffectType(EffectKind::Variation, data);
  if (const std::optional<std::string_view> name = VariationSettingReviewName(low)) {
    text_ += *name;
    return ByteValue(data);
  }
  const std::optional<std::size_t> param = VariationParamForAddress(low);
  if (!param) return true;
  text_ += VariationParamName(*param);
  if (*param > kVariationTwoByteParamCount) return ByteValue(data);
  if (data.size() < 2) return false;
  AppendFormat(text_, "\t%d\t( %2.2X )( %2.2X )h", wire::DecodeSevenBitPair(data[0], data[1]),
               data[0], data[1]);
  return true;
}

bool ReviewWriter::Part(std::uint8_t part, std::uint8_t low, Bytes data) {
  AppendFormat(text_, "Part %u\t", part + 1u);
  const PartParameter* entry = model_.Parts().Parameter(low);
  if (entry == nullptr) return ByteValue(data);
  text_ += entry->parameter.reviewName;
  if (entry->parameter.form != WireForm::NibblePair) return ByteValue(data);
  if (data.size() < 2) return false;
  AppendFormat(text_, "\t%d\t( %2.2X )( %2.2X )h",
               entry->parameter.Shown(wire::DecodeNibblePair(data[0], data[1])), data[0], data[1]);
  return true;
}

bool ReviewWriter::Drum(int setup, std::uint8_t note, std::uint8_t low, Bytes data) {
  text_ += std::to_string(setup + 1);
  text_ += ' ';
  text_ += model_.Drums().DrumNoteName(setup, DrumNote::FromMidiNote(note));
  text_ += "\t";
  text_ += DrumParameterName(low);
  text_ += "\t";
  if (data.empty()) return false;
  AppendByteAndHex(text_, data[0]);
  return true;
}

bool ReviewWriter::Extended(std::uint8_t high, std::uint8_t mid, std::uint8_t low, Bytes data) {
  if (high == InsertionEffectModel::kHigh) return Insertion(mid, low, data);
  if (high == kMultiEqHigh) return MultiEq(low, data);
  // The letters as they read, however many came.
  text_ += "Display\tLetters\t";
  for (std::uint8_t letter : data) {
    text_ += static_cast<char>(letter >= DisplayTextModel::kBlank && letter < 0x7F ? letter : '.');
  }
  return !data.empty();
}

bool ReviewWriter::Insertion(int block, std::uint8_t low, Bytes data) {
  AppendFormat(text_, "Insert%d\t", block + 1);
  const InsertionEffectModel& insertions = model_.Insertions();
  if (low == InsertionEffectModel::kTypeLow) {
    if (data.size() < 2) return false;
    const std::optional<std::size_t> type = FindInsertionType(data[0], data[1]);
    text_ += type ? InsertionTypeName(*type) : std::string_view("Unknown");
    AppendFormat(text_, "\t\t( %2.2X )( %2.2X )h", data[0], data[1]);
    return true;
  }
  if (low == InsertionEffectModel::kPartLow) {
    text_ += InsertionEffectModel::PartParameter().reviewName;
    return ByteValue(data);
  }
  if (low >= InsertionEffectModel::kFirstDepthLow &&
      low < InsertionEffectModel::kFirstDepthLow + InsertionEffectModel::kDepthCount) {
    text_ +=
        InsertionEffectModel::DepthParameter(low - InsertionEffectModel::kFirstDepthLow).reviewName;
    return ByteValue(data);
  }
  // Parameters are named by the type the insertion runs now.
  std::size_t param = 0;
  if (low >= InsertionEffectModel::kFirstPairLow) {
    param = static_cast<std::size_t>(low - InsertionEffectModel::kFirstPairLow) / 2;
  } else if (low >= InsertionEffectModel::kParam11Low) {
    param = InsertionEffectModel::kPairParamCount + (low - InsertionEffectModel::kParam11Low);
  } else {
    param = static_cast<std::size_t>(low - InsertionEffectModel::kFirstByteParamLow);
  }
  text_ += insertions.Parameter(block, param).reviewName;
  if (low < InsertionEffectModel::kFirstPairLow) return ByteValue(data);
  if (data.size() < 2) return false;
  AppendFormat(text_, "\t%d\t( %2.2X )( %2.2X )h", wire::DecodeSevenBitPair(data[0], data[1]),
               data[0], data[1]);
  return true;
}

bool ReviewWriter::MultiEq(std::uint8_t low, Bytes data) {
  text_ += "MultiEQ\t";
  const ParameterDescriptor* parameter = model_.MultiEq().Parameter(low);
  if (parameter == nullptr) return !data.empty();
  text_ += parameter->reviewName;
  return ByteValue(data);
}

bool ReviewWriter::ByteValue(Bytes data) {
  if (data.empty()) return false;
  text_ += '\t';
  AppendByteAndHex(text_, data[0]);
  return true;
}

// Parameters are named by the Variation type the model runs now, whatever
// type the recorded stream selected.
std::string_view ReviewWriter::VariationParamName(std::size_t param) const {
  return model_.Effects().CurrentVariationParameter(param - 1).reviewName;
}

}  // namespace

bool BuildReviewText(const XgModel& model, std::span<const std::uint8_t> recorded,
                     std::string& text, ProgressLabel& progress) {
  ReviewWriter writer(model, text);
  writer.Summary();
  AppendFormat(text, "Total Bytes:\t%zu\n\n", recorded.size());

  SysexScanner scanner = SysexScanner::Plain(recorded);
  unsigned number = 0;
  while (const std::optional<ScannedMessage> found = scanner.Next()) {
    ++number;
    const Bytes message = scanner.MessageBytes(*found);
    std::string label;
    AppendFormat(label, "Sysex Msg %u", number);
    progress.SetItem(label);
    AppendFormat(text, "%03u - %02zu Bytes\t", number, message.size());
    writer.Message(message);
    text += "\n";
  }
  return true;
}

std::string DescribeMessage(const XgModel& model, std::span<const std::uint8_t> message) {
  std::string text;
  ReviewWriter(model, text).Message(message);
  return text;
}

}  // namespace ravlo
