#pragma once
// What a null sink of PulseAudio plays, recorded from its monitor as unsigned 8-bit mono at
// 8000 Hz and read in slices of 5 ms, how alike it is to a sound file, and whether a sound was
// heard whole.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <string>
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

// Each sound file by this measure (from its first to its last slice of 5 ms above the dither),
// as measured on the files: how long it is heard, and its longest pause.
struct Measure {
    int ms, pauseMs;
};
inline const std::map<int, Measure> kSoundFiles = {{101, {2510, 55}}, {102, {65, 0}},   {103, {535, 30}},
                                                   {104, {445, 0}},   {105, {1015, 0}}, {106, {1060, 0}},
                                                   {107, {10, 0}}};

// A sound as the recording has it, counted in recorded slices, however late they come.
struct Heard {
    int ms = 0;                 // from its first to its last slice heard
    int gapMs = 0, gapAtMs = 0; // its longest silence inside, and where that starts
    int recordedMs = 0;         // recorded from its start when it was judged
    bool ended = true;          // else the recording never fell silent, or never came
};

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
        clock_.start();
        first_ = slices();
    }
    ~Recorder() { rec_.kill(), rec_.waitForFinished(3000); }

    // Slices recorded so far.
    qsizetype slices() {
        raw_ += rec_.readAllStandardOutput();
        return raw_.size() / 40;
    }
    // How far the recording is behind the clock, since its first samples came.
    qint64 lagMs() { return clock_.elapsed() - (slices() - first_) * 5; }
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
    // The first slice from `from` on in which something is heard, within `ms` of recording after
    // it (a late recording is waited for, up to 10 s more); -1 if none.
    qsizetype onset(qsizetype from, int ms) {
        const qsizetype until = from + ms / 5;
        QElapsedTimer t;
        for (t.start(); t.elapsed() < ms + 10000; QTest::qWait(10))
            for (; from < slices(); ++from)
                if (heard(from))
                    return from;
                else if (from >= until)
                    return -1;
        return -1;
    }
    // Listens to a sound that starts at slice `onset` to its end: once the recording reaches `ms`
    // past its start, the first 80 ms of silence, longer than any pause inside a sound. A silence
    // within `ms` is a gap, however long, and a late recording is waited for (up to 10 s more).
    Heard listen(qsizetype onset, int ms) {
        Heard h;
        qsizetype last = onset - 1, s = onset;
        QElapsedTimer t;
        for (t.start(); s < onset + ms / 5 || s - last <= 16; QTest::qWait(10)) {
            if (t.elapsed() > ms + 10000) {
                h.ended = false;
                break;
            }
            for (const qsizetype end = slices(); s < end; ++s) {
                if (!heard(s)) continue;
                if (last >= onset && (s - last - 1) * 5 > h.gapMs)
                    h.gapMs = static_cast<int>(s - last - 1) * 5,
                    h.gapAtMs = static_cast<int>(last + 1 - onset) * 5;
                last = s;
            }
        }
        h.ms = static_cast<int>(last - onset + 1) * 5;
        h.recordedMs = static_cast<int>(s - onset) * 5;
        return h;
    }
    // Listens to sound n to its end from slice `onset`, where it started; what was wrong with it, or
    // "" if it was heard whole: as long as its file, with no pause its file does not have, and
    // like it. The recording is judged on its own samples, and how late it came is said.
    std::string judge(int n, qsizetype onset) {
        const auto [ms, pauseMs] = kSoundFiles.at(n);
        const Heard h = listen(onset, ms);
        std::string wrong;
        if (!h.ended && h.recordedMs < ms + 80)
            wrong = "the recording came late, " + std::to_string(h.recordedMs) + " ms of it in " +
                    std::to_string(ms + 10000) + " ms";
        else if (!h.ended)
            wrong = "the sink never fell silent";
        else if (h.gapMs > pauseMs + 35)
            wrong = "a gap of " + std::to_string(h.gapMs) + " ms, " + std::to_string(h.gapAtMs) + " ms in";
        // A sound replaced early or played fast is short; one played slow, or followed by
        // another, is long.
        else if (h.ms < ms - 90)
            wrong = "cut short";
        else if (h.ms > ms + 90)
            wrong = "too long";
        // The right sound scores 0.99 or more; in the wrong byte order at most 0.83, 9% fast at
        // most 0.92, its 8-bit samples taken for signed at most 0.95.
        else if (const double like = likeness(from(onset), soundFile(n), std::max(ms, 64)); like <= 0.97)
            wrong = "unlike its file, likeness " + std::to_string(like);
        if (wrong.empty()) return wrong;
        return "sound " + std::to_string(n) + ": " + wrong + "; heard " + std::to_string(h.ms) + " ms of " +
               std::to_string(ms) + ", the recording " + std::to_string(lagMs()) + " ms behind the clock";
    }

  private:
    QProcess rec_;
    QByteArray raw_;
    QElapsedTimer clock_;
    qsizetype first_ = 0;
};
