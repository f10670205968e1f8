#include "Add2Test.h"

#include "exercise/addition/FrmAdd2Bis.h"
#include "support/Layout.h"

#include <vector>

namespace add2_test {
namespace {

using testing_support::misplaced;
using testing_support::shown;

// 47 + 38, typed or drawn, from "OK" to the finish and "Ripeti", with a wrong carry and a
// wrong digit, and all of it again in silence. After each press: the text of the control
// that had the focus, the window's stato() and the sound.
TEST_F(Add2, DialoguesOf47Plus38) {
    const std::vector<Passo> semplice = {
        {"CmdVai", "", "Esegui|||Image1| 0| 0|TxtSomma(0)", 105},
        {"5", "5", "Bravo||uao!|Image2| 0| 0|TxtRiporto(1)", 104},
        {"2", "", "Riprova||ops!|Image4| 1| 0|TxtRiporto(1)", 103},
        {"1", "1", "Molto bravo||uaoo!|Image2| 1| 0|TxtSomma(1)", 104},
        {"9", "", "Riprova||ops!|Image4| 2| 0|TxtSomma(1)", 103},
        {"8", "8", "Bravissimo|hai finito|uaoo!|Image3| 2| 1|CmdVai", 101},
        {"CmdSomma", "", "Esegui|||Image1| 2| 1|TxtSomma(0)", 105},
    };
    // Guided: the hint stays up through a wrong answer, and nothing is counted.
    const std::vector<Passo> guidata = {
        {"CmdVai", "", " 7+ 8= 15|Scrivi 5||Image1| 0| 0|TxtSomma(0)", 105},
        {"5", "5", " 7+ 8= 15|e riporta  1||Image2| 0| 0|TxtRiporto(1)", 104},
        {"2", "", " 7+ 8= 15|e riporta  1||Image4| 0| 0|TxtRiporto(1)", 103},
        {"1", "1", " 1+ 4+ 3= 8|Scrivi 8||Image2| 0| 0|TxtSomma(1)", 104},
        {"9", "", " 1+ 4+ 3= 8|Scrivi 8||Image4| 0| 0|TxtSomma(1)", 103},
        {"8", "8", "Bravissimo|hai finito|uaoo!|Image3| 0| 0|CmdVai", 101},
        {"CmdSomma", "", " 7+ 8= 15|Scrivi 5||Image1| 0| 0|TxtSomma(0)", 105},
    };
    for (const int chi : {DaTe, DalComputer}) {
        for (const int silenzio : {0, 1}) {
            for (const bool guidato : {false, true}) {
                Banco t;
                t.p.m.Silenzio = silenzio;
                FrmAdd2& w = t.apri(chi);
                w.Check2.checked = guidato;
                w.Check1.checked = false; // drawn: carries allowed
                w.CmbNPA.listIndex = w.CmbNSA.listIndex = 1;
                t.p.random.script = {47, 38};
                ASSERT_TRUE(t.premi(w, chi == DaTe ? "txtFattori(0) 47 txtFattori(1) 38" : ""));
                SCOPED_TRACE((guidato ? "guided " : "plain ") + std::to_string(chi) +
                             (silenzio ? " silent" : ""));
                t.recita(w, guidato ? guidata : semplice);
                EXPECT_EQ(shown(w, "mano(0) mano(1)"), "mano(0)"); // one hand, back at the first box
            }
        }
    }
}

// Typed operands worked to the end or, guided, to a hint: the bar's left end, LblRisultato|lblScrivi, the
// board.
TEST_F(Add2, EdgeOperationsAndHints) {
    // clang-format off
    struct Caso { const char *a, *b; bool guidato; const char* tasti; int barra; const char *messaggi, *lavagna; };
    // clang-format on
    const Caso casi[] = {
        // The leading 1 is the fifth digit of the result: no carry cell is asked for it.
        {"9999", "9999", false, "81919191", 3240, "Bravissimo|hai finito", ".111. .9999 .9999 19998"},
        {"5", "5", false, "01", 5040, "Bravissimo|hai finito", "..... ....5 ....5 ...10"},
        {"1234", "5", false, "9321", 3240, "Bravissimo|hai finito", "..... .1234 ....5 .1239"},
        {"007", "5", false, "21", 5040, "Bravissimo|hai finito", "..... ....7 ....5 ...12"},
        {"9", "5", true, "4", 5040, " 9+ 5= 14|...e  1", "..... ....9 ....5 ....4"},
        // An empty addend cell counts 0.
        {"19", "5", true, "41", 4440, " 1+ 1+ 0= 2|Scrivi 2", "...1. ...19 ....5 ....4"},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmAdd2& w = t.operazione(c.a, c.b, c.guidato);
        ASSERT_TRUE(t.premi(w, c.tasti)) << c.a;
        EXPECT_EQ(w.Line1.left, c.barra) << c.a;
        EXPECT_EQ(w.LblRisultato.text + "|" + w.lblScrivi.text, c.messaggi) << c.a;
        EXPECT_EQ(lavagna(w), c.lavagna) << c.a;
    }
}

TEST_F(Add2, ComputerDrawsWithinTheChosenDigitsAndRedrawsPairsThatCarry) {
    // clang-format off
    struct Caso { bool senzaRiporto; int cifre1, cifre2; std::vector<int> estratti; const char* addendi; };
    // clang-format on
    const Caso casi[] = {
        // Two pairs refused for their carries; the top column may overflow.
        {true, 2, 2, {85, 47, 19, 11, 85, 43}, "...85 ...43"},
        {false, 3, 1, {349, 8}, "..349 ....8"}, // without the option a carry stays
        {true, 1, 1, {9, 9}, "....9 ....9"},
        {true, 4, 1, {1239, 1, 1234, 6, 9990, 9}, ".9990 ....9"},
        {true, 1, 4, {5, 1995, 5, 9995, 4, 9995}, "....4 .9995"},
    };
    const std::pair<int, int> limiti[] = {{1, 9}, {10, 99}, {100, 999}, {1000, 9999}};
    for (const Caso& c : casi) {
        Banco t;
        FrmAdd2& w = t.apri(DalComputer);
        w.Check1.checked = c.senzaRiporto;
        w.CmbNPA.listIndex = c.cifre1 - 1;
        w.CmbNSA.listIndex = c.cifre2 - 1;
        t.p.random.script.assign(c.estratti.begin(), c.estratti.end());
        ASSERT_TRUE(t.premi(w, "CmdVai"));
        EXPECT_EQ(riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd), c.addendi);
        const auto& chiesti = t.p.random.asked;
        ASSERT_EQ(chiesti.size(), c.estratti.size()) << c.addendi;
        for (std::size_t k = 0; k < chiesti.size(); ++k)
            EXPECT_EQ(chiesti[k], limiti[(k % 2 ? c.cifre2 : c.cifre1) - 1]) << c.addendi;
    }
}

// The board's rows, signs and bar in a window whose units column starts at unita.
std::string tavola(int unita, int segni, int barra) {
    const std::string x = std::to_string(segni);
    std::string t = "Label3 " + x + ",2280,495,495 +|Label4 " + x + ",2880,495,495 =|Line1 " +
                    std::to_string(barra) + ",3480," + x + ",3480|";
    for (const auto& [riga, top, altezza] : {std::tuple{"TxtRiporto", 1680, 495},
                                             {"TxtPrimoAdd", 2160, 615},
                                             {"TxtSecondoAdd", 2760, 615},
                                             {"TxtSomma", 3600, 735}})
        t += testing_support::cells(riga, 0, 4, unita, -600, top, 615, altezza);
    return t;
}

// On paper, 120 twips left of the board, the bar across the five columns.
TEST_F(Add2, PrintsTheBoardAsItStands) {
    FrmAdd2& w = operazione("9999", "9999");
    ASSERT_TRUE(
        premi(w, "cmdStampa CmdRisolvi cmdStampa txtFattori(0) 5 txtFattori(1) 3 CmdVai 8 cmdStampa"));
    std::vector<std::string> pagine;
    for (const auto& pagina : p.printer.pages) {
        exercise::FrmAdd2Bis carta; // the page, read back
        for (const auto& [nome, testo] : pagina)
            carta.find(nome)->text = testo;
        pagine.push_back(lavagna(carta));
    }
    EXPECT_EQ(pagine, (std::vector<std::string>{"..... .9999 .9999 .....", ".111. .9999 .9999 19998",
                                                "..... ....5 ....3 ....8"}));
    EXPECT_EQ(misplaced(exercise::FrmAdd2Bis{}, tavola(5520, 6120, 3120)), "");
}

// The exercise window template, seen on this window: every control in place, the captions
// and the lists' values of either mode; the counters start afresh whatever they held.
TEST_F(Add2, LoadsWithEveryControlInPlace) {
    const std::string posti =
        testing_support::kKeypad + tavola(5640, 6240, 3240) +
        "Label5 120,120,6735,855 Addizione 2 addendi|Shape1 7140,120,1935,975|Line2 7140,600,9060,600|"
        "Label6 7200,120,1155,435 Eseguite|lblFatte 8460,120,495,435  0|Label7 7200,600,1035,435 Errori|"
        "lblErrori 8460,600,495,435  0|cmdStampa 7440,1320,1395,495|Frame1 7140,1980,1935,2655 Tastierino "
        "numerico|"
        "CmdRisolvi 720,2040,1095,495|backspace 7860,4020,1095,495|CmdSomma 7380,4860,1395,495|"
        "CmdEnd 7380,5580,1395,495|CmdVai 1140,3660,1395,495|Check2 1020,1560,1575,375|Check1 "
        "1020,1080,1575,375|"
        "Image1 1440,4560,900,855|Image2 1440,4560,900,855|Image3 1440,4560,900,855|Image4 1440,4560,900,855|"
        "LblRisultato 3240,4740,3075,615 Ciao|lblScrivi 3240,5340,3075,615|lblUao 1140,5460,1515,615|"
        "mano(0) 660,2340,384,384|txtFattori(0) 1320,2400,1035,405|CmbNPA 1560,2400,615,315|"
        "mano(1) 660,3060,384,384|txtFattori(1) 1320,3120,1035,405|CmbNSA 1560,3120,615,315|";
    const std::pair<int, const char*> casi[] = {
        {DaTe,
         "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (max 4 cifre)/Clicca e scrivi (max 4 cifre)/ "
         "txtFattori(0) txtFattori(1) CmbNPA CmbNSA Frame1 CmdRisolvi backspace"},
        {DalComputer,
         "Ciao|||Image2| 0| 0|CmbNPA N° cifre primo addendo/N° cifre secondo addendo/11 CmbNPA CmbNSA "
         "Frame1 CmdRisolvi Check1"},
    };
    for (const auto& [chi, atteso] : casi) {
        Banco t;
        t.p.m.NumEseguite = t.p.m.NumErrori = 3;
        FrmAdd2& w = t.apri(chi);
        EXPECT_EQ(misplaced(w, posti + "Label1 60,2100,3075,255 " + w.Label1.text +
                                   "|Label2 180,2820,2955,255 " + w.Label2.text),
                  "");
        EXPECT_EQ(w.caption + " " + std::to_string(w.width) + "x" + std::to_string(w.height),
                  "Addizione con 2 addendi 9504x6816");
        EXPECT_EQ(stato(w) + " " + w.Label1.text + "/" + w.Label2.text + "/" + w.CmbNPA.listText() +
                      w.CmbNSA.listText() + " " +
                      shown(w, "txtFattori(0) txtFattori(1) CmbNPA CmbNSA Frame1 CmdRisolvi backspace Check1 "
                               "mano(0) mano(1)"),
                  atteso);
        EXPECT_TRUE(w.Timer1.enabled && w.Timer1.interval == 500 && w.topmost && !w.closeCommand);
    }
}

// Four digits at most; backspace deletes from the active box, and on an empty one does nothing.
// A click on a box stops the blinking hand there; opening a list moves it, still blinking.
TEST_F(Add2, TheHandAndTheKeypadFollowTheClickedBoxOrList) {
    FrmAdd2& w = apri(DaTe);
    ASSERT_TRUE(premi(w, "txtFattori(0) 12345 backspace txtFattori(1) 9 backspace backspace 5"));
    EXPECT_EQ(w.txtFattori[0].text + "+" + w.txtFattori[1].text, "123+5");
    EXPECT_EQ(shown(w, "mano(0) mano(1)"), "mano(1)");
    EXPECT_FALSE(w.Timer1.enabled);
    EXPECT_EQ(p.sound.played, (std::vector<int>{102, 102}));

    Banco t;
    FrmAdd2& c = t.apri(DalComputer);
    c.Timer1_Timer();
    ASSERT_TRUE(t.premi(c, "^CmbNSA"));
    for (const char* mano : {"mano(1)", "", "mano(1)", ""}) {
        EXPECT_EQ(shown(c, "mano(0) mano(1)"), mano);
        c.Timer1_Timer();
    }
}

// From a window with 47 and 38 in its boxes (or lists on "2" and two drawn pairs refused for
// their carries), after the presses: the print and "Ripeti" buttons (on whenever an operation
// is on the board) and the keypad ('+' on), the board, the sounds.
TEST_F(Add2, ButtonsBoardKeypadAndSoundsAfterEachEvent) {
    const std::string vuota = "..... ..... ..... .....", tua = "..... ...47 ...38 .....",
                      sua = "..... ...85 ...43 .....";
    // clang-format off
    struct Caso { int chi; const char *premi, *bottoni; std::string lavagna; std::vector<int> suoni; };
    // clang-format on
    const Caso casi[] = {
        {DaTe, "", "-+", vuota, {}},
        {DalComputer, "", "--", vuota, {}},
        {DaTe, "CmdVai", "++", tua, {105}},
        {DalComputer, "CmdVai", "++", sua, {105}},
        // Unusable operands are refused silently.
        {DaTe, "CmdVai txtFattori(0) 0 CmdVai", "-+", vuota, {105, 102}},
        {DaTe, "txtFattori(1) =12345 txtFattori(0) CmdVai", "-+", vuota, {102, 102}},
        {DaTe, "txtFattori(1) =1a txtFattori(0) CmdVai", "-+", vuota, {102, 102}},
        {DaTe, "txtFattori(1) = txtFattori(0) CmdVai", "-+", vuota, {102, 102}},
        {DalComputer, "CmdVai Check1", "--", vuota, {105, 102}},
        {DalComputer, "CmdVai Check2", "--", vuota, {105, 102}},
        {DaTe, "CmdVai Check2", "-+", vuota, {105, 102}},
        {DalComputer, "CmdVai ^CmbNSA", "--", vuota, {105, 102}},
        {DalComputer, "CmdVai CmbNSA", "--", sua, {105}}, // a choice keeps the board
        {DaTe, "CmdVai txtFattori(1)", "-+", vuota, {105, 102}},
        {DaTe, "CmdVai CmdSomma", "++", tua, {105, 105}},
        {DalComputer, "CmdVai CmdRisolvi", "+-", "..... ...85 ...43 ..128", {105, 105}},
        // After the solution, the next operation is the child's to work.
        {DalComputer, "CmdVai CmdRisolvi CmdSomma", "++", sua, {105, 105, 105}},
        {DaTe,
         "CmdVai CmdRisolvi txtFattori(0) 12 txtFattori(1) 34 CmdVai",
         "++",
         "..... ...12 ...34 .....",
         {105, 105, 102, 102, 105}},
        {DaTe, "CmdVai 518", "+-", "...1. ...47 ...38 ...85", {105, 104, 104, 104, 101}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::to_string(c.chi) + " " + c.premi);
        Banco t;
        FrmAdd2& w = t.apri(c.chi);
        w.txtFattori[0].text = "47";
        w.txtFattori[1].text = "38";
        w.CmbNPA.listIndex = w.CmbNSA.listIndex = 1;
        t.p.random.script = {85, 47, 85, 47, 85, 43};
        ASSERT_TRUE(t.premi(w, c.premi));
        EXPECT_EQ(w.CmdSomma.enabled, w.cmdStampa.enabled);
        EXPECT_EQ(std::string(w.cmdStampa.enabled ? "+" : "-") + (w.Frame1.isEnabled() ? "+" : "-"),
                  c.bottoni);
        EXPECT_EQ(lavagna(w), c.lavagna);
        EXPECT_EQ(t.p.sound.played, c.suoni);
        if (c.chi == DaTe && c.lavagna == vuota) { // the keypad types into the active box
            const std::string prima = w.txtFattori[w.Casella].text;
            ASSERT_TRUE(t.premi(w, "7"));
            EXPECT_EQ(w.txtFattori[w.Casella].text, prima + "7");
            EXPECT_TRUE(!w.Timer1.enabled && w.mano[w.Casella].visible); // the hand stops blinking
        }
    }
}

} // namespace
} // namespace add2_test
