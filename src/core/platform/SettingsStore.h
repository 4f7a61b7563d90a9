#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravlo {

// The per-user store of the program's settings, all in the section "Config".
// The shell keeps them with QSettings; tests use a map.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual int ReadInt(std::string_view key, int defaultValue) = 0;
  virtual void WriteInt(std::string_view key, int value) = 0;
  virtual std::optional<std::string> ReadString(std::string_view key) = 0;
  virtual void WriteString(std::string_view key, std::string_view value) = 0;
};

}  // namespace ravlo
