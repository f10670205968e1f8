// The subtraction window: its layout, the operands typed or drawn, worked examples, the
// dialogues word for word, and a child working very many subtractions.
#include "exercise/subtraction/FrmSott1.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using app::DalComputer;
using app::DaTe;
using namespace testing_support;

// The window in either mode and its print layout: places, texts, looks.
TEST(Sott1, Layouts) {
    expectPlaced({
        {"frmSott1", DalComputer,
         R"(frmSott1 9504x6816 ffc080 fixed icon_sottrazione Sottrazione|Label5 1860,120,4875,855 Sottrazione|
Check1 960,1020,1635,375|Check2 960,1500,1635,375|Label1 60,2040,3015,255 N° cifre minuendo|
Label2 60,2700,3015,255 N° cifre sottraendo|txtFattori(0) 1200,2340,1035,405|txtFattori(1) 1200,3000,1035,405|
CmbMinuendo 1440,2340,615,315|CmbSottraendo 1440,3000,615,315|mano(0) 540,2280,384,384|
mano(1) 540,2940,384,384|CmdInserisci 1020,3600,1395,495|Image1 1260,4440,900,855|Image4 1260,4440,900,855|
LblRisultato 3060,4680,3135,615 Ciao|lblScrivi 3060,5340,3135,615|lblUao 960,5280,1515,615|
TxtPrestito(0) 5520,1560,615,495|Line1 3120,3360,6120,3360|TxtMinuendo(4) 3120,2040,615,615|
TxtSottraendo(2) 4320,2640,615,615|TxtDifferenza(1) 4920,3480,615,735|Label3 6120,2160,495,495 -|
Label4 6120,2760,495,495 =|TxtPrestito(3) 15.6 bold Comic Sans MS ff0000 ffc080|
TxtMinuendo(1) 21.6 bold Comic Sans MS 0 ffc080|TxtSottraendo(4) 21.6 bold Comic Sans MS 0 ffc080|
TxtDifferenza(0) 21.6 bold Comic Sans MS 80 ffc080|Label3 21.6 bold Times New Roman 0 ffc080|
Check1 11.4 bold Comic Sans MS c000c0 ffffff check_senza_prestito/check_con_prestito ticked|
Check2 8.4 Comic Sans MS 0 c0c0c0 check_con_aiuto/check_senza_aiuto ticked|
CmdInserisci "Inserisce i numeri"|CmdRipeti "Ripete l'operazione"|Timer1 500 ms)"},
        {"frmSott1", DaTe,
         "Label1 60,2040,3015,255 Clicca e scrivi (max 5 cifre)|Label2 60,2700,3015,255 Clicca e scrivi "
         "(max "
         "5 cifre)"},
        {"frmSott1_bis", DaTe,
         R"(frmSott1_bis 9480x6792 ffffff Form1|TxtPrestito(4) 3120,1680,615,495|Line1 3120,3480,6120,3480|
TxtMinuendo(0) 5520,2160,615,615|TxtSottraendo(1) 4920,2760,615,615|TxtDifferenza(3) 3720,3600,615,735|
Label3 6120,2280,495,495 -|Label4 6120,2880,495,495 =|TxtPrestito(2) 15.6 bold Comic Sans MS ff0000 ffffff|
TxtDifferenza(2) 21.6 bold Comic Sans MS c0 ffffff)"},
    });
    // The entry (see gioca()): what each mode shows on opening; typed pairs refused silently
    // (nothing set up, the digits going on into the box), or set up with the bar over their
    // columns, then after a wrong key (counted) shown by "Soluzione" with borrows, greyed marks
    // and leading zeros, printed as they stand. Drawn: a list opened stops the hand for good; a
    // subtrahend larger than the minuend, or with "senza prestito" a pair that borrows, is drawn
    // again (a generator that never gives a fitting pair cannot hold the window: the minuend's
    // digits are raised), an equal pair is kept; a subtrahend's list longer than the minuend's sets
    // nothing up, and then nor does the keypad judge, even past its switched-off frame.
    const char* digitato = R"(@frmSott1 52 7 0 | 52/7 txtFattori(0) 1 -~ Image2 --++- - -
@frmSott1 28 503 0 txtFattori(1) CmdInserisci CmdRisolvi 4 | 28/5034 txtFattori(1) 1 mano(1) Image2 --++- - 102
= | 3120 ..... ..... ..... .....
@frmSott1 00000 1 0 txtFattori(1) CmdInserisci | 00000/1 txtFattori(1) 1 mano(1) Image2 --++- - 102
@frmSott1 00052 7 0 CmdInserisci 1 CmdRisolvi | / CmdRipeti 2 mano(0) Image1 ++--- - 105,103,105
= | 4920 ...4(12) ...5#2# ....7 ...45
@frmSott1 - 1 0 txtFattori(0) 999999 CmdInserisci 1 CmdRisolvi |= 3120 ..... 99999 ....1 99998
@frmSott1 1000 1 0 CmdInserisci | / TxtPrestito(3) 0 mano(0) Image1 +++-- - 105
= 1 CmdRisolvi | 3720 .099(10) .1#0#0#0# ....1 .0#999
P cmdStampa | .099(10) .1000 ....1 .0999
@frmSott1 503 28 0 CmdInserisci
1 . 103 Riprova||ops!|Image4| 1| 0|TxtPrestito(2)
CmdRisolvi 4 105 Fatto|||Image1| 1| 0|CmdRipeti
= | 4320 ..49(13) ..5#0#3# ...28 ..475
@frmSott1 52 52 0 CmdInserisci CmdRisolvi |= 4920 ..... ...52 ...52 ...0#0#
@frmSott1 10000 1 0 CmdInserisci CmdRisolvi |= 3120 0999(10) 1#0#0#0#0# ....1 0#9999
)";
    const char* estratto = R"(@frmSott1 52 7 0 | 52/7 CmbMinuendo 2 -~ Image2 ----+ - -
