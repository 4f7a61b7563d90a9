#pragma once

#include <QSettings>

#include "platform/SettingsStore.h"

namespace ravlo {

// The settings under organisation "Quorvik", application "Ravlo", group "Config".
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();

  int ReadInt(std::string_view key, int defaultValue) override;
  void WriteInt(std::string_view key, int value) override;
  std::optional<std::string> ReadString(std::string_view key) override;
  void WriteString(std::string_view key, std::string_view value) override;

 private:
  static QString Key(std::string_view key);
  QSettings settings_;
};

}  // namespace ravlo
