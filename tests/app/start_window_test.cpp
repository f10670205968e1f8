#include "app/FrmInfo.h"
#include "app/FrmStart.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"

#include <gtest/gtest.h>

using app::FrmInfo;
using app::FrmStart;
using testing_support::Program;

namespace {

struct StartWindow : ::testing::Test {
    Program p;
    FrmStart& start = p.open<FrmStart>("frmStart");
    const char* exercises[7] = {"CmdAddizione1",       "CmdAddizione2",       "CmdSottrazione",
                                "CmdMoltiplicazione1", "CmdMoltiplicazione2", "cmdDivisione1",
                                "cmdDivisione2"};
};

TEST_F(StartWindow, LoadsChoosingWithVersionAndNoCloseCommand) {
    EXPECT_EQ(start.Label4.text, "4.2");
    EXPECT_EQ(start.caption, "4 Brivatenzo");
    EXPECT_TRUE(start.topmost);
    EXPECT_FALSE(start.closeCommand);
    EXPECT_TRUE(start.Timer1.enabled);
    EXPECT_EQ(start.focus(), &start.cmdEsci);
    EXPECT_TRUE(start.Image1.visible);
    EXPECT_FALSE(start.Image2.visible);
    for (const char* e : exercises)
        EXPECT_FALSE(start.find(e)->visible) << e;
    EXPECT_EQ(p.m.ChiSceglie, app::InEsecuzione);
}

TEST_F(StartWindow, HandsTakeTurnsExactlyOneAtATime) {
    // 500 ms per hand: the computer's hand on odd ticks, the child's on even ones.
    for (int tick = 1; tick <= 6; ++tick) {
        start.Timer1_Timer();
        EXPECT_EQ(start.Image2.visible, tick % 2 == 1) << tick;
        EXPECT_NE(start.Image1.visible, start.Image2.visible) << tick;
    }
}

TEST_F(StartWindow, PressOnAChoiceButtonChoosesShowsExercisesAndStopsTheHands) {
    start.Timer1_Timer(); // the computer's hand is showing
    ASSERT_TRUE(p.click(start, "cmdTe"));
    EXPECT_EQ(p.m.ChiSceglie, app::DaTe);
    EXPECT_TRUE(start.Image1.visible);
    EXPECT_FALSE(start.Image2.visible);
    EXPECT_FALSE(start.Timer1.enabled);
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
    for (const char* e : exercises)
        EXPECT_TRUE(start.find(e)->visible) << e;

    // The other button changes the choice; the buttons stay.
    start.cmdComputer_MouseDown();
    EXPECT_EQ(p.m.ChiSceglie, app::DalComputer);
    EXPECT_FALSE(start.Image1.visible);
    EXPECT_TRUE(start.Image2.visible);
    for (const char* e : exercises)
        EXPECT_TRUE(start.find(e)->visible) << e;
}

TEST_F(StartWindow, LoudspeakerMutesEverySoundAndPlaysClickWhenSwitchedBackOn) {
    ASSERT_TRUE(p.click(start, "Check1"));
    EXPECT_EQ(p.m.Silenzio, 1);
    EXPECT_TRUE(start.Check1.checked);
    EXPECT_TRUE(p.sound.played.empty());
    start.cmdTe_MouseDown();
    start.cmdInfo_Click();
    EXPECT_TRUE(p.sound.played.empty());
    p.forms.load("frmInfo").unload();
    ASSERT_TRUE(p.click(start, "Check1"));
    EXPECT_EQ(p.m.Silenzio, 0);
    EXPECT_FALSE(start.Check1.checked);
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
}

TEST_F(StartWindow, AnExerciseButtonOpensItsWindowPlays106AndHidesTheStartWindow) {
    p.forms.define("frmSott1", [this] { return std::make_unique<testing_support::PracticeWindow>(p.m); });
    start.show();
    start.cmdComputer_MouseDown();
    p.sound.played.clear();
    ASSERT_TRUE(p.click(start, "CmdSottrazione"));
    ASSERT_TRUE(p.forms.isLoaded("frmSott1"));
    EXPECT_TRUE(p.forms.load("frmSott1").isVisible());
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoApertura});
    // Its window loaded with the start window's choice.
    EXPECT_EQ(p.m.ChiSceglieSalvato, app::DalComputer);

    // Back from the exercise, the start window is as it was left.
    p.event([&] { p.forms.get<testing_support::PracticeWindow>("frmSott1").CmdEnd_Click(); });
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(p.forms.isLoaded("frmSott1"));
    EXPECT_TRUE(start.CmdSottrazione.visible);
    EXPECT_TRUE(start.Image2.visible);
    EXPECT_EQ(p.m.ChiSceglie, app::DalComputer);
}

TEST_F(StartWindow, AnExerciseWithoutItsWindowIsGreyedAndOpensNothing) {
    start.cmdTe_MouseDown();
    EXPECT_TRUE(start.CmdAddizione1.enabled); // its window exists
    EXPECT_FALSE(start.CmdMoltiplicazione2.enabled);
    p.event([&] { start.CmdMoltiplicazione2.onClick(); });
    EXPECT_FALSE(p.forms.isLoaded("frmMolt2"));
}

TEST_F(StartWindow, ExitEndsTheProgramSilently) {
    ASSERT_TRUE(p.click(start, "cmdEsci"));
    EXPECT_TRUE(p.environment.quitCalled);
    EXPECT_TRUE(p.sound.played.empty());
}

TEST_F(StartWindow, AboutBoxOpensOnTheStartWindowAndClosesWithOkOrDeactivation) {
    start.show();
    ASSERT_TRUE(p.click(start, "cmdInfo"));
    ASSERT_TRUE(p.forms.isLoaded("frmInfo"));
    auto& info = p.forms.get<FrmInfo>("frmInfo");
    EXPECT_TRUE(info.isVisible());
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(info.owner, &start);
    EXPECT_TRUE(info.topmost);
    EXPECT_FALSE(info.closeCommand);
    ASSERT_EQ(info.printedLines.size(), 6u);
    EXPECT_EQ(info.printedLines[0], "");
    EXPECT_EQ(info.printedLines[1], "");
    EXPECT_EQ(info.printedLines[2], "    Buon lavoro da:");

    ASSERT_TRUE(p.click(info, "cmdOK"));
    EXPECT_FALSE(p.forms.isLoaded("frmInfo"));
    EXPECT_EQ(p.sound.last(), app::SuonoUscita);

    // Opened afresh, it prints its lines once more, not twice.
    p.event([&] { start.cmdInfo_Click(); });
    auto& again = p.forms.get<FrmInfo>("frmInfo");
    EXPECT_EQ(again.printedLines.size(), 6u);
    p.event([&] { again.Form_Deactivate(); });
    EXPECT_FALSE(p.forms.isLoaded("frmInfo"));
    EXPECT_EQ(p.sound.last(), app::SuonoUscita);
}

} // namespace
