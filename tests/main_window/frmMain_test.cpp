// End-to-end paths through the real main window, offscreen, with message
// boxes recorded instead of shown.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/frmMain.h"
#include "platform/Clipboard.h"
#include "ui_services/MessageBox.h"
#include "ui_services/frmPopUp.h"

using namespace orv;

class frmMainTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmMain> window;
  std::unique_ptr<MessageBoxRecorder> messages;

  void ChooseYearMonthDay(const QString& text, int calendar) {
    window->optInputDateWithAYN->click();
    window->cboCalendar[1]->setCurrentIndex(calendar);
    window->txbYearCEJC->clear();
    QTest::keyClicks(window->txbYearCEJC, text);
  }
  void ChooseMonthDayYear(int month, int day, const QString& year, int era, int calendar) {
    window->optInputDateWithoutAYN->click();
    window->cboMonthNames->setCurrentIndex(month);
    window->cboDayNumbers->setCurrentIndex(day);
    window->txbYearADBCetc->setText(year);
    window->cboYearDesADBCetc->setCurrentIndex(era);
    window->cboCalendar[0]->setCurrentIndex(calendar);
  }

 private slots:
  void initTestCase() {
    SetLocalDateSource([] { return LocalDate{2017, 3, 20}; });
  }

  void init() {
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
    messages = std::make_unique<MessageBoxRecorder>();
    window = std::make_unique<frmMain>();
    window->Form_Load();
  }

  void cleanup() {
    window.reset();
    messages.reset();
    SetDeeEpoch(kDeeCecilEpoch);
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
  }

  void startsWithTodayInBothNotationsAndNoResult() {
    QVERIFY(window->optInputDateWithoutAYN->isChecked());
    QCOMPARE(window->cboMonthNames->currentText(), QString("March"));
    QCOMPARE(window->cboDayNumbers->currentText(), QString("20"));
    QCOMPARE(window->txbYearADBCetc->text(), QString("2017"));
    QCOMPARE(window->cboYearDesADBCetc->currentText(), QString("CE"));
    QCOMPARE(window->cboCalendar[0]->currentText(), QString("Gregorian Calendar"));
    QCOMPARE(window->txbYearCEJC->text(), QString("2017-03-20 CE"));
    QVERIFY(window->txbOutputGC->isHidden());
    QVERIFY(window->cmdCalculate->isEnabled());
    QCOMPARE(window->lblDee->text(), QString("Dee-Cecil:"));
    QCOMPARE(DeeEpoch(), kDeeCecilEpoch);
    QCOMPARE(window->cmdQLsoftware->text(), QString("Vernal equinoxes"));
    QCOMPARE(window->cmdQuit->y(), window->cmdHelp->y());
  }

  void yearMonthDayDateCalculatesOnEnter() {
    ChooseYearMonthDay("2000-3-20", kGregorian);
    QTest::keyClick(window->txbYearCEJC, Qt::Key_Return);
    QCOMPARE(window->txbYearCEJC->text(), QString("2000-03-20 CE"));
    QCOMPARE(window->txbOutputGC->text(), QString("March 20, 2000 CE"));
    QCOMPARE(window->txbOutputJCwithAYN->text(), QString("2000-03-07 JC"));
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-03-20 DC"));
    QCOMPARE(window->txbJDN->text(), QString("2,451,624"));
    QCOMPARE(window->txbDayOfWeek->text(), QString("Monday"));
    QVERIFY(!window->txbOutputGC->isHidden());
    QVERIFY(messages->requests.empty());
  }

  void monthDayYearDateCalculatesOnClick() {
    ChooseMonthDayYear(3, 15, "44", kEraBC, kJulian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(window->txbOutputJC->text(), QString("March 15, 44 BC"));
    QCOMPARE(window->txbOutputJCwithAYN->text(), QString("-43-03-15 JC"));
    QCOMPARE(window->txbOutputGC->text(), QString("March 13, 44 BC"));
  }

  void refusedInputShowsItsMessageAndNoResult() {
    ChooseYearMonthDay("2000-13-01 CE", kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0],
             Message("Invalid input date", MessageStyle::kExclamation, "Calculate"));
    QVERIFY(window->txbOutputGC->isHidden());
  }

  void arithmeticAppliesTheMonthEndRule() {
    ChooseMonthDayYear(1, 31, "2000", kEraAD, kGregorian);
    window->optPlus->click();
    QTest::keyClicks(window->txbArith[1], "1");
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(window->txbOutputGC->text(), QString("February 29, 2000 AD"));
    window->txbArith[1]->setText("99999999999");
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(messages->requests.back().text,
             QString("Invalid input in the arithmetical function."));
    QVERIFY(window->txbOutputGC->isHidden());
  }

  void weekdayTestShowsTheCalendarItHolds() {
    ChooseMonthDayYear(1, 1, "2000", kEraAD, kFirstWeekdayPosition + 6);  // Saturday
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QVERIFY(messages->requests.empty());
    QCOMPARE(window->txbJDN->text(), QString("2,451,545"));
    QVERIFY(window->lblGregorian->font().bold());
    QVERIFY(!window->lblJulian->font().bold());

    window->cboCalendar[0]->setCurrentIndex(kFirstWeekdayPosition);  // Sunday
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(
        messages->requests[0].text,
        QString("The input date is not a Sunday in either the Gregorian Calendar or the Julian."));
    QVERIFY(window->txbOutputGC->isHidden());
    QVERIFY(!window->lblGregorian->font().bold());
  }

  void switchingTheDeeVersionRecalculates() {
    ChooseYearMonthDay("2000-01-01 CE", kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-01 DC"));
    window->optDee->click();
    QCOMPARE(DeeEpoch(), kDeeEpoch);
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-02 D"));
    QCOMPARE(window->txbOutputGCwithAYN->text(), QString("2000-01-01 CE"));
    QCOMPARE(window->lblDee->text(), QString("Dee:"));
    QCOMPARE(window->cboCalendar[1]->itemText(kDee), QString("Proleptic Dee"));
    QCOMPARE(window->strTagExplanation[2],
             QString("'D' = the proleptic Dee Calendar with astronomical year numbering"));
    window->optDeeCecil->click();
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-01 DC"));
  }

  void choosingACalendarRewritesTheTag() {
    ChooseYearMonthDay("2000-01-01 ce", kNoCalendar);
    window->cboCalendar[1]->setCurrentIndex(kJulian);
    emit window->cboCalendar[1]->activated(kJulian);
    QCOMPARE(window->txbYearCEJC->text(), QString("2000-01-01 JC"));
  }

  void clearButtonsAndToday() {
    ChooseMonthDayYear(1, 1, "2000", kEraBC, kJulian);
    window->optMinus->click();
    window->txbArith[3]->setText("5");
    QTest::mouseClick(window->cmdClear[1], Qt::LeftButton);
    QCOMPARE(window->txbArith[3]->text(), QString());
    QVERIFY(!window->optMinus->isChecked());
    QCOMPARE(window->txbYearADBCetc->text(), QString("2000"));

    QTest::mouseClick(window->cmdClear[0], Qt::LeftButton);
    QCOMPARE(window->txbYearADBCetc->text(), QString());
    QCOMPARE(window->cboCalendar[0]->currentIndex(), 0);
    QVERIFY(!window->cmdCalculate->isEnabled());

    QTest::mouseClick(window->cmdToday, Qt::LeftButton);
    QCOMPARE(window->txbYearCEJC->text(), QString("2017-03-20 CE"));
    QCOMPARE(window->cboYearDesADBCetc->currentText(), QString("CE"));
    QVERIFY(window->cmdCalculate->isEnabled());
  }

  void copiedResultReachesTheClipboard() {
    ChooseMonthDayYear(1, 1, "2000", kEraAD, kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    bool popped_up = false;
    // The confirmation is modal; click it away as soon as it shows.
    QTimer::singleShot(0, [&] {
      popped_up = PopUpWindow().isVisible();
      QCOMPARE(PopUpWindow().lblMessage->text(), QString("Result copied to clipboard"));
      QVERIFY(window->cmdCopyResult->isHidden());
      QTest::mouseClick(PopUpWindow().lblMessage, Qt::LeftButton);
    });
    QTest::mouseClick(window->cmdCopyResult, Qt::LeftButton);
    QVERIFY(popped_up);
    QVERIFY(!PopUpWindow().isVisible());
    QVERIFY(!window->cmdCopyResult->isHidden());
    QCOMPARE(
        ClipboardText(),
        QString("Gregorian Calendar: January 1, 2000 AD          2000-01-01 CE               \r\n"
                "Julian Calendar:    December 19, 1999 AD        1999-12-19 JC               \r\n"
                "Julian day number:  2,451,545\r\n"
                "Day of week:        Saturday\r\n\r\n"));
  }
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
