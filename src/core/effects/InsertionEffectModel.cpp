#include "effects/InsertionEffectModel.h"

#include <algorithm>
#include <cstdio>

#include "effects/EffectLookups.h"
#include "effects/ExtendedEffectTypes.h"
#include "messages/XgMessages.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

constexpr std::size_t kTailCount =
    InsertionEffectModel::kParamCount - InsertionEffectModel::kPairParamCount;
constexpr std::uint8_t kLastDepthLow =
    InsertionEffectModel::kFirstDepthLow + InsertionEffectModel::kDepthCount - 1;
constexpr std::uint8_t kLastPairLow =
    InsertionEffectModel::kFirstPairLow + 2 * InsertionEffectModel::kPairParamCount - 1;
constexpr std::int32_t kMaxByte = 0x7F;

// The part: 0..15 parts 1..16, 127 no part; the field counts from 1 and shows
// 128 as Off.
constexpr ParameterDescriptor kPart = ParameterDescriptor{InsertionEffectModel::kPartLow,
                                                          WireForm::Byte,
                                                          ShownAs::PlusOne,
                                                          1,
                                                          128,
                                                          InsertionEffectModel::kPartOff,
                                                          0,
                                                          DefaultFrom::Fixed,
                                                          "Part",
                                                          "Ins_Part",
                                                          "Part"}
                                          .In(Unit::PartOrOff);

constexpr ParameterDescriptor Depth(std::uint8_t low, std::string_view label,
                                    std::string_view reviewName, std::string_view name) {
  return {
      low, WireForm::Byte,     ShownAs::Stored, 0,          127, InsertionEffectModel::kDepthCentre,
      0,   DefaultFrom::Fixed, label,           reviewName, name};
}

constexpr std::array<ParameterDescriptor, InsertionEffectModel::kDepthCount> kDepths = {{
    Depth(0x0D, "Mod Depth", "ModDepth", "ModDepth"),
    Depth(0x0E, "Bend Depth", "BendDepth", "BendDepth"),
    Depth(0x0F, "CAT Depth", "CAT_Depth", "CatDepth"),
    Depth(0x10, "AC1 Depth", "AC1_Depth", "Ac1Depth"),
    Depth(0x11, "AC2 Depth", "AC2_Depth", "Ac2Depth"),
}};

constexpr std::array<std::string_view, InsertionEffectModel::kParamCount> kPlainLabels = {
    "Param 1", "Param 2",  "Param 3",  "Param 4",  "Param 5",  "Param 6",  "Param 7",  "Param 8",
    "Param 9", "Param 10", "Param 11", "Param 12", "Param 13", "Param 14", "Param 15", "Param 16"};

}  // namespace

void InsertionEffectModel::ResetToDefaults() {
  for (Block& block : blocks_) {
    TakeType(block, {0, 0});
    block.part = kPartOff;
    block.depths.fill(kDepthCentre);
  }
}

std::optional<std::size_t> InsertionEffectModel::TableType(const Block& block) {
  return FindEffectType(EffectKind::Variation, block.type[0], block.type[1]);
}

bool InsertionEffectModel::UsesPairs(const Block& block) {
  const std::optional<std::size_t> type = TableType(block);
  if (!type) return false;
  for (std::size_t param = 0; param < kPairParamCount; ++param) {
    const auto range = VariationParamRange(VariationParamDescriptor(*type, param));
    if (range && range->maximum > kMaxByte) return true;
  }
  return false;
}

void InsertionEffectModel::TakeType(Block& block, std::array<std::uint8_t, 2> number) {
  block.type = number;
  const std::optional<std::size_t> type = TableType(block);
  const std::optional<EffectRow> defaults =
      type ? DefaultEffectRow(EffectKind::Variation, *type) : std::nullopt;
  for (std::size_t param = 0; param < kParamCount; ++param) {
    block.values[param] = defaults ? defaults->Values()[param] : 0;
    block.known[param] = defaults.has_value();
  }
}

std::array<std::uint8_t, 2> InsertionEffectModel::TypeNumber(int block) const {
  return IsBlock(block) ? blocks_[static_cast<std::size_t>(block)].type
                        : std::array<std::uint8_t, 2>{};
}

