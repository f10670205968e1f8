#include "app/FrmInfo.h"
#include "app/FrmStart.h"
#include "support/Layout.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testing_support;

namespace {

// Each exercise button and the window it opens.
const std::pair<const char*, const char*> kExercises[] = {
    {"CmdAddizione1", "frmAdd2"},        {"CmdAddizione2", "frmAdd3"},
    {"CmdSottrazione", "frmSott1"},      {"CmdMoltiplicazione1", "frmMolt1"},
    {"CmdMoltiplicazione2", "frmMolt2"}, {"cmdDivisione1", "frmDivEstesa"},
    {"cmdDivisione2", "frmDivCompatta"}};

// The windows loaded ("-" before a hidden one), the hands shown, who chooses, how many exercise
// buttons are shown, whether the hands' timer runs and the sound is off, the sounds since the
// last look.
std::string quadro(Program& p) {
    auto& start = p.forms.get<app::FrmStart>("frmStart");
    std::string s;
    int bottoni = 0;
    for (const char* w : {"frmStart", "frmInfo"})
        if (p.forms.isLoaded(w)) s += (p.forms.load(w).isVisible() ? "" : "-") + std::string(w) + " ";
    for (const auto& [b, w] : kExercises) {
        bottoni += start.find(b)->isShown();
        if (p.forms.isLoaded(w)) s += std::string(w) + " ";
    }
    s += shown(start, "Image1 Image2") + " " + std::to_string(p.m.ChiSceglie) + " " +
         std::to_string(bottoni) + (start.Timer1.enabled ? " timer" : "") +
         (start.Check1.checked ? " muto" : "");
    for (int n : p.sound.played)
        s += " " + std::to_string(n);
    p.sound.played.clear();
    return s;
}

// Every control in place; the hands take turns every 500 ms, the child's first. Every exercise
// window a bare one, so that a button opening the wrong window shows. A choice (any press): 102,
// its hand alone and still for good, the seven exercises shown. The about box over the start
// window: 102, closed by "OK" or by losing activation with 107. Muted, nothing is heard; switched
// back on, 102. An exercise: 106, the start window hidden; back from it with 107, the start
// window as it was left, its choice in force again. "Esci" ends the program in silence.
TEST(StartWindow, LoadsInPlaceAndAnswersEveryButton) {
    Program p;
    for (const auto& [b, w] : kExercises)
        p.forms.define(w, [&p] { return std::make_unique<PracticeWindow>(p.m); });
    auto& start = p.open<app::FrmStart>("frmStart");
    start.show();
    EXPECT_EQ(
        misplaced(start,
                  "Label2 840,0,7695,1335 Le 4 brivatenzo|Label1 1380,120,1635,255 A scuola di conti|"
                  "Label3 6900,120,735,255 Versione|Label4 7680,120,495,255 4.2|cmdTe 5940,1320,2115,495|"
                  "cmdComputer 5940,1980,2115,495|Image1 5220,1320,384,384|Image2 5220,1980,384,384|"
                  "Label5 1260,1620,3735,555 con i numeri scelti|CmdAddizione1 660,2640,3915,615|"
                  "CmdAddizione2 4920,2640,3915,615|CmdSottrazione 2760,3420,3915,615|"
                  "CmdMoltiplicazione1 660,4200,3915,615|CmdMoltiplicazione2 4920,4200,3915,615|"
                  "cmdDivisione1 660,4980,3915,615|cmdDivisione2 4920,4980,3915,615|"
                  "cmdInfo 1860,5760,1515,555|Check1 4020,5760,1515,555|cmdEsci 6120,5760,1515,555") +
            misplaced(
                start,
                "Label2 48 bold Comic Sans MS c000c0 ffffff|Label5 20.4 bold Comic Sans MS c000c0 ffffff|"
                "Label1 8.4 Comic Sans MS c0 ffffff|Label3 8.4 Comic Sans MS c0 ffffff|"
                "Label4 8.4 Comic Sans MS c0 ffffff"),
        "");
    EXPECT_EQ(start.caption + " " + std::to_string(start.width) + "x" + std::to_string(start.height) + " " +
                  std::to_string(start.Timer1.interval),
              "4 Brivatenzo 9504x6816 500");
    EXPECT_TRUE(start.topmost && !start.closeCommand && !start.Check1.checked &&
                start.focus() == &start.cmdEsci);
    const std::string te = "frmStart Image1 1 7", pc = "frmStart Image2 2 7";
    const std::pair<std::string, std::string> passi[] = {
        {"", "frmStart Image1 0 0 timer"},
        {"frmStart.Timer1", "frmStart Image2 0 0 timer"},
        {"frmStart.Timer1", "frmStart Image1 0 0 timer"},
        {"frmStart.Timer1", "frmStart Image2 0 0 timer"},
        {"frmStart.cmdTe frmStart.Timer1", te + " 102"},
        {"frmStart.cmdComputer frmStart.Timer1", pc + " 102"},
        {"frmStart.cmdInfo", "frmStart frmInfo Image2 2 7 102"},
        {"frmInfo.cmdOK", pc + " 107"},
        {"frmStart.cmdInfo frmInfo.deactivate", pc + " 102 107"},
        {"frmStart.Check1 frmStart.cmdTe frmStart.cmdInfo frmInfo.cmdOK", te + " muto"},
        {"frmStart.Check1", te + " 102"},
        {"frmStart.cmdComputer frmStart.cmdInfo", "frmStart frmInfo Image2 2 7 102 102"},
    };
    for (const auto& [azioni, atteso] : passi) {
        std::istringstream in(azioni);
        for (std::string a; in >> a;) {
            forms::Form& f = p.forms.load(a.substr(0, a.find('.')));
            const std::string c = a.substr(a.find('.') + 1);
            if (c == "Timer1" && start.Timer1.enabled) p.event(start.Timer1.onTimer);
            if (c == "deactivate") p.event([&f] { f.Form_Deactivate(); });
            ASSERT_TRUE(c == "Timer1" || c == "deactivate" || p.click(f, c)) << a;
        }
        EXPECT_EQ(quadro(p), atteso) << azioni;
    }
    auto& info = p.forms.get<app::FrmInfo>("frmInfo");
    std::string s = info.caption + " " + std::to_string(info.width) + "x" + std::to_string(info.height) +
                    " " + misplaced(info, "cmdOK 3360,5100,1395,555|frmInfo 12 Comic Sans MS c0 ffffc0");
    for (const std::string& riga : info.printedLines)
        s += "|" + riga;
    EXPECT_EQ(s,
              "Info 8160x5784 |||    Buon lavoro da:|    la classe che conta in colonna,|    le maestre e i "
              "maestri,|    e chi ha disegnato i numeri.");
    EXPECT_TRUE(info.owner == &start && info.topmost && !info.closeCommand);
    ASSERT_TRUE(p.click(info, "cmdOK"));
    quadro(p);
    for (const auto& [button, window] : kExercises) {
        ASSERT_TRUE(p.click(start, button));
        EXPECT_EQ(quadro(p), "-frmStart " + std::string(window) + " Image2 2 7 106");
        p.m.ChiSceglie = 0; // as the window leaves it after accepting typed operands
        ASSERT_TRUE(p.click(p.forms.load(window), "CmdEnd"));
        EXPECT_EQ(quadro(p), pc + " 107");
    }
    ASSERT_TRUE(p.click(start, "cmdEsci"));
    EXPECT_TRUE(p.environment.quitCalled && p.sound.played.empty());
}

} // namespace
