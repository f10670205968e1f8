#pragma once
// What a null sink of PulseAudio plays, recorded from its monitor as unsigned 8-bit mono at
// 8000 Hz and read in slices of 5 ms.
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

class Recorder {
  public:
    // `server` is empty for the one the environment names.
    explicit Recorder(const QString& sink = "brivatenzo_null", const QString& server = {}) {
        QStringList args = {"--device=" + sink + ".monitor", "--format=u8", "--channels=1", "--rate=8000",
                            "--latency-msec=20"};
        if (!server.isEmpty()) args << "--server=" + server;
        rec_.start("parec", args);
        // The recorder can take a few seconds to deliver its first samples.
        EXPECT_TRUE(rec_.waitForReadyRead(10000)) << "no parec, or no sound server (scripts/services.sh)";
    }
    ~Recorder() { rec_.kill(), rec_.waitForFinished(3000); }

    // Slices recorded so far.
    qsizetype slices() {
        raw_ += rec_.readAllStandardOutput();
        return raw_.size() / 40;
    }
    // Something above the recorder's dither is heard in slice s.
    bool heard(qsizetype s) const {
        int peak = 0;
        for (char c : raw_.mid(s * 40, 40))
            peak = std::max(peak, std::abs(static_cast<unsigned char>(c) - 128));
        return peak > 8;
    }
    // The first slice from `from` on in which something is heard, waiting up to `ms` for it; -1
    // if none.
    qsizetype onset(qsizetype from, int ms) {
        QElapsedTimer t;
        for (t.start(); t.elapsed() < ms; QTest::qWait(10))
            for (; from < slices(); ++from)
                if (heard(from)) return from;
        return -1;
    }

  private:
    QProcess rec_;
    QByteArray raw_;
};
