#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "messages/XgMessage.h"
#include "model/ImageCell.h"

namespace ravlo {

class XgModel;

// The text the later XG instruments show on their display: 32 letters at
// 06 00 00 .. 1F, sent as one parameter change of all 32 (ASCII 20..7F;
// XG data list, Display Letter). It starts blank, and a blank text is not
// sent.
class DisplayTextModel {
 public:
  static constexpr std::size_t kLetterCount = 32;
  static constexpr std::uint8_t kHigh = 0x06;
  static constexpr std::uint8_t kMid = 0x00;
  static constexpr std::uint8_t kBlank = 0x20;

  explicit DisplayTextModel(XgModel& model) : model_(model) { ResetToDefaults(); }

  // The text without its trailing blanks.
  std::string Text() const;
  std::span<const std::uint8_t> Letters() const { return letters_; }
  bool IsBlank() const;

  // The text padded with blanks to 32 letters (longer is cut, a letter
  // outside 20..7F becomes a blank) as one parameter change; stored and told
  // when it went.
  bool SetText(std::string_view text);
  // Received letters from `low` on (nothing past the 32); one notice.
  bool StoreLetters(std::uint8_t low, std::span<const std::uint8_t> data);
  void ResetToDefaults() { letters_.fill(kBlank); }

  // The 32 letters as the parameter change that shows them.
  XgMessage Message() const;
  // That change and the pause, unless the text is blank.
  bool Send(unsigned pauseMs);

  // The edit history's view: one cell per letter; any letter goes back with
  // the whole text.
  static constexpr std::size_t kCellCount = kLetterCount;
  void CopyCells(std::span<ImageCell> cells) const;
  void PutCells(std::span<const ImageCell> cells);
  CellSend SendCell(std::size_t cell, std::span<const ImageCell> target);

 private:
  bool Emit(const std::array<std::uint8_t, kLetterCount>& letters);

  XgModel& model_;
  std::array<std::uint8_t, kLetterCount> letters_{};
};

}  // namespace ravlo
