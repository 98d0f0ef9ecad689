// frmMain: help in the text viewer, and the two web links.
#include <QApplication>

#include "core/ProgramFolder.h"
#include "core/ProgramTexts.h"
#include "main_window/frmMain.h"
#include "ui_services/Geometry.h"
#include "ui_services/HelpSections.h"
#include "ui_services/WindowPlacement.h"
#include "ui_services/frmView.h"
#include "ui_services/weblink.h"

namespace orv {

void frmMain::cmdHelp_Click() {
  // F1 in another window opens the help where it tells about that window.
  const QWidget* asking = QApplication::activeWindow();
  const QString section = HelpSectionOf(asking != nullptr ? asking->objectName() : QString());
  if (help_viewer == nullptr) help_viewer = new frmView(this);
  frmView& viewer = *help_viewer;
  if (viewer.isMinimized()) viewer.showNormal();
  if (!viewer.isMaximized() && !viewer.isFullScreen()) {
    // Over the main window, a little inside it.
    const QRect main = frameGeometry();
    viewer.move(main.left() + TwipsToPixels(100), main.top() + TwipsToPixels(380));
    viewer.resize(main.width() - TwipsToPixels(200), main.height() - TwipsToPixels(480));
    PlaceOnOwnersScreen(viewer, viewer.pos(), this);
  }
  viewer.strFilename = ProgramFolder() + u'/' + ProgramText(16);
  viewer.setWindowTitle(ProgramText(36));
  viewer.blnCopyToClipboardInvisible = true;
  viewer.setWindowIcon(windowIcon());
  QFont text_font = viewer.txbText1->font();
  text_font.setPointSize(10);
  viewer.txbText1->setFont(text_font);
  viewer.show();
  viewer.raise();
  viewer.activateWindow();
  const qsizetype start = HelpSectionStart(viewer.txbText1->toPlainText(), section);
  if (start >= 0) viewer.ShowFrom(start);
}

void frmMain::lblOnlineUserManual_Click() { OpenWebAddress("http://" + ProgramText(15)); }

void frmMain::lblQuillon_Click() { OpenWebAddress("http://" + ProgramText(311)); }

}  // namespace orv
