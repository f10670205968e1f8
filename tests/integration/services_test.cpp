#include "app/Module1.h"
#include "integration/RealServices.h"
#include "platform/qt/DeferredSoundPlayer.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSoundPlayer.h"
#include "support/Fakes.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormWindow.h"
#include "view/QtPrinter.h"
#include "view/ViewHost.h"

#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace testing_support;
using namespace real_services;

namespace {

// The whole program, with real sound, loaded as the program loads it.
using RealSound = BasicProgram<platform::DeferredSoundPlayer, platform::QtResources>;

// One recording of the null sink's monitor for every check of what is heard: each sound
// alone, a long sound cut by a short one, 200 sounds in quick succession, and one more
// sound after them, each half a second or more apart.
TEST(Sound, EverySoundIsHeardWholeANewOneCutsTheOldAndTheStreamSurvivesQuickSwitches) {
    constexpr int rate = 8000;
    RealSound s;
    s.sound.open(); // as the program does once its first window has painted
    SinkRecorder rec(rate);
    ASSERT_FALSE(::testing::Test::HasFailure());

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
    const QByteArray recorded = rec.stop();

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

    // The recording must hear all of each sound, its end included, and not much more.
    const std::vector<int> heard = stretchesMs(recorded, rate);
    ASSERT_EQ(heard.size(), std::size(rows) + 3) << ::testing::PrintToString(heard);
    auto expectWhole = [&](std::size_t at, int n, const char* when) {
        EXPECT_TRUE(heardWhole(n, heard[at])) << "sound " << n << " " << when << ": " << heard[at] << " ms";
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
    s.sound.open(); // as the program does once its first window has painted
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
