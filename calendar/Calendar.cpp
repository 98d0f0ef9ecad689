#include "calendar/Calendar.h"

#include "calendar/Calendars.h"
#include "platform/almanor/almanor.h"

namespace orv {

DateStatus DateToJDNWithStatus(DateRecord& date, const DeeVersion& dee) {
  if (const CalendarInfo* calendar = CalendarByCode(date.calendar)) {
    return calendar->to_jdn(date, dee);
  }
  date.valid = 0;  // a code no calendar has names no date
  return DateStatus::kNoSuchDate;
}

void JDNToDate(DateRecord& date, const DeeVersion& dee) {
  if (const CalendarInfo* calendar = CalendarByCode(date.calendar)) calendar->from_jdn(date, dee);
}

DateStatus DateToJDNWithStatus(DateRecord& date) {
  return DateToJDNWithStatus(date, DeeVersionInForce());
}

void DateToJDN(DateRecord& date) { DateToJDNWithStatus(date); }

void JDNToDate(DateRecord& date) { JDNToDate(date, DeeVersionInForce()); }

int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

}  // namespace orv
