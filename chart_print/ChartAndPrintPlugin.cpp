// The plugin the program loads on first use (ui_services/ChartAndPrint.h).
#include <QPainter>
#include <QPrinter>
#include <QtPlugin>
#include <algorithm>

#include "chart_print/EquinoxChartWidget.h"

namespace orv {

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
        PrintedPages(heading, body.split(u'\n'), page.height() / spacing);
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
