// The Release program itself, started as a child process.
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    return env;
}

// Eight children at once, each 20 times: "da te", "Info", then an exercise button while
// the about box is open (a new sound replaces the about box's), back, and at last "Esci".
TEST(Program, EightCopiesOpeningAnExerciseOverTheAboutBoxAllEndWell) {
    constexpr int copies = 8;
    ASSERT_FALSE(QMediaDevices::defaultAudioOutput().isNull())
        << "no sound server (scripts/services.sh starts PulseAudio)";
    QProcessEnvironment env = withoutDisplay();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_PLUGIN_PATH", DRIVER_PLUGIN_PATH);
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < copies; ++i) {
        auto& c = children.emplace_back(std::make_unique<QProcess>());
        c->setProcessEnvironment(env);
        c->setProcessChannelMode(QProcess::MergedChannels);
        c->start(BRIVATENZO_PROGRAM, {"-plugin", "brivatenzo_driver:20"});
        ASSERT_TRUE(c->waitForStarted(5000));
    }
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < copies; ++i) {
        QProcess& c = *children[i];
        const bool ended = c.waitForFinished(static_cast<int>(std::max<qint64>(1, 60000 - t.elapsed())));
        EXPECT_TRUE(ended) << "copy " << i << " hung";
        if (!ended) {
            c.kill();
            c.waitForFinished(3000);
            continue;
        }
        const std::string said = c.readAll().right(2000).toStdString();
        EXPECT_EQ(c.exitStatus(), QProcess::NormalExit) << "copy " << i << " crashed\n" << said;
        EXPECT_EQ(c.exitCode(), 0) << "copy " << i << "\n" << said;
    }
}

// One line of its own, and status 1, instead of Qt's abort.
TEST(Program, WithNoDisplayItSaysSoAndEndsWithStatus1) {
    struct Case {
        const char* display; // nullptr: none named
        const char* said;
    };
    const Case cases[] = {
        {nullptr,
         "Le 4 brivatenzo: nessuno schermo disponibile (DISPLAY, WAYLAND_DISPLAY e QT_QPA_PLATFORM non "
         "sono impostate).\n"},
        {":4242", "Le 4 brivatenzo: impossibile aprire lo schermo indicato da DISPLAY o WAYLAND_DISPLAY.\n"},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = withoutDisplay();
        if (c.display) env.insert("DISPLAY", c.display);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(BRIVATENZO_PROGRAM);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << c.said;
        EXPECT_EQ(p.exitCode(), 1) << c.said;
        EXPECT_EQ(p.readAllStandardError().toStdString(), c.said);
    }
}

} // namespace
