#include "main_window/DateOutput.h"

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/DateInput.h"
#include "platform/NumberFormat.h"

namespace orv {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

DateRecord DateOf(const QString& calendar, int32_t jdn) {
  DateRecord date{};
  date.jdn = jdn;
  date.calendar = calendar.isEmpty() ? 0 : static_cast<int32_t>(calendar.front().unicode());
  JDNToDate(date);
  return date;
}

QString Padded(const QString& text, int width) { return text.leftJustified(width, u' ', true); }

}  // namespace

QString EraDate(const QString& calendar, int32_t jdn, int& era_position) {
  const DateRecord date = DateOf(calendar, jdn);
  QString text =
      QString::fromLatin1(MonthNames[date.month].data()) + " " + QString::number(date.day) + ",";
  const int64_t era_year = date.year < 1 ? 1 - int64_t{date.year} : date.year;
  text += " " + (era_year > 9999 ? FormatGroupedInteger(era_year) : QString::number(era_year));
  if (era_position <= kNoEra) era_position = kEraCE;
  const bool christian_era = era_position == kEraAD || era_position == kEraBC;
  if (christian_era) return text + (date.year < 1 ? " BC" : " AD");
  return text + (date.year < 1 ? " BCE" : " CE");
}

QString AYNDate(const QString& calendar, int32_t jdn, const QString& dee_designation) {
  const DateRecord date = DateOf(calendar, jdn);
  const bool grouped = date.year > 9999 || date.year < -9999;
  const QString year = grouped ? FormatGroupedInteger(date.year) : QString::number(date.year);
  QString tag = QStringLiteral("CE");
  if (date.calendar == kJulianCode) tag = QStringLiteral("JC");
  if (date.calendar == kDeeCode) tag = dee_designation;
  return year + "-" + QStringLiteral("%1").arg(date.month, 2, 10, QLatin1Char('0')) + "-" +
         QStringLiteral("%1").arg(date.day, 2, 10, QLatin1Char('0')) + " " + tag;
}

ResultTexts ResultsFor(int32_t jdn, int& era_position, const QString& dee_designation) {
  ResultTexts results;
  results.txbOutputGC = EraDate("G", jdn, era_position);
  results.txbOutputJC = EraDate("J", jdn, era_position);
  results.txbOutputDEE = EraDate("D", jdn, era_position);
  results.txbOutputGCwithAYN = AYNDate("G", jdn, dee_designation);
  results.txbOutputJCwithAYN = AYNDate("J", jdn, dee_designation);
  results.txbOutputDEEwithAYN = AYNDate("D", jdn, dee_designation);
  results.txbJDN = FormatGroupedInteger(jdn);
  results.txbDayOfWeek = QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
  return results;
}

QString CopyResultText(const ResultTexts& results) {
  return Padded("Gregorian Calendar:", 20) + Padded(results.txbOutputGC, 28) +
         Padded(results.txbOutputGCwithAYN, 28) + kCrLf +  //
         Padded("Julian Calendar:", 20) + Padded(results.txbOutputJC, 28) +
         Padded(results.txbOutputJCwithAYN, 28) + kCrLf +  //
         Padded("Julian day number:", 20) + results.txbJDN + kCrLf + Padded("Day of week:", 20) +
         results.txbDayOfWeek + kCrLf + kCrLf;
}

QString ResultLines(const ResultTexts& results, const QString& dee_name) {
  const auto row = [](const QString& label, const QString& era_date, const QString& ymd_date) {
    return Padded(label, 20) + Padded(era_date, 28) + ymd_date + u'\n';
  };
  return row("Gregorian Calendar:", results.txbOutputGC, results.txbOutputGCwithAYN) +
         row("Julian Calendar:", results.txbOutputJC, results.txbOutputJCwithAYN) +
         row(dee_name + " Calendar:", results.txbOutputDEE, results.txbOutputDEEwithAYN) +
         Padded("Julian day number:", 20) + results.txbJDN + u'\n' + Padded("Day of week:", 20) +
         results.txbDayOfWeek + u'\n';
}

