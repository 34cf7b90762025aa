// The Earth's heliocentric ecliptic longitude and distance from VSOP87 (Bretagnon and Francou),
// in the truncation Meeus gives in Astronomical Algorithms, appendix III: about one second of
// arc over the centuries the calendar covers, which is some 25 seconds of the Sun's motion.
#pragma once

namespace mirel::kyureki {

// tau is Julian millennia from J2000.0 in Terrestrial Time ((JDE - 2451545) / 365250; -0.13 ..
// 0.21 over the calendar's range). Longitude in radians, referred to the mean dynamical ecliptic
// and equinox of the date, not reduced to 0..2π.
double EarthLongitude(double tau);

// Earth-Sun distance in astronomical units (0.983..1.017); only the first terms, which the
// aberration needs to a hundredth of a second of arc.
double EarthSunDistance(double tau);

}  // namespace mirel::kyureki
