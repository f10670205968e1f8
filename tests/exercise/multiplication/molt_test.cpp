// Both multiplication windows: layout, entry, dialogues word for word, solutions and print,
// and a child working every operation.
#include "Moltiplicazione.h"
#include "exercise/Numeri.h"
#include "exercise/multiplication/FrmMolt1.h"
#include "exercise/multiplication/FrmMolt2.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using app::DalComputer;
using app::DaTe;
using exercise::FinestraMoltiplicazione;
using molt_test::cifraGiusta;
using testing_support::lavagna;
using testing_support::Program;

// The program with a multiplication window opened as the start window opens it.
struct Banco {
    Program p;
    FinestraMoltiplicazione* w = nullptr;

    FinestraMoltiplicazione& apri(const std::string& nome, int chi) {
        p.m.ChiSceglie = chi;
        return *(w = &p.forms.get<FinestraMoltiplicazione>(nome));
    }
    bool premi(const std::string& tasti) { return testing_support::premi(p, *w, tasti); }
};

// Key by key, typed and drawn alike. Guided, "Ripeti" leaves the exclamation and a step asked
// again writes numbers as later hints do; plain, a repeat counts neither errors nor finish.
// After the finish a digit goes nowhere. Row 1's carries give way to row 2's when row 1 is
// done; "Soluzione" fills every cell, and the page shows row 1's carries.
TEST(Molt, GoldenTranscriptsSolutionsAndPages) {
    const std::string copione = R"(@frmMolt1 47 6 1
CmdVai . 105 6x7= 42|Scrivi 2||Image1| 0| 0|TxtProdotto(0)
3 . 103 6x7= 42|Scrivi 2||Image4| 0| 0|TxtProdotto(0)
2 2 104 6x7= 42|e riporta  4||Image2| 0| 0|TxtRiporto(1)
5 . 103 6x7= 42|e riporta  4||Image4| 0| 0|TxtRiporto(1)
4 4 104 6x4+4= 28|Scrivi 8||Image2| 0| 0|TxtProdotto(1)
8 8 104 6x4+4= 28|...e  2||Image2| 0| 0|TxtProdotto(2)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
! 4440 ...47 ....6 ...4. ..282
cmdStampa . - Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
P ...47 ....6 ...4. ..282
@frmMolt1 7 8 1
CmdVai . 105 8x7= 56|Scrivi 6||Image1| 0| 0|TxtProdotto(0)
6 6 104 8x7= 56|...e  5||Image2| 0| 0|TxtProdotto(1)
5 5 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
@frmMolt1 25 4 1
CmdVai . 105 4x5= 20|Scrivi 0||Image1| 0| 0|TxtProdotto(0)
0 0 104 4x5= 20|e riporta  2||Image2| 0| 0|TxtRiporto(1)
2 2 104 4x2+2= 10|Scrivi 0||Image2| 0| 0|TxtProdotto(1)
0 0 104 4x2+2= 10|...e  1||Image2| 0| 0|TxtProdotto(2)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
@frmMolt2 34 12 1
CmdVai . 105 2x4= 8|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)
8 8 104  2x 3= 6|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)
6 6 104  1x 4= 4|Scrivi 4||Image2| 0| 0|TxtProdotto2(1)
4 4 104  1x 3= 3|Scrivi 3||Image2| 0| 0|TxtProdotto2(2)
3 3 104  8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)
8 8 104  6+ 4= 10|Scrivi 0||Image2| 0| 0|TxtProdotto3(1)
0 0 104  6+ 4= 10| e riporta  1||Image2| 0| 0|TxtRiporto3(2)
1 1 -  1+ 0+ 3= 4|Scrivi 4||Image2| 0| 0|TxtProdotto3(2)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
! 4440 ...34 ...12 .____ ..... ..1.. ...68 ..34. ..408
CmdProdotto . 105 2x4= 8|Scrivi 8|uaooo!|Image1| 0| 0|TxtProdotto1(0)
7 . 103  2x 4= 8|Scrivi 8|uaooo!|Image4| 0| 0|TxtProdotto1(0)
@frmMolt2 56 23 1
= 3120 ..... ..... ..... ..... ..... ..... ..... .....
CmdVai . 105 3x6= 18|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)
8 8 104 3x6= 18|e riporta  1||Image2| 0| 0|TxtRiporto1(1)
1 1 104  3x 5+ 1= 16|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)
6 6 104  3x 5+ 1= 16|...e  1||Image2| 0| 0|TxtProdotto1(2)
= 4440 ...56 ...23 ...1. .____ ..... ...68 ..... .....
1 1 104  2x 6= 12|Scrivi 2||Image2| 0| 0|TxtProdotto2(1)
= 4440 ...56 ...23 .____ ..... ..... ..168 ..... .....
2 2 104  2x 6= 12| e riporta  1||Image2| 0| 0|TxtRiporto2(1)
5 . 103  2x 6= 12| e riporta  1||Image4| 0| 0|TxtRiporto2(1)
1 1 -  2x 5+ 1= 11|Scrivi 1||Image4| 0| 0|TxtProdotto2(2)
1 1 104  2x 5+ 1= 11|...e  1||Image2| 0| 0|TxtProdotto2(3)
1 1 104  8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)
8 8 104  6+ 2= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)
8 8 104  1+ 1= 2|Scrivi 2||Image2| 0| 0|TxtProdotto3(2)
2 2 104  0+ 1= 1|Scrivi 1||Image2| 0| 0|TxtProdotto3(3)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
cmdStampa . - Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
P ...56 ...23 ...1. ..... ..... ..168 .112. .1288
@frmMolt2 99 19 1
CmdVai . 105 9x9= 81|Scrivi 1||Image1| 0| 0|TxtProdotto1(0)
1898991 1 104,104,104,104,104,104,104  9+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)
8 8 104  9+ 9= 18| e riporta  1||Image2| 0| 0|TxtRiporto3(2)
1 1 -  1+ 8+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(2)
8 8 104 ...e  1|Scrivi 8||Image2| 0| 0|TxtProdotto3(3)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
@frmMolt2 99 19 0
CmdVai . 105 Esegui|||Image1| 0| 0|TxtProdotto1(0)
18 1 104,104 Molto bravo||uaoo!|Image2| 0| 0|TxtProdotto1(1)
98 9 104,104 Esegui|||Image2| 0| 0|TxtProdotto2(1)
5 . 103 Riprova||ops!|Image4| 1| 0|TxtProdotto2(1)
99182 9 104,104,104,104,103 Riprova||ops!|Image4| 2| 0|TxtRiporto3(2)
181 1 104,104,104,101 Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai
CmdProdotto . 105 Esegui|||Image1| 2| 1|TxtProdotto1(0)
3 . 103 Riprova||ops!|Image4| 2| 1|TxtProdotto1(0)
@frmMolt1 1 1 0 CmdVai CmdRisolvi
= 5040 ....1 ....1 ..... ....1
@frmMolt1 9999 9 0 CmdVai
CmdRisolvi 1 105 Fatto|||Image1| 0| 0|CmdProdotto
= 3240 .9999 ....9 .888. 89991
cmdStampa . - Fatto|||Image1| 0| 0|CmdProdotto
P .9999 ....9 .888. 89991
@frmMolt2 99 99 0 CmdVai CmdRisolvi
= 4440 ...99 ...99 ...8. .____ .11.. ..891 .891. .9801
@frmMolt2 999 99 0 CmdVai CmdRisolvi
= 3840 ..999 ...99 ..88. .____ 111.. .8991 8991. 98901
@frmMolt2 100 10 0 CmdVai CmdRisolvi
= 3840 ..100 ...10 ..... .____ ..... ..000 .100. .1000
@frmMolt2 56 23 0 CmdVai 8161 CmdRisolvi cmdStampa
= 4440 ...56 ...23 ...1. .____ ..... ..168 .112. .1288
P ...56 ...23 ...1. ..... ..... ..168 .112. .1288
)";
    for (const int chi : {DaTe, DalComputer})
        EXPECT_EQ(testing_support::gioca(chi, copione), copione) << (chi == DaTe ? "typed" : "drawn");
}

