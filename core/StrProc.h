// Text routines on which every input check of the program rests.
//
// Their exact rules decide what the program accepts from its users, so each
// one does exactly what its comment says and nothing cleverer. Texts are
// QString (16-bit characters); positions count from 1 and a start of 0 or
// below is taken as 1. A "set" is a text whose characters are its members.
// Comparisons are exact and case-sensitive unless a routine says otherwise.
// Nothing here keeps state or fails: bad arguments give an empty or unchanged
// text, 0 or false.
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

// The signed decimal number at the start of the text (after spaces), with an
// optional fraction after "."; reading stops at the first other character.
// 0 when there is none: "-500-03-20 JC" gives -500, "1.0" 1, "x" 0.
double LeadingNumber(const QString& text);

// The first n characters; empty for n <= 0, the whole text for n >= length.
QString SafeLeft(const QString& text, int32_t count);

// Position of the first character at or after start that is in the set, 0 if
// none. position_in_set receives that character's position in the set (0 if
// none).
int32_t FindFirstOf(const QString& text, int32_t start, const QString& set,
                    int32_t& position_in_set);

// Position of the first character at or after start that is not in the set;
// 0 if none or the text is empty; 1 when the set is empty.
int32_t FindFirstNotOf(const QString& text, int32_t start, const QString& set);

// Removes every character of the set from the start position on; characters
// before start stay. RemoveChars("2000-03-20 CE", "0123456789-,.' ") -> "CE".
void RemoveChars(QString& text, const QString& set, int32_t start = 1);

// Only the characters of the text that are in the set, in their order.
QString KeepChars(const QString& text, const QString& set);

// The digits of the text; a "-" or "+" in first place is kept on request, any
// other sign is dropped. DigitsOnly("-1,234.5", false, false) -> "12345".
QString DigitsOnly(const QString& text, bool keep_minus, bool keep_plus);

// Splits the text from position start at the delimiter. A leading delimiter
// is dropped and a trailing one makes no empty last piece; other empty pieces
// count ("2000--03-20" at "-" gives 4). With trim, spaces around each piece
// go. Pieces shorter than minimum_length are skipped; with maximum_count > 0
// splitting stops after that many. When at least one piece is stored, pieces
// becomes exactly the stored pieces; otherwise it is untouched. Returns the
// number of pieces stored (at most 32,767).
int16_t SplitText(const QString& text, const QString& delimiter, int32_t start, QStringList& pieces,
                  bool trim, int32_t maximum_count, int32_t minimum_length);

// Non-overlapping occurrences of searched in text; 0 when either is empty.
// Without case_sensitive both are lower-cased first.
int32_t CountOccurrences(const QString& text, const QString& searched, bool case_sensitive);

// Removes the prefix (suffix) as often as it begins (ends) the text.
void RemoveLeading(QString& text, const QString& prefix);
void RemoveTrailing(QString& text, const QString& suffix);

// The text without its trailing characters that are in the set.
QString TrimTrailingChars(const QString& text, const QString& set);

// Removes trailing characters with codes below 32.
void StripTrailingControls(QString& text);

// After trimming spaces and dropping one leading sign (when allowed), true
// when nothing but digits and the extra characters is left. A lone sign is
// true when signs are allowed; an empty text is false.
bool IsWholeNumber(const QString& text, bool sign_allowed, const QString& extra_characters);

// As IsWholeNumber with commas as the only possible extra character.
bool IsDigitString(const QString& text, bool sign_allowed, bool comma_allowed);

// A count in English words for the start of a sentence: 0 "No", 1 "One" ...
// 21 "Twenty one" ... 99 "Ninety nine"; from 100 on (and below 0) the figure
// with the platform's digit grouping.
QString NumberWords(int32_t count);

// Cuts the text before its first NUL character.
void CutAtNul(QString& text);

}  // namespace orv
