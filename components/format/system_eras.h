// The Japanese eras of the system's calendar data, so that an era announced after this program
// was built arrives with the system's updates.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "components/format/locale_data.h"

namespace mirel {

// The eras of the system's calendar data, given as its (value name, data) pairs, e.g.
// ("1989 01 08", "平成_平_Heisei_H"), merged with `builtIn`: system eras first, in order of
// start, then the built-in eras that start after the last of them. Unreadable entries are
// skipped; with no readable entry the result is `builtIn`.
std::vector<EraInfo> MergeSystemEras(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::vector<EraInfo>& builtIn);

}  // namespace mirel
