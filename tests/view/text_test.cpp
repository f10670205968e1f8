#include "view/ControlWidgets.h"
#include "view/Units.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Text laid out once is drawn where QPainter::drawText draws it, in every alignment,
// wrapped or not.
TEST(TextBlock, DrawsWhatDrawTextDraws) {
    struct Case {
        const char* text;
        double points;
        QSize box;
        int flags;
        const char* family = "Comic Sans MS";
    };
    const Case cases[] = {
        {"7", 14.4, {60, 27}, Qt::AlignRight | Qt::AlignVCenter},
        {"12", 14.4, {60, 27}, Qt::AlignRight | Qt::AlignVCenter},
        {"Clicca e scrivi (max 4 cifre)", 9.6, {205, 17}, Qt::AlignHCenter | Qt::AlignTop},
        {"Quante cifre del dividendo devo considerare ?", 18, {200, 90}, Qt::AlignHCenter | Qt::AlignTop},
        {"Fatto", 20.4, {205, 41}, Qt::AlignHCenter | Qt::AlignTop},
        {"Eseguite", 14.4, {77, 29}, Qt::AlignLeft | Qt::AlignTop},
        {"3", 21.6, {41, 49}, Qt::AlignHCenter | Qt::AlignVCenter},
        {"Tastierino numerico", 9, {120, 16}, Qt::AlignLeft | Qt::AlignVCenter},
        {"4", 21.6, {33, 27}, Qt::AlignHCenter | Qt::AlignVCenter, "Times New Roman"},
        {"1 2 3 4 5 6 7 8 9", 21.6, {60, 200}, Qt::AlignRight | Qt::AlignVCenter, "Times New Roman"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        forms::Font f;
        f.points = c.points;
        f.family = c.family;
        const QFont font = view::qfont(f);
        const QRect box(QPoint(0, 0), c.box);
        QImage expected = blank(c.box);
        {
            QPainter p(&expected);
            p.setFont(font);
            p.drawText(box, c.flags | Qt::TextWordWrap, QString::fromUtf8(c.text));
        }
        QImage drawn = blank(c.box);
        {
            QPainter p(&drawn);
            view::TextBlock text;
            text.set(QString::fromUtf8(c.text), font, box.width());
            text.draw(p, box, c.flags);
        }
        EXPECT_TRUE(drawn == expected);
    }
}

} // namespace
