// Window geometry in twips, the unit of every position and size the program
// names: 1440 to the inch, so 15 to a logical pixel at 96 dpi. Qt scales the
// logical pixels for high-dpi screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
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

}  // namespace orv
