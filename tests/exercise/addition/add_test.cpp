// Both addition windows: layout, entry, dialogues word for word, draws, print, and a child
// working very many additions.
#include "exercise/addition/FinestraAddizione.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

using app::DalComputer;
using app::DaTe;
using namespace testing_support;

// Each window in either mode and its print layout: places and texts, looks, the window itself;
// the counters start afresh.
TEST(Addizione, Layouts) {
    const char* righe2 = "TxtRiporto 1680 495 TxtPrimoAdd 2160 615 TxtSecondoAdd 2760 615 TxtSomma 3600 735";
    expectPlaced({
        {"frmAdd2", DaTe,
         kKeypad + board(5640, righe2) +
             R"(frmAdd2 9504x6816 ffc080 fixed icon_addizione Addizione con 2 addendi|
Label5 120,120,6735,855 Addizione 2 addendi|Shape1 7140,120,1935,975|Line2 7140,600,9060,600|
Label6 7200,120,1155,435 Eseguite|lblFatte 8460,120,495,435  0|Label7 7200,600,1035,435 Errori|
lblErrori 8460,600,495,435  0|cmdStampa 7440,1320,1395,495|CmdRisolvi 720,2040,1095,495|
Frame1 7140,1980,1935,2655 Tastierino numerico|backspace 7860,4020,1095,495|CmdSomma 7380,4860,1395,495|
CmdEnd 7380,5580,1395,495|CmdVai 1140,3660,1395,495|Check2 1020,1560,1575,375|Check1 1020,1080,1575,375|
Image1 1440,4560,900,855|Image4 1440,4560,900,855|LblRisultato 3240,4740,3075,615 Ciao|
lblScrivi 3240,5340,3075,615|lblUao 1140,5460,1515,615|mano(0) 660,2340,384,384|
txtFattori(0) 1320,2400,1035,405|CmbNPA 1560,2400,615,315|mano(1) 660,3060,384,384|
txtFattori(1) 1320,3120,1035,405|CmbNSA 1560,3120,615,315|
Label1 60,2100,3075,255 Clicca e scrivi (max 4 cifre)|Label2 180,2820,2955,255 Clicca e scrivi (max 4 cifre)|
txtFattori(1) 14.4 Comic Sans MS c0 ffffff|Label1 9.6 bold Comic Sans MS 0 ffffff|Label3 6240,2280,495,495 +|
Label4 6240,2880,495,495 =|Line1 3240,3480,6240,3480|
Check1 11.4 bold Comic Sans MS c000c0 ffffff check_senza_riporto/check_con_riporto ticked|
Check2 8.4 Comic Sans MS 0 c0c0c0 check_con_aiuto/check_senza_aiuto ticked|cmdStampa "Stampa lo schermo"|
CmdRisolvi "Mostra la soluzione"|CmdSomma "Ripete l'operazione"|CmdEnd "Ritorna al menù"|
CmdVai "Inserisce i numeri"|Label5 27.6 bold italic Comic Sans MS ff ffffff|
Label6 14.4 italic Comic Sans MS c00000 ffffff|Label7 14.4 italic Comic Sans MS c00000 ffffff|
lblFatte 14.4 bold Comic Sans MS c00000 ffffff|lblErrori 14.4 bold Comic Sans MS c00000 ffffff|
Frame1 9 bold Comic Sans MS 0 ffc080|lblScrivi 20.4 bold Comic Sans MS ff0000 ffffff|
lblUao 20.4 bold Comic Sans MS ff ffffff|CmbNSA 9.6 bold Comic Sans MS 0 ffffff|Timer1 500 ms)"},
        {"frmAdd2", DalComputer,
         "Label1 60,2100,3075,255 N° cifre primo addendo|Label2 180,2820,2955,255 N° cifre secondo "
         "addendo"},
        {"frmAdd2_bis", DaTe,
         board(5520, righe2) +
             "Label3 6120,2280,495,495 +|Label4 6120,2880,495,495 =|Line1 3120,3480,6120,3480"},
        {"frmAdd3", DaTe,
         board(5520, "TxtRiporto 1320 495 TxtPrimoAdd 1800 615 TxtSecondoAdd 2400 615 txtTerzoAdd 3000 615 "
                     "TxtSomma 3840 735") +
             R"(frmAdd3 9504x6816 ffc080 fixed icon_addizione Addizione con 3 addendi|Check1 missing|
Label5 420,120,6135,855 Addizione 3 addendi|Check2 900,1200,1575,375|CmdVai 1020,3960,1395,495|
Label1 60,1740,3015,255 Clicca e scrivi (max 4 cifre)|txtFattori(0) 1200,2040,1035,405|
CmbNPA 1440,2040,615,315|mano(0) 540,1980,384,384|Label2 60,2400,3015,255 Clicca e scrivi (max 4 cifre)|
txtFattori(1) 1200,2700,1035,405|CmbNSA 1440,2700,615,315|mano(1) 540,2640,384,384|
Label7 60,3120,3015,255 Clicca e scrivi (max 4 cifre)|txtFattori(2) 1200,3420,1035,405|
CmbNTA 1440,3420,615,315|mano(2) 540,3360,384,384|Image1 1260,4680,900,855|Image4 1260,4680,900,855|
LblRisultato 2520,4740,4395,615 Ciao|lblScrivi 2520,5400,4395,615|lblUao 960,5580,1515,615|
Label9 7200,120,1155,435 Eseguite|Label8 7200,600,1035,435 Errori|lblFatte 8460,120,495,435  0|
TxtRiporto(2) 15.6 bold Comic Sans MS ff0000 ffc080|txtTerzoAdd(3) 21.6 bold Comic Sans MS 0 ffc080|
TxtSomma(1) 21.6 bold Comic Sans MS c0 ffc080|Label6 21.6 bold Times New Roman 0 ffc080|
Label3 6120,1920,495,495 +|Label6 6120,2520,495,495 +|Label4 6120,3120,495,495 =|Line1 3120,3720,6120,3720|
Timer1 500 ms|)"},
        {"frmAdd3", DalComputer, "Label7 60,3120,3015,255 N° cifre terzo addendo"},
        {"frmAdd3_bis", DaTe,
         board(5640, "TxtRiporto 1560 495 TxtPrimoAdd 2040 615 TxtSecondoAdd 2640 615 txtTerzoAdd 3240 615 "
                     "TxtSomma 4080 735") +
             R"(Label3 6240,2160,495,495 +|Label6 6240,2760,495,495 +|Label4 6240,3360,495,495 =|Line1 3240,3960,6240,3960|
frmAdd3_bis 9480x6792 ffffff Form1|TxtSomma(4) 21.6 bold Comic Sans MS c0 ffffff|)"},
    });
}

