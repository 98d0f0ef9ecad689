#include "core/CalendarDay.h"

#include <algorithm>
#include <array>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Easter.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Years from 10,000 on in magnitude are grouped, as in the main window.
void AppendYear(std::string& out, int64_t year, char group_separator) {
  if (year > 9999 || year < -9999) {
    AppendGroupedInteger(out, year, group_separator);
  } else {
    AppendInteger(out, year);
  }
}

void AppendTwoDigits(std::string& out, int32_t number) {
  out += static_cast<char>('0' + number / 10);
  out += static_cast<char>('0' + number % 10);
}

void AppendMonthNameText(std::string& out, const CalendarInfo& calendar, const CalendarDate& date,
                         int32_t legal_year, const DeeVersion& dee, char group_separator) {
  switch (calendar.text_form) {
    case TextForm::kEra:  // written by the main window's rules (EraDate)
      break;
    case TextForm::kTag:
      out += calendar.month_name(date.year, date.month);
      out += ' ';
      AppendInteger(out, date.day);
      out += ", ";
      AppendYear(out, date.year, group_separator);
      out += ' ';
      out += CalendarTag(calendar, dee);
      break;
    case TextForm::kIsoWeek:
      out += DayOfWeekName(static_cast<int16_t>(date.day % 7));  // day 7 is Sunday
      out += ", week ";
      AppendInteger(out, date.month);
      out += " of ";
      AppendYear(out, date.year, group_separator);
      break;
    case TextForm::kRepublican:
      if (date.month == 13) {  // the days that end the year, counted on their own
        out += "jour complémentaire ";
        AppendInteger(out, date.day);
        out += ',';
      } else {
        AppendInteger(out, date.day);
        out += ' ';
        out += calendar.month_name(date.year, date.month);
      }
      out += " an ";
      out += RomanNumeral(date.year);
      break;
    case TextForm::kLegalYear: {
      out += calendar.month_name(date.year, date.month);
      out += ' ';
      AppendInteger(out, date.day);
      out += ", ";
      const int64_t era_year = date.year < 1 ? 1 - int64_t{date.year} : date.year;
      if (legal_year != date.year && date.year >= 1) {
        AppendYear(out, legal_year, group_separator);
        out += '/';
        AppendTwoDigits(out, date.year % 100);
      } else {
        AppendYear(out, era_year, group_separator);
      }
      if (date.year < 1) out += " BC";
      break;
    }
  }
}

// The text as the reader takes it: no surrounding spaces, capitals.
QString Canonical(QStringView text) { return TrimmedSpaces(text).toString().toUpper(); }

// The letters that end a year-month-day text ("AM" of "5785-07-01 AM"),
// and the text before them.
struct TaggedText {
  QStringView date;
  QStringView tag;
};
TaggedText SplitTag(QStringView text) {
  qsizetype start = text.size();
  while (start > 0 && text[start - 1].isLetter()) --start;
  return {TrimmedSpaces(text.left(start)), text.mid(start)};
}

