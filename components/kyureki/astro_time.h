// Time scales of the old-calendar computation. The Moon's and Sun's series run on Terrestrial
// Time as Julian Ephemeris Days (JDE, days from noon 1 January 4713 BC); the calendar counts
// civil days in Japan Standard Time (UTC+9), where ΔT = TT - UT ties the two together.
#pragma once

#include <cmath>
#include <cstdint>

namespace mirel::kyureki {

// J2000.0, 2000-01-01 12:00 TT, the epoch of the series.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// ΔT in seconds for a decimal year (2000.5 is mid-2000), from the polynomials Espenak and Meeus
// fitted to the observed values up to 2005 and extrapolated after it. About -6 s in 1873, 64 s
// in 2000 and 7 minutes by 2200; the later the year, the less certain the value.
double DeltaTSeconds(double decimalYear);

// An instant given in JDE as days from 1899-12-30 00:00 Japan Standard Time, the date values'
// day 0: the whole days count the civil day in Japan, the fraction is the time of day.
// Example: JstDays(2451544.5), 2000-01-01 0:00 TT, is 36526.374: 09:00 JST less ΔT (64 s).
double JstDays(double jde);

// The civil day of such an instant. Example: JstDay(36526.99) is 36526.
inline std::int64_t JstDay(double jstDays) {
  return static_cast<std::int64_t>(std::floor(jstDays));
}

// The days (0 .. 0.5) from such an instant to the nearer midnight: how far an error in the
// instant may go before it changes the day.
inline double DistanceFromMidnight(double jstDays) {
  const double fraction = jstDays - std::floor(jstDays);
  return fraction < 0.5 ? fraction : 1.0 - fraction;
}

}  // namespace mirel::kyureki
