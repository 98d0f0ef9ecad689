// The rows of the two reports as typed values, for scripts and spreadsheets:
// JSON (one object a row) and CSV (RFC 4180). The text of the reports stays
// as it is; these are the same rows as fields.
#pragma once

#include <QJsonValue>
#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/JsonWriter.h"
#include "core/ReformComparison.h"
#include "core/ReportBuilders.h"

namespace orv {

// Every row also says what it was computed for, so that rows of several runs
// stay apart in a spreadsheet.
// jdn, gregorian ("2016-02-26"), dee, weekday, same, agreement_starts,
// agreement_ends, dee_version ("Dee-Cecil").
Record RecordOf(const DateSequenceRow& row, const DeeVersion& dee);
// year, jd_ut, london_date ("2024-03-20 CE"), london_time, meridian_date
// ("2024-03-20 DC", as the table writes them), meridian_time, cycle_position,
// dee_leap, missed, dee_version, meridian ("77d0m W"), time_kind ("apparent"
// or "mean").
Record RecordOf(const VernalEquinoxRow& row, const VernalEquinoxRun& run);

// year, then each solar calendar's year-month-day date under its JSON key
// (julian, gregorian, ..., england; null where it has none), meridian and
// time_kind as in the equinox rows.
Record RecordOf(const ComparisonRow& row, const ComparisonRun& run);

// A field's value, and a record as one JSON object, its keys in order as a
// JSON object keeps them (sorted).
void WriteValue(JsonWriter& json, const QJsonValue& value);
void WriteRecord(JsonWriter& json, const Record& record);
// The header line and a row's line, without the line break (CSV ends lines
// with CR LF). Fields with a comma, quote or line break are quoted.
// Appends a CSV field (RFC 4180): as it is, or quoted with its quotes
// doubled when it holds a comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text);

QString CsvHeader(const Record& record);
QString CsvLine(const Record& record);
// A whole CSV text: the header, then a line a record, each ended by CR LF;
// empty without records.
QString CsvText(const std::vector<Record>& records);

}  // namespace orv