// A whole number of digits, with group separators in it if `grouped`; none
// for anything else or beyond 32 bits.
std::optional<int32_t> NumberOf(QStringView text, bool grouped) {
  if (text.isEmpty()) return std::nullopt;
  int64_t value = 0;
  bool digits = false;
  for (const QChar c : text) {
    if (c >= u'0' && c <= u'9') {
      value = value * 10 + (c.unicode() - u'0');
      if (value > INT32_MAX) return std::nullopt;
      digits = true;
    } else if (!grouped || !kTypedGroupSeparators.contains(c)) {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return static_cast<int32_t>(value);
}

// "-4,712-01-01": the three numbers, the year signed; none when the text is
// not of that form. An ISO week date's "W" is taken away by the caller.
std::optional<std::array<int32_t, 3>> ThreeNumbers(QStringView text) {
  const bool negative = text.startsWith(u'-');
  if (negative) text = text.mid(1);
  const QList<QStringView> parts = text.split(u'-');
  if (parts.size() != 3) return std::nullopt;
  const std::optional<int32_t> year = NumberOf(TrimmedSpaces(parts[0]), true);
  const std::optional<int32_t> month = NumberOf(TrimmedSpaces(parts[1]), false);
  const std::optional<int32_t> day = NumberOf(TrimmedSpaces(parts[2]), false);
  if (!year || !month || !day) return std::nullopt;
  return std::array<int32_t, 3>{negative ? -*year : *year, *month, *day};
}

// The ISO week date's form: "1999-W52-6".
bool IsIsoWeekForm(QStringView text) {
  const qsizetype week = text.indexOf(QStringLiteral("-W"), 1);
  return week > 0 && SplitTag(text).tag.isEmpty();
}

Notice RangeRefusal(const CalendarInfo& calendar, const DeeVersion& dee) {
  Notice refusal(NoticeKind::kBeyondCalendar, CalendarName(calendar, dee));
  AppendCalendarYearMonthDay(refusal.first_day, DateOfDay(calendar.first_day, calendar.id, dee),
                             dee, GroupSeparator());
  AppendCalendarYearMonthDay(refusal.last_day, DateOfDay(calendar.last_day, calendar.id, dee), dee,
                             GroupSeparator());
  return refusal;
}

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

void AppendAllCalendarLines(std::string& out, int32_t jdn, Era era, const DeeVersion& dee) {
  const char group_separator = GroupSeparator();
  const auto label_of = [&](const CalendarInfo& calendar) {
    return std::string(CalendarName(calendar, dee)) + " Calendar:";
  };
  // The labels' column: 28 characters, or wider for a longer name.
  size_t label_width = 28;
  for (const CalendarInfo& calendar : kCalendars) {
    label_width = std::max(label_width, label_of(calendar).size() + 2);
  }
  for (const CalendarInfo& calendar : kCalendars) {
    const DayInCalendar day = DayIn(calendar, jdn, era, dee, group_separator);
    AppendPaddedUtf8(out, label_of(calendar), label_width);
    if (day.date) {
      AppendPaddedUtf8(out, day.month_name_text, 34);
      out += day.year_month_day;
    } else {
      out += "no date";
    }
    out += '\n';
  }
  const ResultTexts results = ResultsFor(jdn, ResultEra(era), dee);
  AppendPaddedUtf8(out, "Julian day number:", label_width);
  out += results.jdn;
  out += '\n';
  AppendPaddedUtf8(out, "Day of week:", label_width);
  out += results.day_of_week;
  out += '\n';
}

CalendarRows CalendarRowsOf(std::optional<int32_t> jdn, Era era, const DeeVersion& dee,
                            char group_separator) {
  CalendarRows rows;
  for (const CalendarInfo& calendar : kCalendars) {
    rows.days.push_back(jdn ? DayIn(calendar, *jdn, era, dee, group_separator)
                            : DayInCalendar{&calendar, std::nullopt, {}, {}, 0});
  }
  if (jdn) {
    rows.easter = EasterLine(DateOfDay(*jdn, CalendarId::kGregorian, dee).year, group_separator);
  }
  return rows;
}

std::string CopiedCalendarRows(const CalendarRows& rows, const DeeVersion& dee) {
  std::string text;
  for (const DayInCalendar& day : rows.days) {
    std::string label(CalendarName(*day.calendar, dee));
    label += ':';
    AppendPaddedUtf8(text, label, 28);
    AppendPaddedUtf8(text, day.month_name_text, 34);
    text += day.year_month_day;
    text += "\r\n";
  }
  text += rows.easter;
  text += "\r\n";
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

void AppendCalendarYearMonthDay(std::string& out, const CalendarDate& date, const DeeVersion& dee,
                                char group_separator) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  if (calendar.text_form != TextForm::kIsoWeek) {
    AppendYearMonthDay(out, date, CalendarTag(calendar, dee), group_separator);
    return;
  }
  AppendYear(out, date.year, group_separator);
  out += "-W";
  AppendTwoDigits(out, date.month);
  out += '-';
  AppendInteger(out, date.day);
}

DayInCalendar DayIn(const CalendarInfo& calendar, int32_t jdn, Era era, const DeeVersion& dee,
                    char group_separator) {
  DayInCalendar day;
  day.calendar = &calendar;
  day.date = DateIn(calendar, jdn, dee);
  if (!day.date) return day;
  AppendCalendarYearMonthDay(day.year_month_day, *day.date, dee, group_separator);
  day.legal_year = LegalYearOf(*day.date);
  if (calendar.text_form == TextForm::kEra) {
    day.month_name_text = EraDate(calendar, jdn, ResultEra(era), dee).toStdString();
  } else {
    AppendMonthNameText(day.month_name_text, calendar, *day.date, day.legal_year, dee,
                        group_separator);
  }
  return day;
}

bool NamesOtherCalendar(QStringView text, const DeeVersion& dee) {
  // Most texts carry one of the main window's tags, or none: no copy for them.
  // (No other calendar's tag ends in the letters of one of theirs.)
  std::string letters = LettersOfDateText(text);
  for (char& letter : letters) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  }
  if (letters.empty() || CalendarByTag(letters, dee, MainCalendars()) != nullptr) return false;
  const QString canonical = Canonical(text);
  if (IsIsoWeekForm(canonical)) return true;
  const QStringView tag = SplitTag(canonical).tag;
  if (tag.isEmpty()) return false;
  const CalendarInfo* calendar = CalendarByTag(tag.toString().toStdString(), dee);
  return calendar != nullptr && calendar->saved_index == 0;
}

CalendarDateReading ReadCalendarDate(QStringView text, const CalendarInfo* calendar,
                                     const DeeVersion& dee) {
  CalendarDateReading reading;
  const QString canonical = Canonical(text);
  QString date_text;
  const CalendarInfo* named = nullptr;
  if (IsIsoWeekForm(canonical)) {
    named = &CalendarOf(CalendarId::kIsoWeek);
    date_text = canonical;
    date_text.replace(QStringLiteral("-W"), QStringLiteral("-"));
  } else {
    const TaggedText split = SplitTag(canonical);
    date_text = split.date.toString();
    if (!split.tag.isEmpty()) {
      named = CalendarByTag(split.tag.toString().toStdString(), dee);
      if (named == nullptr) {
        reading.refusal = Notice(NoticeKind::kUnknownTag, split.tag.toString().toStdString());
        return reading;
      }
    }
  }
  if (named != nullptr && calendar != nullptr && named != calendar) {
    reading.refusal = Notice(NoticeKind::kInconsistentTags);
    return reading;
  }
  if (named == nullptr) named = calendar;
  if (named == nullptr) {
    reading.refusal = Notice(NoticeKind::kNoTag);
    return reading;
  }
  const std::optional<std::array<int32_t, 3>> numbers = ThreeNumbers(date_text);
  if (!numbers) {
    reading.refusal = Notice(NoticeKind::kInvalidDate);
    return reading;
  }
  const CalendarDate date{(*numbers)[0], (*numbers)[1], (*numbers)[2], named->id};
  const DayResult day = DayNumberOf(date, dee);
  if (!day || !Dates(*named, day.jdn)) {
    // A date before the first or after the last day, or one that is no date.
    const bool beyond = date.year < DateOfDay(named->first_day, named->id, dee).year ||
                        date.year > DateOfDay(named->last_day, named->id, dee).year ||
                        day.status == DateStatus::kOutOfRange || (day && !Dates(*named, day.jdn));
    reading.refusal = beyond ? RangeRefusal(*named, dee) : Notice(NoticeKind::kInvalidDate);
    return reading;
  }
  reading.date = date;
  reading.jdn = day.jdn;
  return reading;
}

CalendarArithmetic AddToCalendarDate(const CalendarDate& date, const ArithmeticValues& values,
                                     bool plus, const DeeVersion& dee) {
  CalendarArithmetic result;
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  const int64_t sign = plus ? 1 : -1;
  CalendarDate moved = date;
  if (values[0] != 0 || values[1] != 0) {
    if (!calendar.adds_years_and_months) {
      result.refusal = Notice(NoticeKind::kNoYearsAndMonths, CalendarName(calendar, dee));
      return result;
    }
    // Months counted from year 0, so that a year's end carries over.
    const int64_t months_in_year = 12;
    const int64_t months = int64_t{date.year} * months_in_year + (date.month - 1) +
                           sign * (int64_t{values[0]} * months_in_year + values[1]);
    const int64_t year = months >= 0 ? months / months_in_year : -((-months + 11) / months_in_year);
    if (year < INT32_MIN || year > INT32_MAX) {
      result.refusal = RangeRefusal(calendar, dee);
      return result;
    }
    moved.year = static_cast<int32_t>(year);
    moved.month = static_cast<int32_t>(months - year * months_in_year + 1);
    // The month-end rule: a day past the month's end becomes its last day.
    while (moved.day > 1 && DayNumberOf(moved, dee).status == DateStatus::kNoSuchDate) --moved.day;
  }
  const DayResult day = DayNumberOf(moved, dee);
  const int64_t jdn = int64_t{day.jdn} + sign * (int64_t{values[2]} * 7 + int64_t{values[3]});
  if (!day || !Dates(calendar, day.jdn) || jdn < calendar.first_day || jdn > calendar.last_day) {
    result.refusal = RangeRefusal(calendar, dee);
    return result;
  }
  result.jdn = static_cast<int32_t>(jdn);
  return result;
}

}  // namespace orv
