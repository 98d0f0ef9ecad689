// The yardstick of the start-up benchmark: a bare Qt window of the main
// window's size that quits once it has been painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QWidget::paintEvent(event);
    if (!painted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    painted_ = true;
  }

 private:
  bool painted_ = false;
};

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  BareWindow window;
  window.resize(684, 476);
  window.show();
  return QApplication::exec();
}
