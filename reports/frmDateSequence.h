// The date sequence report: from the main window's input day on, a line a day
// with its Gregorian and Dee dates, day number and weekday, marks where the
// two dates begin or cease to agree, and a sentence counting the days that
// agree.
#pragma once

#include <QLabel>

#include "reports/ReportWindow.h"

namespace orv {

class frmDateSequence : public ReportWindow {
  Q_OBJECT

 public:
  frmDateSequence(ReportHost& host, QWidget* parent);

  QLabel* lblDates1;
  QLineEdit* txbNumDays;
  QLabel* lblDates2;

  void cmdDoIt_Click() override;
};

}  // namespace orv
