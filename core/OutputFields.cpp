#include "core/OutputFields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdlib>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "core/DayFiles.h"
#include "core/NumberFormat.h"

namespace orv {
namespace {

constexpr int32_t kUnixEpochJdn = 2'440'588;  // 1970-01-01
constexpr int64_t kMicrosecondsASecond = 1'000'000;

struct FieldName {
  const char* name;
  FieldKind kind;
};
constexpr std::array<FieldName, 7> kDayFields = {{{"jdn", FieldKind::kJdn},
                                                  {"mjd", FieldKind::kMjd},
                                                  {"jd", FieldKind::kJd},
                                                  {"weekday", FieldKind::kWeekday},
                                                  {"day-of-year", FieldKind::kDayOfYear},
                                                  {"unix", FieldKind::kUnix},
                                                  {"iso-ordinal", FieldKind::kIsoOrdinal}}};

OutputField DayField(const FieldName& field) {
  std::string key = field.name;
  for (char& c : key) c = c == '-' ? '_' : c;
  return {field.kind, nullptr, field.name, key};
}

OutputField CalendarField(const CalendarInfo& listed, const DeeVersion& dee) {
  return {FieldKind::kCalendar, &InForce(listed, dee), std::string(ListedKey(listed)),
          std::string(ListedJsonKey(listed))};
}

// Digits of a non-negative number, at least `width` of them.
void AppendPadded(std::string& out, int64_t value, int width) {
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  for (auto size = end - digits.data(); size < width; ++size) out += '0';
  out.append(digits.data(), end);
}

// The fraction of a whole: ".5", ".000250"; nothing for none. `digits` of
// them, trailing zeros dropped when `trim`.
void AppendFraction(std::string& out, int64_t numerator, int64_t denominator, int digits,
                    bool trim) {
  if (numerator == 0) return;
  std::string fraction;
  int64_t rest = numerator;
  for (int i = 0; i < digits; ++i) {
    rest *= 10;
    fraction += static_cast<char>('0' + rest / denominator);
    rest %= denominator;
  }
  if (trim) {
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  }
  if (!fraction.empty()) out += '.' + fraction;
}

}  // namespace

std::string TimeOfDayText(int64_t microseconds) {
  const int64_t seconds = microseconds / kMicrosecondsASecond;
  std::string text;
  AppendPadded(text, seconds / 3600, 2);
  text += ':';
  AppendPadded(text, seconds / 60 % 60, 2);
  text += ':';
  AppendPadded(text, seconds % 60, 2);
  AppendFraction(text, microseconds % kMicrosecondsASecond, kMicrosecondsASecond, 6, true);
  return text;
}

std::string JulianDateText(const DayAndTime& day) {
  // JD = JDN − ½ + the day's fraction; in millionths of a day, rounded half
  // up from the exact microseconds.
  if (!day.microseconds) {
    std::string text;
    const int64_t midnight_doubled = 2 * int64_t{day.jdn} - 1;  // (JDN − ½) × 2
    if (midnight_doubled < 0) text += '-';
    text += std::to_string(std::llabs(midnight_doubled) / 2);
    text += ".5";
    return text;
  }
  constexpr int64_t kMillionths = 1'000'000;
  const int64_t of_day =
      (*day.microseconds * kMillionths + kMicrosecondsADay / 2) / kMicrosecondsADay;  // [0, 10^6]
  const int64_t millionths = int64_t{day.jdn} * kMillionths - kMillionths / 2 + of_day;
  std::string text;
  if (millionths < 0) text += '-';
  const int64_t magnitude = std::llabs(millionths);
  text += std::to_string(magnitude / kMillionths);
  text += '.';
  AppendPadded(text, magnitude % kMillionths, 6);
  return text;
}

std::string UnixTimeText(const DayAndTime& day) {
  const int64_t microseconds =
      (int64_t{day.jdn} - kUnixEpochJdn) * kMicrosecondsADay + day.microseconds.value_or(0);
  const int64_t magnitude = std::llabs(microseconds);
  std::string text = microseconds < 0 ? "-" : "";
  text += std::to_string(magnitude / kMicrosecondsASecond);
  AppendFraction(text, magnitude % kMicrosecondsASecond, kMicrosecondsASecond, 6, true);
  return text;
}

std::optional<int32_t> DayOfYear(const CalendarInfo& calendar, int32_t jdn) {
  const std::optional<CalendarDate> date = DateIn(calendar, jdn);
  if (!date) return std::nullopt;
  // The year's first day, searched for: not every calendar's year begins
  // with its first month (the Hebrew year begins with Tishrei, month 7). No
  // calendar's year is as long as 400 days, and years only grow with days.
  constexpr int32_t kLongerThanAnyYear = 400;
  int64_t before = std::max<int64_t>(int64_t{jdn} - kLongerThanAnyYear, INT32_MIN);
  int64_t first = jdn;  // in the year; `before` is not (or is out of range)
  while (first - before > 1) {
    const int64_t middle = before + (first - before) / 2;
    const std::optional<CalendarDate> then = DateIn(calendar, static_cast<int32_t>(middle));
    if (then && then->year == date->year) {
      first = middle;
    } else {
      before = middle;
    }
  }
  return static_cast<int32_t>(int64_t{jdn} - first + 1);
}

std::string IsoOrdinalDate(int32_t jdn) {
  const CalendarDate date = DateOfDay(jdn, CalendarId::kGregorian);
  std::string text;
  if (date.year < 0) {
    text += '-';
  } else if (date.year > 9999) {
    text += '+';
  }
  AppendPadded(text, std::abs(int64_t{date.year}), 4);
  text += '-';
  AppendPadded(text, *DayOfYear(CalendarOf(CalendarId::kGregorian), jdn), 3);
  return text;
}

std::string FieldNames() {
  std::string names;
  for (const CalendarInfo* calendar : CalendarsInForce(kDeeVersion)) {
    names += ListedKey(*calendar);
    names += ", ";
  }
  for (const FieldName& field : kDayFields) {
    names += field.name;
    names += ", ";
  }
  names.resize(names.size() - 2);
  // The regions and the calendars defined by files are fields too.
  if (EveryCalendarInForce(kDeeVersion).size() > CalendarsInForce(kDeeVersion).size()) {
    names += ", and the key of any calendar orvc calendars lists";
  }
  return names;
}

Result<std::vector<OutputField>> ReadFieldList(QStringView list, const DeeVersion& dee) {
  std::vector<OutputField> fields;
  for (const QStringView part : list.split(u',')) {
    const std::string name = part.trimmed().toString().toLower().toStdString();
    const CalendarInfo* calendar = CalendarByKey(name, dee);
    if (calendar != nullptr) {
      fields.push_back(CalendarField(*calendar, dee));
      continue;
    }
    const FieldName* day_field = nullptr;
    for (const FieldName& field : kDayFields) {
      if (name == field.name) day_field = &field;
    }
    if (day_field == nullptr) {
      Notice refusal(NoticeKind::kUnknownField, part.trimmed().toString().toStdString());
      refusal.part = FieldNames();
      return refusal;
    }
    fields.push_back(DayField(*day_field));
  }
  return fields;
}

std::vector<OutputField> DefaultFields(bool every_calendar, const DeeVersion& dee,
                                       CalendarListing listing) {
  std::vector<OutputField> fields;
  for (const CalendarInfo* calendar : CalendarsInForce(dee, listing)) {
    if (every_calendar || calendar->saved_index != 0 || calendar == listing.region) {
      fields.push_back(CalendarField(*calendar, dee));
    }
  }
  fields.push_back(DayField(kDayFields[0]));  // jdn
  fields.push_back(DayField(kDayFields[3]));  // weekday
  return fields;
}

FieldWriter::FieldWriter(std::vector<OutputField> fields, Era era, const DeeVersion& dee,
                         char group_separator)
    : fields_(std::move(fields)),
      era_(era),
      dee_(dee),
      group_separator_(group_separator),
      year_calendar_(&CalendarOf(CalendarId::kGregorian)) {
  for (const OutputField& field : fields_) {
    if (field.kind == FieldKind::kCalendar) {
      year_calendar_ = field.calendar;
      break;
    }
  }
}

void FieldWriter::AppendText(std::string& out, size_t field, const DayAndTime& day) {
  const OutputField& f = fields_[field];
  switch (f.kind) {
    case FieldKind::kCalendar:
      if (const std::optional<CalendarDate> date = DateIn(*f.calendar, day.jdn)) {
        AppendCalendarYearMonthDay(out, *date, group_separator_);
      }
      return;
    case FieldKind::kJdn:
      AppendInteger(out, day.jdn);
      return;
    case FieldKind::kMjd:
      AppendInteger(out, ModifiedJulianDay(day.jdn));
      return;
    case FieldKind::kJd:
      out += JulianDateText(day);
      return;
    case FieldKind::kWeekday:
      out += DayOfWeekName(DayOfWeek(day.jdn));
      return;
    case FieldKind::kDayOfYear:
      if (const std::optional<int32_t> number = DayOfYear(*year_calendar_, day.jdn)) {
        AppendInteger(out, *number);
      }
      return;
    case FieldKind::kUnix:
      out += UnixTimeText(day);
      return;
    case FieldKind::kIsoOrdinal:
      out += IsoOrdinalDate(day.jdn);
      return;
  }
}

void FieldWriter::AppendJson(JsonWriter& json, size_t field, const DayAndTime& day) {
  const OutputField& f = fields_[field];
  switch (f.kind) {
    case FieldKind::kCalendar:
      AppendCalendarJson(json, texts_.In(*f.calendar, day.jdn, era_, group_separator_), dee_);
      return;
    case FieldKind::kJdn:
      json.Integer(day.jdn);
      return;
    case FieldKind::kMjd:
      json.Integer(ModifiedJulianDay(day.jdn));
      return;
    case FieldKind::kJd:
      json.Number(JulianDateText(day));
      return;
    case FieldKind::kUnix:
      json.Number(UnixTimeText(day));
      return;
    case FieldKind::kDayOfYear:
      if (const std::optional<int32_t> number = DayOfYear(*year_calendar_, day.jdn)) {
        json.Integer(*number);
      } else {
        json.Null();
      }
      return;
    case FieldKind::kWeekday:
    case FieldKind::kIsoOrdinal: {
      std::string text;
      AppendText(text, field, day);
      json.String(text);
      return;
    }
  }
}

}  // namespace orv
