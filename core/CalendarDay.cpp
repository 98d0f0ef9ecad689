#include "core/CalendarDay.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Easter.h"
#include "calendar/Region.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/OutputFields.h"
#include "core/StrProc.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {
void AppendYear(std::string& out, int64_t year, char group_separator) {
  if (year > 9999 || year < -9999) {
    AppendGroupedInteger(out, year, group_separator);
  } else {
    AppendInteger(out, year);
  }
}

namespace {

void AppendTwoDigits(std::string& out, int32_t number) {
  out += static_cast<char>('0' + number / 10);
  out += static_cast<char>('0' + number % 10);
}

// A year before 1 in the era style in force ("4002 BCE"), as the rows of
// the main window's calendars write it, so that one day's rows read as one
// year; later years as they are.
void AppendYearOfEra(std::string& out, int32_t year, Era era, char group_separator) {
  if (year >= 1) {
    AppendYear(out, year, group_separator);
    return;
  }
  AppendYear(out, 1 - int64_t{year}, group_separator);
  out += ' ';
  out += kEraTexts[static_cast<size_t>(EraForYear(era, year))].toStdString();
}

void AppendMonthNameText(std::string& out, const CalendarInfo& calendar, const CalendarDate& date,
                         int32_t legal_year, Era era, char group_separator) {
  switch (calendar.text_form) {
    case TextForm::kEra:  // written by the main window's rules (EraDate)
      break;
    case TextForm::kTag:
      if (const std::string_view name = DayNameOf(calendar, date); !name.empty()) {
        out += name;  // a day of no month ("Year Day, 2024 IF")
      } else {
        out += MonthNameOf(calendar, date.year, date.month);
        out += ' ';
        AppendInteger(out, date.day);
      }
      out += ", ";
      AppendYearOfEra(out, date.year, era, group_separator);
      out += ' ';
      out += calendar.tag;
      break;
    case TextForm::kIsoWeek:
      out += DayOfWeekName(static_cast<int16_t>(date.day % 7));  // day 7 is Sunday
      out += ", week ";
      AppendInteger(out, date.month);
      out += " of ";
      AppendYearOfEra(out, date.year, era, group_separator);
      break;
    case TextForm::kRepublican:
      if (const std::string_view name = DayNameOf(calendar, date); !name.empty()) {
        out += name;  // the days that end the year, each by its name
      } else {
        AppendInteger(out, date.day);
        out += ' ';
        out += MonthNameOf(calendar, date.year, date.month);
      }
      out += " an ";
      out += RomanNumeral(date.year);
      break;
    case TextForm::kLegalYear: {
      // Venice wrote the day first, and its dual years more veneto ("m.v.").
      const bool more_veneto = WritesMoreVeneto(calendar);
      if (more_veneto) {
        AppendInteger(out, date.day);
        out += ' ';
        out += MonthNameOf(calendar, date.year, date.month);
        out += ' ';
      } else {
        out += MonthNameOf(calendar, date.year, date.month);
        out += ' ';
        AppendInteger(out, date.day);
        out += ", ";
      }
      if (legal_year != date.year && date.year >= 1) {
        AppendYear(out, legal_year, group_separator);
        out += '/';
        AppendTwoDigits(out, date.year % 100);
        if (more_veneto) out += " m.v.";
      } else {
        AppendYearOfEra(out, date.year, era, group_separator);
      }
      break;
    }
  }
}

Notice RangeRefusal(const CalendarInfo& calendar) {
  Notice refusal(NoticeKind::kBeyondCalendar, calendar.name);
  AppendCalendarYearMonthDay(refusal.first_day, DateOfDay(calendar.first_day, calendar),
                             GroupSeparator());
  AppendCalendarYearMonthDay(refusal.last_day, DateOfDay(calendar.last_day, calendar),
                             GroupSeparator());
  return refusal;
}

// Whether the calendar has the date, within its range or not.
bool IsDateOf(const CalendarDate& date) {
  return DayNumberOf(date).status != DateStatus::kNoSuchDate;
}

// "5785 AM", "2021" (an ISO week year): a year as a refusal names it.
std::string YearLabel(const CalendarInfo& calendar, int32_t year) {
  std::string text;
  AppendYear(text, year, GroupSeparator());
  const std::string_view tag = calendar.tag;
  if (!tag.empty()) {
    text += ' ';
    text += tag;
  }
  return text;
}

// "February 2800 RJ", "Week 52 of 2021": a month as a refusal names it.
std::string MonthLabel(const CalendarInfo& calendar, const CalendarDate& date) {
  std::string text;
  if (calendar.text_form == TextForm::kIsoWeek) {
    text = "Week ";
    AppendInteger(text, date.month);
    text += " of ";
  } else {
    text = MonthNameOf(calendar, date.year, date.month);
    text += ' ';
  }
  return text + YearLabel(calendar, date.year);
}

// The months (ISO weeks) of the year: each up to the first without a day 1.
int32_t MonthsIn(const CalendarInfo& calendar, int32_t year) {
  constexpr int32_t kMostMonths = 60;
  int32_t months = 0;
  while (months < kMostMonths && IsDateOf({year, months + 1, 1, calendar.id})) ++months;
  return months;
}

// The last day of a month that has a day 1.
int32_t LastDayOf(const CalendarInfo& calendar, int32_t year, int32_t month) {
  constexpr int32_t kLongestMonth = 40;
  int32_t last = 1;
  for (int32_t day = 2; day <= kLongestMonth; ++day) {
    if (IsDateOf({year, month, day, calendar.id})) last = day;
  }
  return last;
}

// Whether the month is `last` days long in every common year and longer in
// every leap year, over the next years: then a common year is why it is short.
bool IsShortForCommonYear(const CalendarInfo& calendar, const CalendarDate& date, int32_t last) {
  constexpr int32_t kYearsLookedAt = 40;
  if (IsLeapYearOf(calendar, date.year)) return false;
  bool longer_in_leap_year = false;
  for (int32_t year = date.year + 1; year <= date.year + kYearsLookedAt; ++year) {
    const bool has_last = IsDateOf({year, date.month, last, calendar.id});
    const bool has_more = IsDateOf({year, date.month, last + 1, calendar.id});
    if (IsLeapYearOf(calendar, year)) {
      if (!has_more) return false;
      longer_in_leap_year = true;
    } else if (!has_last || has_more) {
      return false;
    }
  }
  return longer_in_leap_year;
}

}  // namespace

