// A calendar definition file: one calendar a file, in JSON (a format every
// platform and script reads and writes, that a text editor shows as it is,
// and that Qt reads without another library):
//
//   {
//     "name": "Persian arithmetic (33-year)", "key": "persian-33", "tag": "PA",
//     "months": [{"name": "Farvardin", "days": 31}, ...,
//                {"name": "Esfand", "days": 29, "leap_days": 1}],
//     "intercalary": [{"name": "Year Day", "after": 13}],      (optional)
//     "leap": [{"linear": {"a": 25, "b": 11, "c": 33, "below": 8}}],
//     "leap_rule": "leap when (25y + 11) mod 33 < 8",           (optional)
//     "epoch": 1948320,                  (or a date of the table: "622-03-22 JC")
//     "range": {"first": ..., "last": ...}                      (optional)
//   }
//
// The leap rules, in order, the last that matches a year deciding:
//   {"every": 4}, {"every": 100, "leap": false}, {"every": 900, "remainders": [200, 600]},
//   {"cycle": 33, "offset": 1, "remainders": [3, 7, 11, 15, 19, 23, 27, 31]},
//   {"linear": {"a": 25, "b": 11, "c": 33, "below": 8}}: (a·y + b) mod c < below (a when
//     not given), y the year or, with "period" (and "shift", "sub_period"), (year −
//     shift) mod period, then mod sub_period:
//     {"a": 683, "b": 0, "c": 2820, "period": 2820, "shift": -2346, "sub_period": 768},
//   {"gregorian": true}
// A month's "leap_days" (1, or 7 for a week) are added in a leap year; an
// intercalary day with "leap_only": true is there in leap years only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "calendar/Proposal.h"
#include "core/Notice.h"

namespace orv {

// The rules a definition states, or what is wrong with it: "months[2].days:
// a month has 1 to 400 days". The file is only read.
struct ReadDefinition {
  std::shared_ptr<ProposalRules> rules;  // none when refused
  std::string refusal;                   // "field: reason"
};
ReadDefinition ReadCalendarDefinition(const QByteArray& contents);

// The definitions of the folders (every *.json of each, in name order), each
// added to the calendar table as it is read, or refused with its file, its
// field and the reason; a refused file keeps nothing from being loaded.
struct LoadedDefinition {
  QString file;
  const CalendarInfo* calendar = nullptr;  // none when refused
  QString refusal;                         // "file: field: reason"
};
std::vector<LoadedDefinition> LoadCalendarDefinitions(const QStringList& folders);
// One file so.
LoadedDefinition LoadCalendarDefinition(const QString& path);

// The file a calendar of the table was defined by; empty for a built-in one.
QString DefinitionFileOf(const CalendarInfo& calendar);

// Where definitions are: those shipped with the program (beside it in a build
// tree, share/orvantis/calendars installed), and the user's own, under the
// platform's data folder (~/.local/share/orvantis/calendars).
QString ShippedCalendarsFolder();
QString UserCalendarsFolder();

}  // namespace orv
