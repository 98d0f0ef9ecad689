#include "core/ReportRecords.h"

#include <QStringList>
#include <QVariant>
#include <algorithm>

#include "calendar/DatePr2.h"
#include "core/CalendarDay.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Astronomical year, month and day without grouping or tag: "-43-03-15".
QString PlainDate(const CalendarDate& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(date.year)
      .arg(date.month, 2, 10, QChar(u'0'))
      .arg(date.day, 2, 10, QChar(u'0'));
}

QString CsvField(const QString& text) {
  std::string field;
  AppendCsvField(field, text.toStdString());
  return QString::fromStdString(field);
}

QString CsvValue(const QJsonValue& value) {
  if (value.isBool()) return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  if (value.isDouble()) return QString::number(value.toDouble(), 'g', 17);
  return CsvField(value.toString());
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

Record RecordOf(const DateSequenceRow& row, const DeeVersion& dee) {
  return {{"jdn", row.jdn},
          {"gregorian", PlainDate(row.gregorian)},
          {"dee", PlainDate(row.dee)},
          {"weekday", QString::fromStdString(DayOfWeekName(static_cast<int16_t>(row.weekday)))},
          {"same", row.same},
          {"agreement_starts", row.agreement_starts},
          {"agreement_ends", row.agreement_ends},
          {"dee_version", QStringOf(dee.name)}};
}

Record RecordOf(const VernalEquinoxRow& row, const VernalEquinoxRun& run) {
  return {{"year", row.year},
          {"jd_ut", row.jd_ut},
          {"london_date", YearMonthDayText(row.london, "CE")},
          {"london_time", row.london_time},
          {"meridian_date", YearMonthDayText(row.meridian, run.dee.designation)},
          {"meridian_time", row.meridian_time},
          {"cycle_position", row.cycle_position},
          {"dee_leap", row.dee_leap},
          {"missed", row.missed},
          {"dee_version", QStringOf(run.dee.name)},
          {"meridian", run.longitude_label},
          {"time_kind", SolarTimeName(run.solar_time)}};
}

Record RecordOf(const ComparisonRow& row, const ComparisonRun& run) {
  Record record{{"year", qint64(row.year)}};
  const std::vector<const CalendarInfo*> calendars = ComparedIn(run);
  for (size_t i = 0; i < calendars.size(); ++i) {
    std::string date;
    if (row.dates[i]) AppendCalendarYearMonthDay(date, *row.dates[i], GroupSeparator());
    record.push_back({QStringOf(calendars[i]->json_key),
                      date.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(date))});
  }
  record.push_back({"meridian", run.longitude_label});
  record.push_back({"time_kind", SolarTimeName(run.solar_time)});
  return record;
}

void WriteValue(JsonWriter& json, const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Bool:
      json.Bool(value.toBool());
      break;
    case QJsonValue::Double:
      if (const QVariant number = value.toVariant(); number.typeId() == QMetaType::LongLong) {
        json.Integer(number.toLongLong());
      } else {
        json.Double(value.toDouble());
      }
      break;
    case QJsonValue::String:
      json.String(value.toString());
      break;
    default:  // null; a record holds no arrays or objects
      json.Null();
  }
}

void WriteRecord(JsonWriter& json, const Record& record) {
  std::vector<const Record::value_type*> sorted;
  for (const auto& field : record) sorted.push_back(&field);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto* a, const auto* b) { return a->first < b->first; });
  json.BeginObject();
  for (const auto* field : sorted) {
    const QByteArray key = field->first.toUtf8();
    json.Key(JsonKey(std::string_view(key.constData(), static_cast<size_t>(key.size()))));
    WriteValue(json, field->second);
  }
  json.EndObject();
}

QString CsvHeader(const Record& record) {
  QStringList names;
  for (const auto& field : record) names << CsvField(field.first);
  return names.join(u',');
}

QString CsvLine(const Record& record) {
  QStringList values;
  for (const auto& field : record) values << CsvValue(field.second);
  return values.join(u',');
}

QString CsvText(const std::vector<Record>& records) {
  if (records.empty()) return QString();
  QString text = CsvHeader(records.front()) + kCrLf;
  for (const Record& record : records) text += CsvLine(record) + kCrLf;
  return text;
}

}  // namespace orv
