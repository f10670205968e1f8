#include "view/Pictures.h"

#include "view/PicturesSvg.h"

#include <QHash>
#include <QSvgRenderer>
#include <memory>

namespace view::pictures {

namespace {

QSvgRenderer* renderer(const std::string& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    const QString key = QString::fromStdString(name);
    auto it = cache.find(key);
    if (it == cache.end()) {
        auto r = std::make_shared<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(key));
        it = cache.insert(key, r);
    }
    return it.value()->isValid() ? it.value().get() : nullptr;
}

// Grey and pale: how a switched-off button looks.
QImage greyedCopy(const QImage& source) {
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int g = 150 + qGray(p) * 100 / 255;
            line[x] = qRgba(g, g, g, qAlpha(p) * 3 / 4);
        }
    }
    return out;
}

// The picture drawn over a box of size `drawing`, on a canvas of size `canvas`.
QImage drawn(const std::string& name, QSize canvas, QSize drawing) {
    if (QSvgRenderer* r = renderer(name)) return drawSvg(*r, canvas, drawing);
    QImage empty(canvas, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);
    return empty;
}

} // namespace

bool exists(const std::string& name) {
    return !name.empty() && renderer(name) != nullptr;
}

QSize naturalSize(const std::string& name) {
    QSvgRenderer* r = renderer(name);
    return r != nullptr ? r->defaultSize() : QSize();
}

QImage image(const std::string& name, QSize size, bool greyed) {
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1/%2x%3/%4")
                            .arg(QString::fromStdString(name))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(greyed ? 1 : 0);
    auto it = cache.find(key);
    if (it != cache.end()) return it.value();
    QImage img = drawn(name, size, size);
    if (greyed) img = greyedCopy(img);
    cache.insert(key, img);
    return img;
}

QImage cropped(const std::string& name, QSize size) {
    const QSize natural = naturalSize(name);
    return drawn(name, natural.boundedTo(size), natural);
}

} // namespace view::pictures
