// The program's real windows on Qt's offscreen platform, with fake services: what a child sees on
// screen, and what the mouse and the keyboard do there.
#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd2Bis.h"
#include "platform/qt/QtResources.h"
#include "support/Clicks.h"
#include "support/Esercizio.h"
#include "support/OnScreen.h"
#include "support/Program.h"
#include "support/Readback.h"
#include "view/ControlWidgets.h"
#include "view/FormImage.h"
#include "view/FormWindow.h"
#include "view/Pictures.h"
#include "view/QtPrinter.h"
#include "view/Units.h"
#include "view/ViewHost.h"

#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using app::DalComputer, app::DaTe, app::InEsecuzione;
using testing_support::clickAlone, testing_support::ink, testing_support::OnScreen,
    testing_support::pressAlone;

// After every step the screen shows what a window built afresh from the form draws: nothing is
// left unpainted after an option, a list, the solution, the end of an operation. The steps after
// "|" repaint the places of what they changed (a pressed key shows its press) and nothing else: a
// blink tick only the hand; a mouse move that leaves the focus where it was, keys, a right or
// middle click on an entry box or a board cell, a wheel notch over a closed list, nothing. Ticks
// come only from the steps.
TEST_F(OnScreen, EachStepRepaintsWhatItChangedAndLeavesTheScreenAsAFreshWindowDrawsIt) {
    // window, chi, steps, what those after "|" repaint (unchecked if null), lblFatte after (or "")
    const std::tuple<const char*, int, const char*, const char*, const char*> cases[] = {
        {"frmAdd2", DaTe, "| 7 txtFattori(1)/r txtFattori(1)/m", "Cmd_7 txtFattori(0) mano(0)", ""},
        {"frmAdd2", DaTe, "| CmbNSA=0", "mano(1) *", ""},               // its DropDown handler first
        {"frmAdd2", DalComputer, "CmbNPA=1 | ^CmbNPA ^CmbNSA", "", ""}, // the digit counts stay
        {"frmAdd2", DaTe, "| backspace CmdRisolvi/r", "backspace", ""}, // changes nothing
        {"frmProva", DaTe, "| !txtFattori(0) !CmbNPA !Cmd_5 !CmdVai", "", ""},
        {"frmStart", InEsecuzione, "~cmdTe | ~cmdTe", "", ""},
        {"frmDivCompatta", DalComputer, "CmbDividendo=1 CmdInserisci | TxtDividendo(2)/r TxtDividendo(2)/m",
         "", ""},
        {"frmAdd2", DalComputer, "tick | tick", "mano(0)", ""},
        {"frmDivCompatta", DalComputer, "| tick", "mano(0)", ""},
        // options, lists, the solution, a new operation
        {"frmAdd2", DalComputer, "Check1 Check2 CmbNPA=2 CmbNSA=1 CmdVai CmdRisolvi CmdSomma CmdVai", nullptr,
         " 0"},
        {"frmDivCompatta", DalComputer,
         "Check2 CmbDividendo=2 CmbDivisore=0 CmdInserisci CmdAiuto CmdRipeti CmdInserisci", nullptr, " 0"},
        // worked to their end by the child: 1 + 2 = 3, 52 - 7 = 45 with its borrow
        {"frmAdd2", DaTe, "CmbNPA=1 Check2 txtFattori(0) 1 txtFattori(1) 2 CmdVai 3", nullptr, " 1"},
        {"frmSott1", DaTe, "Check2 txtFattori(0) 52 txtFattori(1) 7 CmdInserisci 4 1 2 5 4", nullptr, " 1"},
    };
    for (const auto& [window, chi, steps, repainted, done] : cases) {
        SCOPED_TRACE(std::string(window) + " " + steps);
        forms::Form& f = open(window, chi);
        QWidget* w = watched = widget(f, window);
        for (const QString& s : QString(steps).split(' ')) {
            step(f, s.toStdString());
            EXPECT_TRUE(screen(f) == view::renderForm(f)) << s.toStdString();
        }
        // Overlapping widgets (the list under a box, the keypad's frame) paint again too, but only
        // within the places of what changed.
        QRegion changed;
        for (const QString& name : QString(repainted).remove('*').split(' ', Qt::SkipEmptyParts)) {
            QWidget* control = w->findChild<QWidget*>(name);
            changed += QRect(control->mapTo(w, QPoint(0, 0)), control->size());
            EXPECT_TRUE((changed - painted).isEmpty()) << name.toStdString() << " left unpainted";
        }
        EXPECT_TRUE(repainted == nullptr || QString(repainted).endsWith('*') || (painted - changed).isEmpty())
            << "painted beyond what changed";
        EXPECT_EQ(*done ? f.find("lblFatte")->text : std::string(), done);
        p.event([&] { f.unload(); });
    }
}

