// The report windows opened from the real main window, offscreen.

#include <QImage>
#include <QPrinter>

#include "reports/frmDateDifference.h"
#include "reports/frmDateSequence.h"
#include "reports/frmVernalEquinoxes.h"
#include "tests/main_window/MainWindowHarness.h"
#include "ui_services/Clipboard.h"
#include "ui_services/SaveAndPrint.h"

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

 private slots:
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
    QVERIFY(first.startsWith("   Common Era date      Dee-Cecil date"));
    QVERIFY(first.contains(
        "   2016-02-29 CE        2016-03-01 DC  <--     2,457,448            Monday"));
    QVERIFY(first.endsWith("\r\nThree days (38%) have the same date in the two calendars.\r\n"));

    report->txbNumDays->setText(" 2 ");
    QTest::keyClick(report->txbNumDays, Qt::Key_Return);
    QCOMPARE(report->txbNumDays->text(), QString("2"));
    const QString both = report->OutputText();
    QCOMPARE(both.count("Common Era date"), 1);
    QVERIFY(both.contains("calendars.\r\n\r\n   2016-02-26 CE"));
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

    difference->txbToDate->setText("1582-02-30 JC");
    QTest::mouseClick(difference->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0].title, QString("Do it"));
    QTest::keyClick(difference, Qt::Key_Escape);
    QVERIFY(!difference->isVisible());
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
    report->txbNumDays->setText("1x");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{2});
    QCOMPARE(messages->requests[0].text, QString("Too many days"));
    QCOMPARE(messages->requests[0].title, QString("Do it"));
    QCOMPARE(messages->requests[1].text, QString("Invalid input for number of days."));
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
    const QString text = report->OutputText();
    QVERIFY(text.contains(
        "  2024     2,460,389.6295     2024-03-20 CE 03:06 m   2024-03-20 DC 21:58 m 11"));
    QVERIFY(text.endsWith(
        "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 0 of 2\r\n"));
    QCOMPARE(report->lngYear, 2026);

    QTest::mouseClick(report->cmdClear, Qt::LeftButton);
    QVERIFY(report->OutputText().startsWith("  Year      Astronomical"));
    QVERIFY(!report->OutputText().contains(" CE "));

    // The chart draws the run's years.
    QTest::mouseClick(report->cmdChart, Qt::LeftButton);
    frmEquinoxChart* chart = report->ChartWindow();
    QVERIFY(chart != nullptr && chart->isVisible());
    QCOMPARE(chart->london_series->count(), 2);
    QCOMPARE(chart->london_series->at(0).x(), 2024.0);
    QVERIFY(qAbs(chart->london_series->at(0).y() - (20 + (3 * 60 + 6) / 1440.0)) < 1e-6);
    QVERIFY(qAbs(chart->meridian_series->at(0).y() - (20 + (21 * 60 + 58) / 1440.0)) < 1e-6);
    QCOMPARE(chart->missed_series->count(), 0);
    QTemporaryDir folder;
    QVERIFY(chart->SaveChart(folder.filePath("chart.svg")));
    QFile svg(folder.filePath("chart.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    QVERIFY(chart->SaveChart(folder.filePath("chart.png")));
    QVERIFY(!QImage(folder.filePath("chart.png")).isNull());

    // A first year past the table: the message, and the box as it was.
    const QString before = report->OutputText();
    window->txbYearCEJC->setText("4001-01-01 CE");
    QTest::mouseClick(report->cmdDoIt, Qt::LeftButton);
    QCOMPARE(
        messages->requests.back().text,
        QString("Vernal equinoxes are calculated only for years in the range 1 through 4000."));
    QCOMPARE(report->OutputText(), before);
  }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
