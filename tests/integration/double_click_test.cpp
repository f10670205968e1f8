// The program on a real X server (the Xvfb that scripts/services.sh starts), clicked with xdotool
// as a child's mouse clicks: a double click whose first click closes or opens a window.
#include "support/Readback.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kDisplay = qEnvironmentVariable("BRIVATENZO_DISPLAY");

// A control's place in its window, in twips as the window's table gives it, in pixels.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// Start window: "Info", the loudspeaker, "Esci", "da te", "Addizione con 2 addendi".
const QRect kInfo = twips(1860, 5760, 1515, 555), kLoudspeaker = twips(4020, 5760, 1515, 555),
            kEsci = twips(6120, 5760, 1515, 555), kDaTe = twips(5940, 1320, 2115, 495),
            kAddizione2 = twips(660, 2640, 3915, 615);
// About box: "OK". Two-addend window: "Esci", the first entry box, the keypad's 7 (in its frame),
// the delete key, the hand beside the first entry box.
const QRect kOk = twips(3360, 5100, 1395, 555), kEnd = twips(7380, 5580, 1395, 495),
            kEntry = twips(1320, 2400, 1035, 405), kSeven = twips(7140 + 120, 1980 + 240, 495, 495),
            kDelete = twips(7860, 4020, 1095, 495), kHand = twips(660, 2340, 384, 384);

QString x(const QStringList& args) {
    return testing_support::output("xdotool", args).trimmed();
}

// The top left on the screen of the shown window titled `title`; none when none shows.
std::optional<QPoint> origin(const QString& title) {
    const QString id = x({"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
    const QStringList shell = x({"getwindowgeometry", "--shell", id}).split('\n'); // X=..., Y=...
    if (id.isEmpty() || shell.size() < 3) return {};
    return QPoint(shell[1].section('=', 1).toInt(), shell[2].section('=', 1).toInt());
}

// Waits up to 10 s for the window titled `title` to show (or, `shown` false, to go).
bool waitFor(const QString& title, bool shown = true) {
    QElapsedTimer t;
    for (t.start(); t.elapsed() < 10000; QTest::qWait(50))
        if (origin(title).has_value() == shown) return true;
    return false;
}

// A place in a window, on the screen.
QRect on(const QString& title, const QRect& place) {
    return place.translated(origin(title).value_or(QPoint(-10000, -10000)));
}

// Presses at p once, or twice as a double click (the second press 200 ms after the first click,
// well within the double-click time, and after the program has handled the first).
void click(QPoint p, int times = 1) {
    x({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "--repeat",
       QString::number(times), "--delay", "200", "1"});
    QTest::qWait(600);
}

QImage screen(const QRect& r) {
    const auto [ended, png] = testing_support::run("import", {"-window", "root", "png:-"});
    return QImage::fromData(png).copy(r).convertToFormat(QImage::Format_RGB32);
}

// Whether a place changes within a second and a half (a hand that blinks every 500 ms does).
bool changes(const QRect& r) {
    const QImage first = screen(r);
    for (int i = 0; i < 8; ++i, QTest::qWait(200))
        if (screen(r) != first) return true;
    return false;
}

// The second press of a double click counts only on the control that took the first: where the
// first click closes the about box or an exercise window, the start window's control under the
// pointer is not pressed; on a keypad key it is, and types a second digit.
TEST(RealClicks, ADoubleClickActsOnlyOnTheControlItWasAimedAt) {
    ASSERT_FALSE(kDisplay.isEmpty()) << "no BRIVATENZO_DISPLAY (scripts/services.sh starts an Xvfb)";
    // For the program, xdotool and import alike (this test itself draws nothing).
    qputenv("DISPLAY", kDisplay.toLocal8Bit());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("PULSE_SERVER", "unix:/nonexistent/pulse");
    program.setProcessEnvironment(env);
    program.start(BRIVATENZO_PROGRAM);
    ASSERT_TRUE(waitFor("4 Brivatenzo")) << "the start window did not show";
    // Where the start window is, also while an exercise hides it.
    const QPoint start = origin("4 Brivatenzo").value_or(QPoint());

    // "OK" over the loudspeaker: the sound stays on, its picture as it was.
    const QImage loudspeaker = screen(kLoudspeaker.translated(start));
    click(kInfo.translated(start).center());
    ASSERT_TRUE(waitFor("Info"));
    const QRect overLoudspeaker = on("Info", kOk) & kLoudspeaker.translated(start);
    ASSERT_FALSE(overLoudspeaker.isEmpty());
    click(overLoudspeaker.center(), 2);
    EXPECT_TRUE(waitFor("Info", false));
    EXPECT_TRUE(screen(kLoudspeaker.translated(start)) == loudspeaker) << "the sound was switched";

    // "Addizione con 2 addendi" opens its window over the pointer, where the first entry box lies:
    // the box is not clicked (a click would stop the hand blinking beside it).
    click(kDaTe.translated(start).center());
    const QString add = "Addizione con 2 addendi";
    const QRect overEntry = kAddizione2.translated(start) & kEntry.translated(start);
    ASSERT_FALSE(overEntry.isEmpty());
    click(overEntry.center(), 2);
    ASSERT_TRUE(waitFor(add));
    EXPECT_TRUE(changes(on(add, kHand))) << "the entry box was clicked as its window opened";

    // A double click on the keypad's 7 types 77, as two clicks do.
    click(on(add, kEntry).center());
    EXPECT_FALSE(changes(on(add, kHand))) << "a click on the entry box stops the hand";
    const QImage none = screen(on(add, kEntry));
    click(on(add, kSeven).center());
    const QImage seven = screen(on(add, kEntry));
    click(on(add, kSeven).center());
    const QImage twice = screen(on(add, kEntry));
    click(on(add, kDelete).center());
    click(on(add, kDelete).center());
    EXPECT_TRUE(screen(on(add, kEntry)) == none);
    click(on(add, kSeven).center(), 2);
    EXPECT_TRUE(seven != none && twice != seven && screen(on(add, kEntry)) == twice) << "not typed twice";

    // "Esci" over the start window's "Esci": back at the start window, the program still running.
    const QRect overEsci = on(add, kEnd) & kEsci.translated(start);
    ASSERT_EQ(overEsci.size(), QSize(17, 21));
    click(overEsci.center(), 2);
    EXPECT_TRUE(waitFor(add, false));
    QTest::qWait(500);
    EXPECT_EQ(program.state(), QProcess::Running) << "the program ended";
    EXPECT_TRUE(origin("4 Brivatenzo").has_value());

    click(kEsci.translated(start).center());
    // (It may have ended while the click waited.)
    EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
    program.kill();
}

} // namespace
