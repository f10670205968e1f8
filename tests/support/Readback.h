#pragma once
// What the tests on Qt read back: what a command such as pdfinfo writes, a PDF page as pixels, and
// the pixels of a picture that pass a test.
#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <functional>
#include <utility>

namespace testing_support {

// Starts a command and waits for its end, for 30 s at most: whether it ended (not when it could
// not start).
inline bool runToEnd(QProcess& p, const QString& command, const QStringList& args) {
    p.start(command, args);
    return p.waitForFinished(30000);
}

// A command run to its end: whether it ended, and what it wrote on its standard output.
inline std::pair<bool, QByteArray> run(const QString& command, const QStringList& args) {
    QProcess p;
    const bool ended = runToEnd(p, command, args);
    return {ended, p.readAllStandardOutput()};
}

// A command run to its end in the environment given: its exit code (-1 when it did not end, or
// crashed), and what it wrote on its error output.
inline std::pair<int, QString> exitAndErrors(const QString& command, const QStringList& args,
                                             const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    const bool ended = runToEnd(p, command, args) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
}

// What a command writes on its standard output.
inline QString output(const QString& command, const QStringList& args) {
    return QString::fromUtf8(run(command, args).second);
}

// The first page of a PDF file as pdftoppm draws it at 96 dots an inch, and whether pdftoppm ended.
inline std::pair<bool, QImage> pdfPage(const QString& pdf) {
    const auto [ended, png] = run("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf});
    return {ended, QImage::fromData(png)};
}

// How many pixels of a picture pass the test, and the box they lie in.
inline std::pair<int, QRect> ink(const QImage& i, const std::function<bool(const QColor&)>& test) {
    std::pair<int, QRect> found;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if (test(i.pixelColor(x, y))) ++found.first, found.second |= QRect(x, y, 1, 1);
    return found;
}

} // namespace testing_support
