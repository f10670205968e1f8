#include "app/Module1.h"
#include "exercise/FinestraEsercizio.h"
#include "platform/Wav.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSoundPlayer.h"
#include "support/Fakes.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormImage.h"
#include "view/FormWindow.h"
#include "view/QtPrinter.h"
#include "view/ViewHost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace testing_support;

namespace {

// The whole program, with real sound.
using RealSound = BasicProgram<platform::QtSoundPlayer, platform::QtResources>;

// Peak distance from silence in a recording of unsigned 8-bit samples.
int peak(const QByteArray& raw) {
    int p = 0;
    for (char c : raw)
        p = std::max(p, std::abs(static_cast<unsigned char>(c) - 128));
    return p;
}

TEST(Sound, EverySoundIsAPlayableWaveOfItsRole) {
    platform::QtResources res;
    for (int n = 101; n <= 107; ++n) {
        const platform::Bytes wav = res.sound(n);
        ASSERT_GT(wav.size(), 44u) << n;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << n;
    }
    EXPECT_TRUE(res.sound(108).empty());
}

// The stretches of sound in unsigned 8-bit samples at `rate`, in ms: from the first to
// the last slice of 5 ms above the recorder's dither, with less than 250 ms of silence
// inside a stretch.
std::vector<int> stretchesMs(const QByteArray& raw, int rate) {
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

// One recording of the null sink's monitor for every check of what is heard: each sound
// alone, a long sound cut by a short one, 200 sounds in quick succession, and one more
// sound after them, each half a second or more apart.
TEST(Sound, EverySoundIsHeardWholeANewOneCutsTheOldAndTheStreamSurvivesQuickSwitches) {
    constexpr int rate = 8000;
    RealSound s;
    QProcess rec;
    rec.start("parec", {"--device=brivatenzo_null.monitor", "--format=u8", "--channels=1",
                        QStringLiteral("--rate=%1").arg(rate), "--latency-msec=20"});
    ASSERT_TRUE(rec.waitForStarted(3000)) << "parec is needed (scripts/install-deps.sh installs it)";
    // The recorder takes up to a few seconds to deliver its first samples.
    ASSERT_TRUE(rec.waitForReadyRead(10000)) << "no sound server (scripts/services.sh starts PulseAudio)";
    QTest::qWait(200);

    struct Row {
        int sound;
        int lengthMs; // its samples over its rate
    };
    const Row rows[] = {{101, 2786}, {102, 117}, {103, 563}, {104, 516}, {105, 1139}, {106, 1198}, {107, 19}};
    for (const Row& r : rows) {
        s.m.Suona(r.sound);
        QTest::qWait(r.lengthMs + 500);
    }
    s.m.Suona(101); // 2786 ms...
    QTest::qWait(200);
    s.m.Suona(104); // ...cut off by 516 ms
    QTest::qWait(1200);
    std::mt19937 draw(18);
    for (int i = 0; i < 200; ++i) {
        s.m.Suona(std::uniform_int_distribution(101, 107)(draw));
        QTest::qWait(std::uniform_int_distribution(0, 50)(draw));
    }
    QTest::qWait(3300); // the last of them may be the longest; then the stream falls idle
    s.m.Suona(105);
    QTest::qWait(1139 + 500);
    rec.terminate();
    rec.waitForFinished(3000);

    // Idle, the player keeps its stream but holds it still.
    QTest::qWait(300);
    QProcess pactl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    pactl.setProcessEnvironment(env);
    pactl.start("pactl", {"list", "sink-inputs"});
    ASSERT_TRUE(pactl.waitForFinished(3000));
    const QString streams = pactl.readAllStandardOutput();
    EXPECT_EQ(streams.count("Corked: yes"), 1) << "the player's one stream is not there, or more are";
    EXPECT_EQ(streams.count("Corked: no"), 0) << "an idle player keeps its stream running";

    // How long a sound's own samples are audible by the same measure (all seven are
    // 8-bit): the recording must hear all of it, its end included, and not much more.
    auto audibleMs = [&s](int n) {
        const platform::Bytes wav = s.resources.sound(n);
        const auto info = platform::parseWav(wav);
        EXPECT_TRUE(info && info->bitsPerSample == 8) << n;
        const auto own = stretchesMs(QByteArray(reinterpret_cast<const char*>(wav.data() + info->dataOffset),
                                                static_cast<qsizetype>(info->dataSize)),
                                     info->sampleRate);
        EXPECT_EQ(own.size(), 1u) << n;
        return own.at(0);
    };
    const std::vector<int> heard = stretchesMs(rec.readAllStandardOutput(), rate);
    ASSERT_EQ(heard.size(), std::size(rows) + 3) << ::testing::PrintToString(heard);
    auto expectWhole = [&](std::size_t at, int n, const char* when) {
        EXPECT_GE(heard[at], audibleMs(n) - 50) << "sound " << n << " " << when;
        EXPECT_LE(heard[at], audibleMs(n) + 100) << "sound " << n << " " << when;
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        expectWhole(i, rows[i].sound, "alone");
    const int cut = heard[std::size(rows)];
    EXPECT_GE(cut, audibleMs(104)) << "the short sound was not heard whole";
    EXPECT_LE(cut, 200 + audibleMs(104) + 100) << "the long sound went on after the short one replaced it";
    EXPECT_GT(heard[std::size(rows) + 1], 1000) << "the quick switches were not heard";
    expectWhole(std::size(rows) + 2, 105, "after the quick switches");
}

TEST(Sound, AClickArrivingWhileASoundReplacesAnotherIsHandledAfterTheHandlerOnce) {
    RealSound s;
    s.m.ChiSceglie = app::DaTe;
    s.forms.define("frmProva", [&s] { return std::make_unique<PracticeWindow>(s.m); });
    view::ViewHost host(s.forms);
    PracticeWindow* f = nullptr;
    s.forms.run([&] {
        f = &s.forms.get<PracticeWindow>("frmProva");
        f->show();
    });
    QWidget* key = host.windowOf(*f)->findChild<QWidget*>("Cmd_7");
    const QPointF at(5, 5);
    const QPointF global = key->mapToGlobal(at);

    s.m.Suona(101); // still playing when the handler plays its own
    QTest::qWait(300);
    s.forms.run([&] {
        // A click queued while the handler runs...
        QCoreApplication::postEvent(key, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(key, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        f->txtFattori_Click(1); // plays sound 102 in place of 101
        // ...is not handled inside it.
        EXPECT_EQ(f->txtFattori[0].text, "");
        EXPECT_EQ(f->txtFattori[1].text, "");
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(f->txtFattori[1].text, "7");
    EXPECT_EQ(f->txtFattori[0].text, "");
}

// The PDF files CUPS-PDF has written so far.
QStringList pdfFiles() {
    return QDir(QDir::homePath() + "/PDF").entryList({"*.pdf"}, QDir::Files);
}

// Waits for a PDF file that was not there before.
QString waitForNewPdf(const QStringList& before) {
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

// Prints the layout on the default printer and reads the page back, at 48 dpi.
QImage printedPage(forms::Form& layout) {
    const QStringList before = pdfFiles();
    view::QtPrinter printer;
    EXPECT_TRUE(printer.print(layout)) << "needs CUPS with a default printer (scripts/test.sh sets one up)";
    const QString pdf = waitForNewPdf(before);
    EXPECT_FALSE(pdf.isEmpty());
    QProcess::execute("pdftoppm", {"-r", "48", "-png", "-singlefile", pdf, "/tmp/brivatenzo-page"});
    QImage page("/tmp/brivatenzo-page.png");
    QFile::remove("/tmp/brivatenzo-page.png");
    return page;
}

int darkPixels(const QImage& page) {
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return dark;
}

// Each window's solved operation, printed on the default printer, shows its digits.
TEST(Printing, ASolvedOperationPrintedOnTheDefaultPrinterShowsItsDigits) {
    struct Case {
        const char* window;
        const char* layout;
        const char* a;
        const char* b;
        const char* lastCell; // a cell that only the solution fills
        int darkMore;         // dark pixels the digits of the solution add at least (48 dpi)
        const char* third = nullptr;
    };
    for (const Case& c : {Case{"frmAdd2", "frmAdd2_bis", "9847", "3856", "TxtSomma(4)", 160},
                          Case{"frmAdd3", "frmAdd3_bis", "9999", "9999", "TxtSomma(4)", 160, "9999"},
                          Case{"frmDivCompatta", "frmDivCompatta_bis", "9999", "7", "txtResto4(1)", 120},
                          // sixteen small digits
                          Case{"frmDivEstesa", "frmDivEstesa_bis", "9876", "3", "txtResto4(1)", 80}}) {
        Program p;
        p.m.ChiSceglie = app::DaTe;
        auto& f = p.open<exercise::FinestraEsercizio>(c.window);
        forms::Form& layout = p.forms.load(c.layout);
        const QImage empty = printedPage(layout); // the signs (and the bar) only
        ASSERT_FALSE(empty.isNull()) << c.window;

        f.txtFattori[0].text = c.a;
        f.txtFattori[1].text = c.b;
        if (c.third) f.txtFattori[2].text = c.third;
        p.event([&] { f.CmdVai_Click(); });
        p.event([&] { f.CmdRisolvi_Click(); });
        p.event([&] { f.cmdStampa_Click(); });
        ASSERT_FALSE(layout.find(c.lastCell)->text.empty()) << c.window;
        const QImage solved = printedPage(layout);
        ASSERT_FALSE(solved.isNull()) << c.window;
        EXPECT_GT(darkPixels(solved), darkPixels(empty) + c.darkMore) << c.window;
    }
}

// Without a sound server or a printer the program carries on: checked in a child
// process of this test binary, started with both services out of reach.
TEST(NoServices, SoundStaysSilentAndPrintingReportsFailureWithoutHanging) {
    if (qEnvironmentVariableIsSet("BRIVATENZO_CHILD")) {
        platform::QtSoundPlayer player;
        platform::QtResources resources;
        player.play(resources.sound(app::SuonoFinito));
        player.play(resources.sound(app::SuonoClic));
        QTest::qWait(300);
        Program p;
        forms::Form& layout = p.forms.load("frmAdd2_bis");
        EXPECT_FALSE(view::QtPrinter().print(layout));
        return;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("BRIVATENZO_CHILD", "1");
    env.insert("PULSE_SERVER", "unix:/nonexistent/pulse");
    env.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=NoServices.*"});
    ASSERT_TRUE(child.waitForFinished(60000)) << "the child hung";
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}

} // namespace
