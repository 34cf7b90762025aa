// The command-line text the program hands to its clock: everything after the program name, as
// Windows gives it to WinMain. Example:
//   ArgumentsAfterProgramName("\"C:\\Apps\\Mirel.exe\"  \"yyyy\" x ") == "\"yyyy\" x "
#pragma once

#include <string_view>

namespace mirel {

// Skips the program name (quoted, it may hold blanks) and the blanks and control characters
// that separate it from the rest; the rest comes back unchanged: quotes and trailing blanks kept.
std::string_view ArgumentsAfterProgramName(std::string_view commandLine);

}  // namespace mirel