? ^CmbSottraendo | 52/7 CmbSottraendo 2 mano(1) Image2 ----+ - 102
@frmSott1 52 7 0 CmdInserisci 4 ^CmbSottraendo | / CmbSottraendo 2 mano(1) Image2 -+--+ 10-99,1-9 105,104,102
? ^CmbMinuendo | / CmbMinuendo 2 mano(0) Image2 ----+ - 102
@frmSott1 47 52 0 CmdInserisci |= 4920 ..... ...10 ...10 .....
@frmSott1 52 52 0 CmdInserisci |= 4920 ..... ...52 ...52 .....
@frmSott1 52 7 0 Check1 CmdInserisci |= 4920 ..... ...11 ....1 .....
@frmSott1 99999 9 0 CmdInserisci | / TxtDifferenza(0) 2 mano(0) Image1 +++-+ 10000-99999,1-9 105
@frmSott1 7 52 0 CmdInserisci | 7/52 CmdInserisci 2 mano(0) Image2 ----+ - -
! | 3120 ..... ..... ..... .....
)";
    EXPECT_EQ(gioca(DaTe, digitato), digitato);
    EXPECT_EQ(gioca(DalComputer, estratto), estratto);
}

// Key by key (see gioca()), typed and drawn alike. 52 - 7 plain: a borrow cell's first digit
// other than 1 reads twice and is wrong; 1 then 5 goes back to the 1. 2100 - 201: the
// hundreds, lowered to 0 by the first chain, borrow again: 0 then 1 make 01, turned into 10.
// 47 - 23: the first hint with no borrow. "Ripeti" after the finish clears the exclamation,
// but guided it stays beside the first hint.
TEST(Sott1, Transcripts) {
    const char* copione = R"(@frmSott1 52 7 0
CmdInserisci . 105 Esegui|||Image1| 0| 0|TxtPrestito(1)
4 4 104 Bravissimo||uaoo!|Image2| 0| 0|TxtPrestito(0)
3 . 103 Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
1 1 - Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
5 1 103 Riprova||ops!|Image4| 2| 0|TxtPrestito(0)
2 12 104 Molto bravo||uaoo!|Image2| 2| 0|TxtDifferenza(0)
6 . 103 Riprova||ops!|Image4| 3| 0|TxtDifferenza(0)
5 5 104 Bravo||uao!|Image2| 3| 0|TxtDifferenza(1)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 3| 1|CmdInserisci
CmdRipeti . 105 Esegui|||Image1| 3| 1|TxtPrestito(1)
@frmSott1 2100 201 1
CmdInserisci . 105 1-1= 0|Scrivi 0||Image1| 0| 0|TxtPrestito(2)
0 0 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(1)
9 9 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 0= 10|...e 0||Image2| 0| 0|TxtPrestito(0)
0 10 104  10- 1= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(0)
9 9 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(1)
9 9 104 2-1= 1|Scrivi 1||Image2| 0| 0|TxtPrestito(3)
1 1 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(2)
5 0 103 10+ 0= 10|Scrivi 1||Image4| 0| 0|TxtPrestito(2)
1 10 104  10- 2= 8|Scrivi 8||Image2| 0| 0|TxtDifferenza(2)
8 8 104  1- 0= 1|Scrivi 1||Image2| 0| 0|TxtDifferenza(3)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
@frmSott1 47 23 1
CmdInserisci . 105 7-3= 4|Scrivi 4||Image1| 0| 0|TxtDifferenza(0)
4 4 104  4- 2= 2|Scrivi 2||Image2| 0| 0|TxtDifferenza(1)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
CmdRipeti . 105 7-3= 4|Scrivi 4|uaooo!|Image1| 0| 0|TxtDifferenza(0)
)";
    EXPECT_EQ(gioca(DaTe, copione), copione);
    EXPECT_EQ(gioca(DalComputer, copione), copione);
}

