#include <windows.h>

#include "components/datetime/civil_date.h"
#include "components/datetime/now.h"

namespace mirel {

DateValue SystemNow() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  const double seconds =
      local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + local.wMilliseconds / 1000.0;
  const auto day = DaysFromCivil(local.wYear, local.wMonth, local.wDay);
  return static_cast<double>(day) + seconds / 86400.0;
}

}  // namespace mirel
