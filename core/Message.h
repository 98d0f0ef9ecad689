// A message the program's logic asks its front end to give: the windows show
// it in a message box (ui_services/MessageBox.h), the command line prints its
// text. Nothing here shows anything.
#pragma once

#include <QString>
#include <optional>

namespace orv {

// The icon of a message; the values are the classic style codes.
enum class MessageStyle { kNone = 0, kStop = 16, kExclamation = 48, kInformation = 64 };
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

// The caption of the main window's Calculate button, the title of most of its
// messages; the report windows title theirs with their "Do it" button.
inline const QString kCalculateCaption = QStringLiteral("Calculate");
inline const QString kInvalidInputTitle = QStringLiteral("Invalid input");
inline const QString kDoItCaption = QStringLiteral("Do it");

inline MessageRequest Message(const QString& text, MessageStyle style,
                              const QString& title = kCalculateCaption) {
  return MessageRequest{text, style, MessageButtons::kOk, title};
}

}  // namespace orv
