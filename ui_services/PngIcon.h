// An icon drawn at several sizes as PNG files, each read only when first
// asked for: the window system asks for the window icon's sizes when it
// shows the window (X11) or never (Wayland, offscreen). QIcon::addFile reads
// every file at once, and to find their format loads every image plugin
// (Qt SVG with them): a few milliseconds of every start.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>

namespace orv {

// pattern names the files with %1 for the size in pixels
// (":/icons/orvantis-%1.png"); sizes are the square sizes drawn.
QIcon PngIcon(const QString& pattern, const QList<int>& sizes);

}  // namespace orv
