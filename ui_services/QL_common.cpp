#include "ui_services/QL_common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "core/ProgramTexts.h"

namespace orv {
namespace {

// Labels, frames, check boxes and option buttons: the controls that sit on
// the window's background.
bool SitsOnBackground(const QWidget* control) {
  return qobject_cast<const QLabel*>(control) || qobject_cast<const QGroupBox*>(control) ||
         qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control);
}

bool IsTextBox(const QWidget* control) {
  return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control) ||
         qobject_cast<const QPlainTextEdit*>(control);
}

void SetRole(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// The controls of the window itself, not those inside a list or another
// control (a combo box's own line edit belongs to the combo box).
QList<QWidget*> OwnControls(QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    QWidget* owner = child->parentWidget();
    bool inside_control = false;
    for (; owner != nullptr && owner != window; owner = owner->parentWidget()) {
      if (!qobject_cast<QGroupBox*>(owner)) inside_control = true;
    }
    if (!inside_control && child->window() == window) controls.append(child);
  }
  return controls;
}

}  // namespace

void SetControlsBackColor(QWidget* window, const QColor& colour) {
  // Children inherit the window's palette; the others keep the colour they
  // had, set on them explicitly before the window's changes.
  QList<std::pair<QWidget*, QColor>> kept;
  for (QWidget* control : OwnControls(window)) {
    if (!SitsOnBackground(control))
      kept.append({control, control->palette().color(QPalette::Window)});
  }
  window->setAutoFillBackground(true);
  SetRole(window, QPalette::Window, colour);
  for (QWidget* control : OwnControls(window)) {
    if (SitsOnBackground(control)) SetRole(control, QPalette::Window, colour);
  }
  for (const auto& [control, own] : kept) SetRole(control, QPalette::Window, own);
}

void SetControlsForeColor(QWidget* window, const QColor& colour) {
  for (QWidget* control : OwnControls(window)) {
    if (SitsOnBackground(control)) SetRole(control, QPalette::WindowText, colour);
  }
}

void SetControlsFontName(QWidget* window, const QString& face, bool include_text_boxes,
                         bool include_buttons) {
  for (QWidget* control : OwnControls(window)) {
    const bool button = qobject_cast<QPushButton*>(control) != nullptr;
    const bool list = qobject_cast<QComboBox*>(control) != nullptr;
    const bool text_box = IsTextBox(control);
    if (SitsOnBackground(control) || button || list || (text_box && include_text_boxes) ||
        (button && include_buttons)) {
      // One that has the face already (from its window) is left as it is:
      // the same font again changes nothing on screen, but a list box would
      // build its drop-down list at once rather than when it first drops down.
      if (control->font().family() == face) continue;
      QFont font = control->font();
      font.setFamily(face);
      control->setFont(font);
    }
  }
}

bool SetFocusIfAvailable(QAbstractButton* button) {
  if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
  button->setFocus();
  return true;
}

void ShowProgramCaption(QWidget* main_window) {
  main_window->setWindowTitle(ProgramTitleWithVersion());
}

}  // namespace orv
