#include "calendar/Easter.h"

#include <cstdlib>

#include "calendar/DatePr2.h"

namespace orv {
namespace {

// The year as the program writes years: grouped in threes beyond 9999 in
// magnitude ("12,345", "-10,000").
void AppendYear(std::string& out, int32_t year, char group_separator) {
  if (year < 0) out += '-';
  const std::string digits = std::to_string(std::llabs(int64_t{year}));
  const bool grouped = digits.size() > 4;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (grouped && i > 0 && (digits.size() - i) % 3 == 0) out += group_separator;
    out += digits[i];
  }
}

// "April 20", or "May 6, 100,001" where the date is not in the year of the
// line.
void AppendMonthDay(std::string& out, const CalendarDate& date, int32_t year,
                    char group_separator) {
  out += MonthNames[static_cast<size_t>(date.month)];
  out += ' ';
  out += std::to_string(date.day);
  if (date.year != year) {
    out += ", ";
    AppendYear(out, date.year, group_separator);
  }
}

}  // namespace

std::string EasterLine(int32_t year, char group_separator) {
  std::string line = "Easter ";
  AppendYear(line, year, group_separator);
  line += ": ";
  const std::optional<CalendarDate> julian = JulianEaster(year);
  const std::optional<CalendarDate> julian_in_gregorian = JulianEasterInGregorian(year);
  if (!julian || !julian_in_gregorian) {
    if (year < kJulianEasterFirstYear) return line + "no computus";
    line += "no date after ";
    AppendYear(line, kEasterLastYear, group_separator);
    return line;
  }
  if (const std::optional<CalendarDate> gregorian = GregorianEaster(year)) {
    AppendMonthDay(line, *gregorian, year, group_separator);
    line += " (Gregorian); ";
  }
  AppendMonthDay(line, *julian, year, group_separator);
  line += " Julian = ";
  AppendMonthDay(line, *julian_in_gregorian, year, group_separator);
  line += " Gregorian";
  return line;
}

}  // namespace orv
