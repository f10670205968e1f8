#include "Addizione.h"

#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd2Bis.h"
#include "support/Layout.h"

#include <random>

namespace {

using namespace addizione_test;
using app::DalComputer;
using app::DaTe;
using exercise::FrmAdd2;
using testing_support::misplaced;
using testing_support::shown;

constexpr char kFrmAdd2[] = "frmAdd2";
using Banco = BancoAddizione<FrmAdd2, kFrmAdd2>;

// Carries, first addend, second addend, result: of the window or of its print layout.
template <class F> std::string lavagna(const F& w) {
    return riga(w.TxtRiporto) + " " + riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd) + " " +
           riga(w.TxtSomma);
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

// Every control in place, the captions and lists of either mode; the counters start afresh.
TEST(Add2, LoadsWithEveryControlInPlace) {
    const std::string posti =
        testing_support::kKeypad + tavola(5640, 6240, 3240) +
        "Label5 120,120,6735,855 Addizione 2 addendi|Shape1 7140,120,1935,975|Line2 7140,600,9060,600|"
        "Label6 7200,120,1155,435 Eseguite|lblFatte 8460,120,495,435  0|Label7 7200,600,1035,435 Errori|"
        "lblErrori 8460,600,495,435  0|cmdStampa 7440,1320,1395,495|CmdRisolvi 720,2040,1095,495|"
        "Frame1 7140,1980,1935,2655 Tastierino numerico|backspace 7860,4020,1095,495|"
        "CmdSomma 7380,4860,1395,495|CmdEnd 7380,5580,1395,495|CmdVai 1140,3660,1395,495|"
        "Check2 1020,1560,1575,375|Check1 1020,1080,1575,375|Image1 1440,4560,900,855|"
        "Image2 1440,4560,900,855|Image3 1440,4560,900,855|Image4 1440,4560,900,855|"
        "LblRisultato 3240,4740,3075,615 Ciao|lblScrivi 3240,5340,3075,615|lblUao 1140,5460,1515,615|"
        "mano(0) 660,2340,384,384|txtFattori(0) 1320,2400,1035,405|CmbNPA 1560,2400,615,315|"
        "mano(1) 660,3060,384,384|txtFattori(1) 1320,3120,1035,405|CmbNSA 1560,3120,615,315|";
    for (const auto& [chi, atteso] :
         {std::pair{DaTe,
                    "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (max 4 cifre)/Clicca e scrivi "
                    "(max 4 cifre)/ txtFattori(0) txtFattori(1) CmbNPA CmbNSA Frame1 CmdRisolvi backspace"},
          {DalComputer, "Ciao|||Image2| 0| 0|CmbNPA N° cifre primo addendo/N° cifre secondo addendo/11 "
                        "CmbNPA CmbNSA Frame1 CmdRisolvi Check1"}}) {
        Banco t;
        t.p.m.NumEseguite = t.p.m.NumErrori = 3;
        FrmAdd2& w = t.apri(chi);
        EXPECT_EQ(misplaced(w, posti + "Label1 60,2100,3075,255 " + w.Label1.text +
                                   "|Label2 180,2820,2955,255 " + w.Label2.text),
                  "");
        EXPECT_EQ(stato(w) + " " + w.Label1.text + "/" + w.Label2.text + "/" + w.CmbNPA.listText() +
                      w.CmbNSA.listText() + " " +
                      shown(w, "txtFattori(0) txtFattori(1) CmbNPA CmbNSA Frame1 CmdRisolvi backspace Check1 "
                               "mano(0) mano(1)"),
                  atteso);
        EXPECT_EQ(w.caption + " " + std::to_string(w.width) + "x" + std::to_string(w.height) + " " +
                      std::to_string(w.Timer1.interval) + (w.topmost && !w.closeCommand ? " fixed" : ""),
                  "Addizione con 2 addendi 9504x6816 500 fixed");
        // On paper the board sits 120 twips left of the window's, the bar across the five columns.
        EXPECT_EQ(misplaced(exercise::FrmAdd2Bis{}, tavola(5520, 6120, 3120)), "");
        w.Frame1.visible = false; // a frame hidden takes its keys with it
        EXPECT_EQ(shown(w, "Frame1 Cmd_5 CmdRisolvi"), "");
    }
}

// 47 + 38, typed or drawn, plain or guided, with sounds or in silence, from "OK" to the finish
// and "Ripeti", with a wrong carry and a wrong digit. Guided, the hint stays up through a wrong
// answer and nothing is counted.
TEST(Add2, DialoguesOf47Plus38) {
    const std::vector<Passo> passi[] = {
        {
            {"CmdVai", "", "Esegui|||Image1| 0| 0|TxtSomma(0)", 105},
            {"5", "5", "Bravo||uao!|Image2| 0| 0|TxtRiporto(1)", 104},
            {"2", "", "Riprova||ops!|Image4| 1| 0|TxtRiporto(1)", 103},
            {"1", "1", "Molto bravo||uaoo!|Image2| 1| 0|TxtSomma(1)", 104},
            {"9", "", "Riprova||ops!|Image4| 2| 0|TxtSomma(1)", 103},
            {"8", "8", "Bravissimo|hai finito|uaoo!|Image3| 2| 1|CmdVai", 101},
            {"CmdSomma", "", "Esegui|||Image1| 2| 1|TxtSomma(0)", 105},
        },
        {
            {"CmdVai", "", " 7+ 8= 15|Scrivi 5||Image1| 0| 0|TxtSomma(0)", 105},
            {"5", "5", " 7+ 8= 15|e riporta  1||Image2| 0| 0|TxtRiporto(1)", 104},
            {"2", "", " 7+ 8= 15|e riporta  1||Image4| 0| 0|TxtRiporto(1)", 103},
            {"1", "1", " 1+ 4+ 3= 8|Scrivi 8||Image2| 0| 0|TxtSomma(1)", 104},
            {"9", "", " 1+ 4+ 3= 8|Scrivi 8||Image4| 0| 0|TxtSomma(1)", 103},
            {"8", "8", "Bravissimo|hai finito|uaoo!|Image3| 0| 0|CmdVai", 101},
            {"CmdSomma", "", " 7+ 8= 15|Scrivi 5||Image1| 0| 0|TxtSomma(0)", 105},
        }};
    for (int k = 0; k < 8; ++k) { // bit 0: drawn, bit 1: silent, bit 2: guided
        SCOPED_TRACE(k);
        Banco t;
        t.p.m.Silenzio = (k >> 1) & 1;
        FrmAdd2& w = t.apri(k & 1 ? DalComputer : DaTe);
        w.Check2.checked = k & 4;
        w.Check1.checked = false; // drawn: carries allowed
        w.CmbNPA.listIndex = w.CmbNSA.listIndex = 1;
        t.p.random.script = {47, 38};
        ASSERT_TRUE(t.premi(w, k & 1 ? "" : "txtFattori(0) 47 txtFattori(1) 38"));
        t.recita(w, passi[k >> 2]);
        EXPECT_EQ(shown(w, "mano(0) mano(1)"), "mano(0)"); // one hand, back at the first box
    }
}

// Typed operands worked to the end or, guided, to a hint: the bar's left end, LblRisultato|lblScrivi,
// the board and the pages printed.
TEST(Add2, EdgeOperationsAndHints) {
    const std::tuple<const char*, const char*, bool, const char*, const char*> casi[] = {
        // The leading 1 is the fifth digit of the result: no carry cell is asked for it. Printed,
        // each page as the board stood.
        {"9999", "9999", false, "cmdStampa 81919191 cmdStampa",
         "3240 Bravissimo|hai finito .111. .9999 .9999 19998 [..... .9999 .9999 .....] [.111. .9999 .9999 "
         "19998]"},
        {"5", "5", false, "01", "5040 Bravissimo|hai finito ..... ....5 ....5 ...10"},
        {"1234", "5", false, "9321", "3240 Bravissimo|hai finito ..... .1234 ....5 .1239"},
        {"007", "5", false, "21", "5040 Bravissimo|hai finito ..... ....7 ....5 ...12"},
        {"9", "5", true, "4", "5040  9+ 5= 14|...e  1 ..... ....9 ....5 ....4"},
        {"19", "5", true, "41", "4440  1+ 1+ 0= 2|Scrivi 2 ...1. ...19 ....5 ....4"}, // empty cells count 0
    };
    for (const auto& [a, b, guidato, tasti, atteso] : casi) {
        Banco t;
        FrmAdd2& w = t.operazione({a, b}, guidato);
        ASSERT_TRUE(t.premi(w, tasti)) << a;
        std::string s = std::to_string(w.Line1.left) + " " + w.LblRisultato.text + "|" + w.lblScrivi.text +
                        " " + lavagna(w);
        for (const auto& pagina : t.p.printer.pages) {
            exercise::FrmAdd2Bis carta; // the page, read back
            for (const auto& [nome, testo] : pagina)
                carta.find(nome)->text = testo;
            s += " [" + lavagna(carta) + "]";
        }
        EXPECT_EQ(s, atteso);
    }
}

// The computer's draws within the chosen digits, pairs that carry drawn again while "senza
// riporto" is ticked; the top column may overflow.
TEST(Add2, ComputerDrawsWithinTheChosenDigitsAndRedrawsPairsThatCarry) {
    const std::tuple<bool, int, int, std::deque<int>, const char*> casi[] = {
        {true, 2, 2, {85, 47, 19, 11, 85, 43}, "...85 ...43"},
        {false, 3, 1, {349, 8}, "..349 ....8"},
        {true, 1, 1, {9, 9}, "....9 ....9"},
        {true, 4, 1, {1239, 1, 1234, 6, 9990, 9}, ".9990 ....9"},
        {true, 1, 4, {5, 1995, 5, 9995, 4, 9995}, "....4 .9995"},
    };
    const char* const limiti[] = {"1-9 ", "10-99 ", "100-999 ", "1000-9999 "};
    for (const auto& [senzaRiporto, cifre1, cifre2, estratti, addendi] : casi) {
        Banco t;
        FrmAdd2& w = t.apri(DalComputer);
        w.Check1.checked = senzaRiporto;
        w.CmbNPA.listIndex = cifre1 - 1;
        w.CmbNSA.listIndex = cifre2 - 1;
        t.p.random.script = estratti;
        ASSERT_TRUE(t.premi(w, "CmdVai"));
        std::string chiesti = riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd) + " ",
                    attesi = addendi + std::string(" ");
        for (const auto& [lo, hi] : t.p.random.asked)
            chiesti += std::to_string(lo) + "-" + std::to_string(hi) + " ";
        for (std::size_t k = 0; k < estratti.size(); k += 2)
            attesi += std::string(limiti[cifre1 - 1]) + limiti[cifre2 - 1];
        EXPECT_EQ(chiesti, attesi);
    }
}

