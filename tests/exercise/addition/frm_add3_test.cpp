// The addition with three addends: layout, buttons and lists, dialogues word for word, print,
// and a child working very many additions.
#include "Addizione.h"

#include "app/FrmStart.h"
#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd3.h"
#include "exercise/addition/FrmAdd3Bis.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <random>

namespace add3_test {
namespace {

using namespace addizione_test;
using app::DalComputer;
using app::DaTe;
using exercise::FrmAdd3;
using exercise::FrmAdd3Bis;

// Carries, the three addends, result: of the window or of its print layout.
template <class F> std::string lavagna(const F& w) {
    return riga(w.TxtRiporto) + " " + riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd) + " " +
           riga(w.txtTerzoAdd) + " " + riga(w.TxtSomma);
}

constexpr char kFrmAdd3[] = "frmAdd3";
constexpr const char* kVuota = "..... ..... ..... ..... .....";

struct Banco : BancoAddizione<FrmAdd3, kFrmAdd3> {
    // The addends in the boxes, the lists on their digits and the same addends to draw.
    FrmAdd3& pronta(int chi, std::vector<int> addendi = {45, 38, 19}, bool guidato = false) {
        FrmAdd3& w = apri(chi);
        for (int i = 0; i < 3; ++i) {
            w.txtFattori[i].text = std::to_string(addendi[std::size_t(i)]);
            w.lista(i).listIndex = static_cast<int>(w.txtFattori[i].text.size()) - 1;
        }
        p.random.script.assign(addendi.begin(), addendi.end());
        w.Check2.checked = guidato;
        return w;
    }
};

const char* const kPosti =
    "Label5 420,120,6135,855 Addizione 3 addendi|Check2 900,1200,1575,375|CmdVai 1020,3960,1395,495|"
    "Label1 60,1740,3015,255 Clicca e scrivi (max 4 cifre)|txtFattori(0) 1200,2040,1035,405|"
    "CmbNPA 1440,2040,615,315|mano(0) 540,1980,384,384|Label2 60,2400,3015,255 Clicca e scrivi (max 4 cifre)|"
    "txtFattori(1) 1200,2700,1035,405|CmbNSA 1440,2700,615,315|mano(1) 540,2640,384,384|"
    "Label7 60,3120,3015,255 Clicca e scrivi (max 4 cifre)|txtFattori(2) 1200,3420,1035,405|"
    "CmbNTA 1440,3420,615,315|mano(2) 540,3360,384,384|Image1 1260,4680,900,855|Image4 1260,4680,900,855|"
    "LblRisultato 2520,4740,4395,615 Ciao|lblScrivi 2520,5400,4395,615|lblUao 960,5580,1515,615|"
    "Label9 7200,120,1155,435 Eseguite|Label8 7200,600,1035,435 Errori|lblFatte 8460,120,495,435  0|"
    "cmdStampa 7440,1320,1395,495|CmdSomma 7380,4860,1395,495|TxtRiporto(0) 5520,1320,615,495|"
    "TxtRiporto(4) 3120,1320,615,495|TxtPrimoAdd(0) 5520,1800,615,615|TxtSecondoAdd(2) 4320,2400,615,615|"
    "txtTerzoAdd(1) 4920,3000,615,615|txtTerzoAdd(4) 3120,3000,615,615|TxtSomma(3) 3720,3840,615,735|"
    "Label3 6120,1920,495,495 +|Label6 6120,2520,495,495 +|Label4 6120,3120,495,495 =|"
    "Line1 3120,3720,6120,3720";
const char* const kAspetti =
    "TxtRiporto(2) 15.6 bold Comic Sans MS ff0000 ffc080|txtTerzoAdd(3) 21.6 bold Comic "
    "Sans MS 0 ffc080|Label6 21.6 bold Times New Roman 0 ffc080";
const char* const kCarta =
    "TxtRiporto(0) 5640,1560,615,495|TxtPrimoAdd(4) 3240,2040,615,615|TxtSecondoAdd(1) 5040,2640,615,615|"
    "txtTerzoAdd(0) 5640,3240,615,615|TxtSomma(2) 4440,4080,615,735|Label3 6240,2160,495,495 +|"
    "Label6 6240,2760,495,495 +|Label4 6240,3360,495,495 =|Line1 3240,3960,6240,3960";

// Opened by the start window's button, with the counters at 0 whatever they held, laid out
// as above (the looks are the last rows), with the lists' captions in computer mode.
TEST(Add3, OpensFromTheStartWindowLaidOut) {
    for (const int chi : {DaTe, DalComputer}) {
        Program q;
        q.m.NumEseguite = q.m.NumErrori = 3;
        auto& start = q.open<app::FrmStart>("frmStart");
        chi == DaTe ? start.cmdTe_MouseDown() : start.cmdComputer_MouseDown();
        ASSERT_TRUE(q.click(start, "CmdAddizione2"));
        auto& w = q.forms.get<FrmAdd3>("frmAdd3");
        auto& bis = q.forms.get<FrmAdd3Bis>("frmAdd3_bis");
        EXPECT_TRUE(w.isVisible() && w.Frame1.isEnabled() == (chi == DaTe) &&
                    w.backspace.visible == (chi == DaTe));
        EXPECT_EQ(q.sound.last(), 106);
        using testing_support::misdrawn, testing_support::misplaced;
        const std::string diversi = misplaced(w, kPosti) + misdrawn(w, kAspetti) + misplaced(bis, kCarta) +
                                    misdrawn(bis, "TxtSomma(4) 21.6 bold Comic Sans MS c0 ffffff");
        EXPECT_EQ(stato(w) + (chi == DaTe
                                  ? diversi
                                  : w.Label1.text + w.Label2.text + w.Label7.text + w.CmbNPA.listText() +
                                        w.CmbNSA.listText() + w.CmbNTA.listText()),
                  chi == DaTe ? "Ciao|||Image2| 0| 0|txtFattori(0)"
                              : "Ciao|||Image2| 0| 0|CmbNPAN° cifre primo addendoN° cifre secondo addendoN° "
                                "cifre terzo addendo111");
        EXPECT_EQ(w.caption + " " + bis.caption, "Addizione con 3 addendi Form1");
        EXPECT_EQ(std::vector({w.width, w.height, bis.width, bis.height}),
                  std::vector({9504, 6816, 9480, 6792}));
        EXPECT_TRUE(w.icon == q.open<exercise::FrmAdd2>("frmAdd2").icon &&
                    !w.find("Check1")); // no option without carries
    }
}

// Key by key (see trascrivi()), typed or drawn. 45 + 38 + 19 with a wrong carry (1 where 2 is
// due) and a wrong digit, to the finish and "Ripeti": guided, the first hint takes the digits
// as their cells show them, the later ones as numbers; nothing is counted.
TEST(Add3, GoldenTranscripts) {
    const char* semplice = R"(CmdVai . 105 Esegui|||Image1| 0| 0|TxtSomma(0)
2 2 104 Bravo||uao!|Image2| 0| 0|TxtRiporto(1)
1 . 103 Riprova||ops!|Image4| 1| 0|TxtRiporto(1)
2 2 104 Molto bravo||uaoo!|Image2| 1| 0|TxtSomma(1)
9 . 103 Riprova||ops!|Image4| 2| 0|TxtSomma(1)
0 0 104 Bravo||uao!|Image2| 2| 0|TxtSomma(2)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai
CmdSomma . 105 Esegui|||Image1| 2| 1|TxtSomma(0)
)";
    const char* guidata = R"(CmdVai . 105 5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)
2 2 104 5+8+9= 22|e riporta  2||Image2| 0| 0|TxtRiporto(1)
1 . 103 5+8+9= 22|e riporta  2||Image4| 0| 0|TxtRiporto(1)
2 2 104  2+ 4+ 3+ 1= 10|Scrivi 0||Image2| 0| 0|TxtSomma(1)
9 . 103  2+ 4+ 3+ 1= 10|Scrivi 0||Image4| 0| 0|TxtSomma(1)
0 0 104  2+ 4+ 3+ 1= 10|...e  1||Image2| 0| 0|TxtSomma(2)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
CmdSomma . 105 5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)
)";
    const std::tuple<int, std::vector<int>, bool, const char*> casi[] = {
        {DaTe, {45, 38, 19}, false, semplice},
        {DalComputer, {45, 38, 19}, false, semplice},
        {DaTe, {45, 38, 19}, true, guidata},
        {DalComputer, {45, 38, 19}, true, guidata},
        {DaTe, {5, 7, 1234}, true, R"(CmdVai . 105 5+7+4= 16|Scrivi 6||Image1| 0| 0|TxtSomma(0)
6 6 104 5+7+4= 16|e riporta  1||Image2| 0| 0|TxtRiporto(1)
1 1 104  1+ 0+ 0+ 3= 4|Scrivi 4||Image2| 0| 0|TxtSomma(1)
4 4 104  0+ 0+ 2= 2|Scrivi 2||Image2| 0| 0|TxtSomma(2)
2 2 104  0+ 0+ 1= 1|Scrivi 1||Image2| 0| 0|TxtSomma(3)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
)"},
        {DalComputer, {9, 9, 9}, true, R"(CmdVai . 105 9+9+9= 27|Scrivi 7||Image1| 0| 0|TxtSomma(0)
7 7 104 9+9+9= 27|...e  2||Image2| 0| 0|TxtSomma(1)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai
)"}};
    for (const auto& [chi, addendi, guidato, attesa] : casi) {
        Banco t;
        FrmAdd3& w = t.pronta(chi, addendi, guidato);
        EXPECT_EQ(testing_support::trascrivi(t.p, w, attesa), attesa) << addendi[2];
    }
    Banco t; // column sums 27, 29, 29, 29: carries of 2, and the top column's 2 is a result digit
    FrmAdd3& w = t.pronta(DaTe, {9999, 9999, 9999});
    ASSERT_TRUE(t.premi(w, "CmdVai 72929292"));
    EXPECT_EQ(lavagna(w), ".222. .9999 .9999 .9999 29997");
}