// From a window just opened ("1"/"2" child mode, "C1"/"C2" computer mode with the lists on
// their last item), after the presses: the boxes, the factors on the board, the focus, who
// chooses now, the hand if it still blinks, the first draws' bounds; then an operation's buttons.
TEST(Molt, EntryLimitsAndRefusals) {
    const char* casi[][3] = {
        {"1", "txtFattori(0) 12345", "1234| ..... .....|txtFattori(0)|1"},
        {"1", "txtFattori(1) 12", "|1 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 47 txtFattori(1) 0 CmdVai", "47|0 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(1) 6 txtFattori(0) CmdVai", "|6 ..... .....|txtFattori(0)|1"},
        {"1", "txtFattori(0) =4a txtFattori(1) 6 CmdVai", "4a|6 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 4 txtFattori(1) =12 CmdVai", "4|12 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 0012 txtFattori(1) 3 CmdVai", "| ...12 ....3|TxtProdotto(0)|0"},
        {"1", "txtFattori(0) 4 txtFattori(1) 3 CmdVai CmdVai", "| ..... .....|txtFattori(1)|1"}, // emptied
        {"C1", "CmdVai CmdVai", "| .1001 ....2|TxtProdotto(0)|2 1000-9999 1-9"},
        {"C1", "Check2", "| ..... .....|CmdVai|2 blinking"},
        {"C1", "^CmbNSF", "| ..... .....|CmbNSF|2"}, // opening a list stops the hand for good
        {"2", "txtFattori(0) 1234", "123| ..... .....|txtFattori(0)|1"},
        {"2", "txtFattori(1) 123", "|12 ..... .....|txtFattori(1)|1"},
        // A single digit: refused, the focus stays on "OK"; 0 or nothing: back to the box.
        {"2", "txtFattori(0) 7 txtFattori(1) 34 CmdVai", "7|34 ..... .....|CmdVai|1"},
        {"2", "txtFattori(0) 34 txtFattori(1) 05 CmdVai", "34|05 ..... .....|CmdVai|1"},
        {"2", "txtFattori(1) 34 txtFattori(0) 0 CmdVai", "0|34 ..... .....|txtFattori(0)|1"},
        {"2", "txtFattori(0) =1000 txtFattori(1) 12 CmdVai", "1000|12 ..... .....|txtFattori(1)|1"},
        {"2", "txtFattori(0) 034 txtFattori(1) 12 CmdVai", "| ...34 ...12|TxtProdotto1(0)|0"},
        {"C2", "CmdVai CmdVai", "| ..100 ...10|TxtProdotto1(0)|2 100-999 10-99"},
        {"C2", "^CmbNPF", "| ..... .....|CmbNPF|2"},
    };
    for (const auto& [finestra, premi, atteso] : casi) {
        Banco t;
        const bool computer = finestra[0] == 'C', due = finestra[computer] == '2';
        FinestraMoltiplicazione& w = t.apri(due ? "frmMolt2" : "frmMolt1", computer ? DalComputer : DaTe);
        w.CmbNPF.listIndex = static_cast<int>(w.CmbNPF.items.size()) - 1;
        t.p.random.script = {4700, 6, 1001, 2};
        if (due) t.p.random.script = {345, 67, 100, 10};
        ASSERT_TRUE(t.premi(premi)) << premi;
        std::ostringstream visto;
        visto << w.txtFattori[0].text << "|" << w.txtFattori[1].text << " " << lavagna(w).substr(0, 11) << "|"
              << w.focus()->name() << "|" << t.p.m.ChiSceglie << (w.Timer1.enabled ? " blinking" : "");
        for (std::size_t k = 0; k < t.p.random.asked.size() && k < 2; ++k)
            visto << " " << t.p.random.asked[k].first << "-" << t.p.random.asked[k].second;
        EXPECT_EQ(visto.str(), atteso) << premi;
        const bool accettata = lavagna(w).substr(0, 11) != "..... .....";
        EXPECT_EQ(w.cmdStampa.enabled && w.CmdProdotto.enabled, accettata) << premi;
        EXPECT_EQ(w.backspace.visible, !computer && !accettata) << premi;
    }
}

