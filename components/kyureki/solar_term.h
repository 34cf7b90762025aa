// The solar terms: instants when the Sun's apparent longitude reaches a multiple of 15 degrees.
// The calendar needs only the twelve principal ones (中気, multiples of 30 degrees: 冬至 is 270)
// and only their date in Japan Standard Time.
#pragma once

#include <cstdint>

namespace mirel::kyureki {

// The instant (JDE) the Sun's longitude reaches `longitude` degrees (0 <= longitude < 360), the
// crossing within about 20 days of nearJde. Example: longitude 270 near 2451900 (2000-12-16) is
// the solstice of 2000-12-21 13:37 UT.
double SolarTermJde(double longitude, double nearJde);

// The JST civil day (days from 1899-12-30) of that crossing. Cheaper than SolarTermJde: the fast
// theory of the Sun gives the day whenever its instant lies well away from midnight.
std::int64_t SolarTermDay(double longitude, double nearJde);

}  // namespace mirel::kyureki
