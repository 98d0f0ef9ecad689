// orvc calendars: the calendar table, for the reader choosing a --calendar
// key or a tag.
#include <climits>
#include <string>

#include "calendar/Region.h"
#include "cli/CommandLine.h"
#include "core/CalendarDay.h"
#include "core/NumberFormat.h"
#include "core/ProposalFile.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// "whole range", or the first and last dates it has, in its own texts.
std::string RangeText(const CalendarInfo& calendar) {
  if (calendar.first_day == INT32_MIN && calendar.last_day == INT32_MAX) {
    return "every day (JDN -2,147,483,648 to 2,147,483,647)";
  }
  std::string text;
  AppendCalendarYearMonthDay(text, DateOfDay(calendar.first_day, calendar), ',');
  text += " to ";
  AppendCalendarYearMonthDay(text, DateOfDay(calendar.last_day, calendar), ',');
  text += " (JDN ";
  AppendGroupedInteger(text, calendar.first_day, ',');
  text += " to ";
  AppendGroupedInteger(text, calendar.last_day, ',');
  text += ')';
  return text;
}

}  // namespace

int RunCalendars(const Options& options, QTextStream& out) {
  if (!options.positional.isEmpty()) throw UsageError{};
  for (const CalendarInfo* listed : EveryCalendarInForce(options.dee)) {
    const CalendarInfo& calendar = *listed;
    const QString file = DefinitionFileOf(calendar);
    const QString tag = QStringOf(calendar.tag);
    const QString range = QString::fromStdString(RangeText(calendar));
    const std::string year_start = YearStartText(calendar);  // a region's
    if (options.json) {
      // The keys in the order scripts have always had them: sorted.
      PrintJson(out, [&](JsonWriter& json) {
        json.BeginObject();
        if (!file.isEmpty()) json.Key("file").String(file);
        json.Key("first_day").Integer(calendar.first_day);
        json.Key("json_key").String(ListedJsonKey(calendar));
        json.Key("key").String(ListedKey(calendar));
        json.Key("last_day").Integer(calendar.last_day);
        json.Key("leap_rule").String(calendar.leap_rule);
        json.Key("name").String(calendar.name);
        json.Key("range").String(range);
        json.Key("tag");
        if (tag.isEmpty()) {
          json.Null();
        } else {
          json.String(tag);
        }
        if (!year_start.empty()) json.Key("year_start").String(year_start);
        json.EndObject();
      });
      continue;
    }
    // Two spaces at least after a key longer than the column.
    const QString key = QStringOf(ListedKey(calendar));
    out << (key.size() < 18 ? key.leftJustified(18) : key + QStringLiteral("  "))
        << QStringOf(calendar.name) << '\n'
        << "    tag:    " << (tag.isEmpty() ? QStringLiteral("(none: 1999-W52-6)") : tag) << '\n'
        << "    range:  " << range << '\n'
        << "    leap:   " << QStringOf(calendar.leap_rule) << '\n';
    if (!year_start.empty()) out << "    year:   " << QString::fromStdString(year_start) << '\n';
    if (!file.isEmpty()) out << "    file:   " << file << '\n';
  }
  return kOrvcSuccess;
}

}  // namespace orv
