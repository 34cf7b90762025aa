#include <ctime>

#include "components/datetime/civil_date.h"
#include "components/datetime/now.h"

namespace mirel {

DateValue SystemNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  // A leap second reads as the last second of its minute.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + second + now.tv_nsec / 1e9;
  const auto day = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                 static_cast<unsigned>(local.tm_mday));
  return static_cast<double>(day) + seconds / 86400.0;
}

}  // namespace mirel
