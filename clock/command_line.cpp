#include "clock/command_line.h"

namespace mirel {

std::string_view ArgumentsAfterProgramName(std::string_view commandLine) {
  // The C runtime's rule for WinMain's command line: a name that starts with a double quote runs
  // to the next one, any other name to the first blank or control character.
  std::size_t position = 0;
  if (!commandLine.empty() && commandLine.front() == '"') {
    const std::size_t closing = commandLine.find('"', 1);
    position = closing == std::string_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (position < commandLine.size() &&
           static_cast<unsigned char>(commandLine[position]) > ' ') {
      ++position;
    }
  }
  while (position < commandLine.size() &&
         static_cast<unsigned char>(commandLine[position]) <= ' ') {
    ++position;
  }
  return commandLine.substr(position);
}

}  // namespace mirel
