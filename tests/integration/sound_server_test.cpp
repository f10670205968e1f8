// The program's sound player against a PulseAudio server of this test's own, in a runtime folder of
// its own, that dies while sounds play and starts again some seconds later, or kills the player's
// stream; the player's first second; and every sound on a machine whose every core is busy.
#include "Recorder.h"
#include "platform/qt/DeferredSoundPlayer.h"
#include "platform/qt/QtResources.h"
#include "support/Readback.h"

#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <sched.h>
#include <thread>

namespace {

// A PulseAudio server with one null sink, in its own runtime folder; only this one is ever killed.
class OwnServer {
  public:
    OwnServer() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        pulse_.setProcessEnvironment(env);
    }
    ~OwnServer() { kill(); }
    QString address() const { return "unix:" + runtime_.path() + "/pulse/native"; }
    static QString sink() { return "own_null"; }

    void start() {
        pulse_.start("pulseaudio",
                     {"-n", "--daemonize=no", "--exit-idle-time=-1",
                      "--load=module-native-protocol-unix auth-anonymous=1",
                      "--load=module-null-sink sink_name=" + sink(), "--load=module-cli-protocol-unix"});
        QProcess info;
        QElapsedTimer t;
        for (t.start();
             info.start("pactl", {"--server=" + address(), "info"}), info.waitForFinished(), info.exitCode();
             QTest::qWait(50))
            ASSERT_LT(t.elapsed(), 5000) << "no pulseaudio";
    }
    // The streams that play into it, one a line ("id\tsink\t...").
    QString streams() const {
        return testing_support::output("pactl", {"--server=" + address(), "list", "short", "sink-inputs"});
    }
    // Fails the streams that play into it while their connections live (which pactl cannot do).
    void killStreams() {
        QProcess pacmd;
        pacmd.setProcessEnvironment(pulse_.processEnvironment());
        for (const QString& stream : streams().split('\n', Qt::SkipEmptyParts))
            pacmd.start("pacmd", {"kill-sink-input", stream.section('\t', 0, 0)}), pacmd.waitForFinished();
    }
    void kill() {
        pulse_.kill();
        pulse_.waitForFinished();
    }

  private:
    QTemporaryDir runtime_;
    QProcess pulse_;
};

// A sound asked for every 150 ms; the server killed 4 s in and started again 3 s later, longer than
// any one try to reach it: the sounds are heard before, and again after, also once the server has
// killed the stream, through one stream that is corked once they stop.
TEST(Sound, IsHeardAgainAfterTheServerRestarts) {
    OwnServer server;
    server.start();
    // Where this process plays (ctest runs each test in a process of its own).
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    platform::DeferredSoundPlayer player(BRIVATENZO_SOUND_MODULE);
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout,
                     [&, click = platform::QtResources().sound(102)] { player.play(click); });
    clicks.start(150);
    QElapsedTimer run;
    run.start();
    {
        Recorder heard(OwnServer::sink(), server.address());
        EXPECT_GE(heard.onset(0, 3000), 0) << "not heard before the server died";
        QTest::qWait(static_cast<int>(std::max<qint64>(0, 4000 - run.elapsed())));
    }
    server.kill();
    QTest::qWait(3000);
    server.start();
    Recorder heard(OwnServer::sink(), server.address());
    EXPECT_GE(heard.onset(0, 3000), 0) << "not heard after the server came back";
    // A stream that fails while its connection lives is opened again for the next sound: once the
    // sounds rest, the server kills it.
    clicks.stop();
    QTest::qWait(400);
    server.killStreams();
    EXPECT_EQ(server.streams(), "");
    const qsizetype killed = heard.slices();
    clicks.start(150);
    EXPECT_GE(heard.onset(killed, 2000), 0) << "not heard after its stream was killed";
    // Once the sounds stop, the stream rests: corked, it costs nobody anything.
    clicks.stop();
    QTest::qWait(700);
    const QString listed =
        testing_support::output("pactl", {"--server=" + server.address(), "list", "sink-inputs"});
    EXPECT_EQ(listed.count("Corked: yes"), 1) << listed.toStdString();
}

