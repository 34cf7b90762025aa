#include "components/kyureki/astro_time.h"

#include <cmath>

namespace mirel::kyureki {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kJstOffsetDays = 9.0 / 24.0;
// The Julian Day Number of 1899-12-30, the date values' day 0.
constexpr double kJulianDayOfDayZero = 2415019.0;

}  // namespace

double JstDays(double jde) {
  const double decimalYear = 2000.0 + (jde - kJ2000) / 365.25;
  const double universalTime = jde - DeltaTSeconds(decimalYear) / kSecondsPerDay;
  // A Julian Day starts at noon, so midnight is half a day on.
  return universalTime + 0.5 + kJstOffsetDays - kJulianDayOfDayZero;
}

double DeltaTSeconds(double y) {
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 +
           t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 +
           t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + t * (0.32217 + 0.005589 * t);
  }
  const double u = (y - 1820) / 100;
  if (y < 2150) {
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
  }
  return -20 + 32 * u * u;
}

}  // namespace mirel::kyureki
