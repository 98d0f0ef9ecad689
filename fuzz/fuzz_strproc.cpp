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
  const int start = input.Below(80) - 8;

  int32_t in_set = 0;
  const int32_t found = FindFirstOf(text, start, set, in_set);
  if (found != 0 && (!set.contains(text[found - 1]) || set[in_set - 1] != text[found - 1]))
    std::abort();
  const int32_t not_found = FindFirstNotOf(text, start, set);
  if (not_found < 0 || not_found > text.size()) std::abort();

  QString removed = text;
  RemoveChars(removed, set, start);
  const int kept_prefix = std::max(start, 1) - 1;
  if (removed.left(kept_prefix) != text.left(kept_prefix)) std::abort();
  for (qsizetype i = kept_prefix; i < removed.size(); ++i) {
    if (set.contains(removed[i])) std::abort();
  }
  for (const QChar c : KeepChars(text, set)) {
    if (!set.contains(c)) std::abort();
  }
  const QString digits = DigitsOnly(text, input.Flag(), input.Flag());
  for (qsizetype i = 1; i < digits.size(); ++i) {
    if (digits[i] < u'0' || digits[i] > u'9') std::abort();
  }
  QStringList pieces;
  const int16_t count =
      SplitText(text, set.left(2), start, pieces, input.Flag(), input.Below(5), input.Below(3));
  if (count < 0 || (count > 0 && pieces.size() != count)) std::abort();
  if (CountOccurrences(text, set, input.Flag()) < 0) std::abort();
  QString leading = text;
  RemoveLeading(leading, set);
  QString trailing = text;
  RemoveTrailing(trailing, set);
  if (!set.isEmpty() && (leading.startsWith(set) || trailing.endsWith(set))) std::abort();
  const QString trimmed = TrimTrailingChars(text, set);
  if (!trimmed.isEmpty() && set.contains(trimmed.back())) std::abort();
  QString controls = text;
  StripTrailingControls(controls);
  if (!controls.isEmpty() && controls.back().unicode() < 32) std::abort();
  IsWholeNumber(text, input.Flag(), set);
  IsDigitString(text, input.Flag(), input.Flag());
  LeadingNumber(text);
  SafeLeft(text, input.Below(100) - 10);
  NumberWords(static_cast<int32_t>(input.Byte()) * 1000 + input.Byte() - 100);
  QString nul = text;
  CutAtNul(nul);
  if (nul.contains(QChar(u'\0'))) std::abort();
  return 0;
}
