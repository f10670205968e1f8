// The build step that draws the pictures, run as the build runs it: where the pictures' font is
// missing it stops, says what to install and leaves no picture, so that the next build draws them.
#include "support/Readback.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(PicturesTool, DrawsOnlyWithThePicturesOwnFont) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // This machine's fonts but for the files that glob names, as where they are not installed; and
    // where a family is given, that family first for "Comic Sans MS" in their place.
    const auto without = [&dir](const QString& glob, const QString& fallback = {}) {
        QFile conf(dir.filePath(QString(glob).remove(u'*') + fallback + ".conf"));
        EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("<?xml version=\"1.0\"?><fontconfig>"
                                  "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"
                                  "<selectfont><rejectfont><glob>%1</glob></rejectfont></selectfont>%2"
                                  "</fontconfig>")
                       .arg(glob, fallback.isEmpty()
                                      ? QString()
                                      : "<alias binding=\"strong\"><family>Comic Sans MS</family>"
                                        "<prefer><family>" +
                                            fallback + "</family></prefer></alias>")
                       .toUtf8());
        return conf.fileName();
    };
    const struct {
        QString fontconfig; // empty: the machine's own
        bool drawn;
    } rows[] = {
        {{}, true},
        {without("*ComicNeue*"), false},                    // no Comic Neue: a calligraphic italic instead
        {without("*ComicNeue-Bold*"), false},               // no bold face: a bold made up from the regular
        {without("*ComicNeue*", "Liberation Sans"), false}, // a true bold face of another family
    };
    for (const auto& [fontconfig, drawn] : rows) {
        SCOPED_TRACE(fontconfig.toStdString());
        QDir out(dir.filePath(QStringLiteral("drawn")));
        ASSERT_TRUE(out.removeRecursively() && out.mkpath(QStringLiteral(".")));
        QFile old(out.filePath(QStringLiteral("digit_7"))); // left by an earlier build
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!fontconfig.isEmpty()) env.insert(QStringLiteral("FONTCONFIG_FILE"), fontconfig);
        const auto [code, said] =
            testing_support::exitAndErrors(QStringLiteral(BRIVATENZO_DRAW_PICTURES),
                                           {out.path(), QStringLiteral(BRIVATENZO_PICTURES "/btn_esci.svg"),
                                            QStringLiteral(BRIVATENZO_PICTURES "/digit_7.svg")},
                                           env);
        EXPECT_EQ(code == 0, drawn) << said.toStdString();
        EXPECT_EQ(said.contains(QStringLiteral("font Comic Neue Bold is missing")) &&
                      said.contains(QStringLiteral("install fonts-comic-neue")),
                  !drawn)
            << said.toStdString();
        // Width and height, then 4 bytes a pixel, at the SVGs' own sizes (93 x 33 and 33 x 33).
        std::string found;
        for (const QFileInfo& f : out.entryInfoList(QDir::Files, QDir::Name))
            found += f.fileName().toStdString() + ' ' + std::to_string(f.size()) + ';';
        EXPECT_EQ(found, drawn ? "btn_esci 12284;digit_7 4364;" : "");
    }
}

} // namespace
