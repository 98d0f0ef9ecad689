// Where the program's windows open: wholly on the screen that holds the
// window they belong to (its available area, without the panels), whatever
// the size of that screen. Every window but the main window opens through
// these.
#pragma once

#include <QPoint>
#include <QWidget>

namespace orv {

// Puts the window's outer top-left corner at `top_left` (screen pixels),
// moved as little as needed to lie wholly on the owner's screen (the screen
// at `top_left` when there is no owner); a window larger than that screen is
// made smaller where its minimum size allows. A window not yet shown is taken
// to get the frame the owner has.
void PlaceOnOwnersScreen(QWidget& window, QPoint top_left, const QWidget* owner);

// Beside the owner, on its right (its left when only that side has room),
// top edges level; on the owner's screen as above.
void PlaceBesideOwner(QWidget& window, const QWidget& owner);

// Centred over the owner; on the owner's screen as above.
void PlaceOverOwner(QWidget& window, const QWidget& owner);

}  // namespace orv
