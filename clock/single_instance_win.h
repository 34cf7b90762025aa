// The one-copy rule: a named mutex in the session namespace whose name holds the executable's
// base name, so each user's session runs one copy of each differently named executable. The
// mutex lives as long as this object; the system drops it when the process ends, whatever way.
// Example: SingleInstanceLock lock("Mirel"); if (lock.PreviousInstance()) ... ;
#pragma once

#include <string_view>

#include "components/win32/unique_handle.h"

namespace mirel {

class SingleInstanceLock {
 public:
  explicit SingleInstanceLock(std::string_view exeBaseName);
  // Another copy held the lock first. Creation is atomic in the system: of copies started at
  // the same moment exactly one sees false.
  bool PreviousInstance() const { return previous_; }

 private:
  win32::UniqueKernelHandle mutex_;
  bool previous_ = false;
};

}  // namespace mirel
