// Whole windows as the child sees them, against images made once from a right build and checked by
// eye against the layout tables: places, captions, fonts (the titles in italics, the counters'
// captions left-aligned), colours, frames and faces. The hands are held still: a window's timer is
// stopped as it opens, and a tick shows the hand; the caret does not blink.
#include "support/Clicks.h"
#include "support/OnScreen.h"
#include "support/Reference.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using app::DalComputer, app::DaTe;
using testing_support::clickAlone;

// A shot and its reference differ in no more pixels than rendering noise makes (a slanted or upright
// word changes hundreds, a border line more than a hundred, a rounded corner a few dozen).
constexpr int kNoise = 8;

struct Windows : testing_support::OnScreen {
    void looksAsChecked(const forms::Form& f, const char* reference) {
        EXPECT_TRUE(testing_support::likeReference(screenWithPopups(f), reference, kNoise));
    }
};

// The start window after each choice (the hand at the chosen button, the seven exercise buttons
// shown), and the about box opened from it.
TEST_F(Windows, StartWindowInBothModesAndAboutBox) {
    forms::Form& start = open("frmStart", DaTe);
    step(start, "cmdTe");
    looksAsChecked(start, "frmStart_da_te");
    step(start, "cmdComputer");
    looksAsChecked(start, "frmStart_dal_computer");
    step(start, "cmdInfo");
    forms::Form& info = p.forms.load("frmInfo");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget(info, "frmInfo")));
    looksAsChecked(info, "frmInfo");
}

// A window where the computer chooses, with a digit-count list opened by a click: its items over the
// window, the first one current.
TEST_F(Windows, DigitCountListOpen) {
    forms::Form& f = open("frmAdd2", DalComputer);
    step(f, "tick");
    clickAlone(widget(f, "CmbNPA"));
    QCoreApplication::processEvents();
    looksAsChecked(f, "frmAdd2_list_open");
    qobject_cast<QComboBox*>(widget(f, "CmbNPA"))->hidePopup();
    p.event([&] { f.unload(); });
}

// An exercise window worked by a child with the guide on: operands typed with the keypad, the first
// digits of the operation, then the rest (worked on paper).
struct Worked {
    const char* window;
    const char* operands; // clicks and keypad digits, OnScreen::step()'s
    const char* midway;   // the hint, the marks and the carries so far shown
    const char* rest;     // to "Bravissimo"
};

void PrintTo(const Worked& w, std::ostream* out) {
    *out << w.window << " " << w.operands;
}

class EachExerciseWindow : public Windows, public ::testing::WithParamInterface<Worked> {};

// Just opened (the hand at the first entry box), midway, finished with its praise.
TEST_P(EachExerciseWindow, OpenedMidwayAndFinished) {
    const Worked& r = GetParam();
    forms::Form& f = open(r.window, DaTe);
    step(f, "tick");
    looksAsChecked(f, (std::string(r.window) + "_opened").c_str());
    play(f, r.operands);
    play(f, r.midway);
    looksAsChecked(f, (std::string(r.window) + "_midway").c_str());
    play(f, r.rest);
    ASSERT_EQ(f.find("LblRisultato")->text, "Bravissimo");
    looksAsChecked(f, (std::string(r.window) + "_finished").c_str());
    p.event([&] { f.unload(); });
}

const Worked kRuns[] = {
    // 47 + 38: 15, write 5 carry 1; 1 + 4 + 3 = 8
    {"frmAdd2", "txtFattori(0) 47 txtFattori(1) 38 CmdVai", "5 1", "8"},
    // 45 + 38 + 19: 22, write 2 carry 2; 2 + 4 + 3 + 1 = 10
    {"frmAdd3", "txtFattori(0) 45 txtFattori(1) 38 txtFattori(2) 19 CmdVai", "2 2", "0 1"},
    // 503 - 48: the 5 lends (4), the 0 becomes 9 and lends, 3 becomes 13; 13 - 8 = 5; 9 - 4 = 5; 4
    {"frmSott1", "txtFattori(0) 503 txtFattori(1) 48 CmdInserisci", "4 9 1 3", "5 5 4"},
    // 47 x 6: 42, write 2 carry 4; 24 + 4 = 28
    {"frmMolt1", "txtFattori(0) 47 txtFattori(1) 6 CmdVai", "2 4", "8 2"},
    // 47 x 36: 282; 141 shifted (7 x 3 = 21, write 1 carry 2); the sum 1692
    {"frmMolt2", "txtFattori(0) 47 txtFattori(1) 36 CmdVai", "2 4 8 2 1 2", "4 1 2 9 6 1"},
    // 945 : 7 from the 9: 1 rest 2, 24: 3 rest 3, 35: 5 rest 0
    {"frmDivCompatta", "txtFattori(0) 945 txtFattori(1) 7 CmdInserisci TxtDividendo(1)", "1 2 4",
     "3 3 5 5 0"},
    // the same written out: each product (units first) before its remainder
    {"frmDivEstesa", "txtFattori(0) 945 txtFattori(1) 7 CmdInserisci TxtDividendo(1)", "1 7 2 4",
     "3 1 2 3 5 5 5 3 0"},
};

INSTANTIATE_TEST_SUITE_P(Windows, EachExerciseWindow, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<Worked>& info) {
                             return std::string(info.param.window);
                         });

} // namespace
