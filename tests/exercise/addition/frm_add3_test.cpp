#include "Addizione.h"

#include "app/FrmStart.h"
#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd3.h"
#include "exercise/addition/FrmAdd3Bis.h"
#include "support/Layout.h"

#include <algorithm>
#include <random>
#include <vector>

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
    // 45, 38 and 19 in the boxes; the lists on "2", "1", "4" and 45, 8, 1234 to draw.
    FrmAdd3& pronta(int chi) {
        FrmAdd3& w = apri(chi);
        for (int i = 0; i < 3; ++i) {
            w.txtFattori[i].text = std::vector<std::string>{"45", "38", "19"}[std::size_t(i)];
            w.lista(i).listIndex = std::vector{1, 0, 3}[std::size_t(i)];
        }
        p.random.script = {45, 8, 1234};
        return w;
    }
};

struct Add3 : ::testing::Test, Banco {};

// The window in child mode and its print layout as laid out and loaded, control by control
// ("|" between two), and the rows' looks.
TEST_F(Add3, LayoutOfTheWindowAndOfItsPrintLayout) {
    const std::string finestra =
        "Label5 420,120,6135,855 Addizione 3 addendi|Check2 900,1200,1575,375|CmdVai 1020,3960,1395,495|"
        "Label1 60,1740,3015,255 Clicca e scrivi (max 4 cifre)|txtFattori(0) 1200,2040,1035,405|"
        "CmbNPA 1440,2040,615,315|mano(0) 540,1980,384,384|Label2 60,2400,3015,255 Clicca e scrivi (max 4 "
        "cifre)|"
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
    const std::string carta =
        "TxtRiporto(0) 5640,1560,615,495|TxtPrimoAdd(4) 3240,2040,615,615|TxtSecondoAdd(1) 5040,2640,615,615|"
        "txtTerzoAdd(0) 5640,3240,615,615|TxtSomma(2) 4440,4080,615,735|Label3 6240,2160,495,495 +|"
        "Label6 6240,2760,495,495 +|Label4 6240,3360,495,495 =|Line1 3240,3960,6240,3960";
    FrmAdd3& w = apri(DaTe);
    auto& bis = p.forms.get<FrmAdd3Bis>("frmAdd3_bis");
    EXPECT_EQ(testing_support::misplaced(w, finestra) + testing_support::misplaced(bis, carta), "");
    EXPECT_EQ(w.caption + " " + bis.caption, "Addizione con 3 addendi Form1");
    EXPECT_EQ(std::vector({w.width, w.height, bis.width, bis.height}), std::vector({9504, 6816, 9480, 6792}));
    EXPECT_EQ(w.icon, p.open<exercise::FrmAdd2>("frmAdd2").icon);
    EXPECT_EQ(w.find("Check1"), nullptr); // no option without carries
    // In points, font, colour and background, all bold.
    std::ostringstream visto;
    for (const forms::Control* c : {&w.TxtRiporto[2], &w.txtTerzoAdd[3], &w.Label6, &bis.TxtSomma[4]})
        visto << c->font.points << " " << c->font.family << std::hex << " " << c->foreColor << " "
              << c->backColor << std::dec << (c->font.bold ? "|" : " not bold|");
    EXPECT_EQ(visto.str(), "15.6 Comic Sans MS ff0000 ffc080|21.6 Comic Sans MS 0 ffc080|"
                           "21.6 Times New Roman 0 ffc080|21.6 Comic Sans MS c0 ffffff|");
}

