#include "components/win32/app_info.h"

#include <windows.h>

#include "components/win32/text_conversion.h"

namespace mirel::win32 {

std::filesystem::path ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return std::filesystem::path(buffer);
    }
    buffer.resize(buffer.size() * 2);  // truncated: long path
  }
}

std::filesystem::path ExecutableFolder() {
  return ExecutablePath().parent_path();
}

std::string ExecutableBaseName() {
  return WideToUtf8(ExecutablePath().stem().wstring());
}

}  // namespace mirel::win32