namespace {

// "17 February", "1 March 1753": a day as a region's refusal names it.
std::string DayMonth(const YearMonthDay& date, bool with_year) {
  std::string text =
      std::to_string(date.day) + ' ' + std::string(RomanMonthName(date.year, date.month));
  if (with_year) text += ' ' + std::to_string(date.year);
  return text;
}

// For a date a region skipped when it changed calendar (or Sweden's 29
// February 1700): the days either side.
std::optional<Notice> SkippedByRegion(const CalendarInfo& calendar, const CalendarDate& date) {
  const RegionRules* region = RegionRulesOf(calendar);
  if (region == nullptr || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
    return std::nullopt;
  }
  const YearMonthDay typed{date.year, date.month, date.day};
  const auto before = [](const YearMonthDay& a, const YearMonthDay& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
  };
  YearMonthDay last = region->last_julian;
  YearMonthDay first = region->first_gregorian;
  if (region->swedish && date.year == 1700 && date.month == 2 && date.day == 29) {
    last = {1700, 2, 28};
    first = {1700, 3, 1};
  } else if (!before(last, typed) || !before(typed, first)) {
    return std::nullopt;
  }
  Notice notice(NoticeKind::kSwitchedOver, calendar.name);
  notice.part = DayMonth(last, last.year != first.year);
  notice.calendar = DayMonth(first, true);
  return notice;
}

}  // namespace

