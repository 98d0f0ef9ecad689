// Printing, and the equinox chart with its saving as PNG or SVG: the parts of
// the program that need Qt Print Support, Qt Charts and Qt SVG (and through
// them OpenGL). Most sessions use none of them, so they live in a plugin
// (chart_print/) that the program loads the first time a report is printed
// or a chart shown: starting loads none of those libraries. This header,
// which the program sees, names none of their types.
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "core/EquinoxChart.h"

class QPrinter;
class QWidget;

namespace orv {

// Sets the printer up and says whether to print (a test's stand-in for the
// print dialog, ui_services/SaveAndPrint.h).
using PrinterChooser = std::function<bool(QPrinter& printer)>;

// The lines of each printed page: the heading (a title, then any header
// lines, then an empty line) at the top of every page, and under it as many
// of the text's lines as fit in a page of lines_per_page lines (at least one).
inline QList<QStringList> PrintedPages(const QStringList& heading, const QStringList& text,
                                       int lines_per_page) {
  const auto room = std::max<qsizetype>(1, lines_per_page - heading.size() - 1);
  QList<QStringList> pages;
  for (qsizetype first = 0; first < text.size() || pages.isEmpty(); first += room) {
    pages.append(heading + QStringList{QString()} + text.mid(first, room));
  }
  return pages;
}

// The drawing of the equinox chart in its window.
class EquinoxChartView {
 public:
  virtual QWidget* Widget() = 0;  // the view itself, owned by its parent
  virtual void Show(const EquinoxChart& chart) = 0;
  // PNG, or SVG when the name ends in .svg; false when not saved.
  virtual bool Save(const QString& path) = 0;
  // On one page, after the print dialog or the chooser; false when not printed.
  virtual bool Print(const QString& title, const PrinterChooser& chooser) = 0;

 protected:
  ~EquinoxChartView() = default;
};

class ChartAndPrint {
 public:
  virtual ~ChartAndPrint() = default;
  virtual EquinoxChartView* NewEquinoxChartView(QWidget* parent) = 0;
  // Prints plain text in the font after the platform's print dialog (which
  // also prints to a PDF file), or after the chooser when one is set, with
  // the title and the header's lines at the top of every page (PrintedPages);
  // false when not printed.
  virtual bool PrintText(QWidget* parent, const QString& title, const QString& header,
                         const QString& text, const QFont& font, const PrinterChooser& chooser) = 0;
};

// The plugin, loaded on the first call. When it cannot be loaded the user is
// told why in a message box (titled with the action asked for) and nullptr
// comes back; the next call tries again.
ChartAndPrint* LoadChartAndPrint(QWidget* parent, const QString& action);

}  // namespace orv

Q_DECLARE_INTERFACE(orv::ChartAndPrint, "org.orvantis.Orvantis.ChartAndPrint/1.1")
