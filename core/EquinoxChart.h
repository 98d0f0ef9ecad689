// The equinox chart of a vernal equinox run: its points, ranges, ticks and
// texts, worked out here and drawn by the chart window (with Qt Charts, in the
// plugin chart_print/).
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <cstdint>

#include "core/ReportBuilders.h"

namespace orv {

// The ticks of the year axis: whole years that carry points, every year of
// a short run and a round step (1, 2, 5, 10, 20, 50, 100 ... years) for a
// long one, at most kMostYearTicks of them; the first on a multiple of the step.
inline constexpr int kMostYearTicks = 12;
struct YearTicks {
  int32_t first;
  int32_t step;
};
YearTicks YearAxisTicks(int32_t first_year, int32_t last_year);

// The ticks of a value axis that spans low to high: a round step (1, 2, 5,
// 10 ... days, at most kMostValueTicks intervals) and the range widened to
// multiples of it, always through 0.
inline constexpr int kMostValueTicks = 6;
struct ValueTicks {
  double bottom = 0;
  double top = 1;
  double step = 1;
};
ValueTicks ValueAxisTicks(double low, double high);

// Plain values, so that the plugin that draws them needs none of the core.
struct EquinoxChart {
  QString title;  // "March equinoxes 2024–2025: 0 of 2 Dee-Cecil dates off March 20 (…)"
  // The series and their names in the legend; x the year, y the instant as a
  // day of March (20.25 is 20 March 06:00).
  QString london_name;    // "Gregorian, London"
  QList<QPointF> london;  // the Gregorian date at London
  QString meridian_name;  // "Dee-Cecil, 77d0m W"
  QList<QPointF> meridian;
  QString missed_name;    // "Dee-Cecil off its day"
  QList<QPointF> missed;  // the meridian's points off the expected day
  // The expected day as a band, from its midnight to the next.
  QString band_name;  // "Expected day, March 20"
  int expected_day = 20;
  // The axes: the years with half a year of room either side, ticks on whole
  // years; whole days, at least a day either side of the expected one.
  int32_t first_year = 0;
  int32_t last_year = 0;
  YearTicks year_ticks{0, 1};
  double bottom_day = 0;
  double top_day = 0;
  bool many_years = false;  // over 200: smaller marks

  // A chart of lines instead (the reform comparison): when there are any
  // panels, they are drawn in place of the series above, one above the
  // other over the same years, each with its own value axis.
  struct Line {
    QString name;           // "Dee, Dee-Cecil": the calendars it stands for
    int colour = 0;         // the calendar's place in the comparison: its colour and dash
    QList<QPointF> points;  // by year; a gap in the years is a gap in the line
  };
  struct Panel {
    QString y_title;
    QList<Line> lines;
    ValueTicks ticks;
  };
  QList<Panel> panels;
};

// The chart of the years first_year, first_year + 1 ... of the run (at most
// years of them, up to the table's last year).
EquinoxChart EquinoxChartFor(const VernalEquinoxRun& run, int32_t first_year, int years);

}  // namespace orv
