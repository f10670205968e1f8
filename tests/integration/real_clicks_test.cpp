// The program on a real X server (the Xvfb that scripts/services.sh starts), clicked with xdotool
// as a child's mouse clicks: quick or slow clicks whose first click closes or opens a window, a hand
// that drifts between presses or holds the button down, a child who keeps clicking, and a
// digit-count list.
#include "support/Readback.h"
#include "view/Units.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kDisplay = qEnvironmentVariable("BRIVATENZO_DISPLAY");

// A control's place in its window, in twips as the window's table gives it, in pixels.
QRect twips(int left, int top, int width, int height) {
    return {view::px(left), view::px(top), view::px(width), view::px(height)};
}

// Start window: "Info", the loudspeaker, "Esci", "da te", "dal computer", "Addizione con 2 addendi",
// "Sottrazione".
const QRect kInfo = twips(1860, 5760, 1515, 555), kLoudspeaker = twips(4020, 5760, 1515, 555),
            kEsci = twips(6120, 5760, 1515, 555), kDaTe = twips(5940, 1320, 2115, 495),
            kDalComputer = twips(5940, 1980, 2115, 495), kAddizione2 = twips(660, 2640, 3915, 615),
            kSottrazione = twips(2760, 3420, 3915, 615);
// About box: "OK". Two-addend window: "Esci", the two entry boxes, "OK", the keypad's 7, 8 and 4
// (in its frame), the delete key, the hand beside the first entry box, the units cell of the sum, the two
// digit-count lists.
const QRect kOk = twips(3360, 5100, 1395, 555), kEnd = twips(7380, 5580, 1395, 495),
            kEntry = twips(1320, 2400, 1035, 405), kEntry2 = twips(1320, 3120, 1035, 405),
            kInserisci = twips(1140, 3660, 1395, 495), kSeven = twips(7140 + 120, 1980 + 240, 495, 495),
            kEight = twips(7140 + 720, 1980 + 240, 495, 495), kFour = twips(7140 + 120, 1980 + 840, 495, 495),
            kDelete = twips(7860, 4020, 1095, 495), kHand = twips(660, 2340, 384, 384),
            kUnits = twips(5640, 3600, 615, 735), kListaPrimo = twips(1560, 2400, 615, 315),
            kListaSecondo = twips(1560, 3120, 615, 315);

QString x(const QStringList& args) {
    return testing_support::output("xdotool", args).trimmed();
}

