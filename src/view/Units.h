#pragma once

#include "forms/Control.h"

#include <QColor>
#include <QFont>
#include <QRect>

namespace view {

// 15 twips are one pixel at 96 dpi; every size in the forms is in twips.
inline int px(int twips) {
    return (twips * 2 + 15) / 30;
}

inline QRect pxRect(const forms::Control& c) {
    return QRect(px(c.left), px(c.top), px(c.width), px(c.height));
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
