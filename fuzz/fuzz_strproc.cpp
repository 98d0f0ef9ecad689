// Every text routine on random texts and sets. Must hold: no crash, and the
// promises of each routine.
#include <cstdlib>

#include "core/StrProc.h"
#include "fuzz/FuzzInput.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const QString text = input.Text(64);
  const QString set = input.Text(8);

  const QString removed = WithoutChars(text, set);
  for (const QChar c : removed) {
    if (set.contains(c)) std::abort();
  }
  for (const QChar c : DigitsOnly(text)) {
    if (c < u'0' || c > u'9') std::abort();
  }
  const QString trimmed = TrimSpaces(text);
  if (trimmed.startsWith(u' ') || trimmed.endsWith(u' ')) std::abort();
  const QString controls = WithoutTrailingControls(text);
  if (!controls.isEmpty() && controls.back().unicode() < 32) std::abort();
  IsWholeNumber(text, input.Flag(), set);
  LeadingNumber(text);
  NumberWords(static_cast<int32_t>(input.Byte()) * 1000 + input.Byte() - 100);
  return 0;
}
