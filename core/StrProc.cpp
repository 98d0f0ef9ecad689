#include "core/StrProc.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "core/NumberFormat.h"

namespace orv {
namespace {

constexpr QChar kSpace = u' ';

}  // namespace

QString TrimSpaces(const QString& text) {
  const QStringView trimmed = TrimmedSpaces(text);
  return trimmed.size() == text.size() ? text : trimmed.toString();
}

QStringView TrimmedSpaces(QStringView text) {
  while (!text.isEmpty() && text.front() == kSpace) text = text.mid(1);
  while (!text.isEmpty() && text.back() == kSpace) text.chop(1);
  return text;
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

bool ContainsAscii(QStringView text, std::string_view needle) {
  const auto length = static_cast<qsizetype>(needle.size());
  for (qsizetype at = 0; at + length <= text.size(); ++at) {
    qsizetype matched = 0;
    while (matched < length &&
           text[at + matched].unicode() == static_cast<unsigned char>(needle[matched])) {
      ++matched;
    }
    if (matched == length) return true;
  }
  return false;
}

QString WithoutChars(QString text, const QString& set) {
  // The program's sets are short and ASCII: one table lookup a character
  // keeps a line of megabytes fast.
  std::bitset<128> ascii;
  bool all_ascii = true;
  for (const QChar c : set) {
    if (c.unicode() < 128) {
      ascii.set(c.unicode());
    } else {
      all_ascii = false;
    }
  }
  if (all_ascii) {
    const auto in_set = [&ascii](QChar c) { return c.unicode() < 128 && ascii.test(c.unicode()); };
    // Most texts hold nothing to remove: then the text is not even copied.
    if (std::none_of(text.cbegin(), text.cend(), in_set)) return text;
    text.removeIf(in_set);
  } else {
    text.removeIf([&set](QChar c) { return set.contains(c); });
  }
  return text;
}

double WholeNumberValue(const QString& text) { return std::round(LeadingNumber(text)); }

QString DigitsOnly(const QString& text) {
  QString digits;
  for (const QChar c : text) {
    if (c >= u'0' && c <= u'9') digits += c;
  }
  return digits;
}

QString WithoutTrailingControls(QString text) {
  while (!text.isEmpty() && text.back().unicode() < 32) text.chop(1);
  return text;
}

bool IsWholeNumber(const QString& text, bool sign_allowed, const QString& extra_characters) {
  QString rest = TrimSpaces(text);
  if (rest.isEmpty()) return false;
  if (sign_allowed && (rest.front() == u'+' || rest.front() == u'-')) rest.remove(0, 1);
  return WithoutChars(rest, QStringLiteral("0123456789") + extra_characters).isEmpty();
}

QString NumberWords(int64_t count) {
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

}  // namespace orv
