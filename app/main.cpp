// Orvantis, the desktop date calculator.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/ProposalFile.h"
#include "core/RegionFile.h"
#include "main_window/frmMain.h"
#include "ui_services/PngIcon.h"
#include "ui_services/StylePicture.h"

namespace {

// For the start-up benchmark (bench/startup_bench.py): with the variable
// ORVANTIS_QUIT_WHEN_PAINTED set, the program quits as Quit does once its
// window has been painted.
class QuitWhenPainted : public QObject {
 public:
  explicit QuitWhenPainted(orv::frmMain& window) : window_(window) {
    window.installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      QTimer::singleShot(0, &window_, &orv::frmMain::cmdQuit_Click);
    }
    return false;
  }

 private:
  orv::frmMain& window_;
  bool quitting_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvantis"));
  QApplication::setDesktopFileName(QStringLiteral("org.orvantis.Orvantis"));
  QApplication::setWindowIcon(
      orv::PngIcon(QStringLiteral(":/icons/orvantis-%1.png"), {16, 24, 32, 48, 64, 128, 256}));
  orv::ReadGroupBoxFrameAsPng();
  // The calendars defined by files and the regions join the table before
  // anything reads it; a file that is no calendar is listed, with its
  // reason, in the proposals window; a row of the regions' file that is no
  // region is left out of the calendars window's list, and said on the
  // standard error, as orvc says it.
  const std::vector<orv::LoadedDefinition> definitions =
      orv::LoadCalendarDefinitions({orv::ShippedCalendarsFolder(), orv::UserCalendarsFolder()});
  for (const orv::LoadedDefinition& region : orv::LoadRegions(orv::ShippedRegionsFile())) {
    if (region.calendar == nullptr) {
      std::fprintf(stderr, "orvantis: %s (left out)\n", qUtf8Printable(region.refusal));
    }
  }
  orv::frmMain main_window;
  main_window.Proposals() = orv::ProposalShelf(definitions);
  main_window.setWindowIcon(QApplication::windowIcon());
  std::unique_ptr<QuitWhenPainted> benchmark;
  if (qEnvironmentVariableIsSet("ORVANTIS_QUIT_WHEN_PAINTED")) {
    benchmark = std::make_unique<QuitWhenPainted>(main_window);
  }
  if (!main_window.Form_Load()) return EXIT_FAILURE;  // its message has been shown
  return QApplication::exec();
}
