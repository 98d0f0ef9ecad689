// How far apart two days are: two year-month-day dates with their tags, and
// the difference in days, in weeks and days, and in years, months and days
// in the calendar of the first date. Modeless; Close hides it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "reports/ReportHost.h"

namespace orv {

class frmDateDifference : public QWidget {
  Q_OBJECT

 public:
  frmDateDifference(ReportHost& host, QWidget* parent);

  QLineEdit* txbFromDate;
  QLineEdit* txbToDate;
  QPushButton* cmdDoIt;
  QLabel* lblYearsMonthsDays;
  QLineEdit* txbDays;
  QLineEdit* txbWeeks;
  QLineEdit* txbYearsMonthsDays;
  QPushButton* cmdCopyToClipboard;
  QPushButton* cmdClear;
  QPushButton* cmdClose;

  void cmdDoIt_Click();
  void cmdCopyToClipboard_Click();
  void cmdClear_Click();
  // Empties the three results (the dates stay): a result is never shown
  // beside dates it does not belong to.
  void ClearResults();
  // The lines Copy puts on the clipboard; empty before a result.
  QString ResultText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ReportHost& host;
  QStringList result_lines;
};

}  // namespace orv
