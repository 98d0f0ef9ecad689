// The report windows opened from the real main window, offscreen.

#include <QAccessible>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QJsonDocument>
#include <QPrinter>
#include <QTextBlock>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtCharts/QXYSeries>

#include "core/RegionFile.h"
#include "reports/frmCalendars.h"
#include "reports/frmDateDifference.h"
#include "reports/frmDateSequence.h"
#include "reports/frmVernalEquinoxes.h"
#include "tests/main_window/MainWindowHarness.h"
#include "ui_services/Clipboard.h"
#include "ui_services/SaveAndPrint.h"
#include "ui_services/frmView.h"

using namespace orv;

class ReportWindowsTest : public QObject, MainWindowHarness {
  Q_OBJECT

  void TypeYearMonthDay(const QString& text) {
    window->optInputDateWithAYN->click();
    window->cboCalendar[1]->setCurrentIndex(kGregorian);
    window->txbYearCEJC->setText(text);
    window->Timer1_Timer();
  }
  frmDateSequence* OpenDateSequence() {
    QTest::mouseClick(window->cmdDateSequence, Qt::LeftButton);
    return window->DateSequenceWindow();
  }
  frmVernalEquinoxes* RunEquinoxes(const QString& date, int years) {
    TypeYearMonthDay(date);
    QTest::mouseClick(window->cmdQLsoftware, Qt::LeftButton);
    frmVernalEquinoxes* report = window->VernalEquinoxWindow();
    report->txbNumYears->setText(QString::number(years));
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    return report;
  }
  // What a screen reader says a control is, besides its value: the label
  // that names it as its buddy, its description, or its own name (not its
  // value, nor the title of the frame it sits in).
  static QString SpokenLabel(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    for (const auto& relation : face->relations(QAccessible::Label)) {
      if (qobject_cast<QLabel*>(relation.first->object()))
        return relation.first->text(QAccessible::Name);
    }
    if (!face->text(QAccessible::Description).isEmpty())
      return face->text(QAccessible::Description);
    const QString name = face->text(QAccessible::Name);
    const auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
    if (name == face->text(QAccessible::Value) || (frame != nullptr && name == frame->title())) {
      return {};
    }
    return name;
  }
  // The chart as drawn by the plugin (its top panel), and its series: 1 the
  // Gregorian dates at London, 2 the Dee dates, 3 those off their day.
  static QChart* Drawn(const frmEquinoxChart* chart, int panel = 0) {
    return chart->chvChart->findChildren<QChartView*>()[panel]->chart();
  }
  static QXYSeries* Series(const frmEquinoxChart* chart, int index) {
    return qobject_cast<QXYSeries*>(Drawn(chart)->series()[index]);
  }
  // The year ticks of the chart's axis.
  static QList<double> YearTicks(const frmEquinoxChart* chart) {
    const auto* axis = qobject_cast<QValueAxis*>(Drawn(chart)->axes(Qt::Horizontal)[0]);
    QList<double> ticks;
    if (axis->tickType() != QValueAxis::TicksDynamic) return ticks;
    for (double x = axis->tickAnchor(); x <= axis->max(); x += axis->tickInterval()) {
      if (x >= axis->min()) ticks << x;
    }
    return ticks;
  }

 private slots:
  // The regions join the table as the program's start adds them.
  void initTestCase() {
    for (const LoadedDefinition& region : LoadRegions(ShippedRegionsFile())) {
      QVERIFY2(region.calendar != nullptr, qPrintable(region.refusal));
    }
  }
  void init() {
    Prepare();
    Start();
  }
  void cleanup() { Finish(); }

