#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace ravlo::test {

class MemorySettings final : public SettingsStore {
 public:
  int ReadInt(std::string_view key, int defaultValue) override {
    const auto found = ints.find(std::string(key));
    return found != ints.end() ? found->second : defaultValue;
  }
  void WriteInt(std::string_view key, int value) override { ints[std::string(key)] = value; }
  std::optional<std::string> ReadString(std::string_view key) override {
    const auto found = strings.find(std::string(key));
    if (found == strings.end()) return std::nullopt;
    return found->second;
  }
  void WriteString(std::string_view key, std::string_view value) override {
    strings[std::string(key)] = std::string(value);
  }

  std::map<std::string, int> ints;
  std::map<std::string, std::string> strings;
};

}  // namespace ravlo::test
