// Numbers as the user's platform settings group them, in a form the program
// can read back. "The platform's" is the program's default locale: the
// system's in the windows; orvc makes it the C locale, so scripts get the
// same figures everywhere.
//
// Every number the windows show with digit grouping (day numbers, long years,
// report counts, Julian dates) goes through here. The program reads its own
// output back: a saved day number loses ",", ".", "'" and spaces, a rewritten
// year is checked again with those four allowed. So:
//   - the group separator is the platform's when it is one of those four,
//     otherwise (a no-break space, U+202F, a typographic apostrophe ...) a
//     plain space;
//   - the C/POSIX locale still groups, with "," (1,721,426);
//   - digits are always ASCII, the minus sign is "-", groups are of three;
//   - the decimal point is the platform's when it is "." or ",", else ".".
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>

namespace orv {

// The digit-group separators a user may type in a number, and that the
// program itself may write: comma, period, apostrophe, space.
inline const QString kTypedGroupSeparators = QStringLiteral(",.' ");

struct NumberSymbols {
  QChar group_separator;
  QChar decimal_point;
};

NumberSymbols NumberSymbolsFor(const QLocale& locale = QLocale());

// 1721426 -> "1,721,426" (English), "1.721.426" (German), "1 721 426" (French).
QString FormatGroupedInteger(qint64 value, const QLocale& locale = QLocale());

// The same on plain characters, for texts made in bulk: appends the value
// grouped by the separator (one of the four above, so always ASCII).
void AppendGroupedInteger(std::string& out, int64_t value, char separator);
// Appends the value's plain digits (and a minus sign when negative).
void AppendInteger(std::string& out, int64_t value);
// The platform's group separator as AppendGroupedInteger takes it.
char GroupSeparator(const QLocale& locale = QLocale());

// 2460389.62961 with 4 decimals -> "2,460,389.6296" (English).
QString FormatGroupedFixed(double value, int decimals, const QLocale& locale = QLocale());

}  // namespace orv
