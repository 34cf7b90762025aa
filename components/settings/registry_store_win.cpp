#include "components/settings/registry_store.h"

#include <windows.h>

#include "components/errors.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "components/win32/win_error.h"

namespace mirel {
namespace {

using win32::Utf8ToWide;

constexpr char kSettingsRoot[] = "Software\\VB and VBA Program Settings\\";

// Reads a REG_SZ value; nothing when absent, of another type or unreadable. A REG_EXPAND_SZ is
// another type too: expanding it would turn %...% in a pattern into environment variables.
bool ReadString(HKEY key, const std::wstring& name, std::wstring& value) {
  // The value may change between the size query and the read; a few rounds settle it.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD bytes = 0;
    LSTATUS status = ::RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ | RRF_NOEXPAND,
                                    nullptr, nullptr, &bytes);
    if (status != ERROR_SUCCESS) {
      return false;
    }
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    status = ::RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr,
                            buffer.data(), &bytes);
    if (status == ERROR_MORE_DATA) {
      continue;
    }
    if (status != ERROR_SUCCESS) {
      return false;
    }
    // RegGetValue terminates the text; the stored size counts that terminator.
    buffer.resize(bytes / sizeof(wchar_t));
    while (!buffer.empty() && buffer.back() == L'\0') {
      buffer.pop_back();
    }
    value = std::move(buffer);
    return true;
  }
  return false;
}

}  // namespace

std::string SettingsKeyPath(std::string_view appName, std::string_view section) {
  std::string path = kSettingsRoot;
  path += appName;
  path += '\\';
  path += section;
  return path;
}

std::string RegistryStore::GetSetting(std::string_view appName, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) {
  try {
    if (appName.empty() || section.empty()) {
      return std::string(defaultValue);
    }
    win32::UniqueHkey handle;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Utf8ToWide(SettingsKeyPath(appName, section)).c_str(), 0,
                        KEY_QUERY_VALUE, handle.Put()) != ERROR_SUCCESS) {
      return std::string(defaultValue);
    }
    std::wstring value;
    if (!ReadString(handle.Get(), Utf8ToWide(key), value)) {
      return std::string(defaultValue);
    }
    return win32::WideToUtf8(value);
  } catch (...) {
    // Reading settings must never stop the program; out of memory reads as "not stored".
    return std::string(defaultValue);
  }
}

void RegistryStore::SaveSetting(std::string_view appName, std::string_view section,
                                std::string_view key, std::string_view value) {
  if (appName.empty() || section.empty()) {
    throw InvalidArgumentError("SaveSetting: application name and section must not be empty");
  }
  win32::UniqueHkey handle;
  LSTATUS status = ::RegCreateKeyExW(
      HKEY_CURRENT_USER, Utf8ToWide(SettingsKeyPath(appName, section)).c_str(), 0, nullptr,
      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, handle.Put(), nullptr);
  if (status != ERROR_SUCCESS) {
    win32::ThrowWin32Error("RegCreateKeyExW", static_cast<DWORD>(status));
  }
  const std::wstring wideValue = Utf8ToWide(value);
  status = ::RegSetValueExW(handle.Get(), Utf8ToWide(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(wideValue.c_str()),
                            static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) {
    win32::ThrowWin32Error("RegSetValueExW", static_cast<DWORD>(status));
  }
}

}  // namespace mirel