std::optional<std::size_t> InsertionEffectModel::TypeIndex(int block) const {
  const auto number = TypeNumber(block);
  return FindInsertionType(number[0], number[1]);
}

std::string InsertionEffectModel::TypeName(int block) const {
  if (const std::optional<std::size_t> index = TypeIndex(block)) {
    return std::string(InsertionTypeName(*index));
  }
  const auto number = TypeNumber(block);
  char text[24];
  std::snprintf(text, sizeof text, "Unknown (%02X %02X)", number[0], number[1]);
  return text;
}

std::int32_t InsertionEffectModel::Value(int block, std::size_t param) const {
  if (!IsBlock(block) || param >= kParamCount) return 0;
  return blocks_[static_cast<std::size_t>(block)].values[param];
}

bool InsertionEffectModel::IsKnown(int block, std::size_t param) const {
  return IsBlock(block) && param < kParamCount &&
         blocks_[static_cast<std::size_t>(block)].known[param];
}

ParameterDescriptor InsertionEffectModel::Parameter(int block, std::size_t param) const {
  ParameterDescriptor parameter;
  if (!IsBlock(block) || param >= kParamCount) return parameter;
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  const bool pairs = param < kPairParamCount && UsesPairs(b);
  if (const std::optional<std::size_t> type = TableType(b)) {
    parameter = VariationParameter(*type, param, b.values[1], InstrumentModel::Extended);
  } else {
    parameter.label = kPlainLabels[param];
    parameter.reviewName = kPlainLabels[param];
  }
  parameter.form = pairs ? WireForm::SevenBitPair : WireForm::Byte;
  parameter.address = ValueAddress(block, param).low;
  return parameter;
}

std::uint8_t InsertionEffectModel::Part(int block) const {
  return IsBlock(block) ? blocks_[static_cast<std::size_t>(block)].part : kPartOff;
}

std::uint8_t InsertionEffectModel::Depth(int block, std::size_t depth) const {
  if (!IsBlock(block) || depth >= kDepthCount) return kDepthCentre;
  return blocks_[static_cast<std::size_t>(block)].depths[depth];
}

const ParameterDescriptor& InsertionEffectModel::PartParameter() {
  return kPart;
}

const ParameterDescriptor& InsertionEffectModel::DepthParameter(std::size_t depth) {
  return kDepths[std::min(depth, kDepthCount - 1)];
}

XgAddress InsertionEffectModel::ValueAddress(int block, std::size_t param) const {
  const auto mid = static_cast<std::uint8_t>(block);
  if (param >= kPairParamCount) {
    return {kHigh, mid, static_cast<std::uint8_t>(kParam11Low + (param - kPairParamCount))};
  }
  if (UsesPairs(blocks_[static_cast<std::size_t>(block)])) {
    return {kHigh, mid, static_cast<std::uint8_t>(kFirstPairLow + 2 * param)};
  }
  return {kHigh, mid, static_cast<std::uint8_t>(kFirstByteParamLow + param)};
}

void InsertionEffectModel::Publish(int block, std::uint8_t low, int old, int now) {
  if (old == now) return;
  model_.Publish({ModelBlock::Insertion, block,
                  XgAddress{kHigh, static_cast<std::uint8_t>(block), low}, old, now});
}

// --- Setters ----------------------------------------------------------------

bool InsertionEffectModel::SetType(int block, std::array<std::uint8_t, 2> number) {
  if (!IsBlock(block)) return false;
  number = {EffectDataByte(number[0]), EffectDataByte(number[1])};
  const XgAddress address{kHigh, static_cast<std::uint8_t>(block), kTypeLow};
  if (!model_.Emitter().EmitParameterChange(address, number)) return false;
  TakeType(blocks_[static_cast<std::size_t>(block)], number);
  model_.PublishWhole(ModelBlock::Insertion, block);
  return true;
}

