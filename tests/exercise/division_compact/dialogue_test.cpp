#include "DivCompatta.h"

#include <array>
#include <map>
#include <vector>

using namespace div_compatta_test;

namespace {

// The borrow marks in rows RP0, RP1 and RP2, then the dividend and remainder row 1, 'g' where greyed.
std::string segni(const FrmDivCompatta& f) {
    std::string s = riga(f.RP2, riga(f.RP1, riga(f.RP0) + "/") + "/") + " ";
    for (const forms::ControlArray* r : {&f.TxtDividendo, &f.txtResto1})
        for (int i = 1; i <= 4; ++i)
            s += (*r)[i].enabled ? 'e' : 'g';
    return s;
}

// What a child who never errs reads: the line under the board after "OK", then after the click and
// after each digit but the last the result line and, past the '|', the hint or the exclamation
// (only one of the two is ever shown); at the end, the marks.
TEST(DivCompattaSuggerimenti, EachStepSaysWhatComesNextAndMarksItsBorrows) {
    const std::string T = "Che cifra devo trasferire ?|", Q = "Bravo. Quoziente ?|",
                      R = "Bravo. Quanto è il resto ?|", BT = "Bravo. " + T,
                      N = "..../..../.... eeeeeeee"; // no marks, nothing greyed
    // clang-format off
    struct Caso { int dividendo, divisore; bool guidato; std::vector<std::string> passi; std::string segni; };
    const Caso casi[] = {
        {7, 3, true, {"Clicca sulla prima cifra.", " 7: 3= 2|Scrivi  2", " 2x 3= 6 al 7 -->  1|Scrivi  1"}, N},
        {75, 3, true, {"Clicca sulla prima cifra.", " 7: 3= 2|Scrivi  2", " 2x 3= 6 al 7 -->  1|Scrivi  1",
          T + "Scrivi  5", " 15: 3= 5|Scrivi  5", " 5x 3= 15 al  15 -->  0|Scrivi  0"}, N},
        // One blank after "allo".
        {408, 4, true, {"Clicca sulla prima cifra.", " 4: 4= 1|Scrivi  1", " 1x 4= 4 al 4 -->  0|Scrivi  0",
          T + "Scrivi  0", " 0: 4= 0|Scrivi  0", " 0x 4= 0 allo 0 -->  0|Scrivi  0", T + "Scrivi  8",
          " 8: 4= 2|Scrivi  2", " 2x 4= 8 all' 8 -->  0|Scrivi  0"}, N},
        {1000, 7, true, {"Clicca sulla seconda cifra.", " 10: 7= 1|Scrivi  1", " 1x 7= 7 al 10 -->  3|Scrivi  3",
          T + "Scrivi  0", " 30: 7= 4|Scrivi  4", " 4x 7= 28 al  30 -->  2|Scrivi  2", T + "Scrivi  0",
          " 20: 7= 2|Scrivi  2", " 2x 7= 14 al  20 -->  6|Scrivi  6"}, N},
        // A first partial dividend of 8 takes "all'", with no blank before the number.
        {845, 7, true, {"Clicca sulla prima cifra.", " 8: 7= 1|Scrivi  1", " 1x 7= 7 all'8 -->  1|Scrivi  1",
          T + "Scrivi  4", " 14: 7= 2|Scrivi  2", " 2x 7= 14 al  14 -->  0|Scrivi  0", T + "Scrivi  5",
          " 5: 7= 0|Scrivi  0", " 0x 7= 0 al  5 -->  5|Scrivi  5"}, N},
        // So does a later 11.
        {61, 5, true, {"Clicca sulla prima cifra.", " 6: 5= 1|Scrivi  1", " 1x 5= 5 al 6 -->  1|Scrivi  1",
          T + "Scrivi  1", " 11: 5= 2|Scrivi  2", " 2x 5= 10 all' 11 -->  1|Scrivi  1"}, N},
        // A later partial dividend from 80 to 89 takes "all'" too, with a blank before the number.
        {175, 9, true, {"Clicca sulla seconda cifra.", " 17: 9= 1|Scrivi  1", " 1x 9= 9 al 17 -->  8|Scrivi  8",
          T + "Scrivi  5", " 85: 9= 9|Scrivi  9", " 9x 9= 81 all' 85 -->  4|Scrivi  4"}, N},
        // Two-digit divisors: the units column, borrowing tens marked in red, then the tens column.
        {92, 13, true, {"Clicca sulla seconda cifra.", " 92: 13= 7|Scrivi  7", " 7x3= 21 al  22 --> 1|Scrivi 1"},
         " 7 22../..../.... ggeeeeee"},
        {125, 13, true, {"Clicca sulla terza cifra.", " 125: 13= 9|Scrivi  9", " 9x3= 27 al  35 --> 8|Scrivi 8"},
         ". 9 35./..../.... gggeeeee"},
        {95, 12, true, {"Clicca sulla seconda cifra.", " 95: 12= 7|Scrivi  7", " 7x2= 14 al  15 --> 1|Scrivi 1",
          " 7x1= 7 all' 8 --> 1|Scrivi 1"}, " 8 15../..../.... ggeeeeee"},
        {100, 10, true, {"Clicca sulla seconda cifra.", " 10: 10= 1|Scrivi  1", " 1x0= 0 allo 0 --> 0|Scrivi 0",
          T + "Scrivi  0", " 0: 10= 0|Scrivi  0", " 0x0= 0 allo 0 --> 0|Scrivi 0"}, N},
        {1000, 99, true, {"Clicca sulla terza cifra.", " 100: 99= 1|Scrivi  1", " 1x9= 9 al  10 --> 1|Scrivi 1",
          T + "Scrivi  0", " 10: 99= 0|Scrivi  0", " 0x9= 0 allo 0 --> 0|Scrivi 0", " 0x9= 0 all' 1 --> 1|Scrivi 1"},
         ". 9 10./..../.... gggeeeee"},
        // A tens column read from 80 to 89 takes "all'".
        {875, 96, true, {"Clicca sulla terza cifra.", " 875: 96= 9|Scrivi  9", " 9x6= 54 al  55 --> 1|Scrivi 1",
          " 9x9= 81 all' 82 --> 1|Scrivi 1"}, ". 82 55./..../.... gggeeeee"},
        // Step 2 marks its borrow over remainder row 1 and the digit brought down.
        {845, 23, true, {"Clicca sulla seconda cifra.", " 84: 23= 3|Scrivi  3", " 3x3= 9 al  14 --> 5|Scrivi 5",
          " 3x2= 6 al  7 --> 1|Scrivi 1", T + "Scrivi  5", " 155: 23= 6|Scrivi  6", " 6x3= 18 al  25 --> 7|Scrivi 7",
          " 6x2= 12 al  13 --> 1|Scrivi 1"}, " 7 14../. 13 25./.... ggeeggge"},
        {845, 23, false, {"Clicca sulla cifra scelta.", Q + "uaoo!", R + "uao!", "Bravo|uaoo!", BT + "uaoo!",
          Q + "uaoo!", R + "uaoo!", "Bravo|uaoo!"}, N},
    };
    // clang-format on
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DaTe);
        const AMano a = aMano(c.dividendo, c.divisore);
        SCOPED_TRACE(std::to_string(c.dividendo) + ":" + std::to_string(c.divisore));
        EXPECT_EQ(w.passi(c.dividendo, c.divisore, c.guidato, a.cella, a.cifre), c.passi);
        EXPECT_EQ(segni(f), c.segni);
        EXPECT_EQ(lavagna(f), a.lavagna); // the marks '^' and 'v' written on the way
    }
}

