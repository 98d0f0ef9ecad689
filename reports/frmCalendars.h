// The day in every calendar of the table: a row each, in table order (the
// main window's three first, the Dee calendar in the version in force,
// England's row showing the region chosen in its list), then the calendar
// definitions the user compares (the proposals window), with the calendar's
// name, its month-name date and its year-month-day date. The rows follow the
// main window's day; a date typed into a row's year-month-day box and Enter
// move the main window to that day (the region's row reads a date as its
// source wrote it, and says what it was read as); below them, Easter of the
// day's year, and the day's figures: its Modified Julian Day, day of the
// year, ISO ordinal date, Julian Date and Unix time (of 0 h UT, or of the
// time of day typed into a row). Modeless; Close hides it.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/CalendarDay.h"
#include "core/DateEntry.h"
#include "reports/ReportHost.h"

namespace orv {

class frmCalendars : public QWidget {
  Q_OBJECT

 public:
  frmCalendars(ReportHost& host, QWidget* parent);

  struct Row {
    QLabel* lblCal;        // lblCal_<JSON key>: the calendar's name
    QLineEdit* txbCal;     // txbCal_<JSON key>: the month-name date, read-only
    QLineEdit* txbCalYmd;  // txbCalYmd_<JSON key>: the year-month-day date
  };
  std::vector<Row> rows;  // in table order, then the definitions compared
  // The regions (England at start), in the place of the region row's name.
  QComboBox* cboRegion;
  // What the region's row read a typed date as; a hint how to type one.
  QLabel* lblRegionDay;
  QLabel* lblEaster;      // Easter of the day's (Gregorian) year, by both computi
  QLabel* lblMjd;         // "Modified Julian Day: 60,389"
  QLabel* lblDayOfYear;   // "Day of year: 80"
  QLabel* lblIsoOrdinal;  // "ISO ordinal date: 2024-080"
  QLabel* lblJulianDate;  // "Julian Date: 2,460,389.5 (0 h UT)"
  QLabel* lblUnixTime;    // "Unix time: 1,710,892,800 (0 h UT)"
  QPushButton* cmdCopy;
  QPushButton* cmdSave;
  QPushButton* cmdPrint;
  QPushButton* cmdClose;

  // The day the main window shows, with the era style of its results; none
  // when it shows none (the rows are emptied).
  void ShowDay(std::optional<int32_t> jdn, Era era);
  // Reads the row's year-month-day date and moves the main window to its day
  // (a time of day typed after the date makes the figures those of the
  // instant, until the day changes); a refused date gets a message (the text
  // stays selected while it is up) and the row shows its last good date
  // again; nothing else changes.
  void GoToRowDate(size_t row);
  // The instant the main window is about to move to (a Julian Date with a
  // fraction typed into its day-number box): the figures of that day are then
  // the instant's.
  void ExpectInstant(const DayAndTime& instant) { typed_instant = instant; }
  // The region the region's row shows (its index in the list), the day kept.
  void cboRegion_Change(int index);
  // The compared definitions changed: a row each again, after the table's.
  void ProposalsChanged();
  // The rows as Copy puts them on the clipboard.
  QString CopyText() const;
  void cmdCopy_Click();
  // A name ending in .csv saves the rows (a calendar each), .json the day as
  // orvc convert --json writes it (--region with the region shown), any
  // other the text as copied.
  void cmdSave_Click();
  void cmdPrint_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void MakeRows();

  ReportHost& host;
  const CalendarInfo* shown_region;                    // the region row's calendar
  std::vector<const CalendarInfo*> shown_definitions;  // rows after the table's
  // What the rows show (Copy copies it, not the boxes).
  std::optional<int32_t> shown_day;
  Era shown_era = Era::kCE;
  DeeVersion shown_dee = kDeeCecilVersion;
  CalendarRows shown;
  // A date typed with a time (a row's, or a Julian Date in the main window's
  // day-number box): its day's figures are the instant's while it is shown.
  std::optional<DayAndTime> typed_instant;
  // What a date typed into the region's row was read as, while its day is shown.
  struct RegionReading {
    int32_t jdn = 0;
    QString text;
  };
  std::optional<RegionReading> region_reading;
};

}  // namespace orv
