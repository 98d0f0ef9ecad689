// What every window of the program shares: its colours, font face and caption,
// and moving the focus after a click.
//
// Colours and faces go by the kind of control: labels, frames, check boxes and
// option buttons take the window's colours; buttons, text boxes and lists keep
// their own, so they stay recognisable as things to click and type in.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <QWidget>

namespace orv {

// The window and its labels, frames, check boxes and option buttons get the
// background colour; buttons, text boxes and lists keep theirs.
void SetControlsBackColor(QWidget* window, const QColor& colour);

// Labels, frames, check boxes and option buttons get the text colour.
void SetControlsForeColor(QWidget* window, const QColor& colour);

// Labels, frames, check boxes, option buttons, buttons and lists get the font
// face (size and style unchanged); text boxes too when include_text_boxes.
// Those that have the face already (from the window's font) are left alone.
void SetControlsFontName(QWidget* window, const QString& face, bool include_text_boxes,
                         bool include_buttons);

// Gives the button the focus when it is visible and enabled; says whether it did.
bool SetFocusIfAvailable(QAbstractButton* button);

// The main window's caption: "Orvantis 1.06".
void ShowProgramCaption(QWidget* main_window);

}  // namespace orv