Notice WhyNoDay(const CalendarDate& date) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  if (std::optional<Notice> skipped = SkippedByRegion(calendar, date)) return *skipped;
  const DayResult day = DayNumberOf(date);
  if (date.year < DateOfDay(calendar.first_day, calendar).year ||
      date.year > DateOfDay(calendar.last_day, calendar).year ||
      day.status == DateStatus::kOutOfRange || (day && !Dates(calendar, day.jdn))) {
    return RangeRefusal(calendar);
  }
  const bool weeks = calendar.text_form == TextForm::kIsoWeek;
  const int32_t months = MonthsIn(calendar, date.year);
  if (date.month < 1 || date.month > months) {
    Notice notice(weeks ? NoticeKind::kNoSuchWeek : NoticeKind::kNoSuchMonth,
                  YearLabel(calendar, date.year), months);
    notice.part = std::to_string(date.month);
    // A month of the leap years ("Adar II") is named.
    constexpr int32_t kYearsLookedAt = 40;
    for (int32_t year = date.year + 1;
         !weeks && date.month > months && year <= date.year + kYearsLookedAt; ++year) {
      if (IsDateOf({year, date.month, 1, calendar.id})) {
        const std::string_view name = MonthNameOf(calendar, year, date.month);
        if (!name.empty()) {
          notice.kind = NoticeKind::kNoLeapMonth;
          notice.part = name;
        }
        break;
      }
    }
    return notice;
  }
  const int32_t last = LastDayOf(calendar, date.year, date.month);
  if (date.day >= 1 && date.day < last) {  // a day the calendar skipped
    Notice notice(NoticeKind::kSkippedDays, MonthLabel(calendar, date), date.day);
    while (notice.number > 1 && !IsDateOf({date.year, date.month,
                                           static_cast<int32_t>(notice.number) - 1, calendar.id})) {
      --notice.number;
    }
    notice.last_number = date.day;
    while (!IsDateOf(
        {date.year, date.month, static_cast<int32_t>(notice.last_number) + 1, calendar.id})) {
      ++notice.last_number;
    }
    return notice;
  }
  Notice notice(NoticeKind::kDayPastMonthEnd, MonthLabel(calendar, date), last);
  if (IsShortForCommonYear(calendar, date, last)) {
    AppendYear(notice.part, date.year, GroupSeparator());
    notice.calendar = calendar.name;
  }
  return notice;
}

namespace {

// Appends the UTF-8 text padded with spaces to the width in characters, and
// with at least two spaces however long it is: a column never runs into the
// next (scripts split the lines on runs of spaces).
void AppendPaddedUtf8(std::string& out, std::string_view text, size_t width) {
  out += text;
  size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  out.append(characters + 2 <= width ? width - characters : 2, ' ');
}

}  // namespace

void AppendCalendarLine(std::string& out, const DayInCalendar& day, size_t label_width,
                        size_t date_width) {
  AppendPaddedUtf8(out, std::string(day.calendar->name) + " Calendar:", label_width);
  if (day.date) {
    AppendPaddedUtf8(out, day.month_name_text, date_width);
    out += day.year_month_day;
  } else {
    out += "no date";
  }
  out += '\n';
}

void AppendAllCalendarLines(std::string& out, int32_t jdn, Era era, const DeeVersion& dee,
                            CalendarListing listing) {
  const char group_separator = GroupSeparator();
  const auto label_of = [](const CalendarInfo& calendar) {
    return std::string(calendar.name) + " Calendar:";
  };
  const std::vector<const CalendarInfo*> calendars = CalendarsInForce(dee, listing);
  // The labels' column: 28 characters, or wider for a longer name.
  size_t label_width = 28;
  for (const CalendarInfo* calendar : calendars) {
    label_width = std::max(label_width, label_of(*calendar).size() + 2);
  }
  DayTexts texts;
  for (const CalendarInfo* calendar : calendars) {
    AppendCalendarLine(out, texts.In(*calendar, jdn, era, group_separator), label_width, 34);
  }
  const ResultTexts results = ResultsFor(jdn, ResultEra(era), dee);
  AppendPaddedUtf8(out, "Julian day number:", label_width);
  out += results.jdn;
  out += '\n';
  AppendPaddedUtf8(out, "Day of week:", label_width);
  out += results.day_of_week;
  out += '\n';
}

