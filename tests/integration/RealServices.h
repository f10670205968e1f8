#pragma once

// What the integration tests share to hear the PulseAudio null sink and to read back
// the pages the CUPS PDF printer writes (both started by scripts/test.sh).

#include "forms/Form.h"
#include "platform/Wav.h"
#include "platform/qt/QtResources.h"
#include "view/QtPrinter.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

namespace real_services {

// Peak distance from silence in a recording of unsigned 8-bit samples.
inline int peak(const QByteArray& raw) {
    int p = 0;
    for (char c : raw)
        p = std::max(p, std::abs(static_cast<unsigned char>(c) - 128));
    return p;
}

// The stretches of sound in unsigned 8-bit samples at `rate`, in ms: from the first to
// the last slice of 5 ms above the recorder's dither, with less than 250 ms of silence
// inside a stretch.
inline std::vector<int> stretchesMs(const QByteArray& raw, int rate) {
    const int slice = rate / 200;
    std::vector<int> found;
    int first = -1, last = -1;
    for (int i = 0; (i + 1) * slice <= raw.size(); ++i) {
        if (peak(raw.mid(i * slice, slice)) <= 8) continue;
        if (first >= 0 && (i - last) * 5 >= 250) {
            found.push_back((last - first + 1) * 5);
            first = -1;
        }
        if (first < 0) first = i;
        last = i;
    }
    if (first >= 0) found.push_back((last - first + 1) * 5);
    return found;
}

// How long sound n's own samples are audible by the same measure (all seven are 8-bit).
inline int audibleMs(int n) {
    const platform::Bytes wav = platform::QtResources().sound(n);
    const auto info = platform::parseWav(wav);
    EXPECT_TRUE(info && info->bitsPerSample == 8) << n;
    if (!info) return 0;
    const auto own = stretchesMs(QByteArray(reinterpret_cast<const char*>(wav.data() + info->dataOffset),
                                            static_cast<qsizetype>(info->dataSize)),
                                 info->sampleRate);
    EXPECT_EQ(own.size(), 1u) << n;
    return own.empty() ? 0 : own[0];
}

// Sound n, heard for heardMs, was heard whole, its end included, and at most `slackMs` more.
// A loaded machine's recorder can miss a few tens of milliseconds; a stream stopped when it
// reports idle loses about 150 ms at the end, which this still tells apart.
inline bool heardWhole(int n, int heardMs, int slackMs = 100) {
    const int own = audibleMs(n);
    return heardMs >= own - 90 && heardMs <= own + slackMs;
}

// Records the null sink's monitor, unsigned 8-bit mono, from construction on, in slices
// of 5 ms; a slice is heard when it rises above the recorder's dither.
class SinkRecorder {
  public:
    explicit SinkRecorder(int rate = 8000) : rate_(rate) {
        rec_.start("parec", {"--device=brivatenzo_null.monitor", "--format=u8", "--channels=1",
                             QStringLiteral("--rate=%1").arg(rate), "--latency-msec=20"});
        EXPECT_TRUE(rec_.waitForStarted(3000)) << "parec is needed (scripts/test.sh installs it)";
        // The recorder can take a few seconds to deliver its first samples.
        EXPECT_TRUE(rec_.waitForReadyRead(10000)) << "no sound server (scripts/test.sh starts PulseAudio)";
        QTest::qWait(200);
    }
    ~SinkRecorder() { stop(); }

    // Everything recorded so far.
    const QByteArray& samples() {
        raw_ += rec_.readAllStandardOutput();
        return raw_;
    }
    QByteArray stop() {
        if (rec_.state() != QProcess::NotRunning) {
            rec_.terminate();
            rec_.waitForFinished(3000);
        }
        return samples();
    }
    // The slices recorded so far.
    qsizetype slices() { return samples().size() / slice(); }
    bool heard(qsizetype s) { return peak(samples().mid(s * slice(), slice())) > 8; }

    // Waits for the first slice heard from slice `from` on; -1 if none comes within `ms`.
    qsizetype waitForSound(qsizetype from, int ms) {
        QElapsedTimer t;
        t.start();
        for (qsizetype s = from; t.elapsed() < ms; QTest::qWait(10))
            for (; s < slices(); ++s)
                if (heard(s)) return s;
        return -1;
    }
    // Waits until nothing more is heard for `quietMs` (samples come only while something
    // plays); the last slice heard (-1: none yet), or nothing if it is not quiet within `ms`.
    std::optional<qsizetype> waitForQuiet(int quietMs, int ms) {
        QElapsedTimer t, sinceHeard;
        t.start();
        sinceHeard.start();
        for (; t.elapsed() < ms; QTest::qWait(10)) {
            for (; scanned_ < slices(); ++scanned_)
                if (heard(scanned_)) {
                    lastHeard_ = scanned_;
                    sinceHeard.restart();
                }
            if (sinceHeard.elapsed() >= quietMs) return lastHeard_;
        }
        return std::nullopt;
    }

  private:
    qsizetype slice() const { return rate_ / 200; }

    QProcess rec_;
    QByteArray raw_;
    int rate_;
    qsizetype scanned_ = 0, lastHeard_ = -1;
};

// The PDF files CUPS-PDF has written so far.
inline QStringList pdfFiles() {
    return QDir(QDir::homePath() + "/PDF").entryList({"*.pdf"}, QDir::Files);
}

// Waits for a PDF file that was not there before.
inline QString waitForNewPdf(const QStringList& before) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        for (const QString& name : pdfFiles())
            if (!before.contains(name)) {
                QTest::qWait(500); // let the writer finish
                return QDir::homePath() + "/PDF/" + name;
            }
        QTest::qWait(100);
    }
    return {};
}

// Runs `print`, which sends one page to the default printer, and reads the page back.
inline QImage printedPage(const std::function<void()>& print, int dpi = 48) {
    const QStringList before = pdfFiles();
    print();
    const QString pdf = waitForNewPdf(before);
    EXPECT_FALSE(pdf.isEmpty()) << "nothing was printed";
    QProcess::execute("pdftoppm",
                      {"-r", QString::number(dpi), "-png", "-singlefile", pdf, "/tmp/brivatenzo-page"});
    QImage page("/tmp/brivatenzo-page.png");
    QFile::remove("/tmp/brivatenzo-page.png");
    return page;
}

// Prints the layout on the default printer and reads the page back.
inline QImage printedPage(forms::Form& layout, int dpi = 48) {
    return printedPage(
        [&layout] {
            EXPECT_TRUE(view::QtPrinter().print(layout))
                << "needs CUPS with a default printer (scripts/test.sh sets one up)";
        },
        dpi);
}

inline int darkPixels(const QImage& page) {
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return dark;
}

} // namespace real_services
