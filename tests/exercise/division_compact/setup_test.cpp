#include "DivCompatta.h"

#include "exercise/Numeri.h"

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

TEST(DivCompattaSetUp, LoadsForEitherChooser) {
    // clang-format off
    const std::tuple<int, const char*, const char*> casi[] = {
        {app::DaTe, "+--+2ggggg|Ciao||", "     Clicca e scrivi     (max 4 cifre)|     Clicca e scrivi     (max 2 cifre)"},
        {app::DalComputer, "----2ggggg|Ciao||", "                     N° cifre dividendo|                      N° cifre divisore"}};
    // clang-format on
    for (const auto& [chi, atteso, didascalie] : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(chi);
        EXPECT_EQ(stato(f), atteso);
        EXPECT_EQ(f.Label1.text + "|" + f.Label2.text, didascalie);
        EXPECT_EQ(f.CmbDividendo.listIndex + f.CmbDivisore.listIndex, chi == app::DaTe ? -2 : 0);
        vuota(f);
        EXPECT_TRUE(f.Timer1.enabled);
        w.p.event([&] { f.Cmb_DropDown(1); }); // opening a list stops the blinking hand
        EXPECT_FALSE(f.Timer1.enabled);
    }
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
        const exercise::Limiti dd = exercise::limitiPerCifre(cifre / 10),
                               ds = exercise::limitiPerCifre(cifre % 10);
        // The smallest dividend with the largest divisor, then the largest with the smallest.
        w.p.random.script = {int(dd.min), int(ds.max), int(dd.max), int(ds.min)};
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
        const bool ridisegna = ds.max > dd.min;
        ASSERT_EQ(w.p.random.asked.size(), ridisegna ? 4u : 2u);
        for (std::size_t i = 0; i < w.p.random.asked.size(); ++i)
            EXPECT_EQ(w.p.random.asked[i], std::pair(int((i % 2 ? ds : dd).min), int((i % 2 ? ds : dd).max)));
        EXPECT_EQ(f.Dividendo, ridisegna ? dd.max : dd.min);
        EXPECT_EQ(f.Divisore, ridisegna ? ds.min : ds.max);
        EXPECT_LE(f.Divisore, f.Dividendo);
        EXPECT_EQ(riga(f.TxtDividendo) + " " + f.TxtDivisore.text,
                  (std::to_string(f.Dividendo) + "...").substr(0, 4) + " " + std::to_string(f.Divisore));
        EXPECT_EQ(stato(f), kDomanda);
        EXPECT_EQ(w.p.sound.played, std::vector<int>{app::SuonoPronto});
    }
}

// What each action does to 845 : 23 with its first quotient digit written: the window at a glance,
// the board with the dividend, the divisor and the entry boxes, the sounds (C click, P ready) and the
// focus. Typed operands are pressed "OK" on, after the click on the entry box that ends the dialogue.
TEST(DivCompattaSetUp, EachActionEndsRestartsOrPausesTheDialogue) {
    const int C = app::SuonoClic, P = app::SuonoPronto, T = app::DaTe, PC = app::DalComputer;
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
