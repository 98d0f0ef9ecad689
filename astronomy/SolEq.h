// The instants of the equinoxes and solstices, after J. Meeus, Astronomical
// Algorithms (2nd ed., 1998), chapter 27: a mean instant from a polynomial in
// the year (Table 27.A for years before 1000, 27.B from 1000 on), corrected
// by the 24 periodic terms of Table 27.C, gives the instant in dynamical time
// (JDE); subtracting delta T (platform/skyreck) gives Universal Time.
// Accurate to about a minute for the years 1 to 4000 the report lists.
//
//   EquinoxJDE(0, 2000);      // 2451623.81699 (20 March 2000, 07:36 TT)
//   MarchEquinoxUT(2024);     // the JDE of 2024 less delta T
#pragma once

#include <cstdint>

namespace orv {

// Seasons: 0 March equinox, 1 June solstice, 2 September equinox, any other
// value the December solstice.
inline constexpr int16_t kMarchEquinox = 0;
inline constexpr int16_t kJuneSolstice = 1;
inline constexpr int16_t kSeptemberEquinox = 2;
inline constexpr int16_t kDecemberSolstice = 3;

// Kept for the callers of the start-up sequence: the table of periodic terms
// is made by the compiler, so there is nothing left to fill.
void InitEquinoxTerms();

// The instant in dynamical time, as a Julian ephemeris day.
double EquinoxJDE(int16_t season, int32_t year);

// Delta T (TT - UT) of the year in minutes.
double DeltaTMinutes(int32_t year);

// The instant in Universal Time: EquinoxJDE - DeltaTMinutes / 1440.
double EquinoxUT(int16_t season, int32_t year);
double MarchEquinoxUT(int32_t year);

}  // namespace orv