// Every window's timer runs from the load and ticks every half second, as the running view has it:
// the hands blink at that pace, not at every turn of the event loop.
TEST_F(OnScreen, EveryWindowsTimerTicksEveryHalfSecondFromTheLoad) {
    for (const char* window : {"frmStart", "frmAdd2", "frmAdd3", "frmSott1", "frmMolt1", "frmMolt2",
                               "frmDivCompatta", "frmDivEstesa"}) {
        forms::Form& f = open(window, DaTe, true);
        const auto* timer = widget(f, window)->findChild<QTimer*>("Timer1");
        EXPECT_TRUE(timer != nullptr && timer->isActive() && timer->interval() == 500 &&
                    !timer->isSingleShot())
            << window;
        p.event([&] { f.unload(); });
    }
}

// How many pixels of an image have the colour.
int pixels(const QImage& i, QRgb colour) {
    return ink(i, [colour](const QColor& c) { return c.rgb() == (0xFF000000 | colour); }).first;
}

// The exercise windows' colour, and ink: dark (the bars, black text), red, blue.
const QColor kWindow(0xFFC080); // the exercise windows' colour
const auto dark = [](const QColor& c) { return c.lightness() < 80; };
const auto red = [](const QColor& c) { return c.red() > 180 && c.green() < 100 && c.blue() < 100; };
const auto blue = [](const QColor& c) { return c.blue() > c.red() + 60; };

// The dark pixels on row y from x0 - 8 to x1 + 8, within the image: how many, and from where to where.
std::pair<int, QRect> darkAround(const QImage& image, int y, int x0, int x1) {
    const QRect row = QRect(QPoint(x0 - 8, y), QPoint(x1 + 8, y)) & image.rect();
    auto found = ink(image.copy(row), dark);
    found.second.translate(row.topLeft());
    return found;
}

// A dark run on row y from about x0 to about x1 (a pixel either way for the pen), and no more.
bool bar(const QImage& image, int y, int x0, int x1) {
    const auto [dark, run] = darkAround(image, y, x0, x1);
    return dark > 0 && std::abs(run.left() - x0) <= 1 && std::abs(run.right() - x1) <= 1 &&
           dark == run.width();
}