  void dateSequenceRunsAndRunsAgainBelowTheFirst() {
    TypeYearMonthDay("2016-02-26 CE");
    frmDateSequence* report = OpenDateSequence();
    QVERIFY(report != nullptr && report->isVisible());
    QCOMPARE(report->txbNumDays->text(), QString("14"));
    report->txbNumDays->setText("8");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    const QString first = report->OutputText();
    QVERIFY(first.endsWith("\r\nThree days (38%) have the same date in the two calendars.\r\n"));

    report->txbNumDays->setText(" 2 ");
    QTest::keyClick(report->txbNumDays, Qt::Key_Return);
    QCOMPARE(report->txbNumDays->text(), QString("2"));
    const QString both = report->OutputText();
    QCOMPARE(both.count("Common Era date"), 1);
    QVERIFY(both.contains("calendars.\r\n\r\n   2016-02-26 CE"));
    // The release of an Enter pressed elsewhere (a dialog's) starts no run.
    QTest::keyRelease(report->txbNumDays, Qt::Key_Return);
    QCOMPARE(report->OutputText(), both);
    QVERIFY(messages->requests.empty());
  }

  void eachRunReadsTheTypedDateAfresh() {
    TypeYearMonthDay("2000-01-01 CE");
    frmDateSequence* report = OpenDateSequence();
    report->txbNumDays->setText("1");
    window->txbYearCEJC->clear();
    QTest::keyClicks(window->txbYearCEJC, "2016-2-26");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QVERIFY(report->OutputText().contains("   2016-02-26 CE        2016-02-26 DC"));
    QCOMPARE(window->txbYearCEJC->text(), QString("2016-02-26 CE"));

    const QString before = report->OutputText();
    window->txbYearCEJC->setText("2001-02-29 CE");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QVERIFY(messages->requests[0].text.startsWith("The input date is invalid."));
    QCOMPARE(report->OutputText(), before);
    QCOMPARE(window->txbYearCEJC->text(), QString("2001-02-29 CE"));

    // A weekday in place of a calendar names no day to run from (and no
    // calendar whose leap years to explain).
    window->optInputDateWithoutAYN->click();
    window->cboMonthNames->setCurrentIndex(2);
    window->cboDayNumbers->setCurrentIndex(29);
    window->txbYearADBCetc->setText("2000");
    window->cboYearDesADBCetc->setCurrentIndex(1);
    window->cboCalendar[0]->setCurrentIndex(kFirstWeekdayPosition);
    window->Timer1_Timer();
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{2});
    QCOMPARE(messages->requests[1].text, QString("The input date is invalid."));
    QCOMPARE(report->OutputText(), before);
  }

  void dateDifferenceStartsFromTheInputDay() {
    TypeYearMonthDay("1582-10-15 CE");
    QTest::mouseClick(window->cmdDateDifference, Qt::LeftButton);
    frmDateDifference* difference = window->DateDifferenceWindow();
    QVERIFY(difference != nullptr && difference->isVisible());
    QCOMPARE(difference->txbFromDate->text(), QString("1582-10-15 CE"));
    QTest::keyClicks(difference->txbToDate, "1582-10-4 jc");
    QTest::keyClick(difference->txbToDate, Qt::Key_Return);
    QCOMPARE(difference->txbToDate->text(), QString("1582-10-04 JC"));
    QCOMPARE(difference->txbDays->text(), QString("-1"));
    QCOMPARE(difference->txbYearsMonthsDays->text(), QString("0 years, 0 months, -1 day"));
    QTest::mouseClick(difference->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), difference->ResultText());
    QVERIFY(ClipboardText().startsWith("From:               1582-10-15 CE\r\n"));

    // A refusal clears the result: it belonged to other dates.
    difference->txbToDate->setText("1582-10-04 BC");
    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0].title, QString("Do it"));
    QVERIFY(messages->requests[0].text.startsWith("The calendar designators 'AD' and 'BC'"));
    QVERIFY(difference->txbDays->text().isEmpty() && difference->ResultText().isEmpty());
    // An untagged date is Gregorian; emptying a box clears the result.
    difference->txbToDate->setText("1582-10-16");
    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    QCOMPARE(difference->txbToDate->text(), QString("1582-10-16 CE"));
    QCOMPARE(difference->txbDays->text(), QString("1"));
    // Any calendar's tag and an ISO week date, read as orvc diff reads them.
    difference->txbToDate->setText("1582-w41-6");
    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    QCOMPARE(difference->txbToDate->text(), QString("1582-W41-6"));
    QCOMPARE(difference->txbDays->text(), QString("1"));
    difference->txbToDate->selectAll();
    QTest::keyClick(difference->txbToDate, Qt::Key_Delete);
    QVERIFY(difference->txbWeeks->text().isEmpty());
    QTest::keyClick(difference->txbToDate, Qt::Key_Return);
    QCOMPARE(messages->requests.size(), size_t{1});

    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    difference->txbToDate->setText("1582-10-16");
    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    QTest::keyClick(difference, Qt::Key_Escape);
    QVERIFY(!difference->isVisible());
    QTest::mouseClick(window->cmdDateDifference, Qt::LeftButton);
    QVERIFY2(difference->txbYearsMonthsDays->text().isEmpty(), "reopened without a result");
  }

  void calendarsWindowFollowsTheDayAndMovesTheMainWindow() {
    // Before anything is calculated it opens on today, beside the main window
    // (on the test's screen of 1920 x 1080, below it).
    QTest::mouseClick(window->cmdCalendars, Qt::LeftButton);
    frmCalendars* calendars = window->CalendarsWindow();
    QVERIFY(calendars != nullptr && calendars->isVisible());
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCalYmd_gregorian")->text(),
             QString("2017-03-20 CE"));
    QCOMPARE(calendars->frameGeometry().left(), window->frameGeometry().left());
    QVERIFY(!calendars->frameGeometry().intersects(
        window->fraOutput->geometry().translated(window->mapToGlobal(QPoint(0, 0)))));
    TypeYearMonthDay("2000-01-01 CE");
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    auto* hebrew = calendars->findChild<QLineEdit*>("txbCalYmd_hebrew");
    QCOMPARE(hebrew->text(), QString("5760-10-23 AM"));
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCal_hebrew")->text(),
             QString("Tevet 23, 5760 AM"));
    // A date typed into a row moves the main window, and every row follows.
    hebrew->setText("5785-07-01");
    QTest::keyClick(hebrew, Qt::Key_Return);
    QCOMPARE(window->txbYearCEJC->text(), QString("2024-10-03 CE"));
    QCOMPARE(window->txbJDN->text(), QString("2,460,587"));
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCalYmd_iso_week")->text(), QString("2024-W40-4"));
    QCOMPARE(hebrew->text(), QString("5785-07-01 AM"));
    QCOMPARE(calendars->lblEaster->text(),
             QString("Easter 2024: March 31 (Gregorian); April 22 Julian = May 5 Gregorian"));
    QCOMPARE(calendars->lblMjd->text(), QString("Modified Julian Day: 60,586"));
    QCOMPARE(calendars->lblUnixTime->text(), QString("Unix time: 1,727,913,600 (0 h UT)"));
    // A time after a row's date, or a Julian Date's fraction in the main
    // window's day-number box: the figures of the instant, until the day changes.
    auto* gregorian = calendars->findChild<QLineEdit*>("txbCalYmd_gregorian");
    gregorian->setText("2024-03-20 03:06:21");
    QTest::keyClick(gregorian, Qt::Key_Return);
    QCOMPARE(calendars->lblJulianDate->text(),
             QString("Julian Date: 2,460,389.629410 (03:06:21 UT)"));
    window->txbGoToJDN->setText("2460586.75");
    QTest::keyClick(window->txbGoToJDN, Qt::Key_Return);
    QCOMPARE(calendars->lblUnixTime->text(), QString("Unix time: 1,727,935,200 (06:00:00 UT)"));
    QCOMPARE(hebrew->text(), QString("5785-07-01 AM"));
    // A refused date, selected while its message is up, gives way to the
    // row's day again; a version switch relabels the Dee row.
    hebrew->setText("5785-13-01");
    QString asked;
    SetMessageBoxHandler([&](const MessageRequest& request) {
      asked = request.text + " [" + hebrew->selectedText() + "]";
      return MessageAnswer::kOk;
    });
    QTest::keyClick(hebrew, Qt::Key_Return);
    messages.reset();
    messages = std::make_unique<MessageBoxRecorder>();
    QCOMPARE(asked, QString("5785 AM is a common year: it has no Adar II. [5785-13-01]"));
    QCOMPARE(hebrew->text(), QString("5785-07-01 AM"));
    QVERIFY(!hebrew->hasSelectedText());
    QCOMPARE(window->txbJDN->text(), QString("2,460,587"));
    QTest::mouseClick(window->optDee, Qt::LeftButton);
    QCOMPARE(calendars->findChild<QLabel*>("lblCal_dee")->text(), QString("Dee:"));
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCalYmd_dee")->text(), QString("2024-10-05 D"));
    QTest::mouseClick(calendars->cmdCopy, Qt::LeftButton);
    QCOMPARE(ClipboardText(), calendars->CopyText());
    QVERIFY(ClipboardText().contains("Hebrew:"));
    QVERIFY(ClipboardText().contains("ISO ordinal date:           2024-277\r\n"));
    // Saved as the day's JSON, as orvc writes it, or as rows.
    QTemporaryDir folder;
    for (const char* name : {"day.json", "day.csv"}) {
      SetSaveFileChooser([&](const QString&) { return folder.filePath(name); });
      QTest::mouseClick(calendars->cmdSave, Qt::LeftButton);
    }
    SetSaveFileChooser(nullptr);
    QFile json(folder.filePath("day.json")), csv(folder.filePath("day.csv"));
    QVERIFY(json.open(QIODevice::ReadOnly) && csv.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(json.readAll())["dee"]["ymd_date"].toString(), "2024-10-05 D");
    QVERIFY(csv.readAll().contains("2460587,Thursday,hebrew,Hebrew,"));
    json.seek(0);
    QCOMPARE(QJsonDocument::fromJson(json.readAll())["unix"].toDouble(), 1727935200.0);
    QTest::keyClick(calendars, Qt::Key_Escape);
    QVERIFY(!calendars->isVisible());
  }

  void theRegionRowReadsADateAsItsSourceWroteIt() {
    QTest::mouseClick(window->cmdCalendars, Qt::LeftButton);
    frmCalendars* calendars = window->CalendarsWindow();
    QCOMPARE(calendars->cboRegion->currentText(), QString("England"));
    auto* england = calendars->findChild<QLineEdit*>("txbCalYmd_england");
    england->setText("February 10, 1749/50");
    QTest::keyClick(england, Qt::Key_Return);
    QCOMPARE(window->txbJDN->text(), QString("2,360,286"));
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCal_england")->text(),
             QString("February 10, 1749/50"));
    QCOMPARE(calendars->lblRegionDay->text(),
             QString("\"February 10, 1749/50\" in England: Saturday, February 10, 1749/50 "
                     "(Julian), February 21, 1750 CE in the Gregorian calendar."));
    // Another region takes the row, its controls named by its key; the day
    // and the window stay.
    const QPoint placed = calendars->pos();
    calendars->cboRegion->setCurrentText("Venice");
    QCOMPARE(calendars->pos(), placed);
    QVERIFY(calendars->findChild<QLineEdit*>("txbCalYmd_england") == nullptr);
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCal_venice")->text(),
             QString("21 February 1749/50 m.v."));
    QCOMPARE(calendars->lblRegionDay->text(),
             QString("Type a date into the region's row as Venice's records wrote it (\"21 "
                     "February 1749/50 m.v.\"), or as year-month-day with its year counted from 1 "
                     "January (1750-02-21 VE)."));
    auto* venice = calendars->findChild<QLineEdit*>("txbCalYmd_venice");
    venice->setText("1 February 1700/01 m.v.");
    QTest::keyClick(venice, Qt::Key_Return);
    QCOMPARE(window->txbYearCEJC->text(), QString("1701-02-01 CE"));
    QVERIFY(calendars->lblRegionDay->text().startsWith("\"1 February 1700/01 m.v.\" in Venice"));
    // Saved as JSON, the day carries the region shown.
    QTemporaryDir folder;
    SetSaveFileChooser([&](const QString&) { return folder.filePath("day.json"); });
    QTest::mouseClick(calendars->cmdSave, Qt::LeftButton);
    SetSaveFileChooser(nullptr);
    QFile json(folder.filePath("day.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(json.readAll())["venice"]["era_date"].toString(),
             QString("1 February 1700/01 m.v."));
  }

  void aReportIsSavedAsTextOrRowsAndPrinted() {
    TypeYearMonthDay("2016-02-26 CE");
    frmDateSequence* report = OpenDateSequence();
    report->txbNumDays->setText("3");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QTemporaryDir folder;
    QString chosen = folder.filePath("days.csv");
    SetSaveFileChooser([&](const QString&) { return chosen; });
    QTest::mouseClick(report->cmdSave, Qt::LeftButton);
    QFile csv(chosen);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // the header, three rows, the end
    QVERIFY(lines[0].startsWith("jdn,gregorian,dee,weekday,same,"));
    QVERIFY(lines[3].startsWith("2457447,2016-02-28,2016-02-28,Sunday,true,"));

    chosen = folder.filePath("days.txt");
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    QTest::keyClick(report, Qt::Key_S, Qt::ControlModifier);
    QFile text(chosen);
    QVERIFY(text.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(text.readAll()), report->txbOutput->toPlainText());
    SetSaveFileChooser(nullptr);

    const QString pdf = folder.filePath("days.pdf");
    SetPrinterChooser([&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    });
    QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
    SetPrinterChooser(nullptr);
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(5) == "%PDF-");
    QVERIFY(messages->requests.empty());
  }

  void dateSequenceRefusesBadCounts() {
    frmDateSequence* report = OpenDateSequence();
    report->txbNumDays->setText("801");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0].text, QString("Too many days"));
    QVERIFY(report->OutputText().isEmpty());
  }

  void aFullBoxIsClearedOnlyWhenTheUserAgrees() {
    frmDateSequence* report = OpenDateSequence();
    const QString full = QString("2000-01-01 CE ").repeated(5000);
    report->txbOutput->setPlainText(full);
    messages->answers = {MessageAnswer::kNo};
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.back().text, QString("Textbox is full.  Clear it?"));
    QCOMPARE(messages->requests.back().buttons, MessageButtons::kYesNo);
    QCOMPARE(report->txbOutput->toPlainText(), full);

    messages->answers = {MessageAnswer::kYes};
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QVERIFY(report->OutputText().startsWith("   Common Era date"));
    QCOMPARE(report->OutputText().count("\r\n   20"), 14);
  }

  void selectedTextIsCopiedAndTheTextOutlivesClosing() {
    frmDateSequence* report = OpenDateSequence();
    report->txbNumDays->setText("3");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QTextCursor cursor = report->txbOutput->textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 18);
    report->txbOutput->setTextCursor(cursor);
    report->txbOutput_MouseUp(Qt::LeftButton);
    QCOMPARE(report->cmdCopyToClipboard->text(), QString("Copy selected text to clipboard"));
    QTest::mouseClick(report->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), QString("   Common Era date"));
    QCOMPARE(report->cmdCopyToClipboard->text(), QString("Copy to clipboard"));

    report->txbOutput->moveCursor(QTextCursor::End);
    QTest::mouseClick(report->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), report->OutputText());

    const QString kept = report->OutputText();
    QTest::keyClick(report, Qt::Key_Escape);  // Escape is Close
    QVERIFY(!report->isVisible());
    QCOMPARE(OpenDateSequence(), report);
    QVERIFY(report->isVisible());
    QCOMPARE(report->OutputText(), kept);
    QTest::mouseClick(report->cmdClear, Qt::LeftButton);
    QVERIFY(report->OutputText().isEmpty());
  }

  void vernalEquinoxesOpenOnlyForYears1To4000() {
    TypeYearMonthDay("4001-01-01 CE");
    QTest::mouseClick(window->cmdQLsoftware, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0],
             (MessageRequest{
                 "Vernal equinoxes are calculated only for years in the range 1 through 4000.",
                 MessageStyle::kInformation, MessageButtons::kOk, "Out of range"}));
    QVERIFY(window->VernalEquinoxWindow() == nullptr ||
            !window->VernalEquinoxWindow()->isVisible());
  }

  void vernalEquinoxTableRuns() {
    TypeYearMonthDay("2024-01-01 CE");
    QTest::mouseClick(window->cmdQLsoftware, Qt::LeftButton);
    frmVernalEquinoxes* report = window->VernalEquinoxWindow();
    QVERIFY(report != nullptr && report->isVisible());
    QCOMPARE(report->lngYear, 2024);
    QCOMPARE(report->cboDegrees->currentText(), QString("77"));
    QCOMPARE(report->cboMinutes->currentText(), QString("0"));
    QVERIFY(report->optApparentST->isChecked());
    report->optMeanST->click();
    report->txbNumYears->setText("2");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QVERIFY2(report->OutputText().contains(" 03:06 m "), "mean time, as chosen");
    QCOMPARE(report->lngYear, 2026);

    // The chart draws the run's years.
    QTest::mouseClick(report->cmdChart, Qt::LeftButton);
    frmEquinoxChart* chart = report->ChartWindow();
    QVERIFY(chart != nullptr && chart->isVisible());
    QCOMPARE(Series(chart, 1)->count(), 2);
    QCOMPARE(Series(chart, 1)->at(0).x(), 2024.0);
    QVERIFY(qAbs(Series(chart, 1)->at(0).y() - (20 + (3 * 60 + 6) / 1440.0)) < 1e-6);
    QVERIFY(qAbs(Series(chart, 2)->at(0).y() - (20 + (21 * 60 + 58) / 1440.0)) < 1e-6);
    QCOMPARE(Series(chart, 3)->count(), 0);
    QTemporaryDir folder;
    QVERIFY(chart->SaveChart(folder.filePath("chart.svg")));
    QFile svg(folder.filePath("chart.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    QVERIFY(chart->SaveChart(folder.filePath("chart.png")));
    QVERIFY(!QImage(folder.filePath("chart.png")).isNull());

    QTest::mouseClick(report->cmdClear, Qt::LeftButton);
    QVERIFY(report->OutputText().startsWith("  Year      Astronomical"));
    QVERIFY(!report->OutputText().contains(" CE "));
    QVERIFY2(!report->cmdChart->isEnabled(), "nothing to draw until the next run");

    // A first year past the table: the message, and the box as it was.
    const QString before = report->OutputText();
    window->txbYearCEJC->setText("4001-01-01 CE");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(
        messages->requests.back().text,
        QString("Vernal equinoxes are calculated only for years in the range 1 through 4000."));
    QCOMPARE(report->OutputText(), before);
  }

  void theChartsYearTicksAreWholeYearsWithPoints() {
    QCOMPARE(YearAxisTicks(2000, 2011).step, 1);
    QCOMPARE(YearAxisTicks(2000, 2012).step, 2);
    QCOMPARE(YearAxisTicks(1, 800).step, 100);
    QCOMPARE(YearAxisTicks(1, 4000).step, 500);
    QCOMPARE(YearAxisTicks(2001, 2100).first, 2010);
    frmVernalEquinoxes* report = RunEquinoxes("2000-01-01 CE", 3);
    QTest::mouseClick(report->cmdChart, Qt::LeftButton);
    QCOMPARE(YearTicks(report->ChartWindow()), (QList<double>{2000, 2001, 2002}));
  }

  void theComparisonTakesTheEquinoxWindowsMeridianAndDraws() {
    frmVernalEquinoxes* equinoxes = RunEquinoxes("2024-01-01 CE", 2);
    equinoxes->cboDegrees->setCurrentText("70");
    QCOMPARE(equinoxes->lblWashingtonLongitude->text(), QString("'Washington' longitude:"));
    equinoxes->cboEastWest->setCurrentText("E");
    QCOMPARE(equinoxes->lblWashingtonLongitude->text(), QString("Longitude:"));
    equinoxes->optTrueST->setChecked(true);
    QTest::mouseClick(equinoxes->cmdCompare, Qt::LeftButton);
    frmReformComparison* comparison = equinoxes->ComparisonWindow();
    QVERIFY(comparison != nullptr && comparison->isVisible());
    QCOMPARE(comparison->txbCompareYears->text(), QString("800"));
    QCOMPARE(comparison->txbCompareFrom->text(), QString("2024"));
    comparison->txbCompareYears->setText("3");
    QTest::mouseClick(comparison->cmdDoIt, Qt::LeftButton);
    const QString text = comparison->txbOutput->toPlainText();
    QVERIFY(text.startsWith("March equinoxes 2024-2026 at 70d0m E, true solar time\n  Year  JC"));
    QCOMPARE(comparison->Records().size(), size_t{3});
    QTest::mouseClick(comparison->cmdChart, Qt::LeftButton);
    // Over three years the calendars on the same day share a line.
    QStringList names;
    for (const QAbstractSeries* series : Drawn(comparison->ChartWindow())->series()) {
      names << series->name();
    }
    QCOMPARE(names.join('|'), QString("|Julian, Gregorian, Revised Julian, England|Dee, "
                                      "Dee-Cecil|Persian"));

    // Its messages carry its title; a refused first year runs nothing.
    comparison->txbCompareFrom->setText("4001");
    QTest::mouseClick(comparison->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.back().title, QString("Compare calendars"));
    comparison->txbCompareYears->setText("x");
    QTest::mouseClick(comparison->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.back(),
             (MessageRequest{"Invalid input for number of years.", MessageStyle::kInformation,
                             MessageButtons::kOk, "Compare calendars"}));
    QCOMPARE(comparison->Records().size(), size_t{3});
  }

  void theComparisonsTextRowsAndChartHoldTheSameRuns() {
    TypeYearMonthDay("2024-01-01 CE");
    QTest::mouseClick(window->cmdQLsoftware, Qt::LeftButton);
    QTest::mouseClick(window->VernalEquinoxWindow()->cmdCompare, Qt::LeftButton);
    frmReformComparison* comparison = window->VernalEquinoxWindow()->ComparisonWindow();
    comparison->txbCompareFrom->setText("1");
    comparison->txbCompareYears->setText("4000");
    // 1-4000 in one run, then again; the third finds the box full and clears it.
    for (int run = 0; run < 3; ++run) QTest::mouseClick(comparison->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0],
             (MessageRequest{"Textbox is full.  Clear it?", MessageStyle::kExclamation,
                             MessageButtons::kYesNo, "Compare calendars"}));
    QCOMPARE(comparison->txbOutput->toPlainText().count("March equinoxes 1-4000"), 1);
    QCOMPARE(comparison->Records().size(), size_t{4000});
    QTest::mouseClick(comparison->cmdChart, Qt::LeftButton);
    frmEquinoxChart* chart = comparison->ChartWindow();
    QCOMPARE(Series(chart, 1)->count(), 4000);          // the Julian line, in the top panel
    QCOMPARE(Drawn(chart, 1)->series().size(), 1 + 4);  // the calendars that keep their date

    // The chart is saved under its own name and prints.
    QString suggested;
    SetSaveFileChooser([&suggested](const QString& name) {
      suggested = name;
      return QString();
    });
    QTest::mouseClick(chart->cmdSaveChart, Qt::LeftButton);
    SetSaveFileChooser(nullptr);
    QCOMPARE(suggested, QString("reform-comparison.png"));
    QTemporaryDir folder;
    SetPrinterChooser([&folder](QPrinter& printer) {
      printer.setOutputFileName(folder.filePath("printed.pdf"));
      return true;
    });
    QTest::mouseClick(chart->cmdPrintChart, Qt::LeftButton);
    QVERIFY(QFileInfo(folder.filePath("printed.pdf")).size() > 0);
    QFile::remove(folder.filePath("printed.pdf"));
    QTest::mouseClick(comparison->cmdPrint, Qt::LeftButton);
    SetPrinterChooser(nullptr);
    QVERIFY(QFileInfo(folder.filePath("printed.pdf")).size() > 0);
  }

  void helpAndQuitWorkFromEveryWindow() {
    frmVernalEquinoxes* report = RunEquinoxes("2024-01-01 CE", 2);
    QTest::mouseClick(report->cmdChart, Qt::LeftButton);
    window->show();
    // The help opens where it tells about the window F1 was pressed in.
    const std::pair<QWidget*, QString> asked[] = {
        {report, "7. THE VERNAL EQUINOX REPORT"},
        {report->ChartWindow(), "Chart, in the vernal equinox window"}};
    for (const auto& [other, section] : asked) {
      other->activateWindow();
      QTRY_COMPARE(QApplication::activeWindow(), other);
      QTest::keyClick(other, Qt::Key_F1);
      frmView* viewer = window->HelpViewer();
      QVERIFY(viewer != nullptr && viewer->isVisible());
      QVERIFY2(viewer->txbText1->cursorForPosition({0, 0}).block().text().startsWith(section),
               qPrintable(section));
      viewer->hide();
    }
    QVERIFY(QDir(config->path()).isEmpty());
    QTest::keyClick(report->ChartWindow(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY2(!QDir(config->path()).isEmpty(), "Quit saved the settings");
  }

  void everyFocusableControlOfEveryWindowIsNamed() {
    OpenDateSequence();
    QTest::mouseClick(RunEquinoxes("2024-01-01 CE", 2)->cmdChart, Qt::LeftButton);
    QTest::mouseClick(window->cmdDateDifference, Qt::LeftButton);
    QTest::mouseClick(window->cmdCalendars, Qt::LeftButton);
    QTest::mouseClick(window->VernalEquinoxWindow()->cmdCompare, Qt::LeftButton);
    window->cmdHelp_Click();
    frmVernalEquinoxes* equinoxes = window->VernalEquinoxWindow();
    const QList<QWidget*> windows = {window.get(),
                                     window->DateSequenceWindow(),
                                     equinoxes,
                                     equinoxes->ChartWindow(),
                                     window->DateDifferenceWindow(),
                                     window->CalendarsWindow(),
                                     equinoxes->ComparisonWindow(),
                                     window->HelpViewer()};
    for (QWidget* shown : windows) {
      QVERIFY(shown != nullptr);
      // The window's own controls: not another window's, nor a list's pop-up,
      // nor the drawing surface of a view that takes the focus itself.
      for (QWidget* control : shown->findChildren<QWidget*>()) {
        const auto* view = qobject_cast<QAbstractScrollArea*>(control->parentWidget());
        if (control->focusPolicy() == Qt::NoFocus || control->window() != shown ||
            (view != nullptr && view->viewport() == control)) {
          continue;
        }
        QVERIFY2(!SpokenLabel(control).isEmpty(),
                 qPrintable(shown->objectName() + ": " + control->objectName()));
      }
    }
    QCOMPARE(SpokenLabel(window->cboMonthNames), QString("Month"));
    QCOMPARE(SpokenLabel(equinoxes->cboMinutes), QString("Minutes"));
  }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
