#include "DivEstesa.h"

#include "support/Layout.h"

#include <array>
#include <map>
#include <tuple>
#include <vector>

using namespace div_estesa_test;

namespace {

// The marks, then the dividend and remainder rows 1 to 3 ('g' where greyed).
std::string segniEGrigi(const FrmDivEstesa& f) {
    std::string s = segni(f) + " ";
    for (const forms::ControlArray* r : {&f.TxtDividendo, &f.txtResto1, &f.txtResto2, &f.txtResto3}) {
        for (int i = 1; i <= 4; ++i)
            s += (*r)[i].enabled ? 'e' : 'g';
        s += r != &f.txtResto3 ? " " : "";
    }
    return s;
}

// What a child who never errs reads: the hint line after "OK", then before each digit the result
// line and, past the '|', the hint or the exclamation (only one of the two is written at a time);
// at the end the marks and the greyed digits.
TEST(DivEstesaSuggerimenti, EachStepSaysWhatComesNextAndMarksItsBorrows) {
    const std::string T = "Che cifra devo trasferire ?|", BT = "Bravo. " + T, Q = "Bravo. Quoziente ?|",
                      P = "Bravo. Quanto è il prodotto ?|", R = "Bravo. Adesso calcoliamo il resto.|",
                      N = "....|....|....|.... ";
    // clang-format off
    struct Caso { int dividendo, divisore; bool guidato; std::vector<std::string> passi; std::string segni; };
    const Caso casi[] = {
        {945, 7, true, {"Clicca sulla prima cifra.", " 9: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 9-7= 2|Scrivi  2",
          T + "Scrivi  4", " 24: 7= 3|Scrivi  3", " 3x 7= 21|Scrivi  1", " 3x 7= 21|...e  2", " 4-1= 3|Scrivi  3",
          T + "Scrivi  5", " 35: 7= 5|Scrivi  5", " 5x 7= 35|Scrivi  5", " 5x 7= 35|...e  3", " 5-5= 0|Scrivi  0"},
         N + "eeee eeee eeee eeee"},
        {945, 7, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", R + "uao!", BT + "uaoo!", Q + "uao!",
          P + "uao!", "Bravo|uaoo!", R + "uao!", BT + "uaoo!", Q + "uaoo!", P + "uao!", "Bravo|uao!", R + "uao!"},
         N + "eeee eeee eeee eeee"},
        // A three-digit product: the carry, then the hundreds; the tens column of the remainder
        // under the product's middle digit.
        {370, 42, true, {"Clicca sulla terza cifra.", " 370: 42= 8|Scrivi  8", " 8x2= 16|Scrivi 6 (e riporta  1)",
          " 8x4+ 1 (che riportavo) = 33|Scrivi 3", " 8x4+ 1 (che riportavo) = 33|...e 3", " 10-6= 4|Scrivi  4",
          " 6-3= 3|Scrivi  3"}, ". 610.|....|....|.... egge eeee eeee eeee"},
        {370, 42, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uaoo!", "Bravo|uaoo!",
          R + "uaoo!", "Bravo|uao!"}, N + "eeee eeee eeee eeee"},
        // The exclamations of every kind of product, in every step.
        {92, 13, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uao!", R + "uaoo!"},
         N + "eeee eeee eeee eeee"},
        {9999, 2, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", R + "uao!", BT + "uaoo!",
          Q + "uao!", P + "uao!", "Bravo|uaoo!", R + "uao!", BT + "uaoo!", Q + "uaoo!", P + "uao!", "Bravo|uao!",
          R + "uao!", BT + "uaoo!", Q + "uao!", P + "uao!", "Bravo|uaoo!", R + "uao!"}, N + "eeee eeee eeee eeee"},
        {92, 13, true, {"Clicca sulla seconda cifra.", " 92: 13= 7|Scrivi  7", " 7x3= 21|Scrivi 1 (e riporta  2)",
          " 7x1+ 2 (che riportavo) = 9|Scrivi 9", " 2-1= 1|Scrivi  1"}, N + "eeee eeee eeee eeee"},
        // The units borrow; the tens column of a two-digit remainder.
        {91, 39, true, {"Clicca sulla seconda cifra.", " 91: 39= 2|Scrivi  2", " 2x9= 18|Scrivi 8 (e riporta  1)",
          " 2x3+ 1 (che riportavo) = 7|Scrivi 7", " 11-8= 3|Scrivi  3", " 8-7= 1|Scrivi  1"},
         "811..|....|....|.... ggee eeee eeee eeee"},
        // Borrows over the first and second remainder rows.
        {1000, 7, true, {"Clicca sulla seconda cifra.", " 10: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 10-7= 3|Scrivi  3",
          T + "Scrivi  0", " 30: 7= 4|Scrivi  4", " 4x 7= 28|Scrivi  8", " 4x 7= 28|...e  2", " 10-8= 2|Scrivi  2",
          T + "Scrivi  0", " 20: 7= 2|Scrivi  2", " 2x 7= 14|Scrivi  4", " 2x 7= 14|...e  1", " 10-4= 6|Scrivi  6"},
         "....|.210.|.110.|.... eeee egge egge eeee"}};
    // clang-format on
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivEstesa& f = w.apri(app::DaTe);
        const AMano a = aMano(c.dividendo, c.divisore);
        SCOPED_TRACE(std::to_string(c.dividendo) + ":" + std::to_string(c.divisore) +
                     (c.guidato ? " guided" : ""));
        EXPECT_EQ(w.passi(c.dividendo, c.divisore, c.guidato, a.cella, a.cifre), c.passi);
        EXPECT_EQ(segniEGrigi(f), c.segni);
        EXPECT_EQ(lavagna(f), a.lavagna);
        EXPECT_EQ(stato(f).substr(0, 5) + f.lblUao.text, "-++-3uaooo!");
        EXPECT_EQ(f.focus(), &f.CmdInserisci);
        EXPECT_EQ(w.p.m.NumEseguite, c.guidato ? 0 : 1);
    }
}