namespace {

// "2460389.629410" with its whole days grouped: "2,460,389.629410".
std::string GroupedDecimal(const std::string& number, char group_separator) {
  const size_t point = number.find('.');
  const std::string whole = number.substr(0, point);
  std::string text;
  AppendGroupedInteger(text, std::stoll(whole), group_separator);
  if (whole == "-0") text = "-0";
  if (point != std::string::npos) text += number.substr(point);
  return text;
}

DayFigures FiguresOf(const DayAndTime& day, char group_separator) {
  DayFigures figures;
  AppendGroupedInteger(figures.mjd, ModifiedJulianDay(day.jdn), group_separator);
  AppendInteger(figures.day_of_year, *DayOfYear(CalendarOf(CalendarId::kGregorian), day.jdn));
  figures.iso_ordinal = IsoOrdinalDate(day.jdn);
  figures.julian_date = GroupedDecimal(JulianDateText(day), group_separator);
  figures.unix_time = GroupedDecimal(UnixTimeText(day), group_separator);
  figures.instant = day.microseconds ? TimeOfDayText(*day.microseconds) + " UT" : "0 h UT";
  return figures;
}

}  // namespace

std::vector<const CalendarInfo*> RowCalendars(const DeeVersion& dee, const CalendarInfo* region,
                                              const std::vector<const CalendarInfo*>& definitions) {
  std::vector<const CalendarInfo*> calendars = CalendarsInForce(dee);
  if (region != nullptr) std::ranges::replace(calendars, &CalendarOf(CalendarId::kEngland), region);
  calendars.insert(calendars.end(), definitions.begin(), definitions.end());
  return calendars;
}

CalendarRows CalendarRowsOf(std::optional<int32_t> jdn, Era era,
                            const std::vector<const CalendarInfo*>& calendars, char group_separator,
                            std::optional<int64_t> time_of_day) {
  CalendarRows rows;
  for (const CalendarInfo* calendar : calendars) {
    rows.days.push_back(jdn ? DayIn(*calendar, *jdn, era, group_separator)
                            : DayInCalendar{calendar, std::nullopt, {}, {}, 0});
  }
  if (jdn) {
    rows.easter = EasterLine(DateOfDay(*jdn, CalendarId::kGregorian).year, group_separator);
    rows.instant = DayAndTime{*jdn, time_of_day};
    rows.figures = FiguresOf(*rows.instant, group_separator);
  }
  return rows;
}

std::string RegionReadingText(std::string_view typed, const CalendarInfo& region, int32_t jdn,
                              char group_separator) {
  const DayInCalendar day = DayIn(region, jdn, Era::kCE, group_separator);
  std::string text = "\"";
  text += typed;
  text += "\" in ";
  text += region.name;
  text += ": ";
  text += DayOfWeekName(static_cast<int16_t>(almanor::DayOfWeek(jdn)));
  text += ", ";
  text += day.month_name_text;
  if (!day.date) return text + '.';
  const std::string_view reckoning = ReckoningOf(*day.date);
  text += " (";
  text += char(reckoning[0] - 'a' + 'A');
  text += reckoning.substr(1);
  text += ')';
  if (reckoning != "gregorian") {
    text += ", ";
    text +=
        DayIn(CalendarOf(CalendarId::kGregorian), jdn, Era::kCE, group_separator).month_name_text;
    text += " in the Gregorian calendar";
  }
  return text + '.';
}

std::string RegionHintText(const CalendarInfo& region) {
  constexpr int32_t kExampleDay = 2360286;  // 10 February 1750 Julian
  const DayInCalendar day = DayIn(region, kExampleDay, Era::kCE, ',');
  return "Type a date into the region's row as " + std::string(region.name) +
         "'s records wrote it (\"" + day.month_name_text +
         "\"), or as year-month-day with its year counted from 1 January (" + day.year_month_day +
         ").";
}

std::string CopiedCalendarRows(const CalendarRows& rows) {
  std::string text;
  for (const DayInCalendar& day : rows.days) {
    std::string label(day.calendar->name);
    label += ':';
    AppendPaddedUtf8(text, label, 28);
    AppendPaddedUtf8(text, day.month_name_text, 34);
    text += day.year_month_day;
    text += "\r\n";
  }
  text += rows.easter;
  text += "\r\n";
  if (const std::optional<DayFigures>& figures = rows.figures) {
    const std::string of = " (" + figures->instant + ")";
    for (const auto& [label, value] :
         {std::pair<const char*, std::string>{"Modified Julian Day:", figures->mjd},
          {"Day of year:", figures->day_of_year},
          {"ISO ordinal date:", figures->iso_ordinal},
          {"Julian Date:", figures->julian_date + of},
          {"Unix time:", figures->unix_time + of}}) {
      AppendPaddedUtf8(text, label, 28);
      text += value;
      text += "\r\n";
    }
  }
  return text;
}