// The window has no close command. The hands take turns, and blink, until the choice and a left click on a
// box stop them for good. "Stampa" before any operation: pale grey and deaf to the mouse; with 47 + 38 on the
// board, lit and printing, the bar from the hundreds' column to the signs under the second addend (y 3480
// twips, 232 px) and the counters' separator drawn; on paper the bar spans five columns. Wherever the start
// window has been moved, the about box opens centred on it, and closes, with one sound, when the start window
// is active again. Once "Fine" has closed the exercise, a click still on its way goes nowhere.
// What the eye catches besides: every window stays on top, with no close button, from its first showing;
// the loudspeaker (32 x 32 px) in the middle of its button (101 x 37 px); the tooltips; the caret only in
// the entry box that takes the keypad's digits and in the borrow cell to write (a one-digit cell is only
// framed); the about box's lines; greyed digits grey.
TEST_F(OnScreen, WhatTheChildSeesAndDoes) {
    auto& start = open("frmStart", DaTe, true);
    auto& add = open<exercise::FrmAdd2>("frmAdd2", DaTe, true);
    EXPECT_FALSE(widget(add, "frmAdd2")->close());
    QWidget *stampa = widget(add, "cmdStampa"), *key = widget(add, "Cmd_7");
    const QImage spento = screen(add, "cmdStampa");
    const QRect altoparlante =
        ink(screen(start, "Check1"), [](const QColor& c) { return c.red() < 100; }).second;
    EXPECT_TRUE((altoparlante.center() - QPoint(50, 18)).manhattanLength() <= 2 &&
                altoparlante.width() > 24 && altoparlante.width() <= 32 && altoparlante.height() <= 32)
        << altoparlante.x() << "," << altoparlante.y() << " " << altoparlante.width();
    EXPECT_TRUE(stampa->toolTip() == "Stampa lo schermo" &&
                widget(add, "CmdEnd")->toolTip() == "Ritorna al menù");
    // "Ciao" in red, the caret in the first box in blue
    EXPECT_TRUE(pixels(screen(add, "LblRisultato"), 0xFF0000) >= 10 &&
                pixels(screen(add, "txtFattori(0)"), 0x0000C0) >= 10);
    clickAlone(stampa);
    EXPECT_TRUE(p.printer.pages.empty() && p.sound.played.empty());
    const std::vector<std::pair<const forms::Form*, const char*>> mani = {
        {&start, "Image1"}, {&start, "Image2"}, {&add, "mano(0)"}, {&add, "mano(1)"}};
    EXPECT_EQ(seen(mani, 1100), "~~~-");
    pressAlone(widget(start, "cmdTe"));
    clickAlone(widget(add, "txtFattori(1)"));
    EXPECT_EQ(seen(mani, 1100), "++-+");
    // The caret has followed the click.
    EXPECT_TRUE(pixels(screen(add, "txtFattori(0)"), 0x0000C0) == 0 &&
                pixels(screen(add, "txtFattori(1)"), 0x0000C0) >= 10);
    add.txtFattori[0].text = "47", add.txtFattori[1].text = "38";
    ASSERT_TRUE(p.click(add, "CmdVai"));
    // The units' result cell, the first to write, is marked, with no caret; nor are the boxes.
    EXPECT_TRUE(screen(add, "TxtSomma(0)") != screen(add, "TxtSomma(1)") &&
                screen(add, "TxtSomma(1)") == screen(add, "TxtSomma(2)"));
    for (const char* c : {"TxtSomma(0)", "txtFattori(0)", "txtFattori(1)"})
        EXPECT_EQ(pixels(screen(add, c), 0x0000C0), 0) << c;
    auto scuri = [](const QImage& im) { // dark pixels: a greyed picture has none, a lit one its ink
        return ink(im, [](const QColor& c) { return c.lightness() < 100; }).first;
    };
    EXPECT_TRUE(scuri(spento) == 0 && scuri(screen(add, "cmdStampa")) > 20);
    clickAlone(stampa);
    EXPECT_EQ(p.printer.pages.size(), 1u);
    EXPECT_TRUE(bar(screen(add), 232, 296, 416) && bar(screen(add), 40, 476, 604));
    EXPECT_TRUE(bar(view::renderForm(*std::make_unique<exercise::FrmAdd2Bis>()), 232, 208, 408)); // paper

    clickAlone(widget(add, "CmdEnd"));
    const std::size_t heard = p.sound.played.size();
    clickAlone(key);
    EXPECT_TRUE(!p.forms.isLoaded("frmAdd2") && p.sound.played.size() == heard);
    QWidget* finestra = widget(start, "frmStart");
    finestra->move(finestra->pos() / 3);
    clickAlone(widget(start, "cmdInfo"));
    forms::Form& info = p.forms.load("frmInfo");
    EXPECT_LE(
        (widget(info, "frmInfo")->geometry().center() - finestra->geometry().center()).manhattanLength(), 2);
    // Printed from the top left in its blue Comic Sans MS 12 (16 px), a line's height apart: two empty
    // lines, the greeting four blanks in, three lines of credits, nothing more.
    QFont comic("Comic Sans MS");
    comic.setPixelSize(16);
    const QFontMetrics riga(comic);
    const QImage testo = screen(info);
    auto inchiostro = [&](int k) { // the blue ink of line k
        return ink(testo.copy(0, k * riga.height(), testo.width(), riga.height()),
                   [](const QColor& c) { return c.blue() > c.red() + 60; });
    };
    std::string righe;
    for (int k = 0; k < 7; ++k)
        righe += inchiostro(k).first > 0 ? '+' : '-';
    const int rientro = inchiostro(2).second.left() - riga.horizontalAdvance("    ");
    EXPECT_TRUE(righe == "--++++-" && rientro >= 0 && rientro <= 3) << righe << " " << rientro;
    const std::size_t sounds = p.sound.played.size();
    for (QWidget* active : {widget(info, "frmInfo"), finestra})
        QApplication::setActiveWindow(active), QCoreApplication::processEvents();
    EXPECT_TRUE(!p.forms.isLoaded("frmInfo") && p.sound.played.size() == sounds + 1 &&
                p.sound.played.back() == 107);

    // 52 - 7: the caret in the borrow cell to write, in its red; solved, the greyed 2 grey, the 7 black.
    auto& sott = open("frmSott1", DaTe);
    sott.find("txtFattori(0)")->text = "52", sott.find("txtFattori(1)")->text = "7";
    ASSERT_TRUE(p.click(sott, "CmdInserisci"));
    EXPECT_TRUE(pixels(screen(sott, "TxtPrestito(1)"), 0xFF0000) >= 10 &&
                pixels(screen(sott, "TxtPrestito(0)"), 0xFF0000) == 0);
    ASSERT_TRUE(p.click(sott, "CmdRisolvi"));
    const int grigi = ink(screen(sott, "TxtMinuendo(0)"), [](const QColor& c) {
                          return c.lightness() < 200 && std::abs(c.red() - c.blue()) < 16;
                      }).first;
    EXPECT_TRUE(grigi >= 20 && scuri(screen(sott, "TxtMinuendo(0)")) == 0 &&
                scuri(screen(sott, "TxtSottraendo(0)")) >= 20)
        << grigi;
    for (const char* w : {"frmStart", "frmAdd2", "frmInfo", "frmSott1"})
        EXPECT_TRUE(firstShown[w].testFlag(Qt::WindowStaysOnTopHint) &&
                    !firstShown[w].testFlag(Qt::WindowCloseButtonHint))
            << w;
}

