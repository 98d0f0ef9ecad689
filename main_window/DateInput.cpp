#include "main_window/DateInput.h"

#include <cmath>
#include <limits>

#include "calendar/Calendar.h"
#include "platform/NumberFormat.h"
#include "ui_services/StrProc.h"

namespace orv {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
// What a year-month-day date may hold besides its tag.
const QString kDateCharacters = QStringLiteral("0123456789-,.' ");
// The four digit-group separators a user may type and the program may write.
const QString kGroupSeparators = QStringLiteral(",.' ");

constexpr int32_t kLargestTypedYear = 99999;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

bool FitsIn32Bits(int64_t value) { return value >= kInt32Min && value <= kInt32Max; }

int32_t CodeOfFirstCharacter(const QString& name) {
  return name.isEmpty() ? 0 : static_cast<int32_t>(name.front().unicode());
}

// The whole-number value of a text that holds only digits and a sign; doubles
// keep any 15-digit figure exact and compare correctly beyond.
double WholeValue(const QString& text) { return std::round(LeadingNumber(text)); }

int32_t SaturatedToInt32(double value) {
  if (value <= static_cast<double>(kInt32Min)) return std::numeric_limits<int32_t>::min();
  if (value >= static_cast<double>(kInt32Max)) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

// The year text of the two notations: digit groups from 10,000 on (the
// magnitude), plain digits below.
QString YearText(int64_t year, bool grouped) {
  return grouped ? FormatGroupedInteger(year) : QString::number(year);
}

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

bool CheckYearMonthDay(MainInputs& in, MainState& state, UserMessage& message) {
  in.txbYearCEJC = TrimSpaces(in.txbYearCEJC).toUpper();
  QString& text = in.txbYearCEJC;
  const int calendar = in.cboCalendar[1];
  const auto contains = [&](const QString& tag) { return text.contains(tag); };

  const bool inconsistent = (calendar == kGregorian && (contains("JC") || contains("D"))) ||
                            (calendar == kJulian && (contains("CE") || contains("D"))) ||
                            (calendar == kDee && (contains("CE") || contains("JC")));
  if (inconsistent) {
    message = Message("Inconsistent calendar designations in year-month-day date.",
                      MessageStyle::kExclamation);
    return false;
  }

  QString tag = text;
  RemoveChars(tag, kDateCharacters);
  if (tag.isEmpty()) {
    if (calendar == kGregorian) {
      text += " CE";
    } else if (calendar == kJulian) {
      text += " JC";
    } else {
      message = Message("Please specify calendar for year-month-day date.", MessageStyle::kNone);
      return false;
    }
    tag = text;
    RemoveChars(tag, kDateCharacters);
  }
  if (tag != "CE" && tag != "JC" && tag != state.strDeeCalendarDesignation) {
    if (tag == "AD" || tag == "BC") {
      message = Message("The calendar designators 'AD' and 'BC'" + kCrLf +
                            "can only be used with month,day,year dates.",
                        MessageStyle::kInformation);
    } else {
      message = Message("Invalid input date", MessageStyle::kExclamation);
    }
    return false;
  }

  const bool negative = text.startsWith('-');
  QString rest = negative ? text.mid(1) : text;
  RemoveChars(rest, QStringLiteral("CDEJ,.' "));
  QStringList parts;
  if (SplitText(rest, "-", 1, parts, true, 0, 0) != 3) {
    message = Message("Invalid input date", MessageStyle::kExclamation);
    return false;
  }
  if (negative) parts[0].prepend('-');
  state.DateParts = parts;

  if (std::fabs(WholeValue(parts[0])) > kLargestTypedYear) {
    message = Message("Input date is out of permitted range.", MessageStyle::kExclamation);
    return false;
  }
  const double month = WholeValue(parts[1]);
  const double day = WholeValue(parts[2]);
  if (month < 1 || month > 12 || day < 1 || day > 31) {
    message = Message("Invalid input date", MessageStyle::kExclamation);
    return false;
  }
  return true;
}

bool CheckMonthDayYear(MainInputs& in, UserMessage& message) {
  in.txbYearADBCetc = TrimSpaces(in.txbYearADBCetc);
  QString& year = in.txbYearADBCetc;
  // The apostrophe is allowed besides comma, period and space: the program
  // itself writes it as the digit-group separator in some locales.
  if (year.startsWith('+') || !IsWholeNumber(year, true, ",.' ") ||
      CountOccurrences(year, "-", true) >= 2) {
    message = Message("Invalid year value", MessageStyle::kExclamation);
    return false;
  }
  RemoveLeading(year, "0");
  if (year.isEmpty()) year = "0";
  if (year.startsWith('-') || year == "0") {
    message = Message(
        "Zero and negative years not accepted." + kCrLf + "Input the date as year-month-day.",
        MessageStyle::kInformation);
    return false;
  }
  QString digits = year;
  RemoveChars(digits, QStringLiteral("-,.' "));
  if (WholeValue(digits) > kLargestTypedYear) {
    message = Message("Year is out of permitted range", MessageStyle::kExclamation);
    return false;
  }
  return true;
}

// Fills InputDate's year, month, day and calendar from the checked input.
bool ReadInputDate(MainInputs& in, MainState& state, int32_t calendar_code, UserMessage& message) {
  DateRecord& date = state.InputDate;
  if (state.intInputDateType == kYearMonthDay) {
    if (state.DateParts.size() != 3) return false;  // InputDateOK has not run
    const double year = WholeValue(state.DateParts[0]);
    if (std::fabs(year) > kLargestTypedYear) {
      message = Message("Input date is out of permitted range.", MessageStyle::kExclamation);
      return false;
    }
    date.year = static_cast<int32_t>(year);
    date.month = SaturatedToInt32(WholeValue(state.DateParts[1]));
    date.day = SaturatedToInt32(WholeValue(state.DateParts[2]));
  } else {
    date.month = in.cboMonthNames;
    date.day = in.cboDayNumbers;
    const double year = WholeValue(DigitsOnly(in.txbYearADBCetc, false, false));
    if (year > kLargestTypedYear) {
      message = Message("Year is out of permitted range", MessageStyle::kExclamation);
      return false;
    }
    const auto whole_year = static_cast<int32_t>(year);
    // Grouped from 9,999 on, so the box shows what the conversions read.
    in.txbYearADBCetc = YearText(whole_year, whole_year >= 9999);
    const int era = in.cboYearDesADBCetc;
    date.year = era == kEraBC || era == kEraBCE ? 1 - whole_year : whole_year;
  }
  date.calendar = calendar_code;
  return true;
}

}  // namespace

void CheckInputComplete(MainInputs& in, MainState& state) {
  state.InputComplete = false;
  state.intInputDateType = kNoCompleteInput;
  if (in.optInputDateWithoutAYN) {
    in.txbYearADBCetc = TrimSpaces(in.txbYearADBCetc);
    if (in.cboMonthNames > 0 && in.cboDayNumbers > 0 && in.cboYearDesADBCetc > 0 &&
        in.cboCalendar[0] > 0 && !in.txbYearADBCetc.isEmpty()) {
      state.InputComplete = true;
      state.intInputDateType = kMonthDayYear;
    }
  } else if (in.optInputDateWithAYN) {
    if (!in.txbYearCEJC.isEmpty() && in.cboCalendar[1] > 0) {
      state.InputComplete = true;
      state.intInputDateType = kYearMonthDay;
    }
  }
}

bool InputDateOK(MainInputs& in, MainState& state, UserMessage& message) {
  if (!in.optInputDateWithoutAYN && !in.optInputDateWithAYN) {
    message = Message("Please select type of input date", MessageStyle::kNone);
    return false;
  }
  if (state.intInputDateType == kYearMonthDay) return CheckYearMonthDay(in, state, message);
  if (state.intInputDateType == kMonthDayYear) return CheckMonthDayYear(in, message);
  return true;
}

bool GetJDN(MainInputs& in, MainState& state, const QString& calendar_name, bool show_message,
            UserMessage& message) {
  const bool has_input =
      state.intInputDateType == kMonthDayYear || state.intInputDateType == kYearMonthDay;
  if (has_input) {
    if (!ReadInputDate(in, state, CodeOfFirstCharacter(calendar_name), message)) return false;
    if (!ValidateInputDate(state, show_message, message)) return false;
    if (state.intInputDateType == kYearMonthDay) {
      ShowDateAsYMD(state.InputDate, in, state.strDeeCalendarDesignation);
    }
    if ((in.optPlus || in.optMinus) && !ReadArithValues(in, state, message)) return false;
  }

  bool any_value = false;
  for (QString& box : in.txbArith) {
    box = TrimSpaces(box);
    any_value = any_value || !box.isEmpty();
  }
  if (in.fraPlusMinusVisible && (in.optPlus || in.optMinus) && any_value) {
    // Read again: with no complete input the check above has not run.
    if (!ReadArithValues(in, state, message)) return false;
    DateRecord result = state.InputDate;
    if (!ApplyDateArithmetic(result, state.ArithValues, in.optPlus)) {
      message = Message("Invalid input in the arithmetical function.", MessageStyle::kInformation);
      return false;
    }
    state.InputDate = result;
  } else {
    DateToJDN(state.InputDate);
    if (state.InputDate.valid != 1) return false;
  }
  state.lngJDN = state.InputDate.jdn;
  return true;
}

bool ValidateInputDate(MainState& state, bool show_message, UserMessage& message) {
  DateRecord& date = state.InputDate;
  DateToJDN(date);
  if (date.valid == 1) return true;
  if (show_message) {
    QString text = QStringLiteral("The input date is invalid.");
    if (date.month == 2 && date.day == 29 && date.year >= 1) {
      const QString calendar = date.calendar == kJulianCode ? QStringLiteral("Julian")
                               : date.calendar == kDeeCode  ? state.strDeeCalendarName
                                                            : QStringLiteral("Gregorian");
      text += kCrLf + kCrLf + "In the " + calendar + " Calendar" + kCrLf +
              QString::number(date.year) + " is not a leap year.";
    }
    message = Message(text, MessageStyle::kInformation, kInvalidInputTitle);
  }
  return false;
}

int32_t GetInputCalendar(MainInputs& in) {
  if (in.optInputDateWithoutAYN) {
    if (in.cboCalendar[0] == kNoCalendar || in.cboCalendar[0] > kDee)
      in.cboCalendar[0] = kGregorian;
    in.cboCalendar[1] = in.cboCalendar[0];
  } else if (in.optInputDateWithAYN) {
    if (in.cboCalendar[1] == kNoCalendar) in.cboCalendar[1] = kGregorian;
    in.cboCalendar[0] = in.cboCalendar[1];
  }
  const int position = in.optInputDateWithAYN ? in.cboCalendar[1] : in.cboCalendar[0];
  if (position == kJulian) return kJulianCode;
  if (position == kDee) return kDeeCode;
  return kGregorianCode;
}

void ShowDateAsMDY(const DateRecord& date, MainInputs& in) {
  in.cboMonthNames = date.month;
  in.cboDayNumbers = date.day;
  int& era = in.cboYearDesADBCetc;
  if (date.year >= 1) {
    in.txbYearADBCetc = YearText(date.year, date.year > 9999);
    if (era == kNoEra || era == kEraBCE) era = EraIndex("CE");
    if (era == kEraBC) era = EraIndex("AD");
  } else {
    const int64_t era_year = 1 - int64_t{date.year};
    in.txbYearADBCetc = YearText(era_year, era_year > 10000);
    if (era == kNoEra || era == kEraCE) era = EraIndex("BCE");
    if (era == kEraAD) era = EraIndex("BC");
  }
}

void ShowDateAsYMD(const DateRecord& date, MainInputs& in, const QString& dee_designation) {
  const bool grouped = date.year < -9999 || date.year > 9999;
  QString tag;
  if (in.cboCalendar[1] == kGregorian) {
    tag = QStringLiteral(" CE");
  } else if (in.cboCalendar[1] == kJulian) {
    tag = QStringLiteral(" JC");
  } else {
    tag = " " + dee_designation;
  }
  in.txbYearCEJC =
      YearText(date.year, grouped) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day) + tag;
}

