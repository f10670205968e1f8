#include "view/FormImage.h"
#include "view/OnScreen.h"

#include <QPaintEvent>
#include <QScreen>
#include <optional>
#include <set>

namespace {

// What one window painted, in the window's own coordinates.
class PaintLog : public QObject {
  public:
    explicit PaintLog(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    QRegion area;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Paint && w != nullptr && w->window() == window_)
            area += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(w->window(), QPoint(0, 0)));
        return false;
    }

  private:
    QWidget* window_;
};

using Repaint = OnScreen;
using Names = std::set<std::string>;
using Steps = std::vector<std::string>;

// After every step the screen shows what a window built afresh from the form draws: nothing is
// left unpainted after an option, a list, the solution, the end of an operation. The last step
// repaints the places of what it changed (a pressed key shows its press) and nothing else: a
// blink tick only the hand, a mouse move that leaves the focus where it was nothing.
TEST_F(Repaint, EachStepRepaintsWhatItChangedAndLeavesTheScreenAsAFreshWindowDrawsIt) {
    const std::tuple<const char*, int, Steps, std::optional<Names>, const char*> cases[] = {
        {"frmAdd2", app::DaTe, {"7"}, Names{"Cmd_7", "txtFattori(0)", "mano(0)"}, nullptr},
        {"frmAdd2", app::DaTe, {"7", "3"}, Names{"Cmd_3", "txtFattori(0)"}, nullptr},
        {"frmAdd2", app::DaTe, {"7", "backspace"}, Names{"backspace", "txtFattori(0)"}, nullptr},
        {"frmAdd2", app::DaTe, {"backspace"}, Names{"backspace"}, nullptr}, // changes nothing
        {"frmDivCompatta", app::DaTe, {"5", "0"}, Names{"Cmd_0", "txtFattori(0)"}, nullptr},
        {"frmDivCompatta", app::DaTe, {"backspace"}, Names{"backspace"}, nullptr},
        {"frmAdd2", app::DalComputer, {"tick"}, Names{"mano(0)"}, nullptr},
        {"frmAdd2", app::DalComputer, {"tick", "tick"}, Names{"mano(0)"}, nullptr},
        {"frmDivCompatta", app::DalComputer, {"tick"}, Names{"mano(0)"}, nullptr},
        {"frmStart", app::InEsecuzione, {"~cmdTe", "~cmdTe"}, Names{}, nullptr},
        // options, lists, the solution, a new operation; lblFatte at the end
        {"frmAdd2",
         app::DalComputer,
         {"Check1", "Check2", "CmbNPA=2", "CmbNSA=1", "CmdVai", "CmdRisolvi", "CmdSomma", "CmdVai"},
         {},
         " 0"},
        {"frmDivCompatta",
         app::DalComputer,
         {"Check2", "CmbDividendo=2", "CmbDivisore=0", "CmdInserisci", "CmdAiuto", "CmdRipeti",
          "CmdInserisci"},
         {},
         " 0"},
        // worked to their end by the child: 1 + 2 = 3, 52 - 7 = 45 with its borrow
        {"frmAdd2",
         app::DaTe,
         {"CmbNPA=1", "Check2", "txtFattori(0)", "1", "txtFattori(1)", "2", "CmdVai", "3"},
         {},
         " 1"},
        {"frmSott1",
         app::DaTe,
         {"Check2", "txtFattori(0)", "52", "txtFattori(1)", "7", "CmdInserisci", "4", "1", "2", "5", "4"},
         {},
         " 1"},
    };
    for (const auto& [window, chi, steps, repainted, done] : cases) {
        forms::Form& f = openWindow(window, chi);
        QWidget* w = host.windowOf(f);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        flush();
        PaintLog log(w);
        for (const std::string& s : steps) {
            SCOPED_TRACE(std::string(window) + " " + std::to_string(&s - steps.data()) + " " + s);
            log.area = QRegion();
            step(f, s);
            const QImage shown = w->screen()->grabWindow(w->winId()).toImage();
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == view::renderForm(f));
        }
        // Overlapping widgets (the list under a box, the keypad's frame) paint again too, but
        // only within the places of what changed.
        QRegion changed;
        for (const std::string& name : repainted.value_or(Names())) {
            const QRect place(widget(f, name)->mapTo(w, QPoint(0, 0)), widget(f, name)->size());
            EXPECT_TRUE((QRegion(place) - log.area).isEmpty()) << window << " " << name << " left unpainted";
            changed += place;
        }
        EXPECT_TRUE(!repainted || (log.area - changed).isEmpty()) << window << " painted beyond what changed";
        EXPECT_EQ(done == nullptr ? "" : f.find("lblFatte")->text, done == nullptr ? "" : done);
        p.event([&] { f.unload(); });
        flush();
    }
}

// Texts in their colours; the caret in the box or cell the next digit goes into, after its
// text; the window's own line and box.
TEST_F(Repaint, WhatEachPlaceShows) {
    const Steps prestito = {"txtFattori(0)", "52", "txtFattori(1)", "7", "CmdInserisci", "4", "1"};
    Steps altrove = prestito;
    altrove.push_back("@TxtDifferenza(0)");
    // window, steps, widget, area in it (all if empty), colour, at least so many pixels (none if 0)
    const std::tuple<const char*, Steps, const char*, QRect, QRgb, int> cases[] = {
        {"frmAdd2", {}, "LblRisultato", {}, 0xFF0000, 10}, // "Ciao"
        {"frmAdd2", {}, "Label5", {}, 0x0000FF, 10},       // the title
        {"frmAdd2", {}, "txtFattori(0)", {}, 0x0000C0, 10},
        {"frmAdd2", {}, "txtFattori(1)", {}, 0x0000C0, 0},
        {"frmAdd2", {"txtFattori(1)"}, "txtFattori(0)", {}, 0x0000C0, 0},
        {"frmAdd2", {"txtFattori(1)"}, "txtFattori(1)", {}, 0x0000C0, 10},
        {"frmAdd2", {}, "frmAdd2", {540, 40, 1, 1}, 0x000000, 1},
        {"frmAdd2", {}, "frmAdd2", {600, 35, 1, 1}, 0xFFFFC0, 1},
        {"frmSott1", prestito, "TxtPrestito(0)", {24, 0, 13, 33}, 0xFF0000, 10}, // right of the lone 1
        {"frmSott1", altrove, "TxtPrestito(0)", {24, 0, 13, 33}, 0xFF0000, 0},
    };
    for (const auto& [window, steps, name, area, colour, pixels] : cases) {
        SCOPED_TRACE(std::string(window) + " " + name + " after " + std::to_string(steps.size()));
        forms::Form& f = openWindow(window, app::DaTe);
        for (const std::string& s : steps)
            step(f, s);
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