// The counters' separator starts where the rounded box around it starts and ends at its right
// edge, on screen as at one and a half times its size: the first and the last dark pixel across
// the box on the separator's row (its run unbroken, and at 1.5 darker where it meets the box's
// half-covered right column) and on a row below it. The box's corners are round: where a square
// box's 2 px pen meets itself, a pixel in from each corner, the window shows.
TEST_F(OnScreen, TheCountersSeparatorEndsAtItsBox) {
    const std::pair<const char*, const char*> windows[] = {
        {"frmAdd2", "476-604= 476-604 714-907= 714-906"},
        {"frmAdd3", "476-604= 476-604 714-907= 714-906"},
        {"frmSott1", "476-604= 476-604 714-907= 714-906"},
        {"frmMolt1", "476-604= 476-604 714-907= 714-906"},
        {"frmMolt2", "476-604= 476-604 714-907= 714-906"},
        {"frmDivCompatta", "488-616= 488-616 732-925= 732-924"},
        {"frmDivEstesa", "488-616= 488-616 732-925= 732-924"}};
    for (const auto& [window, expected] : windows) {
        forms::Form& f = open(window, DaTe);
        QWidget* w = widget(f, window);
        const forms::Control& box = *f.find("Shape1");
        std::string seen, corners;
        for (const double scale : {1.0, 1.5}) {
            QImage image(w->size() * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            w->render(&image);
            const auto at = [&](int twips) { return int(twips / 15 * scale); };
            const auto ends = [&](int y) {
                const auto [dark, run] = darkAround(image, y, at(box.left), at(box.left + box.width));
                return dark == 0 ? std::string("none")
                                 : std::to_string(run.left()) + "-" + std::to_string(run.right()) +
                                       (dark == run.width() ? "=" : "");
            };
            const int y = int((box.top + 480) / 15 * scale - scale / 2); // on the separator's pen
            seen += (seen.empty() ? "" : " ") + ends(y) + " " + ends(y + at(150));
            const QRect b = view::pxRect(box).adjusted(1, 1, 0, 0);
            for (const QPoint c : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()})
                corners += image.pixelColor(int(c.x() * scale), int(c.y() * scale)) == kWindow ? '-' : '#';
        }
        EXPECT_EQ(seen + " " + corners, std::string(expected) + " --------") << window;
        p.event([&] { f.unload(); });
    }
}

// Whether a glance tells two colours apart: a channel differs by more than 80.
bool apart(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())}) > 80;
}

// Whether a control's picture shows what the child should see.
using Looks = std::function<bool(const QImage&)>;

// The text's ink ends on its baseline (no descenders in it): a line of bold Comic Sans MS `size` px
// high starts at a label's top, or lies in the middle of a cell.
Looks baseline(int size, bool middle) {
    return [=](const QImage& i) {
        QFont font("Comic Sans MS");
        font.setPixelSize(size), font.setBold(true);
        const QFontMetrics m(font);
        const int bottom = ink(i, [](const QColor& c) { return apart(c, kWindow); }).second.bottom();
        return std::abs(bottom + 1 - ((middle ? (i.height() - m.height()) / 2 : 0) + m.ascent())) <= 1;
    };
}

