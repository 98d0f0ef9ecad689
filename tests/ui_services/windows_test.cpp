// The shared window services with real widgets, offscreen.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "ui_services/Geometry.h"
#include "ui_services/QL_common.h"
#include "ui_services/frmPopUp.h"

using namespace orv;

class WindowServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void backColourReachesOnlyWhatSitsOnTheBackground() {
    QWidget window;
    auto* frame = new QGroupBox("frame", &window);
    auto* label = new QLabel("label", frame);
    auto* option = new QRadioButton("option", &window);
    auto* button = new QPushButton("button", &window);
    auto* box = new QLineEdit(&window);
    auto* list = new QComboBox(&window);
    const QColor button_colour = button->palette().color(QPalette::Window);
    const QColor box_colour = box->palette().color(QPalette::Window);
    const QColor purple(128, 0, 144);

    SetControlsBackColor(&window, purple);
    SetControlsForeColor(&window, Qt::white);
    QCOMPARE(window.palette().color(QPalette::Window), purple);
    for (QWidget* on_background : {static_cast<QWidget*>(frame), static_cast<QWidget*>(label),
                                   static_cast<QWidget*>(option)}) {
      QCOMPARE(on_background->palette().color(QPalette::Window), purple);
      QCOMPARE(on_background->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    QCOMPARE(button->palette().color(QPalette::Window), button_colour);
    QCOMPARE(box->palette().color(QPalette::Window), box_colour);
    QVERIFY(list->palette().color(QPalette::Window) != purple);
    QVERIFY(button->palette().color(QPalette::WindowText) != QColor(Qt::white));

    SetControlsFontName(&window, "Courier New", false, true);
    QCOMPARE(label->font().family(), QString("Courier New"));
    QCOMPARE(button->font().family(), QString("Courier New"));
    QCOMPARE(list->font().family(), QString("Courier New"));
    QVERIFY(box->font().family() != QString("Courier New"));
    SetControlsFontName(&window, "Courier New", true, false);
    QCOMPARE(box->font().family(), QString("Courier New"));
  }

  void focusGoesOnlyToAnAvailableButton() {
    QWidget window;
    auto* button = new QPushButton("b", &window);
    window.show();
    button->setEnabled(false);
    QVERIFY(!SetFocusIfAvailable(button));
    button->setEnabled(true);
    QVERIFY(SetFocusIfAvailable(button));
    button->hide();
    QVERIFY(!SetFocusIfAvailable(button));
  }

  void popUpClosesOnItsTimerOrOnAClick() {
    frmPopUp& popup = PopUpWindow();
    QElapsedTimer clock;
    clock.start();
    popup.PopUp("timed", 2920, 300, 50, 1500, 1500);
    QVERIFY(!popup.isVisible());
    QVERIFY(!popup.Timer1->isActive());
    QCOMPARE(popup.size(), TwipsSize(2920, 300));
    QCOMPARE(popup.lblMessage->size(), popup.size());
    QCOMPARE(popup.pos(), TwipsPoint(1500, 1500));

    // An interval of 0 never fires: only the click closes it.
    QTimer::singleShot(20, [&] { QTest::mouseClick(popup.lblMessage, Qt::LeftButton); });
    popup.PopUp("until clicked", 2000, 600, 0, 0, 0);
    QVERIFY(!popup.isVisible());
    QVERIFY(!popup.Timer1->isActive());
  }

  void popUpInFormKeepsTheLabelHeight() {
    frmPopUp& popup = PopUpWindow();
    popup.PopUp("tall", 3000, 1500, 10, 0, 0);
    const int tall = popup.lblMessage->height();
    QWidget owner;
    owner.move(100, 80);
    owner.show();
    popup.PopUpInForm(&owner, "in form", 2000, 300, 10, 600, 300);
    QCOMPARE(popup.lblMessage->height(), tall);
    QCOMPARE(popup.lblMessage->width(), TwipsToPixels(2000));
    QCOMPARE(popup.pos(), owner.frameGeometry().topLeft() + TwipsPoint(300, 600));
  }

  void popUpCenterScreenCentresByThePresentSize() {
    frmPopUp& popup = PopUpWindow();
    popup.PopUp("size", 3000, 1500, 10, 0, 0);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    popup.PopUpCenterScreen("centred", 1500, 750, 10);
    // Centred by the 3000 x 1500 it had before this call.
    QCOMPARE(popup.pos(), QPoint(TwipsToPixels((PixelsToTwips(screen.width()) - 3000) / 2),
                                 TwipsToPixels((PixelsToTwips(screen.height()) - 1500) / 2)));
  }
};

QTEST_MAIN(WindowServicesTest)
#include "windows_test.moc"
