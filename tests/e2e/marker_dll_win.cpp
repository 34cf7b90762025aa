// A DLL that tells when it is loaded: copied beside a program under the name of a system DLL, it
// leaves the file "<its path>.loaded" when any process loads it. For the tests that the program
// takes no DLL from its own folder.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) noexcept {
  if (reason == DLL_PROCESS_ATTACH) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(instance, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      try {
        const std::wstring marker = std::wstring(path, length) + L".loaded";
        const HANDLE file = ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
          ::CloseHandle(file);
        }
      } catch (...) {
      }
    }
  }
  return TRUE;
}
