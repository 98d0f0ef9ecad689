// A definition through the form and back: every shipped one reads to the
// same calendar, and what is typed wrong is refused naming its field.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/DefinitionForm.h"
#include "core/ProposalFile.h"

namespace orv {
namespace {

TEST(DefinitionForm, EveryShippedDefinitionReadsTheSameThroughTheForm) {
  const QDir folder(QStringLiteral(SHIPPED_CALENDARS_DIR));
  for (const QString& name : folder.entryList({QStringLiteral("*.json")})) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    const ReadDefinition read = ReadCalendarDefinition(original);
    const ReadDefinition again = ReadCalendarDefinition(DefinitionText(FormOfDefinition(original)));
    ASSERT_TRUE(again.rules) << name.toStdString() << ": " << again.refusal;
    EXPECT_EQ(again.rules->name + again.rules->key + again.rules->tag + again.rules->leap_words,
              read.rules->name + read.rules->key + read.rules->tag + read.rules->leap_words);
    EXPECT_EQ(again.rules->epoch, read.rules->epoch) << name.toStdString();
    EXPECT_EQ(again.rules->common_year, read.rules->common_year) << name.toStdString();
    EXPECT_EQ(again.rules->leaps_a_period, read.rules->leaps_a_period) << name.toStdString();
    EXPECT_EQ(again.rules->intercalary.size(), read.rules->intercalary.size());
  }
}

TEST(DefinitionForm, WhatIsTypedWrongIsRefusedNamingItsField) {
  struct Case {
    void (*change)(DefinitionForm&);
    const char* refusal;
  };
  for (const Case& c : std::initializer_list<Case>{
           {[](DefinitionForm& f) { f.months[1].days = "twenty"; },
            "months[1].days: a whole number from 1 to 400 is needed"},
           {[](DefinitionForm& f) { f.months[1].leap_days = "2"; },
            "months[1].leap_days: a leap year adds a day (1) or a week (7)"},
           {[](DefinitionForm& f) { f.leap = "every 4"; }, "leap[0]: "},
           {[](DefinitionForm& f) { f.epoch = "no day"; }, "epoch: "},
       }) {
    DefinitionForm form = NewDefinitionForm();
    form.name = "Mine";
    form.key = "mine";
    form.tag = "MI";
    ASSERT_TRUE(ReadCalendarDefinition(DefinitionText(form)).rules);
    c.change(form);
    EXPECT_EQ(ReadCalendarDefinition(DefinitionText(form)).refusal.rfind(c.refusal, 0), 0U)
        << ReadCalendarDefinition(DefinitionText(form)).refusal;
  }
}

}  // namespace
}  // namespace orv
