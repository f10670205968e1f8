#include "app/FrmInfo.h"
#include "app/FrmStart.h"
#include "support/Layout.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"

#include <gtest/gtest.h>

using app::FrmInfo;
using app::FrmStart;
using testing_support::misplaced;
using testing_support::Program;
using testing_support::shown;

namespace {

// Each exercise button and the window it opens.
const std::pair<const char*, const char*> kExercises[] = {
    {"CmdAddizione1", "frmAdd2"},        {"CmdAddizione2", "frmAdd3"},
    {"CmdSottrazione", "frmSott1"},      {"CmdMoltiplicazione1", "frmMolt1"},
    {"CmdMoltiplicazione2", "frmMolt2"}, {"cmdDivisione1", "frmDivEstesa"},
    {"cmdDivisione2", "frmDivCompatta"}};
const char* const kButtons = "CmdAddizione1 CmdAddizione2 CmdSottrazione CmdMoltiplicazione1 "
                             "CmdMoltiplicazione2 cmdDivisione1 cmdDivisione2";

struct StartWindow : ::testing::Test {
    Program p;
    FrmStart& start = p.open<FrmStart>("frmStart");
};

TEST_F(StartWindow, LoadsChoosingWithEveryControlInPlace) {
    EXPECT_EQ(misplaced(start,
                        "Label2 840,0,7695,1335 Le 4 brivatenzo|Label3 6900,120,735,255 Versione|"
                        "Label4 7680,120,495,255 4.2|cmdTe 5940,1320,2115,495|cmdComputer 5940,1980,2115,495|"
                        "Image1 5220,1320,384,384|Image2 5220,1980,384,384|"
                        "Label5 1260,1620,3735,555 con i numeri scelti|CmdAddizione1 660,2640,3915,615|"
                        "CmdAddizione2 4920,2640,3915,615|CmdSottrazione 2760,3420,3915,615|"
                        "CmdMoltiplicazione1 660,4200,3915,615|CmdMoltiplicazione2 4920,4200,3915,615|"
                        "cmdDivisione1 660,4980,3915,615|cmdDivisione2 4920,4980,3915,615|"
                        "cmdInfo 1860,5760,1515,555|Check1 4020,5760,1515,555|cmdEsci 6120,5760,1515,555"),
              "");
    // A row off by a twip or a letter comes back as the window has it.
    EXPECT_EQ(misplaced(start, "cmdEsci 6120,5760,1515,556|Label3 6900,120,735,255 Versioni|Label9 1,2,3,4"),
              "cmdEsci 6120,5760,1515,555|Label3 6900,120,735,255 Versione|Label9 missing|");
    EXPECT_EQ(start.caption + " " + std::to_string(start.width) + "x" + std::to_string(start.height),
              "4 Brivatenzo 9504x6816");
    EXPECT_TRUE(start.topmost && !start.closeCommand && start.Timer1.enabled && !start.Check1.checked);
    EXPECT_EQ(start.Timer1.interval, 500);
    EXPECT_EQ(start.focus(), &start.cmdEsci);
    EXPECT_EQ(shown(start, std::string("Image1 Image2 ") + kButtons), "Image1");
    EXPECT_EQ(p.m.ChiSceglie, 0);
    // 500 ms per hand, exactly one at a time: the child's first, then the computer's.
    for (const char* hand : {"Image2", "Image1", "Image2", "Image1"}) {
        start.Timer1_Timer();
        EXPECT_EQ(shown(start, "Image1 Image2"), hand);
    }
}

// Any press on a choice button: sound 102, its hand alone, the hands still, the exercises shown.
TEST_F(StartWindow, PressOnAChoiceButtonChoosesAndStopsTheHands) {
    start.Timer1_Timer(); // the computer's hand is showing
    for (const auto& [button, chi, hand] :
         {std::tuple{"cmdTe", 1, "Image1 "}, {"cmdComputer", 2, "Image2 "}}) {
        p.sound.played.clear();
        p.event(start.find(button)->onMouseDown);
        EXPECT_EQ(p.m.ChiSceglie, chi);
        EXPECT_EQ(shown(start, std::string("Image1 Image2 ") + kButtons), hand + std::string(kButtons));
        EXPECT_FALSE(start.Timer1.enabled);
        EXPECT_EQ(p.sound.played, std::vector<int>{102});
    }
}

// Muted: nothing is heard, not even the about box; switched back on: 102. "Esci" is silent.
TEST_F(StartWindow, LoudspeakerMutesEverySoundAndExitEndsTheProgram) {
    ASSERT_TRUE(p.click(start, "Check1") && p.click(start, "cmdTe") && p.click(start, "cmdInfo"));
    ASSERT_TRUE(p.click(p.open<FrmInfo>("frmInfo"), "cmdOK"));
    EXPECT_TRUE(start.Check1.checked && p.sound.played.empty());
    ASSERT_TRUE(p.click(start, "Check1") && p.click(start, "cmdInfo") && p.click(start, "cmdEsci"));
    EXPECT_FALSE(start.Check1.checked);
    EXPECT_EQ(p.sound.played, (std::vector<int>{102, 102}));
    EXPECT_TRUE(p.environment.quitCalled);
}

// Every window a bare one, so that a button opening the wrong window shows. Back from it, the
// start window is as it was left, the choice in force again.
TEST_F(StartWindow, EachExerciseButtonOpensItsOwnWindowAndComesBackAsLeft) {
    for (const auto& [button, window] : kExercises) {
        SCOPED_TRACE(button);
        Program q;
        for (const auto& [b, w] : kExercises)
            q.forms.define(w, [&q] { return std::make_unique<testing_support::PracticeWindow>(q.m); });
        auto& s = q.open<FrmStart>("frmStart");
        s.show();
        ASSERT_TRUE(q.click(s, "cmdComputer"));
        q.sound.played.clear();
        ASSERT_TRUE(q.click(s, button));
        for (const auto& [b, w] : kExercises)
            EXPECT_EQ(q.forms.isLoaded(w) && q.forms.load(w).isVisible(), w == std::string(window)) << w;
        EXPECT_FALSE(s.isVisible());
        EXPECT_EQ(q.m.ChiSceglieSalvato, 2);
        q.m.ChiSceglie = 0; // as the window leaves it after accepting typed operands
        ASSERT_TRUE(q.click(q.forms.load(window), "CmdEnd"));
        EXPECT_FALSE(q.forms.isLoaded(window));
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(q.sound.played, (std::vector<int>{106, 107}));
        EXPECT_EQ(shown(s, std::string("Image1 Image2 ") + button), std::string("Image2 ") + button);
        EXPECT_EQ(q.m.ChiSceglie, 2);
    }
}

// In a program that has only the two-addend window, the other buttons are greyed.
TEST_F(StartWindow, AnExerciseWithoutItsWindowIsGreyed) {
    forms::FormRegistry only;
    app::Module1 m{only, p.services};
    only.define("frmStart", [&m] { return std::make_unique<FrmStart>(m); });
    only.define("frmAdd2", [&m] { return std::make_unique<testing_support::PracticeWindow>(m); });
    auto& s = only.get<FrmStart>("frmStart");
    s.cmdTe_MouseDown();
    for (const auto& [button, window] : kExercises)
        EXPECT_EQ(s.find(button)->enabled, window == std::string("frmAdd2")) << button;
}

// Sound 102 and the box over the start window; closed by "OK" or by losing activation, with 107.
TEST_F(StartWindow, AboutBoxOpensOnTheStartWindowAndClosesWithOkOrDeactivation) {
    start.show();
    for (const bool byOk : {true, false}) {
        p.sound.played.clear();
        ASSERT_TRUE(p.click(start, "cmdInfo"));
        auto& info = p.forms.get<FrmInfo>("frmInfo");
        EXPECT_TRUE(info.isVisible() && start.isVisible() && info.topmost && !info.closeCommand);
        EXPECT_EQ(info.owner, &start);
        EXPECT_EQ(info.caption + " " + std::to_string(info.width) + "x" + std::to_string(info.height),
                  "Info 8160x5784");
        EXPECT_EQ(misplaced(info, "cmdOK 3360,5100,1395,555"), "");
        // Printed afresh at each opening, once.
        EXPECT_EQ(info.printedLines.size(), 6u);
        EXPECT_EQ(info.printedLines.at(0) + "|" + info.printedLines.at(1) + "|" + info.printedLines.at(2),
                  "||    Buon lavoro da:");
        if (byOk)
            ASSERT_TRUE(p.click(info, "cmdOK"));
        else
            p.event([&] { info.Form_Deactivate(); });
        EXPECT_FALSE(p.forms.isLoaded("frmInfo"));
        EXPECT_EQ(p.sound.played, (std::vector<int>{102, 107}));
    }
}

} // namespace