// Opened by the start window's button, with the counters at 0 whatever they held.
TEST_F(Add3, OpensFromTheStartWindowForChildOrComputer) {
    for (const int chi : {DaTe, DalComputer}) {
        Program q;
        q.m.NumEseguite = q.m.NumErrori = 3;
        auto& start = q.open<app::FrmStart>("frmStart");
        chi == DaTe ? start.cmdTe_MouseDown() : start.cmdComputer_MouseDown();
        ASSERT_TRUE(q.click(start, "CmdAddizione2"));
        auto& w = q.forms.get<FrmAdd3>("frmAdd3");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(q.sound.last(), 106);
        EXPECT_EQ(stato(w) + " " + w.Label1.text + "/" + w.Label2.text + "/" + w.Label7.text + " " +
                      w.CmbNPA.listText() + w.CmbNSA.listText() + w.CmbNTA.listText(),
                  chi == DaTe ? "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (max 4 cifre)/"
                                "Clicca e scrivi (max 4 cifre)/Clicca e scrivi (max 4 cifre) "
                              : "Ciao|||Image2| 0| 0|CmbNPA N° cifre primo addendo/N° cifre secondo addendo/"
                                "N° cifre terzo addendo 111");
        EXPECT_EQ(w.Frame1.isEnabled() && w.backspace.visible, chi == DaTe);
    }
}

// 45 + 38 + 19, typed or drawn, with a wrong carry (1 where 2 is due) and a wrong digit, to
// the finish and "Ripeti". After each press: the text of the cell that had the focus,
// stato() and the sound.
TEST_F(Add3, DialoguesOf45Plus38Plus19) {
    const std::vector<Passo> semplice = {{"CmdVai", "", "Esegui|||Image1| 0| 0|TxtSomma(0)", 105},
                                         {"2", "2", "Bravo||uao!|Image2| 0| 0|TxtRiporto(1)", 104},
                                         {"1", "", "Riprova||ops!|Image4| 1| 0|TxtRiporto(1)", 103},
                                         {"2", "2", "Molto bravo||uaoo!|Image2| 1| 0|TxtSomma(1)", 104},
                                         {"9", "", "Riprova||ops!|Image4| 2| 0|TxtSomma(1)", 103},
                                         {"0", "0", "Bravo||uao!|Image2| 2| 0|TxtSomma(2)", 104},
                                         {"1", "1", "Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai", 101},
                                         {"CmdSomma", "", "Esegui|||Image1| 2| 1|TxtSomma(0)", 105}};
    // Guided: the first hint takes the digits as their cells show them, the later ones as
    // numbers; a wrong answer leaves the hint up, and nothing is counted.
    const std::vector<Passo> guidata = {
        {"CmdVai", "", "5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)", 105},
        {"2", "2", "5+8+9= 22|e riporta  2||Image2| 0| 0|TxtRiporto(1)", 104},
        {"1", "", "5+8+9= 22|e riporta  2||Image4| 0| 0|TxtRiporto(1)", 103},
        {"2", "2", " 2+ 4+ 3+ 1= 10|Scrivi 0||Image2| 0| 0|TxtSomma(1)", 104},
        {"9", "", " 2+ 4+ 3+ 1= 10|Scrivi 0||Image4| 0| 0|TxtSomma(1)", 103},
        {"0", "0", " 2+ 4+ 3+ 1= 10|...e  1||Image2| 0| 0|TxtSomma(2)", 104},
        {"1", "1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", 101},
        {"CmdSomma", "", "5+8+9= 22|Scrivi 2||Image1| 0| 0|TxtSomma(0)", 105}};
    for (const int chi : {DaTe, DalComputer}) {
        for (const bool guidato : {false, true}) {
            Banco t;
            FrmAdd3& w = t.pronta(chi);
            w.Check2.checked = guidato;
            w.CmbNPA.listIndex = w.CmbNSA.listIndex = w.CmbNTA.listIndex = 1;
            t.p.random.script = {45, 38, 19};
            SCOPED_TRACE((guidato ? "guided " : "plain ") + std::to_string(chi));
            t.recita(w, guidato ? guidata : semplice);
            const auto& suoni = t.p.sound.played; // 105 once for each of "OK" and "Ripeti"
            EXPECT_EQ(std::count(suoni.begin(), suoni.end(), 105), 2);
        }
    }
}

