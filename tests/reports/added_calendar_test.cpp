// A calendar added to the table at run time, as calendars defined outside the
// program will be: with no other change it is read, written, converted,
// listed, shown in the calendars window, written in JSON and CSV and, being
// solar, compared. Its own program: the table it adds to is the process's.
//
// The calendar is the Coptic one (twelve months of 30 days, then five
// epagomenal days, six when the year mod 4 is 3; 1 Thout 1 = 29 August 284
// Julian), with its month names kept in the row's rules.
#include <QBuffer>
#include <QLineEdit>

#include "cli/Orvc.h"
#include "core/CalendarDay.h"
#include "core/DayFiles.h"
#include "core/ReformComparison.h"
#include "core/ReportRecords.h"
#include "reports/frmCalendars.h"
#include "tests/main_window/MainWindowHarness.h"

using namespace orv;

namespace {

constexpr int32_t kCopticEpoch = 1825030;  // 29 August 284 Julian

struct CopticRules {
  std::array<std::string_view, 14> month_names = {
      "",         "Thout",    "Paopi",   "Hathor", "Koiak", "Tobi",   "Meshir",
      "Paremhat", "Parmouti", "Pashons", "Paoni",  "Epip",  "Mesori", "Nesi"};
};

bool IsCopticLeap(const CalendarInfo& /*self*/, int32_t year) { return year % 4 == 3; }

int64_t DaysBeforeYear(int32_t year) {
  return 365 * (int64_t{year} - 1) + (year >= 0 ? year / 4 : (year - 3) / 4);
}

DayResult CopticDayNumber(const CalendarInfo& self, int32_t year, int32_t month, int32_t day) {
  const int32_t month_length = month < 13 ? 30 : 5 + (IsCopticLeap(self, year) ? 1 : 0);
  if (month < 1 || month > 13 || day < 1 || day > month_length) return {};
  const int64_t jdn = self.epoch + DaysBeforeYear(year) + 30 * (month - 1) + day - 1;
  if (jdn < INT32_MIN || jdn > INT32_MAX) return {DateStatus::kOutOfRange, 0};
  return {DateStatus::kValid, static_cast<int32_t>(jdn)};
}

YearMonthDay CopticDateOfDay(const CalendarInfo& self, int32_t jdn) {
  const int64_t days = int64_t{jdn} - self.epoch;  // from 1 Thout 1: never negative here
  const auto year = static_cast<int32_t>((4 * days + 1463) / 1461);
  const int64_t day_of_year = days - DaysBeforeYear(year);
  return {year, static_cast<int32_t>(day_of_year / 30 + 1),
          static_cast<int32_t>(day_of_year % 30 + 1)};
}

std::string_view CopticMonthName(const CalendarInfo& self, int32_t /*year*/, int32_t month) {
  const auto& names = static_cast<const CopticRules*>(self.rules)->month_names;
  return month >= 1 && month <= 13 ? names[static_cast<size_t>(month)] : std::string_view();
}

CalendarInfo CopticRow() {
  CalendarInfo row{};
  row.key = "coptic";
  row.json_key = "coptic";
  row.name = "Coptic";
  row.tag = "CP";
  row.mark = "CP";
  row.tag_implied = true;
  row.text_form = TextForm::kTag;
  row.month_name = CopticMonthName;
  row.is_leap_year = IsCopticLeap;
  row.leap_rule = "six epagomenal days when the year mod 4 is 3";
  row.first_day = kCopticEpoch;
  row.last_day = INT32_MAX;
  row.day_number = CopticDayNumber;
  row.date_of_day = CopticDateOfDay;
  row.compared = 1;  // solar: in the comparison, after the built-in ones
  row.epoch = kCopticEpoch;
  return row;
}

struct Run {
  int status;
  QString out;
};
Run Orvc(const QStringList& arguments) {
  QBuffer in;
  in.open(QIODevice::ReadOnly);
  QString out;
  QString err;
  QTextStream out_stream(&out);
  QTextStream err_stream(&err);
  const int status = RunOrvc(arguments, in, out_stream, err_stream);
  out_stream.flush();
  return {status, out};
}

}  // namespace

