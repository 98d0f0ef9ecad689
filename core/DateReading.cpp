#include "core/DateReading.h"

#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>

#include "calendar/CalendarDate.h"
#include "core/CalendarDay.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/OutputFields.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// What a year-month-day date may hold besides its tag.
const QString kDateCharacters = QStringLiteral("0123456789-") + kTypedGroupSeparators;

constexpr int32_t kLargestTypedYear = 99999;
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// The text as the reader of other calendars takes it: no surrounding spaces,
// capitals.
QString Canonical(QStringView text) { return TrimmedSpaces(text).toString().toUpper(); }

// ---- The main window's three calendars, by the checks of its boxes ----

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
      numbers[number] = numbers[number] * 10.0 + (kept[i] - u'0');
    }
  }
  if (negative) numbers[0] = -numbers[0];
  return numbers;
}

// What the checks of a typed text's form found: the refusal, or the
// calendar it is a date of and the date's numbers; and the text as they
// leave it.
struct FormCheck {
  UserNotice refusal;
  QString text;
  const CalendarInfo* calendar = nullptr;
  YearMonthDay numbers;
};

FormCheck CheckYearMonthDay(QStringView typed, const CalendarInfo* chosen, const DeeVersion& dee,
                            bool say_why) {
  FormCheck form;
  form.text = TrimmedSpaces(typed).toString().toUpper();
  const QString& text = form.text;
  if (chosen != nullptr) {
    for (const CalendarInfo* other : MainCalendars()) {
      if (other != chosen && ContainsAscii(text, other->mark)) {
        form.refusal = Notice{NoticeKind::kInconsistentTags};
        return form;
      }
    }
  }

  std::string tag = LettersOfDateText(text);
  if (tag.empty()) {
    if (chosen == nullptr || !chosen->tag_implied) {
      form.refusal = Notice{NoticeKind::kNoTag};
      return form;
    }
    form.text += u' ' + QStringOf(chosen->tag);
    tag = LettersOfDateText(text);
  }
  const CalendarInfo* tagged = MainCalendarByTag(tag, dee);
  if (tagged == nullptr) {
    if (tag == "AD" || tag == "BC") {
      form.refusal = Notice{NoticeKind::kEraTag};
    } else if (say_why && DeeVersionByDesignation(tag) != nullptr) {
      form.refusal = Notice{NoticeKind::kOtherDeeVersion, tag};
    } else {
      form.refusal = Notice{NoticeKind::kInvalidDate};
    }
    return form;
  }
  form.calendar = chosen != nullptr ? chosen : tagged;

  const std::optional<std::array<double, 3>> numbers = YearMonthDayNumbers(text);
  if (!numbers) {
    form.refusal = Notice{NoticeKind::kInvalidDate};
    return form;
  }
  const auto [year, month, day] = *numbers;
  if (std::fabs(year) > kLargestTypedYear) {
    form.refusal = Notice{NoticeKind::kDateOutOfRange, {}, say_why ? kLargestTypedYear : 0};
    return form;
  }
  if (month < 1 || month > 12 || day < 1 || day > 31) {
    if (say_why && month <= kInt32Max && day <= kInt32Max) {
      form.refusal = WhyNoDay({static_cast<int32_t>(year), static_cast<int32_t>(month),
                               static_cast<int32_t>(day), InForce(*tagged, dee).id});
    } else {
      form.refusal = Notice{NoticeKind::kInvalidDate};
    }
    return form;
  }
  form.numbers = {static_cast<int32_t>(year), static_cast<int32_t>(month),
                  static_cast<int32_t>(day)};
  return form;
}

