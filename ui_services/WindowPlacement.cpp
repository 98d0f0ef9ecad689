#include "ui_services/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include "ui_services/Geometry.h"

namespace orv {
namespace {

// The frame around a window's client area: its own once it is shown, else the
// owner's (the same window manager draws both), else none.
QMargins FrameOf(const QWidget& window, const QWidget* owner) {
  const QWidget* framed = window.isVisible() || owner == nullptr ? &window : owner->window();
  const QRect outer = framed->frameGeometry();
  const QRect inner = framed->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

QRect AvailableArea(QPoint top_left, const QWidget* owner) {
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::screenAt(top_left);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect(top_left, QSize(1 << 20, 1 << 20));
}

QSize OuterSize(const QWidget& window, const QMargins& frame) {
  return window.size().grownBy(frame);
}

}  // namespace

void PlaceOnOwnersScreen(QWidget& window, QPoint top_left, const QWidget* owner) {
  const QMargins frame = FrameOf(window, owner);
  const QRect area = AvailableArea(top_left, owner);
  QRect placed = WithinArea({top_left, OuterSize(window, frame)}, area);
  if (placed.size() != OuterSize(window, frame)) {
    window.resize(placed.size().shrunkBy(frame).expandedTo(window.minimumSize()));
    placed = WithinArea({top_left, OuterSize(window, frame)}, area);
  }
  window.move(placed.topLeft());
}

void PlaceBesideOwner(QWidget& window, const QWidget& owner) {
  const QWidget& owner_window = *owner.window();
  const QRect area = AvailableArea(owner_window.frameGeometry().topLeft(), &owner_window);
  const QSize size = OuterSize(window, FrameOf(window, &owner_window));
  const QRect beside = BesideOwner(owner_window.frameGeometry(), size, area, TwipsToPixels(120));
  PlaceOnOwnersScreen(window, beside.topLeft(), &owner_window);
}

void PlaceOverOwner(QWidget& window, const QWidget& owner) {
  const QWidget& owner_window = *owner.window();
  const QSize size = OuterSize(window, FrameOf(window, &owner_window));
  const QPoint centre = owner_window.frameGeometry().center();
  PlaceOnOwnersScreen(window, centre - QPoint(size.width() / 2, size.height() / 2), &owner_window);
}

}  // namespace orv