int32_t GetYear(const MainInputs& in, int16_t input_date_type) {
  const bool month_day_year = input_date_type == kMonthDayYear;
  const QString text = TrimSpaces(month_day_year ? in.txbYearADBCetc : in.txbYearCEJC);
  // The year is the leading run of digits and group separators, after an
  // optional sign; the hyphen before the month ends it.
  qsizetype end = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
  while (end < text.size() &&
         ((text[end] >= u'0' && text[end] <= u'9') || kGroupSeparators.contains(text[end])))
    ++end;
  QString year = text.left(end);
  RemoveChars(year, kGroupSeparators);
  const int32_t value = SaturatedToInt32(WholeValue(year));
  const int era = in.cboYearDesADBCetc;
  if (month_day_year && (era == kEraBC || era == kEraBCE)) {
    return SaturatedToInt32(1.0 - value);
  }
  return value;
}

int EraIndex(const QString& era) {
  for (int position = 0; position < static_cast<int>(kEraItems.size()); ++position) {
    if (kEraItems[position] == era) return position;
  }
  return -1;
}

UserMessage ArithBoxLeft(QString& text) {
  QString value = TrimSpaces(text);
  if (value.startsWith('-')) {
    return Message("Negative values not permitted in the arithmetical function.",
                   MessageStyle::kInformation, kInvalidInputTitle);
  }
  RemoveChars(value, QStringLiteral("0123456789,.' "));
  if (!value.isEmpty()) {
    text.clear();
    return Message("Invalid input in the arithmetical function.", MessageStyle::kInformation,
                   kInvalidInputTitle);
  }
  return std::nullopt;
}

