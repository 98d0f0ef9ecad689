#include "core/JsonWriter.h"

#include <QByteArray>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace orv {

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  size_t plain = 0;  // the start of the characters not yet appended
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text, plain, i - plain);
    plain = i + 1;
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
  }
  out.append(text, plain);
  out += '"';
}

void JsonWriter::Indent(size_t levels) { out_.append(4 * levels, ' '); }

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (depth_ == 0) return;  // a value of its own
  const uint64_t bit = uint64_t{1} << (depth_ - 1);
  if ((written_ & bit) != 0) out_ += layout_ == Layout::kCompact ? "," : ",\n";
  written_ |= bit;
  if (layout_ == Layout::kIndented) Indent(depth_);
}

JsonWriter& JsonWriter::Open(char bracket) {
  if (depth_ == 64) throw std::length_error("JSON nested more than 64 deep");
  BeforeValue();
  out_ += bracket;
  if (layout_ == Layout::kIndented) out_ += '\n';
  ++depth_;
  written_ &= ~(uint64_t{1} << (depth_ - 1));
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  if (depth_ == 0) throw std::logic_error("JSON closed more than opened");
  const bool empty = (written_ & (uint64_t{1} << (depth_ - 1))) == 0;
  --depth_;
  if (layout_ == Layout::kIndented) {
    if (!empty) out_ += '\n';
    Indent(depth_);
  }
  out_ += bracket;
  // An indented document ends with a line break.
  if (layout_ == Layout::kIndented && depth_ == 0) out_ += '\n';
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  AppendJsonString(out_, key);
  out_ += layout_ == Layout::kCompact ? ":" : ": ";
  after_key_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(const QString& key) {
  const QByteArray utf8 = key.toUtf8();
  return Key(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

JsonWriter& JsonWriter::String(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return String(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  AppendJsonString(out_, text);
  return *this;
}

JsonWriter& JsonWriter::Integer(int64_t value) {
  BeforeValue();
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out_.append(digits, static_cast<size_t>(end - digits));
  return *this;
}

JsonWriter& JsonWriter::Double(double value) {
  // QJsonValue keeps a whole number up to 2^53 as an integer.
  constexpr double kExactWhole = 9007199254740992.0;
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) <= kExactWhole) {
    return Integer(static_cast<int64_t>(value));
  }
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  out_ += QByteArray::number(value, 'g', QLocale::FloatingPointShortest).toStdString();
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

}  // namespace orv
