#include "DivCompatta.h"

#include "support/Layout.h"

#include <array>
#include <tuple>
#include <vector>

using namespace div_compatta_test;

namespace {

const char* const kDomanda =
    "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca sulla cifra scelta.|";

// No digit on the board and no question open.
void vuota(const FrmDivCompatta& f) {
    for (const forms::Control* c : f.controls())
        EXPECT_TRUE(c->kind() != forms::ControlKind::Cell || c->text.empty()) << c->name();
    EXPECT_EQ(f.TastierinoAttivo + f.FaseQuoziente + f.FaseResto + f.FaseTrasferimento, 0);
    EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
}

// The board moved by dx, dy from its place on the window: cell i of each row 480 twips right of
// cell i - 1, each remainder row (and its marks) one column right of the one above.
std::string tavola(int dx, int dy, int altezza) {
    const auto a = [dx, dy](const char* nome, int left, int top, int w, int h, const char* testo) {
        return std::string(nome) + " " + std::to_string(left + dx) + "," + std::to_string(top + dy) + "," +
               std::to_string(w) + "," + std::to_string(h) + testo + "|";
    };
    std::string t = a("TxtDividendo(5)", 3120, 2460, 495, 405, "") + a("Label3", 3660, 2400, 315, 495, " :") +
                    a("TxtDivisore", 3960, 2460, 795, altezza, "") + a("Label4", 4800, 2400, 375, 495, " =");
    const std::tuple<const char*, int, int, int, int> righe[] = {
        {"txtCappello", 1680, 1980, 480, 330},  {"RP0", 1620, 2280, 495, 225},
        {"TxtDividendo", 1680, 2460, 495, 435}, {"TxtQuoziente", 5220, 2460, 495, altezza},
        {"RP1", 1680, 2880, 495, 225},          {"txtResto1", 1680, 3060, 495, 435},
        {"RP2", 2160, 3480, 495, 225},          {"txtResto2", 2160, 3660, 495, 435},
        {"RP3", 2640, 4080, 495, 225},          {"txtResto3", 2640, 4260, 495, 435},
        {"RP4", 3120, 4680, 495, 225},          {"txtResto4", 3120, 4860, 495, 435}};
    for (const auto& [riga, left, top, w, h] : righe)
        t += testing_support::cells(riga, 1, 4, left + dx, 480, top + dy, w, h);
    return t;
}

// Every control in place, on the window and on paper; the captions and lists of either mode.
TEST(DivCompattaSetUp, LoadsForEitherChooserWithEveryControlInPlace) {
    const std::string posti =
        tavola(0, 0, 435) + testing_support::kKeypad +
        "Label5 120,0,6675,795 Divisione compatta|txtFattori(0) 2160,1500,1035,405|txtFattori(1) "
        "4080,1500,1035,405|"
        "CmbDividendo 2160,1500,615,315|CmbDivisore 4080,1500,615,315|mano(0) 1500,1440,384,384|"
        "mano(1) 3420,1440,384,384|Check2 5640,1020,1395,375|CmdInserisci 5640,1560,1395,495|"
        "cmdStampa 7620,1380,1395,495|Frame1 7320,2100,1935,2655 Tastierino numerico|CmdAiuto "
        "720,2040,1095,495|"
        "backspace 8040,4140,1095,495|CmdRipeti 5640,4920,1395,495|CmdEnd 7560,4920,1395,495|"
        "Image1 960,3720,900,855|Image2 960,3720,900,855|Image3 960,3720,900,855|Image4 960,3720,900,855|"
        "lblUao 600,4620,1515,615|LblRisultato 420,5580,8595,525 Ciao|lblScrivi 420,6120,8595,465|"
        "Shape1 7320,180,1935,975|Line2 7320,660,9240,660|Label6 7380,180,1155,435 Eseguite|"
        "lblFatte 8640,180,495,435  0|Label7 7380,660,1035,435 Errori|lblErrori 8640,660,495,435  0|";
    // clang-format off
    const std::tuple<int, const char*, const char*, const char*> casi[] = {
        {app::DaTe, "+--+2ggggg|Ciao||", "     Clicca e scrivi     (max 4 cifre)", "     Clicca e scrivi     (max 2 cifre)"},
        {app::DalComputer, "----2ggggg|Ciao||", "                     N° cifre dividendo", "                      N° cifre divisore"}};
    // clang-format on
    for (const auto& [chi, atteso, dividendo, divisore] : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(chi);
        EXPECT_EQ(testing_support::misplaced(f, posti + "Label1 1440,900,1995,555 " + dividendo +
                                                    "|Label2 3360,900,1995,555 " + divisore),
                  "");
        EXPECT_EQ(f.caption + " " + std::to_string(f.width) + "x" + std::to_string(f.height),
                  "Divisione Compatta 9516x6828");
        EXPECT_EQ(stato(f), atteso);
        EXPECT_EQ(f.CmbDividendo.listText() + f.CmbDivisore.listText(), chi == app::DaTe ? "" : "11");
        vuota(f);
        EXPECT_TRUE(f.Timer1.enabled);
        w.p.event([&] { f.Cmb_DropDown(1); }); // opening a list stops the blinking hand
        EXPECT_FALSE(f.Timer1.enabled);
    }
    EXPECT_EQ(testing_support::misplaced(exercise::FrmDivCompattaBis{}, tavola(660, -300, 405)), "");
}

// Every choice of lengths, chosen while an operation is under way.
TEST(DivCompattaSetUp, ComputerDrawsOperandsOfTheChosenLengths) {
    for (int cifre = 11; cifre <= 42; cifre += cifre % 10 == 1 ? 1 : 9) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DalComputer);
        SCOPED_TRACE(cifre);
        f.Check2.checked = false;
        w.p.random.script = {845, 7};
        ASSERT_TRUE(w.p.click(f, "CmdInserisci") && w.clicca(1));
        for (const auto& [lista, voce] : {std::pair{0, cifre / 10 - 1}, {1, cifre % 10 - 1}}) {
            w.p.event([&] { f.Cmb_DropDown(lista); });
            f.lista(lista).listIndex = voce;
            w.p.event([&] { f.Cmb_Click(lista); });
        }
        const std::pair<int, int> limiti[] = {{1, 9}, {10, 99}, {100, 999}, {1000, 9999}};
        const auto [dd, ds] = std::pair(limiti[cifre / 10 - 1], limiti[cifre % 10 - 1]);
        // The smallest dividend with the largest divisor, then the largest with the smallest.
        w.p.random.script = {dd.first, ds.second, dd.second, ds.first};
        w.p.random.asked.clear();
        w.p.sound.played.clear();
        ASSERT_TRUE(w.p.click(f, "CmdInserisci"));
        if (cifre == 12) {
            // Refused: the keypad stays off, and neither its digits nor "Soluzione" reach the board.
            for (int d = 0; d <= 9; ++d)
                w.p.event([&] { f.Cmd_Click(d); });
            w.p.event([&] { f.CmdAiuto_Click(); });
            // Nothing drawn, heard or counted.
            EXPECT_EQ(stato(f) + std::to_string(w.p.random.asked.size() + w.p.sound.played.size()) +
                          std::to_string(w.p.m.NumErrori),
                      "----2eeeee|||00");
            vuota(f);
            continue;
        }
        const bool ridisegna = ds.second > dd.first;
        ASSERT_EQ(w.p.random.asked.size(), ridisegna ? 4u : 2u);
        for (std::size_t i = 0; i < w.p.random.asked.size(); ++i)
            EXPECT_EQ(w.p.random.asked[i], i % 2 ? ds : dd);
        EXPECT_EQ(f.Dividendo, ridisegna ? dd.second : dd.first);
        EXPECT_EQ(f.Divisore, ridisegna ? ds.first : ds.second);
        EXPECT_LE(f.Divisore, f.Dividendo);
        EXPECT_EQ(riga(f.TxtDividendo) + " " + f.TxtDivisore.text,
                  (std::to_string(f.Dividendo) + "...").substr(0, 4) + " " + std::to_string(f.Divisore));
        EXPECT_EQ(stato(f), kDomanda);
        EXPECT_EQ(w.p.sound.played, std::vector<int>{105});
    }
}

