// The report windows opened from the real main window, offscreen.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/frmMain.h"
#include "reports/frmDateSequence.h"
#include "reports/frmVernalEquinoxes.h"
#include "ui_services/Clipboard.h"
#include "ui_services/MessageBox.h"

using namespace orv;

// List positions of the calendars and the eras.
constexpr int kGregorian = 1, kJulian = 2, kDee = 3;
constexpr int kEraAD = 1, kEraBC = 2;

class ReportWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> config;
  std::unique_ptr<frmMain> main;
  std::unique_ptr<MessageBoxRecorder> messages;

  void TypeYearMonthDay(const QString& text) {
    main->optInputDateWithAYN->click();
    main->cboCalendar[1]->setCurrentIndex(kGregorian);
    main->txbYearCEJC->setText(text);
    main->Timer1_Timer();
  }
  frmDateSequence* OpenDateSequence() {
    QTest::mouseClick(main->cmdDateSequence, Qt::LeftButton);
    return main->DateSequenceWindow();
  }
  static int Count(const QString& text, const QString& part) { return text.count(part); }

 private slots:
  void initTestCase() {
    SetLocalDateSource([] { return LocalDate{2017, 3, 20}; });
  }

  void init() {
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
    config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    messages = std::make_unique<MessageBoxRecorder>();
    main = std::make_unique<frmMain>();
    QVERIFY(main->Form_Load());
    main->Timer1->stop();
    main->Timer1_Timer();
  }

  void cleanup() {
    main.reset();
    messages.reset();
    SetDeeEpoch(kDeeCecilEpoch);
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
  }

  void dateSequenceRunsAndRunsAgainBelowTheFirst() {
    TypeYearMonthDay("2016-02-26 CE");
    frmDateSequence* window = OpenDateSequence();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->txbNumDays->text(), QString("14"));
    window->txbNumDays->setText("8");
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    const QString first = window->OutputText();
    QVERIFY(first.startsWith("   Common Era date      Dee-Cecil date"));
    QVERIFY(first.contains(
        "   2016-02-29 CE        2016-03-01 DC  <--     2,457,448            Monday"));
    QVERIFY(first.endsWith("\r\nThree days (38%) have the same date in the two calendars.\r\n"));

    window->txbNumDays->setText(" 2 ");
    QTest::keyClick(window->txbNumDays, Qt::Key_Return);
    QCOMPARE(window->txbNumDays->text(), QString("2"));
    const QString both = window->OutputText();
    QCOMPARE(Count(both, "Common Era date"), 1);
    QVERIFY(both.contains("calendars.\r\n\r\n   2016-02-26 CE"));
    QVERIFY(messages->requests.empty());
  }

  void dateSequenceRefusesBadCounts() {
    frmDateSequence* window = OpenDateSequence();
    window->txbNumDays->setText("801");
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    window->txbNumDays->setText("1x");
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{2});
    QCOMPARE(messages->requests[0].text, QString("Too many days"));
    QCOMPARE(messages->requests[0].title, QString("Do it"));
    QCOMPARE(messages->requests[1].text, QString("Invalid input for number of days."));
    QVERIFY(window->OutputText().isEmpty());
  }

  void aFullBoxIsClearedOnlyWhenTheUserAgrees() {
    frmDateSequence* window = OpenDateSequence();
    const QString full = QString("2000-01-01 CE ").repeated(5000);
    window->txbOutput->setPlainText(full);
    messages->answers = {MessageAnswer::kNo};
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    QCOMPARE(messages->requests.back().text, QString("Textbox is full.  Clear it?"));
    QCOMPARE(messages->requests.back().buttons, MessageButtons::kYesNo);
    QCOMPARE(window->txbOutput->toPlainText(), full);

    messages->answers = {MessageAnswer::kYes};
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    QVERIFY(window->OutputText().startsWith("   Common Era date"));
    QCOMPARE(Count(window->OutputText(), "\r\n   20"), 14);
  }

  void selectedTextIsCopiedAndTheTextOutlivesClosing() {
    frmDateSequence* window = OpenDateSequence();
    window->txbNumDays->setText("3");
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    QTextCursor cursor = window->txbOutput->textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 18);
    window->txbOutput->setTextCursor(cursor);
    window->txbOutput_MouseUp(Qt::LeftButton);
    QCOMPARE(window->cmdCopyToClipboard->text(), QString("Copy selected text to clipboard"));
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), QString("   Common Era date"));
    QCOMPARE(window->cmdCopyToClipboard->text(), QString("Copy to clipboard"));

    window->txbOutput->moveCursor(QTextCursor::End);
    QTest::mouseClick(window->cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(ClipboardText(), window->OutputText());

    const QString kept = window->OutputText();
    QTest::keyClick(window, Qt::Key_Escape);  // Escape is Close
    QVERIFY(!window->isVisible());
    QCOMPARE(OpenDateSequence(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->OutputText(), kept);
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QVERIFY(window->OutputText().isEmpty());
  }

  void vernalEquinoxesOpenOnlyForYears1To4000() {
    TypeYearMonthDay("4001-01-01 CE");
    QTest::mouseClick(main->cmdQLsoftware, Qt::LeftButton);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0],
             (MessageRequest{
                 "Vernal equinoxes are calculated only for years in the range 1 through 4000.",
                 MessageStyle::kInformation, MessageButtons::kOk, "Out of range"}));
    QVERIFY(main->VernalEquinoxWindow() == nullptr || !main->VernalEquinoxWindow()->isVisible());
  }

  void vernalEquinoxTableRuns() {
    TypeYearMonthDay("2024-01-01 CE");
    QTest::mouseClick(main->cmdQLsoftware, Qt::LeftButton);
    frmVernalEquinoxes* window = main->VernalEquinoxWindow();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->lngYear, 2024);
    QCOMPARE(window->cboDegrees->currentText(), QString("77"));
    QCOMPARE(window->cboMinutes->currentText(), QString("0"));
    QVERIFY(window->optApparentST->isChecked());
    window->optMeanST->click();
    window->txbNumYears->setText("2");
    QTest::mouseClick(window->cmdDoIt, Qt::LeftButton);
    const QString text = window->OutputText();
    QVERIFY(text.startsWith(
        "  Year      Astronomical      Gregorian Calendar      Dee-Cecil Calendar"));
    QVERIFY(text.contains(
        "  2024     2,460,389.6295     2024-03-20 CE 03:06 m   2024-03-20 DC 21:58 m 11"));
    QVERIFY(text.endsWith(
        "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 0 of 2\r\n"));
    QCOMPARE(window->lngYear, 2026);

    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QVERIFY(window->OutputText().startsWith("  Year      Astronomical"));
    QVERIFY(!window->OutputText().contains(" CE "));
  }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
