// The plugin the program loads on first use (ui_services/ChartAndPrint.h).
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QtPlugin>
#include <algorithm>

#include "chart_print/EquinoxChartWidget.h"

namespace orv {
namespace {

// The lines, each too wide for the page broken at spaces (or, in a word
// wider than the page, anywhere), so that nothing is cut off.
QStringList Wrapped(const QStringList& lines, const QFontMetrics& metrics, int width) {
  QStringList wrapped;
  for (QString rest : lines) {
    while (metrics.horizontalAdvance(rest) > width && rest.size() > 1) {
      qsizetype fits = rest.size() - 1;
      while (fits > 1 && metrics.horizontalAdvance(rest.left(fits)) > width) --fits;
      const qsizetype space = rest.lastIndexOf(u' ', fits);
      const qsizetype cut = space > 0 ? space : fits;
      wrapped << rest.left(cut);
      rest = rest.mid(space > 0 ? cut + 1 : cut);
    }
    wrapped << rest;
  }
  return wrapped;
}

}  // namespace

class ChartAndPrintPlugin : public QObject, public ChartAndPrint {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.orvantis.Orvantis.ChartAndPrint/1.1")
  Q_INTERFACES(orv::ChartAndPrint)

 public:
  EquinoxChartView* NewEquinoxChartView(QWidget* parent) override {
    return new EquinoxChartWidget(parent);
  }

  bool PrintText(QWidget* parent, const QString& title, const QString& header, const QString& text,
                 const QFont& font, const PrinterChooser& chooser) override {
    QPrinter printer(QPrinter::HighResolution);
    if (!ChoosePrinter(printer, parent, title, chooser)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(QFont(font, &printer));
    const QFontMetrics metrics(painter.font(), &printer);
    const int spacing = std::max(1, metrics.lineSpacing());
    const QRect page = painter.viewport();
    QStringList heading{title};
    if (!header.isEmpty()) heading += header.split(u'\n');
    QString body = text;
    if (body.endsWith(u'\n')) body.chop(1);
    const QList<QStringList> pages =
        PrintedPages(Wrapped(heading, metrics, page.width()),
                     Wrapped(body.split(u'\n'), metrics, page.width()), page.height() / spacing);
    for (qsizetype number = 0; number < pages.size(); ++number) {
      if (number > 0) printer.newPage();
      int baseline = metrics.ascent();
      for (const QString& line : pages[number]) {
        painter.drawText(0, baseline, line);
        baseline += spacing;
      }
    }
    return painter.end();
  }
};

}  // namespace orv

#include "ChartAndPrintPlugin.moc"
