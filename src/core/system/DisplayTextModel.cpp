#include "system/DisplayTextModel.h"

#include <algorithm>

#include "messages/XgMessages.h"
#include "model/XgModel.h"

namespace ravlo {

namespace {

constexpr std::uint8_t kLastLetter = 0x7F;

std::uint8_t Letter(int value) {
  return value >= DisplayTextModel::kBlank && value <= kLastLetter
             ? static_cast<std::uint8_t>(value)
             : DisplayTextModel::kBlank;
}

}  // namespace

std::string DisplayTextModel::Text() const {
  std::string text(letters_.begin(), letters_.end());
  text.erase(text.find_last_not_of(static_cast<char>(kBlank)) + 1);
  return text;
}

bool DisplayTextModel::IsBlank() const {
  return std::all_of(letters_.begin(), letters_.end(), [](std::uint8_t l) { return l == kBlank; });
}

bool DisplayTextModel::SetText(std::string_view text) {
  std::array<std::uint8_t, kLetterCount> letters{};
  letters.fill(kBlank);
  for (std::size_t i = 0; i < std::min(text.size(), kLetterCount); ++i) {
    letters[i] = Letter(static_cast<unsigned char>(text[i]));
  }
  return Emit(letters);
}

bool DisplayTextModel::Emit(const std::array<std::uint8_t, kLetterCount>& letters) {
  if (!model_.Emitter().Emit(BuildWideParameterChange(model_.Unit(), {kHigh, kMid, 0}, letters))) {
    return false;
  }
  if (letters != letters_) {
    letters_ = letters;
    model_.PublishWhole(ModelBlock::DisplayText);
  }
  return true;
}

bool DisplayTextModel::StoreLetters(std::uint8_t low, std::span<const std::uint8_t> data) {
  if (low >= kLetterCount) return false;
  const std::size_t count = std::min(data.size(), kLetterCount - low);
  for (std::size_t i = 0; i < count; ++i) letters_[low + i] = Letter(data[i]);
  model_.PublishWhole(ModelBlock::DisplayText);
  return true;
}

XgMessage DisplayTextModel::Message() const {
  return BuildWideParameterChange(model_.Unit(), {kHigh, kMid, 0}, letters_);
}

bool DisplayTextModel::Send(unsigned pauseMs) {
  if (IsBlank()) return true;
  if (!model_.Emitter().Emit(Message())) return false;
  model_.Emitter().Pause(pauseMs);
  return true;
}

void DisplayTextModel::CopyCells(std::span<ImageCell> cells) const {
  std::copy_n(letters_.begin(), std::min(cells.size(), kLetterCount), cells.begin());
}

void DisplayTextModel::PutCells(std::span<const ImageCell> cells) {
  const std::size_t count = std::min(cells.size(), kLetterCount);
  for (std::size_t i = 0; i < count; ++i) letters_[i] = Letter(cells[i]);
  model_.PublishWhole(ModelBlock::DisplayText);
}

CellSend DisplayTextModel::SendCell(std::size_t cell, std::span<const ImageCell> target) {
  if (cell >= kCellCount || target.size() < kCellCount) return CellSend::NotSent;
  std::array<std::uint8_t, kLetterCount> letters{};
  for (std::size_t i = 0; i < kLetterCount; ++i) letters[i] = Letter(target[i]);
  return Emit(letters) ? CellSend::Sent : CellSend::Failed;
}

}  // namespace ravlo
