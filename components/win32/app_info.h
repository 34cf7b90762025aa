// What the running program knows about itself: its path, folder and base name (the file name
// without extension, which names its settings).
// Example: for C:\Tools\Mirel.exe, ExecutableBaseName() == "Mirel".
#pragma once

#include <string>

namespace mirel::win32 {

std::wstring ExecutablePath();
std::wstring ExecutableFolder();   // without a trailing separator, as C:\Tools
std::string ExecutableBaseName();  // UTF-8

}  // namespace mirel::win32
