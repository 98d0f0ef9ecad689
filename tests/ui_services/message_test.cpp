#include <gtest/gtest.h>

#include "tests/PrintQString.h"
#include "ui_services/Message.h"

namespace orv {
namespace {

// Each notice's box: the icon of its kind; the title given, else its kind's
// own, else the calculation's.
TEST(MessageOf, IconAndTitleOfEachKind) {
  struct Case {
    Notice notice;
    MessageStyle style;
    QString title;
  };
  const Case cases[] = {
      {Notice{NoticeKind::kNoNotation}, MessageStyle::kNone, "Calculate"},
      {Notice{NoticeKind::kNoTag}, MessageStyle::kNone, "Calculate"},
      {Notice{NoticeKind::kInconsistentTags}, MessageStyle::kExclamation, "Calculate"},
      {Notice{NoticeKind::kDateOutOfRange}, MessageStyle::kExclamation, "Calculate"},
      {Notice{NoticeKind::kInvalidYear}, MessageStyle::kExclamation, "Calculate"},
      {Notice{NoticeKind::kYearOutOfRange}, MessageStyle::kExclamation, "Calculate"},
      {Notice{NoticeKind::kEraTag}, MessageStyle::kInformation, "Calculate"},
      {Notice{NoticeKind::kYearNotPositive}, MessageStyle::kInformation, "Calculate"},
      {Notice{NoticeKind::kNegativeAmount}, MessageStyle::kInformation, "Calculate"},
      {Notice{NoticeKind::kOnWeekdayInBoth, {}, 6}, MessageStyle::kInformation, "Calculate"},
      {Notice{NoticeKind::kNoSuchDate}, MessageStyle::kInformation, "Invalid input"},
      {Notice{NoticeKind::kInvalidDayNumber}, MessageStyle::kInformation, "Julian day number"},
      {Notice{NoticeKind::kSequenceEnds}, MessageStyle::kInformation, "Do it"},
      {Notice{NoticeKind::kEquinoxYearOutOfRange}, MessageStyle::kInformation, "Out of range"},
  };
  for (const Case& c : cases) {
    const MessageRequest box = MessageOf(c.notice);
    EXPECT_EQ(box.text, NoticeText(c.notice));
    EXPECT_EQ(box.style, c.style) << box.text.toStdString();
    EXPECT_EQ(box.title, c.title) << box.text.toStdString();
    EXPECT_EQ(box.buttons, MessageButtons::kOk);
    EXPECT_EQ(MessageOf(c.notice, "Do it").title, "Do it") << box.text.toStdString();
  }
  EXPECT_EQ(MessageOf(UserNotice()), std::nullopt);
}

// The words that name facts: the weekday, the calendar and year of a
// February 29 that does not exist, the equinox years.
TEST(MessageOf, WordsNamingTheirFacts) {
  EXPECT_EQ(NoticeText(Notice{NoticeKind::kOnWeekdayInNeither, {}, 0}),
            "The input date is not a Sunday in either the Gregorian Calendar or the Julian.");
  EXPECT_EQ(
      NoticeText(Notice{NoticeKind::kNoSuchDate, "Dee-Cecil", 33}),
      "The input date is invalid.\r\n\r\nIn the Dee-Cecil Calendar\r\n33 is not a leap year.");
  EXPECT_EQ(NoticeText(Notice{NoticeKind::kEquinoxYearOutOfRange}),
            "Vernal equinoxes are calculated only for years in the range 1 through 4000.");
}

}  // namespace
}  // namespace orv
