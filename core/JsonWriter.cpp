#include "core/JsonWriter.h"

#include <QByteArray>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace orv {

namespace {

using json_detail::AnyToEscape;

bool ToEscape(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\'; }

}  // namespace

bool NeedsJsonEscaping(std::string_view text) {
  const size_t size = text.size();
  if (size < 8) {
    for (const char c : text) {
      if (ToEscape(c)) return true;
    }
    return false;
  }
  // Eight at a time, the last eight overlapping those before.
  uint64_t word = 0;
  for (size_t i = 0; i < size; i += 8) {
    std::memcpy(&word, text.data() + std::min(i, size - 8), 8);
    if (AnyToEscape(word)) return true;
  }
  return false;
}

void JsonWriter::Put(std::string_view text) {
  if (text.size() > kShort) {
    Flush();
    out_.append(text);
    return;
  }
  json_detail::Copy(Room(text.size()), text.data(), text.size());
  used_ += text.size();
}

void JsonWriter::PutString(std::string_view text) {
  const size_t size = text.size();
  if (size >= 8 && size <= kShort) {
    // Copied eight characters at a time as they are checked, the last
    // eight overlapping those before; put again below if any needs escaping.
    char* at = Room(size + 2);
    *at++ = '"';
    uint64_t word = 0;
    bool plain = true;
    for (size_t i = 0; i < size; i += 8) {
      const size_t from = std::min(i, size - 8);
      std::memcpy(&word, text.data() + from, 8);
      plain = plain && !AnyToEscape(word);
      std::memcpy(at + from, &word, 8);
    }
    if (plain) {
      at[size] = '"';
      used_ += size + 2;
      return;
    }
  } else if (size < 8 && !NeedsJsonEscaping(text)) {
    char* at = Room(size + 2);
    *at = '"';
    json_detail::Copy(at + 1, text.data(), size);
    at[size + 1] = '"';
    used_ += size + 2;
    return;
  }
  Put('"');
  size_t plain = 0;  // the start of the characters not yet put
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!ToEscape(text[i])) continue;
    Put(text.substr(plain, i - plain));
    plain = i + 1;
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
      case '"':
        Put("\\\"");
        break;
      case '\\':
        Put("\\\\");
        break;
      case '\b':
        Put("\\b");
        break;
      case '\f':
        Put("\\f");
        break;
      case '\n':
        Put("\\n");
        break;
      case '\r':
        Put("\\r");
        break;
      case '\t':
        Put("\\t");
        break;
      default:
        Put("\\u00");
        Put(kHex[c >> 4]);
        Put(kHex[c & 15]);
    }
  }
  Put(text.substr(plain));
  Put('"');
}

void JsonWriter::Indent(size_t levels, bool line_break) {
  if (line_break) Put('\n');
  for (size_t i = 0; i < levels; ++i) Put("    ");
}

JsonWriter& JsonWriter::OpenIndented(char bracket) {
  BeforeValue();
  Put(bracket);
  if (layout_ == Layout::kIndented) Put('\n');
  ++depth_;
  last_ = After::kOpening;
  return *this;
}

JsonWriter& JsonWriter::CloseIndented(char bracket) {
  if (depth_ == 0) throw std::logic_error("JSON closed more than opened");
  const bool empty = last_ == After::kOpening;
  --depth_;
  if (layout_ == Layout::kIndented) Indent(depth_, !empty);
  Put(bracket);
  last_ = After::kValue;
  // An indented document ends with a line break.
  if (layout_ == Layout::kIndented && depth_ == 0) Put('\n');
  Done();
  return *this;
}

JsonWriter& JsonWriter::OtherKey(JsonKey key) {
  BeforeValue();
  PutString(key.text_);
  Put(layout_ == Layout::kCompact ? ":" : ": ");
  last_ = After::kKey;
  return *this;
}

JsonWriter& JsonWriter::String(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return String(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

void JsonWriter::PutLargeInteger(char* at, int64_t value) {
  used_ = static_cast<size_t>(std::to_chars(at, at + 20, value).ptr - buffer_);
}

JsonWriter& JsonWriter::Double(double value) {
  // QJsonValue keeps a whole number up to 2^53 as an integer.
  constexpr double kExactWhole = 9007199254740992.0;
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) <= kExactWhole) {
    return Integer(static_cast<int64_t>(value));
  }
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  const QByteArray shortest = QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
  Put(std::string_view(shortest.constData(), static_cast<size_t>(shortest.size())));
  Done();
  return *this;
}

JsonWriter& JsonWriter::Number(std::string_view text) {
  BeforeValue();
  Put(text);
  Done();
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  Put(value ? "true" : "false");
  Done();
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  Put("null");
  Done();
  return *this;
}

}  // namespace orv
