#include "core/ProposalFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "core/DateReading.h"
#include "core/ProgramFolder.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// What is wrong, as "field: reason"; thrown inside the reading only, caught
// by ReadCalendarDefinition.
struct Refusal {
  std::string text;
};

[[noreturn]] void Refuse(const std::string& field, const std::string& reason) {
  throw Refusal{field + ": " + reason};
}

QString Text(const QJsonObject& object, const char* field, bool required) {
  const QJsonValue value = object.value(QLatin1String(field));
  if (value.isUndefined() && !required) return {};
  if (!value.isString() || value.toString().trimmed().isEmpty()) Refuse(field, "a text is needed");
  return value.toString().trimmed();
}

int64_t Whole(const QJsonValue& value, const std::string& field, int64_t least, int64_t most) {
  const double number = value.toDouble(std::nan(""));
  if (!value.isDouble() || number != std::floor(number) || number < static_cast<double>(least) ||
      number > static_cast<double>(most)) {
    Refuse(field, "a whole number from " + std::to_string(least) + " to " + std::to_string(most) +
                      " is needed");
  }
  return static_cast<int64_t>(number);
}

// A day: a day number, or a date of a calendar of the table ("622-03-22 JC").
int32_t Day(const QJsonValue& value, const std::string& field) {
  if (value.isString()) {
    const DateReading reading = ReadDate(value.toString(), DateReadingRules{});
    if (!reading) {
      Refuse(field,
             reading.refusal
                 ? NoticeText(*reading.refusal).replace(kCrLf, QStringLiteral(" ")).toStdString()
                 : std::string("no such date"));
    }
    return *reading.day;
  }
  return static_cast<int32_t>(Whole(value, field, INT32_MIN, INT32_MAX));
}

LeapRule RuleOf(const QJsonValue& value, const std::string& field) {
  if (!value.isObject()) Refuse(field, "a rule is an object: {\"every\": 4}");
  const QJsonObject object = value.toObject();
  LeapRule rule;
  const auto remainders = [&] {
    const QJsonValue list = object.value("remainders");
    if (list.isUndefined()) return;
    if (!list.isArray()) Refuse(field + ".remainders", "a list of whole numbers is needed");
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
      rule.remainders.push_back(
          Whole(array[i], field + ".remainders[" + std::to_string(i) + "]", 0, kLongestLeapPeriod));
    }
  };
  if (object.contains("every")) {
    rule.kind = LeapRule::Kind::kEvery;
    rule.every = Whole(object.value("every"), field + ".every", 1, kLongestLeapPeriod);
    remainders();
  } else if (object.contains("cycle")) {
    rule.kind = LeapRule::Kind::kCycle;
    rule.every = Whole(object.value("cycle"), field + ".cycle", 1, kLongestLeapPeriod);
    if (object.contains("offset")) {
      rule.offset =
          Whole(object.value("offset"), field + ".offset", -kLongestLeapPeriod, kLongestLeapPeriod);
    }
    remainders();
    if (rule.remainders.empty()) Refuse(field + ".remainders", "the cycle's leap positions");
  } else if (object.contains("linear")) {
    rule.kind = LeapRule::Kind::kLinear;
    if (!object.value("linear").isObject()) Refuse(field + ".linear", "{\"a\", \"b\", \"c\"}");
    const QJsonObject linear = object.value("linear").toObject();
    const std::string at = field + ".linear.";
    rule.a = Whole(linear.value("a"), at + "a", 1, kLongestLeapPeriod);
    rule.b = Whole(linear.value("b"), at + "b", -kLongestLeapPeriod * 10, kLongestLeapPeriod * 10);
    rule.c = Whole(linear.value("c"), at + "c", 1, kLongestLeapPeriod);
    rule.below = linear.contains("below")
                     ? Whole(linear.value("below"), at + "below", 1, kLongestLeapPeriod)
                     : rule.a;
    if (linear.contains("period")) {
      rule.period = Whole(linear.value("period"), at + "period", 1, kLongestLeapPeriod);
      if (linear.contains("shift")) {
        rule.shift =
            Whole(linear.value("shift"), at + "shift", -kLongestLeapPeriod, kLongestLeapPeriod);
      }
      if (linear.contains("sub_period")) {
        rule.sub_period =
            Whole(linear.value("sub_period"), at + "sub_period", 1, kLongestLeapPeriod);
      }
    }
  } else if (object.value("gregorian").toBool()) {
    rule.kind = LeapRule::Kind::kGregorian;
  } else {
    Refuse(field, "a rule is one of every, cycle, linear or gregorian");
  }
  const QJsonValue leap = object.value("leap");
  if (!leap.isUndefined() && !leap.isBool()) Refuse(field + ".leap", "true or false");
  rule.leap = leap.toBool(true);
  return rule;
}

