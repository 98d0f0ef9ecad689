#include "calendar/DatePr2.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/almanor/almanor.h"

namespace orv {
namespace {

LocalDate SystemLocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::function<LocalDate()>& LocalDateSource() {
  static std::function<LocalDate()> source = SystemLocalDate;
  return source;
}

std::string TwoDigits(int64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
  return text;
}

}  // namespace

std::string DayOfWeekName(int16_t day_of_week, bool pad, bool german) {
  static constexpr std::string_view kEnglish[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};
  static constexpr std::string_view kGerman[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                  "Donnerstag", "Freitag", "Samstag"};
  std::string name;
  if (day_of_week >= 0 && day_of_week <= 6) {
    name = german ? kGerman[day_of_week] : kEnglish[day_of_week];
  }
  constexpr size_t kPaddedWidth = 9;  // "Wednesday"
  if (pad && name.size() < kPaddedWidth) name.resize(kPaddedWidth, ' ');
  return name;
}

std::string TimeOfDayText(double day_fraction, bool with_seconds) {
  if (!(day_fraction >= 0.0 && day_fraction < 1.0)) return "XX:XX:XX";
  // A fraction meant as a whole second is often a hair below it in binary;
  // the nudge keeps 11/86400 from printing as 00:00:10.
  if (day_fraction != 0.0 && day_fraction < 0.99999999) day_fraction += 1e-8;
  int64_t seconds_of_day = static_cast<int64_t>(std::floor(day_fraction * 86400.0));
  if (seconds_of_day >= 86400) seconds_of_day = 86399;
  const int64_t seconds = seconds_of_day % 60;
  const int64_t minutes = (seconds_of_day / 60) % 60;
  const int64_t hours = seconds_of_day / 3600;
  char text[32];
  if (with_seconds) {
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes), static_cast<long long>(seconds));
  } else {
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes));
  }
  return text;
}

std::string DayFractionTime(double day_number) {
  return TimeOfDayText(day_number - std::floor(day_number), false);
}

void RoundToMinute(double& day_number) {
  const double whole_days = std::floor(day_number);
  const double fraction = day_number - whole_days;
  if (fraction == 0.0) return;
  // nearbyint rounds half to even in the default rounding mode.
  const double seconds = std::nearbyint(fraction * 86400.0);
  double minutes = std::trunc(seconds / 60.0);
  if (std::fmod(seconds, 60.0) > 30.0) minutes += 1.0;  // exactly 30 s rounds down
  day_number = whole_days + minutes / 1440.0;
}

void SetLocalDateSource(std::function<LocalDate()> source) {
  LocalDateSource() = source ? std::move(source) : SystemLocalDate;
}

void TodayDate(DateRecord& date) {
  const LocalDate today = LocalDateSource()();
  almanor_date record = {today.year, today.month, today.day, kGregorianCode, date.jdn, 0};
  euro_date_to_jdn(&record);
  date = {record.year, record.month, record.day, record.calendar, record.jdn, record.valid};
}

int32_t TodayJDN() {
  DateRecord date{};
  TodayDate(date);
  return date.jdn;
}

std::string DateText(const DateRecord& date, int16_t order, std::string_view separator,
                     std::string_view thousands_separator, bool tag) {
  const bool astronomical = date.calendar == kAstronomicalCode;
  const std::string sep = astronomical ? "-" : std::string(separator);
  const std::string day = TwoDigits(date.day);
  const std::string month = TwoDigits(date.month);
  std::string year = std::to_string(date.year);
  if ((date.year > 9999 || date.year < -9999) && !astronomical) {
    year = SeparateThousands(year, thousands_separator);
  }
  const bool bracket_year = date.year < 0 && !astronomical;
  const std::string last_year = bracket_year ? "(" + year + ")" : year;

  std::string text;
  if (order == DateOrderYMD || (order != DateOrderDMY && astronomical)) {
    text = year + sep + month + sep + day;
  } else if (order == DateOrderDMY) {
    text = day + sep + month + sep + last_year;
  } else {
    text = month + sep + day + sep + last_year;
  }

  if (tag) {
    if (astronomical) {
      text += " AN";
    } else if (date.calendar == kJulianCode) {
      text += " JC";
    } else if (date.calendar == kGregorianCode) {
      text += " CE";
    }
  }
  return text;
}

std::string SeparateThousands(std::string_view number, std::string_view separator) {
  if (separator.empty()) return std::string(number);
  const std::string number_text(number);
  // The library writes at most 20 characters and a NUL; the caller's buffer
  // starts as 20 spaces.
  char buffer[ALMANOR_GROUPED_CAPACITY + 1];
  std::fill(buffer, buffer + ALMANOR_GROUPED_CAPACITY, ' ');
  buffer[ALMANOR_GROUPED_CAPACITY] = '\0';
  separate_thousands(number_text.c_str(), static_cast<unsigned char>(separator.front()), buffer);
  std::string result(buffer, ALMANOR_GROUPED_CAPACITY);
  CutAtNul(result);
  return result;
}

void CutAtNul(std::string& text) {
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
}

}  // namespace orv
