// The plugin the program loads on first use (ui_services/ChartAndPrint.h).
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QtPlugin>

#include "chart_print/EquinoxChartWidget.h"

namespace orv {

class ChartAndPrintPlugin : public QObject, public ChartAndPrint {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.orvantis.Orvantis.ChartAndPrint/1.0")
  Q_INTERFACES(orv::ChartAndPrint)

 public:
  EquinoxChartView* NewEquinoxChartView(QWidget* parent) override {
    return new EquinoxChartWidget(parent);
  }

  bool PrintText(QWidget* parent, const QString& title, const QString& text, const QFont& font,
                 const PrinterChooser& chooser) override {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    if (chooser) {
      if (!chooser(printer)) return false;
    } else {
      QPrintDialog dialog(&printer, parent);
      dialog.setWindowTitle(QStringLiteral("Print ") + title);
      if (dialog.exec() != QDialog::Accepted) return false;
    }
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.print(&printer);
    return true;
  }
};

}  // namespace orv

#include "ChartAndPrintPlugin.moc"