const char* const kTrascrizioni = R"(@frmAdd2 47 38 0
CmdVai . 105 Esegui|||Image1| 0| 0|TxtSomma(0)
5 5 104 Bravo||uao!|Image2| 0| 0|TxtRiporto(1)
2 . 103 Riprova||ops!|Image4| 1| 0|TxtRiporto(1)
1 1 104 Molto bravo||uaoo!|Image2| 1| 0|TxtSomma(1)
9 . 103 Riprova||ops!|Image4| 2| 0|TxtSomma(1)
8 8 104,101 Bravissimo|hai finito|uaoo!|Image3| 2| 1|CmdVai
CmdSomma . 105 Esegui|||Image1| 2| 1|TxtSomma(0)
@frmAdd2 9999 9999 0 CmdVai cmdStampa |P ..... .9999 .9999 .....
P 81919191 cmdStampa | .111. .9999 .9999 19998
= | 3240 .111. .9999 .9999 19998
@frmAdd2 5 5 0 CmdVai 01 |= 5040 ..... ....5 ....5 ...10
@frmAdd2 9 5 1 CmdVai
4 4 104  9+ 5= 14|...e  1||Image2| 0| 0|TxtSomma(1)
@frmAdd2 19 5 1 CmdVai 4
1 1 104  1+ 1+ 0= 2|Scrivi 2||Image2| 0| 0|TxtSomma(1)
@frmAdd3 45 38 19 1
CmdVai . 105 5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)
2 2 104 5+8+9= 22|e riporta  2||Image2| 0| 0|TxtRiporto(1)
1 . 103 5+8+9= 22|e riporta  2||Image4| 0| 0|TxtRiporto(1)
2 2 104  2+ 4+ 3+ 1= 10|Scrivi 0||Image2| 0| 0|TxtSomma(1)
90 0 103,104  2+ 4+ 3+ 1= 10|...e  1||Image2| 0| 0|TxtSomma(2)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
CmdSomma . 105 5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)
@frmAdd3 9999 9999 9999 0 CmdVai 72929292 |= 3120 .222. .9999 .9999 29997 .9999
@frmAdd3 45 8 1234 0 CmdVai cmdStampa |P ..... ...45 ....8 ..... .1234
P CmdRisolvi cmdStampa | ...1. ...45 ....8 .1287 .1234
P ^CmbNTA cmdStampa | ..... ..... ..... ..... .....
)";

