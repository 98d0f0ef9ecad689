// A calendar definition file of any bytes. Must hold: no crash, and a
// definition that is read converts its days both ways, day for day.
#include <QByteArray>
#include <cstdlib>

#include "core/ProposalFile.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const ReadDefinition read = ReadCalendarDefinition(bytes);
  if (read.rules == nullptr) {
    if (read.refusal.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const CalendarInfo row = ProposalRow(*read.rules);
  for (int32_t jdn = read.rules->epoch - 800; jdn < read.rules->epoch + 800; ++jdn) {
    const YearMonthDay date = row.date_of_day(row, jdn);
    if (row.day_number(row, date.year, date.month, date.day).jdn != jdn) std::abort();
  }
  return 0;
}