// "Soluzione" before the click, after it and after each digit but the last, every digit wrong
// first: the whole board with its marks and bars, no question open, the counters as they were.
TEST(DivEstesaSoluzione, ShowsTheWholeDivisionAtAnyPoint) {
    // clang-format off
    const std::tuple<int, int, const char*, int> casi[] = {
        {945, 7, "....|....|....|....", 3}, {370, 42, ". 610.|....|....|....", 1},
        {1000, 7, "....|.210.|.110.|....", 3}, {8, 2, "....|....|....|....", 1}};
    // clang-format on
    for (const bool guidato : {false, true}) {
        for (const auto& [dividendo, divisore, marchi, barre] : casi) {
            const AMano a = aMano(dividendo, divisore);
            for (std::size_t fermata = 0; fermata <= a.cifre.size(); ++fermata) {
                Finestra w;
                FrmDivEstesa& f = w.apri(app::DaTe);
                SCOPED_TRACE(std::to_string(dividendo) + ":" + std::to_string(divisore) +
                             (guidato ? " guided " : " ") + std::to_string(fermata));
                ASSERT_NO_FATAL_FAILURE(
                    w.soluzioneDopo(dividendo, divisore, guidato, a.cella, a.cifre, fermata));
                const int errori = w.p.m.NumErrori, barreMostrate = f.Line1.visible + f.Line2.visible +
                                                                    f.Line3.visible + f.Line4.visible;
                EXPECT_EQ(lavagna(f) + " " + segni(f) + " " + std::to_string(barreMostrate),
                          a.lavagna + " " + marchi + " " + std::to_string(barre));
                EXPECT_EQ(w.p.sound.played, std::vector<int>{105});
                // Nothing answers now, and nothing more is counted.
                w.clicca(a.cella);
                EXPECT_FALSE(w.premi(a.cifre[0]));
                EXPECT_EQ(lavagna(f) + stato(f).substr(0, 5) + stato(f).substr(10),
                          a.lavagna + "-++-1|Fatto||");
                EXPECT_EQ(w.p.m.NumErrori - errori + w.p.m.NumEseguite + f.TastierinoAttivo, 0);
            }
        }
    }
}

