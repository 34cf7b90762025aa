// Time scales of the old-calendar computation. The Moon's and Sun's series run on Terrestrial
// Time as Julian Ephemeris Days (JDE, days from noon 1 January 4713 BC); the calendar counts
// civil days in Japan Standard Time (UTC+9), where ΔT = TT - UT ties the two together.
#pragma once

#include <cstdint>

namespace mirel::kyureki {

// J2000.0, 2000-01-01 12:00 TT, the epoch of the series.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// ΔT in seconds for a decimal year (2000.5 is mid-2000), from the polynomials Espenak and Meeus
// fitted to the observed values up to 2005 and extrapolated after it. About -6 s in 1873, 64 s
// in 2000 and 7 minutes by 2200; the later the year, the less certain the value.
double DeltaTSeconds(double decimalYear);

// The civil day in Japan Standard Time at an instant given in JDE, as days from 1899-12-30
// (the date values' day 0). Example: JstDayOf(2451544.5) is 36526, 2000-01-01 (09:01 JST).
std::int64_t JstDayOf(double jde);

// Where in its JST day the instant falls, in days from the nearer midnight (0 .. 0.5): how far
// an error in the instant may go before it changes the day.
double DistanceFromJstMidnight(double jde);

}  // namespace mirel::kyureki
