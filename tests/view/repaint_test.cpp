#include "app/FrmStart.h"
#include "view/OnScreen.h"

#include <QComboBox>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <set>
#include <string>

namespace {

// What one window painted, in the window's own coordinates.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QString window) : window_(std::move(window)) { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }

    QRegion windowArea; // what the window painted of itself
    QRegion area;       // everything painted

    void clear() { windowArea = area = QRegion(); }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() != QEvent::Paint || w == nullptr || w->window()->objectName() != window_) return false;
        const QRegion r =
            static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(w->window(), QPoint(0, 0)));
        area += r;
        if (w->isWindow()) windowArea += r;
        return false;
    }

  private:
    QString window_;
};

struct Repaint : OnScreen {
    // Opens a window, lets it paint itself whole and starts the log afresh.
    forms::Form& openQuiet(const char* name, int chi) {
        log = std::make_unique<PaintLog>(name);
        forms::Form& f = openWindow(name, chi);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.windowOf(f)));
        flush();
        EXPECT_EQ(log->windowArea, QRegion(host.windowOf(f)->rect())); // all of it, the first time
        log->clear();
        return f;
    }
    void flush() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // Where a control's widget lies in its window.
    QRect placeOf(forms::Form& f, const char* name) {
        QWidget* w = widget(f, name);
        return QRect(w->mapTo(host.windowOf(f), QPoint(0, 0)), w->size());
    }
    std::unique_ptr<PaintLog> log;
};

using Names = std::set<std::string>;

struct KeypadCase {
    const char* window;
    std::vector<const char*> keys; // pressed one after the other
    Names repainted;               // what the last key changes on screen
    const char* text;              // in the first entry box afterwards
};

// The pressed key shows its press; the box shows the digit; nothing else on screen changes.
TEST_F(Repaint, AKeypadClickRepaintsTheKeyAndWhatItChangedOnly) {
    const KeypadCase cases[] = {
        {"frmAdd2", {"Cmd_7"}, {"Cmd_7", "txtFattori(0)", "mano(0)"}, "7"},
        {"frmAdd2", {"Cmd_7", "Cmd_3"}, {"Cmd_3", "txtFattori(0)"}, "73"},
        {"frmAdd2", {"Cmd_7", "backspace"}, {"backspace", "txtFattori(0)"}, ""},
        {"frmAdd2", {"backspace"}, {"backspace"}, ""}, // changes nothing: only the key's press shows
        {"frmDivCompatta", {"Cmd_5"}, {"Cmd_5", "txtFattori(0)", "mano(0)"}, "5"},
        {"frmDivCompatta", {"Cmd_5", "Cmd_0"}, {"Cmd_0", "txtFattori(0)"}, "50"},
        {"frmDivCompatta", {"backspace"}, {"backspace"}, ""},
    };
    for (const KeypadCase& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.keys.back() + " after " + std::to_string(c.keys.size()));
        forms::Form& f = openQuiet(c.window, app::DaTe);
        for (const char* key : c.keys) {
            log->clear();
            QTest::mouseClick(widget(f, key), Qt::LeftButton);
            flush();
        }
        EXPECT_EQ(f.find("txtFattori(0)")->text, c.text);
        // Overlapping widgets (the list under the box, the keypad's frame under a key)
        // paint again too, but only within the places of what changed.
        QRegion changed;
        for (const std::string& name : c.repainted) {
            const QRect place = placeOf(f, name.c_str());
            EXPECT_TRUE((QRegion(place) - log->area).isEmpty()) << name << " left unpainted";
            changed += place;
        }
        EXPECT_TRUE((log->area - changed).isEmpty()) << "painted beyond what changed";
        p.event([&] { f.unload(); });
        flush();
    }
}

// The hand blinks, on one tick and off the next: each tick repaints its place, nothing else.
TEST_F(Repaint, ABlinkTickRepaintsOnlyTheHand) {
    for (const char* name : {"frmAdd2", "frmDivCompatta"}) {
        SCOPED_TRACE(name);
        forms::Form& f = openQuiet(name, app::DalComputer);
        const forms::Control& hand = *f.find("mano(0)");
        const QRect place = placeOf(f, "mano(0)");
        int repainted = 0;
        for (int tick = 0; tick < 6; ++tick) {
            log->clear();
            const bool before = hand.visible;
            p.event([&] { f.find("Timer1")->onTimer(); });
            flush();
            EXPECT_EQ(widget(f, "mano(0)")->isVisible(), hand.visible);
            EXPECT_EQ(log->area.isEmpty(), before == hand.visible) << tick;
            if (!log->area.isEmpty()) {
                EXPECT_EQ(log->area.boundingRect(), place) << tick;
                ++repainted;
            }
        }
        EXPECT_EQ(repainted, 6);
        p.event([&] { f.unload(); });
        flush();
    }
}