// Prints, and checks that the page holds every cell of the board as it stands, the marks included
// (but for the placeholders and the never-written fifth dividend cell).
void stampa(Finestra& w) {
    ASSERT_TRUE(w.p.click(*w.finestra, "cmdStampa"));
    const std::map<std::string, std::string>& pagina = w.p.printer.pages.back();
    int celle = 0;
    for (const forms::Control* c : w.finestra->controls())
        if (c->kind() == forms::ControlKind::Cell && c->name() != "TxtDividendo(5)" &&
            c->name().find("(0)") == std::string::npos)
            celle += pagina.count(c->name()) == 1 && pagina.at(c->name()) == c->text;
    EXPECT_EQ(celle, 1 + 15 * 4); // the divisor and fifteen rows of four
    EXPECT_EQ(pagina.at("Label3") + pagina.at("Label4"), ":=");
}

// Guided 370 : 42 with its borrows marked; 9876 : 3 solved; then 7 : 7 just set up, whose page keeps
// nothing of the ones before. The layout: the board moved right and up, on white, with four bars at
// fixed places that are always printed.
TEST(DivEstesaStampa, PrintsTheBoardAsItStandsWithItsMarksAndFourBars) {
    Finestra w;
    FrmDivEstesa& f = w.apri(app::DaTe);
    w.scrivi("370", "42", true);
    ASSERT_TRUE(w.clicca(3));
    for (char c : std::string("86334"))
        ASSERT_TRUE(w.premi(c));
    const std::string prima = stato(f) + lavagna(f) + segni(f);
    w.p.sound.played.clear();
    stampa(w);
    EXPECT_EQ(stato(f) + lavagna(f) + segni(f) + std::to_string(w.p.sound.played.size()), prima + "0");
    EXPECT_EQ(w.p.printer.pages.back().at("RP0(2)"), " 6");
    w.scrivi("9876", "3", false);
    ASSERT_TRUE(w.p.click(f, "CmdAiuto"));
    stampa(w);
    w.scrivi("7", "7", false);
    stampa(w);
    EXPECT_EQ(w.p.printer.pages.size(), 3u);
    const auto& layout = w.p.forms.get<exercise::FrmDivEstesaBis>("frmDivEstesa_bis");
    EXPECT_EQ(layout.caption + " " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
                  " " + testing_support::shown(layout, "Line1 Line2 Line3 Line4 TxtDividendo(5)"),
              "Form1 9480x6792 Line1 Line2 Line3 Line4");
    // clang-format off
    EXPECT_EQ(testing_support::misplaced(layout, "txtCappello(1) 2880,1320,480,315|TxtDividendo(1) 2880,1860,495,285 7|"
        "txtMolt2(1) 2880,2955,495,285|RP2(1) 3360,3360,495,225|txtResto4(1) 4320,5040,495,285|Label3 4800,1800,255,375 :|"
        "TxtDivisore 5040,1860,615,375 7|TxtQuoziente(2) 6600,1860,375,375|Line1 2760,2460,4200,2460|"
        "Line2 2880,3300,4920,3300|Line3 3360,4140,5400,4140|Line4 3720,4980,5880,4980"), "");
    // clang-format on
    for (const forms::Control* c : layout.controls())
        EXPECT_TRUE(c->kind() == forms::ControlKind::Line || c->backColor == 0xFFFFFF) << c->name();
    EXPECT_FALSE(layout.isVisible());
}

} // namespace