FormCheck CheckMonthDayYear(const TypedDate& typed) {
  FormCheck form;
  form.text = TrimSpaces(typed.year);
  QString& year = form.text;
  // The apostrophe is allowed besides comma, period and space: the program
  // itself writes it as the digit-group separator in some locales.
  if (year.startsWith('+') || !IsWholeNumber(year, true, kTypedGroupSeparators) ||
      year.count(u'-') >= 2) {
    form.refusal = Notice{NoticeKind::kInvalidYear};
    return form;
  }
  while (year.startsWith(u'0')) year.remove(0, 1);
  if (year.isEmpty()) year = "0";
  if (year.startsWith('-') || year == "0") {
    form.refusal = Notice{NoticeKind::kYearNotPositive};
    return form;
  }
  const double value = WholeNumberValue(WithoutChars(year, "-" + kTypedGroupSeparators));
  if (value > kLargestTypedYear) {
    form.refusal = Notice{NoticeKind::kYearOutOfRange};
    return form;
  }
  const auto whole_year = static_cast<int32_t>(value);
  const bool before_christ = typed.era == Era::kBC || typed.era == Era::kBCE;
  form.numbers = {before_christ ? 1 - whole_year : whole_year, typed.month, typed.day};
  return form;
}

// Why a typed date names no day, in the main window's words: for 29
// February of a year that is not a leap year in the date's calendar, that
// calendar and year.
Notice NoSuchDateNotice(const CalendarDate& date) {
  Notice notice{NoticeKind::kNoSuchDate};
  if (date.month == 2 && date.day == 29 && date.year >= 1) {
    notice.name = CalendarOf(date.calendar).name;
    notice.number = date.year;
  }
  return notice;
}

// The letters of a text's tag in capitals, and the main window's calendar
// they name exactly, if any.
struct TagLetters {
  std::string letters;
  const CalendarInfo* main = nullptr;
};
TagLetters TagLettersOf(QStringView text, const DeeVersion& dee) {
  TagLetters tag{LettersOfDateText(text)};
  for (char& letter : tag.letters) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  }
  tag.main = MainCalendarByTag(tag.letters, dee);
  return tag;
}

// `tag_letters`: the year-month-day text's, when the program's voice reads it.
DateReading ReadMainCalendarDate(const TypedDate& typed, const DateReadingRules& rules,
                                 const TagLetters* tag_letters) {
  const bool say_why = rules.voice == ReadingVoice::kProgram;
  const bool month_day_year = typed.notation == Notation::kMonthDayYear;
  // (The Dee calendar is chosen as itself, whichever version's row is given.)
  const CalendarInfo* chosen =
      rules.calendar != nullptr ? &CalendarOf(rules.calendar->version_of) : nullptr;
  if (chosen == nullptr && tag_letters != nullptr) {
    // A tag that is exactly one of the main window's calendars' names it, as
    // the text's tag would (its letters hold no other's mark).
    if (tag_letters->letters.empty()) {
      chosen = rules.untagged;
    } else if (tag_letters->main != nullptr) {
      chosen = tag_letters->main;
    } else {
      chosen = CalendarOfTaggedText(typed.year_month_day, rules.dee, rules.untagged);
    }
  }
  const FormCheck form = month_day_year
                             ? CheckMonthDayYear(typed)
                             : CheckYearMonthDay(typed.year_month_day, chosen, rules.dee, say_why);
  DateReading reading{std::nullopt, std::nullopt, form.refusal, form.text, std::nullopt};
  if (form.refusal || rules.form_only) return reading;
  const CalendarInfo* calendar = month_day_year ? chosen : form.calendar;
  if (calendar == nullptr) {  // a month-day-year date read in no calendar
    reading.refusal = Notice{NoticeKind::kInvalidDate};
    return reading;
  }
  const CalendarDate date{form.numbers.year, form.numbers.month, form.numbers.day,
                          InForce(*calendar, rules.dee).id};
  reading.date = date;
  if (month_day_year) {
    // Grouped from 9,999 on, so the box shows what the conversions read.
    const int32_t year = date.year >= 1 ? date.year : 1 - date.year;
    reading.text = year >= 9999 ? FormatGroupedInteger(year) : QString::number(year);
  }
  const DayResult day = DayNumberOf(date);
  if (!day) {
    if (say_why) {
      reading.refusal = WhyNoDay(date);
    } else if (rules.explain) {
      reading.refusal = NoSuchDateNotice(date);
    }
    return reading;
  }
  reading.day = day.jdn;
  if (!month_day_year && rules.write_back) {
    reading.text = YearMonthDayText(date, CalendarTag(*calendar, rules.dee));
  }
  return reading;
}

