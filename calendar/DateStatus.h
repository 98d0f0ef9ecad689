// Why a date did or did not get a day number.
#pragma once

namespace orv {

enum class DateStatus {
  kValid,
  kNoSuchDate,  // month or day outside the calendar (30 February, month 13, day 0)
  kOutOfRange,  // the date exists but its day number does not fit in 32 bits
};

}  // namespace orv
