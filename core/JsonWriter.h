// Every JSON text the program writes, written as it goes: objects, arrays,
// keys and values appended to a std::string, with the commas (and, indented,
// the line breaks) put where they belong. It writes what QJsonDocument would
// write for the same values, compact or indented, so files and scripts that
// read the program's JSON see the same bytes; keys come in the order they are
// written (QJsonObject sorts them: a caller that kept its bytes writes them
// sorted, as WriteRecord does).
//
//   std::string text;
//   JsonWriter json(text);
//   json.BeginObject();
//   json.Key("jdn").Integer(2451545);
//   json.Key("tag").String("CE");
//   json.EndObject();  // text: {"jdn":2451545,"tag":"CE"}
//
// Objects and arrays nest up to 64 deep; one more is a fault of the caller
// (std::length_error).
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// A JSON string as QJsonDocument writes it: quotes, backslashes and control
// characters escaped, everything else (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view text);

class JsonWriter {
 public:
  enum class Layout { kCompact, kIndented };  // indented: four spaces a level, "key": value
  explicit JsonWriter(std::string& out, Layout layout = Layout::kCompact)
      : out_(out), layout_(layout) {}

  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  // The key of the next value, in an object.
  JsonWriter& Key(std::string_view key);
  JsonWriter& Key(const QString& key);
  JsonWriter& Key(const char* key) { return Key(std::string_view(key)); }

  JsonWriter& String(std::string_view text);
  JsonWriter& String(const QString& text);
  JsonWriter& String(const char* text) { return String(std::string_view(text)); }
  JsonWriter& Integer(int64_t value);
  // A whole number of at most 2^53 as an integer ("20", "-0" as "0"), any
  // other finite number in the shortest form that reads back the same
  // ("2.5", "1e+16"), null for infinities and NaN.
  JsonWriter& Double(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  void BeforeValue();  // the comma and line break before a value not after a key
  void Indent(size_t levels);

  std::string& out_;
  Layout layout_;
  // The objects and arrays open, up to 64 deep: bit n says whether the one
  // at depth n + 1 has something in it (so the next value needs a comma).
  uint64_t written_ = 0;
  size_t depth_ = 0;
  bool after_key_ = false;
};

}  // namespace orv