// From a window with 47 and 38 in its boxes (or its lists on "2" and two drawn pairs refused for
// their carries), after the presses: print, "Ripeti" and the keypad's keys on (+) or off (-), the boxes,
// the hands shown now and after each of two ticks if blinking (~), the board, the sounds.
TEST(Add2, ButtonsBoxesHandsBoardAndSoundsAfterEachEvent) {
    const std::string vuota = " ..... ..... ..... .....", tua = " ..... ...47 ...38 .....",
                      sua = " ..... ...85 ...43 .....";
    const std::tuple<int, const char*, std::string> casi[] = {
        {DaTe, "", "--+ 47/38 ~mano(0)~" + vuota},
        {DalComputer, "", "--- 47/38 ~mano(0)~" + vuota},
        {DaTe, "CmdVai", "+++ / mano(0)" + tua + " 105"},
        {DalComputer, "CmdVai", "+++ / mano(0)" + sua + " 105"},
        // Unusable operands are refused silently.
        {DaTe, "CmdVai txtFattori(0) 0 CmdVai 7", "--+ 07/ mano(0)" + vuota + " 105 102"},
        {DaTe, "txtFattori(1) =12345 txtFattori(0) CmdVai", "--+ 47/12345 mano(0)" + vuota + " 102 102"},
        {DaTe, "txtFattori(1) =1a txtFattori(0) CmdVai", "--+ 47/1a mano(0)" + vuota + " 102 102"},
        {DaTe, "txtFattori(1) = txtFattori(0) CmdVai", "--+ 47/ mano(0)" + vuota + " 102 102"},
        {DalComputer, "CmdVai Check1", "--- / mano(0)" + vuota + " 105 102"},
        {DalComputer, "CmdVai Check2", "--- / mano(0)" + vuota + " 105 102"},
        {DaTe, "CmdVai Check2 7", "--+ 7/ mano(0)" + vuota + " 105 102"},
        {DalComputer, "CmdVai ^CmbNSA", "--- / mano(1)" + vuota + " 105 102"},
        {DalComputer, "CmdVai CmbNSA", "--- / mano(0)" + sua + " 105"}, // a choice keeps the board
        {DaTe, "CmdVai txtFattori(1) 7", "--+ /7 mano(1)" + vuota + " 105 102"},
        {DaTe, "CmdVai CmdSomma", "+++ / mano(0)" + tua + " 105 105"},
        {DalComputer, "CmdVai CmdRisolvi", "++- / mano(0) ..... ...85 ...43 ..128 105 105"},
        // After the solution, the next operation is the child's to work.
        {DalComputer, "CmdVai CmdRisolvi CmdSomma", "+++ / mano(0)" + sua + " 105 105 105"},
        {DaTe, "CmdVai CmdRisolvi txtFattori(0) 12 txtFattori(1) 34 CmdVai",
         "+++ / mano(1) ..... ...12 ...34 ..... 105 105 102 102 105"},
        {DaTe, "CmdVai 518", "++- / mano(0) ...1. ...47 ...38 ...85 105 104 104 104 101"},
        // Four digits at most; backspace deletes from the active box, and on an empty one does
        // nothing. A click on a box stops the hand there; opening a list moves it, still blinking.
        {DaTe, "txtFattori(0) = 12345 backspace txtFattori(1) = 9 backspace backspace 5",
         "--+ 123/5 mano(1)" + vuota + " 102 102"},
        {DalComputer, "^CmbNSA", "--- 47/38 mano(1)~mano(1)~" + vuota + " 102"},
    };
    for (const auto& [chi, premi, atteso] : casi) {
        SCOPED_TRACE(premi);
        Banco t;
        FrmAdd2& w = t.apri(chi);
        w.txtFattori[0].text = "47";
        w.txtFattori[1].text = "38";
        w.CmbNPA.listIndex = w.CmbNSA.listIndex = 1;
        t.p.random.script = {85, 47, 85, 47, 85, 43};
        ASSERT_TRUE(t.premi(w, premi));
        std::string s;
        for (const forms::Control* c : {&w.cmdStampa, &w.CmdSomma, w.find("Cmd_5")})
            s += c->isEnabled() ? "+" : "-";
        s += " " + w.txtFattori[0].text + "/" + w.txtFattori[1].text + " " + shown(w, "mano(0) mano(1)");
        for (int tick = 0; tick < 2 && w.Timer1.enabled; ++tick) {
            w.Timer1_Timer();
            s += "~" + shown(w, "mano(0) mano(1)");
        }
        s += " " + lavagna(w);
        for (int n : t.p.sound.played)
            s += " " + std::to_string(n);
        EXPECT_EQ(s, atteso);
    }
}

// A child who knows the answer, over every pair of addends below 1000 and a sample of four-digit
// pairs, in turn plain, guided and after "Ripeti"; every 307th pair with a wrong digit at each step:
// the window leads it to the true sum, judges every digit rightly and counts exactly.
TEST(Add2, TheChildIsLedToTheTrueSumAndJudgedRightly) {
    Banco t;
    FrmAdd2& w = t.apri(DaTe);
    t.p.m.Silenzio = 1;
    std::mt19937 gen(20240531);
    std::uniform_int_distribution<long> quattro(1000, 9999);
    for (long n = 0; n < 999 * 999 + 100000; ++n) {
        const bool piccoli = n < 999 * 999;
        const long a = piccoli ? n / 999 + 1 : quattro(gen), b = piccoli ? n % 999 + 1 : quattro(gen);
        ASSERT_EQ(lavora(t.p, w, {a, b}, static_cast<int>(n % 3), n % 307 == 0), "") << a << " + " << b;
    }
}

} // namespace
