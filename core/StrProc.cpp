#include "core/StrProc.h"

#include <algorithm>
#include <limits>

#include "core/NumberFormat.h"

namespace orv {
namespace {

constexpr QChar kSpace = u' ';

// Both texts' lengths are below 2^31 characters in practice; positions are
// handed out as 32-bit like the rest of the program's numbers.
int32_t ToPosition(qsizetype index) { return static_cast<int32_t>(index + 1); }

}  // namespace

QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == kSpace) ++first;
  while (last > first && text[last - 1] == kSpace) --last;
  return text.mid(first, last - first);
}

double LeadingNumber(const QString& text) {
  qsizetype at = 0;
  while (at < text.size() && text[at] == kSpace) ++at;
  double sign = 1.0;
  if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
    if (text[at] == u'-') sign = -1.0;
    ++at;
  }
  double value = 0.0;
  const auto is_digit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
  for (; at < text.size() && is_digit(at); ++at) value = value * 10.0 + (text[at].unicode() - u'0');
  if (at < text.size() && text[at] == u'.') {
    double scale = 0.1;
    for (++at; at < text.size() && is_digit(at); ++at) {
      value += scale * (text[at].unicode() - u'0');
      scale /= 10.0;
    }
  }
  return sign * value;
}

QString SafeLeft(const QString& text, int32_t count) {
  if (count <= 0) return QString();
  return text.left(count);
}

int32_t FindFirstOf(const QString& text, int32_t start, const QString& set,
                    int32_t& position_in_set) {
  position_in_set = 0;
  for (qsizetype i = std::max(start, 1) - 1; i < text.size(); ++i) {
    const qsizetype found = set.indexOf(text[i]);
    if (found >= 0) {
      position_in_set = ToPosition(found);
      return ToPosition(i);
    }
  }
  return 0;
}

int32_t FindFirstNotOf(const QString& text, int32_t start, const QString& set) {
  if (text.isEmpty()) return 0;
  if (set.isEmpty()) return 1;
  for (qsizetype i = std::max(start, 1) - 1; i < text.size(); ++i) {
    if (!set.contains(text[i])) return ToPosition(i);
  }
  return 0;
}

void RemoveChars(QString& text, const QString& set, int32_t start) {
  int32_t from = std::max(start, 1);
  int32_t ignored;
  for (;;) {
    const int32_t run_start = FindFirstOf(text, from, set, ignored);
    if (run_start == 0) return;
    const int32_t run_end = FindFirstNotOf(text, run_start, set);  // first character kept
    if (run_end == 0) {
      text.truncate(run_start - 1);
      return;
    }
    text.remove(run_start - 1, run_end - run_start);
    from = run_start + 1;
  }
}

QString KeepChars(const QString& text, const QString& set) {
  QString kept;
  for (const QChar c : text) {
    if (set.contains(c)) kept += c;
  }
  return kept;
}

QString DigitsOnly(const QString& text, bool keep_minus, bool keep_plus) {
  static const QString kDigits = QStringLiteral("0123456789");
  const QString candidates = KeepChars(text, kDigits + QStringLiteral("-+"));
  if (candidates.isEmpty()) return QString();
  QString first = candidates.left(1);
  if ((first == u"-" && !keep_minus) || (first == u"+" && !keep_plus)) first.clear();
  return first + KeepChars(candidates.mid(1), kDigits);
}