// Places (left,top,width,height; a line's ends) and texts of each window in child mode and of
// its print layout (a cell of each row: the rows are placed alike), then looks (points, bold,
// colour, background), the windows' captions, sizes and colours, and the computer mode's lists.
TEST(Molt, LayoutCaptionsAndPrintLayouts) {
    auto righe = [](const std::string& t) { // "row top height": cells 0..4 from the units column at 5520
        std::istringstream in(t);
        std::string s, nome;
        for (int top, alta; in >> nome >> top >> alta;) {
            const int da = nome == "TxtProdotto1"; // its cell 0 is taller, in the table
            s += testing_support::cells(nome, da, 4, 5520 - 600 * da, -600, top, 615, alta);
        }
        return s;
    };
    auto tavola = [](std::string t) { return std::erase(t, '\n'), t; };
    const std::string pannello =
        testing_support::kKeypad + tavola(R"(Check2 900,1320,1575,375|mano(0) 480,2100,384,384|
mano(1) 480,2820,384,384|txtFattori(0) 1140,2160,1035,405|txtFattori(1) 1140,2880,1035,405|CmbNPF 1380,2160,615,315|
CmbNSF 1380,2880,615,315|CmdVai 960,3420,1395,495|Image1 1260,4260,900,855|Image4 1260,4260,900,855|
lblUao 1020,5280,1515,615|cmdStampa 7440,1320,1395,495|CmdProdotto 7380,4860,1395,495|CmdEnd 7380,5580,1395,495|
backspace 7860,4020,1095,495|)");
    const std::pair<const char*, std::string> tavole[] = {
        {"frmMolt1",
         pannello + tavola(R"(Label5 60,60,6555,855 Moltiplicazione semplice|
Label1 60,1860,3015,255 Clicca e scrivi (max 4 cifre)|Label2 60,2580,3015,255 Clicca e scrivi (max 1 cifra)|
LblRisultato 2760,4560,3735,615 Ciao|lblScrivi 2760,5220,3735,615|Line2 7140,600,9060,600|
Label3 6120,2160,495,495 X|Label4 6120,2520,495,615 =|Line1 3120,3360,6120,3360|)") +
             righe("TxtRiporto 1560 495 TxtPrimoFatt 2040 615 TxtSecondoFatt 2640 615 TxtProdotto 3480 735")},
        {"frmMolt1_bis",
         tavola(R"(Label3 6120,2400,495,495 X|Label4 6120,2760,495,615 =|Line1 3120,3600,6120,3600|
TxtRiporto(1) 4920,1800,615,495|TxtPrimoFatt(4) 3120,2280,615,615|TxtSecondoFatt(0) 5520,2880,615,615|
TxtProdotto(2) 4320,3720,615,735)")},
        {"frmMolt2",
         pannello + tavola(R"(Label5 60,0,6795,795 Moltiplicazione complessa|
Label1 60,1860,2895,255 Clicca e scrivi (min 2 cifre)|Label2 60,2580,2895,255 Clicca e scrivi (min 2 cifre)|
LblRisultato 3120,5280,3015,555 Ciao|lblScrivi 3120,5880,3015,555|Line3 7140,600,9060,600|
Label3 6120,1440,495,495 X|Label4 6120,1920,495,615 =|Line1 3120,2760,6120,2760|Line2 3120,4560,6120,4560|
TxtProdotto1(0) 5520,3240,615,615|)") +
             righe("TxtRiporto1 960 435 TxtRiporto2 960 435 TxtPrimoFatt 1440 615 TxtSecondoFatt 2040 "
                   "615 TxtRiporto3 2880 375 TxtProdotto1 3240 645 TxtProdotto2 3840 645 TxtProdotto3 4680 "
                   "585")},
        {"frmMolt2_bis",
         tavola(R"(Label3 5880,960,495,495 X|Label4 5880,1440,495,615 =|Line1 2880,2280,5880,2280|
Line2 2880,4080,5880,4080|TxtProdotto1(0) 5280,2760,615,615|TxtRiporto1(3) 3480,480,615,435|
TxtRiporto2(0) 5280,480,615,435|TxtPrimoFatt(2) 4080,960,615,615|TxtSecondoFatt(1) 4680,1560,615,615|
TxtRiporto3(4) 2880,2400,615,375|TxtProdotto1(1) 4680,2760,615,645|TxtProdotto2(3) 3480,3360,615,645|
TxtProdotto3(0) 5280,4200,615,585)")},
    };
    const std::pair<const char*, const char*> aspetti[] = {
        {"frmMolt1", R"(Label1 9.6 bold Comic Sans MS 0 ffffff|txtFattori(1) 14.4 Comic Sans MS c0 ffffff|
LblRisultato 20.4 bold Comic Sans MS ff0000 ffffff|lblUao 20.4 bold Comic Sans MS ff ffffff|
TxtRiporto(4) 15.6 bold Comic Sans MS ff0000 ffc080|TxtPrimoFatt(3) 21.6 bold Comic Sans MS 0 ffc080|
TxtSecondoFatt(0) 21.6 bold Comic Sans MS 0 ffc080|TxtProdotto(2) 21.6 bold Comic Sans MS c0 ffc080|
Label3 18 Comic Sans MS 0 ffc080|Label4 24 Comic Sans MS 0 ffc080)"},
        {"frmMolt1_bis",
         R"(TxtProdotto(1) 21.6 bold Comic Sans MS c0 ffffff|Label4 24 Comic Sans MS 0 ffffff)"},
        {"frmMolt2",
         R"(TxtRiporto1(1) 12 bold Comic Sans MS ff0000 ffc080|TxtRiporto2(2) 12 bold Comic Sans MS ff0000 ffc080|
TxtPrimoFatt(2) 18 bold Comic Sans MS 0 ffc080|TxtSecondoFatt(1) 18 bold Comic Sans MS 0 ffc080|
TxtRiporto3(3) 12 bold Comic Sans MS ff0000 ffc080|TxtProdotto1(0) 18 bold Comic Sans MS c0 ffc080|
TxtProdotto2(4) 18 bold Comic Sans MS c0 ffc080|TxtProdotto3(1) 18 bold Comic Sans MS c0 ffc080|
Label3 18 Comic Sans MS 0 ffc080)"},
        {"frmMolt2_bis",
         R"(TxtRiporto2(0) 12 bold Comic Sans MS ff0000 ffffff|TxtProdotto3(4) 18 bold Comic Sans MS c0 ffffff|
Label3 18 Comic Sans MS 0 ffffff)"},
    };
    Program p;
    p.m.ChiSceglie = DaTe;
    std::ostringstream finestre;
    for (int k = 0; k < 4; ++k) {
        const forms::Form& f = p.forms.load(tavole[k].first);
        EXPECT_EQ(testing_support::misplaced(f, tavole[k].second), "") << f.name();
        EXPECT_EQ(testing_support::misdrawn(f, tavola(aspetti[k].second)), "") << f.name();
        finestre << f.caption << " " << f.width << "x" << f.height << " " << std::hex << f.backColor
                 << std::dec << "|";
    }
    EXPECT_EQ(finestre.str(),
              "Moltiplicazione semplice 9504x6816 ffc080|Form1 9480x6792 ffffff|Moltiplicazione "
              "complessa 9504x6816 ffc080|Form1 9480x6792 ffffff|");
    // In computer mode: the captions, the lists on their first item and what they offer.
    for (const auto& [nome, atteso] :
         {std::pair{"frmMolt1", "1 1|1234 1"}, std::pair{"frmMolt2", "2 2|23 2"}}) {
        Banco t;
        FinestraMoltiplicazione& w = t.apri(nome, DalComputer);
        std::string voci =
            w.Label1.text + "|" + w.Label2.text + "|" + w.CmbNPF.listText() + " " + w.CmbNSF.listText() + "|";
        for (const forms::Control* l : {&w.CmbNPF, &w.CmbNSF})
            for (const std::string& v : l->items)
                voci += v + (&v == &l->items.back() && l == &w.CmbNPF ? " " : "");
        EXPECT_EQ(voci, std::string("N° cifre primo fattore|N° cifre secondo fattore|") + atteso);
        EXPECT_FALSE(w.txtFattori[0].visible || w.txtFattori[1].visible || w.Frame1.isEnabled());
    }
}

// a x b worked plain and counted (modo 0); or guided (1) or plain (2) by "Ripeti" after
// "Soluzione", not counted, to the board "Soluzione" showed. Then the product's columns, or the
// two-digit window's partial products with their leading zeros and row 2's carries shown.
// The first fault, or "".
std::string lavora(Program& p, FinestraMoltiplicazione& w, long a, long b, int modo, bool sbaglia) {
    w.Check2.checked = modo != 0;
    w.txtFattori[0].text = std::to_string(a);
    w.txtFattori[1].text = std::to_string(b);
    w.CmdVai_Click();
    std::string soluzione;
    if (modo != 0) {
        w.CmdRisolvi_Click();
        soluzione = lavagna(w, false);
        w.Check2.checked = modo == 1;
        w.CmdSomma_Click();
    }
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    const std::string guasto = testing_support::lavora(
        w, [&](const forms::Control& c) { return cifraGiusta(a, b, c); }, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    const std::string prodotto = std::to_string(a * b), fatta = lavagna(w); // rows 6 characters apart
    if (!fatta.ends_with(std::string(5 - prodotto.size(), '.') + prodotto)) return "wrong product " + fatta;
    if (modo != 0 && lavagna(w, false) != soluzione) return "the solution showed " + soluzione;
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    if (auto* m1 = dynamic_cast<exercise::FrmMolt1*>(&w))
        return m1->colonne.NumColonne == static_cast<int>(prodotto.size()) ? "" : "wrong number of columns";
    const std::string r1 = std::to_string(a * (b % 10)), r2 = std::to_string(a * (b / 10)) + ".";
    const std::size_t n = std::max(std::to_string(a).size(), r1.size());
    const std::string righe = std::string(5 - n, '.') + std::string(n - r1.size(), '0') + r1 + " " +
                              std::string(5 - r2.size(), '.') + r2;
    const bool riporti = fatta.substr(12, 5) == ".____" && fatta.find('_', 18) == std::string::npos;
    return riporti && fatta.substr(30, 11) == righe ? "" : "rows " + fatta;
}

// Every pair plain and counted, and guided; every 89th pair also plain after "Ripeti", with a
// wrong digit before every right one.
void spazza(const char* nome, long a0, long a1, long b0, long b1) {
    Banco t;
    FinestraMoltiplicazione& w = t.apri(nome, DaTe);
    t.p.m.Silenzio = 1;
    long n = 0;
    for (long a = a0; a <= a1; ++a)
        for (long b = b0; b <= b1; ++b, ++n)
            for (int modo = 0; modo < (n % 89 == 0 ? 3 : 2); ++modo)
                ASSERT_EQ(lavora(t.p, w, a, b, modo, n % 89 == 0), "") << a << " x " << b << " mode " << modo;
}

TEST(MoltSweep, OneDigitMultiplier) {
    spazza("frmMolt1", 1, 9999, 1, 9);
}

TEST(MoltSweep, TwoDigitMultiplier) {
    spazza("frmMolt2", 10, 999, 10, 99);
}

} // namespace
