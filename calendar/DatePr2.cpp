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

}  // namespace

std::string DayOfWeekName(int16_t day_of_week) {
  static constexpr std::string_view kNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                 "Thursday", "Friday", "Saturday"};
  if (day_of_week < 0 || day_of_week > 6) return {};
  return std::string(kNames[day_of_week]);
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

}  // namespace orv