// From pronta() (drawing 45, 8, 1234 from the lists on 2, 1, 4), after the presses: print,
// "Ripeti", the board empty, the keypad ('+' yes), the bar's left end, the sounds; the hand
// shown with the blinking stopped for good (-1: still blinking). The computer draws each
// addend within its list's digits, in order. Then the keypad types into the active box, or
// after the finish goes nowhere.
TEST(Add3, ButtonsBoardKeypadHandAndSoundsAfterEachEvent) {
    const std::tuple<int, const char*, const char*, int> casi[] = {
        {DaTe, "", "--++ 3120", -1},
        {DalComputer, "", "--+- 3120", -1},
        {DalComputer, "CmdVai", "++-+ 3120 105", 0},
        // Unusable addends are refused silently, whichever box holds them.
        {DaTe, "txtFattori(2) =0 CmdVai", "--++ 3120 102", 2},
        {DaTe, "txtFattori(2) =12345 txtFattori(0) CmdVai", "--++ 3120 102 102", 0},
        {DaTe, "txtFattori(0) =4a CmdVai", "--++ 3120 102", 0},
        {DaTe, "txtFattori(1) =12345 txtFattori(0) CmdVai", "--++ 3120 102 102", 0},
        {DaTe, "txtFattori(2) =0019 CmdVai", "++-+ 4320 102 105", 2},
        // Every list opened empties the board and stops the hand beside it; the third one
        // leaves the print button as it was.
        {DalComputer, "CmdVai ^CmbNPA", "--+- 3120 105 102", 0},
        {DalComputer, "CmdVai ^CmbNSA", "--+- 3120 105 102", 1},
        {DalComputer, "CmdVai ^CmbNTA", "+-+- 3120 105 102", 2},
        {DalComputer, "^CmbNTA", "--+- 3120 102", 2},
        {DalComputer, "CmdVai CmbNTA", "---- 3120 105", 0}, // a choice keeps the board
        {DaTe, "CmdVai Check2", "--++ 4320 105 102", 0},
        {DaTe, "CmdVai txtFattori(1)", "--++ 4320 105 102", 1},
        {DalComputer, "CmdVai CmdRisolvi", "++-- 3120 105 105", 0},
        // The finish leaves the hand where it was.
        {DaTe, "txtFattori(2) CmdVai 2201", "++-- 4320 102 105 104 104 104 104 101", 2},
        {DalComputer, "^CmbNSA CmdVai 71821", "++-- 3120 102 105 104 104 104 104 104 101", 1}};
    for (const auto& [chi, premi, atteso, mano] : casi) {
        SCOPED_TRACE(std::to_string(chi) + " " + premi);
        Banco t;
        FrmAdd3& w = t.pronta(chi, {45, 38, 19});
        w.CmbNSA.listIndex = 0;
        w.CmbNTA.listIndex = 3;
        t.p.random.script = {45, 8, 1234};
        ASSERT_TRUE(t.premi(w, premi));
        std::string visto;
        for (const bool b :
             {w.cmdStampa.enabled, w.CmdSomma.enabled, lavagna(w) == kVuota, w.Frame1.isEnabled()})
            visto += b ? '+' : '-';
        visto += " " + std::to_string(w.Line1.left);
        for (const int n : t.p.sound.played)
            visto += " " + std::to_string(n);
        EXPECT_EQ(visto, atteso) << lavagna(w);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.mano[i].visible, i == mano && !w.Timer1.enabled) << i;
        const bool estratti = chi == DalComputer && std::string(premi).find("CmdVai") != std::string::npos;
        EXPECT_EQ(t.p.random.asked,
                  (estratti ? std::vector<std::pair<int, int>>{{10, 99}, {1, 9}, {1000, 9999}}
                            : std::vector<std::pair<int, int>>{}));
        const std::string prima = stato(w) + lavagna(w) + w.txtFattori[w.Casella].text;
        t.p.event([&w] { w.Cmd_Click(7); }); // past the switched-off keypad too
        if (w.Frame1.isEnabled() && lavagna(w) == kVuota) {
            EXPECT_EQ(stato(w) + lavagna(w) + w.txtFattori[w.Casella].text, prima + "7");
        } else if (w.LblRisultato.text == "Bravissimo") {
            EXPECT_EQ(stato(w) + lavagna(w) + w.txtFattori[w.Casella].text, prima);
        }
    }
}

