#include "core/DayFiles.h"

#include <algorithm>

#include "calendar/Calendar.h"
#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Region.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/OutputFields.h"
#include "core/StrProc.h"

namespace orv {

namespace {

// The members of a result object in the order JSON objects keep theirs (by
// key): the weekday, the number, the line and each calendar's object.
enum class ResultField {
  kDayOfWeek,
  kJdn,
  kLine,
  kCalendar,
  kOtherCalendar,
  // The day's figures, in the calendars window's file only.
  kMjd,
  kDayOfYear,
  kIsoOrdinal,
  kJd,
  kUnix,
};
struct ResultMember {
  JsonKey key;
  ResultField field;
  const CalendarInfo* calendar = nullptr;  // for kCalendar and kOtherCalendar
  size_t main_position = 0;                // for kCalendar: its place among the main window's
  bool versions = false;                   // for kCalendar: one of several versions (Dee)
};
// The members, sorted by key; the Dee calendar's member is its Dee row,
// whichever version is in force.
std::vector<ResultMember> MakeResultMembers(CalendarListing listing) {
  std::vector<std::pair<std::string_view, ResultMember>> members = {
      {"day_of_week", {"day_of_week", ResultField::kDayOfWeek}},
      {"jdn", {"jdn", ResultField::kJdn}},
      {"line", {"line", ResultField::kLine}},
      {"mjd", {"mjd", ResultField::kMjd}},
      {"day_of_year", {"day_of_year", ResultField::kDayOfYear}},
      {"iso_ordinal", {"iso_ordinal", ResultField::kIsoOrdinal}},
      {"jd", {"jd", ResultField::kJd}},
      {"unix", {"unix", ResultField::kUnix}}};
  for (const CalendarInfo* calendar : CalendarsInForce(kDeeVersion, listing)) {
    const bool main = calendar->saved_index != 0;
    members.push_back(
        {ListedJsonKey(*calendar),
         {JsonKey(ListedJsonKey(*calendar)),
          main ? ResultField::kCalendar : ResultField::kOtherCalendar, calendar,
          main ? static_cast<size_t>(calendar->saved_index - 1) : 0, IsVersion(*calendar)}});
  }
  std::sort(members.begin(), members.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<ResultMember> sorted;
  sorted.reserve(members.size());
  for (const auto& member : members) sorted.push_back(member.second);
  return sorted;
}

// Built on first use: the rows a program adds to the table come before
// anything is written (calendar/Calendars.h: AddCalendar).
const std::vector<ResultMember>& ResultMembers(bool with_definitions) {
  static const std::vector<ResultMember> kBuiltIn = MakeResultMembers({});
  static const std::vector<ResultMember> kWithDefinitions =
      MakeResultMembers({.definitions = true});
  return with_definitions ? kWithDefinitions : kBuiltIn;
}

void AppendMainCalendarJson(JsonWriter& json, const CalendarResult& result,
                            std::string_view dee_version) {
  json.BeginObject();
  json.Key("day").Integer(result.date.day);
  json.Key("era_date").String(result.era_date);
  json.Key("month").Integer(result.date.month);
  if (!dee_version.empty()) json.Key("version").String(dee_version);
  json.Key("year").Integer(result.date.year);
  json.Key("ymd_date").String(result.year_month_day);
  json.EndObject();
}

// A calendar beyond the main window's: its numbers and texts, null for a day
// outside its range.
void AppendOtherCalendarJson(JsonWriter& json, const DayInCalendar& day) {
  if (!day.date) {
    json.Null();
    return;
  }
  const CalendarDate& date = *day.date;
  const bool iso_week = day.calendar->text_form == TextForm::kIsoWeek;
  const bool legal_year = day.calendar->text_form == TextForm::kLegalYear;
  json.BeginObject();
  json.Key("day").Integer(date.day);
  json.Key("era_date").String(day.month_name_text);
  if (legal_year) json.Key("legal_year").Integer(day.legal_year);
  if (!iso_week) json.Key("month").Integer(date.month);
  if (legal_year) json.Key("reckoning").String(ReckoningOf(date));
  if (iso_week) json.Key("week").Integer(date.month);
  json.Key("year").Integer(date.year);
  json.Key("ymd_date").String(day.year_month_day);
  json.EndObject();
}

}  // namespace

void AppendCalendarJson(JsonWriter& json, const DayInCalendar& day, const DeeVersion& dee) {
  if (day.calendar->saved_index == 0) {
    AppendOtherCalendarJson(json, day);
    return;
  }
  if (!day.date) {
    json.Null();
    return;
  }
  const CalendarResult result{*day.date, day.month_name_text, day.year_month_day};
  AppendMainCalendarJson(
      json, result,
      IsVersion(*day.calendar) ? InForce(*day.calendar, dee).name : std::string_view());
}

void AppendDayJson(JsonWriter& json, int32_t jdn, Era era, const DeeVersion& dee,
                   std::optional<int> line, char group_separator, std::optional<DayAndTime> figures,
                   CalendarListing listing) {
  const ResultTexts results = ResultsFor(jdn, ResultEra(era), dee, group_separator);
  DayTexts texts;
  json.BeginObject();
  // A listing with a region (orvc --region) is made for the day.
  const std::vector<ResultMember> with_region =
      listing.region != nullptr ? MakeResultMembers(listing) : std::vector<ResultMember>();
  for (const ResultMember& member :
       listing.region != nullptr ? with_region : ResultMembers(listing.definitions)) {
    if (member.field == ResultField::kLine && !line) continue;
    if (member.field >= ResultField::kMjd && !figures) continue;
    json.Key(member.key);
    switch (member.field) {
      case ResultField::kDayOfWeek:
        json.String(results.day_of_week);
        break;
      case ResultField::kJdn:
        json.Integer(jdn);
        break;
      case ResultField::kLine:
        json.Integer(*line);
        break;
      case ResultField::kCalendar:
        AppendMainCalendarJson(
            json, results.calendars[member.main_position],
            member.versions ? InForce(*member.calendar, dee).name : std::string_view());
        break;
      case ResultField::kOtherCalendar:
        AppendOtherCalendarJson(json, texts.In(*member.calendar, jdn, era, group_separator));
        break;
      case ResultField::kMjd:
        json.Integer(ModifiedJulianDay(jdn));
        break;
      case ResultField::kDayOfYear:
        json.Integer(*DayOfYear(CalendarOf(CalendarId::kGregorian), jdn));
        break;
      case ResultField::kIsoOrdinal:
        json.String(IsoOrdinalDate(jdn));
        break;
      case ResultField::kJd:
        json.Number(JulianDateText(*figures));
        break;
      case ResultField::kUnix:
        json.Number(UnixTimeText(*figures));
        break;
    }
  }
  json.EndObject();
}

std::vector<Record> DayRecords(int32_t jdn, const CalendarRows& rows) {
  const QString weekday = QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
  const auto text_or_null = [](const std::string& text) {
    return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
  };
  const DayAndTime instant = rows.instant.value_or(DayAndTime{jdn, std::nullopt});
  std::vector<Record> records;
  for (const DayInCalendar& day : rows.days) {
    records.push_back({{"jdn", qint64{jdn}},
                       {"day_of_week", weekday},
                       {"calendar", QStringOf(ListedJsonKey(*day.calendar))},
                       {"name", QStringOf(day.calendar->name)},
                       {"era_date", text_or_null(day.month_name_text)},
                       {"ymd_date", text_or_null(day.year_month_day)},
                       {"mjd", qint64{ModifiedJulianDay(jdn)}},
                       {"day_of_year", *DayOfYear(CalendarOf(CalendarId::kGregorian), jdn)},
                       {"iso_ordinal", QString::fromStdString(IsoOrdinalDate(jdn))},
                       {"jd", QString::fromStdString(JulianDateText(instant))},
                       {"unix", QString::fromStdString(UnixTimeText(instant))}});
  }
  return records;
}

}  // namespace orv
