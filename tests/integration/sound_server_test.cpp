// The program's sound player against a PulseAudio server of this test's own, in a runtime folder of
// its own, that dies while sounds play and starts again.
#include "Recorder.h"
#include "platform/qt/DeferredSoundPlayer.h"
#include "platform/qt/QtResources.h"

#include <QTemporaryDir>
#include <QTimer>

namespace {

// Heard, then heard again after each restart: with the same output, then with another one.
TEST(Sound, IsHeardAgainAfterTheServerRestarts) {
    QTemporaryDir runtime;
    const QString server = "unix:" + runtime.path() + "/pulse/native";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    QProcess pulse;
    pulse.setProcessEnvironment(env);
    // Where this process plays (ctest runs each test in a process of its own).
    qputenv("PULSE_SERVER", server.toLocal8Bit());
    platform::DeferredSoundPlayer player;
    QTimer clicks; // a click every 150 ms, once the server is up
    QObject::connect(&clicks, &QTimer::timeout,
                     [&, click = platform::QtResources().sound(102)] { player.play(click); });
    for (const QString output : {"own_null", "own_null", "other_null"}) {
        if (clicks.isActive()) {
            pulse.kill();
            pulse.waitForFinished();
            QTest::qWait(500);
        }
        pulse.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                   "--load=module-native-protocol-unix auth-anonymous=1",
                                   "--load=module-null-sink sink_name=" + output});
        QProcess info;
        QElapsedTimer t;
        for (t.start();
             info.start("pactl", {"--server=" + server, "info"}), info.waitForFinished(), info.exitCode();
             QTest::qWait(50))
            ASSERT_LT(t.elapsed(), 5000) << "no pulseaudio";
        clicks.start(150);
        Recorder heard(output, server);
        // Qt's sound engine tries once to connect again, 3 s after it lost the server; the player
        // follows within a second.
        EXPECT_GE(heard.onset(0, 5000), 0) << "not heard on " << output.toStdString();
    }
    pulse.kill(); // and the player goes after it, as when the program ends with no server
    pulse.waitForFinished();
}

} // namespace
