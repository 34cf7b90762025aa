// Runs one statement and drops any failure of it, so that the statements after it still run.
// The calendar's resize handler and the closing steps of its drawing go on this way: one
// refused placement or a caption that cannot be set must not keep the rest from happening.
#pragma once

#include <exception>

namespace mirel {

template <typename Statement>
void SkipOnError(Statement&& statement) {
  try {
    statement();
  } catch (const std::exception&) {
  }
}

}  // namespace mirel
