#pragma once

#include <string_view>

namespace ravlo {

// The Processing window of long actions: shown (or brought forward), told
// the item being processed, closed at the end. An action that may stop half
// way shows it with a Cancel button and asks, between its steps, whether
// that was pressed.
class ProgressLabel {
 public:
  virtual ~ProgressLabel() = default;
  virtual void Show() = 0;
  virtual void SetItem(std::string_view item) = 0;
  virtual void Close() = 0;
  virtual void ShowCancellable() { Show(); }
  virtual bool CancelRequested() { return false; }
};

// For callers with nobody to show progress to.
class SilentProgress final : public ProgressLabel {
 public:
  void Show() override {}
  void SetItem(std::string_view) override {}
  void Close() override {}
};

}  // namespace ravlo
