// The compact division window: its layout on screen and on paper, and what each action does to a
// division under way.
#include "support/Divisione.h"
#include "support/Layout.h"

#include <tuple>

using namespace testing_support::divisione;

namespace {

// Every control in place, on the window and on paper (the board moved right and up, the divisor
// and quotient lower); the captions and lists of either mode.
TEST(DivCompattaSetUp, LoadsForEitherChooserWithEveryControlInPlace) {
    // clang-format off
    const std::string posti = testing_support::kKeypad +
        "Label5 120,0,6675,795 Divisione compatta|txtFattori(0) 2160,1500,1035,405|txtFattori(1) 4080,1500,1035,405|"
        "CmbDividendo 2160,1500,615,315|CmbDivisore 4080,1500,615,315|mano(0) 1500,1440,384,384|mano(1) 3420,1440,384,384|"
        "Check2 5640,1020,1395,375|CmdInserisci 5640,1560,1395,495|cmdStampa 7620,1380,1395,495|"
        "Frame1 7320,2100,1935,2655 Tastierino numerico|CmdAiuto 720,2040,1095,495|backspace 8040,4140,1095,495|"
        "CmdRipeti 5640,4920,1395,495|CmdEnd 7560,4920,1395,495|Image1 960,3720,900,855|Image2 960,3720,900,855|"
        "Image3 960,3720,900,855|Image4 960,3720,900,855|lblUao 600,4620,1515,615|LblRisultato 420,5580,8595,525 Ciao|"
        "lblScrivi 420,6120,8595,465|Shape1 7320,180,1935,975|Line2 7320,660,9240,660|Label6 7380,180,1155,435 Eseguite|"
        "lblFatte 8640,180,495,435  0|Label7 7380,660,1035,435 Errori|lblErrori 8640,660,495,435  0|"
        // The board: column c at 1680 + 480 (c - 1), the marks over the dividend 60 twips left; remainder
        // row k and its marks k - 1 columns right, 600 twips below the row above.
        "txtCappello(1) 1680,1980,480,330|RP0(4) 3060,2280,495,225|TxtDividendo(1) 1680,2460,495,435|"
        "TxtDividendo(5) 3120,2460,495,405|Label3 3660,2400,315,495 :|TxtDivisore 3960,2460,795,435|"
        "Label4 4800,2400,375,495 =|TxtQuoziente(4) 6660,2460,495,435|RP1(2) 2160,2880,495,225|"
        "txtResto1(3) 2640,3060,495,435|RP2(1) 2160,3480,495,225|txtResto2(1) 2160,3660,495,435|"
        "RP3(1) 2640,4080,495,225|txtResto3(4) 4080,4260,495,435|RP4(1) 3120,4680,495,225|txtResto4(2) 3600,4860,495,435|";
    EXPECT_EQ(testing_support::misplaced(exercise::FrmDivCompattaBis{}, "txtCappello(1) 2340,1680,480,330|"
        "TxtDividendo(2) 2820,2160,495,435|TxtDivisore 4620,2160,795,405|TxtQuoziente(1) 5880,2160,495,405|"
        "RP3(2) 3780,3780,495,225|txtResto4(4) 5220,4560,495,435|Label4 5460,2100,375,495 ="), "");
    const std::tuple<int, const char*, const char*, const char*> casi[] = {
        {app::DaTe, "+--+2ggggg|Ciao||", "     Clicca e scrivi     (max 4 cifre)", "     Clicca e scrivi     (max 2 cifre)"},
        {app::DalComputer, "----2ggggg|Ciao||", "                     N° cifre dividendo", "                      N° cifre divisore"}};
    // clang-format on
    for (const auto& [chi, atteso, dividendo, divisore] : casi) {
        Finestra<FrmDivCompatta> w;
        FrmDivCompatta& f = w.apri(chi);
        EXPECT_EQ(testing_support::misplaced(f, posti + "Label1 1440,900,1995,555 " + dividendo +
                                                    "|Label2 3360,900,1995,555 " + divisore),
                  "");
        EXPECT_EQ(f.caption + " " + std::to_string(f.width) + "x" + std::to_string(f.height) + " " +
                      stato(f) + f.CmbDividendo.listText() + f.CmbDivisore.listText(),
                  "Divisione Compatta 9516x6828 " + std::string(atteso) + (chi == app::DaTe ? "" : "11"));
        EXPECT_TRUE(f.Timer1.enabled);
        w.p.event([&] { f.Cmb_DropDown(1); }); // opening a list stops the blinking hand
        EXPECT_FALSE(f.Timer1.enabled);
    }
}

// What each action does to 845 : 23 with its first quotient digit written: the window at a glance,
// the board with the dividend, the divisor and the entry boxes, the sounds (102 click, 105 ready)
// and the focus.
TEST(DivCompattaSetUp, EachActionEndsRestartsOrPausesTheDialogue) {
    const int T = app::DaTe, PC = app::DalComputer;
    const std::string v = ".... .... .... .... .... ........ ",
                      nuova = ".... .... .... .... .... ....845.23 :",
                      domanda = "|Quante cifre del dividendo devo considerare ?|Clicca sulla ";
    // clang-format off
    struct Caso { const char* azione; int chi; bool guidato; std::string stato, lavagna; std::vector<int> suoni; const char* fuoco; };
    const Caso casi[] = {
        {"txtFattori(0)", T, false, "+--+2ggggg|||", v + ":", {102}, "txtFattori(0)"},
        {"Check2", T, false, "+--+2ggggg|||", v + ":", {102}, "txtFattori(1)"},
        {"CmdInserisci", T, false, "+--+2eeeee|||", v + ":", {}, "txtFattori(1)"}, // nothing typed
        {"Cmb_DropDown", PC, false, "----2eeeee|||", v + ":", {102}, "CmbDividendo"},
        // Choosing a list value switches the keypad off and leaves the board as it was.
        {"Cmb_Click", PC, false, "----2eeeee|||", "^^.. 3... .... .... .... ....845.23 :", {}, "CmbDividendo"},
        {"CmdInserisci", PC, true, "+++-1eeeee" + domanda + "seconda cifra.|", nuova, {105}, "CmdInserisci"},
        {"CmdRipeti", PC, false, "+++-1eeegg" + domanda + "cifra scelta.|", nuova, {105}, "CmdRipeti"},
        {"CmdRipeti", PC, true, "+++-2eeegg" + domanda + "seconda cifra.|", nuova, {}, "CmdRipeti"}};
    // clang-format on
    for (const Caso& c : casi) {
        Finestra<FrmDivCompatta> w;
        FrmDivCompatta& f = w.apri(c.chi);
        SCOPED_TRACE(std::string(c.azione) + (c.guidato ? " guided" : ""));
        f.Check2.checked = c.guidato;
        w.p.random.script = {845, 23, 845, 23};
        ASSERT_TRUE((c.chi == T ? w.scrivi("845", "23", c.guidato) : w.premi("CmdInserisci")) &&
                    w.premi("TxtDividendo(2) 3"));
        const std::string a = c.azione;
        w.p.sound.played.clear();
        if (a == "Cmb_DropDown") w.p.event([&] { f.Cmb_DropDown(0); });
        if (a == "Cmb_Click") w.p.event([&] { f.Cmb_Click(0); });
        ASSERT_TRUE(a.rfind("Cmb", 0) == 0 || w.p.click(f, a));
        EXPECT_EQ(stato(f), c.stato);
        EXPECT_EQ(riga(f.TxtDividendo, lavagna(f)) + f.TxtDivisore.text + " " + f.txtFattori[0].text + ":" +
                      f.txtFattori[1].text,
                  c.lavagna);
        EXPECT_EQ(w.p.sound.played, c.suoni);
        EXPECT_EQ(f.focus(), f.find(c.fuoco));
        if (c.lavagna.rfind(v, 0) != 0) continue;
        // An empty board: "Soluzione" finds nothing to solve.
        w.p.sound.played.clear();
        w.p.event([&] { f.CmdAiuto_Click(); });
        EXPECT_EQ(lavagna(f) + std::to_string(w.p.sound.played.size()), v.substr(0, 29) + "0");
    }
}

} // namespace