WeekdayOutcome WeekdayTest(MainInputs& in, MainState& state, int weekday) {
  WeekdayOutcome outcome;
  const QString day_name = QString::fromStdString(DayOfWeekName(static_cast<int16_t>(weekday)));
  // Invalid dates are not explained here: a date that does not exist in a
  // calendar simply does not fall on the weekday there. A refused arithmetic
  // value is reported once and ends the test.
  UserMessage refusal;
  const bool gregorian =
      GetJDN(in, state, "G", false, refusal) && DayOfWeek(state.lngJDN) == weekday;
  if (refusal) {
    outcome.message = refusal;
    return outcome;
  }
  const bool julian = GetJDN(in, state, "J", false, refusal) && DayOfWeek(state.lngJDN) == weekday;
  if (refusal) {
    outcome.message = refusal;
    return outcome;
  }

  if (!gregorian && !julian) {
    outcome.message = Message("The input date is not a " + day_name + " in either " +
                                  "the Gregorian Calendar or the Julian.",
                              MessageStyle::kInformation);
    return outcome;
  }
  if (gregorian && julian) {
    outcome.message = Message(
        "The input date is a " + day_name + " in both the Gregorian and " + "the Julian calendars.",
        MessageStyle::kInformation);
  }
  UserMessage ignored;
  outcome.show_result = GetJDN(in, state, julian ? "J" : "G", false, ignored);
  outcome.gregorian_bold = !julian;
  outcome.julian_bold = julian;
  return outcome;
}

Calculation CalculateInput(MainInputs& in, MainState& state) {
  Calculation calculation;
  UserMessage message;
  const bool ok = InputDateOK(in, state, message);
  if (message) calculation.messages.push_back(*message);
  if (!ok) return calculation;
  const int16_t type = state.intInputDateType;
  if (type != kMonthDayYear && type != kYearMonthDay) return calculation;

  const int position = in.cboCalendar[0];
  if ((position >= kGregorian && position <= kDee) || type == kYearMonthDay) {
    message.reset();
    calculation.show_result = GetJDN(in, state, InputCalendarName(in, state), true, message);
    if (message) calculation.messages.push_back(*message);
    return calculation;
  }

  const WeekdayOutcome outcome = WeekdayTest(in, state, position - kFirstWeekdayPosition);
  if (outcome.message) calculation.messages.push_back(*outcome.message);
  calculation.show_result = outcome.show_result;
  calculation.gregorian_bold = outcome.gregorian_bold;
  calculation.julian_bold = outcome.julian_bold;
  return calculation;
}

QString CalendarListItem(int instance, int position, const QString& dee_name) {
  if (instance == 1) {
    if (position == kGregorian) return QStringLiteral("Proleptic Gregorian");
    if (position == kJulian) return QStringLiteral("Proleptic Julian");
    if (position == kDee) return "Proleptic " + dee_name;
    return QString();
  }
  if (position == kGregorian) return QStringLiteral("Gregorian Calendar");
  if (position == kJulian) return QStringLiteral("Julian Calendar");
  if (position == kDee) return dee_name + " Calendar";
  if (position >= kFirstWeekdayPosition && position < kFirstWeekdayPosition + 7) {
    return QString::fromStdString(
        DayOfWeekName(static_cast<int16_t>(position - kFirstWeekdayPosition)));
  }
  return QString();
}

QString InputCalendarName(const MainInputs& in, const MainState& state) {
  const int16_t type = state.intInputDateType;
  if (type != kMonthDayYear && type != kYearMonthDay) return QString();
  const QString name = CalendarListItem(type, in.cboCalendar[type], state.strDeeCalendarName);
  return type == kYearMonthDay ? name.mid(10) : name;  // after "Proleptic "
}

std::array<QString, 3> TagExplanations(const QString& dee_name, const QString& dee_designation) {
  return {QStringLiteral("'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with ") +
              "astronomical year numbering",
          QStringLiteral("'JC' = the proleptic Julian Calendar with astronomical year numbering"),
          DeeTagExplanation({0, dee_name, dee_designation})};
}

QString TagsForCalendar(const QString& text, int position, const QString& dee_designation) {
  QString tags = text.toUpper();
  if (position == kGregorian) {
    tags.replace("JC", "CE").replace(dee_designation, "CE");
  } else if (position == kJulian) {
    tags.replace("CE", "JC").replace(dee_designation, "JC");
  } else if (position == kDee) {
    tags.replace("CE", dee_designation).replace("JC", dee_designation);
  }
  return tags;
}

DeeVersion DeeVersionOf(bool dee_cecil) {
  if (dee_cecil) return {kDeeCecilEpoch, QStringLiteral("Dee-Cecil"), QStringLiteral("DC")};
  return {kDeeEpoch, QStringLiteral("Dee"), QStringLiteral("D")};
}

void SwitchDeeTexts(QString& year_month_day_text, QString& tag_explanation, bool to_dee_cecil) {
  if (to_dee_cecil) {
    year_month_day_text.replace(" D", " DC");
    tag_explanation.replace("'D'", "'DC'").replace(" Dee", " Dee-Cecil");
  } else {
    year_month_day_text.replace(" DC", " D");
    tag_explanation.replace("'DC'", "'D'").replace(" Dee-Cecil", " Dee");
  }
}

QString DeeTagExplanation(const DeeVersion& version) {
  return QStringLiteral("'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering")
      .replace("DC", version.designation)
      .replace("Dee-Cecil", version.name);
}

}  // namespace orv
