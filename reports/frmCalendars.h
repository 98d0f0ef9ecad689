// The day in every calendar of the table: a row each, in table order (the
// main window's three first, the Dee calendar in the version in force), with
// the calendar's name, its month-name date and its year-month-day date. The
// rows follow the main window's day; a date typed into a row's year-month-day
// box and Enter move the main window to that day; below them, Easter of the
// day's year. Modeless; Close hides it.
#pragma once

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
  std::vector<Row> rows;  // in table order
  QLabel* lblEaster;      // Easter of the day's (Gregorian) year, by both computi
  QPushButton* cmdCopy;
  QPushButton* cmdSave;
  QPushButton* cmdPrint;
  QPushButton* cmdClose;

  // The day the main window shows, with the era style of its results; none
  // when it shows none (the rows are emptied).
  void ShowDay(std::optional<int32_t> jdn, Era era);
  // Reads the row's year-month-day date and moves the main window to its day;
  // a refused date gets a message (the text stays selected while it is up)
  // and the row shows its last good date again; nothing else changes.
  void GoToRowDate(size_t row);
  // The rows as Copy puts them on the clipboard.
  QString CopyText() const;
  void cmdCopy_Click();
  // A name ending in .csv saves the rows (a calendar each), .json the day as
  // orvc convert --json writes it, any other the text as copied.
  void cmdSave_Click();
  void cmdPrint_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ReportHost& host;
  // What the rows show (Copy copies it, not the boxes).
  std::optional<int32_t> shown_day;
  Era shown_era = Era::kCE;
  DeeVersion shown_dee = kDeeCecilVersion;
  CalendarRows shown;
};

}  // namespace orv
