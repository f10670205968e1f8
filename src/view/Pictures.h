#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <string>

namespace view {

// The program's pictures (":/pictures/<name>.svg"), drawn at any size. Each is also drawn at
// its own size when the program is built, and shown at that size as drawn then.
namespace pictures {

bool exists(const std::string& name);
// The picture's own size in pixels.
QSize naturalSize(const std::string& name);
// The picture drawn to fill size; greyed for a disabled control.
QImage image(const std::string& name, QSize size, bool greyed = false);
// The picture at its own size from the top left, only as much of it as fits in size
// (a window's background, which may be larger than the window).
QImage cropped(const std::string& name, QSize size);
// The picture as drawn when the program was built, at its own size; null if it was not.
QImage prerendered(const std::string& name);

} // namespace pictures
} // namespace view