bool InsertionEffectModel::EmitValue(int block, std::size_t param, std::int32_t value) {
  const XgAddress address = ValueAddress(block, param);
  if (address.low >= kFirstPairLow) {
    const std::array<std::uint8_t, 2> pair{wire::SevenBitPairMsb(value),
                                           wire::SevenBitPairLsb(value)};
    return model_.Emitter().EmitParameterChange(address, pair);
  }
  return model_.Emitter().EmitParameterChange(address, EffectDataByte(value));
}

bool InsertionEffectModel::SetParameter(int block, std::size_t param, std::int32_t value) {
  if (!IsBlock(block) || param >= kParamCount) return false;
  Block& b = blocks_[static_cast<std::size_t>(block)];
  const bool pair = ValueAddress(block, param).low >= kFirstPairLow;
  value = std::clamp(value, 0, pair ? kEffectMaxPairValue : kMaxByte);
  if (!EmitValue(block, param, value)) return false;
  const std::int32_t old = b.values[param];
  b.values[param] = value;
  b.known[param] = true;
  Publish(block, ValueAddress(block, param).low, old, value);
  return true;
}

bool InsertionEffectModel::SetPart(int block, int value) {
  if (!IsBlock(block)) return false;
  const std::uint8_t part = EffectDataByte(std::clamp(value, 0, kMaxByte));
  if (!model_.Emitter().EmitParameterChange({kHigh, static_cast<std::uint8_t>(block), kPartLow},
                                            part)) {
    return false;
  }
  Block& b = blocks_[static_cast<std::size_t>(block)];
  const int old = b.part;
  b.part = part;
  Publish(block, kPartLow, old, part);
  return true;
}

bool InsertionEffectModel::SetDepth(int block, std::size_t depth, int value) {
  if (!IsBlock(block) || depth >= kDepthCount) return false;
  const std::uint8_t byte = EffectDataByte(std::clamp(value, 0, kMaxByte));
  const auto low = static_cast<std::uint8_t>(kFirstDepthLow + depth);
  if (!model_.Emitter().EmitParameterChange({kHigh, static_cast<std::uint8_t>(block), low}, byte)) {
    return false;
  }
  Block& b = blocks_[static_cast<std::size_t>(block)];
  const int old = b.depths[depth];
  b.depths[depth] = byte;
  Publish(block, low, old, byte);
  return true;
}

// --- Received data -------------------------------------------------------------

bool InsertionEffectModel::IsAddress(std::uint8_t low) {
  return low <= kLastDepthLow || (low >= kParam11Low && low < kParam11Low + kTailCount) ||
         (low >= kFirstPairLow && low <= kLastPairLow);
}

std::optional<std::size_t> InsertionEffectModel::ParameterSize(std::uint8_t low) {
  if (low == kTypeLow) return 2;
  if (low >= kFirstPairLow && low <= kLastPairLow) {
    return (low - kFirstPairLow) % 2 == 0 ? std::optional<std::size_t>(2) : std::nullopt;
  }
  if (low == kTypeLow + 1 || !IsAddress(low)) return std::nullopt;
  return 1;
}

std::size_t InsertionEffectModel::StoreOne(Block& block, std::uint8_t low,
                                           std::span<const std::uint8_t> data) {
  const std::size_t size = ParameterSize(low).value_or(1);
  if (data.size() < size || !IsAddress(low)) return std::max<std::size_t>(size, 1);
  // A value the type leaves out stays out, as in the Variation block.
  const auto put = [&block](std::size_t param, std::int32_t value) {
    const bool unused = block.known[param] && block.values[param] == kEffectParamUnused &&
                        TableType(block).has_value();
    block.values[param] = unused ? kEffectParamUnused : value;
    block.known[param] = true;
  };
  if (low == kTypeLow) {
    TakeType(block, {data[0], data[1]});
  } else if (low >= kFirstPairLow) {
    put(static_cast<std::size_t>(low - kFirstPairLow) / 2,
        wire::DecodeSevenBitPair(data[0], data[1]));
  } else if (low >= kParam11Low) {
    put(kPairParamCount + (low - kParam11Low), data[0]);
  } else if (low >= kFirstDepthLow) {
    block.depths[low - kFirstDepthLow] = data[0];
  } else if (low == kPartLow) {
    block.part = data[0];
  } else if (low >= kFirstByteParamLow && !UsesPairs(block)) {
    // A type whose values pass 127 takes Params 1..10 only as pairs.
    put(low - kFirstByteParamLow, data[0]);
  }
  return size;
}

