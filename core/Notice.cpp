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
      return QStringLiteral("Invalid Julian day number.");
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
  }
  return {};
}

}  // namespace orv
