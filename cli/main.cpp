// orvc, the command-line companion of Orvantis.
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QTextStream>
#include <cerrno>
#include <cstdio>

#include "cli/Orvc.h"
#include "core/ProposalFile.h"
#include "core/RegionFile.h"

namespace {

// Standard input as it comes: each read takes what is there (up to the size
// asked), waiting only when nothing is, and never seeks; waitForReadyRead(0)
// tells whether the next read would wait, so that orvc can pass on its answers
// first to a program that feeds it a line and waits for the answer.
class StandardInput : public QIODevice {
 public:
  StandardInput() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
  bool isSequential() const override { return true; }
  bool waitForReadyRead(int msecs) override {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    int ready = 0;
    do {
      ready = poll(&input, 1, msecs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
  }

 protected:
  qint64 readData(char* data, qint64 size) override {
    ssize_t got = 0;
    do {
      got = ::read(STDIN_FILENO, data, static_cast<size_t>(size));
    } while (got < 0 && errno == EINTR);
    return got;
  }
  qint64 writeData(const char*, qint64) override { return -1; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  // Scripts read orvc: its numbers look the same in every locale.
  QLocale::setDefault(QLocale::c());
  StandardInput in;
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setEncoding(QStringConverter::Utf8);
  err.setEncoding(QStringConverter::Utf8);
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  // The calendars defined by files join the table before anything reads it;
  // a file that is no calendar is named, and left out.
  for (const orv::LoadedDefinition& definition :
       orv::LoadCalendarDefinitions(orv::CalendarFolders(arguments))) {
    if (definition.calendar == nullptr) err << "orvc: " << definition.refusal << " (left out)\n";
  }
  for (const orv::LoadedDefinition& region : orv::LoadRegions(orv::ShippedRegionsFile())) {
    if (region.calendar == nullptr) err << "orvc: " << region.refusal << " (left out)\n";
  }
  const int status = orv::RunOrvc(arguments, in, out, err);
  out.flush();
  err.flush();
  return status;
}
