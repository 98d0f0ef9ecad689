#include "ui_services/MessageBox.h"

#include <QMessageBox>
#include <utility>

namespace orv {
namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

QMessageBox::Icon IconFor(MessageStyle style) {
  switch (style) {
    case MessageStyle::kStop:
      return QMessageBox::Critical;
    case MessageStyle::kExclamation:
      return QMessageBox::Warning;
    case MessageStyle::kInformation:
      return QMessageBox::Information;
    case MessageStyle::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer ShowMessageBox(const MessageRequest& request, QWidget* parent) {
  if (Handler()) return Handler()(request);
  const bool yes_no = request.buttons == MessageButtons::kYesNo;
  QMessageBox box(IconFor(request.style), request.title, request.text,
                  yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  const int answer = box.exec();
  if (!yes_no) return MessageAnswer::kOk;
  return answer == QMessageBox::Yes ? MessageAnswer::kYes : MessageAnswer::kNo;
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

MessageRequest MessageOf(const Notice& notice, const QString& title) {
  MessageStyle style = MessageStyle::kInformation;
  QString own_title = kCalculationTitle;
  switch (notice.kind) {
    case NoticeKind::kNoNotation:
    case NoticeKind::kNoTag:
      style = MessageStyle::kNone;
      break;
    case NoticeKind::kInconsistentTags:
    case NoticeKind::kUnknownTag:
    case NoticeKind::kBeyondCalendar:
    case NoticeKind::kNoSuchMonth:
    case NoticeKind::kNoLeapMonth:
    case NoticeKind::kNoSuchWeek:
    case NoticeKind::kDayPastMonthEnd:
    case NoticeKind::kSkippedDays:
    case NoticeKind::kOtherDeeVersion:
    case NoticeKind::kDualYearMismatch:
    case NoticeKind::kNoDayInLegalYear:
    case NoticeKind::kSwitchedOver:
    case NoticeKind::kTwiceInLegalYear:
    case NoticeKind::kInvalidTime:
    case NoticeKind::kInvalidDate:
    case NoticeKind::kDateOutOfRange:
    case NoticeKind::kInvalidYear:
    case NoticeKind::kYearOutOfRange:
    case NoticeKind::kDefinitionRefused:
    case NoticeKind::kDefinitionFileError:
    case NoticeKind::kShippedDefinition:
      style = MessageStyle::kExclamation;
      break;
    case NoticeKind::kNoSuchDate:
      own_title = kInvalidInputTitle;
      break;
    case NoticeKind::kInvalidDayNumber:
    case NoticeKind::kDayNumberOutOfRange:
      own_title = QStringLiteral("Julian day number");
      break;
    case NoticeKind::kSequenceEnds:
      own_title = kReportTitle;
      break;
    case NoticeKind::kEquinoxYearOutOfRange:
      own_title = QStringLiteral("Out of range");
      break;
    case NoticeKind::kEraTag:
    case NoticeKind::kYearNotPositive:
    case NoticeKind::kNoYearsAndMonths:
    case NoticeKind::kNegativeAmount:
    case NoticeKind::kInvalidAmount:
    case NoticeKind::kOnWeekdayInNeither:
    case NoticeKind::kOnWeekdayInBoth:
    case NoticeKind::kNotUtf8:
    case NoticeKind::kUnknownField:
      break;
  }
  return MessageRequest{NoticeText(notice), style, MessageButtons::kOk,
                        title.isEmpty() ? own_title : title};
}

UserMessage MessageOf(const UserNotice& notice, const QString& title) {
  if (!notice) return std::nullopt;
  return MessageOf(*notice, title);
}

MessageBoxRecorder::MessageBoxRecorder() {
  SetMessageBoxHandler([this](const MessageRequest& request) {
    requests.push_back(request);
    if (request.buttons == MessageButtons::kOk) return MessageAnswer::kOk;
    if (answers.empty()) return MessageAnswer::kYes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(nullptr); }

}  // namespace orv
