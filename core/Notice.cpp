#include "core/Notice.h"

#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "core/NumberFormat.h"
#include "core/ReportBuilders.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// "2nd", "14th", "21st": a day of the month in words' order.
QString Ordinal(int64_t number) {
  const int64_t last = number % 10;
  const bool teen = number % 100 >= 11 && number % 100 <= 13;
  const char* suffix = teen || last == 0 || last > 3 ? "th"
                       : last == 1                   ? "st"
                       : last == 2                   ? "nd"
                                                     : "rd";
  return QString::number(number) + QLatin1String(suffix);
}

// A month's name at the start of a sentence ("Jours complémentaires 2 FR").
QString Capitalized(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

}  // namespace

QString NoticeText(const Notice& notice) {
  const QString name = QStringOf(notice.name);
  const auto weekday = [&] {
    return QString::fromStdString(DayOfWeekName(static_cast<int16_t>(notice.number)));
  };
  switch (notice.kind) {
    case NoticeKind::kUnknownTag:
      return QStringLiteral("'%1' is the tag of no calendar.").arg(name);
    case NoticeKind::kBeyondCalendar:
      return QStringLiteral("The %1 calendar dates the days from %2 to %3.")
          .arg(name, QStringOf(notice.first_day), QStringOf(notice.last_day));
    case NoticeKind::kNoSuchMonth:
      return QStringLiteral("%1 has %2 months: it has no month %3.")
          .arg(name)
          .arg(notice.number)
          .arg(QStringOf(notice.part));
    case NoticeKind::kNoLeapMonth:
      return QStringLiteral("%1 is a common year: it has no %2.").arg(name, QStringOf(notice.part));
    case NoticeKind::kNoSuchWeek:
      return QStringLiteral("%1 has %2 weeks: it has no week %3.")
          .arg(name)
          .arg(notice.number)
          .arg(QStringOf(notice.part));
    case NoticeKind::kDayPastMonthEnd: {
      QString text =
          QStringLiteral("%1 has days 1 to %2").arg(Capitalized(name)).arg(notice.number);
      if (!notice.part.empty()) {
        text += QStringLiteral(": %1 is not a leap year in the %2 calendar")
                    .arg(QStringOf(notice.part), QStringOf(notice.calendar));
      }
      return text + u'.';
    }
    case NoticeKind::kSkippedDays:
      return QStringLiteral("%1 has no days %2 to %3: the day after the %4 was the %5.")
          .arg(Capitalized(name))
          .arg(notice.number)
          .arg(notice.last_number)
          .arg(Ordinal(notice.number - 1), Ordinal(notice.last_number + 1));
    case NoticeKind::kOtherDeeVersion: {
      const DeeVersion& named =
          notice.name == kDeeVersion.designation ? kDeeVersion : kDeeCecilVersion;
      const DeeVersion& in_force = &named == &kDeeVersion ? kDeeCecilVersion : kDeeVersion;
      return QStringLiteral(
                 "'%1' is the tag of the %2 calendar, but the version in force is "
                 "%3: its tag is '%4'.")
          .arg(name, QStringOf(named.name), QStringOf(in_force.name),
               QStringOf(in_force.designation));
    }
    case NoticeKind::kDualYearMismatch:
      if (notice.part.empty()) {
        return QStringLiteral("%1 is not a dual year: its second year is the one after the first.")
            .arg(name);
      }
      if (!notice.calendar.empty()) {  // a region of its own style
        return QStringLiteral(
                   "A dual year such as %1 is written only for the days %2 counted in the year "
                   "before, before its year began: %3 has one year.")
            .arg(name, QStringOf(notice.calendar), QStringOf(notice.part));
      }
      return QStringLiteral(
                 "A dual year such as %1 is written only from 1 January to 24 March, in 1156 to "
                 "1751, when the legal year began on 25 March: %2 has one year.")
          .arg(name, QStringOf(notice.part));
    case NoticeKind::kTwiceInLegalYear:
      return QStringLiteral(
                 "In %1 the year %2, as its records counted it, had %3 twice, in the January "
                 "years %2 and %4: type the one meant as year-month-day.")
          .arg(name)
          .arg(notice.number)
          .arg(QStringOf(notice.part))
          .arg(notice.number + 1);
    case NoticeKind::kSwitchedOver:
      return QStringLiteral("%1 went from %2 to %3.")
          .arg(name, QStringOf(notice.part), QStringOf(notice.calendar));
    case NoticeKind::kNoDayInLegalYear:
      return QStringLiteral("In %1 the year %2, as its records counted it, has no %3.")
          .arg(name)
          .arg(notice.number)
          .arg(QStringOf(notice.part));
    case NoticeKind::kNoYearsAndMonths:
      return QStringLiteral("Years and months cannot be added in the %1 calendar.").arg(name);
    case NoticeKind::kNoNotation:
      return QStringLiteral("Please select type of input date");
    case NoticeKind::kInconsistentTags:
      return QStringLiteral("Inconsistent calendar designations in year-month-day date.");
    case NoticeKind::kNoTag:
      return QStringLiteral("Please specify calendar for year-month-day date.");
    case NoticeKind::kEraTag:
      return "The calendar designators 'AD' and 'BC'" + kCrLf +
             "can only be used with month,day,year dates.";
    case NoticeKind::kInvalidDate:
      return QStringLiteral("Invalid input date");
    case NoticeKind::kDateOutOfRange:
      if (notice.number == 0) return QStringLiteral("Input date is out of permitted range.");
      return QStringLiteral("Input date is out of permitted range: years %1 to %2.")
          .arg(FormatGroupedInteger(-notice.number), FormatGroupedInteger(notice.number));
    case NoticeKind::kInvalidYear:
      return QStringLiteral("Invalid year value");
    case NoticeKind::kYearNotPositive:
      return "Zero and negative years not accepted." + kCrLf + "Input the date as year-month-day.";
    case NoticeKind::kYearOutOfRange:
      return QStringLiteral("Year is out of permitted range");
    case NoticeKind::kNoSuchDate: {
      QString text = QStringLiteral("The input date is invalid.");
      if (!name.isEmpty()) {
        text += kCrLf + kCrLf + "In the " + name + " Calendar" + kCrLf +
                QString::number(notice.number) + " is not a leap year.";
      }
      return text;
    }
    case NoticeKind::kNegativeAmount:
      return QStringLiteral("Negative values not permitted in the arithmetical function.");
    case NoticeKind::kInvalidAmount:
      return QStringLiteral("Invalid input in the arithmetical function.");
    case NoticeKind::kInvalidDayNumber:
      return "Invalid Julian day number." + kCrLf +
             "Write it as 2,451,545.5 (a decimal point) or 2.451.545,5 (a decimal comma).";
    case NoticeKind::kDayNumberOutOfRange:
      return "Julian day number out of range." + kCrLf +
             "The input date's year must lie between -99,999 and 99,999.";
    case NoticeKind::kOnWeekdayInNeither:
      return "The input date is not a " + weekday() +
             " in either the Gregorian Calendar or the Julian.";
    case NoticeKind::kOnWeekdayInBoth:
      return "The input date is a " + weekday() +
             " in both the Gregorian and the Julian calendars.";
    case NoticeKind::kSequenceEnds:
      return QStringLiteral("The sequence ends at the last day that can be numbered.");
    case NoticeKind::kEquinoxYearOutOfRange:
      return QStringLiteral(
                 "Vernal equinoxes are calculated only for years in the range %1 through %2.")
          .arg(kFirstEquinoxYear)
          .arg(kLastEquinoxYear);
    case NoticeKind::kNotUtf8:
      return QStringLiteral("The line is not UTF-8 text.");
    case NoticeKind::kInvalidTime:
      return QStringLiteral(
                 "'%1' is not a time of day (UT): hours 0 to 23, minutes and seconds 0 to 59.")
          .arg(name);
    case NoticeKind::kUnknownField:
      return QStringLiteral("'%1' is not a field; the fields are %2.")
          .arg(name, QStringOf(notice.part));
    case NoticeKind::kDefinitionRefused:
      return QStringLiteral("%1 was refused: %2.\r\nNothing was written.")
          .arg(name, QStringOf(notice.part));
    case NoticeKind::kDefinitionFileError:
      return QStringLiteral("%1: %2").arg(name, QStringOf(notice.part));
    case NoticeKind::kShippedDefinition:
      return QStringLiteral(
                 "%1 is shipped with the program: it cannot be changed or deleted. Duplicate "
                 "makes a copy of your own.")
          .arg(name);
  }
  return {};
}

