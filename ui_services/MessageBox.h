// The program's one way of showing a message box.
//
// Every message the program gives goes through ShowMessageBox, so tests can
// replace the real QMessageBox with a recorder (MessageBoxRecorder below) that
// logs each call and answers from a script; no test ever waits on a modal box.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ui_services/Message.h"

class QWidget;

namespace orv {

// Shows the message modally and returns the answer (kOk for an OK box).
MessageAnswer ShowMessageBox(const MessageRequest& request, QWidget* parent = nullptr);

// Replaces the real message box; an empty function restores it.
using MessageBoxHandler = std::function<MessageAnswer(const MessageRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// For tests: while it lives, records every message instead of showing it and
// answers Yes/No boxes from the queue (kYes when the queue is empty).
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<MessageRequest> requests;
  std::deque<MessageAnswer> answers;
};

}  // namespace orv