int16_t SplitText(const QString& text, const QString& delimiter, int32_t start, QStringList& pieces,
                  bool trim, int32_t maximum_count, int32_t minimum_length) {
  QString rest = text.mid(std::max(start, 1) - 1);
  if (rest.isEmpty()) return 0;

  QStringList stored;
  const auto store = [&](QString piece) {
    if (trim) piece = TrimSpaces(piece);
    if (piece.size() < minimum_length) return true;
    stored.append(piece);
    const bool full = stored.size() == std::numeric_limits<int16_t>::max();
    return !full && (maximum_count <= 0 || stored.size() < maximum_count);
  };

  if (delimiter.isEmpty()) {
    store(rest);  // nothing to split at: the text is one piece
  } else {
    if (rest.startsWith(delimiter)) rest.remove(0, delimiter.size());
    if (!rest.endsWith(delimiter)) rest += delimiter;
    qsizetype from = 0;
    while (from < rest.size()) {
      // A delimiter of several characters can overlap the one appended at
      // the end ("ba" split at "aa" is "baaa"): when none is left, so is no
      // further piece.
      const qsizetype found = rest.indexOf(delimiter, from);
      if (found < 0) break;
      if (!store(rest.mid(from, found - from))) break;
      from = found + delimiter.size();
      if (delimiter == u" ") {
        while (from < rest.size() && rest[from] == kSpace) ++from;
      }
    }
  }
  if (!stored.isEmpty()) pieces = stored;
  return static_cast<int16_t>(stored.size());
}

int32_t CountOccurrences(const QString& text, const QString& searched, bool case_sensitive) {
  if (text.isEmpty() || searched.isEmpty()) return 0;
  const QString haystack = case_sensitive ? text : text.toLower();
  const QString needle = case_sensitive ? searched : searched.toLower();
  int32_t count = 0;
  for (qsizetype at = haystack.indexOf(needle); at >= 0;
       at = haystack.indexOf(needle, at + needle.size())) {
    ++count;
  }
  return count;
}

void RemoveLeading(QString& text, const QString& prefix) {
  if (prefix.isEmpty()) return;
  qsizetype from = 0;
  while (QStringView(text).mid(from).startsWith(prefix)) from += prefix.size();
  text.remove(0, from);
}

void RemoveTrailing(QString& text, const QString& suffix) {
  if (suffix.isEmpty()) return;
  qsizetype end = text.size();
  while (QStringView(text).left(end).endsWith(suffix)) end -= suffix.size();
  text.truncate(end);
}

QString TrimTrailingChars(const QString& text, const QString& set) {
  QString trimmed = text;
  if (set.isEmpty()) return trimmed;
  while (!trimmed.isEmpty() && set.contains(trimmed.back())) {
    RemoveTrailing(trimmed, QString(trimmed.back()));
  }
  return trimmed;
}

void StripTrailingControls(QString& text) {
  while (!text.isEmpty() && text.back().unicode() < 32) text.chop(1);
}

bool IsWholeNumber(const QString& text, bool sign_allowed, const QString& extra_characters) {
  QString rest = TrimSpaces(text);
  if (rest.isEmpty()) return false;
  if (sign_allowed && (rest.front() == u'+' || rest.front() == u'-')) rest.remove(0, 1);
  RemoveChars(rest, QStringLiteral("0123456789") + extra_characters);
  return rest.isEmpty();
}

bool IsDigitString(const QString& text, bool sign_allowed, bool comma_allowed) {
  return IsWholeNumber(text, sign_allowed, comma_allowed ? QStringLiteral(",") : QString());
}

QString NumberWords(int32_t count) {
  static const char* const kUpToTwenty[21] = {
      "No",       "One",     "Two",     "Three",     "Four",     "Five",     "Six",
      "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",   "Thirteen",
      "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen", "Twenty"};
  static const char* const kTens[10] = {"",      "",      "Twenty",  "Thirty", "Forty",
                                        "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
  if (count >= 0 && count <= 20) return QString::fromLatin1(kUpToTwenty[count]);
  if (count > 20 && count <= 99) {
    QString words = QString::fromLatin1(kTens[count / 10]);
    if (count % 10 != 0) words += kSpace + QString::fromLatin1(kUpToTwenty[count % 10]).toLower();
    return words;
  }
  return FormatGroupedInteger(count);
}

void CutAtNul(QString& text) {
  const qsizetype nul = text.indexOf(QChar(u'\0'));
  if (nul >= 0) text.truncate(nul);
}

}  // namespace orv