// The top left on the screen of the shown window titled `title`; none when none shows.
std::optional<QPoint> origin(const QString& title) {
    const QString id = x({"search", "--onlyvisible", "--name", "^" + title + "$"}).section('\n', 0, 0);
    if (id.isEmpty()) return {};
    // (xdotool's getwindowgeometry counts a window manager's frame twice.)
    const QString info = testing_support::output("xwininfo", {"-id", id});
    const QRegularExpression corner("Absolute upper-left X: *(-?\\d+)\\s+Absolute upper-left Y: *(-?\\d+)");
    const QRegularExpressionMatch m = corner.match(info);
    if (!m.hasMatch()) return {};
    return QPoint(m.captured(1).toInt(), m.captured(2).toInt());
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

// Clicks at each place in turn, each press held `holdMs` and the next `gapMs` after its release;
// then waits for the program to handle the last.
void clicks(const std::vector<QPoint>& places, int gapMs = 150, int holdMs = 0) {
    const auto sleep = [](int ms) { return QStringList{"sleep", QString::number(ms / 1000.0)}; };
    QStringList args;
    for (const QPoint p : places)
        args << (args.isEmpty() ? QStringList() : sleep(gapMs)) << "mousemove" << QString::number(p.x())
             << QString::number(p.y()) << "mousedown"
             << "1" << (holdMs > 0 ? sleep(holdMs) : QStringList()) << "mouseup"
             << "1"; // ("click" waits 100 ms more after its release)
    x(args);
    QTest::qWait(600);
}

// Clicks at p once.
void click(QPoint p) {
    clicks({p});
}

// How a child clicks again when nothing seems to happen: how many presses, how long after the
// release before, how far the later presses drift from the first (0: none; else the second lands
// `drift` px away, each after it 2 px further, all along the longer side of the place aimed at),
// and how long each is held.
struct Burst {
    int presses;
    int gapMs;
    int drift;
    int holdMs = 0;
};

void clicks(const QRect& place, const Burst& b) {
    const QPoint along = place.width() >= place.height() ? QPoint(1, 0) : QPoint(0, 1);
    const QPoint first = place.center() - (b.drift > 0 ? along * 6 : QPoint());
    std::vector<QPoint> at{first};
    for (int k = 1; k < b.presses; ++k)
        at.push_back(first + along * (b.drift > 0 ? b.drift + 2 * (k - 1) : 0));
    EXPECT_TRUE(place.contains(at.back())) << "a burst must stay on the place it is aimed at";
    clicks(at, b.gapMs, b.holdMs);
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

// The program started on the display, at its start window.
struct RealClicks : ::testing::Test {
    QProcess program;
    QPoint start; // where the start window is, also while an exercise hides it

    void SetUp() override {
        ASSERT_FALSE(kDisplay.isEmpty()) << "no BRIVATENZO_DISPLAY (scripts/services.sh starts an Xvfb)";
        // For the program, xdotool and import alike (this test itself draws nothing).
        qputenv("DISPLAY", kDisplay.toLocal8Bit());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("PULSE_SERVER", "unix:/nonexistent/pulse");
        program.setProcessEnvironment(env);
        program.start(BRIVATENZO_PROGRAM);
        ASSERT_TRUE(waitFor("4 Brivatenzo")) << "the start window did not show";
        start = origin("4 Brivatenzo").value_or(QPoint());
    }
    void TearDown() override {
        program.kill();
        program.waitForFinished();
    }
};

// Every press of a burst of quick clicks (each within 600 ms of the release before) counts only in
// the window that took the first, and at one spot only on the control that took the first: where the
// first click closes the about box or an exercise window, or opens one, the control that then lies
// under the pointer is not pressed, however far the hand drifts, also when the second click comes
// half a second after the first and when each press is held 550 ms; on a keypad key each press types
// a digit. A click on another control, also on the key beside or below at once, or later, is a click
// of its own.
TEST_F(RealClicks, ABurstOfClicksActsOnlyInTheWindowItWasAimedAt) {
    const QImage loudspeaker = screen(kLoudspeaker.translated(start));
    click(kDaTe.translated(start).center());
    const QString add = "Addizione con 2 addendi";
    const QRect overEntry = kAddizione2.translated(start) & kEntry.translated(start);
    ASSERT_FALSE(overEntry.isEmpty());

    // The entry box with 7 typed once to four times by single clicks (index 0: empty).
    std::vector<QImage> sevens;
    QRect overEsci; // where the exercise's "Esci" lies over the start window's
    // (Each press on the loudspeaker would switch the sound: the drifting bursts have an even
    // number of later presses, whose switches the picture shows.)
    const Burst bursts[] = {{2, 150, 0}, {3, 150, 0}, {4, 150, 0},     {2, 120, 8},
                            {4, 120, 8}, {2, 500, 0}, {2, 100, 0, 550}};
    for (const Burst& b : bursts) {
        SCOPED_TRACE(testing::Message() << b.presses << " presses " << b.gapMs << " ms apart, drifting "
                                        << b.drift << " px, held " << b.holdMs << " ms");
        // "OK" over the loudspeaker: the sound stays on, its picture as it was.
        click(kInfo.translated(start).center());
        ASSERT_TRUE(waitFor("Info"));
        clicks(on("Info", kOk) & kLoudspeaker.translated(start), b);
        EXPECT_TRUE(waitFor("Info", false));
        EXPECT_TRUE(screen(kLoudspeaker.translated(start)) == loudspeaker) << "the sound was switched";

        // "Addizione con 2 addendi" opens its window over the pointer, where the first entry box
        // lies: the box is not clicked (a click would stop the hand blinking beside it).
        clicks(overEntry, b);
        ASSERT_TRUE(waitFor(add));
        EXPECT_TRUE(changes(on(add, kHand))) << "the entry box was clicked as its window opened";
        click(on(add, kEntry).center());
        if (sevens.empty()) {
            EXPECT_FALSE(changes(on(add, kHand))) << "a click on the entry box stops the hand";
            for (int n = 0; n <= 4; ++n, click(on(add, kSeven).center()))
                sevens.push_back(screen(on(add, kEntry)));
            clicks(std::vector<QPoint>(4, on(add, kDelete).center()));
            EXPECT_TRUE(screen(on(add, kEntry)) == sevens[0]);
            // Two keys 80 ms apart both type, side by side as one above the other: 7 and 8, less the
            // last digit, leave a 7; 7 and 4 after it, less the last, two.
            int left = 0;
            for (const QRect& key : {kEight, kFour}) {
                clicks({on(add, kSeven).center(), on(add, key).center()}, 80);
                click(on(add, kDelete).center());
                EXPECT_TRUE(screen(on(add, kEntry)) == sevens[++left])
                    << (key == kEight ? "8" : "4") << " not typed 80 ms after 7";
            }
            clicks(std::vector<QPoint>(2, on(add, kDelete).center()));
        }
        // Clicks on the keypad's 7 type as many 7s as single clicks do, quick, slow or drifting.
        clicks(on(add, kSeven), b);
        EXPECT_TRUE(screen(on(add, kEntry)) == sevens[b.presses] &&
                    sevens[b.presses] != sevens[b.presses - 1])
            << "not typed " << b.presses << " times";
        if (&b == &bursts[0]) {
            // Quick clicks on two controls of one window: 7 and, 80 ms later, the delete key both act.
            clicks({on(add, kSeven).center(), on(add, kDelete).center()}, 80);
            EXPECT_TRUE(screen(on(add, kEntry)) == sevens[2]) << "the delete key was not pressed";
            // 77 + 7: "OK", and 80 ms later the keypad's 4, the sum's units, written in dark blue.
            click(on(add, kEntry2).center());
            click(on(add, kSeven).center());
            clicks({on(add, kInserisci).center(), on(add, kFour).center()}, 80);
            const int written = testing_support::ink(screen(on(add, kUnits)), [](const QColor& c) {
                                    return c.blue() > 150 && c.red() < 80 && c.green() < 80;
                                }).first;
            EXPECT_GT(written, 60) << "the 4 pressed at once after \"OK\" was not written";
        }

        // "Esci" over the start window's "Esci": back at the start window, the program still running.
        overEsci = on(add, kEnd) & kEsci.translated(start);
        ASSERT_FALSE(overEsci.isEmpty()); // (17 x 21 on a bare display)
        clicks(overEsci, b);
        EXPECT_TRUE(waitFor(add, false));
        QTest::qWait(500);
        ASSERT_EQ(program.state(), QProcess::Running) << "the program ended";
        EXPECT_TRUE(origin("4 Brivatenzo").has_value());
    }

    // A click at the same place, but later (more than 600 ms after the last): no burst, it ends the
    // program.
    click(overEsci.center());
    // (It may have ended while the click waited.)
    EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
}

// A child who keeps clicking: hammering an exercise's "Esci" where it lies over the start window's,
// 8 presses 150 ms apart, the hand wandering up to 24 px, never presses the one beneath; but a child
// who has moved on to "Sottrazione", and clicks it every 450 ms, opens it.
TEST_F(RealClicks, AChildWhoKeepsClickingIsKeptOffTheWindowBeneathButNotLockedOut) {
    click(kDaTe.translated(start).center());
    const QString add = "Addizione con 2 addendi";
    const QRect esci = kEsci.translated(start);
    click(kAddizione2.translated(start).center());
    ASSERT_TRUE(waitFor(add));
    const QRect overEsci = on(add, kEnd) & esci;
    ASSERT_FALSE(overEsci.isEmpty());
    // Each press 6 px or more across or down from the one before, towards the middle of the start
    // window's "Esci", and all on it.
    const QPoint inwards((esci.center().x() > overEsci.center().x()) ? 1 : -1,
                         (esci.center().y() > overEsci.center().y()) ? 1 : -1);
    const QPoint wander[] = {{0, 0}, {8, 6}, {16, 0}, {24, 8}, {14, 14}, {4, 6}, {18, 0}, {24, 12}};
    std::vector<QPoint> hammer;
    for (const QPoint w : wander) {
        hammer.push_back(overEsci.center() + QPoint(w.x() * inwards.x(), w.y() * inwards.y()));
        EXPECT_TRUE(esci.contains(hammer.back())) << "a press off the start window's \"Esci\"";
    }
    clicks(hammer, 150);
    EXPECT_TRUE(waitFor(add, false));
    QTest::qWait(500);
    ASSERT_EQ(program.state(), QProcess::Running) << "the program ended";

    click(kAddizione2.translated(start).center());
    ASSERT_TRUE(waitFor(add));
    const QPoint sottrazione = kSottrazione.translated(start).center();
    clicks({on(add, kEnd).center(), sottrazione, sottrazione, sottrazione, sottrazione}, 450);
    EXPECT_TRUE(waitFor("Sottrazione")) << "\"Sottrazione\" did not open";
}

// Where the computer chooses, a digit-count list opens at a click and its pick is taken, also when it
// comes at once (its popup is its window's): the operands drawn have the digits picked. A second
// press soon after the pick, where the popup lay, does nothing: not "OK" beneath it.
TEST_F(RealClicks, ADigitCountListOpensAndItsPickIsTaken) {
    click(kDalComputer.translated(start).center());
    click(kAddizione2.translated(start).center());
    const QString add = "Addizione con 2 addendi";
    ASSERT_TRUE(waitFor(add));
    QTest::qWait(1000); // (drawn whole)
    // The open list is what changes on screen from its box down (the hand blinks to its left, a
    // message shows to its right).
    const QRect list = on(add, kListaPrimo), below(list.left(), list.top(), list.width() + 20, 150);
    const QImage closed = screen(below);
    click(list.center());
    const QImage open = screen(below);
    QRect popup;
    for (int y = 0; y < open.height(); ++y)
        for (int x = 0; x < open.width(); ++x)
            if (open.pixel(x, y) != closed.pixel(x, y)) popup |= QRect(x, y, 1, 1);
    ASSERT_GT(popup.height(), 4 * 10) << "the list did not open";
    // Its four items, "1" to "4", one under the other: the fourth for the first operand, and presses
    // 8 and 16 px lower, 100 ms apart, on "OK" (the first where the popup lay, the second just below
    // it); in the second list, opened and picked 300 ms apart, the second.
    popup.translate(below.topLeft());
    const auto item = [&](int n) {
        return popup.topLeft() + QPoint(popup.width() / 2, (2 * n - 1) * popup.height() / 8);
    };
    const QPoint lower = item(4) + QPoint(0, 8), lowest = item(4) + QPoint(0, 16);
    const QRect ok = on(add, kInserisci);
    ASSERT_TRUE(popup.contains(lower) && ok.contains(lower) && !popup.contains(lowest) &&
                ok.contains(lowest));
    clicks({item(4), lower, lowest}, 100);
    // Which cells of an operand's row show a digit, from the units: "xxxx." for four digits.
    const auto digits = [&](int top) {
        std::string shown;
        for (int i = 0; i < 5; ++i)
            shown += testing_support::ink(
                         screen(on(add, twips(5640 - 600 * i, top, 615, 615))),
                         [](const QColor& c) {
                             return c.lightness() < 80;
                         }).first > 20
                         ? 'x'
                         : '.';
        return shown;
    };
    EXPECT_EQ(digits(2160), ".....") << "\"OK\" was pressed";
    const QPoint second = on(add, kListaSecondo).topLeft() - list.topLeft();
    clicks({on(add, kListaSecondo).center(), item(2) + second}, 300);
    click(on(add, kInserisci).center());
    EXPECT_EQ(digits(2160), "xxxx.");
    EXPECT_EQ(digits(2760), "xx...");
}

} // namespace
