#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace view::pictures {

// The one drawing of an SVG picture, shared by the program and by the build step that draws
// every picture beforehand: drawn over a box of size `drawing` from the top left, on a
// transparent canvas of size `canvas`.
QImage drawSvg(QSvgRenderer& svg, QSize canvas, QSize drawing);

// A picture drawn beforehand at its own size, as it is compiled in: its width and height
// (native 32-bit integers), then its pixels, row by row, premultiplied ARGB.
constexpr QImage::Format kDrawnFormat = QImage::Format_ARGB32_Premultiplied;
constexpr qsizetype kDrawnHeader = 8;

} // namespace view::pictures
