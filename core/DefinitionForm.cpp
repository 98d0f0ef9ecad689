#include "core/DefinitionForm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace orv {
namespace {

// A typed whole number as a number, anything else as typed.
QJsonValue NumberOrText(const QString& typed) {
  bool whole = false;
  const qlonglong number = typed.trimmed().toLongLong(&whole);
  return whole ? QJsonValue(number) : QJsonValue(typed);
}

QString TextOf(const QJsonValue& value) {
  return value.isDouble() ? QString::number(value.toInteger()) : value.toString();
}

// A value in one line: {"name": "January", "days": 31}.
QString OneLine(const QJsonValue& value) {
  const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  QString line = QString::fromUtf8(text.mid(1, text.size() - 2));
  // A space after each colon and comma outside texts, as people write it.
  QString spaced;
  bool in_text = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    spaced += line[i];
    if (line[i] == u'"' && (i == 0 || line[i - 1] != u'\\')) in_text = !in_text;
    if (!in_text && (line[i] == u':' || line[i] == u',')) spaced += u' ';
  }
  return spaced;
}

// The fields in the order a reader looks for them, a list an item a line.
QByteArray OrderedText(const QJsonObject& object) {
  QStringList order = {"name", "key", "tag", "months", "intercalary", "leap", "leap_rule", "epoch"};
  for (const QString& key : object.keys()) {
    if (!order.contains(key)) order << key;
  }
  QStringList fields;
  for (const QString& key : order) {
    if (!object.contains(key)) continue;
    const QJsonValue value = object.value(key);
    QString field = QStringLiteral("  \"%1\": ").arg(key);
    if (value.isArray() && !value.toArray().isEmpty()) {
      QStringList items;
      for (const auto& item : value.toArray()) items << QStringLiteral("    ") + OneLine(item);
      field += QStringLiteral("[\n") + items.join(QStringLiteral(",\n")) + QStringLiteral("\n  ]");
    } else {
      field += OneLine(value);
    }
    fields << field;
  }
  return (QStringLiteral("{\n") + fields.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n"))
      .toUtf8();
}

}  // namespace

DefinitionForm FormOfDefinition(const QByteArray& contents) {
  DefinitionForm form;
  QJsonObject object = QJsonDocument::fromJson(contents).object();
  form.name = object.take(QStringLiteral("name")).toString();
  form.key = object.take(QStringLiteral("key")).toString();
  form.tag = object.take(QStringLiteral("tag")).toString();
  for (const auto& value : object.take(QStringLiteral("months")).toArray()) {
    const QJsonObject month = value.toObject();
    form.months.push_back({month.value("name").toString(), TextOf(month.value("days")),
                           TextOf(month.value("leap_days"))});
  }
  for (const auto& value : object.take(QStringLiteral("intercalary")).toArray()) {
    const QJsonObject day = value.toObject();
    form.intercalary.push_back({day.value("name").toString(), TextOf(day.value("after")),
                                day.value("leap_only").toBool()});
  }
  QStringList rules;
  for (const auto& rule : object.take(QStringLiteral("leap")).toArray()) {
    rules << OneLine(rule);
  }
  form.leap = rules.join(u'\n');
  form.leap_words = object.take(QStringLiteral("leap_rule")).toString();
  form.epoch = TextOf(object.take(QStringLiteral("epoch")));
  form.rest = object;
  return form;
}

QByteArray DefinitionText(const DefinitionForm& form) {
  QJsonObject object = form.rest;
  object.insert(QStringLiteral("name"), form.name);
  object.insert(QStringLiteral("key"), form.key);
  object.insert(QStringLiteral("tag"), form.tag);
  QJsonArray months;
  for (const DefinitionForm::Month& month : form.months) {
    QJsonObject written{{"name", month.name}, {"days", NumberOrText(month.days)}};
    if (!month.leap_days.trimmed().isEmpty() && month.leap_days.trimmed() != u"0") {
      written.insert(QStringLiteral("leap_days"), NumberOrText(month.leap_days));
    }
    months.append(written);
  }
  object.insert(QStringLiteral("months"), months);
  QJsonArray intercalary;
  for (const DefinitionForm::Intercalary& day : form.intercalary) {
    QJsonObject written{{"name", day.name}, {"after", NumberOrText(day.after)}};
    if (day.leap_only) written.insert(QStringLiteral("leap_only"), true);
    intercalary.append(written);
  }
  if (!intercalary.isEmpty()) object.insert(QStringLiteral("intercalary"), intercalary);
  QJsonArray rules;
  for (const QString& line : form.leap.split(u'\n', Qt::SkipEmptyParts)) {
    const QJsonDocument rule = QJsonDocument::fromJson(line.toUtf8());
    rules.append(rule.isObject() ? QJsonValue(rule.object()) : QJsonValue(line.trimmed()));
  }
  object.insert(QStringLiteral("leap"), rules);
  if (!form.leap_words.trimmed().isEmpty()) {
    object.insert(QStringLiteral("leap_rule"), form.leap_words.trimmed());
  }
  object.insert(QStringLiteral("epoch"), NumberOrText(form.epoch));
  return OrderedText(object);
}

DefinitionForm NewDefinitionForm() {
  DefinitionForm form;
  const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
  const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int i = 0; i < 12; ++i) {
    form.months.push_back({QString::fromLatin1(names[i]), QString::number(days[i]),
                           i == 1 ? QStringLiteral("1") : QString()});
  }
  form.leap = QStringLiteral("{\"every\":4}\n{\"every\":100,\"leap\":false}\n{\"every\":400}");
  form.leap_words = QStringLiteral("leap every 4 years, not every 100, every 400");
  form.epoch = QStringLiteral("1-01-01 CE");
  return form;
}

}  // namespace orv
