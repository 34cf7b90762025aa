// The per-user settings store: text values addressed by application name, section and key.
// On Windows it is the registry (registry_store_win.cpp).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace mirel {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or defaultValue when it is absent or cannot be read. Never throws.
  virtual std::string GetSetting(std::string_view appName, std::string_view section,
                                 std::string_view key, std::string_view defaultValue = {}) = 0;
  // Stores the value; throws RunTimeError when it cannot.
  virtual void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

// A store in memory, for tests and the native tools.
class MemorySettingsStore : public SettingsStore {
 public:
  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view defaultValue = {}) override {
    auto it = values_.find({std::string(appName), std::string(section), std::string(key)});
    return it == values_.end() ? std::string(defaultValue) : it->second;
  }
  void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override {
    values_[{std::string(appName), std::string(section), std::string(key)}] = std::string(value);
  }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace mirel
