// The settings store of the Windows program: the registry under
//   HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<appName>\<section>, value <key>
// (REG_SZ), where the platform the program first ran on kept these values, so settings stored
// there earlier carry over. Example: ("Mirel", "frmMirel", "Format") is the value Format of
//   HKCU\Software\VB and VBA Program Settings\Mirel\frmMirel
#pragma once

#include <string>
#include <string_view>

#include "components/settings/settings_store.h"

namespace mirel {

// "Software\VB and VBA Program Settings\<appName>\<section>", relative to HKEY_CURRENT_USER.
std::string SettingsKeyPath(std::string_view appName, std::string_view section);

class RegistryStore : public SettingsStore {
 public:
  // A missing key or value, a value that is not REG_SZ, or one that cannot be read gives
  // defaultValue.
  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view defaultValue = {}) override;
  // Creates the key when needed. An empty application name or section, or a registry failure,
  // throws RunTimeError (invalid procedure call or argument).
  void SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

}  // namespace mirel
