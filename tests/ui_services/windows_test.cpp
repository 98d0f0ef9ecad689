// The shared window services with real widgets, offscreen.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "ui_services/Geometry.h"
#include "ui_services/MessageBox.h"
#include "ui_services/QL_common.h"
#include "ui_services/frmPopUp.h"
#include "ui_services/frmView.h"

#include <QFile>
#include <QTemporaryDir>

using namespace orv;

class WindowServicesTest : public QObject {
  Q_OBJECT

  // A file of these bytes in the folder; its path, or nothing when it cannot be written.
  static QString WriteFile(const QTemporaryDir& folder, const QByteArray& bytes) {
    QFile file(folder.filePath("view.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
      return {};
    return file.fileName();
  }

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
    QCOMPARE(list->font().family(), QString("Courier New"));
    QVERIFY(box->font().family() != QString("Courier New"));
    SetControlsFontName(&window, "Courier New", true, false);
    QCOMPARE(box->font().family(), QString("Courier New"));
  }

  // A control that has the face from its window keeps the window's font: a
  // list given a font of its own would build its drop-down list at once.
  void aControlWithTheFaceAlreadyIsLeftAlone() {
    QWidget window;
    QFont face = window.font();
    face.setFamily("Courier New");
    window.setFont(face);
    auto* list = new QComboBox(&window);
    auto* label = new QLabel("label", &window);

    SetControlsFontName(&window, "Courier New", true, true);
    for (QWidget* control : {static_cast<QWidget*>(list), static_cast<QWidget*>(label)}) {
      QCOMPARE(control->font().family(), QString("Courier New"));
      QVERIFY(!control->testAttribute(Qt::WA_SetFont));
    }
    QVERIFY(list->findChild<QAbstractItemView*>() == nullptr);
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
    popup.PopUp("timed", 2920, 300, 50, 1500, 1500);
    QVERIFY(!popup.isVisible());
    QVERIFY(!popup.Timer1->isActive());
    QCOMPARE(popup.size(), TwipsSize(2920, 300));
    QCOMPARE(popup.pos(), TwipsPoint(1500, 1500));

    // An interval of 0 never fires: only the click closes it.
    QTimer::singleShot(20, [&] { QTest::mouseClick(popup.lblMessage, Qt::LeftButton); });
    popup.PopUp("until clicked", 2000, 600, 0, 0, 0);
    QVERIFY(!popup.isVisible());
    QVERIFY(!popup.Timer1->isActive());
  }

  // The viewer, on files of our own.
  void viewerShowsAFileWholeOrCutsIt() {
    QCOMPARE(ViewerText(QString(65529, 'x')), QString(65529, 'x'));
    const QString cut = ViewerText(QString(65530, 'x'));
    QCOMPARE(cut.size(), 65534);
    QVERIFY(
        cut.startsWith("NOTE: This file is too large to display entirely in this textbox.\r\n"));
    QVERIFY(cut.endsWith("x\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n"));

    QTemporaryDir folder;
    frmView viewer;
    viewer.strFilename = WriteFile(folder, QByteArray(70000, 'y'));
    viewer.show();
    QVERIFY(viewer.txbText1->toPlainText().startsWith("NOTE: This file is too large"));
    QCOMPARE(viewer.txbText1->textCursor().position(), 0);
  }

  void viewerReadsOnceUntilClosedThroughItsFrame() {
    QTemporaryDir folder;
    frmView viewer;
    viewer.strFilename = WriteFile(folder, "first\n");
    viewer.show();
    QCOMPARE(viewer.files_read, 1);
    QTest::keyClick(&viewer, Qt::Key_Escape);  // Escape is Close
    QVERIFY(!viewer.isVisible());
    viewer.show();
    QCOMPARE(viewer.files_read, 1);
    QCOMPARE(viewer.txbText1->toPlainText(), QString("first\n"));
    viewer.close();  // through the frame: forget the text
    QVERIFY(!viewer.blnFileDisplayed);
    viewer.show();
    QCOMPARE(viewer.files_read, 2);
  }

  void viewerShowsBinaryAndForeignTextWithoutComplaint() {
    QTemporaryDir folder;
    MessageBoxRecorder messages;
    static const char kBinary[] = "text\0with\0nuls\x01\x02";
    const QByteArray contents[] = {QByteArray(kBinary, sizeof kBinary - 1),
                                   QByteArray("M\xe4rz 1582\n")};  // Latin-1, not UTF-8
    for (const QByteArray& bytes : contents) {
      frmView viewer;
      viewer.strFilename = WriteFile(folder, bytes);
      viewer.show();
      QVERIFY(viewer.isVisible());
      QVERIFY(!viewer.txbText1->toPlainText().isEmpty());
    }
    QVERIFY(messages.requests.empty());
  }

  void viewerKeepsItsSmallestSizeAndItsButtonsUnderTheText() {
    frmView viewer;
    viewer.strFilename = "/nonexistent";
    MessageBoxRecorder messages;
    viewer.resize(50, 50);
    QCOMPARE(viewer.size(), TwipsSize(8000, 2000));
    viewer.resize(TwipsSize(12000, 7000));
    viewer.Form_Resize();
    // The rule measures the window with the frame of its layout (240 x 375
    // twips), so under the buttons stays the strip the layout has (1200 - 375
    // - 105 - 100 - 330 twips), no more.
    QCOMPARE(viewer.txbText1->width(), TwipsToPixels(12000 + 240 - 450));
    QCOMPARE(viewer.cmdClose->y(), viewer.txbText1->geometry().bottom() + 1 + TwipsToPixels(100));
    QCOMPARE(viewer.height() - viewer.cmdClose->geometry().bottom() - 1, TwipsToPixels(290));
  }

  void viewerExplainsAnEmptyOrMissingFile() {
    QTemporaryDir folder;
    const QString empty = WriteFile(folder, {});
    MessageBoxRecorder messages;
    for (const QString& path : {empty, folder.filePath("missing.txt")}) {
      frmView viewer;
      viewer.strFilename = path;
      viewer.show();
      QTRY_COMPARE(messages.requests.size(), path == empty ? size_t{1} : size_t{2});
      QTRY_VERIFY(!viewer.isVisible());
      QVERIFY(viewer.blnFileDisplayed);
      QVERIFY(viewer.txbText1->toPlainText().isEmpty());
      viewer.show();  // the empty viewer, without another attempt
      QCOMPARE(viewer.files_read, 1);
    }
    QCOMPARE(messages.requests[0], ViewerEmptyFileMessage());
    QCOMPARE(messages.requests[1], ViewerErrorMessage(53, "No such file or directory"));
    QCOMPARE(messages.requests[1].text, QString("Error 53.  No such file or directory"));
  }
};

QTEST_MAIN(WindowServicesTest)
#include "windows_test.moc"
