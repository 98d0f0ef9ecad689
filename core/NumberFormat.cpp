#include "core/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace orv {
namespace {

bool IsReadableSeparator(const QString& text) {
  return text == QLatin1String(",") || text == QLatin1String(".") || text == QLatin1String("'") ||
         text == QLatin1String(" ");
}

// Inserts the separator between groups of three in a run of ASCII digits.
QString GroupDigits(const QString& digits, QChar separator) {
  QString grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
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
  const NumberSymbols symbols = NumberSymbolsFor(locale);
  // The magnitude as unsigned, so the most negative value has one too.
  const quint64 magnitude =
      value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
  const QString grouped = GroupDigits(QString::number(magnitude), symbols.group_separator);
  return value < 0 ? QLatin1String("-") + grouped : grouped;
}

QString FormatGroupedFixed(double value, int decimals, const QLocale& locale) {
  if (!std::isfinite(value)) return QString::number(value);
  const NumberSymbols symbols = NumberSymbolsFor(locale);
  const QString plain = QString::number(std::fabs(value), 'f', decimals < 0 ? 0 : decimals);
  const qsizetype point = plain.indexOf(u'.');
  QString text = GroupDigits(point < 0 ? plain : plain.left(point), symbols.group_separator);
  if (point >= 0) text += symbols.decimal_point + plain.mid(point + 1);
  // No "-0.0000": the sign only when the rounded figure is not zero.
  const bool rounds_to_zero =
      std::none_of(plain.begin(), plain.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
  return std::signbit(value) && !rounds_to_zero ? QLatin1String("-") + text : text;
}

}  // namespace orv
