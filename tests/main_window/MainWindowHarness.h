// The real main window for window tests, offscreen: a settings folder of the
// test's own, message boxes recorded instead of shown, today fixed at
// 2017-03-20, and the half-second upkeep fired by the test itself.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/frmMain.h"
#include "ui_services/MessageBox.h"

namespace orv {

// List positions of the calendars and the eras.
constexpr int kGregorian = 1, kJulian = 2, kDee = 3;
constexpr int kEraAD = 1, kEraBC = 2;

struct MainWindowHarness {
  std::unique_ptr<QTemporaryDir> config;
  std::unique_ptr<MessageBoxRecorder> messages;
  std::unique_ptr<frmMain> window;

  // Before each test: a fresh settings folder and message recorder.
  void Prepare() {
    SetLocalDateSource([] { return LocalDate{2017, 3, 20}; });
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    messages = std::make_unique<MessageBoxRecorder>();
  }
  // A new window, started as the program starts it.
  void Start() {
    window = std::make_unique<frmMain>();
    QVERIFY(window->Form_Load());
    window->Timer1->stop();
    window->Timer1_Timer();
  }
  void Finish() {
    window.reset();
    messages.reset();
    config.reset();
    QVERIFY2(QApplication::activeModalWidget() == nullptr, "a modal window is open");
  }
  void ChooseYearMonthDay(const QString& text, int calendar) {
    window->optInputDateWithAYN->click();
    window->cboCalendar[1]->setCurrentIndex(calendar);
    window->txbYearCEJC->clear();
    QTest::keyClicks(window->txbYearCEJC, text);
    window->Timer1_Timer();
  }
  void ChooseMonthDayYear(int month, int day, const QString& year, int era, int calendar) {
    window->optInputDateWithoutAYN->click();
    window->cboMonthNames->setCurrentIndex(month);
    window->cboDayNumbers->setCurrentIndex(day);
    window->txbYearADBCetc->setText(year);
    window->cboYearDesADBCetc->setCurrentIndex(era);
    window->cboCalendar[0]->setCurrentIndex(calendar);
    window->Timer1_Timer();
  }
};

}  // namespace orv