// Moving the mouse over a start-window button moves the focus there once; further moves
// repaint nothing.
TEST_F(Repaint, AMouseMoveThatLeavesTheFocusRepaintsNothing) {
    auto& start = static_cast<app::FrmStart&>(openQuiet("frmStart", app::InEsecuzione));
    for (const QPoint at : {QPoint(10, 10), QPoint(40, 12), QPoint(60, 20)}) {
        QTest::mouseMove(widget(start, "cmdTe"), at);
        flush();
        EXPECT_EQ(start.focus(), &start.cmdTe);
    }
    log->clear();
    for (const QPoint at : {QPoint(20, 10), QPoint(50, 15)}) {
        QTest::mouseMove(widget(start, "cmdTe"), at);
        flush();
    }
    EXPECT_TRUE(log->area.isEmpty());
}

// What the window shows, as flushed to the screen, is what a full paint of its present
// state draws: no area was left unpainted after any step.
struct Stale : Repaint {
    // One step: "name" clicks a control's widget, "name=k" opens a list and chooses item k,
    // digits press keypad keys.
    void step(forms::Form& f, const std::string& t) {
        if (const auto eq = t.find('='); eq != std::string::npos) {
            auto* list = widget<QComboBox>(f, t.substr(0, eq).c_str());
            list->showPopup();
            list->hidePopup();
            emit list->activated(std::stoi(t.substr(eq + 1)));
        } else if (t[0] >= '0' && t[0] <= '9') {
            for (char d : t)
                QTest::mouseClick(widget(f, ("Cmd_" + std::string(1, d)).c_str()), Qt::LeftButton);
        } else {
            QWidget* w = widget(f, t.c_str());
            ASSERT_TRUE(w != nullptr && w->isVisible() && w->isEnabled()) << t;
            QTest::mouseClick(w, Qt::LeftButton);
        }
        flush();
    }
};

TEST_F(Stale, EveryStepLeavesTheWindowAsAFullPaintWouldDrawIt) {
    struct Case {
        const char* window;
        int chi;
        std::vector<std::string> steps;
        std::string done; // lblFatte at the end
    };
    const Case cases[] = {
        // options, lists, the solution, a new operation, the keypad
        {"frmAdd2",
         app::DalComputer,
         {"Check1", "Check2", "CmbNPA=2", "CmbNSA=1", "CmdVai", "CmdRisolvi", "CmdSomma", "CmdVai"},
         " 0"},
        {"frmDivCompatta",
         app::DalComputer,
         {"Check2", "CmbDividendo=2", "CmbDivisore=0", "CmdInserisci", "CmdAiuto", "CmdRipeti",
          "CmdInserisci"},
         " 0"},
        // an operation worked to its end by the child: 1 + 2 = 3
        {"frmAdd2",
         app::DaTe,
         {"CmbNPA=1", "Check2", "txtFattori(0)", "1", "txtFattori(1)", "2", "CmdVai", "3"},
         " 1"},
    };
    for (const Case& c : cases) {
        forms::Form& f = openQuiet(c.window, c.chi);
        QWidget* w = host.windowOf(f);
        for (const std::string& t : c.steps) {
            SCOPED_TRACE(std::string(c.window) + " after " + t);
            step(f, t);
            const QImage shown = w->screen()->grabWindow(w->winId()).toImage();
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
                        w->grab().toImage().convertToFormat(QImage::Format_RGB32));
            for (auto* list : w->findChildren<QComboBox*>())
                EXPECT_EQ(list->currentIndex(), f.find(list->objectName().toStdString())->listIndex);
        }
        EXPECT_EQ(f.find("lblFatte")->text, c.done);
        p.event([&] { f.unload(); });
        flush();
    }
}

// The cell that takes the next digit shows it (the caret), the others do not; texts
// come in their own colours.
TEST_F(Repaint, TheFocusAndTheColoursShow) {
    forms::Form& f = openQuiet("frmAdd2", app::DaTe);
    const auto image = [&](const char* name) { return widget(f, name)->grab().toImage(); };
    const auto has = [&](const char* name, QRgb colour) {
        const QImage i = image(name).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                if ((i.pixel(x, y) & 0xFFFFFF) == colour) return true;
        return false;
    };
    EXPECT_TRUE(has("LblRisultato", 0xFF0000)); // "Ciao"
    EXPECT_TRUE(has("Label5", 0x0000FF));       // the title
    // The caret, in the box's text colour, in the box the keypad writes into.
    EXPECT_TRUE(has("txtFattori(0)", 0x0000C0));
    EXPECT_FALSE(has("txtFattori(1)", 0x0000C0));
    QTest::mouseClick(widget(f, "txtFattori(1)"), Qt::LeftButton);
    flush();
    EXPECT_FALSE(has("txtFattori(0)", 0x0000C0));
    EXPECT_TRUE(has("txtFattori(1)", 0x0000C0));
    // The counters' box and the line across it, which the window draws itself.
    const QImage window = host.windowOf(f)->grab().toImage();
    EXPECT_EQ(window.pixel(540, 40) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(window.pixel(600, 35) & 0xFFFFFF, 0xFFFFC0u);
    QTest::mouseClick(widget(f, "Cmd_8"), Qt::LeftButton);
    flush();
    EXPECT_TRUE(has("txtFattori(1)", 0x0000C0)); // the digit
}

} // namespace