// The caret stands right of the text, beside its digits: the ink's last columns are a bar at most 3 px
// wide, with a gap between it and the text's ink, reaching from the digits' top to their foot (a pixel
// either way).
Looks caretAfterText(bool (*isInk)(const QColor&)) {
    return [=](const QImage& i) {
        std::string columns;
        for (int x = 0; x < i.width(); ++x)
            columns += ink(i.copy(x, 0, 1, i.height()), isInk).first > 0 ? '#' : '.';
        const std::size_t bar = columns.find_last_of('#'), gap = columns.find_last_of('.', bar);
        if (bar == std::string::npos || gap == std::string::npos || bar - gap > 3 || columns.find('#') > gap)
            return false;
        const QRect caret = ink(i.copy(int(gap) + 1, 0, int(bar - gap), i.height()), isInk).second,
                    digits = ink(i.copy(0, 0, int(gap), i.height()), isInk).second;
        return caret.top() <= digits.top() + 1 && caret.bottom() >= digits.bottom() - 1;
    };
}

// Ringed all round: in from the middle of each side, the first pixel not in the window's colour
// stands apart from it and from every colour the boards write in (black, red, navy, blue, grey).
bool ringed(const QImage& i) {
    const QColor others[] = {kWindow, Qt::black, 0xFF0000, 0x000080, 0x0000C0, 0x808080};
    const QPoint c = i.rect().center();
    for (auto [at, step] : {std::pair{QPoint(0, c.y()), QPoint(1, 0)},
                            {QPoint(i.width() - 1, c.y()), QPoint(-1, 0)},
                            {QPoint(c.x(), 0), QPoint(0, 1)},
                            {QPoint(c.x(), i.height() - 1), QPoint(0, -1)}}) {
        while (i.rect().contains(at) && i.pixelColor(at) == kWindow)
            at += step;
        if (!i.rect().contains(at) ||
            !std::ranges::all_of(others, [&](const QColor& o) { return apart(i.pixelColor(at), o); }))
            return false;
    }
    return true;
}

// The keypad frame's strip above its first keys (240 twips): its line runs on the row with the most
// grey and stops short of the caption's ink on both sides; above the line the caption is dark while
// the keypad is on, grey ink with nothing dark while it is off.
Looks keypadCaption(bool on) {
    return [on](const QImage& frame) {
        const QImage strip = frame.copy(0, 0, frame.width(), view::px(240));
        const auto grey = [](const QColor& c) {
            return c.red() == c.green() && c.green() == c.blue() && !dark(c);
        };
        const auto greyIn = [&](int y, int from, int to) {
            return ink(strip.copy(from, y, to - from, 1), grey).first;
        };
        int line = 0;
        for (int y = 1; y < strip.height(); ++y)
            if (greyIn(y, 0, strip.width()) > greyIn(line, 0, strip.width())) line = y;
        const QImage above = strip.copy(0, 0, strip.width(), line);
        const QRect words = ink(strip, dark).second;
        if (!on)
            return words.isEmpty() && ink(above, [](const QColor& c) { return c != kWindow; }).first > 50;
        return ink(above, dark).first > 20 && greyIn(line, words.left(), words.right() + 1) == 0 &&
               greyIn(line, 0, words.left()) > 0 && greyIn(line, words.right() + 1, strip.width()) > 0;
    };
}

