// The text of the two reports, built from the inputs of one run.
//
// A run appends to a text box that keeps the text of earlier runs. The window
// tells the builder how long the box's text is (counting each line break as
// CR LF, two characters), whether it holds "CE" (a sign of an earlier run)
// and how much it may hold; the builder returns the text to append, the
// message to show afterwards and how many rows it wrote. Nothing here touches
// a window.
#pragma once

#include <QString>
#include <cstdint>

#include "calendar/Dee.h"
#include "core/Message.h"

namespace orv {

// The years the equinox table covers.
inline constexpr int32_t kFirstEquinoxYear = 1;
inline constexpr int32_t kLastEquinoxYear = 4000;
inline bool IsEquinoxYear(int64_t year) {
  return year >= kFirstEquinoxYear && year <= kLastEquinoxYear;
}

// The box as a run finds it.
struct ReportBox {
  int64_t length = 0;  // characters, line breaks counted as CR LF
  bool contains_ce = false;
  int64_t capacity = 63 * 1024;
};

struct ReportOutput {
  QString text;         // to append, lines ended by CR LF
  UserMessage message;  // to show once the text is appended
  int rows = 0;
};

// Reads the number of days or years typed (the text is trimmed in place).
// 0 with no message: nothing to do (empty or 0). Above 800: too_many.
struct RunCount {
  int count = 0;
  UserMessage message;
};
RunCount ReadRunCount(QString& text, const QString& too_many);

// Date sequence: days from first_jdn on, the Gregorian and the Dee date of
// each, its day number and weekday; days on which both dates begin or cease
// to agree are marked, and a sentence counts the days that agree.
struct DateSequenceRun {
  ReportBox box;
  int32_t first_jdn = 0;
  int days = 0;  // 1 to 800
  DeeVersion dee = kDeeCecilVersion;
};
ReportOutput BuildDateSequence(const DateSequenceRun& run);

// Vernal equinox table: for each year the March equinox as a Julian date
// (UT), the Gregorian date and time at London and the Dee date and time at
// the 'Washington' meridian, the year's place in the 33-year cycle, and a
// mark where the Dee equinox misses its expected day.
struct VernalEquinoxRun {
  ReportBox box;
  int32_t first_year = 1;
  int years = 0;                  // 1 to 800
  double longitude_degrees = 77;  // west of Greenwich
  QString longitude_label;        // "77d0m W"
  bool apparent_time = true;      // apparent solar time, else mean
  DeeVersion dee = kDeeCecilVersion;
};
ReportOutput BuildVernalEquinoxTable(const VernalEquinoxRun& run);

// The three header lines of the table. A box shows them alone until it holds
// a run (a run's dates carry "CE"); a run into an empty box begins with them.
QString VernalEquinoxHeader(const DeeVersion& dee);
inline bool VernalEquinoxHeaderDue(const ReportBox& box) { return !box.contains_ce; }

// The message shown for a year outside the table's years.
MessageRequest VernalEquinoxOutOfRangeMessage();

}  // namespace orv
