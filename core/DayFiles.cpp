#include "core/DayFiles.h"

#include <algorithm>

#include "calendar/Calendar.h"
#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  size_t plain = 0;  // the start of the characters not yet appended
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text, plain, i - plain);
    plain = i + 1;
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
  }
  out.append(text, plain);
  out += '"';
}

namespace {

// The members of a result object in the order JSON objects keep theirs (by
// key): the weekday, the number, the line and each calendar's object.
enum class ResultField { kDayOfWeek, kJdn, kLine, kCalendar, kOtherCalendar };
struct ResultMember {
  std::string_view key;
  ResultField field;
  const CalendarInfo* calendar = nullptr;  // for kCalendar and kOtherCalendar
  size_t main_position = 0;                // for kCalendar: its place among the main window's
};
std::vector<ResultMember> ResultMembers(const DeeVersion& dee) {
  std::vector<ResultMember> sorted = {{"day_of_week", ResultField::kDayOfWeek},
                                      {"jdn", ResultField::kJdn},
                                      {"line", ResultField::kLine}};
  for (const CalendarInfo* calendar : CalendarsInForce(dee)) {
    const bool main = calendar->saved_index != 0;
    sorted.push_back({ListedJsonKey(*calendar),
                      main ? ResultField::kCalendar : ResultField::kOtherCalendar, calendar,
                      main ? static_cast<size_t>(calendar->saved_index - 1) : 0});
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const ResultMember& a, const ResultMember& b) { return a.key < b.key; });
  return sorted;
}

void AppendCalendarJson(std::string& out, const CalendarResult& result,
                        std::string_view dee_version) {
  out += "{\"day\":";
  AppendInteger(out, result.date.day);
  out += ",\"era_date\":";
  AppendJsonString(out, result.era_date);
  out += ",\"month\":";
  AppendInteger(out, result.date.month);
  if (!dee_version.empty()) {
    out += ",\"version\":";
    AppendJsonString(out, dee_version);
  }
  out += ",\"year\":";
  AppendInteger(out, result.date.year);
  out += ",\"ymd_date\":";
  AppendJsonString(out, result.year_month_day);
  out += '}';
}

// A calendar beyond the main window's: its numbers and texts, null for a day
// outside its range.
void AppendOtherCalendarJson(std::string& out, const DayInCalendar& day) {
  if (!day.date) {
    out += "null";
    return;
  }
  const CalendarDate& date = *day.date;
  const bool iso_week = day.calendar->text_form == TextForm::kIsoWeek;
  const bool legal_year = day.calendar->text_form == TextForm::kLegalYear;
  out += "{\"day\":";
  AppendInteger(out, date.day);
  out += ",\"era_date\":";
  AppendJsonString(out, day.month_name_text);
  if (legal_year) {
    out += ",\"legal_year\":";
    AppendInteger(out, day.legal_year);
  }
  if (!iso_week) {
    out += ",\"month\":";
    AppendInteger(out, date.month);
  }
  if (legal_year) {
    out += ",\"reckoning\":";
    AppendJsonString(out, IsJulianReckoning(date) ? "julian" : "gregorian");
  }
  if (iso_week) {
    out += ",\"week\":";
    AppendInteger(out, date.month);
  }
  out += ",\"year\":";
  AppendInteger(out, date.year);
  out += ",\"ymd_date\":";
  AppendJsonString(out, day.year_month_day);
  out += '}';
}

}  // namespace

void AppendDayJson(std::string& out, int32_t jdn, Era era, const DeeVersion& dee,
                   std::optional<int> line, char group_separator) {
  const ResultTexts results = ResultsFor(jdn, ResultEra(era), dee, group_separator);
  char separator = '{';
  for (const ResultMember& member : ResultMembers(dee)) {
    if (member.field == ResultField::kLine && !line) continue;
    out += separator;
    separator = ',';
    AppendJsonString(out, member.key);
    out += ':';
    switch (member.field) {
      case ResultField::kDayOfWeek:
        AppendJsonString(out, results.day_of_week);
        break;
      case ResultField::kJdn:
        AppendInteger(out, jdn);
        break;
      case ResultField::kLine:
        AppendInteger(out, *line);
        break;
      case ResultField::kCalendar:
        AppendCalendarJson(
            out, results.calendars[member.main_position],
            IsVersion(*member.calendar) ? member.calendar->name : std::string_view());
        break;
      case ResultField::kOtherCalendar:
        AppendOtherCalendarJson(out, DayIn(*member.calendar, jdn, era, group_separator));
        break;
    }
  }
  out += '}';
}

std::vector<Record> DayRecords(int32_t jdn, const CalendarRows& rows) {
  const QString weekday = QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
  const auto text_or_null = [](const std::string& text) {
    return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
  };
  std::vector<Record> records;
  for (const DayInCalendar& day : rows.days) {
    records.push_back({{"jdn", qint64{jdn}},
                       {"day_of_week", weekday},
                       {"calendar", QStringOf(ListedJsonKey(*day.calendar))},
                       {"name", QStringOf(day.calendar->name)},
                       {"era_date", text_or_null(day.month_name_text)},
                       {"ymd_date", text_or_null(day.year_month_day)}});
  }
  return records;
}

}  // namespace orv