// What the screen and a fresh drawing of the window could get wrong alike, read in the pixels: the
// texts' places (a label's line from its top, a cell's in its middle), the caret right of the text,
// the cell to write ringed in a colour of its own, the list's number (dark ink in its left half),
// and the keypad's caption, clear of its frame's line and greyed with the keypad off.
TEST_F(OnScreen, TheControlsShowTheirTextsMarksAndCaptionsWhereAndAsTheyShould) {
    const Looks number = [](const QImage& i) {
        return ink(i.copy(0, 0, i.width() / 2, i.height()), dark).first > 5;
    };
    const std::string meno = "txtFattori(0) 52 txtFattori(1) 7 CmdInserisci"; // 52 - 7
    // window, chi, steps, what its controls show (20.4 pt are 27 px, 21.6 pt 29 px)
    const std::tuple<const char*, int, std::string, std::vector<std::pair<const char*, Looks>>> cases[] = {
        // clang-format off
        {"frmAdd2", DaTe, "1", {{"LblRisultato", baseline(27, false)}, {"txtFattori(0)", caretAfterText(blue)},
                                {"Frame1", keypadCaption(true)}}},
        {"frmAdd2", DalComputer, "", {{"CmbNPA", number}, {"Frame1", keypadCaption(false)}}},
        {"frmSott1", DaTe, meno + " 4 1", {{"TxtPrestito(0)", caretAfterText(red)}, {"TxtPrestito(0)", ringed}}},
        {"frmSott1", DaTe, meno + " 4 1 2", {{"TxtDifferenza(0)", ringed}}},
        {"frmSott1", DaTe, meno + " CmdRisolvi", {{"LblRisultato", baseline(27, false)},
                                                  {"TxtDifferenza(0)", baseline(29, true)},
                                                  {"TxtSottraendo(0)", baseline(29, true)}}},
        // clang-format on
    };
    for (const auto& [window, chi, steps, looks] : cases) {
        forms::Form& f = open(window, chi);
        play(f, steps);
        for (const auto& [control, right] : looks)
            EXPECT_TRUE(right(screen(f, control))) << window << " " << steps << ": " << control;
        p.event([&] { f.unload(); });
    }
}

// Every window shows its own icon (title bar, task bar) at 32 x 32; in every window, every button,
// check box and list shows the hand pointer; a button darkens while pressed (its mean lightness), and
// released away from it does nothing.
TEST_F(OnScreen, EveryWindowShowsItsIconEveryButtonCheckBoxAndListTheHandAndAPressedButtonDarkens) {
    const std::pair<const char*, const char*> windows[] = {
        {"frmStart", "cmdInfo"}, {"frmInfo", "cmdOK"},         {"frmAdd2", "CmdEnd"},
        {"frmAdd3", "CmdEnd"},   {"frmSott1", "CmdEnd"},       {"frmMolt1", "CmdEnd"},
        {"frmMolt2", "CmdEnd"},  {"frmDivCompatta", "CmdEnd"}, {"frmDivEstesa", "CmdEnd"}};
    const auto lightness = [](const QImage& i) {
        return i.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0).lightness();
    };
    using enum forms::ControlKind;
    for (const auto& [window, button] : windows) {
        forms::Form& f = open(window, DaTe);
        const QIcon icon = widget(f, window)->windowIcon();
        EXPECT_TRUE(!icon.isNull() &&
                    icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32) ==
                        view::pictures::image(f.icon, QSize(32, 32)).convertToFormat(QImage::Format_ARGB32))
            << window << " " << f.icon;
        std::string arrows; // those without the hand
        for (const forms::Control* c : f.controls())
            if ((c->kind() == Button || c->kind() == CheckBox || c->kind() == ComboBox) &&
                widget(f, c->name())->cursor().shape() != Qt::PointingHandCursor)
                arrows += c->name() + " ";
        EXPECT_EQ(arrows, "") << window;
        QWidget* w = widget(f, button);
        const QImage released = screen(f, button);
        pressAlone(w);
        const QImage pressed = screen(f, button);
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-20, -20));
        EXPECT_TRUE(lightness(pressed) < lightness(released) * 0.95 && p.forms.isLoaded(window)) << window;
        p.event([&] { f.unload(); });
    }
}

// A see-through label uncovered in part, as by a blinking hand: the hand moved over the middle of
// "Ciao" and hidden again leaves the red word whole there, as in a fresh drawing of the window.
TEST_F(OnScreen, ASeeThroughLabelShowsItsWordsWhereAHandLeavesThem) {
    forms::Form& f = open("frmAdd2", DaTe);
    forms::Control &mano = *f.find("mano(0)"), &ciao = *f.find("LblRisultato");
    p.event([&] {
        mano.left = ciao.left + ciao.width / 2 - 192, mano.top = ciao.top + 120, mano.visible = true;
    });
    p.event([&] { mano.visible = false; });
    EXPECT_TRUE(ink(screen(f).copy(view::pxRect(mano)), red).first > 20 && screen(f) == view::renderForm(f));
}