bool InsertionEffectModel::Store(int block, std::uint8_t low, std::span<const std::uint8_t> data) {
  if (!IsBlock(block) || data.empty()) return false;
  Block& b = blocks_[static_cast<std::size_t>(block)];
  std::size_t offset = 0;
  while (offset < data.size()) {
    const auto at = static_cast<std::uint8_t>(low + offset);
    offset += StoreOne(b, at, data.subspan(offset));
  }
  model_.PublishWhole(ModelBlock::Insertion, block);
  return true;
}

// --- Sending ---------------------------------------------------------------------

std::vector<XgMessage> InsertionEffectModel::BlockDumps(int block) const {
  if (!IsBlock(block)) return {};
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  const auto mid = static_cast<std::uint8_t>(block);
  const auto byte = [](std::int32_t value) {
    return value == kEffectParamUnused ? std::uint8_t{0} : EffectDataByte(value);
  };
  const bool pairs = UsesPairs(b);
  std::array<std::uint8_t, kHeadSize> head{};
  head[0] = b.type[0];
  head[1] = b.type[1];
  for (std::size_t p = 0; p < kPairParamCount; ++p) {
    head[kFirstByteParamLow + p] = pairs ? 0 : byte(b.values[p]);
  }
  head[kPartLow] = b.part;
  std::copy(b.depths.begin(), b.depths.end(), head.begin() + kFirstDepthLow);
  std::array<std::uint8_t, kTailCount> tail{};
  for (std::size_t p = 0; p < kTailCount; ++p) tail[p] = byte(b.values[kPairParamCount + p]);
  const UnitNumber unit = model_.Unit();
  std::vector<XgMessage> dumps{BuildBulkDump(unit, kXgModelId, {kHigh, mid, kTypeLow}, head),
                               BuildBulkDump(unit, kXgModelId, {kHigh, mid, kParam11Low}, tail)};
  if (pairs) {
    std::array<std::uint8_t, 2 * kPairParamCount> pairBytes{};
    for (std::size_t p = 0; p < kPairParamCount; ++p) {
      const std::int32_t value = b.values[p] == kEffectParamUnused ? 0 : b.values[p];
      pairBytes[2 * p] = wire::SevenBitPairMsb(value);
      pairBytes[2 * p + 1] = wire::SevenBitPairLsb(value);
    }
    dumps.push_back(BuildBulkDump(unit, kXgModelId, {kHigh, mid, kFirstPairLow}, pairBytes));
  }
  return dumps;
}

bool InsertionEffectModel::SendBlock(int block, bool nonDefaultOnly, unsigned pauseMs) {
  if (!IsBlock(block)) return false;
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  const bool allKnown = std::all_of(b.known.begin(), b.known.end(), [](bool k) { return k; });
  if (!nonDefaultOnly && allKnown) {
    const std::vector<XgMessage> dumps = BlockDumps(block);
    return model_.Emitter().EmitPaced(dumps, pauseMs);
  }
  return SendChanges(block, nonDefaultOnly, pauseMs);
}

