#pragma once

#include <QRect>

namespace lw {

class IniFile;

// The main window's stored place and size ("screenleft", "screentop",
// "screenwidth", "screenheight") brought onto the available screen: a size
// larger than the screen shrinks to it, a size of zero or less takes the
// designed 640 by 480 (within the screen), and the window is moved so that
// it lies wholly on the screen. Any stored integers are safe, the extremes
// included.
QRect ClampToScreen(int left, int top, int width, int height, const QRect& available);

// The main window's place and size as stored in section "Options" of the
// settings file (defaults 0, 0, 640, 480), clamped to the available screen.
QRect StoredWindowGeometry(const IniFile& settings, const QRect& available);

} // namespace lw
