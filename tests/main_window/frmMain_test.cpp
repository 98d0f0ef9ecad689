// End-to-end paths through the real main window, offscreen, with message
// boxes recorded instead of shown.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include "core/ProgramTexts.h"
#include "core/Registry3.h"
#include "tests/main_window/MainWindowHarness.h"
#include "ui_services/Clipboard.h"
#include "ui_services/ShellOpen.h"
#include "ui_services/frmPopUp.h"
#include "ui_services/frmView.h"

using namespace orv;

class frmMainTest : public QObject, MainWindowHarness {
  Q_OBJECT

  const QString key = QStringLiteral("Software\\Orvantis Project\\ORVC");

  void Save(const QString& name, const QString& value) {
    QVERIFY(SetRegistryValue(kHKeyCurrentUser, key, name, value).startsWith("0 "));
  }
  QString Saved(const QString& name) {
    const RegistryRead read = GetRegistryValue(kHKeyCurrentUser, key, name);
    return read.status == "0 OK" ? read.value : QStringLiteral("(none)");
  }

 private slots:
  void init() {
    Prepare();
    // Most tests start at once; the start-up tests prepare settings first.
    if (!QByteArray(QTest::currentTestFunction()).startsWith("startup")) Start();
  }
  void cleanup() { Finish(); }

  void startupFirstTimeShowsTodayInBothNotationsAndNoResult() {
    Start();
    QCOMPARE(window->windowTitle(), QString("Orvantis 1.06"));
    QCOMPARE(window->cmdCopyResult->text(), QString("Copy result to clipboard"));
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
    QCOMPARE(window->cmdQLsoftware->text(), QString("Vernal equinoxes"));
    QCOMPARE(window->cmdQuit->y(), window->cmdHelp->y());
  }

