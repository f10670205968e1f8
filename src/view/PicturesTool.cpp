// Build step: draws each SVG picture named at its own size, with the program's own drawing,
// into <folder>/<name> as the program reads it back. The program then shows a picture at that
// size without parsing or drawing its SVG.
// Usage: draw_pictures <folder> <picture.svg>...
#include "view/PicturesSvg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <cstdio>

namespace {

// What draws "Comic Sans MS" bold, the pictures' only font, if it is not the font itself or
// Comic Neue Bold, which fontconfig puts in its place; empty if it is. Without them fontconfig
// falls back on whatever it has (a calligraphic italic on Debian), and every caption and digit
// would be compiled in that way.
QString substituteFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    const QFontInfo info(font);
    // A family that more than one foundry makes is named "Family [foundry]".
    const QString family = info.family().section(QStringLiteral(" ["), 0, 0);
    // The style, not bold(): a bold made up from the regular face still says it is bold.
    const bool own = (family == QLatin1String("Comic Neue") || family == QLatin1String("Comic Sans MS")) &&
                     info.styleName() == QLatin1String("Bold");
    return own ? QString() : info.family() + u' ' + info.styleName();
}

} // namespace

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
    QStringList outputs;
    for (int i = 2; i < argc; ++i)
        outputs << folder.filePath(QFileInfo(QString::fromLocal8Bit(argv[i])).completeBaseName());
    // A failure leaves none of the pictures, old or half written: the build tool keeps what a
    // failed step wrote, and by the files' times it could take them for up to date.
    const auto fail = [&outputs](const QString& why) {
        for (const QString& out : outputs)
            QFile::remove(out);
        std::fprintf(stderr, "draw_pictures: %s\n", qPrintable(why));
        return 1;
    };
    if (const QString substitute = substituteFont(); !substitute.isEmpty())
        return fail(
            QStringLiteral("the pictures' font Comic Neue Bold is missing (\"Comic Sans MS\" bold would be "
                           "drawn in %1): install fonts-comic-neue and build again")
                .arg(substitute));
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer svg(path);
        QFile out(outputs[i - 2]);
        if (!svg.isValid() || svg.defaultSize().isEmpty() || !out.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot draw %1 into %2").arg(path, out.fileName()));
        const QImage img = view::pictures::drawSvg(svg, svg.defaultSize(), svg.defaultSize());
        const quint32 size[2] = {quint32(img.width()), quint32(img.height())};
        static_assert(sizeof size == view::pictures::kDrawnHeader);
        if (out.write(reinterpret_cast<const char*>(size), sizeof size) != sizeof size ||
            out.write(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()) !=
                img.sizeInBytes() ||
            !out.flush())
            return fail(QStringLiteral("cannot write %1").arg(out.fileName()));
    }
    return 0;
}
