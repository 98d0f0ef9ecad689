#include "calendar/Calendar.h"

#include "calendar/Dee.h"
#include "platform/almanor/almanor.h"

namespace orv {
namespace {

almanor_date ToAlmanor(const DateRecord& date) {
  return {date.year, date.month, date.day, date.calendar, date.jdn, date.valid};
}

void FromAlmanor(const almanor_date& from, DateRecord& date) {
  date = {from.year, from.month, from.day, from.calendar, from.jdn, from.valid};
}

}  // namespace

DateStatus DateToJDNWithStatus(DateRecord& date) {
  if (date.calendar == kDeeCode) return DeeDateToJDNWithStatus(date);
  almanor_date record = ToAlmanor(date);
  const int32_t result = euro_date_to_jdn(&record);
  FromAlmanor(record, date);
  if (result == ALMANOR_OK) return DateStatus::kValid;
  return result == ALMANOR_OUT_OF_RANGE ? DateStatus::kOutOfRange : DateStatus::kNoSuchDate;
}

void DateToJDN(DateRecord& date) { DateToJDNWithStatus(date); }

void JDNToDate(DateRecord& date) {
  if (date.calendar == kDeeCode) {
    DeeJDNToDate(date);
    return;
  }
  almanor_date record = ToAlmanor(date);
  jdn_to_euro_date(&record);
  FromAlmanor(record, date);
}

int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

}  // namespace orv
