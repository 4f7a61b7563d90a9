#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "messages/XgMessage.h"
#include "model/ImageCell.h"
#include "model/ModelChange.h"
#include "parameters/ParameterDescriptor.h"

namespace ravlo {

class XgModel;

// A block of one-byte parameters at consecutive XG addresses, one
// descriptor per address (kNoParameter where the address holds none). It
// stores what went out or came in, tells the model's observers, and goes out
// as one bulk dump or as the parameter changes that differ from the
// defaults. The multi EQ is one.
class AddressedBlock {
 public:
  AddressedBlock(XgModel& model, ModelBlock block, XgAddress start,
                 std::span<const ParameterDescriptor> parameters);

  std::size_t Size() const { return bytes_.size(); }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }
  XgAddress Start() const { return start_; }
  // The stored byte at `low` (0 past the block).
  int Value(std::size_t low) const { return low < bytes_.size() ? bytes_[low] : 0; }
  // The descriptor at `low`; nullptr where the address holds no parameter.
  const ParameterDescriptor* Parameter(std::size_t low) const;
  std::span<const ParameterDescriptor> Parameters() const { return parameters_; }

  // The stored value, clamped to the parameter's range, as one parameter
  // change; stored and told when it went.
  bool SetParameter(std::uint8_t low, int stored);
  // Received bytes from `low` on, as they came (nothing past the block);
  // one notice. False when `low` lies outside the block.
  bool StoreBytes(std::uint8_t low, std::span<const std::uint8_t> data);
  // The defaults, nothing sent and nobody told (the model tells).
  void ResetToDefaults();

  // The whole block from its first address, as a bulk send writes it and
  // the synthesizer answers a request for it.
  XgMessage BulkDump() const;
  // The dump, or each parameter that differs from its default, each
  // followed by the pause.
  bool SendBlock(bool nonDefaultOnly, unsigned pauseMs);

  // The edit history's view: one cell per address.
  std::size_t CellCount() const { return bytes_.size(); }
  void CopyCells(std::span<ImageCell> cells) const;
  void PutCells(std::span<const ImageCell> cells);
  CellSend SendCell(std::size_t cell, std::span<const ImageCell> target);

 private:
  XgAddress AddressOf(std::size_t low) const;

  XgModel& model_;
  ModelBlock block_;
  XgAddress start_;
  std::span<const ParameterDescriptor> parameters_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace ravlo
