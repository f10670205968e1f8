// The pictures drawn when the program is built: what the program's SVG drawing gives, pixel for
// pixel, and what images checked by eye show, at every scale the program runs at (this test runs
// at 1, 1.5 and 2).
#include "support/Program.h"
#include "support/Reference.h"
#include "view/FormImage.h"
#include "view/Pictures.h"
#include "view/PicturesSvg.h"

#include <QDir>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

QImage fromSvg(const std::string& name, QSize canvas, QSize drawing) {
    QSvgRenderer svg(QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(name)));
    return view::pictures::drawSvg(svg, canvas, drawing);
}

// Each picture drawn beforehand at its own size is the SVG drawing now, and the program shows
// those pixels themselves at that size.
TEST(Pictures, DrawnBeforehandAreTheSvgDrawing) {
    const QStringList files = QDir(QStringLiteral(":/pictures")).entryList();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const std::string name = QFileInfo(file).completeBaseName().toStdString();
        const QImage drawn = view::pictures::prerendered(name);
        const QSize natural = QSvgRenderer(QStringLiteral(":/pictures/") + file).defaultSize();
        ASSERT_FALSE(drawn.isNull()) << name;
        EXPECT_EQ(drawn.size(), natural) << name;
        EXPECT_TRUE(drawn == fromSvg(name, natural, natural)) << name;
        EXPECT_EQ(view::pictures::image(name, natural).constBits(), drawn.constBits()) << name;
    }
}

// A picture cut to a window, or asked for at another size: the SVG drawing of it, a cut sharing the
// pixels drawn beforehand.
TEST(Pictures, OtherSizesAndCutsAreTheSvgDrawing) {
    struct Row {
        const char* name;
        QSize asked;
        bool cut;
        QSize canvas, drawing;
    } rows[] = {
        {"sky", {634, 454}, true, {634, 454}, {900, 601}},           // the start window
        {"sky", {2000, 300}, true, {900, 300}, {900, 601}},          // wider than the picture
        {"sky", {900, 601}, true, {900, 601}, {900, 601}},           // just as large
        {"check_con_aiuto", {109, 25}, false, {109, 25}, {109, 25}}, // a wider switch
        {"check_senza_aiuto", {93, 25}, false, {93, 25}, {93, 25}},  // a narrower one
    };
    for (const Row& r : rows) {
        const QImage got =
            r.cut ? view::pictures::cropped(r.name, r.asked) : view::pictures::image(r.name, r.asked);
        EXPECT_EQ(got.size(), r.canvas) << r.name << " " << r.asked.width();
        EXPECT_TRUE(got.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                    fromSvg(r.name, r.canvas, r.drawing))
            << r.name << " " << r.asked.width();
        if (r.cut) {
            EXPECT_EQ(got.constBits(), view::pictures::prerendered(r.name).constBits()) << r.asked.width();
        }
    }
}

// The pictures as a child sees them, against images made once from a right build and checked by
// eye (captions in bold upright Comic Neue, smooth edges): pictures as drawn beforehand, and the
// start window's corner where the hand points at its first two buttons, as the program shows it.
// A caption in another font changes about a hundred pixels or more, edges left rough a few dozen.
TEST(Pictures, LookAsCheckedByEye) {
    testing_support::Program p;
    const QImage start = view::renderForm(p.forms.load("frmStart"));
    const std::pair<const char*, QImage> rows[] = {
        {"btn_esci", view::pictures::prerendered("btn_esci")}, // a button's caption
        {"digit_7", view::pictures::prerendered("digit_7")},   // a keypad digit
        {"check_con_riporto", view::pictures::prerendered("check_con_riporto")},
        {"hand", view::pictures::prerendered("hand")}, // no words, edges only
        {"frmStart_hand", start.copy(340, 84, 200, 84)},
    };
    for (const auto& [reference, shown] : rows) {
        EXPECT_TRUE(testing_support::likeReference(shown, reference, 8));
    }
}

} // namespace
