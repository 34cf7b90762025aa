#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "components/win32/text_conversion.h"
#include "tools/utf8_main.h"

// The C runtime hands main() its arguments in the ANSI code page, which cannot hold every
// character of a pattern; the wide ones are converted instead. Text mode would turn "\n" into
// "\r\n" and stop reading at a Ctrl+Z byte.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.push_back(mirel::win32::WideToUtf8(argv[i]));
  }
  std::vector<char*> pointers;
  for (std::string& argument : arguments) {
    pointers.push_back(argument.data());
  }
  pointers.push_back(nullptr);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  return Utf8Main(argc, pointers.data());
}
