// The vernal equinox report: from the year of the main window's input on, the
// instant of the March equinox as a Julian date, as a date and time at London
// and in the Dee calendar at a chosen meridian east or west of Greenwich, the year's
// place in the 33-year cycle, and a count of the years whose Dee equinox
// misses its expected day.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "reports/ReportWindow.h"
#include "reports/frmEquinoxChart.h"
#include "reports/frmReformComparison.h"

namespace orv {

class frmVernalEquinoxes : public ReportWindow {
  Q_OBJECT

 public:
  frmVernalEquinoxes(ReportHost& host, QWidget* parent);

  int32_t lngYear = 0;  // the year of the row being computed

  QLabel* lblDates1;
  QLineEdit* txbNumYears;
  QLabel* lblDates2;
  QLabel* lblWashingtonLongitude;
  QComboBox* cboDegrees;
  QLabel* lblDegrees;
  QComboBox* cboMinutes;
  QLabel* lblMinutes;
  QComboBox* cboEastWest;  // "W" or "E" of Greenwich
  QRadioButton* optMeanST;
  QRadioButton* optApparentST;
  QRadioButton* optTrueST;

  void cmdDoIt_Click() override;
  void cmdClear_Click() override;
  void WriteVEHeader();
  // The run the controls describe (meridian, time kind, Dee version).
  VernalEquinoxRun RunOfControls() const;
  // The chart of the last run's years.
  QPushButton* cmdChart;
  void cmdChart_Click();
  frmEquinoxChart* ChartWindow() const { return chart_window; }
  // Every solar calendar against the equinox, at this window's meridian and time.
  QPushButton* cmdCompare;
  void cmdCompare_Click();
  frmReformComparison* ComparisonWindow() const { return comparison_window; }

 protected:
  void WindowActivated() override;

 private:
  VernalEquinoxRun last_run;
  int last_rows = 0;
  frmEquinoxChart* chart_window = nullptr;
  frmReformComparison* comparison_window = nullptr;
};

}  // namespace orv
