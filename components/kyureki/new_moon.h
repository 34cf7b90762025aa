// Instants of new moon from the series of Meeus, Astronomical Algorithms (2nd ed.), chapter 49:
// within about 20 seconds of the full lunar theory over the centuries the calendar covers.
#pragma once

#include <cstdint>

namespace mirel::kyureki {

// The lunation number of the new moon nearest an instant: lunation 0 is the new moon of
// 2000-01-06, lunation 1 the next one. Good to one lunation either side; callers check the
// neighbours.
int LunationNear(double jde);

// The instant (JDE, Terrestrial Time) of new moon number `lunation` (-1600..2600 or so).
// Example: lunation -283 is 1977-02-18 03:37:42 TT (JDE 2443192.65118).
double NewMoonJde(int lunation);

// The JST civil day (days from 1899-12-30) of that new moon. The same day as NewMoonJde gives,
// at half the cost: the small terms of the series are added only when the instant lies within
// their reach (under three minutes) of midnight.
std::int64_t NewMoonDay(int lunation);

}  // namespace mirel::kyureki