// Worked by a child who never errs, guided where hints are given (LblRisultato|lblScrivi|focus
// after "OK" and after each digit, " / " between two): the bar, the finished board, and the
// same board from "Soluzione".
TEST_F(Add3, HintsAndFinishedBoards) {
    struct Caso {
        std::vector<std::string> addendi;
        const char *cifre, *suggerimenti;
        int barra;
        const char* lavagna;
    };
    const Caso casi[] = {
        {{"5", "7", "1234"},
         "61421",
         "5+7+4= 16|Scrivi 6|TxtSomma(0) / 5+7+4= 16|e riporta  1|TxtRiporto(1) /  1+ 0+ 0+ 3= 4|Scrivi 4|"
         "TxtSomma(1) /  0+ 0+ 2= 2|Scrivi 2|TxtSomma(2) /  0+ 0+ 1= 1|Scrivi 1|TxtSomma(3) / Bravissimo|hai "
         "finito|CmdVai",
         3120,
         "...1. ....5 ....7 .1234 .1246"},
        {{"9", "9", "9"},
         "72",
         "9+9+9= 27|Scrivi 7|TxtSomma(0) / 9+9+9= 27|...e  2|TxtSomma(1) / Bravissimo|hai finito|CmdVai",
         4920,
         "..... ....9 ....9 ....9 ...27"},
        // A carry of 2 into a column that only the first addend reaches, then a final carry.
        {{"95", "9", "9"},
         "3211",
         "5+9+9= 23|Scrivi 3|TxtSomma(0) / 5+9+9= 23|e riporta  2|TxtRiporto(1) /  2+ 9+ 0+ 0= 11|Scrivi 1|"
         "TxtSomma(1) /  2+ 9+ 0+ 0= 11|...e  1|TxtSomma(2) / Bravissimo|hai finito|CmdVai",
         4320,
         "...2. ...95 ....9 ....9 ..113"},
        // Column sums 27, 29, 29, 29: carries of 2, and the top column's 2 is a result digit.
        {{"9999", "9999", "9999"}, "72929292", "", 3120, ".222. .9999 .9999 .9999 29997"},
    };
    for (const Caso& c : casi) {
        Banco t;
        const bool guidato = *c.suggerimenti != 0;
        FrmAdd3& w = t.operazione(c.addendi, guidato);
        EXPECT_EQ(std::make_pair(w.Line1.left, w.Line1.x2), std::make_pair(c.barra, 6120)) << c.lavagna;
        std::string visti;
        for (const char* d = c.cifre;; ++d) {
            visti += (visti.empty() ? "" : " / ") + w.LblRisultato.text + "|" + w.lblScrivi.text + "|" +
                     w.focus()->name();
            if (*d == 0) break;
            ASSERT_TRUE(t.premi(w, std::string(1, *d))) << c.lavagna;
        }
        EXPECT_EQ(guidato ? visti : "", c.suggerimenti);
        EXPECT_EQ(lavagna(w), c.lavagna);
        EXPECT_EQ(w.lblFatte.text + w.lblErrori.text, guidato ? " 0 0" : " 1 0") << c.lavagna;
        ASSERT_TRUE(t.premi(w, "CmdSomma CmdRisolvi"));
        EXPECT_EQ(lavagna(w) + stato(w), c.lavagna + ("Fatto|||Image1| 0|" + w.lblFatte.text + "|CmdSomma"));
    }
}

