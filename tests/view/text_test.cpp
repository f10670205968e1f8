#include "view/ControlWidgets.h"
#include "view/Units.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Text laid out once is drawn where QPainter::drawText draws it, in every alignment, wrapped or
// not, with leading (the serif) or without; and in a strip of it as in the whole.
TEST(TextBlock, DrawsWhatDrawTextDraws) {
    using enum Qt::AlignmentFlag;
    const std::tuple<const char*, double, QSize, int, bool> cases[] = {
        {"7", 14.4, {60, 27}, AlignRight | AlignVCenter, false},
        {"12", 14.4, {60, 27}, AlignRight | AlignVCenter, false},
        {"Clicca e scrivi (max 4 cifre)", 9.6, {205, 17}, AlignHCenter | AlignTop, false},
        {"Quante cifre del dividendo devo considerare ?", 18, {200, 90}, AlignHCenter | AlignTop, false},
        {"Fatto", 20.4, {205, 41}, AlignHCenter | AlignTop, false},
        {"Eseguite", 14.4, {77, 29}, AlignLeft | AlignTop, false},
        {"3", 21.6, {41, 49}, AlignHCenter | AlignVCenter, false},
        {"Tastierino numerico", 9, {120, 16}, AlignLeft | AlignVCenter, false},
        {"4", 21.6, {33, 27}, AlignHCenter | AlignVCenter, true},
        {"1 2 3 4 5 6 7 8 9", 21.6, {60, 200}, AlignRight | AlignVCenter, true},
    };
    for (const auto& [text, points, size, flags, serif] : cases) {
        SCOPED_TRACE(text);
        forms::Font f;
        f.points = points;
        f.family = serif ? "Times New Roman" : "Comic Sans MS";
        const QFont font = view::qfont(f);
        const QRect box(QPoint(), size);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QImage drawn = expected;
        QPainter byQt(&expected), byBlock(&drawn);
        byQt.setFont(font);
        byQt.drawText(box, flags | Qt::TextWordWrap, QString::fromUtf8(text));
        view::TextBlock block;
        block.set(QString::fromUtf8(text), font, box.width());
        block.draw(byBlock, box, flags);
        byQt.end();
        byBlock.end();
        EXPECT_TRUE(drawn == expected);
        // Repainted in a strip only (a blinking neighbour's place), the strip shows the same.
        const int w = size.width(), h = size.height();
        for (const QRect strip : {QRect(0, h - 1, w, 1), QRect(0, h - 3, w / 2, 3), QRect(0, 0, w, 1),
                                  QRect(w / 2, 0, 1, h), QRect(0, h / 2, w, 1)}) {
            QImage part(size, QImage::Format_RGB32);
            part.fill(Qt::white);
            QPainter inStrip(&part);
            inStrip.setClipRect(strip);
            block.draw(inStrip, box, flags);
            inStrip.end();
            EXPECT_TRUE(part.copy(strip) == expected.copy(strip)) << strip.y() << " " << strip.height();
        }
    }
}

} // namespace
