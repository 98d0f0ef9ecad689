// Text routines on which every input check of the program rests.
//
// Their exact rules decide what the program accepts from its users, so each
// one does exactly what its comment says and nothing cleverer. Texts are
// QString (16-bit characters); a "set" is a text whose characters are its
// members. Comparisons are exact and case-sensitive. Nothing here keeps state
// or fails.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>

namespace orv {

// The line break of the program's multi-line texts (messages, copied texts).
inline const QString kCrLf = QStringLiteral("\r\n");

// A UTF-8 text of the calendar layer (names, tags) as a QString.
inline QString QStringOf(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text without its leading and trailing spaces (other white space stays).
QString TrimSpaces(const QString& text);
QStringView TrimmedSpaces(QStringView text);

// The signed decimal number at the start of the text (after spaces), with an
// optional fraction after "."; reading stops at the first other character.
// 0 when there is none: "-500-03-20 JC" gives -500, "1.0" 1, "x" 0.
double LeadingNumber(const QString& text);

// The whole number a text of digits and a sign stands for, as a double: any
// 15-digit figure exact, and larger ones compare correctly.
double WholeNumberValue(const QString& text);

// Whether the text holds the ASCII needle (an empty one it always holds).
bool ContainsAscii(QStringView text, std::string_view needle);

// The text without any character of the set.
// WithoutChars("2000-03-20 CE", "0123456789-,.' ") -> "CE".
QString WithoutChars(QString text, const QString& set);

// The digits of the text and nothing else: DigitsOnly("-1,234.5") -> "12345".
QString DigitsOnly(const QString& text);

// The text without its trailing characters with codes below 32.
QString WithoutTrailingControls(QString text);

// After trimming spaces and dropping one leading sign (when allowed), true
// when nothing but digits and the extra characters is left. A lone sign is
// true when signs are allowed; an empty text is false.
bool IsWholeNumber(const QString& text, bool sign_allowed, const QString& extra_characters);

// A count in English words for the start of a sentence: 0 "No", 1 "One" ...
// 21 "Twenty one" ... 99 "Ninety nine"; from 100 on (and below 0) the figure
// with the platform's digit grouping.
QString NumberWords(int64_t count);

}  // namespace orv
