#include "ui_services/SaveAndPrint.h"

#include <QFileDialog>
#include <QSaveFile>

#include "ui_services/MessageBox.h"

namespace orv {
namespace {

SaveFileChooser& SaveChooser() {
  static SaveFileChooser chooser;
  return chooser;
}

OpenFileChooser& OpenChooser() {
  static OpenFileChooser chooser;
  return chooser;
}

PrinterChooser& PrintChooser() {
  static PrinterChooser chooser;
  return chooser;
}

}  // namespace

QString ChooseSaveFile(QWidget* parent, const QString& suggested_name, const QString& filters) {
  if (SaveChooser()) return SaveChooser()(suggested_name);
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Save"), suggested_name, filters);
}

void SetSaveFileChooser(SaveFileChooser chooser) { SaveChooser() = std::move(chooser); }

QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filters) {
  if (OpenChooser()) return OpenChooser()();
  return QFileDialog::getOpenFileName(parent, title, QString(), filters);
}

void SetOpenFileChooser(OpenFileChooser chooser) { OpenChooser() = std::move(chooser); }

bool SaveFile(QWidget* parent, const QString& path, const QByteArray& bytes, bool text_mode) {
  QSaveFile file(path);
  QIODevice::OpenMode mode = QIODevice::WriteOnly;
  if (text_mode) mode |= QIODevice::Text;
  const bool saved = file.open(mode) && file.write(bytes) == bytes.size() && file.commit();
  if (!saved) {
    ShowMessageBox({QStringLiteral("The file could not be saved:\r\n") + path + "\r\n\r\n" +
                        file.errorString(),
                    MessageStyle::kExclamation, MessageButtons::kOk, QStringLiteral("Save")},
                   parent);
  }
  return saved;
}

bool PrintText(QWidget* parent, const QString& title, const QString& text, const QFont& font,
               const QString& header) {
  ChartAndPrint* plugin = LoadChartAndPrint(parent, QStringLiteral("Print"));
  return plugin != nullptr && plugin->PrintText(parent, title, header, text, font, PrintChooser());
}

bool PrintChart(EquinoxChartView& chart, const QString& title) {
  return chart.Print(title, PrintChooser());
}

void SetPrinterChooser(PrinterChooser chooser) { PrintChooser() = std::move(chooser); }

}  // namespace orv