// Key by key, typed and drawn alike (see gioca()): plain, a wrong carry and a wrong digit are
// counted; guided, the hint stays up and nothing is counted; "Ripeti" starts afresh. The guided
// hints take empty cells as 0, the first of three addends writes their digits as the cells show
// them; three addends carry 2, the top column's sum is written whole. Printed, each page as the
// board stood.
TEST(Addizione, Transcripts) {
    EXPECT_EQ(gioca(DaTe, kTrascrizioni), kTrascrizioni);
    EXPECT_EQ(gioca(DalComputer, kTrascrizioni), kTrascrizioni);
    // The operand entry (see gioca()), typed: the hand blinks until a box is clicked or a key
    // pressed; unusable operands are refused silently, the digits going on into the active box
    // (four at most); after the finish only one hand is shown, a digit goes nowhere, and after the
    // guide switch into the box the hand shows; after "Soluzione" the next operation is the
    // child's to work. Drawn: a choice keeps the board, an option or a list opened empties it (the
    // third list of three leaves print on); the draws within each list's digits; with "senza
    // riporto" a pair that carries is drawn again, a column of exactly 9 is kept, the top column
    // may overflow.
    const char* copione = R"(@frmAdd2 47 38 0 | 47/38 txtFattori(0) 1 -~ Image2 --++- - -
? ~ | 47/38 txtFattori(0) 1 mano(0)~ Image2 --++- - -
? txtFattori(0) = 12345 backspace txtFattori(1) = 9 backspace backspace 5 | 123/5 txtFattori(1) 1 mano(1) Image2 --++- - 102,102
@frmAdd2 47 38 0 CmdVai txtFattori(0) 0 CmdVai 7 | 07/ txtFattori(0) 1 mano(0) Image1 --++- - 105,102
@frmAdd2 47 38 0 txtFattori(1) =12345 txtFattori(0) CmdVai | 47/12345 txtFattori(0) 1 mano(0) Image2 --++- - 102,102
@frmAdd2 47 38 0 txtFattori(1) = txtFattori(0) CmdVai | 47/ txtFattori(0) 1 mano(0) Image2 --++- - 102,102
@frmAdd2 47 38 0 CmdVai Check2 7 | 7/ txtFattori(0) 1 mano(0) Image1 --++- - 105,102
@frmAdd2 47 38 0 txtFattori(1) | 47/38 txtFattori(1) 1 mano(1) Image2 --++- - 102
@frmAdd2 47 3 0 txtFattori(1) 8 CmdVai 518 | / CmdVai 0 mano(0) Image3 ++--- - 102,105,104,104,104,101
? Check2 7 | 7/ txtFattori(0) 1 mano(0) Image3 --++- - 102
@frmAdd2 47 38 0 CmdVai CmdRisolvi
= txtFattori(0) 12 txtFattori(1) 34 CmdVai | 4440 ..... ...12 ...34 .....
@frmAdd3 45 38 19 0 | 45/38/19 txtFattori(0) 1 -~ Image2 --++ - -
? txtFattori(2) =0 CmdVai | 45/38/0 txtFattori(2) 1 mano(2) Image2 --++ - 102
? =12345 txtFattori(0) CmdVai | 45/38/12345 txtFattori(0) 1 mano(0) Image2 --++ - 102
? =4a CmdVai | 4a/38/12345 txtFattori(0) 1 mano(0) Image2 --++ - -
@frmAdd3 45 38 19 0 txtFattori(2) =0019 CmdVai |= 4320 ..... ...45 ...38 ..... ...19
@frmAdd3 45 38 19 0 CmdVai Check2 | // txtFattori(0) 1 mano(0) Image1 --++ - 105,102
@frmAdd3 45 38 19 0 txtFattori(2) CmdVai 2201 | // CmdVai 0 mano(2) Image3 ++-- - 102,105,104,104,104,104,101
! | 4320 ...2. ...45 ...38 ..102 ...19
)";
    const char* estratto = R"(@frmAdd2 47 38 0 | 47/38 CmbNPA 2 -~ Image2 ----+ - -