// ---- A time of day after the date ----

struct TimeSplit {
  QString date;                         // the text without the time
  QString typed;                        // the time as typed
  std::optional<int64_t> microseconds;  // none when it is out of range
};

// The time at the end of the text (before the tag's letters, if any); none
// when there is none.
std::optional<TimeSplit> SplitTimeOfDay(QStringView text) {
  static const QRegularExpression kTime(
      QStringLiteral("[T\\s](\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d{1,6}))?)?"
                     "(?:\\s*(?:Z|UTC?))?(?=\\s*[A-Z]{0,3}\\s*$)"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = kTime.match(text);
  if (!match.hasMatch()) return std::nullopt;
  TimeSplit split;
  split.date =
      text.left(match.capturedStart()).toString() + text.mid(match.capturedEnd()).toString();
  split.typed = match.captured().mid(1).trimmed();
  const int hours = match.captured(1).toInt();
  const int minutes = match.captured(2).toInt();
  const int seconds = match.captured(3).toInt();
  if (hours > 23 || minutes > 59 || seconds > 59) return split;
  const QString fraction = match.captured(4).leftJustified(6, u'0');
  split.microseconds =
      ((int64_t{hours} * 60 + minutes) * 60 + seconds) * 1'000'000 + fraction.toLongLong();
  return split;
}

// ---- A date as a source wrote it, with its month's name ----

// Whether the second year of a dual year, as written (its last digit, its
// last two, or whole: 1750/1, 1749/50, 1699/1700), is the year after the first.
bool IsYearAfter(int32_t first, int32_t second, qsizetype second_digits) {
  const int32_t next = first + 1;
  return second == (second_digits == 1 ? next % 10 : second_digits == 2 ? next % 100 : next);
}

// "February 10, 1749/50", "10th Feb 1749/50", "1 February 1700/01 m.v.": the
// day of a calendar with a legal year (England, the regions), the year as
// the source counted it (a single year is the legal year). None when the text
// is not of that form.
std::optional<DateReading> ReadWrittenDate(QStringView text, const CalendarInfo& calendar) {
  static const QRegularExpression kWritten(
      QStringLiteral("^\\s*(?:(\\d{1,2})(?:st|nd|rd|th)?\\s+([A-Za-z]{3,})\\.?|"
                     "([A-Za-z]{3,})\\.?\\s+(\\d{1,2})(?:st|nd|rd|th)?,?)"
                     "\\s+(\\d{1,7})(?:\\s*/\\s*(\\d{1,7}))?(?:\\s*m\\.?\\s*v\\.?)?\\s*$"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = kWritten.match(text.toString());
  if (!match.hasMatch()) return std::nullopt;
  const QString month_text = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
  const int day = (match.captured(1).isEmpty() ? match.captured(4) : match.captured(1)).toInt();
  int month = 0;
  for (int m = 1; m <= 12 && month == 0; ++m) {
    const QString name = QStringOf(RomanMonthName(2000, m));
    if (name.startsWith(month_text, Qt::CaseInsensitive)) month = m;
  }
  if (month == 0) return std::nullopt;
  DateReading reading{std::nullopt, std::nullopt, std::nullopt, text.toString(), std::nullopt};
  const int32_t legal = match.captured(5).toInt();
  std::string written = std::string(RomanMonthName(2000, month)) + ' ' + std::to_string(day);
  std::optional<int32_t> january;
  if (!match.captured(6).isEmpty()) {  // both years: the second is the January year
    const QString second = match.captured(6);
    const int32_t next = legal + 1;
    if (!IsYearAfter(legal, second.toInt(), second.size())) {
      reading.refusal =
          Notice(NoticeKind::kDualYearMismatch, (match.captured(5) + '/' + second).toStdString());
      return reading;
    }
    january = next;
  }
  int found = 0;
  for (const int32_t year :
       january ? std::vector<int32_t>{*january} : std::vector<int32_t>{legal, legal + 1}) {
    const CalendarDate date{year, month, day, calendar.id};
    if (DayNumberOf(date) && LegalYearOf(date) == legal && found++ == 0) {
      reading.date = date;
      reading.day = DayNumberOf(date).jdn;
    }
  }
  if (found == 1) return reading;
  // None, or (a year from Easter to Easter) two days: the reader must say which.
  reading.date.reset();
  reading.day.reset();
  reading.refusal =
      Notice(found == 0 ? NoticeKind::kNoDayInLegalYear : NoticeKind::kTwiceInLegalYear,
             calendar.name, legal);
  reading.refusal->part = std::to_string(day) + ' ' + std::string(RomanMonthName(2000, month));
  return reading;
}

// ---- Any other calendar, by its own form ----

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

// England's dual year as typed ("1749/50-02-10", "1749/1750-02-10",
// "1750/1-02-10"): the year as typed, whether its second year is the one after the first, and
// the date's text with the second, the January year, as its year.
struct DualYear {
  std::string typed;
  bool follows = false;
  QString date_text;
};
std::optional<DualYear> ReadDualYear(const QString& date_text) {
  const qsizetype year_end = date_text.indexOf(u'-', 1);
  const qsizetype slash = date_text.indexOf(u'/');
  if (slash < 0 || year_end < 0 || slash > year_end) return std::nullopt;
  DualYear dual{TrimmedSpaces(QStringView(date_text).left(year_end)).toString().toStdString(),
                false, date_text};
  const std::optional<int32_t> legal =
      NumberOf(TrimmedSpaces(QStringView(date_text).left(slash)), true);
  const QStringView second =
      TrimmedSpaces(QStringView(date_text).mid(slash + 1, year_end - slash - 1));
  const std::optional<int32_t> january = NumberOf(second, false);
  if (!legal || !january || *legal == INT32_MAX) return dual;
  const int32_t next = *legal + 1;
  dual.follows = IsYearAfter(*legal, *january, second.size());
  dual.date_text.replace(0, year_end, QString::number(next));
  return dual;
}

bool NamesOtherCalendar(QStringView text, const TagLetters& tag_letters, const DeeVersion& dee) {
  // Most texts carry one of the main window's tags, or none: no copy for them.
  // (No other calendar's tag holds the mark of one of theirs: AddCalendar.)
  if (tag_letters.letters.empty() || tag_letters.main != nullptr) return false;
  const QString canonical = Canonical(text);
  if (IsIsoWeekForm(canonical)) return true;
  const QStringView tag = SplitTag(canonical).tag;
  if (tag.isEmpty()) return false;
  const CalendarInfo* calendar = CalendarByTag(tag.toString().toStdString(), dee);
  return calendar != nullptr && calendar->saved_index == 0;
}

// A year-month-day date of any calendar, "5785-07-01 AM" or "1999-W52-6"
// (any case; digit groups in the year; the tag may be left out when
// `calendar` is given; England's dual year, "1749/50-02-10 EN", for a day
// from 1 January to 24 March of 1156 to 1751).
DateReading ReadOtherCalendarDate(QStringView text, const CalendarInfo* calendar,
                                  const DeeVersion& dee, bool write_back) {
  DateReading reading{std::nullopt, std::nullopt, std::nullopt, text.toString(), std::nullopt};
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
      const std::string tag = split.tag.toString().toStdString();
      named = CalendarByTag(tag, dee);
      if (named == nullptr) {
        reading.refusal =
            Notice(DeeVersionByDesignation(tag) != nullptr ? NoticeKind::kOtherDeeVersion
                                                           : NoticeKind::kUnknownTag,
                   tag);
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
  std::optional<DualYear> dual;
  if (named->text_form == TextForm::kLegalYear) {
    dual = ReadDualYear(date_text);
    if (dual) date_text = dual->date_text;
  }
  const std::optional<std::array<int32_t, 3>> numbers = ThreeNumbers(date_text);
  if (!numbers) {
    reading.refusal = Notice(NoticeKind::kInvalidDate);
    return reading;
  }
  const CalendarDate date{(*numbers)[0], (*numbers)[1], (*numbers)[2], named->id};
  if (dual && (!dual->follows || (DayNumberOf(date) && LegalYearOf(date) == date.year))) {
    reading.refusal = Notice(NoticeKind::kDualYearMismatch, dual->typed);
    if (named->id != CalendarId::kEngland) reading.refusal->calendar = named->name;
    if (dual->follows) {
      std::string& part = reading.refusal->part;
      part = MonthNameOf(*named, date.year, date.month);
      part += ' ';
      AppendInteger(part, date.day);
      part += ", ";
      AppendYear(part, date.year, GroupSeparator());
    }
    return reading;
  }
  reading.date = date;
  const DayResult day = DayNumberOf(date);
  if (!day || !Dates(*named, day.jdn)) {
    reading.refusal = WhyNoDay(date);
    return reading;
  }
  reading.day = day.jdn;
  if (write_back) {
    std::string written;
    AppendCalendarYearMonthDay(written, date, GroupSeparator());
    reading.text = QString::fromStdString(written);
  }
  return reading;
}

}  // namespace

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

const CalendarInfo* CalendarOfTaggedText(QStringView text, const DeeVersion& dee,
                                         const CalendarInfo* untagged) {
  const QString upper = text.toString().toUpper();
  if (LettersOfDateText(upper).empty()) return untagged;
  return CalendarNamedInText(upper, dee);  // as the main window's upkeep reads the tag
}

bool NamesOtherCalendar(QStringView text, const DeeVersion& dee) {
  return NamesOtherCalendar(text, TagLettersOf(text, dee), dee);
}

std::string LettersOfDateText(std::string_view ascii_text) {
  std::string letters;
  for (const char c : ascii_text) {
    const bool date_character =
        (c >= '0' && c <= '9') || c == '-' || c == ',' || c == '.' || c == '\'' || c == ' ';
    if (!date_character) letters += c;
  }
  return letters;
}

namespace {

DateReading ReadUntimedDate(const TypedDate& typed, const DateReadingRules& rules) {
  if (typed.notation == Notation::kYearMonthDay && rules.voice == ReadingVoice::kProgram) {
    const QStringView text = typed.year_month_day;
    if (rules.calendar != nullptr && rules.calendar->saved_index == 0) {
      if (rules.calendar->text_form == TextForm::kLegalYear) {
        if (std::optional<DateReading> written = ReadWrittenDate(text, *rules.calendar)) {
          return *std::move(written);
        }
      }
      return ReadOtherCalendarDate(text, &InForce(*rules.calendar, rules.dee), rules.dee,
                                   rules.write_back);
    }
    const TagLetters tag_letters = TagLettersOf(text, rules.dee);
    if (rules.calendar == nullptr && NamesOtherCalendar(text, tag_letters, rules.dee)) {
      return ReadOtherCalendarDate(text, nullptr, rules.dee, rules.write_back);
    }
    return ReadMainCalendarDate(typed, rules, &tag_letters);
  }
  return ReadMainCalendarDate(typed, rules, nullptr);
}

}  // namespace

DateReading ReadDate(const TypedDate& typed, const DateReadingRules& rules) {
  if (typed.notation == Notation::kYearMonthDay && rules.voice == ReadingVoice::kProgram &&
      typed.year_month_day.contains(u':')) {
    if (const std::optional<TimeSplit> time = SplitTimeOfDay(typed.year_month_day)) {
      if (!time->microseconds) {
        return {std::nullopt, std::nullopt,
                Notice(NoticeKind::kInvalidTime, time->typed.toStdString()), typed.year_month_day,
                std::nullopt};
      }
      TypedDate date = typed;
      date.year_month_day = time->date;
      DateReading reading = ReadUntimedDate(date, rules);
      reading.time_of_day = time->microseconds;
      if (reading)
        reading.text += u' ' + QString::fromStdString(TimeOfDayText(*time->microseconds));
      return reading;
    }
  }
  return ReadUntimedDate(typed, rules);
}

namespace {

// Up to `most` digits at `at`, as a number; none for no digit.
std::optional<int32_t> Digits(const char*& at, const char* end, int most) {
  int32_t value = 0;
  int count = 0;
  while (at < end && count < most && *at >= '0' && *at <= '9') {
    value = value * 10 + (*at++ - '0');
    ++count;
  }
  if (count == 0) return std::nullopt;
  return value;
}

// A batch's commonest line, read from its bytes: "[-]Y-M-D", the year of up to
// five digits, month and day of up to two, then spaces and the tag of one of
// the main window's calendars, or no tag where the untagged calendar implies
// one. Read as ReadMainCalendarDate reads it when it names a day; anything
// else (another form, a date to refuse) is left to it: none.
std::optional<DateReading> ReadPlainDate(std::string_view text, const DateReadingRules& rules) {
  if (rules.voice != ReadingVoice::kProgram || rules.form_only) return std::nullopt;
  if (rules.calendar != nullptr && rules.calendar->saved_index == 0) return std::nullopt;
  const char* at = text.data();
  const char* end = at + text.size();
  while (at < end && *at == ' ') ++at;
  while (end > at && end[-1] == ' ') --end;
  const bool negative = at < end && *at == '-';
  if (negative) ++at;
  const std::optional<int32_t> year = Digits(at, end, 5);
  if (!year || at == end || *at++ != '-') return std::nullopt;
  const std::optional<int32_t> month = Digits(at, end, 2);
  if (!month || at == end || *at++ != '-') return std::nullopt;
  const std::optional<int32_t> day = Digits(at, end, 2);
  if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  if (at < end && *at != ' ') return std::nullopt;
  while (at < end && *at == ' ') ++at;
  char tag_letters[3];
  const auto tag_size = static_cast<size_t>(end - at);
  if (tag_size > sizeof tag_letters) return std::nullopt;
  for (size_t i = 0; i < tag_size; ++i) {
    const char c = at[i];
    if (c >= 'a' && c <= 'z') {
      tag_letters[i] = static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      tag_letters[i] = c;
    } else {
      return std::nullopt;
    }
  }
  const std::string_view tag(tag_letters, tag_size);
  const CalendarInfo* tagged = tag.empty() ? nullptr : MainCalendarByTag(tag, rules.dee);
  if (!tag.empty() && tagged == nullptr) return std::nullopt;
  const CalendarInfo* chosen = rules.calendar != nullptr ? &CalendarOf(rules.calendar->version_of)
                               : tag.empty()             ? rules.untagged
                                                         : tagged;
  if (chosen == nullptr || (tag.empty() && !chosen->tag_implied)) return std::nullopt;
  for (const CalendarInfo* other : MainCalendars()) {
    if (other != chosen && tag.find(other->mark) != std::string_view::npos) return std::nullopt;
  }
  const CalendarDate date{negative ? -*year : *year, *month, *day, InForce(*chosen, rules.dee).id};
  const DayResult number = DayNumberOf(date);
  if (!number) return std::nullopt;
  DateReading reading{date, number.jdn, std::nullopt, QString(), std::nullopt};
  if (rules.write_back) reading.text = YearMonthDayText(date, CalendarTag(*chosen, rules.dee));
  return reading;
}

}  // namespace

DateReading ReadDate(std::string_view ascii_year_month_day, const DateReadingRules& rules) {
  if (std::optional<DateReading> plain = ReadPlainDate(ascii_year_month_day, rules)) {
    return *std::move(plain);
  }
  const QString text = QString::fromLatin1(ascii_year_month_day.data(),
                                           static_cast<qsizetype>(ascii_year_month_day.size()));
  return ReadDate(QStringView(text), rules);
}

DateReading ReadDate(QStringView year_month_day, const DateReadingRules& rules) {
  return ReadDate(TypedDate::OfYearMonthDay(year_month_day.toString()), rules);
}

}  // namespace orv
