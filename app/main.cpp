// Orvantis, the desktop date calculator.
#include <QApplication>

#include "main_window/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvantis"));
  orv::frmMain main_window;
  main_window.Form_Load();
  return QApplication::exec();
}