// A child who knows the answer works every pair with a minuend below 1000, 50,000 random
// pairs (see opera()), the modes taking turns, every seventh with mistakes; and finds the
// difference, its leading zeros greyed, and the minuend's digits greyed on the columns that
// borrow or lend.
TEST(Sott1Sweep, TheChildIsLedToTheTrueDifference) {
    Program p;
    auto& w = spazzando(p, "frmSott1");
    long n = 0;
    auto prova = [&](long m, long s, const std::string& scritto) {
        std::string minuendo, differenza;
        for (int c = 4, zeri = 1, cifre = static_cast<int>(std::to_string(m).size()); c >= 0; --c) {
            zeri = zeri && cifraDi(m - s, c) == 0;
            minuendo += c < cifre ? std::to_string(cifraDi(m, c)) +
                                        (prende(m, s, c) || prende(m, s, c - 1) ? "#" : "")
                                  : ".";
            differenza += c < cifre ? std::to_string(cifraDi(m - s, c)) + (zeri ? "#" : "") : ".";
        }
        const std::string guasto =
            opera(p, w, {scritto, std::to_string(s)}, static_cast<int>(n % 3), n % 7 == 0);
        const std::string fatta = lavagna(w);
        EXPECT_EQ(guasto + fatta.substr(fatta.find(' ') + 1),
                  minuendo + " " + colonna(std::to_string(s)) + " " + differenza)
            << m << " - " << s;
        return guasto.empty() && ++n;
    };
    for (long m = 1; m < 1000; ++m)
        for (long s = 1; s <= m; ++s)
            if (!prova(m, s, std::to_string(m))) return;
    std::mt19937 gen(7122026);
    std::uniform_int_distribution<long> numero(1, 99999);
    for (int i = 0; i < 50000; ++i) {
        const long x = numero(gen), y = numero(gen);
        if (!prova(std::max(x, y), std::min(x, y), std::to_string(std::max(x, y)))) return;
    }
}

} // namespace
