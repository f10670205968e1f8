#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace view::pictures {

// The one drawing of an SVG picture: over a box of size `drawing` from the top left, on a
// transparent canvas of size `canvas`.
QImage drawSvg(QSvgRenderer& svg, QSize canvas, QSize drawing);

} // namespace view::pictures
