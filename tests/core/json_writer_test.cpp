// The JSON writer writes what QJsonDocument writes for the same values.
#include "core/JsonWriter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <functional>
#include <limits>

namespace orv {
namespace {

std::string Written(JsonWriter::Layout layout, const std::function<void(JsonWriter&)>& write) {
  std::string text;
  JsonWriter json(text, layout);
  write(json);
  return text;
}

TEST(JsonWriter, EscapesAndNumbersAsQJsonDocument) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    QJsonValue expected;
    std::function<void(JsonWriter&)> write;
  };
  const std::string text = "q\" b\\ /\b\f\n\r\t\x01\x1f\x7f é \u2028 \U0001F600";
  const std::vector<Case> cases = {
      {QString::fromStdString(text), [&](JsonWriter& j) { j.String(text); }},
      {QString(), [](JsonWriter& j) { j.String(""); }},

      {qint64{INT64_MIN}, [](JsonWriter& j) { j.Integer(INT64_MIN); }},
      {qint64{INT64_MAX}, [](JsonWriter& j) { j.Integer(INT64_MAX); }},
      {true, [](JsonWriter& j) { j.Bool(true); }},
      {false, [](JsonWriter& j) { j.Bool(false); }},
      {QJsonValue(), [](JsonWriter& j) { j.Null(); }},
  };
  std::vector<Case> all = cases;
  for (const qint64 number : {0, 7, 42, 123, 2024, 9999, 10000, -1}) {
    all.push_back({number, [number](JsonWriter& j) { j.Integer(number); }});
  }
  for (size_t plain = 0; plain < 18; ++plain) {  // a character to escape at every place of a word
    const std::string line = std::string(plain, 'x') + "\n" + std::string(9, 'y') + "\\";
    all.push_back({QString::fromStdString(line), [line](JsonWriter& j) { j.String(line); }});
  }
  for (const double number : std::initializer_list<double>{
           2.5, 0.1, 1.0 / 3, -0.0, 20.0, 1e15, 1e16, 9007199254740992.0, 9007199254740994.0, 1e-7,
           1e300, -1e-300, 123456789.125, NAN, inf}) {
    all.push_back({number, [number](JsonWriter& j) { j.Double(number); }});
  }
  for (const Case& each : all) {
    for (const auto layout : {JsonWriter::Layout::kCompact, JsonWriter::Layout::kIndented}) {
      const auto format =
          layout == JsonWriter::Layout::kCompact ? QJsonDocument::Compact : QJsonDocument::Indented;
      EXPECT_EQ(Written(layout,
                        [&](JsonWriter& j) {
                          j.BeginArray();
                          each.write(j);
                          j.EndArray();
                        }),
                QJsonDocument(QJsonArray{each.expected}).toJson(format).toStdString());
    }
  }
}

TEST(JsonWriter, NestsAsQJsonDocument) {
  const QJsonObject expected{{"a", QJsonObject{}},
                             {"b", QJsonArray{}},
                             {"c", QJsonArray{1, QJsonObject{{"d", QJsonValue()}, {"e", "x"}}}}};
  for (const auto format : {QJsonDocument::Compact, QJsonDocument::Indented}) {
    const auto layout = format == QJsonDocument::Compact ? JsonWriter::Layout::kCompact
                                                         : JsonWriter::Layout::kIndented;
    EXPECT_EQ(Written(layout,
                      [](JsonWriter& j) {
                        j.BeginObject();
                        j.Key("a").BeginObject().EndObject();
                        j.Key("b").BeginArray().EndArray();
                        j.Key("c").BeginArray().Integer(1).BeginObject();
                        j.Key("d").Null().Key("e").String("x");
                        j.EndObject().EndArray().EndObject();
                      }),
              QJsonDocument(expected).toJson(format).toStdString());
  }
}

}  // namespace
}  // namespace orv
