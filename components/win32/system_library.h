// DLLs from the system folder only. The program is portable: users start it from wherever they
// unpacked it, often a downloads folder, where a DLL of a system name placed beside it would be
// loaded in its place. So the executable imports only DLLs Windows always takes from System32
// (kernel32, user32, gdi32, advapi32, shell32, msvcrt), and every other DLL is loaded here by
// name from System32 on first use.
// Example: SystemFunction<decltype(&::VerQueryValueW)>(L"version.dll", "VerQueryValueW")
#pragma once

#include <windows.h>

namespace mirel::win32 {

// Leaves the application's folder out of every later search for a DLL (SetDefaultDllDirectories,
// from Windows 8 and on Windows 7 with its update KB2533623; elsewhere it does nothing). Called
// first thing at start. A manifest's side-by-side assemblies (the common controls 6) still apply.
void SearchDllsInSystemFolderOnly() noexcept;

// The DLL of that name from System32, loaded on first use and kept for the rest of the run;
// nullptr when it cannot be loaded.
HMODULE SystemLibrary(const wchar_t* name) noexcept;

// A function of such a DLL; nullptr when the DLL or the function is missing.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) noexcept {
  const HMODULE module = SystemLibrary(library);
  // Through void (*)(): the one function type any other may be cast from without a warning.
  return module == nullptr ? nullptr
                           : reinterpret_cast<Function>(
                                 reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace mirel::win32
