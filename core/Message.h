// A message the program's logic asks its front end to give: the windows show
// it in a message box (ui_services/MessageBox.h), the command line prints its
// text. Nothing here shows anything.
#pragma once

#include <QString>
#include <optional>

namespace orv {

// The icon of a message.
enum class MessageStyle { kNone, kStop, kExclamation, kInformation };
enum class MessageButtons { kOk, kYesNo };
enum class MessageAnswer { kOk, kYes, kNo };

struct MessageRequest {
  QString text;
  MessageStyle style = MessageStyle::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  QString title;
  friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

// A message that logic asks its front end to show, if any.
using UserMessage = std::optional<MessageRequest>;

// The titles of the program's messages: a message about a calculation is
// titled as the action the user took ("Calculate"), one about a report run as
// the report's ("Do it"); refused input as such.
inline const QString kCalculationTitle = QStringLiteral("Calculate");
inline const QString kInvalidInputTitle = QStringLiteral("Invalid input");
inline const QString kReportTitle = QStringLiteral("Do it");

inline MessageRequest Message(const QString& text, MessageStyle style,
                              const QString& title = kCalculationTitle) {
  return MessageRequest{text, style, MessageButtons::kOk, title};
}

}  // namespace orv