std::string_view NoticeKindName(NoticeKind kind) {
  switch (kind) {
    case NoticeKind::kUnknownTag:
      return "unknown_tag";
    case NoticeKind::kNoNotation:
      return "no_notation";
    case NoticeKind::kInconsistentTags:
      return "inconsistent_tags";
    case NoticeKind::kNoTag:
      return "no_tag";
    case NoticeKind::kEraTag:
      return "era_tag";
    case NoticeKind::kInvalidDate:
      return "invalid_date";
    case NoticeKind::kDateOutOfRange:
      return "out_of_range";
    case NoticeKind::kInvalidYear:
      return "invalid_year";
    case NoticeKind::kYearNotPositive:
      return "year_not_positive";
    case NoticeKind::kYearOutOfRange:
      return "year_out_of_range";
    case NoticeKind::kNoSuchDate:
      return "no_such_day";
    case NoticeKind::kBeyondCalendar:
      return "beyond_calendar";
    case NoticeKind::kNoSuchMonth:
      return "no_such_month";
    case NoticeKind::kNoLeapMonth:
      return "no_leap_month";
    case NoticeKind::kNoSuchWeek:
      return "no_such_week";
    case NoticeKind::kDayPastMonthEnd:
      return "day_past_month_end";
    case NoticeKind::kSkippedDays:
      return "skipped_days";
    case NoticeKind::kOtherDeeVersion:
      return "other_dee_version";
    case NoticeKind::kDualYearMismatch:
      return "dual_year_mismatch";
    case NoticeKind::kNoDayInLegalYear:
      return "no_day_in_legal_year";
    case NoticeKind::kSwitchedOver:
      return "skipped_days";
    case NoticeKind::kTwiceInLegalYear:
      return "twice_in_legal_year";
    case NoticeKind::kNoYearsAndMonths:
      return "no_years_and_months";
    case NoticeKind::kNegativeAmount:
      return "negative_amount";
    case NoticeKind::kInvalidAmount:
      return "invalid_amount";
    case NoticeKind::kInvalidDayNumber:
      return "invalid_day_number";
    case NoticeKind::kDayNumberOutOfRange:
      return "day_number_out_of_range";
    case NoticeKind::kOnWeekdayInNeither:
      return "not_on_weekday";
    case NoticeKind::kOnWeekdayInBoth:
      return "on_weekday_in_both";
    case NoticeKind::kSequenceEnds:
      return "sequence_ends";
    case NoticeKind::kEquinoxYearOutOfRange:
      return "equinox_year_out_of_range";
    case NoticeKind::kNotUtf8:
      return "not_utf8";
    case NoticeKind::kInvalidTime:
      return "invalid_time";
    case NoticeKind::kUnknownField:
      return "unknown_field";
    case NoticeKind::kDefinitionRefused:
      return "definition_refused";
    case NoticeKind::kDefinitionFileError:
      return "definition_file_error";
    case NoticeKind::kShippedDefinition:
      return "shipped_definition";
  }
  return {};
}

}  // namespace orv
