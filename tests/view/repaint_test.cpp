#include "view/FormImage.h"
#include "view/OnScreen.h"

#include <QPaintEvent>
#include <QScreen>

namespace {

// Logs what the watched window paints, in its own coordinates.
struct Repaint : OnScreen, QObject {
    QWidget* watched = nullptr;
    QRegion painted;

    Repaint() { qApp->installEventFilter(this); }
    ~Repaint() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Paint && w != nullptr && w->window() == watched)
            painted += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(watched, QPoint(0, 0)));
        return false;
    }
};

// After every step the screen shows what a window built afresh from the form draws: nothing is
// left unpainted after an option, a list, the solution, the end of an operation. The last step
// repaints the places of what it changed (a pressed key shows its press) and nothing else: a
// blink tick only the hand, a mouse move that leaves the focus where it was nothing.
TEST_F(Repaint, EachStepRepaintsWhatItChangedAndLeavesTheScreenAsAFreshWindowDrawsIt) {
    // window, chi, steps, what the last one repaints (unchecked if null), lblFatte after (or "")
    const std::tuple<const char*, int, const char*, const char*, const char*> cases[] = {
        {"frmAdd2", app::DaTe, "7", "Cmd_7 txtFattori(0) mano(0)", ""},
        {"frmAdd2", app::DaTe, "7 3", "Cmd_3 txtFattori(0)", ""},
        {"frmAdd2", app::DaTe, "7 backspace", "backspace txtFattori(0)", ""},
        {"frmAdd2", app::DaTe, "backspace", "backspace", ""}, // changes nothing
        {"frmDivCompatta", app::DaTe, "5 0", "Cmd_0 txtFattori(0)", ""},
        {"frmDivCompatta", app::DaTe, "backspace", "backspace", ""},
        {"frmAdd2", app::DalComputer, "tick", "mano(0)", ""},
        {"frmAdd2", app::DalComputer, "tick tick", "mano(0)", ""},
        {"frmDivCompatta", app::DalComputer, "tick", "mano(0)", ""},
        {"frmStart", app::InEsecuzione, "~cmdTe ~cmdTe", "", ""},
        // options, lists, the solution, a new operation
        {"frmAdd2", app::DalComputer, "Check1 Check2 CmbNPA=2 CmbNSA=1 CmdVai CmdRisolvi CmdSomma CmdVai",
         nullptr, " 0"},
        {"frmDivCompatta", app::DalComputer,
         "Check2 CmbDividendo=2 CmbDivisore=0 CmdInserisci CmdAiuto CmdRipeti CmdInserisci", nullptr, " 0"},
        // worked to their end by the child: 1 + 2 = 3, 52 - 7 = 45 with its borrow
        {"frmAdd2", app::DaTe, "CmbNPA=1 Check2 txtFattori(0) 1 txtFattori(1) 2 CmdVai 3", nullptr, " 1"},
        {"frmSott1", app::DaTe, "Check2 txtFattori(0) 52 txtFattori(1) 7 CmdInserisci 4 1 2 5 4", nullptr,
         " 1"},
    };
    for (const auto& [window, chi, steps, repainted, done] : cases) {
        forms::Form& f = openWindow(window, chi);
        QWidget* w = host.windowOf(f);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        flush();
        watched = w;
        SCOPED_TRACE(window);
        int n = 0;
        for (const QString& s : words(steps)) {
            SCOPED_TRACE("step " + std::to_string(++n) + " " + s.toStdString());
            painted = QRegion();
            step(f, s.toStdString());
            const QImage shown = w->screen()->grabWindow(w->winId()).toImage();
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == view::renderForm(f));
        }
        // Overlapping widgets (the list under a box, the keypad's frame) paint again too, but
        // only within the places of what changed.
        QRegion changed;
        for (const QString& name : words(repainted == nullptr ? "" : repainted)) {
            QWidget* control = w->findChild<QWidget*>(name);
            const QRect place(control->mapTo(w, QPoint(0, 0)), control->size());
            EXPECT_TRUE((QRegion(place) - painted).isEmpty()) << name.toStdString() << " left unpainted";
            changed += place;
        }
        EXPECT_TRUE(repainted == nullptr || (painted - changed).isEmpty()) << "painted beyond what changed";
        EXPECT_EQ(*done ? f.find("lblFatte")->text : std::string(), done);
        p.event([&] { f.unload(); });
        flush();
    }
}

// Texts in their colours; the caret in the box or cell the next digit goes into, after its
// text; the window's own line and box.
TEST_F(Repaint, WhatEachPlaceShows) {
    const char* prestito = "txtFattori(0) 52 txtFattori(1) 7 CmdInserisci 4 1";
    const char* altrove = "txtFattori(0) 52 txtFattori(1) 7 CmdInserisci 4 1 @TxtDifferenza(0)";
    // window, steps, widget, area in it (all if empty), colour, at least so many pixels (none if 0)
    const std::tuple<const char*, const char*, const char*, QRect, QRgb, int> cases[] = {
        {"frmAdd2", "", "LblRisultato", {}, 0xFF0000, 10}, // "Ciao"
        {"frmAdd2", "", "Label5", {}, 0x0000FF, 10},       // the title
        {"frmAdd2", "", "txtFattori(0)", {}, 0x0000C0, 10},
        {"frmAdd2", "", "txtFattori(1)", {}, 0x0000C0, 0},
        {"frmAdd2", "txtFattori(1)", "txtFattori(0)", {}, 0x0000C0, 0},
        {"frmAdd2", "txtFattori(1)", "txtFattori(1)", {}, 0x0000C0, 10},
        {"frmAdd2", "", "frmAdd2", {540, 40, 1, 1}, 0x000000, 1},
        {"frmAdd2", "", "frmAdd2", {600, 35, 1, 1}, 0xFFFFC0, 1},
        {"frmSott1", prestito, "TxtPrestito(0)", {24, 0, 13, 33}, 0xFF0000, 10}, // right of the lone 1
        {"frmSott1", altrove, "TxtPrestito(0)", {24, 0, 13, 33}, 0xFF0000, 0},
    };
    for (const auto& [window, steps, name, area, colour, pixels] : cases) {
        SCOPED_TRACE(std::string(window) + " " + name + " after " + steps);
        forms::Form& f = openWindow(window, app::DaTe);
        for (const QString& s : words(steps))
            step(f, s.toStdString());
        const QImage image = widget(f, name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect r = area.isEmpty() ? image.rect() : area;
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == colour;
        EXPECT_TRUE(pixels > 0 ? n >= pixels : n == 0) << n;
        p.event([&] { f.unload(); });
        flush();
    }
}

} // namespace