// What each action does to 845 : 23 with its first quotient digit written: the window at a glance,
// the board with the dividend, the divisor and the entry boxes, the sounds (C click, P ready) and the
// focus. Typed operands are pressed "OK" on, after the click on the entry box that ends the dialogue.
TEST(DivCompattaSetUp, EachActionEndsRestartsOrPausesTheDialogue) {
    const int C = 102, P = 105, T = app::DaTe, PC = app::DalComputer;
    const std::string v = ".... .... .... .... .... ........ ",
                      nuova = ".... .... .... .... .... ....845.23 :", no = "+--+2ggggg|||",
                      nessuno = "+--+2eeeee|||",
                      guidata = "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca "
                                "sulla seconda cifra.|";
    // clang-format off
    struct Caso { const char* azione; int chi; bool guidato; std::string stato, lavagna;
                  std::vector<int> suoni; const char* fuoco; };
    const Caso casi[] = {
        {"0:5", T, false, no, v + "0:5", {}, "txtFattori(1)"},
        {":5", T, false, no, v + ":5", {}, "txtFattori(1)"},
        {"5:12", T, false, no, v + "5:12", {}, "txtFattori(1)"},
        {"1:9", T, false, no, v + "1:9", {}, "txtFattori(1)"},
        {"12:0", T, false, no, v + "12:0", {}, "txtFattori(1)"},
        {"0045:05", T, false, kDomanda, ".... .... .... .... .... ....45..5 :", {P}, "CmdInserisci"},
        {"7:7", T, false, kDomanda, ".... .... .... .... .... ....7...7 :", {P}, "CmdInserisci"},
        // The entry boxes take four and two digits.
        {"98765:123", T, false, kDomanda, ".... .... .... .... .... ....987612 :", {P}, "CmdInserisci"},
        {"txtFattori(0)", T, false, no, v + ":", {C}, "txtFattori(0)"},
        {"Check2", T, false, no, v + ":", {C}, "txtFattori(1)"},
        {"CmdInserisci", T, false, nessuno, v + ":", {}, "txtFattori(1)"}, // nothing typed
        {"Cmb_DropDown", PC, false, "----2eeeee|||", v + ":", {C}, "CmbDividendo"},
        // Choosing a list value switches the keypad off and leaves the board as it was.
        {"Cmb_Click", PC, false, "----2eeeee|||", "^^.. 3... .... .... .... ....845.23 :", {}, "CmbDividendo"},
        {"CmdInserisci", PC, false, kDomanda, nuova, {P}, "CmdInserisci"},
        {"CmdInserisci", PC, true, guidata, nuova, {P}, "CmdInserisci"},
        {"CmdRipeti", PC, false, "+++-1eeegg" + std::string(kDomanda).substr(10), nuova, {P}, "CmdRipeti"},
        // Guided, "Ripeti" is silent.
        {"CmdRipeti", PC, true, "+++-2eeegg" + guidata.substr(10), nuova, {}, "CmdRipeti"}};
    // clang-format on
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(c.chi);
        SCOPED_TRACE(std::string(c.azione) + (c.guidato ? " guided" : ""));
        f.Check2.checked = c.guidato;
        w.p.random.script = {845, 23, 845, 23};
        if (c.chi == T) w.scrivi("845", "23", c.guidato);
        ASSERT_TRUE(c.chi == T || w.p.click(f, "CmdInserisci"));
        ASSERT_TRUE(w.clicca(2) && w.premi('3'));
        const std::string a = c.azione;
        const auto due = a.find(':');
        if (due != std::string::npos) w.scrivi(a.substr(0, due), a.substr(due + 1), false, false);
        w.p.sound.played.clear();
        if (a == "Cmb_DropDown") w.p.event([&] { f.Cmb_DropDown(0); });
        if (a == "Cmb_Click") w.p.event([&] { f.Cmb_Click(0); });
        ASSERT_TRUE(a.rfind("Cmb", 0) == 0 || w.p.click(f, due == std::string::npos ? a : "CmdInserisci"));
        EXPECT_EQ(stato(f), c.stato);
        EXPECT_EQ(riga(f.TxtDividendo, lavagna(f)) + f.TxtDivisore.text + " " + f.txtFattori[0].text + ":" +
                      f.txtFattori[1].text,
                  c.lavagna);
        EXPECT_EQ(w.p.sound.played, c.suoni);
        EXPECT_EQ(f.focus(), f.find(c.fuoco));
        EXPECT_EQ(w.p.m.ChiSceglie, c.chi == T && c.stato == kDomanda ? app::InEsecuzione : c.chi);
        if (c.lavagna.rfind(v, 0) != 0) continue;
        // An empty board: no question open, and "Soluzione" finds nothing to solve.
        w.p.sound.played.clear();
        w.p.event([&] { f.CmdAiuto_Click(); });
        EXPECT_TRUE(w.p.sound.played.empty());
        vuota(f);
    }
}

} // namespace
