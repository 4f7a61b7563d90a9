#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ProgressLabel.h"

namespace ravlo::test {

class RecordingProgress final : public ProgressLabel {
 public:
  void Show() override { ++shown; }
  void SetItem(std::string_view item) override { items.emplace_back(item); }
  void Close() override { ++closed; }
  void ShowCancellable() override { ++shownCancellable; }
  bool CancelRequested() override { return cancelAfterItems && items.size() >= *cancelAfterItems; }

  int shown = 0;
  int shownCancellable = 0;
  int closed = 0;
  std::vector<std::string> items;
  // Cancel is pressed once this many items were shown.
  std::optional<std::size_t> cancelAfterItems;
};

}  // namespace ravlo::test
