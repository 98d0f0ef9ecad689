#include "reports/ReportRuns.h"

#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {
namespace {

constexpr int kMostRows = 800;

// Appends a line and keeps the box's length up to date.
void AppendLine(ReportOutput& output, int64_t& length, const QString& line) {
  output.text += line + kCrLf;
  length += line.size() + 2;
}

}  // namespace

RunCount ReadRunCount(QString& text, const QString& too_many, int most, const QString& title,
                      const QString& invalid) {
  text = TrimSpaces(text);
  RunCount result;
  if (text.isEmpty()) return result;
  if (!IsWholeNumber(text, false, QString())) {
    result.message = Message(invalid, MessageStyle::kInformation, title);
    return result;
  }
  const double count = LeadingNumber(text);
  if (count > most) {
    result.message = Message(too_many, MessageStyle::kInformation, title);
    return result;
  }
  result.count = static_cast<int>(count);
  return result;
}

FirstYear ReadFirstYear(QString& text, const QString& title) {
  text = TrimSpaces(text);
  FirstYear result;
  if (!IsWholeNumber(text, false, QString())) {
    result.message =
        Message("Invalid input for the first year.", MessageStyle::kExclamation, title);
  } else if (const double year = LeadingNumber(text); !IsEquinoxYear(static_cast<int64_t>(year))) {
    result.message = MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange}, title);
  } else {
    result.year = static_cast<int32_t>(year);
  }
  return result;
}

ReportOutput BuildDateSequence(const DateSequenceRun& run) {
  ReportOutput output;
  int64_t length = run.box.length;
  if (run.box.contains_ce) {
    output.text += kCrLf;
    length += 2;
  }
  DateSequenceText text(run.dee);
  if (length == 0) {
    AppendLine(output, length, text.Header());
    AppendLine(output, length, QString());
  }

  DateSequenceRows rows(run.first_jdn, run.dee);
  while (rows.rows() < run.days) {
    if (length > run.box.capacity) {
      output.message = Message("Textbox is full.", MessageStyle::kExclamation, kReportTitle);
      return output;  // no summary
    }
    const std::optional<DateSequenceRow> row = rows.Next();
    if (!row) {
      output.message = MessageOf(Notice{NoticeKind::kSequenceEnds});
      break;
    }
    AppendLine(output, length, text.Line(*row));
    output.records.push_back(RecordOf(*row, run.dee));
    output.rows = static_cast<int>(rows.rows());
  }

  const QString summary = DateSequenceText::Summary(rows.same_days(), output.rows);
  if (!summary.isEmpty()) output.text += kCrLf + summary + kCrLf;
  return output;
}

ReportOutput BuildVernalEquinoxTable(const VernalEquinoxRun& run, const ReportBox& box) {
  ReportOutput output;
  if (!IsEquinoxYear(run.first_year)) {
    output.message = MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange});
    return output;  // nothing to add to the box
  }
  int64_t length = box.length;
  if (length == 0) {
    output.text = VernalEquinoxHeader(run);
    length = output.text.size();
  } else if (box.contains_ce) {
    output.text += kCrLf;
    length += 2;
  }

  VernalEquinoxRows rows(run);
  while (rows.rows() < run.years) {
    if (rows.Done()) {
      output.message = MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange});
      break;  // the summary still follows
    }
    if (length > box.capacity) {
      output.message = Message("Textbox is full.", MessageStyle::kExclamation, kReportTitle);
      return output;  // no summary
    }
    const VernalEquinoxRow row = *rows.Next();
    AppendLine(output, length, VernalEquinoxLine(row, run, rows.rows() - 1));
    output.records.push_back(RecordOf(row, run));
    output.rows = rows.rows();
  }

  // The count is out of the years listed: fewer than asked when the run
  // reached the last year of the table.
  if (run.years >= 2 && output.rows >= 1) {
    output.text += kCrLf + VernalEquinoxSummary(run, rows.missed(), output.rows) + kCrLf;
  }
  return output;
}

ReportOutput BuildReformComparison(const ComparisonRun& run, const ReformComparison& comparison,
                                   const ReportBox& box) {
  ReportOutput output;
  if (box.length > 0) output.text = kCrLf;
  output.text +=
      ComparisonTitle(run) + kCrLf + ComparisonHeader(comparison.calendars) + kCrLf + kCrLf;
  for (const ComparisonRow& row : comparison.rows) {
    output.text += ComparisonLine(row) + kCrLf;
    output.records.push_back(RecordOf(row, run));
  }
  output.rows = static_cast<int>(comparison.rows.size());
  output.text += kCrLf + ComparisonSummaryLines(run, comparison).join(kCrLf) + kCrLf;
  if (output.rows < run.years)
    output.message = MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange});
  return output;
}

}  // namespace orv
