// A short message that shows itself for a fixed time and goes away on its own,
// or at once when the user clicks it: for confirmations that need no answer
// ("Result copied to clipboard").
//
// One instance, made on first use (PopUpWindow()) and hidden, not destroyed,
// when it closes, so it keeps its last size. Showing it is modal and returns
// once the message has closed. Sizes and positions are
// twips; a position is that of the window's outer top-left corner.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>
#include <QTimer>

namespace orv {

class frmPopUp : public QDialog {
  Q_OBJECT

 public:
  explicit frmPopUp(QWidget* parent = nullptr);

  // At screen position (left, top), for interval milliseconds (0: until clicked).
  void PopUp(const QString& strMessage, int intWidth, int intHeight, int intInterval, int intTop,
             int intLeft);

  QLabel* lblMessage;
  QTimer* Timer1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Timer1_Timer();
  void lblMessage_MouseUp();
  void Close();
  void ShowModal(int interval);
};

// The program's one pop-up window, made on first use.
frmPopUp& PopUpWindow();

}  // namespace orv