bool ReadArithValues(const MainInputs& in, MainState& state, UserMessage& message) {
  for (size_t i = 0; i < in.txbArith.size(); ++i) {
    // Trimmed first: " -5" is as negative as "-5".
    const QString text = TrimSpaces(in.txbArith[i]);
    if (text.startsWith('-')) {
      message = Message("Negative values not permitted in the arithmetical function.",
                        MessageStyle::kInformation);
      return false;
    }
    const double value = WholeValue(DigitsOnly(text, false, false));
    if (value > static_cast<double>(kInt32Max)) {
      message = Message("Invalid input in the arithmetical function.", MessageStyle::kInformation);
      return false;
    }
    state.ArithValues[i] = static_cast<int32_t>(value);
  }
  return true;
}

bool ApplyYearsMonths(DateRecord& date, const std::array<int32_t, 4>& values, bool plus) {
  const int64_t sign = plus ? 1 : -1;
  int64_t year = date.year;
  int64_t month = date.month;
  const int64_t years = values[0];
  const int64_t months = values[1];
  if (years > 0) year += sign * years;
  if (months >= 1) {
    year += sign * (months / 12);
    month += sign * (months % 12);
    if (month > 12) {
      month -= 12;
      ++year;
    } else if (month < 1) {
      month += 12;
      --year;
    }
  }
  if (!FitsIn32Bits(year)) return false;
  date.year = static_cast<int32_t>(year);
  date.month = static_cast<int32_t>(month);
  return true;
}

bool ApplyDateArithmetic(DateRecord& date, const std::array<int32_t, 4>& values, bool plus) {
  if (!ApplyYearsMonths(date, values, plus)) return false;
  // Month-end rule: a day past the end of the new month becomes its last day.
  // Every month has at least 28 days, so this ends within three steps unless
  // the date cannot be numbered at all.
  for (;;) {
    const DateStatus status = DateToJDNWithStatus(date);
    if (status == DateStatus::kValid) break;
    if (status == DateStatus::kOutOfRange || date.day <= 1) return false;
    --date.day;
  }
  const int64_t sign = plus ? 1 : -1;
  const int64_t jdn = int64_t{date.jdn} + sign * (7 * int64_t{values[2]} + values[3]);
  if (!FitsIn32Bits(jdn)) return false;
  date.jdn = static_cast<int32_t>(jdn);
  return true;
}

}  // namespace orv
