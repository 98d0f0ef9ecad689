// The equation of time: how far a sundial runs ahead of (positive) or behind
// (negative) the mean solar time a clock keeps at the same meridian. The
// calendars whose days begin at true noon or true midnight (the Persian at
// 52.5 E, the French Republican at Paris) need it to place an equinox on its
// day.
//
// After J. Meeus, Astronomical Algorithms (2nd ed., 1998), formula 28.3:
//   E = L0 - 0.0057183 deg - alpha + dpsi cos(eps)
// with the Sun's mean longitude L0 (28.2), its apparent right ascension alpha
// (chapter 25: the geometric longitude from the equation of the centre, with
// aberration and the nutation in longitude), the nutation in longitude dpsi
// and the true obliquity eps (chapter 22, the series good to about 0.5").
// Good to a few seconds of time over the years 0 to 4000; the calendars need
// it to well under the minute their equinox instants are good to.
//
//   EquationOfTimeMinutes(2448908.5);   // 1992 October 13.0 TD: +13.70 (Meeus: 13m 42.6s)
//   EquationOfTimeMinutes(2460352.0);   // 2024 February 11, 12h: -14.20 (-14m 12s)
#pragma once

namespace orv {

// Apparent minus mean solar time at the instant jde (Julian ephemeris day), in
// minutes; positive when a sundial is ahead of the clock. In our era it
// stays between about -14.3 (February) and +16.4 (November).
double EquationOfTimeMinutes(double jde);

}  // namespace orv
