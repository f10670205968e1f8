#pragma once

#include "forms/Control.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QRect>

namespace view {

// 15 twips are one pixel at 96 dpi; every size in the forms is in twips.
inline int px(int twips) {
    return (twips * 2 + 15) / 30;
}

inline QRect pxRect(const forms::Control& c) {
    return QRect(px(c.left), px(c.top), px(c.width), px(c.height));
}

// A line's two ends in pixels, for a pen with flat ends: drawn to one pixel past its right (or
// lower) end, it covers the pixels from one end point to the other, both included, as a shape
// covers its box's. Its width lies across it, half on either side.
inline QLine pxLine(const forms::Control& c) {
    QPoint a(px(c.left), px(c.top)), b(px(c.x2), px(c.y2));
    if (a.x() != b.x()) {
        (a.x() < b.x() ? b : a).rx() += 1;
    } else {
        (a.y() < b.y() ? b : a).ry() += 1;
    }
    return {a, b};
}

inline QColor qcolor(forms::Rgb rgb) {
    return QColor::fromRgb(rgb);
}

// Point sizes are taken at 96 dpi, as the twips are, whatever the screen says.
inline QFont qfont(const forms::Font& f) {
    QFont font(QString::fromStdString(f.family));
    font.setPixelSize(static_cast<int>(f.points * 96.0 / 72.0 + 0.5));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

} // namespace view
