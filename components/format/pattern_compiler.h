// Compiles a date/time pattern into a program, in time linear in its length. Token letters are
// case-insensitive; quoted text, escaped characters and characters that are no token are copied
// as they are, so no pattern is ever rejected. Internal to the format library.
// Example: "yyyy年m月" compiles to kYear4, the literal "年", kMonth and the literal "月".
#pragma once

#include <string_view>

#include "components/format/pattern_program.h"

namespace mirel::format_detail {

// The program of `pattern`; the empty pattern is the general form (kGeneral).
Program CompilePattern(std::string_view pattern);

}  // namespace mirel::format_detail
