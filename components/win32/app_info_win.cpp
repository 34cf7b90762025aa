#include "components/win32/app_info.h"

#include <windows.h>

#include "components/win32/text_conversion.h"

namespace mirel::win32 {

std::wstring ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // truncated: long path
  }
}

namespace {

// Where the file name starts: after the last separator of either kind.
std::size_t FileNameStart(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring ExecutableFolder() {
  std::wstring path = ExecutablePath();
  const std::size_t start = FileNameStart(path);
  // A root folder keeps its separator ("C:\"), any other folder loses it.
  const bool root = start > 0 && (start == 1 || path[start - 2] == L':');
  path.resize(root ? start : (start > 0 ? start - 1 : 0));
  return path;
}

std::string ExecutableBaseName() {
  const std::wstring path = ExecutablePath();
  std::wstring name = path.substr(FileNameStart(path));
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) {
    name.resize(dot);
  }
  return WideToUtf8(name);
}

}  // namespace mirel::win32