// 987 x 65 typed, solved and printed, as on the default printer, into a PDF read back at 96 dots an inch:
// from the printable area's top left at its size on screen, the bars span the layout's five columns (x 2880
// to 5880 twips, y 2280 and 4080); the digits are text; and over the first factor lie row 1's carries in red,
// 4 over the 9 and 3 over the 8, as on paper, not row 2's empty cells over them.
TEST(Paper, TheTwoDigitMultiplicationPrintsRowOnesCarriesAsText) {
    testing_support::Program p;
    p.m.ChiSceglie = DaTe;
    auto& w = p.forms.get<exercise::FinestraEsercizio>("frmMolt2");
    ASSERT_TRUE(
        testing_support::premi(p, w, "txtFattori(0) =987 txtFattori(1) =65 CmdVai CmdRisolvi cmdStampa"));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    ASSERT_TRUE(view::QtPrinter::print(printer, p.forms.load("frmMolt2_bis"), w.caption));
    const QPoint at = (printer.pageRect(QPrinter::Inch).topLeft() * 96).toPoint();
    const auto [drawn, page] = testing_support::pdfPage(printer.outputFileName());
    ASSERT_TRUE(drawn) << "pdftoppm (poppler-utils)";
    std::string carries;
    for (int i = 3; i >= 0; --i) {
        const QRect cell =
            QRect(view::px(5280 - 600 * i), view::px(480), view::px(615), view::px(435)).translated(at);
        carries += ink(page.copy(cell), red).first > 10 ? '+' : '-';
    }
    EXPECT_EQ(carries, "-++-");
    for (int y : {2280, 4080})
        EXPECT_TRUE(bar(page, at.y() + view::px(y), at.x() + view::px(2880), at.x() + view::px(5880))) << y;
    EXPECT_TRUE(testing_support::output("pdffonts", {printer.outputFileName()}).contains("ComicNeue-Bold"));
    EXPECT_TRUE(testing_support::output("pdfinfo", {printer.outputFileName()})
                    .contains("Title:           Moltiplicazione complessa\n"));
}

// The sounds built into the program by number: the sizes of their files.
TEST(BuiltIn, SoundsByNumber) {
    platform::QtResources resources;
    const std::size_t sizes[] = {30764, 1339, 6251, 11420, 12601, 26709, 415, 0}; // 101 to 108
    for (int n = 101; n <= 108; ++n)
        EXPECT_EQ(resources.sound(n).size(), sizes[n - 101]) << n;
}

// Text laid out once is drawn where QPainter::drawText draws it, in every alignment, wrapped or
// not, with leading (the serif) or without; and in a strip of it (a blinking neighbour's place) as
// in the whole, where it is found to reach the strip whenever it leaves ink there.
TEST(TextBlock, DrawsWhatDrawTextDraws) {
    using enum Qt::AlignmentFlag;
    const std::tuple<const char*, double, QSize, int, bool> cases[] = {
        {"Clicca e scrivi (max 4 cifre)", 9.6, {205, 17}, AlignHCenter | AlignTop, false},
        {"Quante cifre del dividendo devo considerare ?", 18, {200, 90}, AlignHCenter | AlignTop, false},
        {"1 2 3 4 5 6 7 8 9", 21.6, {60, 200}, AlignRight | AlignVCenter, true},
    };
    for (const auto& [text, points, size, flags, serif] : cases) {
        const forms::Font f{serif ? "Times New Roman" : "Comic Sans MS", points};
        view::TextBlock block;
        block.set(QString::fromUtf8(text), view::qfont(f), size.width());
        const int w = size.width(), h = size.height();
        for (const QRect strip : {QRect(QPoint(), size), QRect(0, h - 1, w, 1), QRect(0, h - 3, w / 2, 3),
                                  QRect(0, 0, w, 1), QRect(w / 2, 0, 1, h), QRect(0, h / 2, w, 1)}) {
            QImage expected(size, QImage::Format_RGB32), drawn(size, QImage::Format_RGB32),
                blank(strip.size(), drawn.format());
            for (QImage* i : {&expected, &drawn, &blank})
                i->fill(Qt::white);
            QPainter byQt(&expected), byBlock(&drawn);
            byQt.setFont(view::qfont(f));
            byQt.drawText(QRect(QPoint(), size), flags | Qt::TextWordWrap, QString::fromUtf8(text));
            byBlock.setClipRect(strip);
            block.draw(byBlock, QRect(QPoint(), size), flags, strip);
            byQt.end();
            byBlock.end();
            EXPECT_TRUE(drawn.copy(strip) == expected.copy(strip)) << text << " " << strip.y();
            EXPECT_TRUE(expected.copy(strip) == blank || block.reaches(QRect(QPoint(), size), flags, strip));
        }
    }
}

} // namespace
