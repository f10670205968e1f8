#pragma once
// What a null sink of PulseAudio plays, recorded from its monitor as unsigned 8-bit mono at
// 8000 Hz and read in slices of 5 ms, and how alike it is to a sound file.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

// What the recorder hears above: its dither, in steps of 8 bits.
constexpr int kDither = 8;

// A sound as samples of -1 to 1, `rate` a second.
struct Wave {
    std::vector<double> x;
    int rate = 0;
};

// Unsigned 8-bit samples, 128 the silence, as both the sound files and the recorder have them.
inline Wave unsigned8(QByteArrayView bytes, int rate) {
    Wave w{{}, rate};
    for (char c : bytes)
        w.x.push_back((static_cast<unsigned char>(c) - 128) / 128.0);
    return w;
}

// Sound n as its file holds it (8-bit mono PCM after a header of 44 bytes, as make_sounds.py writes
// it), read here and not by the program, from its first sample the recorder would hear.
inline Wave soundFile(int n) {
    QFile file(QStringLiteral(BRIVATENZO_SOUNDS "/%1.wav").arg(n));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray b = file.readAll();
    const bool mono8 = b.size() > 44 && b.mid(36, 4) == "data" && b[22] == 1 && b[34] == 8;
    EXPECT_TRUE(mono8) << n;
    if (!mono8) return {{}, 8000};
    qsizetype first = 44;
    while (first + 1 < b.size() && std::abs(static_cast<unsigned char>(b[first]) - 128) <= kDither)
        ++first;
    return unsigned8(QByteArrayView(b).sliced(first), qFromLittleEndian<qint32>(b.data() + 24));
}

// How alike two sounds are to the ear over their first `ms`, from 0 to 1: the cosine of their
// spectra, in bands of 125 Hz up to 3.5 kHz (which the recorder's 8 kHz leaves whole), summed over
// frames of 64 ms. A sound played as noise, in the wrong byte order or at the wrong speed is unlike
// itself.
inline double likeness(const Wave& a, const Wave& b, int ms) {
    const auto spectrum = [ms](const Wave& w) {
        constexpr double kFrame = 0.064, kBand = 125;
        constexpr int kBands = 27, kProbes = 8; // a probe every 1 / kFrame Hz
        const auto n = static_cast<std::size_t>(w.rate * kFrame);
        std::vector<double> hann(n), power(kBands);
        for (std::size_t i = 0; i < n; ++i)
            hann[i] = 1 - std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n));
        for (std::size_t at = 0; at < static_cast<std::size_t>(w.rate * ms / 1000); at += n)
            for (int p = 0; p < kBands * kProbes; ++p) {
                const double hz = kBand + p * kBand / kProbes;
                const std::complex<double> step = std::polar(1.0, -2 * std::numbers::pi * hz / w.rate);
                std::complex<double> sum, phase = 1;
                for (std::size_t i = 0; i < n && at + i < w.x.size(); ++i, phase *= step)
                    sum += w.x[at + i] * hann[i] * phase;
                power[p / kProbes] += std::norm(sum);
            }
        for (double& band : power)
            band = std::sqrt(band);
        return power;
    };
    const std::vector<double> u = spectrum(a), v = spectrum(b);
    double uv = 0, uu = 0, vv = 0;
    for (std::size_t i = 0; i < u.size(); ++i)
        uv += u[i] * v[i], uu += u[i] * u[i], vv += v[i] * v[i];
    return uu > 0 && vv > 0 ? uv / std::sqrt(uu * vv) : 0;
}

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
    // What was recorded from slice s on.
    Wave from(qsizetype s) const {
        return unsigned8(QByteArrayView(raw_).sliced(std::min(s * 40, raw_.size())), 8000);
    }
    // Something above the recorder's dither is heard in slice s.
    bool heard(qsizetype s) const {
        int peak = 0;
        for (char c : raw_.mid(s * 40, 40))
            peak = std::max(peak, std::abs(static_cast<unsigned char>(c) - 128));
        return peak > kDither;
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
