// Both multiplication windows: layout, entry, dialogues word for word, solutions and print,
// and a child working every operation.
#include "exercise/multiplication/FinestraMoltiplicazione.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using app::DalComputer;
using app::DaTe;
using namespace testing_support;
using exercise::FinestraMoltiplicazione;

// Places and texts of each window in either mode and of its print layout, then looks (points,
// bold, colour, background) and the window itself.
TEST(Molt, Layouts) {
    const std::string pannello =
        R"(Check2 900,1320,1575,375|mano(0) 480,2100,384,384|mano(1) 480,2820,384,384|
txtFattori(0) 1140,2160,1035,405|txtFattori(1) 1140,2880,1035,405|CmbNPF 1380,2160,615,315|
CmbNSF 1380,2880,615,315|CmdVai 960,3420,1395,495|Image1 1260,4260,900,855|Image4 1260,4260,900,855|
lblUao 1020,5280,1515,615|txtFattori(1) 14.4 Comic Sans MS c0 ffffff|Label3 18 Comic Sans MS 0 ffc080|
CmdProdotto "Ripete l'operazione"|Timer1 500 ms|)";
    expectPlaced({
        {"frmMolt1", DaTe,
         pannello +
             R"(Label5 60,60,6555,855 Moltiplicazione semplice|Label1 60,1860,3015,255 Clicca e scrivi (max 4 cifre)|
Label2 60,2580,3015,255 Clicca e scrivi (max 1 cifra)|LblRisultato 2760,4560,3735,615 Ciao|
lblScrivi 2760,5220,3735,615|Line2 7140,600,9060,600|Label3 6120,2160,495,495 X|Label4 6120,2520,495,615 =|
Line1 3120,3360,6120,3360|frmMolt1 9504x6816 ffc080 fixed icon_moltiplicazione Moltiplicazione semplice|
Label1 9.6 bold Comic Sans MS 0 ffffff|LblRisultato 20.4 bold Comic Sans MS ff0000 ffffff|
TxtRiporto(4) 15.6 bold Comic Sans MS ff0000 ffc080|TxtPrimoFatt(3) 21.6 bold Comic Sans MS 0 ffc080|
TxtProdotto(2) 21.6 bold Comic Sans MS c0 ffc080|Label4 24 Comic Sans MS 0 ffc080|)" +
             board(5520, "TxtRiporto 1560 495 TxtPrimoFatt 2040 615 TxtSecondoFatt 2640 615 TxtProdotto "
                         "3480 735")},
        {"frmMolt1", DalComputer,
         "Label1 60,1860,3015,255 N° cifre primo fattore|Label2 60,2580,3015,255 N° cifre secondo "
         "fattore"},
        {"frmMolt1_bis", DaTe,
         R"(Label3 6120,2400,495,495 X|Label4 6120,2760,495,615 =|Line1 3120,3600,6120,3600|
TxtRiporto(1) 4920,1800,615,495|TxtPrimoFatt(4) 3120,2280,615,615|TxtSecondoFatt(0) 5520,2880,615,615|
TxtProdotto(2) 4320,3720,615,735|frmMolt1_bis 9480x6792 ffffff Form1|
TxtProdotto(1) 21.6 bold Comic Sans MS c0 ffffff|Label4 24 Comic Sans MS 0 ffffff)"},
        {"frmMolt2", DaTe,
         pannello +
             R"(Label5 60,0,6795,795 Moltiplicazione complessa|Label1 60,1860,2895,255 Clicca e scrivi (min 2 cifre)|
Label2 60,2580,2895,255 Clicca e scrivi (min 2 cifre)|LblRisultato 3120,5280,3015,555 Ciao|
lblScrivi 3120,5880,3015,555|Line3 7140,600,9060,600|Label3 6120,1440,495,495 X|Label4 6120,1920,495,615 =|
Line1 3120,2760,6120,2760|Line2 3120,4560,6120,4560|
frmMolt2 9504x6816 ffc080 fixed icon_moltiplicazione Moltiplicazione complessa|
TxtRiporto1(1) 12 bold Comic Sans MS ff0000 ffc080|TxtPrimoFatt(2) 18 bold Comic Sans MS 0 ffc080|
TxtProdotto1(0) 18 bold Comic Sans MS c0 ffc080|TxtProdotto3(1) 18 bold Comic Sans MS c0 ffc080|)" +
             board(5520,
                   "TxtRiporto1 960 435 TxtRiporto2 960 435 TxtPrimoFatt 1440 615 TxtSecondoFatt 2040 615 "
                   "TxtRiporto3 2880 375 TxtProdotto2 3840 645 TxtProdotto3 4680 585") +
             "TxtProdotto1(1) 4920,3240,615,645|TxtProdotto1(2) 4320,3240,615,645|TxtProdotto1(3) "
             "3720,3240,615,645|TxtProdotto1(4) 3120,3240,615,645|" +
             "TxtProdotto1(0) 5520,3240,615,615"},
        {"frmMolt2", DalComputer,
         "Label1 60,1860,2895,255 N° cifre primo fattore|Label2 60,2580,2895,255 N° cifre secondo "
         "fattore"},
        {"frmMolt2_bis", DaTe,
         R"(Label3 5880,960,495,495 X|Label4 5880,1440,495,615 =|Line1 2880,2280,5880,2280|Line2 2880,4080,5880,4080|
TxtProdotto1(0) 5280,2760,615,615|TxtRiporto1(3) 3480,480,615,435|TxtRiporto2(0) 5280,480,615,435|
TxtRiporto3(4) 2880,2400,615,375|TxtProdotto1(1) 4680,2760,615,645|TxtProdotto3(0) 5280,4200,615,585|
frmMolt2_bis 9480x6792 ffffff Form1|TxtProdotto3(4) 18 bold Comic Sans MS c0 ffffff|
Label3 18 Comic Sans MS 0 ffffff)"},
    });
}

