#include "ui_services/frmPopUp.h"

#include <QEvent>

#include "ui_services/Geometry.h"
#include "ui_services/WindowPlacement.h"

namespace orv {

frmPopUp::frmPopUp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      lblMessage(new QLabel(this)),
      Timer1(new QTimer(this)) {
  setObjectName(QStringLiteral("frmPopUp"));
  setWindowTitle(QString());
  setModal(true);
  setStyleSheet(QStringLiteral("QDialog#frmPopUp { background: rgb(255, 255, 255); }"));
  resize(TwipsSize(3495, 1995));

  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setGeometry(TwipsRect(0, 0, 3360, 1740));
  lblMessage->setAlignment(Qt::AlignCenter);
  lblMessage->setWordWrap(true);
  lblMessage->setStyleSheet(
      QStringLiteral("background: rgb(255, 255, 255); color: rgb(0, 0, 192);"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSizeF(9.75);
  font.setBold(true);
  lblMessage->setFont(font);
  lblMessage->installEventFilter(this);

  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(2000);
  connect(Timer1, &QTimer::timeout, this, &frmPopUp::Timer1_Timer);
}

void frmPopUp::PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval,
                     int intTop, int intLeft) {
  lblMessage->setText(strMessage);
  resize(TwipsSize(intWidth, intHeight));
  lblMessage->resize(size());  // the whole window is the message, and clickable
  PlaceOnOwnersScreen(*this, TwipsPoint(intLeft, intTop), parentWidget());
  ShowModal(intInterval);
}

void frmPopUp::ShowModal(int interval) {
  Timer1->setInterval(interval);
  // An interval of 0 never fires: the message stays until it is clicked.
  if (interval > 0) Timer1->start();
  exec();
}

bool frmPopUp::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease) {
    lblMessage_MouseUp();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void frmPopUp::Timer1_Timer() { Close(); }
void frmPopUp::lblMessage_MouseUp() { Close(); }

void frmPopUp::Close() {
  Timer1->stop();
  done(0);  // hides the window; the modal call returns
}

frmPopUp& PopUpWindow() {
  static frmPopUp* window = new frmPopUp();  // lives as long as the program
  return *window;
}

}  // namespace orv
