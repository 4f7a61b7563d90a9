#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "messages/XgMessage.h"
#include "model/ImageCell.h"
#include "parameters/ParameterDescriptor.h"

namespace ravlo {

class XgModel;

// The four insertion effects of the later XG instruments at 03 00 .. 03 03
// (XG data list, Insertion Effect table): type MSB and LSB at 00, Params
// 1..10 as one byte each at 02..0B, the part at 0C, the five controller
// depths at 0D..11, Params 11..16 at 20..25, and Params 1..10 as MSB and LSB
// pairs at 30..43 for the types whose values pass 127 (the delays), which
// take them there and not at 02..0B.
//
// An insertion runs a type of the Variation table (its values start at that
// type's defaults) or one the later instruments add (its values are known as
// they come or are edited). After a reset it runs "None" on no part.
class InsertionEffectModel {
 public:
  static constexpr int kBlockCount = 4;
  static constexpr std::uint8_t kHigh = 0x03;
  static constexpr std::size_t kParamCount = 16;
  static constexpr std::size_t kPairParamCount = 10;
  static constexpr std::size_t kDepthCount = 5;
  static constexpr std::uint8_t kTypeLow = 0x00;
  static constexpr std::uint8_t kFirstByteParamLow = 0x02;
  static constexpr std::uint8_t kPartLow = 0x0C;
  static constexpr std::uint8_t kFirstDepthLow = 0x0D;
  static constexpr std::uint8_t kHeadSize = 0x12;
  static constexpr std::uint8_t kParam11Low = 0x20;
  static constexpr std::uint8_t kFirstPairLow = 0x30;
  static constexpr std::uint8_t kPartOff = 0x7F;
  static constexpr std::uint8_t kDepthCentre = 0x40;

  explicit InsertionEffectModel(XgModel& model) : model_(model) { ResetToDefaults(); }

  // "None" on no part, every depth at its centre, in all four.
  void ResetToDefaults();
  static bool IsBlock(int block) { return block >= 0 && block < kBlockCount; }

  std::array<std::uint8_t, 2> TypeNumber(int block) const;
  // The type's name, or "Unknown (5E 7F)" for a number no list holds.
  std::string TypeName(int block) const;
  // The type's place in the insertion type list; none for an unlisted number.
  std::optional<std::size_t> TypeIndex(int block) const;
  // Value of Param 1..16 (index 0..15) as stored; 255 where the type does not use it.
  std::int32_t Value(int block, std::size_t param) const;
  // False for a value of a later type that has not come or been edited yet.
  bool IsKnown(int block, std::size_t param) const;
  // Param `param` (0..15) of the type the insertion runs: its label, range
  // and unit for a Variation table type ("Param 3", 0..127 for the others);
  // no label where the type does not use it.
  ParameterDescriptor Parameter(int block, std::size_t param) const;
  std::uint8_t Part(int block) const;
  std::uint8_t Depth(int block, std::size_t depth) const;
  static const ParameterDescriptor& PartParameter();
  static const ParameterDescriptor& DepthParameter(std::size_t depth);

  // Each sends one parameter change, then stores what went and tells.
  // A new type takes its defaults, as the synthesizer does.
  bool SetType(int block, std::array<std::uint8_t, 2> number);
  bool SetParameter(int block, std::size_t param, std::int32_t value);
  bool SetPart(int block, int value);
  bool SetDepth(int block, std::size_t depth, int value);

  // True for an address low the block holds: the type (both bytes), a
  // parameter, the part, a depth.
  static bool IsAddress(std::uint8_t low);
  // The data bytes of the parameter that starts at `low`; none elsewhere.
  static std::optional<std::size_t> ParameterSize(std::uint8_t low);
  // Received data from `low` on, a parameter change's or a dump's, each
  // value at its own address; one notice. False when nothing was stored.
  bool Store(int block, std::uint8_t low, std::span<const std::uint8_t> data);

  // The dumps from 00 and from 20 (and from 30 for a type whose values pass
  // 127), as a bulk send writes them and the synthesizer answers requests.
  std::vector<XgMessage> BlockDumps(int block) const;
  // The dumps with the pause between them, or (only differences, or a later
  // type's values that are not all known) the type when it is not "None" or
  // a part is set, then each value that is known and differs from the type's
  // default, the part and the depths that are not at their reset values.
  bool SendBlock(int block, bool nonDefaultOnly, unsigned pauseMs);

  // The edit history's view of one insertion: type MSB and LSB, the 16
  // values, which of them are known, the part, the five depths.
  static constexpr std::size_t kCellCount = 2 + 2 * kParamCount + 1 + kDepthCount;
  void CopyCells(int block, std::span<ImageCell> cells) const;
  void PutCells(int block, std::span<const ImageCell> cells);
  CellSend SendCell(int block, std::size_t cell, std::span<const ImageCell> target);

 private:
  struct Block {
    std::array<std::uint8_t, 2> type{};
    std::array<std::int32_t, kParamCount> values{};
    std::array<bool, kParamCount> known{};
    std::uint8_t part = kPartOff;
    std::array<std::uint8_t, kDepthCount> depths{};
  };

  // The Variation table's index of the type; none for a later one.
  static std::optional<std::size_t> TableType(const Block& block);
  // True when the type keeps Params 1..10 as pairs at 30..43.
  static bool UsesPairs(const Block& block);
  static void TakeType(Block& block, std::array<std::uint8_t, 2> number);
  // A value's wire form: address low and data bytes.
  XgAddress ValueAddress(int block, std::size_t param) const;
  std::size_t StoreOne(Block& block, std::uint8_t low, std::span<const std::uint8_t> data);
  bool SendChanges(int block, bool nonDefaultOnly, unsigned pauseMs);
  bool EmitValue(int block, std::size_t param, std::int32_t value);
  void Publish(int block, std::uint8_t low, int old, int now);

  XgModel& model_;
  std::array<Block, kBlockCount> blocks_{};
};

}  // namespace ravlo
