#include "view/Pictures.h"

#include "view/PicturesSvg.h"

#include <QHash>
#include <QResource>
#include <QSvgRenderer>
#include <cstring>
#include <memory>

// Outside any namespace, as Qt asks.
static void initDrawnPictures() {
    Q_INIT_RESOURCE(drawn_pictures);
}

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

// The picture drawn over a box of size `drawing`, on a canvas of size `canvas`: when it is
// drawn at its own size and the canvas holds no more than that, the top left of the picture
// drawn beforehand, sharing its pixels (they are compiled in and stay); else from its SVG.
QImage drawnAt(const std::string& name, QSize canvas, QSize drawing) {
    const QImage whole = prerendered(name);
    if (!whole.isNull() && drawing == whole.size() && canvas.boundedTo(drawing) == canvas)
        return QImage(whole.constBits(), canvas.width(), canvas.height(), whole.bytesPerLine(),
                      whole.format());
    if (QSvgRenderer* r = renderer(name)) return drawSvg(*r, canvas, drawing);
    QImage empty(canvas, kDrawnFormat);
    empty.fill(Qt::transparent);
    return empty;
}

} // namespace

QImage prerendered(const std::string& name) {
    static const bool ready = (initDrawnPictures(), true);
    (void)ready;
    const QResource resource(QStringLiteral(":/drawn/%1").arg(QString::fromStdString(name)));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
    const qsizetype bytes = resource.size();
    quint32 size[2] = {0, 0};
    if (bytes < kDrawnHeader) return {};
    std::memcpy(size, resource.data(), sizeof size);
    const qsizetype w = size[0], h = size[1];
    if (bytes != kDrawnHeader + w * h * 4) return {};
    const uchar* pixels = resource.data() + kDrawnHeader;
    // Shares the pixels, which are compiled in and stay, if they lie on 32-bit boundaries
    // as QImage wants them.
    if (reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0)
        return QImage(pixels, int(w), int(h), int(w * 4), kDrawnFormat);
    QImage copy(int(w), int(h), kDrawnFormat);
    std::memcpy(copy.bits(), pixels, std::size_t(w * h * 4));
    return copy;
}

bool exists(const std::string& name) {
    return !name.empty() && (!prerendered(name).isNull() || renderer(name) != nullptr);
}

QSize naturalSize(const std::string& name) {
    if (const QImage d = prerendered(name); !d.isNull()) return d.size();
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
    QImage img = drawnAt(name, size, size);
    if (greyed) img = greyedCopy(img);
    cache.insert(key, img);
    return img;
}

QImage cropped(const std::string& name, QSize size) {
    const QSize natural = naturalSize(name);
    return drawnAt(name, natural.boundedTo(size), natural);
}

} // namespace view::pictures