// The stream opens, silent, as soon as the player is made: a sound asked for at once, or once the
// stream is there (before any sound), is heard at once, not when the next try to reach the server is
// due, a second after the first.
TEST(Sound, IsOpenedAtStartSoAnEarlySoundIsHeardAtOnce) {
    OwnServer server;
    server.start();
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    Recorder heard(OwnServer::sink(), server.address());
    for (const bool streamFirst : {false, true}) {
        SCOPED_TRACE(streamFirst);
        platform::DeferredSoundPlayer player(BRIVATENZO_SOUND_MODULE);
        QElapsedTimer made;
        made.start();
        player.open();
        if (streamFirst) {
            while (server.streams().isEmpty() && made.elapsed() < 700)
                QTest::qWait(20);
            EXPECT_EQ(server.streams().count('\n'), 1) << "no stream before the first sound";
        }
        const qsizetype asked = heard.slices();
        player.play(platform::QtResources().sound(102));
        const qsizetype onset = heard.onset(asked, 2000);
        EXPECT_GE(onset, 0) << "not heard";
        EXPECT_LT((onset - asked) * 5, 500)
            << "ms, heard late; the player was made " << made.elapsed() << " ms ago";
        QTest::qWait(200); // to its end
    }
}

// Busy loops, twice as many as the cores this process may run on, from when it is made until it
// goes, and a minute at most, should the test hang: threads of this process, they also end with it,
// however it ends.
class BusyCores {
  public:
    BusyCores() {
        cpu_set_t cores;
        const int n = sched_getaffinity(0, sizeof cores, &cores) == 0 ? CPU_COUNT(&cores) : 1;
        const auto until = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        for (int i = 0; i < 2 * n; ++i)
            loops_.emplace_back([this, until] {
                while (!stop_.load(std::memory_order_relaxed) && std::chrono::steady_clock::now() < until) {
                }
            });
    }
    ~BusyCores() {
        stop_ = true;
        for (std::thread& loop : loops_)
            loop.join();
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

  private:
    std::atomic<bool> stop_ = false;
    std::vector<std::thread> loops_;
};

// On the run's own server, which runs at no higher priority than the busy loops: each sound is
// heard whole, its length and pauses those of its file; and a sound asked for while another plays
// cuts it at once and is heard to its end.
TEST(Sound, IsHeardWholeWhileEveryCoreIsBusy) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "no PULSE_SERVER (scripts/test.sh sets it)";
    const platform::QtResources resources;
    Recorder heard;
    platform::DeferredSoundPlayer player(BRIVATENZO_SOUND_MODULE);
    player.open();
    const BusyCores busy;
    for (int n = 101; n <= 107; ++n) {
        const qsizetype asked = heard.slices();
        player.play(resources.sound(n));
        const qsizetype onset = heard.onset(asked, 3000);
        ASSERT_GE(onset, 0) << "sound " << n << " was not heard";
        EXPECT_EQ(heard.judge(n, onset), "");
    }
    // 105 half a second into 101: heard to the end of 105, which starts where 101 is cut.
    const qsizetype asked = heard.slices();
    player.play(resources.sound(101));
    const qsizetype onset = heard.onset(asked, 3000);
    ASSERT_GE(onset, 0) << "sound 101 was not heard";
    while (heard.slices() < onset + 100)
        QTest::qWait(10);
    const qsizetype cut = heard.slices();
    player.play(resources.sound(105));
    // The recording is judged from the slice it had reached when 105 was asked for, which is that
    // much behind the clock.
    const int expected = static_cast<int>(cut - onset) * 5 + kSoundFiles.at(105).ms;
    const Heard both = heard.listen(onset, expected);
    EXPECT_TRUE(both.ms >= expected - 90 && both.ms <= expected + 500 && both.gapMs <= 90)
        << both.ms << " ms heard, " << expected << " expected; a gap of " << both.gapMs << " ms "
        << both.gapAtMs << " ms in";
}

} // namespace
