// Every JSON text the program writes, written as it goes: objects, arrays,
// keys and values appended to a std::string, with the commas (and, indented,
// the line breaks) put where they belong. It writes what QJsonDocument would
// write for the same values, compact or indented, so files and scripts that
// read the program's JSON see the same bytes; keys come in the order they are
// written (QJsonObject sorts them: a caller that kept its bytes writes them
// sorted, as WriteRecord does). Strings are escaped as QJsonDocument escapes
// them: quotes, backslashes and control characters; everything else (UTF-8
// included) as it is.
//
//   std::string text;
//   JsonWriter json(text);
//   json.BeginObject();
//   json.Key("jdn").Integer(2451545);
//   json.Key("tag").String("CE");
//   json.EndObject();  // text: {"jdn":2451545,"tag":"CE"}

#pragma once

#include <QString>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orv {

// Whether a text needs escaping in JSON: a control character, a quote or a
// backslash in it.
bool NeedsJsonEscaping(std::string_view text);
void KeyNeedsEscapingUseJsonKeyOfText();  // never defined: a compile-time refusal

// The key of a value. A key written in the program ("day") is checked when
// the program is compiled and then copied as it is; any other (a calendar's,
// a record's) is checked once when made: a key kept in a table and written
// again and again costs its check once.
class JsonKey {
 public:
  template <size_t N>
  consteval JsonKey(const char (&key)[N])  // NOLINT(google-explicit-constructor): a literal
      : text_(key, N - 1) {
    for (const char c : text_) {
      if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\') {
        KeyNeedsEscapingUseJsonKeyOfText();
      }
    }
  }
  explicit JsonKey(std::string_view key) : text_(key), plain_(!NeedsJsonEscaping(key)) {}

 private:
  friend class JsonWriter;
  std::string_view text_;
  bool plain_ = true;
};

// The writer is on the path of every line orvc converts: its few steps a
// value are inlined into the caller.
#if defined(__GNUC__)
#define ORV_JSON_INLINE inline __attribute__((always_inline))
#else
#define ORV_JSON_INLINE inline
#endif

namespace json_detail {
constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighs = 0x8080808080808080;
// Whether any of eight bytes needs escaping: a control character, a quote or
// a backslash (bytes of UTF-8 beyond ASCII never do).
ORV_JSON_INLINE bool AnyToEscape(uint64_t word) {
  const auto any_zero = [](uint64_t value) { return ((value - kOnes) & ~value & kHighs) != 0; };
  return ((word - kOnes * 0x20) & ~word & kHighs) != 0 || any_zero(word ^ (kOnes * '"')) ||
         any_zero(word ^ (kOnes * '\\'));
}

// "00" to "99", for writing numbers two digits at a time.
inline constexpr char kDigitPairs[201] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
inline const char* DigitPair(uint32_t number) { return kDigitPairs + 2 * (number % 100); }

// A copy of a few characters without a call (most keys and texts are
// short): two overlapping moves of the sizes that fit.
ORV_JSON_INLINE void Copy(char* to, const char* from, size_t size) {
  const auto move = [&](auto word) {
    std::memcpy(&word, from, sizeof word);
    std::memcpy(to, &word, sizeof word);
    std::memcpy(&word, from + size - sizeof word, sizeof word);
    std::memcpy(to + size - sizeof word, &word, sizeof word);
  };
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    move(uint64_t{});
  } else if (size >= 4) {
    move(uint32_t{});
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}
}  // namespace json_detail

class JsonWriter {
 public:
  enum class Layout { kCompact, kIndented };  // indented: four spaces a level, "key": value
  explicit JsonWriter(std::string& out, Layout layout = Layout::kCompact)
      : out_(out), layout_(layout) {}
  ~JsonWriter() { Flush(); }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  ORV_JSON_INLINE JsonWriter& BeginObject() { return Open('{'); }
  ORV_JSON_INLINE JsonWriter& EndObject() { return Close('}'); }
  ORV_JSON_INLINE JsonWriter& BeginArray() { return Open('['); }
  ORV_JSON_INLINE JsonWriter& EndArray() { return Close(']'); }
  // The key of the next value, in an object.
  ORV_JSON_INLINE JsonWriter& Key(JsonKey key) {
    const size_t size = key.text_.size();
    if (!key.plain_ || size > kShort || layout_ != Layout::kCompact) return OtherKey(key);
    // Compact, the comma (after a value) and the key in one piece.
    char* at = Room(size + 4);
    *at = ',';
    at += last_ == After::kValue ? 1 : 0;
    at[0] = '"';
    json_detail::Copy(at + 1, key.text_.data(), size);
    at[size + 1] = '"';
    at[size + 2] = ':';
    used_ = static_cast<size_t>(at + size + 3 - buffer_);
    last_ = After::kKey;
    return *this;
  }

