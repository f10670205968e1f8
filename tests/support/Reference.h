#pragma once
// Pictures against images made once from a right build and checked by eye, kept in
// tests/view/reference/ (BRIVATENZO_REFERENCE_IMAGES, defined for the tests on Qt).
//
// A picture that is meant to change is made again with BRIVATENZO_NEW_REFERENCES=1 in the environment:
// each picture compared then becomes its reference, and the test passes. Run only the tests concerned, at
// scale 1 (e.g. `BRIVATENZO_NEW_REFERENCES=1 tests/view_tests --gtest_filter='Windows*'` in the build
// folder), and look at every new image against the layout tables before committing it.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>

namespace testing_support {

// How many pixels of two pictures of one size differ by more than rendering noise: in some channel
// (premultiplied) by more than 16 of 255.
inline int differing(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb*>(x.constScanLine(row)),
                   *q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            count += std::abs(qRed(p[col]) - qRed(q[col])) > 16 ||
                     std::abs(qGreen(p[col]) - qGreen(q[col])) > 16 ||
                     std::abs(qBlue(p[col]) - qBlue(q[col])) > 16 ||
                     std::abs(qAlpha(p[col]) - qAlpha(q[col])) > 16;
    }
    return count;
}

// Whether a picture shows what its reference image `name`.png shows, but for at most `noise` pixels
// (differing()). When it does not, the picture is written into the working folder as
// `name`.shown.png, and the message names it, with how many pixels differ.
inline ::testing::AssertionResult likeReference(const QImage& shown, const QString& name, int noise) {
    const QString reference = QStringLiteral(BRIVATENZO_REFERENCE_IMAGES "/%1.png").arg(name);
    if (qEnvironmentVariableIntValue("BRIVATENZO_NEW_REFERENCES") == 1) {
        if (shown.save(reference)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write " << reference.toStdString();
    }
    const QImage expected(reference);
    auto failure = ::testing::AssertionFailure() << name.toStdString() << ": ";
    if (expected.isNull()) {
        failure << "no reference image " << reference.toStdString();
    } else if (expected.size() != shown.size()) {
        failure << shown.width() << "x" << shown.height() << " shown, " << expected.width() << "x"
                << expected.height() << " in " << reference.toStdString();
    } else if (const int count = differing(shown, expected); count <= noise) {
        return ::testing::AssertionSuccess();
    } else {
        failure << count << " pixels differ from " << reference.toStdString();
    }
    const QString written = QDir::current().absoluteFilePath(name + ".shown.png");
    shown.save(written);
    return failure << "; what was shown is in " << written.toStdString();
}

} // namespace testing_support
