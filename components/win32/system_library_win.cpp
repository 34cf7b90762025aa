#include "components/win32/system_library.h"

#include <string>

namespace mirel::win32 {

void SearchDllsInSystemFolderOnly() noexcept {
  using SetDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
  const auto setDirectories =
      kernel32 == nullptr ? nullptr
                          : reinterpret_cast<SetDirectoriesFunction>(reinterpret_cast<void (*)()>(
                                ::GetProcAddress(kernel32, "SetDefaultDllDirectories")));
  if (setDirectories != nullptr) {
    setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
}

HMODULE SystemLibrary(const wchar_t* name) noexcept {
  if (const HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return module;
  }
  // Windows 7 without KB2533623 knows no search flags: the full path of the system folder's copy.
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return nullptr;
  }
  try {
    return ::LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
  } catch (...) {
    return nullptr;
  }
}

}  // namespace mirel::win32