  ORV_JSON_INLINE JsonWriter& String(std::string_view text) {
    BeforeValue();
    const size_t size = text.size();
    if (size >= 8 && size <= 16) {
      // Most texts: two overlapping words of eight, checked and copied.
      uint64_t head = 0;
      uint64_t tail = 0;
      std::memcpy(&head, text.data(), 8);
      std::memcpy(&tail, text.data() + size - 8, 8);
      if (!json_detail::AnyToEscape(head) && !json_detail::AnyToEscape(tail)) {
        char* at = Room(size + 2);
        at[0] = '"';
        std::memcpy(at + 1, &head, 8);
        std::memcpy(at + size - 7, &tail, 8);
        at[size + 1] = '"';
        used_ += size + 2;
        Done();
        return *this;
      }
    }
    PutString(text);
    Done();
    return *this;
  }
  JsonWriter& String(const QString& text);
  JsonWriter& String(const char* text) { return String(std::string_view(text)); }
  ORV_JSON_INLINE JsonWriter& Integer(int64_t value) {
    BeforeValue();
    char* at = Room(20);
    if (value >= 0 && value < 10000) {  // days, months and most years: by pairs of digits
      const auto number = static_cast<uint32_t>(value);
      const uint32_t high = number / 100;
      const uint32_t low = number % 100;
      size_t digits = 4;
      if (number < 10) {
        *at = static_cast<char>('0' + number);
        digits = 1;
      } else if (number < 100) {
        std::memcpy(at, json_detail::DigitPair(number), 2);
        digits = 2;
      } else if (number < 1000) {
        *at = static_cast<char>('0' + high);
        std::memcpy(at + 1, json_detail::DigitPair(low), 2);
        digits = 3;
      } else {
        std::memcpy(at, json_detail::DigitPair(high), 2);
        std::memcpy(at + 2, json_detail::DigitPair(low), 2);
      }
      used_ += digits;
    } else {
      PutLargeInteger(at, value);
    }
    Done();
    return *this;
  }
  // A whole number of at most 2^53 as an integer ("20", "-0" as "0"), any
  // other finite number in the shortest form that reads back the same
  // ("2.5", "1e+16"), null for infinities and NaN.
  JsonWriter& Double(double value);
  // A number already written as JSON writes one ("2460389.629410"), as it is.
  JsonWriter& Number(std::string_view text);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

 private:
  // The text goes through a buffer of its own into out: a value is in out
  // once it is whole (its outermost object or array closed).
  static constexpr size_t kBufferSize = 2048;
  static constexpr size_t kShort = 256;  // texts up to this size are put in one piece
  void Flush() {
    out_.append(buffer_, used_);
    used_ = 0;
  }
  // Room for size characters (at most kShort + 4) at the end of the buffer.
  ORV_JSON_INLINE char* Room(size_t size) {
    if (size > kBufferSize - used_) Flush();
    return buffer_ + used_;
  }
  ORV_JSON_INLINE void Put(char c) {
    *Room(1) = c;
    ++used_;
  }
  void Put(std::string_view text);
  void PutString(std::string_view text);  // quoted and escaped
  void PutLargeInteger(char* at, int64_t value);
  JsonWriter& OtherKey(JsonKey key);  // escaped, or indented
  ORV_JSON_INLINE void Done() {       // after a value
    if (depth_ == 0) Flush();
  }

  ORV_JSON_INLINE JsonWriter& Open(char bracket) {
    if (layout_ != Layout::kCompact) return OpenIndented(bracket);
    BeforeValue();
    Put(bracket);
    ++depth_;
    last_ = After::kOpening;
    return *this;
  }
  ORV_JSON_INLINE JsonWriter& Close(char bracket) {
    if (layout_ != Layout::kCompact || depth_ == 0) return CloseIndented(bracket);
    --depth_;
    Put(bracket);
    last_ = After::kValue;
    Done();
    return *this;
  }
  JsonWriter& OpenIndented(char bracket);
  JsonWriter& CloseIndented(char bracket);  // or closing more than was opened
  // What came last, which decides what goes before the next value or key.
  enum class After : uint8_t { kOpening, kValue, kKey };
  // The comma (and, indented, line break and indent) before a value or key.
  ORV_JSON_INLINE void BeforeValue() {
    const After last = last_;
    last_ = After::kValue;
    if (last == After::kKey) return;
    if (last == After::kValue && depth_ > 0) Put(',');
    if (layout_ == Layout::kIndented && depth_ > 0) Indent(depth_, last == After::kValue);
  }
  void Indent(size_t levels, bool line_break);  // four spaces a level

  std::string& out_;
  Layout layout_;
  After last_ = After::kOpening;
  size_t depth_ = 0;  // the objects and arrays open
  size_t used_ = 0;
  char buffer_[kBufferSize];
};

}  // namespace orv
