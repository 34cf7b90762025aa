#include "clock/command_line.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(ArgumentsAfterProgramName, KeepsTheRestUnchanged) {
  struct Case {
    const char* commandLine;
    const char* expected;
  };
  const Case cases[] = {
      {"Mirel.exe", ""},
      {"Mirel.exe ", ""},
      {"Mirel.exe yyyy/mm/dd", "yyyy/mm/dd"},
      {"Mirel.exe   yyyy  mm ", "yyyy  mm "},  // only the separating blanks go
      {"Mirel.exe\tyyyy", "yyyy"},
      {"\"C:\\Program Files\\Mirel.exe\" hh:nn", "hh:nn"},
      {"\"C:\\Program Files\\Mirel.exe\"hh", "hh"},
      {"Mirel.exe \"yyyy mm\"", "\"yyyy mm\""},  // quotes are kept
      {"\"C:\\unterminated x", ""},
      {"Mirel.exe 年月日 gggee", "年月日 gggee"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ArgumentsAfterProgramName(c.commandLine), c.expected) << c.commandLine;
  }
}

}  // namespace
}  // namespace mirel
