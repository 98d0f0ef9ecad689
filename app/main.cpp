// Orvantis, the desktop date calculator.
#include <QApplication>
#include <cstdlib>

#include "main_window/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvantis"));
  orv::frmMain main_window;
  if (!main_window.Form_Load()) return EXIT_FAILURE;  // its message has been shown
  return QApplication::exec();
}
