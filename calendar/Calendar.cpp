#include "calendar/Calendar.h"

#include "calendar/Calendars.h"

namespace orv::calendar_detail {

DateStatus OtherToJDN(DateRecord& date, const DeeVersion& dee) {
  if (const CalendarInfo* calendar = CalendarByCode(date.calendar)) {
    return calendar->to_jdn(date, dee);
  }
  date.valid = 0;  // a code no calendar has names no date
  return DateStatus::kNoSuchDate;
}

void OtherFromJDN(DateRecord& date, const DeeVersion& dee) {
  if (const CalendarInfo* calendar = CalendarByCode(date.calendar)) calendar->from_jdn(date, dee);
}

}  // namespace orv::calendar_detail