// "Soluzione" before the click, after it and after each digit but the last, every digit wrong
// first: the whole board without marks, no question open, the counters as they were.
TEST(DivCompattaSoluzione, ShowsTheWholeDivisionAtAnyPoint) {
    for (const bool guidato : {false, true}) {
        for (const auto& [dividendo, divisore] :
             {std::pair{9999, 1}, {845, 23}, {1000, 99}, {7, 7}, {1005, 5}}) {
            const AMano a = aMano(dividendo, divisore);
            for (std::size_t fermata = 0; fermata <= a.cifre.size(); ++fermata) {
                Finestra w;
                FrmDivCompatta& f = w.apri(app::DaTe);
                SCOPED_TRACE(std::to_string(dividendo) + ":" + std::to_string(divisore) +
                             (guidato ? " guided " : " ") + std::to_string(fermata));
                ASSERT_NO_FATAL_FAILURE(
                    w.soluzioneDopo(dividendo, divisore, guidato, a.cella, a.cifre, fermata));
                const int errori = w.p.m.NumErrori;
                std::string marchi;
                for (int k = 0; k <= 4; ++k)
                    marchi = riga(f.RP(k), marchi);
                // The dividend's digits enabled, borrows or not, the cells after it greyed.
                const std::string cifre = std::string(std::to_string(dividendo).size(), 'e') + "ggggg";
                EXPECT_EQ(stato(f) + lavagna(f) + marchi,
                          "-++-1" + cifre.substr(0, 5) + "|Fatto||" + a.lavagna + std::string(20, '.'));
                EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
                EXPECT_EQ(f.focus(), &f.CmdRipeti);
                EXPECT_EQ(w.p.sound.played, std::vector<int>{105});
                EXPECT_EQ(w.p.m.NumErrori - errori + w.p.m.NumEseguite + f.TastierinoAttivo, 0);
                EXPECT_TRUE(w.clicca(a.cella)); // answers nothing
                EXPECT_EQ(stato(f), "-++-1" + cifre.substr(0, 5) + "|Fatto||");
                // "Ripeti" sets the operation up again, on a keypad that is on.
                ASSERT_TRUE(w.p.click(f, "CmdRipeti"));
                EXPECT_EQ(stato(f).substr(0, 4) + lavagna(f), "+++-.... .... .... .... .... ....");
            }
        }
    }
}

