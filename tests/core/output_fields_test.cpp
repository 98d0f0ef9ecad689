// What orvc writes for a chosen field: the figures of a day and of an
// instant against Python's datetime, the field list, and each field's text
// and JSON.
#include "core/OutputFields.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "core/DayFiles.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

const DeeVersion kDee = kDeeCecilVersion;

// "03:06:21.25" in microseconds.
int64_t Microseconds(const QString& time) {
  const QStringList parts = time.split(u':');
  const double seconds = parts[2].toDouble();
  return (parts[0].toLongLong() * 3600 + parts[1].toLongLong() * 60) * 1'000'000 +
         static_cast<int64_t>(seconds * 1'000'000 + 0.5);
}

TEST(OutputFields, DayAndInstantFiguresAgreeWithPythonsDatetime) {
  QFile file(QStringLiteral(CORE_VECTORS_DIR "/day_fields.tsv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  file.readLine();  // the header
  int rows = 0;
  while (!file.atEnd()) {
    const QStringList v = QString::fromUtf8(file.readLine()).trimmed().split(u'\t');
    ASSERT_EQ(v.size(), 8);
    const QStringList ymd = v[0].split(u'-');
    const int32_t jdn =
        DayNumberOf({ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt(), CalendarId::kGregorian}).jdn;
    ASSERT_EQ(jdn, v[2].toInt()) << v[0].toStdString();
    DayAndTime day{jdn, std::nullopt};
    if (!v[1].isEmpty()) day.microseconds = Microseconds(v[1]);
    EXPECT_EQ(ModifiedJulianDay(jdn), v[3].toLongLong()) << v[0].toStdString();
    EXPECT_EQ(DayOfYear(CalendarOf(CalendarId::kGregorian), jdn), v[4].toInt())
        << v[0].toStdString();
    EXPECT_EQ(UnixTimeText(day), v[5].toStdString())
        << v[0].toStdString() << " " << v[1].toStdString();
    EXPECT_EQ(IsoOrdinalDate(jdn), v[6].toStdString()) << v[0].toStdString();
    EXPECT_EQ(JulianDateText(day), v[7].toStdString())
        << v[0].toStdString() << " " << v[1].toStdString();
    ++rows;
  }
  EXPECT_GE(rows, 300);
}

TEST(OutputFields, BeyondTheYearsPythonKnows) {
  // 15 March 44 BC (Julian) is 13 March -43 Gregorian, day 72 of that year.
  EXPECT_EQ(IsoOrdinalDate(1705426), "-0043-072");
  EXPECT_EQ(IsoOrdinalDate(DayNumberOf({12345, 1, 1, CalendarId::kGregorian}).jdn), "+12345-001");
  EXPECT_EQ(IsoOrdinalDate(1721060), "0000-001");
  EXPECT_EQ(JulianDateText({0, std::nullopt}), "-0.5");
  EXPECT_EQ(JulianDateText({0, 6 * 3'600'000'000LL}), "-0.250000");
  EXPECT_EQ(JulianDateText({-1, 6 * 3'600'000'000LL}), "-1.250000");
  // Before 1970 the seconds count down to the instant: 0.25 s before midnight.
  EXPECT_EQ(UnixTimeText({2440587, kMicrosecondsADay - 250'000}), "-0.25");
  EXPECT_EQ(TimeOfDayText(11'181'500'000), "03:06:21.5");
  // The Hebrew year begins with its seventh month.
  const int32_t tishrei_1 = DayNumberOf({5784, 7, 1, CalendarId::kHebrew}).jdn;
  EXPECT_EQ(DayOfYear(CalendarOf(CalendarId::kHebrew), tishrei_1), 1);
  EXPECT_EQ(DayOfYear(CalendarOf(CalendarId::kHebrew), tishrei_1 - 1), 355);  // 5783: 355 days
  EXPECT_EQ(DayOfYear(CalendarOf(CalendarId::kIslamic), 1948439), std::nullopt);
}

TEST(OutputFields, TheFieldListInItsOrder) {
  const Result<std::vector<OutputField>> fields =
      ReadFieldList(u" Hebrew ,jdn,DEE,day-of-year", kDee);
  ASSERT_TRUE(fields);
  ASSERT_EQ(fields->size(), 4u);
  EXPECT_EQ((*fields)[0].calendar, &CalendarOf(CalendarId::kHebrew));
  EXPECT_EQ((*fields)[1].kind, FieldKind::kJdn);
  EXPECT_EQ((*fields)[2].calendar, &CalendarOf(CalendarId::kDeeCecil)) << "the version in force";
  EXPECT_EQ((*fields)[2].name, "dee");
  EXPECT_EQ((*fields)[3].json_key, "day_of_year");
  const Result<std::vector<OutputField>> unknown = ReadFieldList(u"jdn,moon", kDee);
  ASSERT_FALSE(unknown);
  EXPECT_EQ(NoticeText(unknown.refusal()),
            "'moon' is not a field; the fields are gregorian, julian, dee, revised-julian, "
            "iso-week, hebrew, islamic, persian, french-republican, england, jdn, mjd, jd, "
            "weekday, day-of-year, unix, iso-ordinal.");
  EXPECT_FALSE(ReadFieldList(u"", kDee));
  std::vector<std::string> names;
  for (const OutputField& field : DefaultFields(false, kDee)) names.push_back(field.name);
  EXPECT_EQ(names, (std::vector<std::string>{"gregorian", "julian", "dee", "jdn", "weekday"}));
}

TEST(OutputFields, EachFieldsTextAndJson) {
  FieldWriter writer(*ReadFieldList(u"islamic,day-of-year,weekday,jd,unix,dee", kDee), Era::kCE,
                     kDee, ',');
  const DayAndTime march_20{2460390, 11'181'000'000};  // 2024-03-20 03:06:21 UT
  std::vector<std::string> texts;
  for (size_t i = 0; i < writer.fields().size(); ++i) {
    std::string text;
    writer.AppendText(text, i, march_20);
    texts.push_back(text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"1445-09-10 AH", "246", "Wednesday", "2460389.629410",
                                             "1710903981", "2024-03-21 DC"}))
      << "day-of-year in the first calendar named, the Islamic";
  // Before the Islamic calendar's first day: no date, no day of its year.
  std::string before;
  writer.AppendText(before, 0, {1948439, std::nullopt});
  writer.AppendText(before, 1, {1948439, std::nullopt});
  EXPECT_EQ(before, "");
  // In JSON a calendar is its object of the JSON of every calendar; numbers are numbers.
  std::string every;
  {
    JsonWriter json(every);
    AppendDayJson(json, 2460390, Era::kCE, kDee, std::nullopt, ',');
  }
  std::string chosen;
  {
    JsonWriter json(chosen);
    json.BeginObject();
    for (size_t i : {size_t{0}, size_t{3}, size_t{5}}) {
      json.Key(JsonKey(writer.fields()[i].json_key));
      writer.AppendJson(json, i, march_20);
    }
    json.EndObject();
  }
  const size_t dee_at = every.find("\"dee\":");
  const std::string dee_object = every.substr(dee_at, every.find('}', dee_at) + 1 - dee_at);
  EXPECT_NE(chosen.find(dee_object), std::string::npos) << chosen;
  EXPECT_NE(chosen.find("\"jd\":2460389.629410,"), std::string::npos) << chosen;
  const size_t islamic_at = every.find("\"islamic\":");
  EXPECT_EQ(chosen.substr(1, every.find('}', islamic_at) + 1 - islamic_at),
            every.substr(islamic_at, every.find('}', islamic_at) + 1 - islamic_at));
}

}  // namespace
}  // namespace orv
