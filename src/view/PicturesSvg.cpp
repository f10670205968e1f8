#include "view/PicturesSvg.h"

#include <QPainter>
#include <QSvgRenderer>

namespace view::pictures {

QImage drawSvg(QSvgRenderer& svg, QSize canvas, QSize drawing) {
    QImage img(canvas, kDrawnFormat);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(drawing)));
    return img;
}

} // namespace view::pictures
