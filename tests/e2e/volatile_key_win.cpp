// A helper the end-to-end scripts run under Wine: creates a volatile registry key under
// HKEY_CURRENT_USER. Nothing lasting can be created below a volatile key, so the program's
// settings under it cannot be saved while the key lives (until the prefix's wineserver ends).
//   volatile_key "Software\VB and VBA Program Settings\Mirel"
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: volatile_key SUBKEY\n");
    return 1;
  }
  const std::string path = argv[1];  // ASCII: the path the tests need
  HKEY key = nullptr;
  const LSTATUS status = ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                           REG_OPTION_VOLATILE, KEY_READ, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    std::fprintf(stderr, "RegCreateKeyExA failed: %ld\n", static_cast<long>(status));
    return 1;
  }
  ::RegCloseKey(key);
  return 0;
}
