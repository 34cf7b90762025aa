#include "components/kyureki/sun_longitude.h"

#include <cmath>
#include <numbers>

#include "components/kyureki/astro_time.h"
#include "components/kyureki/earth_orbit.h"

namespace mirel::kyureki {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kArcsecondsPerDegree = 3600.0;

double Sine(double degrees) {
  return std::sin(degrees * kRadiansPerDegree);
}

double Normalized(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360.0 : reduced;
}

// Nutation in longitude from its four largest terms, within half a second of arc; t in Julian
// centuries from J2000.0.
double NutationInLongitudeArcseconds(double t) {
  const double node = 125.04452 - 1934.136261 * t;
  const double sunMeanLongitude = 280.4665 + 36000.7698 * t;
  const double moonMeanLongitude = 218.3165 + 481267.8813 * t;
  return -17.20 * Sine(node) - 1.32 * Sine(2 * sunMeanLongitude) -
         0.23 * Sine(2 * moonMeanLongitude) + 0.21 * Sine(2 * node);
}

}  // namespace

double ApproximateSolarLongitude(double jde) {
  const double t = (jde - kJ2000) / kDaysPerJulianCentury;
  const double meanLongitude = 280.46646 + t * (36000.76983 + 0.0003032 * t);
  const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
  const double equationOfCentre = (1.914602 - t * (0.004817 + 0.000014 * t)) * Sine(meanAnomaly) +
                                  (0.019993 - 0.000101 * t) * Sine(2 * meanAnomaly) +
                                  0.000289 * Sine(3 * meanAnomaly);
  const double node = 125.04 - 1934.136 * t;
  return Normalized(meanLongitude + equationOfCentre - 0.00569 - 0.00478 * Sine(node));
}

double ApparentSolarLongitude(double jde) {
  const double tau = (jde - kJ2000) / (10 * kDaysPerJulianCentury);
  // The Sun seen from the Earth stands opposite the Earth seen from the Sun.
  const double geometric = EarthLongitude(tau) * kDegreesPerRadian + 180.0;
  constexpr double kToFk5Arcseconds = -0.09033;
  constexpr double kAberrationArcsecondsAtOneUnit = -20.4898;
  const double corrections = kToFk5Arcseconds + NutationInLongitudeArcseconds(10 * tau) +
                             kAberrationArcsecondsAtOneUnit / EarthSunDistance(tau);
  return Normalized(geometric + corrections / kArcsecondsPerDegree);
}

}  // namespace mirel::kyureki
