// Small operations every window of the program shares.
#pragma once

#include <QAbstractButton>

namespace orv {

// Gives the button the focus when it is visible and enabled; says whether it did.
inline bool SetFocusIfAvailable(QAbstractButton* button) {
  if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
  button->setFocus();
  return true;
}

}  // namespace orv