// Key by key, typed and drawn alike (see gioca()). Guided, "Ripeti" leaves the exclamation and
// a step asked again writes numbers as later hints do; plain, a repeat counts neither errors nor
// finish. After the finish a digit goes nowhere. Row 1's carries give way to row 2's when row 1
// is done; "Soluzione" fills every cell, and the page shows row 1's carries.
TEST(Molt, Transcripts) {
    const char* copione = R"(@frmMolt1 47 6 1
CmdVai . 105 6x7= 42|Scrivi 2||Image1| 0| 0|TxtProdotto(0)
3 . 103 6x7= 42|Scrivi 2||Image4| 0| 0|TxtProdotto(0)
2 2 104 6x7= 42|e riporta  4||Image2| 0| 0|TxtRiporto(1)
5 . 103 6x7= 42|e riporta  4||Image4| 0| 0|TxtRiporto(1)
4 4 104 6x4+4= 28|Scrivi 8||Image2| 0| 0|TxtProdotto(1)
8 8 104 6x4+4= 28|...e  2||Image2| 0| 0|TxtProdotto(2)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
! | 4440 ...47 ....6 ...4. ..282
cmdStampa . - Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
P | ...47 ....6 ...4. ..282
@frmMolt2 56 23 1
CmdVai . 105 3x6= 18|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)
8 8 104 3x6= 18|e riporta  1||Image2| 0| 0|TxtRiporto1(1)
1 1 104  3x 5+ 1= 16|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)
6 6 104  3x 5+ 1= 16|...e  1||Image2| 0| 0|TxtProdotto1(2)
= | 4440 ...56 ...23 ...1. .____ ..... ...68 ..... .....
1 1 104  2x 6= 12|Scrivi 2||Image2| 0| 0|TxtProdotto2(1)
= | 4440 ...56 ...23 .____ ..... ..... ..168 ..... .....
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
P | ...56 ...23 ...1. ..... ..... ..168 .112. .1288
! | 4440 ...56 ...23 .____ ...1. ..... ..168 .112. .1288
CmdProdotto . 105 3x6= 18|Scrivi 8|uaooo!|Image1| 0| 0|TxtProdotto1(0)
7 . 103  3x 6= 18|Scrivi 8|uaooo!|Image4| 0| 0|TxtProdotto1(0)
@frmMolt2 99 19 1 CmdVai 189899181
8 8 104 ...e  1|Scrivi 8||Image2| 0| 0|TxtProdotto3(3)
@frmMolt2 99 19 0
CmdVai . 105 Esegui|||Image1| 0| 0|TxtProdotto1(0)
18 1 104,104 Molto bravo||uaoo!|Image2| 0| 0|TxtProdotto1(1)
98 9 104,104 Esegui|||Image2| 0| 0|TxtProdotto2(1)
5 . 103 Riprova||ops!|Image4| 1| 0|TxtProdotto2(1)
99182 9 104,104,104,104,103 Riprova||ops!|Image4| 2| 0|TxtRiporto3(2)
181 1 104,104,104,101 Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai
@frmMolt1 1 1 0 CmdVai CmdRisolvi |= 5040 ....1 ....1 ..... ....1
@frmMolt1 9999 9 0 CmdVai CmdRisolvi |= 3240 .9999 ....9 .888. 89991
P cmdStampa | .9999 ....9 .888. 89991
@frmMolt2 999 99 0 CmdVai CmdRisolvi |= 3840 ..999 ...99 ..88. .____ 111.. .8991 8991. 98901
)";
    EXPECT_EQ(gioca(DaTe, copione), copione);
    EXPECT_EQ(gioca(DalComputer, copione), copione);
    // The operand entry (see gioca()): digits beyond a box's length go nowhere; unusable factors
    // are refused, the focus back on the box (on "OK" for a single digit in the two-digit window);
    // accepted ones are written, leading zeros dropped, and "OK" again starts from empty boxes.
    // Drawn: within the lists' digits; an option or a list opened stops the hand for good.
    const char* digitato =
        R"(@frmMolt1 - - 0 txtFattori(0) 12345 txtFattori(1) 12 | 1234/1 txtFattori(1) 1 mano(1) Image2 --++ - 102,102
