#include "components/win32/system_info.h"

namespace mirel::win32 {

std::optional<WindowsVersion> RunningWindowsVersion() noexcept {
  static const std::optional<WindowsVersion> version = []() -> std::optional<WindowsVersion> {
    // ntdll is in every process from its start, so asking it loads nothing.
    using GetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto getVersion = ntdll == nullptr
                                ? nullptr
                                : reinterpret_cast<GetVersionFunction>(reinterpret_cast<void (*)()>(
                                      ::GetProcAddress(ntdll, "RtlGetVersion")));
    RTL_OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (getVersion == nullptr || getVersion(&info) != 0) {
      return std::nullopt;
    }
    return WindowsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
  }();
  return version;
}

std::optional<std::uint32_t> CurrentUserDword(const wchar_t* key, const wchar_t* name) noexcept {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

}  // namespace mirel::win32