? ^CmbNSA | 47/38 CmbNSA 2 mano(1)~ Image2 ----+ - 102
@frmAdd2 47 38 0 CmdVai Check1 | / CmdVai 2 mano(0) Image1 ----+ 10-99,10-99 105,102
@frmAdd2 85 43 0 Check1 CmdVai |= 4440 ..... ...85 ...43 .....
@frmAdd2 4536 2413 0 Check1 CmdVai |= 3240 ..... .4536 .2413 .....
@frmAdd2 46 34 0 Check1 CmdVai | / TxtSomma(0) 2 mano(0) Image1 +++-+ 10-99,10-99,10-99,10-99 102,105
@frmAdd2 47 38 0 CmdVai CmbNSA |= 4440 ..... ...47 ...38 .....
@frmAdd2 47 38 0 CmdVai CmdRisolvi | / CmdSomma 2 mano(0) Image1 ++--+ 10-99,10-99 105,105
= | 4440 ...1. ...47 ...38 ...85
= CmdSomma | 4440 ..... ...47 ...38 .....
@frmAdd3 45 8 1234 0 CmdVai | // TxtSomma(0) 2 mano(0) Image1 +++- 10-99,1-9,1000-9999 105
? ^CmbNPA | // CmbNPA 2 mano(0) Image1 ---- - 102
@frmAdd3 45 8 1234 0 CmdVai ^CmbNTA | // CmbNTA 2 mano(2) Image1 +--- 10-99,1-9,1000-9999 105,102
= | 3120 ..... ..... ..... ..... .....
@frmAdd3 45 8 1234 0 ^CmbNSA CmdVai 71821 | // CmdVai 2 mano(1) Image3 ++-- 10-99,1-9,1000-9999 102,105,104,104,104,104,104,101
! | 3120 ...1. ...45 ....8 .1287 .1234
)";
    EXPECT_EQ(gioca(DaTe, copione), copione);
    EXPECT_EQ(gioca(DalComputer, estratto), estratto);
}

// A child who knows the answer works every tuple of addends below `sotto`, then 50,000
// tuples of four-digit ones (see opera()), the modes taking turns, every seventh with mistakes,
// and finds the true sum.
void spazza(const char* finestra, std::size_t addendi, long sotto) {
    Program p;
    auto& w = spazzando(p, finestra);
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<long> quattro(1000, 9999);
    std::vector<long> a(addendi, 1);
    for (long n = 0, casuali = 0, tutte = 1; casuali < 50000; ++n) {
        std::vector<std::string> testi;
        for (long x : a)
            testi.push_back(std::to_string(x));
        const std::string guasto = opera(p, w, testi, static_cast<int>(n % 3), n % 7 == 0);
        // The sum is the fourth row made.
        ASSERT_EQ(guasto + lavagna(w).substr(18, 5),
                  colonna(std::to_string(std::accumulate(a.begin(), a.end(), 0L))))
            << a[0] << " + " << a[1] << " ...";
        std::size_t k = addendi; // the next tuple, as an odometer; then drawn ones
        while (tutte && k > 0 && ++a[k - 1] == sotto)
            a[--k] = 1;
        tutte = tutte && k > 0;
        for (long& x : a)
            x = tutte ? x : quattro(gen);
        casuali += !tutte;
    }
}

// Every exercise window sends its page to the printer under its own caption, so that pages can be told
// apart in the printer's queue (the layouts keep theirs).
TEST(Stampa, EachWindowNamesItsJobAfterItsCaption) {
    const std::pair<const char*, const char*> windows[] = {{"frmAdd2", "Addizione con 2 addendi"},
                                                           {"frmAdd3", "Addizione con 3 addendi"},
                                                           {"frmSott1", "Sottrazione"},
                                                           {"frmMolt1", "Moltiplicazione semplice"},
                                                           {"frmMolt2", "Moltiplicazione complessa"},
                                                           {"frmDivCompatta", "Divisione Compatta"},
                                                           {"frmDivEstesa", "Divisione Estesa"}};
    for (const auto& [window, caption] : windows) {
        Program p;
        p.m.ChiSceglie = DalComputer;
        auto& w = p.forms.get<exercise::FinestraEsercizio>(window);
        EXPECT_TRUE(premi(p, w, w.Inserisci.name() + " cmdStampa")) << window;
        EXPECT_EQ(p.printer.jobs, std::vector<std::string>{caption}) << window;
    }
}

TEST(AddizioneSweep, TwoAddends) {
    spazza("frmAdd2", 2, 1000);
}

TEST(AddizioneSweep, ThreeAddends) {
    spazza("frmAdd3", 3, 100);
}

} // namespace
