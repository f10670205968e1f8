// Build step: draws each SVG picture named at its own size, with the program's own drawing,
// into <folder>/<name> as the program reads it back. The program then shows a picture at that
// size without parsing or drawing its SVG.
// Usage: draw_pictures <folder> <picture.svg>...
#include "view/PicturesSvg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // Fonts need an application, a build needs no display, and the drawing depends on
    // neither the platform nor the scale.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: draw_pictures <folder> <picture.svg>...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer svg(path);
        QFile out(folder.filePath(QFileInfo(path).completeBaseName()));
        if (!svg.isValid() || svg.defaultSize().isEmpty() || !out.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "draw_pictures: cannot draw %s into %s\n", argv[i],
                         qPrintable(out.fileName()));
            return 1;
        }
        const QImage img = view::pictures::drawSvg(svg, svg.defaultSize(), svg.defaultSize());
        const quint32 size[2] = {quint32(img.width()), quint32(img.height())};
        static_assert(sizeof size == view::pictures::kDrawnHeader);
        if (out.write(reinterpret_cast<const char*>(size), sizeof size) != sizeof size ||
            out.write(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()) !=
                img.sizeInBytes() ||
            !out.flush()) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
