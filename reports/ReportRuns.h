// A report window's runs: the box a run appends to (its text of earlier
// runs, its length counted with CR LF line breaks, "CE" in it as the sign of
// an earlier run, the 64,512 characters it may hold), the count typed in the
// window, and the text one run appends, built from the core's rows
// (core/ReportBuilders.h). Widget-free; the windows show what these return.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "calendar/Dee.h"
#include "core/ReformComparison.h"
#include "core/ReportBuilders.h"
#include "ui_services/Message.h"

namespace orv {

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
  std::vector<Record> records;  // the rows written, as fields, for saving as CSV
};

// Reads the number of days or years typed (the text is trimmed in place).
// 0 with no message: nothing to do (empty or 0). Not a number: `invalid`;
// above `most`: too_many. Messages are titled `title`.
struct RunCount {
  int count = 0;
  UserMessage message;
};
inline const QString kInvalidDays = QStringLiteral("Invalid input for number of days.");
RunCount ReadRunCount(QString& text, const QString& too_many, int most = 800,
                      const QString& title = kReportTitle, const QString& invalid = kInvalidDays);

// Reads the first year typed for a comparison (trimmed in place): 1 to 4000;
// 0 after a message (titled `title`) when there is none.
struct FirstYear {
  int32_t year = 0;
  UserMessage message;
};
FirstYear ReadFirstYear(QString& text, const QString& title);

// A date sequence run into a box: at most 800 rows.
struct DateSequenceRun {
  ReportBox box;
  int32_t first_jdn = 0;
  int days = 0;  // 1 to 800
  DeeVersion dee = kDeeCecilVersion;
};
ReportOutput BuildDateSequence(const DateSequenceRun& run);

// A vernal equinox run (run.years rows, at most 800) into a box.
ReportOutput BuildVernalEquinoxTable(const VernalEquinoxRun& run, const ReportBox& box);

// A reform comparison run (up to 4000 years) into a box: the header (the
// run's years, meridian and time, the calendars' tags), a line a year, the
// summary lines and the sentence.
ReportOutput BuildReformComparison(const ComparisonRun& run, const ReformComparison& comparison,
                                   const ReportBox& box);

// The characters a comparison window's box holds: a run of all 4000 years.
inline constexpr int64_t kComparisonBoxCapacity = 300 * 1024;

// A box shows the table's header alone until it holds a run (a run's dates
// carry "CE"); a run into an empty box begins with it.
inline bool VernalEquinoxHeaderDue(const ReportBox& box) { return !box.contains_ce; }

}  // namespace orv