ProposalRules RulesOf(const QJsonObject& object) {
  ProposalRules rules;
  rules.name = Text(object, "name", true).toStdString();
  rules.key = Text(object, "key", true).toLower().toStdString();
  const bool key_letters = std::all_of(rules.key.begin(), rules.key.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
  });
  if (!key_letters || rules.key.size() > 40 || rules.key[0] < 'a' || rules.key[0] > 'z') {
    Refuse("key", "lower-case letters, digits and hyphens, beginning with a letter");
  }
  rules.json_key = rules.key;
  for (char& c : rules.json_key) c = c == '-' ? '_' : c;
  rules.tag = Text(object, "tag", true).toStdString();
  rules.leap_words = Text(object, "leap_rule", false).toStdString();
  if (rules.leap_words.empty()) rules.leap_words = "as its definition file states";
  const QJsonValue months = object.value("months");
  if (!months.isArray() || months.toArray().isEmpty()) {
    Refuse("months", "a list of months is needed: [{\"name\": \"January\", \"days\": 31}, ...]");
  }
  const QJsonArray month_list = months.toArray();
  constexpr qsizetype kMostParts = 40;
  if (month_list.size() > kMostParts) Refuse("months", "at most 40 months");
  for (qsizetype i = 0; i < month_list.size(); ++i) {
    const std::string field = "months[" + std::to_string(i) + "]";
    const QJsonObject month = month_list[i].toObject();
    DefinedMonth defined;
    defined.name = month.value("name").toString().trimmed().toStdString();
    if (defined.name.empty()) Refuse(field + ".name", "a month has a name");
    defined.days = static_cast<int32_t>(Whole(month.value("days"), field + ".days", 1, 400));
    if (month.contains("leap_days")) {
      const int64_t leap_days = Whole(month.value("leap_days"), field + ".leap_days", 0, 7);
      if (leap_days != 0 && leap_days != 1 && leap_days != 7) {
        Refuse(field + ".leap_days", "a leap year adds a day (1) or a week (7)");
      }
      defined.leap_days = static_cast<int32_t>(leap_days);
    }
    rules.months.push_back(defined);
  }
  const QJsonArray intercalary = object.value("intercalary").toArray();
  if (intercalary.size() > kMostParts) Refuse("intercalary", "at most 40 intercalary days");
  for (qsizetype i = 0; i < intercalary.size(); ++i) {
    const std::string field = "intercalary[" + std::to_string(i) + "]";
    const QJsonObject day = intercalary[i].toObject();
    IntercalaryDay defined;
    defined.name = day.value("name").toString().trimmed().toStdString();
    if (defined.name.empty()) Refuse(field + ".name", "an intercalary day has a name");
    defined.after_month =
        static_cast<int32_t>(Whole(day.value("after"), field + ".after", 0, month_list.size()));
    defined.leap_only = day.value("leap_only").toBool(false);
    rules.intercalary.push_back(defined);
  }
  const QJsonValue leap = object.value("leap");
  if (!leap.isUndefined() && !leap.isArray()) Refuse("leap", "a list of rules is needed");
  const QJsonArray leap_rules = leap.toArray();
  if (leap_rules.size() > kMostParts) Refuse("leap", "at most 40 rules");
  for (qsizetype i = 0; i < leap_rules.size(); ++i) {
    rules.leap_rules.push_back(RuleOf(leap_rules[i], "leap[" + std::to_string(i) + "]"));
  }
  if (!object.contains("epoch")) Refuse("epoch", "the day its year 1 begins is needed");
  rules.epoch = Day(object.value("epoch"), "epoch");
  const QJsonObject range = object.value("range").toObject();
  if (range.contains("first")) rules.first_day = Day(range.value("first"), "range.first");
  if (range.contains("last")) rules.last_day = Day(range.value("last"), "range.last");
  if (rules.first_day > rules.last_day) Refuse("range", "the first day comes after the last");
  if (const std::optional<std::string> refusal = PrepareProposal(rules)) throw Refusal{*refusal};
  return rules;
}

}  // namespace

ReadDefinition ReadCalendarDefinition(const QByteArray& contents) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
  if (document.isNull()) {
    return {nullptr, "the file is not JSON (" + error.errorString().toStdString() + " at byte " +
                         std::to_string(error.offset) + ")"};
  }
  if (!document.isObject()) return {nullptr, "the file is not one calendar's object"};
  try {
    return {std::make_shared<ProposalRules>(RulesOf(document.object())), {}};
  } catch (const Refusal& refusal) {
    return {nullptr, refusal.text};
  }
}

LoadedDefinition LoadCalendarDefinition(const QString& path) {
  LoadedDefinition definition{path, nullptr, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    definition.refusal = path + ": " + file.errorString();
    return definition;
  }
  ReadDefinition read = ReadCalendarDefinition(file.readAll());
  if (read.rules) {
    read.rules->file = path.toStdString();
    const AddedCalendar added = AddCalendar(ProposalRow(*read.rules), read.rules);
    definition.calendar = added.calendar;
    if (!added.calendar) read.refusal = added.refusal;
  }
  if (!read.refusal.empty())
    definition.refusal = path + ": " + QString::fromStdString(read.refusal);
  return definition;
}

std::vector<LoadedDefinition> LoadCalendarDefinitions(const QStringList& folders) {
  std::vector<LoadedDefinition> loaded;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
      loaded.push_back(LoadCalendarDefinition(dir.filePath(name)));
    }
  }
  return loaded;
}

QString ShippedCalendarsFolder() { return ProgramFolder() + QStringLiteral("/calendars"); }

QString UserCalendarsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/orvantis/calendars");
}

QString DefinitionFileOf(const CalendarInfo& calendar) {
  const ProposalRules* rules = ProposalRulesOf(calendar);
  return rules != nullptr ? QString::fromStdString(rules->file) : QString();
}

}  // namespace orv
