// What orvc writes for a date when a script chooses (--to): a calendar's
// date, or one of the figures of the day or of the instant.
//
//   ReadFieldList(u"hebrew,jdn,iso-ordinal", dee)   // three fields, in that order
//   IsoOrdinalDate(2460390)                         // "2024-081"
//   JulianDateText({2460390, 11181000000})          // "2460389.629410" (03:06:21 UT)
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/Calendars.h"
#include "core/CalendarDay.h"
#include "core/JsonWriter.h"
#include "core/Notice.h"

namespace orv {

// "03:06:21", "18:00:00.25": a time of day, its fraction of a second only
// when it has one.
std::string TimeOfDayText(int64_t microseconds);

// The Modified Julian Day of the day: JDN − 2,400,001 (MJD 0 is 17 November
// 1858, whose 0 h UT is JD 2,400,000.5).
constexpr int64_t ModifiedJulianDay(int32_t jdn) { return int64_t{jdn} - 2'400'001; }

// The Julian Date of the instant, or of 0 h UT of the day: "2451544.5";
// with a time, to the millionth of a day ("2460389.629410").
std::string JulianDateText(const DayAndTime& day);

// Seconds since 1970-01-01 00:00 UT of the instant, or of 0 h UT of the
// day: "1710892800", "1710903981", "1710903981.5".
std::string UnixTimeText(const DayAndTime& day);

// The day of the year in the calendar, 1 for the first day of its year;
// none for a day outside the calendar's range.
std::optional<int32_t> DayOfYear(const CalendarInfo& calendar, int32_t jdn);

// The ISO 8601 ordinal date of the day (proleptic Gregorian): "2024-081";
// years 0 to 9999 in four digits, others with their sign ("-0043-074",
// "+12345-001").
std::string IsoOrdinalDate(int32_t jdn);

enum class FieldKind { kCalendar, kJdn, kMjd, kJd, kWeekday, kDayOfYear, kUnix, kIsoOrdinal };
struct OutputField {
  FieldKind kind = FieldKind::kJdn;
  const CalendarInfo* calendar = nullptr;  // kCalendar: the calendar (its row in force)
  std::string name;                        // as asked for and as headers write it: "day-of-year"
  std::string json_key;                    // "day_of_year"; a calendar's JSON key
};

// Every field's name, the calendars' keys first: "gregorian, julian, ...,
// jdn, mjd, jd, weekday, day-of-year, unix, iso-ordinal".
std::string FieldNames();

// "hebrew,jdn": the fields, in that order (names in any case, spaces around
// them allowed); refused for a name that is no field (kUnknownField) or an
// empty list.
Result<std::vector<OutputField>> ReadFieldList(QStringView list, const DeeVersion& dee);

// The fields of a day as orvc writes them without --to: the main window's
// three calendars (or every calendar of the table) and the region the
// listing names, the day number and the weekday.
std::vector<OutputField> DefaultFields(bool every_calendar, const DeeVersion& dee,
                                       CalendarListing listing = {});

// Writes the fields of one day after another, keeping the room of its texts.
// Day of year is counted in the first calendar among the fields, else the
// Gregorian calendar.
class FieldWriter {
 public:
  FieldWriter(std::vector<OutputField> fields, Era era, const DeeVersion& dee,
              char group_separator);
  const std::vector<OutputField>& fields() const { return fields_; }
  // The field's text: a calendar's year-month-day date (empty outside its
  // range), numbers without digit groups.
  void AppendText(std::string& out, size_t field, const DayAndTime& day);
  // The field's JSON value: a calendar's object as orvc's JSON of every
  // calendar has it (null outside its range), numbers as numbers.
  void AppendJson(JsonWriter& json, size_t field, const DayAndTime& day);

 private:
  std::vector<OutputField> fields_;
  Era era_;
  DeeVersion dee_;
  char group_separator_;
  const CalendarInfo* year_calendar_;
  DayTexts texts_;
};

}  // namespace orv
