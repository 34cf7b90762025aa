#include "clock/single_instance_win.h"

#include <windows.h>

#include <string>

#include "components/win32/text_conversion.h"

namespace mirel {

SingleInstanceLock::SingleInstanceLock(std::string_view exeBaseName) {
  // File names are case-insensitive, so MIREL.EXE and Mirel.exe are one program.
  std::wstring name = win32::Utf8ToWide(exeBaseName);
  if (!name.empty()) {
    ::CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  }
  name = L"Local\\" + name + L".single-instance";
  mutex_.Reset(::CreateMutexW(nullptr, FALSE, name.c_str()));
  // Existing already: another copy holds it. Failing altogether (the name taken by an object of
  // another kind, or denied): no copy of ours can be told apart, so this one runs.
  previous_ = mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace mirel
