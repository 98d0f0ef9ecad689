// A day in every calendar of the table as files for other programs: the
// JSON object orvc writes for a date, and CSV rows (core/ReportRecords.h) a
// calendar each. The calendars window saves the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CalendarDay.h"
#include "core/JsonWriter.h"
#include "core/ReportBuilders.h"

namespace orv {

// The day's object, keys in order (on one line without a line break when the
// writer is compact): "day_of_week", "jdn", the line of the input when given ("line"), then each
// calendar under its JSON key ("gregorian": {"day", "era_date", "month",
// "year", "ymd_date"}, the Dee row also "version"; a calendar beyond the main
// window's three adds what it has ("week", "legal_year", "reckoning") and is
// null for a day outside its range; the listing's calendars too). With `figures` (the day, and the
// time when one was given), also the day's figures: "mjd", "day_of_year", "iso_ordinal", "jd" and
// "unix" of the instant, as the calendars window saves them.
void AppendDayJson(JsonWriter& json, int32_t jdn, Era era, const DeeVersion& dee,
                   std::optional<int> line, char group_separator,
                   std::optional<DayAndTime> figures = std::nullopt, CalendarListing listing = {});

// One calendar's object of that JSON, for the day (null outside the
// calendar's range); the Dee calendar's names the version in force.
void AppendCalendarJson(JsonWriter& json, const DayInCalendar& day, const DeeVersion& dee);

// The rows of a day as the calendars window shows them, one record a
// calendar: jdn, day_of_week, calendar (its JSON key), name, era_date and
// ymd_date (null outside the calendar's range), then the day's figures: mjd,
// day_of_year, iso_ordinal, and jd and unix of the rows' instant.
std::vector<Record> DayRecords(int32_t jdn, const CalendarRows& rows);

}  // namespace orv
