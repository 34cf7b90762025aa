#include "components/kyureki/solar_term.h"

#include <cmath>
#include <numbers>

#include "components/kyureki/astro_time.h"
#include "components/kyureki/sun_longitude.h"

namespace mirel::kyureki {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The Sun's rate in longitude, degrees per day, from its mean motion and the eccentricity of
// the Earth's orbit: 0.953 in early July to 1.019 in early January. Within 0.05% of the true
// rate, so each step below divides the error by thousands.
double SolarLongitudeRate(double jde) {
  const double t = (jde - kJ2000) / kDaysPerJulianCentury;
  const double meanAnomaly = 357.52911 + 35999.05029 * t;
  return 0.98564736 * (1 + 0.0334 * std::cos(meanAnomaly * kRadiansPerDegree));
}

// Newton's steps on longitudeAt(jde) = longitude, until the step is under a tenth of a second.
template <typename LongitudeAt>
double Crossing(LongitudeAt longitudeAt, double longitude, double jde) {
  constexpr int kMaxSteps = 8;
  constexpr double kTenthOfSecond = 0.1 / 86400;
  for (int step = 0; step < kMaxSteps; ++step) {
    double behind = longitude - longitudeAt(jde);
    behind -= 360.0 * std::round(behind / 360.0);  // -180 .. 180: the nearest crossing
    const double days = behind / SolarLongitudeRate(jde);
    jde += days;
    if (std::fabs(days) < kTenthOfSecond) {
      break;
    }
  }
  return jde;
}

}  // namespace

double SolarTermJde(double longitude, double nearJde) {
  const double approximate = Crossing(ApproximateSolarLongitude, longitude, nearJde);
  return Crossing(ApparentSolarLongitude, longitude, approximate);
}

std::int64_t SolarTermDay(double longitude, double nearJde) {
  // The fast theory is within 16 minutes of the full one (0.011 degree); with half an hour more
  // from midnight, both give the same day.
  constexpr double kSafeDistanceDays = 0.5 / 24 + 0.25 / 24;
  const double approximate = Crossing(ApproximateSolarLongitude, longitude, nearJde);
  const double approximateJst = JstDays(approximate);
  if (DistanceFromMidnight(approximateJst) > kSafeDistanceDays) {
    return JstDay(approximateJst);
  }
  return JstDay(JstDays(Crossing(ApparentSolarLongitude, longitude, approximate)));
}

}  // namespace mirel::kyureki
