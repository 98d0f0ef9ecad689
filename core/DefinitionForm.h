// A calendar definition as the definition form shows it: its fields as the
// user types them, read from a definition file's text and written back to
// one. What the form does not show (a range) is kept as it was.
//
//   DefinitionForm form = FormOfDefinition(file_text);
//   form.months[12].days = "6";
//   ReadCalendarDefinition(DefinitionText(form)).refusal;  // what is wrong, as typed
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <vector>

namespace orv {

struct DefinitionForm {
  QString name, key, tag;
  struct Month {
    QString name, days, leap_days;  // leap days: empty, "1" (a day) or "7" (a week)
  };
  std::vector<Month> months;
  struct Intercalary {
    QString name, after;  // after the month numbered so (0: before the first)
    bool leap_only = false;
  };
  std::vector<Intercalary> intercalary;
  // The leap rules, one a line as the file writes them ({"every": 4}), the
  // last that matches a year deciding; and the rule in words.
  QString leap, leap_words;
  QString epoch;     // a day number, or a date of the table ("284-08-29 JC")
  QJsonObject rest;  // the fields the form does not show
};

// The form of a definition's text; a text that is no JSON object gives an
// empty form.
DefinitionForm FormOfDefinition(const QByteArray& contents);

// The definition's text, indented: a number typed where the file has a
// number is written as one, anything else as typed (and refused as such by
// ReadCalendarDefinition, naming the field).
QByteArray DefinitionText(const DefinitionForm& form);

// An empty form to begin a new definition with: twelve Gregorian months and
// the Gregorian rules, from the Gregorian 1 January of year 1.
DefinitionForm NewDefinitionForm();

}  // namespace orv