// Prints, and checks that the page holds every cell of the board as it stands, the mark rows empty.
void stampa(Finestra& w) {
    const std::size_t pagine = w.p.printer.pages.size();
    ASSERT_TRUE(w.p.click(*w.finestra, "cmdStampa"));
    ASSERT_EQ(w.p.printer.pages.size(), pagine + 1);
    const std::map<std::string, std::string>& pagina = w.p.printer.pages.back();
    for (const forms::Control* c : w.finestra->controls()) {
        if (c->kind() != forms::ControlKind::Cell) continue;
        ASSERT_EQ(pagina.count(c->name()), 1u) << c->name();
        EXPECT_EQ(pagina.at(c->name()), c->name().rfind("RP", 0) == 0 ? "" : c->text) << c->name();
    }
}

// Guided 845 : 23 with its borrows marked; 9999 : 1 solved, then 7 : 7 just set up, whose page keeps
// nothing of the one before.
TEST(DivCompattaStampa, PrintsTheBoardAsItStandsWithoutMarks) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.scrivi("845", "23", true);
    ASSERT_TRUE(w.clicca(2));
    for (char c : std::string("35156"))
        ASSERT_TRUE(w.premi(c));
    ASSERT_EQ(f.RP1[3].text, " 25");
    const std::string prima = stato(f) + lavagna(f) + riga(f.RP1);
    w.p.sound.played.clear();
    stampa(w);
    // Printing leaves the window as it was, and its layout unseen.
    EXPECT_EQ(stato(f) + lavagna(f) + riga(f.RP1), prima);
    EXPECT_TRUE(w.p.sound.played.empty());
    EXPECT_FALSE(w.p.forms.get<exercise::FrmDivCompattaBis>("frmDivCompatta_bis").isVisible());
    w.scrivi("9999", "1", false);
    ASSERT_TRUE(w.p.click(f, "CmdAiuto"));
    stampa(w);
    w.scrivi("7", "7", false);
    stampa(w);
}

} // namespace
