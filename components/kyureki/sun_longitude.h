// The Sun's apparent geocentric longitude (true equinox of the date, aberration included), which
// fixes the solar terms: 中気 fall where it is a multiple of 30 degrees.
#pragma once

namespace mirel::kyureki {

// From the Sun's mean elements and equation of centre (Meeus, Astronomical Algorithms, ch. 25,
// "lower accuracy"): degrees in [0, 360), within 0.011 degree (16 minutes of the Sun's
// motion) over 1873..2201, at a tenth of the cost of the full series.
double ApproximateSolarLongitude(double jde);

// From VSOP87 (earth_orbit.h), corrected to the FK5 frame, for nutation in longitude and for
// aberration: degrees in [0, 360), within about 1.5 seconds of arc (40 seconds of time).
// Example: at JDE 2448908.5 (1992-10-13 0:00 TT) it is 199.906 degrees.
double ApparentSolarLongitude(double jde);

}  // namespace mirel::kyureki