@frmMolt1 4 12 0 txtFattori(1) CmdVai | 4/12 txtFattori(1) 1 mano(1) Image2 --++ - 102
@frmMolt1 0012 3 0 CmdVai | / TxtProdotto(0) 0 mano(0) Image1 +++- - 105
= | 4440 ...12 ....3 ..... .....
? CmdVai | / txtFattori(0) 1 mano(0) Image1 --++ - -
@frmMolt2 - - 0 txtFattori(0) 1234 txtFattori(1) 123 | 123/12 txtFattori(1) 1 mano(1) Image2 --++ - 102,102
@frmMolt2 7 34 0 CmdVai | 7/34 CmdVai 1 mano(0) Image2 --++ - -
@frmMolt2 34 05 0 CmdVai | 34/05 CmdVai 1 mano(0) Image2 --++ - -
@frmMolt2 0 34 0 txtFattori(0) CmdVai | 0/34 txtFattori(0) 1 mano(0) Image2 --++ - 102
@frmMolt2 1000 12 0 txtFattori(1) CmdVai | 1000/12 txtFattori(1) 1 mano(1) Image2 --++ - 102
@frmMolt2 034 12 0 CmdVai |= 4440 ...34 ...12 ..... .____ ..... ..... ..... .....
)";
    const char* estratto = R"(@frmMolt1 4700 6 0 | 4700/6 CmbNPF 2 -~ Image2 ---- - -
= CmdVai CmdVai | 3240 .1000 ....1 ..... .....
? | / TxtProdotto(0) 2 mano(0) Image1 +++- 1000-9999,1-9,1000-9999,1-9 105,105
@frmMolt1 4700 6 0 Check2 | 4700/6 CmdVai 2 -~ Image2 ---- - 102
@frmMolt1 4700 6 0 ^CmbNSF | 4700/6 CmbNSF 2 mano(1) Image2 ---- - 102
@frmMolt2 345 67 0 CmdVai | / TxtProdotto1(0) 2 mano(0) Image1 +++- 100-999,10-99 105
)";
    EXPECT_EQ(gioca(DaTe, digitato), digitato);
    EXPECT_EQ(gioca(DalComputer, estratto), estratto);
}

// A child who knows the answer works every pair (see opera()) plain and counted, then guided
// or after "Ripeti" by turns, every seventh pair with mistakes, and finds the product in the
// last row; in the two-digit window the partial products above it, with their leading zeros,
// and, shown by "Soluzione", row 1's carries and not row 2's.
void spazza(const char* nome, long a0, long a1, long b0, long b1) {
    Program p;
    auto& w = spazzando(p, nome);
    long n = 0;
    for (long a = a0; a <= a1; ++a)
        for (long b = b0; b <= b1; ++b, ++n)
            for (const int modo : {0, 1 + static_cast<int>(n % 2)}) {
                const std::string uno = std::to_string(a * (b % 10)), fattore = std::to_string(a);
                const std::string righe =
                    b < 10
                        ? ""
                        : colonna(std::string(std::max(fattore.size(), uno.size()) - uno.size(), '0') + uno) +
                              " " + colonna(std::to_string(a * (b / 10)) + ".") + " ";
                const std::string guasto = opera(p, w, {fattore, std::to_string(b)}, modo, n % 7 == 0);
                const std::string fatta = lavagna(w);
                const bool nascosti = b < 10 || (std::count(fatta.begin(), fatta.end(), '_') == 4 &&
                                                 fatta.substr(19, 4) == "____");
                ASSERT_EQ(guasto + fatta.substr(fatta.size() - righe.size() - 5) +
                              (nascosti ? "" : " carries"),
                          righe + colonna(std::to_string(a * b)))
                    << a << " x " << b << " mode " << modo;
            }
}

TEST(MoltSweep, OneDigitMultiplier) {
    spazza("frmMolt1", 1, 9999, 1, 9);
}

TEST(MoltSweep, TwoDigitMultiplier) {
    spazza("frmMolt2", 10, 999, 10, 99);
}

} // namespace
