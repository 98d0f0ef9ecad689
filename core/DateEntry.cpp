#include "core/DateEntry.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/CalendarDay.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

constexpr int32_t kLargestTypedYear = 99999;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

using almanor::FitsIn32Bits;

int32_t SaturatedToInt32(double value) {
  if (value <= static_cast<double>(kInt32Min)) return std::numeric_limits<int32_t>::min();
  if (value >= static_cast<double>(kInt32Max)) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

// Digit groups from 10,000 on (the magnitude), plain digits below.
QString YearText(int64_t year, bool grouped) {
  return grouped ? FormatGroupedInteger(year) : QString::number(year);
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The digits of a whole number written plainly ("2451545") or in groups of
// three marked by any of the separators ("2,451,545", "2'451 545"): the first
// group of one to three digits, every other of exactly three. nullopt for
// anything else.
std::optional<QString> GroupedDigits(QStringView text, QStringView separators) {
  QString digits;
  qsizetype group = 0;  // digits since the last separator
  bool grouped = false;
  for (const QChar c : text) {
    if (IsAsciiDigit(c)) {
      digits += c;
      ++group;
    } else if (separators.contains(c) && group > 0 && (grouped ? group == 3 : group <= 3)) {
      grouped = true;
      group = 0;
    } else {
      return std::nullopt;
    }
  }
  if (group == 0 || (grouped && group != 3)) return std::nullopt;
  return digits;
}

}  // namespace

bool IsComplete(const TypedDate& typed, bool calendar_or_weekday_chosen) {
  if (typed.notation == Notation::kMonthDayYear) {
    return typed.month > 0 && typed.day > 0 && typed.era != Era::kNone &&
           calendar_or_weekday_chosen && !TrimSpaces(typed.year).isEmpty();
  }
  return !typed.year_month_day.isEmpty() && calendar_or_weekday_chosen;
}

int32_t YearOfTypedDate(const TypedDate& typed) {
  const bool month_day_year = typed.notation == Notation::kMonthDayYear;
  const QString text = TrimSpaces(month_day_year ? typed.year : typed.year_month_day);
  // The year is the leading run of digits and group separators, after an
  // optional sign; the hyphen before the month ends it.
  qsizetype end = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
  while (end < text.size() &&
         ((text[end] >= u'0' && text[end] <= u'9') || kTypedGroupSeparators.contains(text[end])))
    ++end;
  QString year = text.left(end);
  year = WithoutChars(year, kTypedGroupSeparators);
  const int32_t value = SaturatedToInt32(WholeNumberValue(year));
  if (month_day_year && (typed.era == Era::kBC || typed.era == Era::kBCE)) {
    return SaturatedToInt32(1.0 - value);
  }
  return value;
}

TypedDate MonthDayYearOf(const CalendarDate& date, Era chosen) {
  TypedDate typed;
  typed.notation = Notation::kMonthDayYear;
  typed.month = date.month;
  typed.day = date.day;
  const int64_t era_year = date.year >= 1 ? date.year : 1 - int64_t{date.year};
  typed.year = YearText(era_year, date.year >= 1 ? era_year > 9999 : era_year > 10000);
  typed.era = EraForYear(chosen, date.year);
  return typed;
}

QString YearMonthDayOf(const CalendarDate& date, const CalendarInfo* chosen,
                       const DeeVersion& dee) {
  return YearMonthDayText(date, chosen != nullptr ? CalendarTag(*chosen, dee) : dee.designation);
}

TypedAmount CheckTypedAmount(const QString& typed) {
  QString value = TrimSpaces(typed);
  if (value.startsWith('-')) return {Notice{NoticeKind::kNegativeAmount}, typed};
  if (!WithoutChars(value, "0123456789" + kTypedGroupSeparators).isEmpty())
    return {Notice{NoticeKind::kInvalidAmount}, QString()};
  return {std::nullopt, typed};
}

Result<ArithmeticValues> ReadArithValues(const std::array<QString, 4>& amounts) {
  ArithmeticValues values{};
  for (size_t i = 0; i < amounts.size(); ++i) {
    // Trimmed first: " -5" is as negative as "-5".
    const QString text = TrimSpaces(amounts[i]);
    if (text.startsWith('-')) return Notice{NoticeKind::kNegativeAmount};
    const double value = WholeNumberValue(DigitsOnly(text));
    if (value > static_cast<double>(kInt32Max)) return Notice{NoticeKind::kInvalidAmount};
    values[i] = static_cast<int32_t>(value);
  }
  return values;
}

namespace {

// A typed Julian Date read by DayOfTypedJulianDate's rule: its sign, its
// whole days and the digits of its fraction (none without a decimal mark).
struct JulianDateDigits {
  bool negative = false;
  int64_t whole = 0;
  std::optional<QString> fraction;
};

std::optional<JulianDateDigits> ReadJulianDateDigits(const QString& text) {
  QString number = TrimSpaces(text);
  const bool negative = number.startsWith(u'-');
  if (negative) number.remove(0, 1);
  // Which mark, if any, starts the fraction, and which marks group the whole days.
  const qsizetype points = number.count(u'.');
  const qsizetype commas = number.count(u',');
  qsizetype decimal = -1;
  QStringView separators = u",' ";
  if (points >= 2) {  // "2.451.545,5": points group, a comma is the decimal comma
    if (commas > 1) return std::nullopt;
    decimal = number.indexOf(u',');
    separators = u".";
  } else if (points == 1) {  // a single point is a decimal point, whatever follows
    decimal = number.indexOf(u'.');
  } else if (commas == 1) {  // a single comma is a group mark only before three digits
    const qsizetype comma = number.indexOf(u',');
    qsizetype run = 0;
    while (comma + 1 + run < number.size() && IsAsciiDigit(number[comma + 1 + run])) ++run;
    if (run != 3) {
      decimal = comma;
      separators = u"' ";
    }
  }
  const QStringView fraction =
      decimal < 0 ? QStringView() : QStringView(number).sliced(decimal + 1);
  if (!std::all_of(fraction.begin(), fraction.end(), IsAsciiDigit)) return std::nullopt;
  const std::optional<QString> digits =
      GroupedDigits(QStringView(number).first(decimal < 0 ? number.size() : decimal), separators);
  if (!digits || digits->size() > 12) return std::nullopt;
  JulianDateDigits read{negative, digits->toLongLong(), std::nullopt};
  if (decimal >= 0) read.fraction = fraction.toString();
  return read;
}

}  // namespace

std::optional<int64_t> DayOfTypedJulianDate(const QString& text) {
  const std::optional<JulianDateDigits> read = ReadJulianDateDigits(text);
  if (!read) return std::nullopt;
  const QString fraction = read->fraction.value_or(QString());
  // floor(JD + 0.5) from the digits, exactly: up a day from half past on
  // (forwards), down a day below minus a half (backwards).
  const bool half_or_more = !fraction.isEmpty() && fraction[0] >= u'5';
  const bool more_than_half =
      half_or_more && (fraction[0] > u'5' || std::any_of(fraction.begin() + 1, fraction.end(),
                                                         [](QChar c) { return c != u'0'; }));
  if (!read->negative) return read->whole + (half_or_more ? 1 : 0);
  return -read->whole - (more_than_half ? 1 : 0);
}

std::optional<int64_t> TimeOfTypedJulianDate(const QString& text) {
  const std::optional<JulianDateDigits> read = ReadJulianDateDigits(text);
  if (!read || !read->fraction) return std::nullopt;
  // JD + ½ less the day it names, the time since 0 h, from the fraction f
  // alone, in trillionths of a day (twelve digits of f: a thousandth of a
  // microsecond): f + ½ or f − ½ forwards, ½ − f or 1½ − f backwards.
  constexpr int64_t kUnits = 1'000'000'000'000;
  const int64_t fraction = read->fraction->left(12).leftJustified(12, u'0').toLongLong();
  const int64_t day = *DayOfTypedJulianDate(text);
  const int64_t after_midnight =
      read->negative ? (day == -read->whole ? kUnits / 2 : 3 * kUnits / 2) - fraction
                     : fraction + (day == read->whole ? kUnits / 2 : -kUnits / 2);
  // (Only a negative date's digits beyond the twelfth can take this past the day.)
  const int64_t units = std::clamp<int64_t>(after_midnight, 0, kUnits - 1);
  // Microseconds, rounded half up: a day is 86,400,000,000 of them.
  return std::min<int64_t>((units * 864 + 5'000) / 10'000, 86'400'000'000 - 1);
}

Result<CalendarDate> DayOfTypedJDN(const QString& text, CalendarId calendar,
                                   const DeeVersion& dee) {
  const std::optional<int64_t> day = DayOfTypedJulianDate(text);
  if (!day) return Notice{NoticeKind::kInvalidDayNumber};
  if (!FitsIn32Bits(*day)) return Notice{NoticeKind::kDayNumberOutOfRange};
  const CalendarDate date =
      DateOfDay(static_cast<int32_t>(*day), InForce(CalendarOf(calendar), dee));
  if (std::abs(date.year) > kLargestTypedYear) return Notice{NoticeKind::kDayNumberOutOfRange};
  return date;
}

namespace {

// Moves the day by the amounts, as DayOfInput says; `day` holds the date.
void MoveByAmounts(const ArithmeticInput& arithmetic, bool check_amounts, InputDay& day) {
  const bool sign_chosen = arithmetic.plus || arithmetic.minus;
  if (check_amounts && sign_chosen) {
    if (const Result<ArithmeticValues> values = ReadArithValues(arithmetic.amounts); !values) {
      day.refusal = values.refusal();
      return;
    }
  }
  bool any_amount = false;
  for (QString& amount : day.amounts) {
    amount = TrimSpaces(amount);
    any_amount = any_amount || !amount.isEmpty();
  }
  if (arithmetic.apply && sign_chosen && any_amount) {
    // Read again: the held date's amounts have not been checked above.
    const Result<ArithmeticValues> values = ReadArithValues(day.amounts);
    if (!values) {
      day.refusal = values.refusal();
      return;
    }
    const Result<MovedDay> moved = AddToCalendarDate(*day.date, *values, arithmetic.plus);
    if (!moved) {
      day.refusal = Notice{NoticeKind::kInvalidAmount};  // the window's own words
      return;
    }
    day.date = moved->moved;
    day.day = moved->jdn;
    return;
  }
  if (const DayResult number = DayNumberOf(*day.date)) day.day = number.jdn;
}

}  // namespace

InputDay DayOfInput(const TypedDate& typed, const DateReadingRules& rules,
                    const ArithmeticInput& arithmetic) {
  const DateReading reading = ReadDate(typed, rules);
  InputDay day{std::nullopt, reading.date, reading.refusal, reading.text, arithmetic.amounts};
  if (reading) MoveByAmounts(arithmetic, true, day);
  return day;
}

InputDay DayOfInput(const CalendarDate& held, const ArithmeticInput& arithmetic) {
  InputDay day{std::nullopt, held, std::nullopt, QString(), arithmetic.amounts};
  MoveByAmounts(arithmetic, false, day);
  return day;
}

}  // namespace orv
