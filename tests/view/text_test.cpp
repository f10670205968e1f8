#include "view/ControlWidgets.h"
#include "view/Units.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Text laid out once is drawn where QPainter::drawText draws it, in every alignment, wrapped or
// not, with leading (the serif font) or without.
TEST(TextBlock, DrawsWhatDrawTextDraws) {
    const std::tuple<const char*, double, QSize, int, const char*> cases[] = {
        {"7", 14.4, {60, 27}, Qt::AlignRight | Qt::AlignVCenter, "Comic Sans MS"},
        {"12", 14.4, {60, 27}, Qt::AlignRight | Qt::AlignVCenter, "Comic Sans MS"},
        {"Clicca e scrivi (max 4 cifre)", 9.6, {205, 17}, Qt::AlignHCenter | Qt::AlignTop, "Comic Sans MS"},
        {"Quante cifre del dividendo devo considerare ?",
         18,
         {200, 90},
         Qt::AlignHCenter | Qt::AlignTop,
         "Comic Sans MS"},
        {"Fatto", 20.4, {205, 41}, Qt::AlignHCenter | Qt::AlignTop, "Comic Sans MS"},
        {"Eseguite", 14.4, {77, 29}, Qt::AlignLeft | Qt::AlignTop, "Comic Sans MS"},
        {"3", 21.6, {41, 49}, Qt::AlignHCenter | Qt::AlignVCenter, "Comic Sans MS"},
        {"Tastierino numerico", 9, {120, 16}, Qt::AlignLeft | Qt::AlignVCenter, "Comic Sans MS"},
        {"4", 21.6, {33, 27}, Qt::AlignHCenter | Qt::AlignVCenter, "Times New Roman"},
        {"1 2 3 4 5 6 7 8 9", 21.6, {60, 200}, Qt::AlignRight | Qt::AlignVCenter, "Times New Roman"},
    };
    for (const auto& [text, points, size, flags, family] : cases) {
        SCOPED_TRACE(text);
        forms::Font f;
        f.points = points;
        f.family = family;
        const QFont font = view::qfont(f);
        const QRect box(QPoint(), size);
        QImage expected(size, QImage::Format_RGB32), drawn(size, QImage::Format_RGB32);
        expected.fill(Qt::white);
        drawn.fill(Qt::white);
        QPainter byQt(&expected), byBlock(&drawn);
        byQt.setFont(font);
        byQt.drawText(box, flags | Qt::TextWordWrap, QString::fromUtf8(text));
        view::TextBlock block;
        block.set(QString::fromUtf8(text), font, box.width());
        block.draw(byBlock, box, flags);
        byQt.end();
        byBlock.end();
        EXPECT_TRUE(drawn == expected);
    }
}

} // namespace
