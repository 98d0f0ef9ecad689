// Window geometry in twips, the unit of every position and size the program
// names: 1440 to the inch, so 15 to a logical pixel at 96 dpi. Qt scales the
// logical pixels for high-dpi screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace orv {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel.
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}
inline QPoint TwipsPoint(int left, int top) {
  return QPoint(TwipsToPixels(left), TwipsToPixels(top));
}
inline QSize TwipsSize(int width, int height) {
  return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

// Where a window's outer rectangle goes so that it lies wholly within a
// screen's available area: moved as little as it must be, and, when it is
// wider or higher than the area, cut to the area's width or height.
//   WithinArea({700, 500, 300, 200}, {0, 0, 800, 600})  // {500, 400, 300, 200}
inline QRect WithinArea(const QRect& frame, const QRect& area) {
  const int width = std::min(frame.width(), area.width());
  const int height = std::min(frame.height(), area.height());
  const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - width);
  const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - height);
  return {left, top, width, height};
}

// Where a window of outer size `size` opens beside its owner's outer
// rectangle, `gap` pixels apart: on the owner's right, top edges level; else
// on its left; else below it, left edges level; when none has room for the
// whole window, on the side (right or left) with the more room, within the
// area as WithinArea puts it.
inline QRect BesideOwner(const QRect& owner, const QSize& size, const QRect& area, int gap) {
  const int right = owner.left() + owner.width() + gap;
  const int left = owner.left() - gap - size.width();
  const int below = owner.top() + owner.height() + gap;
  const int room_right = area.left() + area.width() - right;
  const int room_left = owner.left() - gap - area.left();
  QPoint top_left(room_right >= room_left ? right : left, owner.top());
  if (room_right >= size.width()) {
    top_left = {right, owner.top()};
  } else if (room_left >= size.width()) {
    top_left = {left, owner.top()};
  } else if (below + size.height() <= area.top() + area.height()) {
    top_left = {owner.left(), below};
  }
  return WithinArea({top_left, size}, area);
}

}  // namespace orv
