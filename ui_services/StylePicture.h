// The picture the Fusion style draws every group box's frame from, read as
// PNG before the first frame is painted.
//
// The style reads it with QPixmap's format detection, which loads every image
// plugin Qt has (Qt SVG, JPEG, GIF, ICO: about 0.45 MiB and a few
// milliseconds of every start) to ask each whether it reads a ".png" file.
// QPixmap keeps what it reads from a file in QPixmapCache under a key made of
// the file's path, time, size and pixel type, and looks there first; the
// picture read here goes under that key, so the style finds it there.
#pragma once

namespace orv {

// Does nothing unless the application's style is Fusion and the picture is
// there. Should Qt's key ever change, the style reads the picture itself, as
// before: the frames look the same either way.
void ReadGroupBoxFrameAsPng();

}  // namespace orv
