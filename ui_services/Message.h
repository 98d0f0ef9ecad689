// A message box the windows show: its text, icon, buttons and title
// (ui_services/MessageBox.h shows it), and the box of a notice of the
// program's logic (core/Notice.h).
#pragma once

#include <QString>
#include <optional>

#include "core/Notice.h"

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

// A message to show, if any.
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

// The box of a notice: its words, the icon of its kind, and the title given
// or, without one, its kind's own ("Invalid input" for a date that does not
// exist, "Julian day number", "Out of range", "Do it" for the end of a
// sequence) or else "Calculate".
MessageRequest MessageOf(const Notice& notice, const QString& title = {});
UserMessage MessageOf(const UserNotice& notice, const QString& title = {});

}  // namespace orv