class AddedCalendarTest : public QObject, MainWindowHarness {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const AddedCalendar added = AddCalendar(CopticRow(), std::make_shared<const CopticRules>());
    QVERIFY2(added.calendar != nullptr, added.refusal.c_str());
    QCOMPARE(added.calendar->compared, 8);
    // A row that would be misread, or read in another's place, is refused
    // with the reason, and the table stays as it was.
    const size_t rows = Calendars().size();
    for (const auto& [key, tag, reason] :
         {std::tuple{"coptic", "CQ", "the key coptic is the Coptic calendar's"},
          std::tuple{"coptic-2", "CP", "the tag CP is the Coptic calendar's"},
          std::tuple{"coptic-2", "DN",
                     "the tag DN holds D, which marks a date of the Dee calendar"},
          std::tuple{"coptic-2", "Cp", "a tag is two or three capital letters"}}) {
      CalendarInfo again = CopticRow();
      again.key = key;
      again.json_key = "coptic_2";
      again.tag = tag;
      QCOMPARE(AddCalendar(again).refusal, std::string(reason));
    }
    QCOMPARE(Calendars().size(), rows);
  }
  void init() { Prepare(); }
  void cleanup() { Finish(); }

  void readWrittenAndConverted() {
    const DateReading reading = ReadDate(u"1741-01-01 CP", {nullptr, nullptr, kDeeVersion});
    QVERIFY(reading);
    QCOMPARE(*reading.day, 2460565);  // 11 September 2024
    const DayInCalendar day = DayIn(*CalendarByKey("coptic", kDeeVersion), 2460199, Era::kCE, ',');
    QCOMPARE(day.year_month_day, std::string("1739-13-06 CP"));  // the sixth epagomenal day
    QCOMPARE(day.month_name_text, std::string("Nesi 6, 1739 CP"));
    QVERIFY(WhyNoDay({1740, 13, 6, reading.date->calendar}).kind == NoticeKind::kDayPastMonthEnd);
  }

  void orvcListsReadsAndWritesIt() {
    const Run listed = Orvc({"calendars"});
    QVERIFY(listed.out.contains("coptic            Coptic\n    tag:    CP\n"));
    const Run all = Orvc({"convert", "--all", "--calendar", "coptic", "1741-01-01"});
    QCOMPARE(all.status, 0);
    QVERIFY(all.out.startsWith("Gregorian Calendar:          September 11, 2024 CE"));
    QVERIFY(all.out.contains(
        "\nCoptic Calendar:             Thout 1, 1741 CP                  1741-01-01 CP\n"));
    const Run json = Orvc({"convert", "--json", "2024-09-11 CE"});
    QVERIFY(json.out.contains(
        "\"coptic\":{\"day\":1,\"era_date\":\"Thout 1, 1741 CP\",\"month\":1,\"year\":1741,"
        "\"ymd_date\":\"1741-01-01 CP\"}"));
    const Run compared = Orvc({"compare", "--count", "1", "2024"});
    QVERIFY(compared.out.contains("RJ      D       DC      AP      EN      CP"));
  }

  void calendarsWindowAndItsFilesShowIt() {
    Start();
    ChooseYearMonthDay("2024-09-11 CE", kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QTest::mouseClick(window->cmdCalendars, Qt::LeftButton);
    frmCalendars* calendars = window->CalendarsWindow();
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCalYmd_coptic")->text(),
             QString("1741-01-01 CP"));
    const CalendarRows rows =
        CalendarRowsOf(2460565, Era::kCE, RowCalendars(kDeeCecilVersion), ',');
    QVERIFY(CsvText(DayRecords(2460565, rows))
                .contains("2460565,Wednesday,coptic,Coptic,\"Thout 1, 1741 CP\",1741-01-01 CP"));
  }

  void comparedAgainstTheEquinox() {
    ComparisonRun run;
    run.first_year = 2000;
    run.years = 4;
    const ReformComparison comparison = CompareReforms(run);
    QCOMPARE(comparison.calendars.back()->key, std::string_view("coptic"));
    const std::optional<CalendarDate>& date = comparison.rows[0].dates.back();
    QVERIFY(date.has_value());
    QCOMPARE(date->month, 7);  // Paremhat, in the Coptic year 1716
    QCOMPARE(date->year, 1716);
    QVERIFY(ComparisonSummaryLines(run, comparison).join('\n').contains("Coptic: "));
  }
};

QTEST_MAIN(AddedCalendarTest)
#include "added_calendar_test.moc"
