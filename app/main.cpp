// Orvantis, the desktop date calculator.
#include <QApplication>
#include <QIcon>
#include <cstdlib>

#include "main_window/frmMain.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvantis"));
  QApplication::setDesktopFileName(QStringLiteral("org.orvantis.Orvantis"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvantis.svg")));
  orv::frmMain main_window;
  main_window.setWindowIcon(QApplication::windowIcon());
  if (!main_window.Form_Load()) return EXIT_FAILURE;  // its message has been shown
  return QApplication::exec();
}