// From pronta(), after the presses: print, "Ripeti", the board empty, the keypad ('+' yes, '-'
// no); the hand shown with the blinking stopped for good (-1: still blinking); the sounds.
// The computer draws each addend within its list's digits, in order, and works whatever it drew.
TEST_F(Add3, ButtonsBoardKeypadHandAndSoundsAfterEachEvent) {
    struct Caso {
        int chi;
        const char *premi, *stato;
        int mano;
        const char* suoni;
    };
    const Caso casi[] = {
        {DaTe, "", "--++", -1, ""},
        {DalComputer, "", "--+-", -1, ""},
        {DalComputer, "CmdVai", "++-+", 0, "105"},
        // Unusable addends are refused silently, whichever box holds them.
        {DaTe, "txtFattori(2) =0 CmdVai", "--++", 2, "102"},
        {DaTe, "txtFattori(2) =12345 txtFattori(0) CmdVai", "--++", 0, "102 102"},
        {DaTe, "txtFattori(0) =4a CmdVai", "--++", 0, "102"},
        {DaTe, "txtFattori(1) =12345 txtFattori(0) CmdVai", "--++", 0, "102 102"},
        {DaTe, "txtFattori(2) =0019 CmdVai", "++-+", 2, "102 105"},
        // Every list opened empties the board and stops the hand beside it; the third one
        // leaves the print button as it was.
        {DalComputer, "CmdVai ^CmbNPA", "--+-", 0, "105 102"},
        {DalComputer, "CmdVai ^CmbNSA", "--+-", 1, "105 102"},
        {DalComputer, "CmdVai ^CmbNTA", "+-+-", 2, "105 102"},
        {DalComputer, "^CmbNTA", "--+-", 2, "102"},
        {DalComputer, "CmdVai CmbNTA", "----", 0, "105"}, // a choice keeps the board
        {DaTe, "CmdVai Check2", "--++", 0, "105 102"},
        {DaTe, "CmdVai txtFattori(1)", "--++", 1, "105 102"},
        {DalComputer, "CmdVai CmdRisolvi", "++--", 0, "105 105"},
        // The finish leaves the hand where it was.
        {DaTe, "txtFattori(2) CmdVai 2201", "++--", 2, "102 105 104 104 104 104 101"},
        {DalComputer, "^CmbNSA CmdVai 71821", "++--", 1, "102 105 104 104 104 104 104 101"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.chi) + " " + c.premi);
        Banco t;
        FrmAdd3& w = t.pronta(c.chi);
        ASSERT_TRUE(t.premi(w, c.premi));
        std::string stato, suoni;
        for (const bool b :
             {w.cmdStampa.enabled, w.CmdSomma.enabled, lavagna(w) == kVuota, w.Frame1.isEnabled()})
            stato += b ? '+' : '-';
        for (const int n : t.p.sound.played)
            suoni += (suoni.empty() ? "" : " ") + std::to_string(n);
        EXPECT_EQ(stato + " " + suoni, c.stato + std::string(" ") + c.suoni) << lavagna(w);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.mano[i].visible, i == c.mano && !w.Timer1.enabled) << i;
        const bool estratti =
            c.chi == DalComputer && std::string(c.premi).find("CmdVai") != std::string::npos;
        EXPECT_EQ(t.p.random.asked,
                  (estratti ? std::vector<std::pair<int, int>>{{10, 99}, {1, 9}, {1000, 9999}}
                            : std::vector<std::pair<int, int>>{}));
        if (w.Frame1.isEnabled() && lavagna(w) == kVuota) { // the keypad types into the active box
            const std::string testo = w.txtFattori[w.Casella].text;
            ASSERT_TRUE(t.premi(w, "7"));
            EXPECT_EQ(w.txtFattori[w.Casella].text, testo + "7");
        } else if (w.LblRisultato.text == "Bravissimo") { // once finished, a digit goes nowhere
            const std::string fine = addizione_test::stato(w) + lavagna(w);
            t.p.event([&w] { w.Cmd_Click(7); }); // past the switched-off keypad
            EXPECT_EQ(addizione_test::stato(w) + lavagna(w), fine);
        }
    }
}

// Right after "OK", with the solution, and after the third list emptied the board (print
// stays on): each page shows the five rows as they stood, nothing of an earlier one.
TEST_F(Add3, PrintsTheBoardAsItStands) {
    FrmAdd3& w = pronta(DalComputer);
    ASSERT_TRUE(premi(w, "CmdVai cmdStampa CmdRisolvi cmdStampa ^CmbNTA cmdStampa"));
    std::vector<std::string> pagine;
    for (const auto& pagina : p.printer.pages) {
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
TEST_F(Add3, TheChildIsLedToTheTrueSumAndJudgedRightly) {
    FrmAdd3& w = apri(DaTe);
    p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long a, long b, long c) {
        for (const bool sbaglia : {false, true}) {
            const std::string guasto = lavora(p, w, {a, b, c}, static_cast<int>((n + sbaglia) % 3), sbaglia);
            EXPECT_EQ(guasto, "") << a << " + " << b << " + " << c << (sbaglia ? " with mistakes" : "");
            if (!guasto.empty()) return false;
        }
        ++n;
        return true;
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
