#include "core/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace orv {
namespace {

bool IsReadableSeparator(const QString& text) {
  return text == QLatin1String(",") || text == QLatin1String(".") || text == QLatin1String("'") ||
         text == QLatin1String(" ");
}

// Appends a run of ASCII digits with the separator between groups of three.
void AppendGroupedDigits(std::string& out, std::string_view digits, char separator) {
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
}

}  // namespace

NumberSymbols NumberSymbolsFor(const QLocale& locale) {
  if (locale.language() == QLocale::C) return {QChar(u','), QChar(u'.')};
  const QString group = locale.groupSeparator();
  const QChar group_separator = IsReadableSeparator(group) ? group.front() : QChar(u' ');
  const QString decimal = locale.decimalPoint();
  QChar decimal_point = decimal == QLatin1String(".") || decimal == QLatin1String(",")
                            ? decimal.front()
                            : QChar(u'.');
  if (decimal_point == group_separator) {
    decimal_point = group_separator == QChar(u'.') ? QChar(u',') : QChar(u'.');
  }
  return {group_separator, decimal_point};
}

QString FormatGroupedInteger(qint64 value, const QLocale& locale) {
  std::string text;
  AppendGroupedInteger(text, value, GroupSeparator(locale));
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void AppendGroupedInteger(std::string& out, int64_t value, char separator) {
  // The magnitude as unsigned, so the most negative value has one too.
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  if (value < 0) out += '-';
  AppendGroupedDigits(out, std::string_view(digits, static_cast<size_t>(end - digits)), separator);
}

void AppendInteger(std::string& out, int64_t value) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

char GroupSeparator(const QLocale& locale) {
  return NumberSymbolsFor(locale).group_separator.toLatin1();
}

QString FormatGroupedFixed(double value, int decimals, const QLocale& locale) {
  if (!std::isfinite(value)) return QString::number(value);
  const NumberSymbols symbols = NumberSymbolsFor(locale);
  const QString plain = QString::number(std::fabs(value), 'f', decimals < 0 ? 0 : decimals);
  const qsizetype point = plain.indexOf(u'.');
  std::string whole;
  AppendGroupedDigits(whole, (point < 0 ? plain : plain.left(point)).toStdString(),
                      symbols.group_separator.toLatin1());
  QString text = QString::fromLatin1(whole.data(), static_cast<qsizetype>(whole.size()));
  if (point >= 0) text += symbols.decimal_point + plain.mid(point + 1);
  // No "-0.0000": the sign only when the rounded figure is not zero.
  const bool rounds_to_zero =
      std::none_of(plain.begin(), plain.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  return std::signbit(value) && !rounds_to_zero ? QLatin1String("-") + text : text;
}

}  // namespace orv