// Right after "OK", with the solution, and after the third list emptied the board (print
// stays on): each page shows the five rows as they stood, nothing of an earlier one.
TEST(Add3, PrintsTheBoardAsItStands) {
    Banco t;
    FrmAdd3& w = t.pronta(DalComputer, {45, 8, 1234});
    ASSERT_TRUE(t.premi(w, "CmdVai cmdStampa CmdRisolvi cmdStampa ^CmbNTA cmdStampa"));
    std::vector<std::string> pagine;
    for (const auto& pagina : t.p.printer.pages) {
        FrmAdd3Bis carta; // the page, read back
        for (const auto& [nome, testo] : pagina)
            carta.find(nome)->text = testo;
        pagine.push_back(lavagna(carta));
    }
    EXPECT_EQ(pagine, (std::vector<std::string>{"..... ...45 ....8 .1234 .....",
                                                "...1. ...45 ....8 .1234 .1287", kVuota}));
}

// Every triple of addends below 100 and 100,000 four-digit triples, each worked twice: without
// a mistake, and with a wrong digit before every right one, the modes taking turns.
TEST(Add3, SweepTheChildIsLedToTheTrueSumAndJudgedRightly) {
    Banco t;
    FrmAdd3& w = t.apri(DaTe);
    t.p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long a, long b, long c) {
        for (const bool sbaglia : {false, true}) {
            const std::string guasto =
                lavora(t.p, w, {a, b, c}, static_cast<int>((n + sbaglia) % 3), sbaglia);
            EXPECT_EQ(guasto, "") << a << " + " << b << " + " << c << (sbaglia ? " with mistakes" : "");
            if (!guasto.empty()) return false;
        }
        return ++n > 0;
    };
    for (long a = 1; a < 100; ++a)
        for (long b = 1; b < 100; ++b)
            for (long c = 1; c < 100; ++c)
                if (!prova(a, b, c)) return;
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<long> quattro(1000, 9999);
    for (int i = 0; i < 100000; ++i)
        if (!prova(quattro(gen), quattro(gen), quattro(gen))) return;
}

} // namespace
} // namespace add3_test