bool InsertionEffectModel::SendChanges(int block, bool nonDefaultOnly, unsigned pauseMs) {
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  XgEmitter& emitter = model_.Emitter();
  const auto mid = static_cast<std::uint8_t>(block);
  // An insertion that goes to a part always names its type: the program
  // does not assume what the synthesizer's reset leaves there.
  const bool none = b.type == std::array<std::uint8_t, 2>{0, 0};
  if (!nonDefaultOnly || !none || b.part != kPartOff) {
    if (!emitter.EmitParameterChange({kHigh, mid, kTypeLow}, b.type)) return false;
    emitter.Pause(pauseMs);
  }
  const std::optional<std::size_t> type = TableType(b);
  const std::optional<EffectRow> defaults =
      type ? DefaultEffectRow(EffectKind::Variation, *type) : std::nullopt;
  for (std::size_t p = 0; p < kParamCount; ++p) {
    const std::int32_t value = b.values[p];
    if (!b.known[p] || value == kEffectParamUnused) continue;
    if (nonDefaultOnly && defaults && value == defaults->Values()[p]) continue;
    if (!EmitValue(block, p, value)) return false;
    emitter.Pause(pauseMs);
  }
  if (!nonDefaultOnly || b.part != kPartOff) {
    if (!emitter.EmitParameterChange({kHigh, mid, kPartLow}, b.part)) return false;
    emitter.Pause(pauseMs);
  }
  for (std::size_t d = 0; d < kDepthCount; ++d) {
    if (nonDefaultOnly && b.depths[d] == kDepthCentre) continue;
    const auto low = static_cast<std::uint8_t>(kFirstDepthLow + d);
    if (!emitter.EmitParameterChange({kHigh, mid, low}, b.depths[d])) return false;
    emitter.Pause(pauseMs);
  }
  return true;
}

// --- The edit history --------------------------------------------------------------

namespace {
constexpr std::size_t kValuesCell = 2;
constexpr std::size_t kKnownCell = kValuesCell + InsertionEffectModel::kParamCount;
constexpr std::size_t kPartCell = kKnownCell + InsertionEffectModel::kParamCount;
constexpr std::size_t kDepthsCell = kPartCell + 1;
static_assert(kDepthsCell + InsertionEffectModel::kDepthCount == InsertionEffectModel::kCellCount);
}  // namespace

void InsertionEffectModel::CopyCells(int block, std::span<ImageCell> cells) const {
  if (!IsBlock(block) || cells.size() < kCellCount) return;
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  cells[0] = b.type[0];
  cells[1] = b.type[1];
  for (std::size_t p = 0; p < kParamCount; ++p) {
    cells[kValuesCell + p] = b.values[p];
    cells[kKnownCell + p] = b.known[p] ? 1 : 0;
  }
  cells[kPartCell] = b.part;
  for (std::size_t d = 0; d < kDepthCount; ++d) cells[kDepthsCell + d] = b.depths[d];
}

void InsertionEffectModel::PutCells(int block, std::span<const ImageCell> cells) {
  if (!IsBlock(block) || cells.size() < kCellCount) return;
  Block& b = blocks_[static_cast<std::size_t>(block)];
  const auto byte = [&](std::size_t cell) { return static_cast<std::uint8_t>(cells[cell]); };
  b.type = {byte(0), byte(1)};
  for (std::size_t p = 0; p < kParamCount; ++p) {
    b.values[p] = cells[kValuesCell + p];
    b.known[p] = cells[kKnownCell + p] != 0;
  }
  b.part = byte(kPartCell);
  for (std::size_t d = 0; d < kDepthCount; ++d) b.depths[d] = byte(kDepthsCell + d);
  model_.PublishWhole(ModelBlock::Insertion, block);
}

CellSend InsertionEffectModel::SendCell(int block, std::size_t cell,
                                        std::span<const ImageCell> target) {
  if (!IsBlock(block) || target.size() < kCellCount) return CellSend::NotSent;
  const Block& b = blocks_[static_cast<std::size_t>(block)];
  const std::array<std::uint8_t, 2> type{static_cast<std::uint8_t>(target[0]),
                                         static_cast<std::uint8_t>(target[1])};
  bool sent = false;
  if (cell < kValuesCell) {
    // The type goes first; its values follow by their own setters.
    if (type == b.type) return CellSend::NotSent;
    sent = SetType(block, type);
  } else if (cell < kKnownCell) {
    const std::size_t param = cell - kValuesCell;
    if (type != b.type || target[kKnownCell + param] == 0 || target[cell] == kEffectParamUnused) {
      return CellSend::NotSent;
    }
    sent = SetParameter(block, param, target[cell]);
  } else if (cell == kPartCell) {
    sent = SetPart(block, target[cell]);
  } else if (cell >= kDepthsCell) {
    sent = SetDepth(block, cell - kDepthsCell, target[cell]);
  } else {
    return CellSend::NotSent;
  }
  return sent ? CellSend::Sent : CellSend::Failed;
}

}  // namespace ravlo
