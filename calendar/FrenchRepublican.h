// The French Republican calendar, by its own founding rule: each year begins
// at true midnight at the Paris Observatory with the day on which the
// September equinox falls there.
//
// The equinox is the program's own (astronomy/SolEq.h, the one its equinox
// report shows), in Universal Time; adding the Observatory's longitude
// (2 deg 20' 14" E: 9m 20.93s) and the equation of time at that instant
// (astronomy/EquationOfTime.h) gives Paris apparent solar time, and the civil
// day of that time, from apparent midnight to apparent midnight, is
// 1 Vendémiaire.
//
// Twelve months of 30 days, then five complementary days (month 13), or six
// when the next year begins 366 days after this one. Year I began on
// 1792-09-22 Gregorian (the equinox came at 09:17 Paris apparent time); years
// III, VII and XI, the leap years of the calendar's years of use, have six.
// Years are plain numbers: 1 is year I.
//
// The range: 1 Vendémiaire I to the last day of year 2208, the last year
// whose both ends come from equinoxes of the years the equinox report
// computes (to Gregorian 4000: 2208 runs from the equinox of 3999 to that of
// 4000).
//
//   FrenchRepublicanDayNumber(1, 1, 1);   // 2375840 (1792-09-22 Gregorian)
//   FrenchRepublicanDateOfDay(2378397);   // {8, 1, 1} (1799-09-23 Gregorian)
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/YearMonthDay.h"

namespace orv {

inline constexpr int32_t kFrenchRepublicanFirstYear = 1;
inline constexpr int32_t kFrenchRepublicanLastYear = 2208;
// 1 Vendémiaire I (1792-09-22 Gregorian) and the last complementary day of
// 2208 (4000-09-20 Gregorian); the tests check both against the equinoxes.
inline constexpr int32_t kFrenchRepublicanFirstDay = 2375840;
inline constexpr int32_t kFrenchRepublicanLastDay = 3182293;

// The day number of 1 Vendémiaire of year, for year in [1:2209] (2209 is there
// to end the range: its first day is the day after kFrenchRepublicanLastDay).
// A year outside is taken as the nearer of 1 and 2209.
int32_t FrenchRepublicanNewYear(int32_t year);

// Whether year has six complementary days; false outside [1:2208].
bool IsFrenchRepublicanLeapYear(int32_t year);

// 30 for months 1 to 12, 5 or 6 for month 13; 0 for another month or a year
// outside [1:2208].
int32_t FrenchRepublicanDaysInMonth(int32_t month, int32_t year);

// Whether year-month-day names a day of the range; month 13 holds the
// complementary days.
bool IsFrenchRepublicanDate(int32_t year, int32_t month, int32_t day);

// The day number of a date for which IsFrenchRepublicanDate holds.
int64_t FrenchRepublicanDayNumber(int32_t year, int32_t month, int32_t day);

// The date of a day number in [kFrenchRepublicanFirstDay:kFrenchRepublicanLastDay];
// {0, 0, 0} (no date) outside. Computes two or three equinoxes, whatever the day.
YearMonthDay FrenchRepublicanDateOfDay(int32_t jdn);

inline constexpr std::array<std::string_view, 14> kFrenchRepublicanMonthNames = {
    "",          "Vendémiaire",
    "Brumaire",  "Frimaire",
    "Nivôse",    "Pluviôse",
    "Ventôse",   "Germinal",
    "Floréal",   "Prairial",
    "Messidor",  "Thermidor",
    "Fructidor", "jours complémentaires"};

// The complementary days (month 13) by their names, as historians of the
// Republic write them; index 0 empty, 6 the day of leap years.
inline constexpr std::array<std::string_view, 7> kFrenchRepublicanComplementaryDayNames = {
    "",
    "jour de la Vertu",
    "jour du Génie",
    "jour du Travail",
    "jour de l'Opinion",
    "jour des Récompenses",
    "jour de la Révolution"};

inline constexpr std::string_view kFrenchRepublicanLeapRule =
    "six complementary days when the next year's first day (the day of the September equinox at "
    "Paris, true solar time) comes 366 days after this year's";

}  // namespace orv
