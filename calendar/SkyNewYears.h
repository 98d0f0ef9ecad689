// The first days of the years of the two calendars that begin their years at
// an equinox, computed from the equinox (astronomy/SolEq.h) and the equation
// of time: some microseconds a year. The calendars themselves read them from
// tables made with these functions when the program is built
// (calendar/make_sky_new_years.cpp), so a date converts at table speed; a
// test checks every entry against these.
#pragma once

#include <cstdint>

namespace orv {

// The day number of 1 Farvardin of year, for year in [1:3379] (3379 ends the
// range); a year outside is taken as the nearer of 1 and 3379.
int32_t ComputedPersianNewYear(int32_t year);

// How the start of year was decided: the minutes from true noon at 52.5 E to
// the March equinox, on the civil day of the equinox there. Negative (before
// noon): the year begins that day; zero or positive: the next day. Near zero,
// a year's start rests on the last minute of the equinox's instant. Year as in
// ComputedPersianNewYear.
double PersianEquinoxMinutesAfterNoon(int32_t year);

// The day number of 1 Vendemiaire of year, for year in [1:2209] (2209 ends
// the range), the nearer end for a year outside.
int32_t ComputedFrenchRepublicanNewYear(int32_t year);

// The Paris apparent time of the September equinox that begins year, in
// minutes after the apparent midnight that begins its day [0:1440). Year as in
// ComputedFrenchRepublicanNewYear.
double FrenchRepublicanEquinoxMinutesAfterMidnight(int32_t year);

}  // namespace orv
