#include "core/Notice.h"

#include "calendar/DatePr2.h"
#include "core/ReportBuilders.h"
#include "core/StrProc.h"

namespace orv {

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
      return QStringLiteral("Input date is out of permitted range.");
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
  }
  return {};
}

}  // namespace orv
