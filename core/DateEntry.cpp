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

// What a year-month-day date may hold besides its tag.
const QString kDateCharacters = QStringLiteral("0123456789-") + kTypedGroupSeparators;

constexpr int32_t kLargestTypedYear = 99999;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

using almanor::FitsIn32Bits;

// The whole-number value of a text that holds only digits and a sign; doubles
// keep any 15-digit figure exact and compare correctly beyond.
double WholeValue(const QString& text) { return std::round(LeadingNumber(text)); }

int32_t SaturatedToInt32(double value) {
  if (value <= static_cast<double>(kInt32Min)) return std::numeric_limits<int32_t>::min();
  if (value >= static_cast<double>(kInt32Max)) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

// Digit groups from 10,000 on (the magnitude), plain digits below.
QString YearText(int64_t year, bool grouped) {
  return grouped ? FormatGroupedInteger(year) : QString::number(year);
}

// The year, month and day of a year-month-day text whose tag has been found
// valid: its digits and hyphens read, everything else (the tag's letters,
// group separators) left out. A leading "-" is the year's sign; after it one
// "-" at either end is ignored, and there must be exactly two between the
// three numbers ("2000--03-20" has four). An empty number reads as 0.
std::optional<std::array<double, 3>> YearMonthDayNumbers(QStringView text) {
  const bool negative = text.startsWith(u'-');
  if (negative) text = text.mid(1);
  QVarLengthArray<char16_t, 64> kept;  // the digits and hyphens, in order
  for (const QChar c : text) {
    if ((c >= u'0' && c <= u'9') || c == u'-') kept.append(c.unicode());
  }
  qsizetype begin = 0;
  qsizetype end = kept.size();
  if (begin < end && kept[begin] == u'-') ++begin;
  if (begin < end && kept[end - 1] == u'-') --end;
  if (begin == end || std::count(kept.begin() + begin, kept.begin() + end, u'-') != 2) {
    return std::nullopt;
  }
  std::array<double, 3> numbers{};
  size_t number = 0;
  for (qsizetype i = begin; i < end; ++i) {
    if (kept[i] == u'-') {
      ++number;
    } else {
      // Doubles keep any 15-digit figure exact and compare correctly beyond.
      numbers[number] = numbers[number] * 10.0 + (kept[i] - u'0');
    }
  }
  if (negative) numbers[0] = -numbers[0];
  return numbers;
}

UserNotice CheckYearMonthDay(TypedDate& typed, const DeeVersion& dee,
                             CheckedYearMonthDay& checked) {
  typed.year_month_day = TrimSpaces(typed.year_month_day).toUpper();
  QString& text = typed.year_month_day;
  const CalendarInfo* chosen = typed.calendar;

  if (chosen != nullptr) {
    for (const CalendarInfo* other : MainCalendars()) {
      if (other != chosen && ContainsAscii(text, other->mark)) {
        return Notice{NoticeKind::kInconsistentTags};
      }
    }
  }

  std::string tag = LettersOfDateText(text);
  if (tag.empty()) {
    if (chosen == nullptr || !chosen->tag_implied) {
      return Notice{NoticeKind::kNoTag};
    }
    text += u' ' + QStringOf(chosen->tag);
    tag = LettersOfDateText(text);
  }
  const CalendarInfo* tagged = MainCalendarByTag(tag, dee);
  if (tagged == nullptr) {
    if (tag == "AD" || tag == "BC") {
      return Notice{NoticeKind::kEraTag};
    }
    if (typed.say_why && DeeVersionByDesignation(tag) != nullptr) {
      return Notice{NoticeKind::kOtherDeeVersion, tag};
    }
    return Notice{NoticeKind::kInvalidDate};
  }
  if (chosen == nullptr) typed.calendar = tagged;  // no calendar chosen: the tag's

  const std::optional<std::array<double, 3>> numbers = YearMonthDayNumbers(text);
  if (!numbers) return Notice{NoticeKind::kInvalidDate};
  const auto [year, month, day] = *numbers;
  if (std::fabs(year) > kLargestTypedYear) {
    return Notice{NoticeKind::kDateOutOfRange, {}, typed.say_why ? kLargestTypedYear : 0};
  }
  if (month < 1 || month > 12 || day < 1 || day > 31) {
    if (typed.say_why && month <= kInt32Max && day <= kInt32Max) {
      return WhyNoDay({static_cast<int32_t>(year), static_cast<int32_t>(month),
                       static_cast<int32_t>(day), InForce(*tagged, dee).id});
    }
    return Notice{NoticeKind::kInvalidDate};
  }
  checked = YearMonthDay{static_cast<int32_t>(year), static_cast<int32_t>(month),
                         static_cast<int32_t>(day)};
  return std::nullopt;
}

UserNotice CheckMonthDayYear(TypedDate& typed) {
  typed.year = TrimSpaces(typed.year);
  QString& year = typed.year;
  // The apostrophe is allowed besides comma, period and space: the program
  // itself writes it as the digit-group separator in some locales.
  if (year.startsWith('+') || !IsWholeNumber(year, true, kTypedGroupSeparators) ||
      year.count(u'-') >= 2) {
    return Notice{NoticeKind::kInvalidYear};
  }
  while (year.startsWith(u'0')) year.remove(0, 1);
  if (year.isEmpty()) year = "0";
  if (year.startsWith('-') || year == "0") {
    return Notice{NoticeKind::kYearNotPositive};
  }
  QString digits = year;
  RemoveChars(digits, "-" + kTypedGroupSeparators);
  if (WholeValue(digits) > kLargestTypedYear) {
    return Notice{NoticeKind::kYearOutOfRange};
  }
  return std::nullopt;
}

// Year, month and day of the checked input, in the calendar.
std::optional<CalendarDate> FillDate(TypedDate& typed, const CheckedYearMonthDay& checked,
                                     CalendarId calendar, UserNotice& message) {
  if (typed.notation == Notation::kYearMonthDay) {
    if (!checked) return std::nullopt;  // the checks have not run
    return CalendarDate{checked->year, checked->month, checked->day, calendar};
  }
  const double year = WholeValue(DigitsOnly(typed.year));
  if (year > kLargestTypedYear) {
    message = Notice{NoticeKind::kYearOutOfRange};
    return std::nullopt;
  }
  const auto whole_year = static_cast<int32_t>(year);
  // Grouped from 9,999 on, so the box shows what the conversions read.
  typed.year = YearText(whole_year, whole_year >= 9999);
  const bool before_christ = typed.era == Era::kBC || typed.era == Era::kBCE;
  return CalendarDate{before_christ ? 1 - whole_year : whole_year, typed.month, typed.day,
                      calendar};
}

// Why a typed date names no day: for 29 February of a year that is not a
// leap year in the date's calendar, that calendar and year.
Notice NoSuchDateNotice(const CalendarDate& date) {
  Notice notice{NoticeKind::kNoSuchDate};
  if (date.month == 2 && date.day == 29 && date.year >= 1) {
    notice.name = CalendarOf(date.calendar).name;
    notice.number = date.year;
  }
  return notice;
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

std::string LettersOfDateText(QStringView text) {
  static const auto kIsDateCharacter = [] {
    std::bitset<128> set;
    for (const QChar c : kDateCharacters) set.set(c.unicode());
    return set;
  }();
  std::string letters;
  for (const QChar c : text) {
    const char16_t code = c.unicode();
    if (code >= 128) {
      letters += '\x80';  // names no tag
    } else if (!kIsDateCharacter.test(code)) {
      letters += static_cast<char>(code);
    }
  }
  return letters;
}

std::optional<Era> EraFromText(const QString& text) {
  for (size_t position = 0; position < kEraTexts.size(); ++position) {
    if (kEraTexts[position] == text) return static_cast<Era>(position);
  }
  return std::nullopt;
}

Era EraForYear(Era chosen, int64_t year) {
  if (year >= 1) {
    if (chosen == Era::kNone || chosen == Era::kBCE) return Era::kCE;
    if (chosen == Era::kBC) return Era::kAD;
  } else {
    if (chosen == Era::kNone || chosen == Era::kCE) return Era::kBCE;
    if (chosen == Era::kAD) return Era::kBC;
  }
  return chosen;
}

bool IsComplete(TypedDate& typed) {
  if (typed.notation == Notation::kMonthDayYear) {
    typed.year = TrimSpaces(typed.year);
    return typed.month > 0 && typed.day > 0 && typed.era != Era::kNone &&
           (typed.calendar != nullptr || typed.weekday >= 0) && !typed.year.isEmpty();
  }
  return !typed.year_month_day.isEmpty() && typed.calendar != nullptr;
}

UserNotice CheckTypedDate(TypedDate& typed, const DeeVersion& dee, CheckedYearMonthDay& checked) {
  if (typed.notation == Notation::kYearMonthDay) return CheckYearMonthDay(typed, dee, checked);
  return CheckMonthDayYear(typed);
}

std::optional<int32_t> ReadTypedDate(TypedDate& typed, const CheckedYearMonthDay& checked,
                                     CalendarId calendar, const DeeVersion& dee, bool explain,
                                     CalendarDate& date, UserNotice& message) {
  const std::optional<CalendarDate> read =
      FillDate(typed, checked, InForce(CalendarOf(calendar), dee).id, message);
  if (!read) return std::nullopt;
  date = *read;
  const DayResult day = DayNumberOf(date);
  if (!day) {
    if (typed.say_why) {
      message = WhyNoDay(date);
    } else if (explain) {
      message = NoSuchDateNotice(date);
    }
    return std::nullopt;
  }
  if (typed.notation == Notation::kYearMonthDay) PutDateInYearMonthDay(date, typed, dee);
  return day.jdn;
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
  RemoveChars(year, kTypedGroupSeparators);
  const int32_t value = SaturatedToInt32(WholeValue(year));
  if (month_day_year && (typed.era == Era::kBC || typed.era == Era::kBCE)) {
    return SaturatedToInt32(1.0 - value);
  }
  return value;
}

void PutDateInMonthDayYear(const CalendarDate& date, TypedDate& typed) {
  typed.month = date.month;
  typed.day = date.day;
  const int64_t era_year = date.year >= 1 ? date.year : 1 - int64_t{date.year};
  typed.year = YearText(era_year, date.year >= 1 ? era_year > 9999 : era_year > 10000);
  typed.era = EraForYear(typed.era, date.year);
}

void PutDateInYearMonthDay(const CalendarDate& date, TypedDate& typed, const DeeVersion& dee) {
  const std::string_view tag =
      typed.calendar != nullptr ? CalendarTag(*typed.calendar, dee) : dee.designation;
  typed.year_month_day = YearMonthDayText(date, tag);
}

UserNotice CheckTypedAmount(QString& text) {
  QString value = TrimSpaces(text);
  if (value.startsWith('-')) {
    return Notice{NoticeKind::kNegativeAmount};
  }
  RemoveChars(value, "0123456789" + kTypedGroupSeparators);
  if (!value.isEmpty()) {
    text.clear();
    return Notice{NoticeKind::kInvalidAmount};
  }
  return std::nullopt;
}

Result<ArithmeticValues> ReadArithValues(const std::array<QString, 4>& amounts) {
  ArithmeticValues values{};
  for (size_t i = 0; i < amounts.size(); ++i) {
    // Trimmed first: " -5" is as negative as "-5".
    const QString text = TrimSpaces(amounts[i]);
    if (text.startsWith('-')) return Notice{NoticeKind::kNegativeAmount};
    const double value = WholeValue(DigitsOnly(text));
    if (value > static_cast<double>(kInt32Max)) return Notice{NoticeKind::kInvalidAmount};
    values[i] = static_cast<int32_t>(value);
  }
  return values;
}

std::optional<int32_t> ApplyDateArithmetic(CalendarDate& date, const ArithmeticValues& values,
                                           bool plus) {
  const Result<MovedDay> result = AddToCalendarDate(date, values, plus);
  if (!result) return std::nullopt;  // the main window says why itself
  date = result->moved;
  return result->jdn;
}

const CalendarInfo* CalendarOfTaggedText(const QString& text, const DeeVersion& dee,
                                         const CalendarInfo* untagged) {
  const QString upper = text.toUpper();
  if (LettersOfDateText(upper).empty()) return untagged;
  return CalendarNamedInText(upper, dee);  // as the upkeep reads the tag
}

std::optional<int64_t> DayOfTypedJulianDate(const QString& text) {
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
  const int64_t whole = digits->toLongLong();
  // floor(JD + 0.5) from the digits, exactly: up a day from half past on
  // (forwards), down a day below minus a half (backwards).
  const bool half_or_more = !fraction.isEmpty() && fraction[0] >= u'5';
  const bool more_than_half =
      half_or_more && (fraction[0] > u'5' || std::any_of(fraction.begin() + 1, fraction.end(),
                                                         [](QChar c) { return c != u'0'; }));
  if (!negative) return whole + (half_or_more ? 1 : 0);
  return -whole - (more_than_half ? 1 : 0);
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

std::optional<int32_t> DayOfInput(TypedDate* typed, const CheckedYearMonthDay& checked,
                                  CalendarId calendar, ArithmeticInput& arithmetic,
                                  const DeeVersion& dee, bool explain, CalendarDate& date,
                                  UserNotice& message) {
  const bool sign_chosen = arithmetic.plus || arithmetic.minus;
  if (typed == nullptr) {
    date.calendar = InForce(CalendarOf(date.calendar), dee).id;  // the version in force
  } else {
    if (!ReadTypedDate(*typed, checked, calendar, dee, explain, date, message)) {
      return std::nullopt;
    }
    if (sign_chosen) {
      if (const Result<ArithmeticValues> values = ReadArithValues(arithmetic.amounts); !values) {
        message = values.refusal();
        return std::nullopt;
      }
    }
  }

  bool any_amount = false;
  for (QString& amount : arithmetic.amounts) {
    amount = TrimSpaces(amount);
    any_amount = any_amount || !amount.isEmpty();
  }
  if (arithmetic.apply && sign_chosen && any_amount) {
    // Read again: without a typed date the reading above has not run.
    const Result<ArithmeticValues> values = ReadArithValues(arithmetic.amounts);
    if (!values) {
      message = values.refusal();
      return std::nullopt;
    }
    const std::optional<int32_t> day = ApplyDateArithmetic(date, *values, arithmetic.plus);
    if (!day) {
      message = Notice{NoticeKind::kInvalidAmount};
    }
    return day;
  }
  const DayResult day = DayNumberOf(date);
  if (!day) return std::nullopt;
  return day.jdn;
}

}  // namespace orv
