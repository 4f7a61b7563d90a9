#pragma once

#include <string>
#include <vector>

#include "platform/ProgressLabel.h"

namespace ravlo::test {

class RecordingProgress final : public ProgressLabel {
 public:
  void Show() override { ++shown; }
  void SetItem(std::string_view item) override { items.emplace_back(item); }
  void Close() override { ++closed; }

  int shown = 0;
  int closed = 0;
  std::vector<std::string> items;
};

}  // namespace ravlo::test
