// orvc calendars: the calendar table, for the reader choosing a --calendar
// key or a tag.
#include <QJsonDocument>
#include <QJsonObject>
#include <climits>
#include <string>

#include "cli/CommandLine.h"
#include "core/CalendarDay.h"
#include "core/NumberFormat.h"
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
  for (const CalendarInfo* listed : CalendarsInForce(options.dee)) {
    const CalendarInfo& calendar = *listed;
    const QString tag = QStringOf(calendar.tag);
    const QString range = QString::fromStdString(RangeText(calendar));
    if (options.json) {
      out << QJsonDocument(QJsonObject{{"key", QStringOf(ListedKey(calendar))},
                                       {"json_key", QStringOf(ListedJsonKey(calendar))},
                                       {"name", QStringOf(calendar.name)},
                                       {"tag", tag.isEmpty() ? QJsonValue() : QJsonValue(tag)},
                                       {"first_day", calendar.first_day},
                                       {"last_day", calendar.last_day},
                                       {"range", range},
                                       {"leap_rule", QStringOf(calendar.leap_rule)}})
                 .toJson(QJsonDocument::Compact)
          << '\n';
      continue;
    }
    out << QStringOf(ListedKey(calendar)).leftJustified(18) << QStringOf(calendar.name) << '\n'
        << "    tag:    " << (tag.isEmpty() ? QStringLiteral("(none: 1999-W52-6)") : tag) << '\n'
        << "    range:  " << range << '\n'
        << "    leap:   " << QStringOf(calendar.leap_rule) << '\n';
  }
  return kOrvcSuccess;
}

}  // namespace orv
