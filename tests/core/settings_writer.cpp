// Writes the settings over and over until it is killed: the interrupted-write
// test kills it at a random moment and checks what is left.
#include <QCoreApplication>

#include "core/Registry3.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QString key = QStringLiteral("Software\\Orvantis Test\\ORVC");
  for (int round = 1;; ++round) {
    orv::SetRegistryValue(orv::kHKeyCurrentUser, key, "JDN", QString::number(2451545 + round));
    orv::SetRegistryValue(orv::kHKeyCurrentUser, key, "Dee", round % 2 ? "D" : "DC");
  }
}
