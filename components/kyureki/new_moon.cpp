#include "components/kyureki/new_moon.h"

#include <cmath>
#include <numbers>

#include "components/kyureki/astro_time.h"

namespace mirel::kyureki {
namespace {

constexpr double kMeanLunation = 29.530588861;  // days
constexpr double kFirstNewMoonOf2000 = 2451550.09766;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Sine(double degrees) {
  return std::sin(degrees * kRadiansPerDegree);
}

// The arguments of one new moon's series.
struct Arguments {
  double k;        // the lunation number
  double t;        // Julian centuries from 2000
  double meanJde;  // the mean new moon
  double e;        // scales the terms in m for the shrinking eccentricity of the Earth's orbit
  double m;        // the Sun's mean anomaly, degrees
  double mm;       // the Moon's mean anomaly, degrees
  double f;        // the Moon's argument of latitude, degrees
  double node;     // the longitude of the Moon's ascending node, degrees
};

Arguments ArgumentsOf(int lunation) {
  const double k = lunation;
  const double t = k / 1236.85;
  const double t2 = t * t;
  return Arguments{
      .k = k,
      .t = t,
      .meanJde = kFirstNewMoonOf2000 + kMeanLunation * k +
                 t2 * (0.00015437 + t * (-0.000000150 + t * 0.00000000073)),
      .e = 1 - t * (0.002516 + 0.0000074 * t),
      .m = 2.5534 + 29.10535670 * k - t2 * (0.0000014 + 0.00000011 * t),
      .mm = 201.5643 + 385.81693528 * k + t2 * (0.0107582 + t * (0.00001238 - 0.000000058 * t)),
      .f = 160.7108 + 390.67050284 * k - t2 * (0.0016118 + t * (0.00000227 - 0.000000011 * t)),
      .node = 124.7746 - 1.56375588 * k + t2 * (0.0020672 + 0.00000215 * t)};
}

// The periodic terms of 0.00024 day or more, in days.
double LargeTerms(const Arguments& a) {
  const double e = a.e, m = a.m, mm = a.mm, f = a.f;
  return -0.40720 * Sine(mm) + 0.17241 * e * Sine(m) + 0.01608 * Sine(2 * mm) +
         0.01039 * Sine(2 * f) + 0.00739 * e * Sine(mm - m) - 0.00514 * e * Sine(mm + m) +
         0.00208 * e * e * Sine(2 * m) - 0.00111 * Sine(mm - 2 * f) - 0.00057 * Sine(mm + 2 * f) +
         0.00056 * e * Sine(2 * mm + m) - 0.00042 * Sine(3 * mm) + 0.00042 * e * Sine(m + 2 * f) +
         0.00038 * e * Sine(m - 2 * f) - 0.00024 * e * Sine(2 * mm - m);
}

// The smaller periodic terms, in days: 0.00053 day at most.
double SmallPeriodicTerms(const Arguments& a) {
  const double m = a.m, mm = a.mm, f = a.f;
  return -0.00017 * Sine(a.node) - 0.00007 * Sine(mm + 2 * m) + 0.00004 * Sine(2 * mm - 2 * f) +
         0.00004 * Sine(3 * m) + 0.00003 * Sine(mm + m - 2 * f) + 0.00003 * Sine(2 * mm + 2 * f) -
         0.00003 * Sine(mm + m + 2 * f) + 0.00003 * Sine(mm - m + 2 * f) -
         0.00002 * Sine(mm - m - 2 * f) - 0.00002 * Sine(3 * mm + m) + 0.00002 * Sine(4 * mm);
}

// The planets' pull on the Moon: 14 terms of a few seconds each, in days; 0.00129 day at most.
double PlanetaryTerms(const Arguments& a) {
  const double k = a.k, t = a.t;
  struct Term {
    double amplitude;  // millionths of a day
    double phase;      // degrees
    double rate;       // degrees per lunation
  };
  constexpr Term kTerms[] = {
      {165, 251.88, 0.016321}, {164, 251.83, 26.651886}, {126, 349.42, 36.412478},
      {110, 84.66, 18.206239}, {62, 141.74, 53.303771},  {60, 207.14, 2.453732},
      {56, 154.84, 7.306860},  {47, 34.52, 27.261239},   {42, 207.19, 0.121824},
      {40, 291.34, 1.844379},  {37, 161.72, 24.198154},  {35, 239.56, 25.513099},
      {23, 331.55, 3.592518}};
  // The largest term is the only one whose argument has a term in T squared.
  double sum = 325 * Sine(299.77 + 0.107408 * k - 0.009173 * t * t);
  for (const Term& term : kTerms) {
    sum += term.amplitude * Sine(term.phase + term.rate * k);
  }
  return sum * 1e-6;
}

}  // namespace

int LunationNear(double jde) {
  return static_cast<int>(std::lround((jde - kFirstNewMoonOf2000) / kMeanLunation));
}

double NewMoonJde(int lunation) {
  const Arguments arguments = ArgumentsOf(lunation);
  return arguments.meanJde + LargeTerms(arguments) + SmallPeriodicTerms(arguments) +
         PlanetaryTerms(arguments);
}

std::int64_t NewMoonDay(int lunation) {
  // The sum of the small terms' amplitudes (E is under 1.001), so the most they can move the
  // instant: 2.6 minutes.
  constexpr double kSmallTermsReachDays = 0.00053 * 1.001 + 0.00129;
  const Arguments arguments = ArgumentsOf(lunation);
  const double approximate = JstDays(arguments.meanJde + LargeTerms(arguments));
  if (DistanceFromMidnight(approximate) > kSmallTermsReachDays) {
    return JstDay(approximate);
  }
  return JstDay(JstDays(NewMoonJde(lunation)));
}

}  // namespace mirel::kyureki