std::string RomanNumeral(int32_t number) {
  static constexpr std::array<std::pair<int32_t, std::string_view>, 13> kNumerals = {{{1000, "M"},
                                                                                      {900, "CM"},
                                                                                      {500, "D"},
                                                                                      {400, "CD"},
                                                                                      {100, "C"},
                                                                                      {90, "XC"},
                                                                                      {50, "L"},
                                                                                      {40, "XL"},
                                                                                      {10, "X"},
                                                                                      {9, "IX"},
                                                                                      {5, "V"},
                                                                                      {4, "IV"},
                                                                                      {1, "I"}}};
  std::string text;
  for (const auto& [value, numeral] : kNumerals) {
    while (number >= value) {
      text += numeral;
      number -= value;
    }
  }
  return text;
}

void AppendCalendarYearMonthDay(std::string& out, const CalendarDate& date, char group_separator) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  if (calendar.text_form != TextForm::kIsoWeek) {
    AppendYearMonthDay(out, date, calendar.tag, group_separator);
    return;
  }
  AppendYear(out, date.year, group_separator);
  out += "-W";
  AppendTwoDigits(out, date.month);
  out += '-';
  AppendInteger(out, date.day);
}

const DayInCalendar& DayTexts::In(const CalendarInfo& calendar, int32_t jdn, Era era,
                                  char group_separator) {
  DayInCalendar& day = day_;
  day.calendar = &calendar;
  day.date = DateIn(calendar, jdn);
  day.year_month_day.clear();
  day.month_name_text.clear();
  day.legal_year = 0;
  if (!day.date) return day;
  AppendCalendarYearMonthDay(day.year_month_day, *day.date, group_separator);
  day.legal_year = LegalYearOf(*day.date);
  if (calendar.text_form == TextForm::kEra) {
    day.month_name_text = EraDateText(*day.date, ResultEra(era), GroupSeparator());
  } else {
    // One allocation for the longest texts ("Saturday, week 52 of 1999").
    day.month_name_text.reserve(32);
    AppendMonthNameText(day.month_name_text, calendar, *day.date, day.legal_year, era,
                        group_separator);
  }
  return day;
}

DayInCalendar DayIn(const CalendarInfo& calendar, int32_t jdn, Era era, char group_separator) {
  DayTexts texts;
  return texts.In(calendar, jdn, era, group_separator);
}

Result<MovedDay> AddToCalendarDate(const CalendarDate& date, const ArithmeticValues& values,
                                   bool plus) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  const int64_t sign = plus ? 1 : -1;
  CalendarDate moved = date;
  if (values[0] != 0 || values[1] != 0) {
    if (!calendar.adds_years_and_months)
      return Notice(NoticeKind::kNoYearsAndMonths, calendar.name);
    // Months counted from year 0, so that a year's end carries over.
    const int64_t months_in_year = 12;
    const int64_t months = int64_t{date.year} * months_in_year + (date.month - 1) +
                           sign * (int64_t{values[0]} * months_in_year + values[1]);
    const int64_t year = months >= 0 ? months / months_in_year : -((-months + 11) / months_in_year);
    if (year < INT32_MIN || year > INT32_MAX) return RangeRefusal(calendar);
    moved.year = static_cast<int32_t>(year);
    moved.month = static_cast<int32_t>(months - year * months_in_year + 1);
    // The month-end rule: a day past the month's end becomes its last day.
    while (moved.day > 1 && DayNumberOf(moved).status == DateStatus::kNoSuchDate) --moved.day;
  }
  const DayResult day = DayNumberOf(moved);
  const int64_t jdn = int64_t{day.jdn} + sign * (int64_t{values[2]} * 7 + int64_t{values[3]});
  if (!day || !Dates(calendar, day.jdn) || jdn < calendar.first_day || jdn > calendar.last_day) {
    return RangeRefusal(calendar);
  }
  return MovedDay{static_cast<int32_t>(jdn), moved};
}

}  // namespace orv
