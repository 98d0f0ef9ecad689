// Saving a window's text to a file and printing it, for the report windows
// and the viewer. The file and print dialogs are the platform's; tests put
// their own choosers in their place. Printing is done by the chart and
// printing plugin (ui_services/ChartAndPrint.h), loaded on the first print.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui_services/ChartAndPrint.h"

namespace orv {

// The captions of the buttons.
inline const QString kSaveCaption = QStringLiteral("Save\u2026");
inline const QString kPrintCaption = QStringLiteral("Print\u2026");

// Where to save: the platform's file dialog, or the chooser set for tests.
// filters as QFileDialog takes them ("Text (*.txt);;CSV (*.csv)"); an empty
// result means the user cancelled.
QString ChooseSaveFile(QWidget* parent, const QString& suggested_name, const QString& filters);
using SaveFileChooser = std::function<QString(const QString& suggested_name)>;
void SetSaveFileChooser(SaveFileChooser chooser);  // nullptr: the dialog again

// Which file to open: the platform's file dialog, or the chooser set for
// tests; an empty result means the user cancelled.
QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filters);
using OpenFileChooser = std::function<QString()>;
void SetOpenFileChooser(OpenFileChooser chooser);  // nullptr: the dialog again

// Writes the file whole or not at all (through a temporary file renamed at
// the end). text_mode writes the platform's line breaks for "\n". On failure
// the user is told why and false comes back; nothing is left half-written.
bool SaveFile(QWidget* parent, const QString& path, const QByteArray& bytes, bool text_mode);

// Prints plain text in the font, after the platform's print dialog (which
// also prints to a PDF file), or the chooser set for tests, which sets the
// printer up and returns whether to print; every page begins with the title
// and the header's lines. False when not printed (or when the plugin could
// not be loaded: the user has been told).
bool PrintText(QWidget* parent, const QString& title, const QString& text, const QFont& font,
               const QString& header = {});
// A chart on one page, the same way.
bool PrintChart(EquinoxChartView& chart, const QString& title);
void SetPrinterChooser(PrinterChooser chooser);  // nullptr: the dialog again

}  // namespace orv