  void yearMonthDayDateCalculatesOnEnterAtOnce() {
    // Typed and entered before the half-second upkeep comes round.
    QTest::mouseClick(window->optInputDateWithAYN, Qt::LeftButton);
    window->txbYearCEJC->clear();
    QTest::keyClicks(window->txbYearCEJC, "2000-3-20 ce");
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

  void monthDayYearDateKeepsTheYearAsTypedAndCalculatesOnEnter() {
    ChooseMonthDayYear(3, 15, "", kEraBC, kJulian);
    QTest::keyClicks(window->txbYearADBCetc, "1 000");
    QCOMPARE(window->txbYearADBCetc->text(), QString("1 000"));
    QTest::keyClick(window->txbYearADBCetc, Qt::Key_Return);
    QCOMPARE(window->txbOutputJC->text(), QString("March 15, 1000 BC"));
    QCOMPARE(window->txbOutputJCwithAYN->text(), QString("-999-03-15 JC"));
    QCOMPARE(window->txbOutputGC->text(), QString("March 6, 1000 BC"));
  }

  void aDayNumberGoesIntoTheInputAndIsCalculated() {
    ChooseYearMonthDay("1999-01-01 JC", kJulian);
    QTest::keyClicks(window->txbGoToJDN, "2,451,545");
    QTest::keyClick(window->txbGoToJDN, Qt::Key_Return);
    QCOMPARE(window->txbYearCEJC->text(), QString("1999-12-19 JC"));
    QCOMPARE(window->txbOutputGC->text(), QString("January 1, 2000 CE"));

    window->txbGoToJDN->setText("99,999,999");
    QTest::keyClick(window->txbGoToJDN, Qt::Key_Return);
    QCOMPARE(messages->requests.size(), size_t{1});
    QVERIFY(messages->requests[0].text.startsWith("Julian day number out of range."));
    QCOMPARE(window->txbYearCEJC->text(), QString("1999-12-19 JC"));
  }

  void theUpkeepKeepsTheSelectionAndCaret() {
    ChooseYearMonthDay("2000-01-31 ce", kGregorian);
    window->txbYearCEJC->setText("2000-01-31 ce");
    window->txbYearCEJC->setCursorPosition(4);
    window->Timer1_Timer();
    QCOMPARE(window->txbYearCEJC->text(), QString("2000-01-31 CE"));
    QCOMPARE(window->txbYearCEJC->cursorPosition(), 4);
    window->txbYearCEJC->setText("2000-01-31 ce");
    window->txbYearCEJC->selectAll();
    window->Timer1_Timer();
    QTest::keyClicks(window->txbYearCEJC, "1999-12-31 CE");  // over the selection
    QCOMPARE(window->txbYearCEJC->text(), QString("1999-12-31 CE"));
  }

  void refusedInputShowsItsMessageAndNoResult() {
    ChooseYearMonthDay("2000-13-01 CE", kGregorian);
    // Enter acts on its press: the release left by a message box closed
    // with Enter does nothing.
    QTest::keyRelease(window->txbYearCEJC, Qt::Key_Return);
    QVERIFY(messages->requests.empty());
    QTest::keyPress(window->txbYearCEJC, Qt::Key_Return);
    QTest::keyRelease(window->txbYearCEJC, Qt::Key_Return);
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0],
             Message("Invalid input date", MessageStyle::kExclamation, "Calculate"));
    QVERIFY(window->txbOutputGC->isHidden());
  }

  void weekdayTestShowsTheCalendarItHolds() {
    ChooseMonthDayYear(1, 1, "2000", kEraAD, kFirstWeekdayPosition + 6);  // Saturday
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QVERIFY(messages->requests.empty());
    QCOMPARE(window->txbJDN->text(), QString("2,451,545"));
    QVERIFY(window->lblGregorian->font().bold());
    QVERIFY(!window->lblJulian->font().bold());
  }

  void switchingTheDeeVersionRecalculates() {
    ChooseYearMonthDay("2000-01-01 CE", kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-01 DC"));
    window->optDee->click();
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-02 D"));
    QCOMPARE(window->txbOutputGCwithAYN->text(), QString("2000-01-01 CE"));
    QCOMPARE(window->lblDee->text(), QString("Dee:"));
    QCOMPARE(window->txbOutputDEE->accessibleName(), QString("Dee:"));
    QCOMPARE(window->cboCalendar[1]->itemText(kDee), QString("Proleptic Dee"));
    QCOMPARE(window->strTagExplanation[2],
             QString("'D' = the proleptic Dee Calendar with astronomical year numbering"));
    window->optDeeCecil->click();
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-01 DC"));
    QCOMPARE(window->txbOutputDEE->accessibleName(), QString("Dee-Cecil:"));
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
    window->Timer1_Timer();
    QVERIFY(!window->cmdCalculate->isEnabled());

    QTest::mouseClick(window->cmdToday, Qt::LeftButton);
    window->Timer1_Timer();
    QCOMPARE(window->txbYearCEJC->text(), QString("2017-03-20 CE"));
    QCOMPARE(window->cboYearDesADBCetc->currentText(), QString("CE"));
    QVERIFY(window->cmdCalculate->isEnabled());
  }

  void copiedResultReachesTheClipboard() {
    ChooseMonthDayYear(1, 1, "2000", kEraAD, kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    window->Timer1_Timer();  // the copy button opens once a result is shown
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
    QVERIFY(ClipboardText().startsWith("Gregorian Calendar: January 1, 2000 AD "));
  }
  void startupRestoresYearMonthDayGregorianWithDee() {
    Save("JDN", "2451545");
    Save("CalNdx", "-1");
    Save("Dee", "D");
    Start();
    QVERIFY(window->optInputDateWithAYN->isChecked());
    QVERIFY(window->optDee->isChecked());
    QCOMPARE(window->cboCalendar[1]->currentText(), QString("Proleptic Gregorian"));
    QCOMPARE(window->txbYearCEJC->text(), QString("2000-01-01 CE"));
    QCOMPARE(window->txbOutputGCwithAYN->text(), QString("2000-01-01 CE"));
    QCOMPARE(window->txbOutputDEEwithAYN->text(), QString("2000-01-02 D"));
  }

  void startupWithoutItsTextFileEndsWithAStopMessage() {
    const QString data = QCoreApplication::applicationDirPath() + "/orvc.dat";
    QVERIFY(QFile::rename(data, data + ".away"));
    window = std::make_unique<frmMain>();
    const bool started = window->Form_Load();
    QVERIFY(QFile::rename(data + ".away", data));
    QVERIFY(!started);
    QVERIFY(!window->isVisible());
    QCOMPARE(messages->requests.size(), size_t{1});
    QCOMPARE(messages->requests[0], Message("Cannot open file containing program text.\r\n" + data,
                                            MessageStyle::kStop, QString()));
    QVERIFY(QDir(config->path()).isEmpty());  // no settings written
  }

  void quitSavesTheNotationAndCalendar() {
    ChooseYearMonthDay("2000-01-01 DC", kDee);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);  // Quit's shortcut
    QCOMPARE(Saved("JDN"), QString("2451545"));
    QCOMPARE(Saved("CalNdx"), QString("-3"));
    QCOMPARE(Saved("Dee"), QString("DC"));
  }

  void quitWithAnUnwritableSettingsFolderStillEnds() {
    // The configuration folder is a file: nothing can be written below it.
    QFile blocker(config->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
    window->cmdQuit_Click();
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
  }
  void helpShowsTheGuideReadOnce() {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    frmView* viewer = window->HelpViewer();
    QVERIFY(viewer != nullptr && viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QString("Orvantis Help"));
    QVERIFY(viewer->txbText1->toPlainText().startsWith("ORVANTIS - A DATE CALCULATOR"));
    QVERIFY(viewer->cmdCopyToClipboard->isHidden());
    QCOMPARE(viewer->txbText1->font().pointSize(), 10);
    QVERIFY(messages->requests.empty());

    viewer->showMaximized();
    const QRect maximised = viewer->geometry();
    QTest::mouseClick(window->cmdHelp, Qt::LeftButton);
    QCOMPARE(viewer->geometry(), maximised);
  }

  void linksOpenTheirAddresses() {
    QStringList opened;
    SetBrowserOpener([&](const QString& address) {
      opened << address;
      return 31;
    });
    QTest::mouseClick(window->lblOnlineUserManual, Qt::LeftButton);
    QTest::mouseClick(window->lblQuillon, Qt::LeftButton);
    SetBrowserOpener(nullptr);
    QCOMPARE(opened,
             (QStringList{"http://www.orvantis.example/manual", "http://www.orvantis.example"}));
    QCOMPARE(messages->requests.size(), size_t{2});  // the failures' texts: weblink_test
    QVERIFY(window->lblOnlineUserManual->toolTip().endsWith("at www.orvantis.example/manual"));
    QCOMPARE(window->lblQuillon->palette().color(QPalette::WindowText), QColor(0, 255, 255));
  }
  void tabOrderFollowsTheSideColumn() {
    QCOMPARE(window->cmdDateSequence->nextInFocusChain(), window->cmdQLsoftware);
    QCOMPARE(window->cmdQLsoftware->nextInFocusChain(), window->cmdHelp);
    QCOMPARE(window->cmdHelp->nextInFocusChain(), window->cmdQuit);
    QVERIFY(window->cmdQLsoftware->y() < window->cmdHelp->y());
  }
};

QTEST_MAIN(frmMainTest)
#include "frmMain_test.moc"
