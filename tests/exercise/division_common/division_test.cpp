// The two division windows: each one's layout on screen and on paper; what both do alike, worked
// examples read word for word with "Soluzione" at every point, the refusals and the draws; and every
// pair they accept worked through.
#include "support/Divisione.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using app::DalComputer;
using app::DaTe;
using exercise::FinestraDivisione;
using exercise::FrmDivCompatta;
using exercise::FrmDivEstesa;
using testing_support::Program;
using namespace testing_support::divisione;

const char* const kFinestre[] = {"frmDivCompatta", "frmDivEstesa"};

// Cells 1..4 of the row named, read from the left as the division windows number them: their texts
// ('.' an empty one), or with grigie whether each is greyed ('g') or not ('e').
std::string riga(const forms::Form& f, const std::string& nome, bool grigie = false) {
    std::string s;
    for (int i = 1; i <= 4; ++i)
        if (const forms::Control* c = f.find(nome + "(" + std::to_string(i) + ")"))
            s += grigie ? (c->enabled ? "e" : "g") : c->text.empty() ? "." : c->text;
    return s;
}

// The keypad, "Ripeti" and print enabled and backspace shown ('+' or '-'), the face shown (1 neutral,
// 2 smiling, 3 laughing, 4 sad), then the result line, the hint line and the exclamation.
std::string stato(const FinestraDivisione& f) {
    std::string s;
    for (bool b : {f.Frame1.enabled, f.CmdRipeti.enabled, f.cmdStampa.enabled, f.backspace.visible})
        s += b ? '+' : '-';
    for (const forms::Control* faccia : {&f.Image1, &f.Image2, &f.Image3, &f.Image4})
        if (faccia->visible) s += faccia->name().back();
    return s + "|" + f.LblRisultato.text + "|" + f.lblScrivi.text + "|" + f.lblUao.text;
}

// The board: the marks over the dividend, the quotient, each step's product row (extended) '/' its
// remainder row; each mark row k that holds a mark, as "k:" its cells; which cells are greyed, of the
// dividend, of remainder rows 1..3, then of the quotient, row 4 and the product rows; the extended
// window's bars from x1 to x2 ('-' hidden).
std::string lavagna(const forms::Form& f) {
    const bool estesa = f.find("txtMolt1(1)") != nullptr;
    std::string s = riga(f, "txtCappello") + " " + riga(f, "TxtQuoziente");
    for (const char k : {'1', '2', '3', '4'})
        s += " " + (estesa ? riga(f, std::string("txtMolt") + k) + "/" : "") +
             riga(f, std::string("txtResto") + k);
    for (int k = 0; f.find("RP" + std::to_string(k) + "(1)") != nullptr; ++k)
        if (const std::string r = riga(f, "RP" + std::to_string(k)); r != "....")
            s += " " + std::to_string(k) + ":" + r;
    s += " ";
    for (const char* r : {"TxtDividendo", "txtResto1", "txtResto2", "txtResto3", "TxtQuoziente", "txtResto4",
                          "txtMolt1", "txtMolt2", "txtMolt3", "txtMolt4"})
        if (f.find(std::string(r) + "(1)") != nullptr) s += riga(f, r, true);
    for (const char k : {'1', '2', '3', '4'})
        if (const forms::Control* l = estesa ? f.find(std::string("Line") + k) : nullptr)
            s += l->visible ? " " + std::to_string(l->left) + "-" + std::to_string(l->x2) : " -";
    return s;
}

// Prints; the cells that the page does not show as the window does ("" when all agree; the compact
// window's marks stay off paper).
std::string nonStampate(Program& p, forms::Form& f) {
    if (!p.click(f, "cmdStampa")) return "not printed";
    std::string s;
    for (const forms::Control* c : f.controls())
        if (c->kind() == forms::ControlKind::Cell &&
            p.printer.pages.back().at(c->name()) !=
                (c->name().starts_with("RP") && !f.find("Line4") ? "" : c->text))
            s += c->name() + " ";
    return s;
}

// A division window opened from the start window's choice, pressed as premi() does.
struct Finestra {
    Program p;
    FinestraDivisione& f;
    Finestra(const std::string& nome, int chi) : f((p.m.ChiSceglie = chi, p.open<FinestraDivisione>(nome))) {}
    bool premi(const std::string& tasti) { return testing_support::premi(p, f, tasti); }
    std::string suoni() { // the sounds played since the last call, by number
        std::string s;
        for (int n : std::exchange(p.sound.played, {}))
            s += std::to_string(n) + ",";
        return s;
    }
};

// Each window and its print layout as drawn: every control's place in twips (a line's two ends),
// text and looks, for either chooser ('@' the captions over the operands); the size, the state at
// load and the lists; opening a list stops the blinking hand. On paper the board moves, on white;
// the extended page's bars always stand, the window's only once a step is worked.
TEST(DivFinestre, LoadAsDrawnForEitherChooser) {
    // clang-format off
    const std::string destra = testing_support::kKeypad +
        "cmdStampa 7620,1380,1395,495|Frame1 7320,2100,1935,2655 Tastierino numerico|CmdAiuto 720,2040,1095,495|"
        "backspace 8040,4140,1095,495|Shape1 7320,180,1935,975|Label6 7380,180,1155,435 Eseguite|lblFatte 8640,180,495,435  0|"
        "Label7 7380,660,1035,435 Errori|lblErrori 8640,660,495,435  0|CmdAiuto \"Mostra la soluzione\"|Timer1 500 ms|";
    const char* const operandi[] = {"     Clicca e scrivi     (max 4 cifre)", "     Clicca e scrivi     (max 2 cifre)",
                                    "                     N° cifre dividendo", "                      N° cifre divisore"};
    const std::tuple<const char*, std::string, const char*, const char*, std::string> finestre[] = {
        {"frmDivCompatta",
         "Label5 120,0,6675,795 Divisione compatta|Label1 1440,900,1995,555 @|Label2 3360,900,1995,555 @|"
         "txtFattori(0) 2160,1500,1035,405|txtFattori(1) 4080,1500,1035,405|CmbDividendo 2160,1500,615,315|"
         "CmbDivisore 4080,1500,615,315|mano(0) 1500,1440,384,384|mano(1) 3420,1440,384,384|Check2 5640,1020,1395,375|"
         "CmdInserisci 5640,1560,1395,495|CmdRipeti 5640,4920,1395,495|CmdEnd 7560,4920,1395,495|Image1 960,3720,900,855|"
         "Image4 960,3720,900,855|lblUao 600,4620,1515,615|LblRisultato 420,5580,8595,525 Ciao|lblScrivi 420,6120,8595,465|"
         "Line2 7320,660,9240,660|"
         // Column c at 1680 + 480 (c - 1), the marks over the dividend 60 twips left; remainder row k
         // and its marks k - 1 columns right, 600 twips below the row above.
         "txtCappello(1) 1680,1980,480,330|RP0(4) 3060,2280,495,225|TxtDividendo(1) 1680,2460,495,435|"
         "TxtDividendo(5) 3120,2460,495,405|Label3 3660,2400,315,495 :|TxtDivisore 3960,2460,795,435|"
         "Label4 4800,2400,375,495 =|TxtQuoziente(4) 6660,2460,495,435|RP1(2) 2160,2880,495,225|txtResto1(3) 2640,3060,495,435|"
         "txtResto2(1) 2160,3660,495,435|RP4(1) 3120,4680,495,225|txtResto4(2) 3600,4860,495,435",
         "lblScrivi 18 bold Comic Sans MS ff0000 ffffff|LblRisultato 18 bold Comic Sans MS ff0000 ffffff|RP1(2) 7.8 bold MS Sans Serif ff0000 ffc080|txtResto2(1) 14.4 bold Comic Sans MS c0 ffc080|Label3 21.6 bold Times New Roman 0 ffc080",
         "txtCappello(1) 2340,1680,480,330|TxtDividendo(2) 2820,2160,495,435|TxtDivisore 4620,2160,795,405|"
         "TxtQuoziente(1) 5880,2160,495,405|RP3(2) 3780,3780,495,225|txtResto4(4) 5220,4560,495,435|Label4 5460,2100,375,495 =",
         "Divisione Compatta|9516x6828||"},
        {"frmDivEstesa",
         "Label5 240,-120,5955,675 Divisione estesa|Label1 1320,540,1995,555 @|Label2 3300,540,1995,555 @|"
         "txtFattori(0) 2040,1140,1035,405|txtFattori(1) 3960,1140,1035,405|CmbDividendo 2040,1140,615,315|"
         "CmbDivisore 3960,1140,615,315|mano(0) 1380,1080,384,384|mano(1) 3300,1080,384,384|Check2 5700,900,1395,375|"
         "CmdInserisci 5700,1440,1395,495|CmdRipeti 5700,5100,1395,495|CmdEnd 7620,5100,1395,495|Image1 900,3840,900,855|"
         "Image4 900,3840,900,855|lblUao 600,4800,1515,615|LblRisultato 60,5700,9195,435 Ciao|lblScrivi 60,6180,9195,375|"
         "Line5 7320,660,9240,660|"
         // Column c at 1800 + 480 (c - 1); remainder row k and its marks k - 1 columns right, product
         // row k (from the second) k - 2.
         "txtCappello(1) 1800,1620,480,315|RP0(4) 3240,1980,495,225|TxtDividendo(1) 1800,2160,495,285|"
         "TxtDividendo(5) 3240,2160,495,285|Label3 3720,2100,255,375 :|TxtDivisore 3960,2160,615,375|"
         "Label4 4680,2100,375,375 =|TxtQuoziente(4) 6240,2160,375,375|txtMolt1(1) 1800,2415,495,285|RP1(2) 2280,2775,495,225|"
         "txtResto1(3) 2760,2955,495,285|txtMolt2(1) 1800,3255,495,285|RP2(1) 2280,3660,495,225|txtResto2(1) 2280,3840,495,285|"
         "txtResto3(1) 2760,4680,495,285|txtMolt4(4) 4200,4935,495,285|txtResto4(1) 3240,5340,495,285|"
         "Line1 1800,2760,2280,2760|Line2 2280,3600,2760,3600|Line3 2700,4440,3180,4440|Line4 3180,5280,3660,5280",
         "lblScrivi 14.4 bold Comic Sans MS ff0000 ffffff|RP2(1) 7.8 bold MS Sans Serif ff0000 ffc080|txtMolt2(1) 9.6 bold Comic Sans MS c0 ffc080|txtCappello(1) 9.6 Comic Sans MS 0 ffc080",
         "txtCappello(1) 2880,1320,480,315|TxtDividendo(1) 2880,1860,495,285|txtMolt2(1) 2880,2955,495,285|"
         "RP2(1) 3360,3360,495,225|txtResto4(1) 4320,5040,495,285|Label3 4800,1800,255,375 :|TxtDivisore 5040,1860,615,375|"
         "TxtQuoziente(2) 6600,1860,375,375|Line1 2760,2460,4200,2460|Line2 2880,3300,4920,3300|Line3 3360,4140,5400,4140|"
         "Line4 3720,4980,5880,4980",
         "Divisione Estesa|9504x6816|Form1|Line1 Line2 Line3 Line4"}};
    // clang-format on
    for (const auto& [nome, posti, aspetto, carta, testata] : finestre)
        for (const int chi : {DaTe, DalComputer}) {
            Finestra w(nome, chi);
            std::string tavola = destra + posti;
            for (const int i : {0, 1})
                tavola.replace(tavola.find('@'), 1, operandi[2 * (chi == DalComputer) + i]);
            const forms::Form& pagina = w.p.forms.load(std::string(nome) + "_bis");
            EXPECT_EQ(testing_support::misplaced(w.f, tavola) + testing_support::misplaced(w.f, aspetto) +
                          testing_support::misplaced(pagina, carta) + w.f.caption + "|" +
                          std::to_string(w.f.width) + "x" + std::to_string(w.f.height) + "|" +
                          pagina.caption + "|" +
                          testing_support::shown(pagina, "Line1 Line2 Line3 Line4 TxtDividendo(5)") + "|" +
                          testing_support::shown(w.f, "Line1 Line3 Line4") + stato(w.f) +
                          w.f.CmbDividendo.listText() + w.f.CmbDivisore.listText() +
                          (w.f.Timer1.enabled ? " ~" : ""),
                      testata + (chi == DaTe ? "|+--+2|Ciao|| ~" : "|----2|Ciao||11 ~"));
            for (const forms::Control* c : pagina.controls())
                EXPECT_TRUE(c->kind() == forms::ControlKind::Line || c->backColor == 0xFFFFFF) << c->name();
            EXPECT_TRUE(w.premi("^CmbDividendo") && !w.f.Timer1.enabled);
        }
}

// Worked examples typed by the child, guided or not: "Soluzione" before the first click, after it
// and after each digit but the last (each one typed after a wrong one, counted when not guided),
// then the whole dialogue. Solved: the board with its marks, bars and greyed cells, keypad off, focus
// on "Ripeti", one 105, nothing answering, the page as the board; "Ripeti" sets it up anew. Worked:
// before each digit the result line and, past the '|', the hint or the exclamation; at the end the
// marks and greyed cells, and the count.
TEST(DivEsempi, HintsWordForWordAndSoluzioneAtEveryPoint) {
    const std::string T = "Che cifra devo trasferire ?|", BT = "Bravo. " + T, Q = "Bravo. Quoziente ?|",
                      R = "Bravo. Quanto è il resto ?|", P = "Bravo. Quanto è il prodotto ?|",
                      RE = "Bravo. Adesso calcoliamo il resto.|", E = "eeeeeeeeeeeeeeee";
    // The board; its marks and greyed dividend cells when solved; the bars; the marks and greyed cells
    // at the dialogue's end and the dialogue, where it is read.
    struct Esempio {
        int finestra, dividendo, divisore, guidato;
        std::string tavola, risolta, barre, fine = "";
        std::vector<std::string> passi = {};
    };
    // clang-format off
    const Esempio esempi[] = {
        // One blank after "allo"; "all'" before 8, with no blank before a first partial dividend.
        {0, 808, 4, 1, "^vv. 202. 00.. 08.. 0... ....", "eeeg", "", E, {"Clicca sulla prima cifra.", " 8: 4= 2|Scrivi  2",
          " 2x 4= 8 all'8 -->  0|Scrivi  0", T + "Scrivi  0", " 0: 4= 0|Scrivi  0", " 0x 4= 0 allo 0 -->  0|Scrivi  0",
          T + "Scrivi  8", " 8: 4= 2|Scrivi  2", " 2x 4= 8 all' 8 -->  0|Scrivi  0"}},
        // A later 11, and a later partial dividend from 80 to 89, take "all'" with a blank.
        {0, 61, 5, 1, "^v.. 12.. 11.. 1... .... ....", "eegg", "", E, {"Clicca sulla prima cifra.", " 6: 5= 1|Scrivi  1",
          " 1x 5= 5 al 6 -->  1|Scrivi  1", T + "Scrivi  1", " 11: 5= 2|Scrivi  2", " 2x 5= 10 all' 11 -->  1|Scrivi  1"}},
        {0, 175, 9, 1, "^^v. 19.. .85. .4.. .... ....", "eeeg", "", E, {"Clicca sulla seconda cifra.", " 17: 9= 1|Scrivi  1",
          " 1x 9= 9 al 17 -->  8|Scrivi  8", T + "Scrivi  5", " 85: 9= 9|Scrivi  9", " 9x 9= 81 all' 85 -->  4|Scrivi  4"}},
        // Two-digit divisors: the units column, borrowing tens marked in red, then the tens column,
        // read from 80 to 89 with "all'"; step 2 marks over remainder row 1 and the digit brought down.
        {0, 875, 96, 1, "^^^. 9... .11. .... .... ....", "eeeg", "", "0:. 82 55. gggeeeeeeeeeeeee", {"Clicca sulla terza cifra.",
          " 875: 96= 9|Scrivi  9", " 9x6= 54 al  55 --> 1|Scrivi 1", " 9x9= 81 all' 82 --> 1|Scrivi 1"}},
        {0, 1000, 99, 1, "^^^v 10.. ..10 .10. .... ....", "eeee", "", "0:. 9 10. gggeeeeeeeeeeeee", {"Clicca sulla terza cifra.",
          " 100: 99= 1|Scrivi  1", " 1x9= 9 al  10 --> 1|Scrivi 1", T + "Scrivi  0", " 10: 99= 0|Scrivi  0",
          " 0x9= 0 allo 0 --> 0|Scrivi 0", " 0x9= 0 all' 1 --> 1|Scrivi 1"}},
        {0, 845, 23, 1, "^^v. 36.. 155. 17.. .... ....", "eeeg", "", "0: 7 14.. 1:. 13 25. ggeegggeeeeeeeee",
          {"Clicca sulla seconda cifra.", " 84: 23= 3|Scrivi  3", " 3x3= 9 al  14 --> 5|Scrivi 5",
          " 3x2= 6 al  7 --> 1|Scrivi 1", T + "Scrivi  5", " 155: 23= 6|Scrivi  6", " 6x3= 18 al  25 --> 7|Scrivi 7",
          " 6x2= 12 al  13 --> 1|Scrivi 1"}},
        {0, 845, 23, 0, "^^v. 36.. 155. 17.. .... ....", "eeeg", "", E, {"Clicca sulla cifra scelta.", Q + "uaoo!", R + "uao!",
          "Bravo|uaoo!", BT + "uaoo!", Q + "uaoo!", R + "uaoo!", "Bravo|uaoo!"}},
        // The units borrow stops as soon as it reaches the product: 2 borrows one ten, up to 12.
        {0, 92, 23, 1, "^^.. 4... .0.. .... .... ....", "eegg", "", "0: 8 12.. ggeeeeeeeeeeeeee", {"Clicca sulla seconda cifra.",
          " 92: 23= 4|Scrivi  4", " 4x3= 12 al  12 --> 0|Scrivi 0"}},
        {0, 32, 16, 1, "^^.. 2... .0.. .... .... ....", "eegg", "", "0: 2 12.. ggeeeeeeeeeeeeee", {"Clicca sulla seconda cifra.",
          " 32: 16= 2|Scrivi  2", " 2x6= 12 al  12 --> 0|Scrivi 0"}},
        {0, 9999, 1, 0, "^vvv 9999 09.. 09.. 09.. 0...", "eeee", ""},
        {0, 7, 7, 1, "^... 1... 0... .... .... ....", "eggg", ""},
        {1, 945, 7, 1, "^vv. 135. 7.../24.. 21../35.. 35../0... ..../....", "eeeg", " 1800-2280 1800-2760 2280-3240 -", E,
          {"Clicca sulla prima cifra.", " 9: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 9-7= 2|Scrivi  2", T + "Scrivi  4",
          " 24: 7= 3|Scrivi  3", " 3x 7= 21|Scrivi  1", " 3x 7= 21|...e  2", " 4-1= 3|Scrivi  3", T + "Scrivi  5",
          " 35: 7= 5|Scrivi  5", " 5x 7= 35|Scrivi  5", " 5x 7= 35|...e  3", " 5-5= 0|Scrivi  0"}},
        // A three-digit product: the carry, then the hundreds; the tens column of the remainder under
        // the product's middle digit. Then the exclamations of every kind of product, in every step.
        {1, 370, 42, 1, "^^^. 8... 336./.34. ..../.... ..../.... ..../....", "0:. 610. eggg", " 1800-3240 - - -",
          "0:. 610. eggeeeeeeeeeeeee", {"Clicca sulla terza cifra.", " 370: 42= 8|Scrivi  8", " 8x2= 16|Scrivi 6 (e riporta  1)",
          " 8x4+ 1 (che riportavo) = 33|Scrivi 3", " 8x4+ 1 (che riportavo) = 33|...e 3", " 10-6= 4|Scrivi  4",
          " 6-3= 3|Scrivi  3"}},
        {1, 370, 42, 0, "^^^. 8... 336./.34. ..../.... ..../.... ..../....", "0:. 610. eggg", " 1800-3240 - - -", E,
          {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uaoo!", "Bravo|uaoo!", RE + "uaoo!", "Bravo|uao!"}},
        {1, 92, 13, 0, "^^.. 7... 91../.1.. ..../.... ..../.... ..../....", "eegg", " 1800-2760 - - -", E,
          {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uao!", RE + "uaoo!"}},
        {1, 9999, 2, 0, "^vvv 4999 8.../19.. 18../19.. 18../19.. 18../1...", "eeee", " 1800-2280 1800-2760 2280-3240 2760-3720",
          E, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", RE + "uao!", BT + "uaoo!", Q + "uao!", P + "uao!",
          "Bravo|uaoo!", RE + "uao!", BT + "uaoo!", Q + "uaoo!", P + "uao!", "Bravo|uao!", RE + "uao!", BT + "uaoo!", Q + "uao!",
          P + "uao!", "Bravo|uaoo!", RE + "uao!"}},
        // A units product of 10 carries too; the units borrow and the tens column of a two-digit
        // remainder; borrows over the first and second remainder rows.
        {1, 50, 25, 1, "^^.. 2... 50../.0.. ..../.... ..../.... ..../....", "eegg", " 1800-2760 - - -", E,
          {"Clicca sulla seconda cifra.", " 50: 25= 2|Scrivi  2", " 2x5= 10|Scrivi 0 (e riporta  1)",
          " 2x2+ 1 (che riportavo) = 5|Scrivi 5", " 0-0= 0|Scrivi  0"}},
        {1, 91, 39, 1, "^^.. 2... 78../13.. ..../.... ..../.... ..../....", "0:811.. gggg", " 1800-2760 - - -",
          "0:811.. ggeeeeeeeeeeeeee", {"Clicca sulla seconda cifra.", " 91: 39= 2|Scrivi  2", " 2x9= 18|Scrivi 8 (e riporta  1)",
          " 2x3+ 1 (che riportavo) = 7|Scrivi 7", " 11-8= 3|Scrivi  3", " 8-7= 1|Scrivi  1"}},
        {1, 1000, 7, 1, "^^vv 142. .7../.30. .28./.20. .14./.6.. ..../....", "1:.210. 2:.110. eeee",
          " 1800-2760 2280-3240 2760-3720 -", "1:.210. 2:.110. eeeeeggeeggeeeee", {"Clicca sulla seconda cifra.",
          " 10: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 10-7= 3|Scrivi  3", T + "Scrivi  0", " 30: 7= 4|Scrivi  4",
          " 4x 7= 28|Scrivi  8", " 4x 7= 28|...e  2", " 10-8= 2|Scrivi  2", T + "Scrivi  0", " 20: 7= 2|Scrivi  2",
          " 2x 7= 14|Scrivi  4", " 2x 7= 14|...e  1", " 10-4= 6|Scrivi  6"}},
        // A 0 that lends and borrows shows 9; the tens mark of a three-digit product in the first step
        // keeps its blank.
        {1, 1000, 99, 0, "^^^v 10.. .99./..10 ...0/.10. ..../.... ..../....", "0:0910. ggge", " 1800-3240 2760-3720 - -"},
        // The last step borrows: its marks stand in the last mark row.
        {1, 9080, 9, 0, "^vvv 1008 9.../00.. .0../08.. .0../80.. 72../8...", "3:710.. eeee",
         " 1800-2280 2280-2760 2760-3240 2760-3720"},
        {1, 2000, 22, 1, "^^^v 90.. 198./..20 ...0/.20. ..../.... ..../....", "0:1 910. ggge", " 1800-3240 2760-3720 - -"},
        // So does a later step's tens borrow, written by the child as on the finished board; a tens
        // digit that only lends to the units shows a plain digit, a tens 0 that lends on for a
        // one-digit remainder a plain 9.
        {1, 3751, 49, 1, "^^^v 76.. 343./.321 .294/.27. ..../.... ..../....", "1:.2 1111 eeee", " 1800-3240 2280-3720 - -",
          "1:.2 1111 eeeeegggeeeeeeee", {"Clicca sulla terza cifra.", " 375: 49= 7|Scrivi  7", " 7x9= 63|Scrivi 3 (e riporta  6)",
          " 7x4+ 6 (che riportavo) = 34|Scrivi 4", " 7x4+ 6 (che riportavo) = 34|...e 3", " 5-3= 2|Scrivi  2",
          " 7-4= 3|Scrivi  3", T + "Scrivi  1", " 321: 49= 6|Scrivi  6", " 6x9= 54|Scrivi 4 (e riporta  5)",
          " 6x4+ 5 (che riportavo) = 29|Scrivi 9", " 6x4+ 5 (che riportavo) = 29|...e 2", " 11-4= 7|Scrivi  7",
          " 11-9= 2|Scrivi  2"}},
        {1, 1000, 21, 0, "^^^v 47.. .84./.160 .147/.13. ..../.... ..../....", "0:0910. 1:..510 ggge", " 1800-3240 2280-3720 - -"},
        // A remainder of 10 after a tens borrow: that mark too is a number; a product of 100: the tens
        // column under its middle 0.
        {1, 595, 39, 1, "^^v. 15.. 39../205. 195./10.. ..../.... ..../....", "1:1 10.. eeeg", " 1800-2760 1800-3240 - -",
          "1:1 10.. eeeeggeeeeeeeeee", {"Clicca sulla seconda cifra.", " 59: 39= 1|Scrivi  1", " 1x9= 9|Scrivi 9",
          " 1x3= 3|Scrivi 3", " 9-9= 0|Scrivi  0", " 5-3= 2|Scrivi  2", T + "Scrivi  5", " 205: 39= 5|Scrivi  5",
          " 5x9= 45|Scrivi 5 (e riporta  4)", " 5x3+ 4 (che riportavo) = 19|Scrivi 9",
          " 5x3+ 4 (che riportavo) = 19|...e 1", " 5-5= 0|Scrivi  0", " 10-9= 1|Scrivi  1"}},
        {1, 110, 25, 1, "^^^. 4... 100./.10. ..../.... ..../.... ..../....", "eeeg", " 1800-3240 - - -", E,
          {"Clicca sulla terza cifra.", " 110: 25= 4|Scrivi  4", " 4x5= 20|Scrivi 0 (e riporta  2)",
          " 4x2+ 2 (che riportavo) = 10|Scrivi 0", " 4x2+ 2 (che riportavo) = 10|...e 1", " 0-0= 0|Scrivi  0",
          " 1-0= 1|Scrivi  1"}},
        {1, 4200, 22, 1, "^^vv 190. 22../200. 198./.20. ..0./20.. ..../....", "1:1910. eeee", " 1800-2760 1800-3240 2760-3720 -"}};
    // clang-format on
    for (const Esempio& e : esempi) {
        const AMano a = aMano(e.dividendo, e.divisore);
        const std::string &cifre = a.cifre[e.finestra], tavola = e.tavola + " ";
        for (std::size_t fermata = 0; fermata <= cifre.size() + !e.passi.empty(); ++fermata) {
            SCOPED_TRACE(e.tavola + (e.guidato ? " guided " : " ") + std::to_string(fermata));
            Finestra w(kFinestre[e.finestra], DaTe);
            FinestraDivisione& f = w.f;
            f.Check2.checked = e.guidato;
            ASSERT_TRUE(w.premi("txtFattori(0) " + std::to_string(e.dividendo) + " txtFattori(1) " +
                                std::to_string(e.divisore) + " CmdInserisci"));
            std::vector<std::string> letti{f.lblScrivi.text};
            ASSERT_TRUE(fermata == 0 || w.premi("TxtDividendo(" + std::to_string(a.cella) + ")"));
            for (std::size_t i = 0; i + 1 < fermata && i < cifre.size(); ++i) {
                letti.push_back(f.LblRisultato.text + "|" + f.lblScrivi.text + f.lblUao.text);
                ASSERT_TRUE(w.premi(std::string(cifre[i] == '9' ? "8 " : "9 ") + cifre[i]));
            }
            const std::string conti = std::to_string(e.guidato ? 0 : std::max(int(fermata), 1) - 1) + " ";
            w.suoni();
            if (fermata > cifre.size()) {
                EXPECT_EQ(letti, e.passi);
                EXPECT_EQ(stato(f) + " " + lavagna(f) + f.focus()->name() + std::to_string(w.p.m.NumErrori) +
                              " " + std::to_string(w.p.m.NumEseguite) + w.suoni() + nonStampate(w.p, f),
                          "-++-3|Bravissimo|hai finito|uaooo! " + tavola + e.fine +
                              std::string(e.finestra ? 24 : 8, 'e') + e.barre + "CmdInserisci" + conti +
                              (e.guidato ? "0" : "1"));
                break;
            }
            ASSERT_TRUE(w.premi("CmdAiuto"));
            const std::string risolta =
                "-++-1|Fatto|| " + tavola + e.risolta + std::string(e.finestra ? 36 : 20, 'g') + e.barre;
            EXPECT_EQ(stato(f) + " " + lavagna(f) + f.focus()->name() + w.suoni(), risolta + "CmdRipeti105,");
            EXPECT_FALSE(w.premi("TxtDividendo(" + std::to_string(a.cella) + ") " + cifre[0]));
            EXPECT_EQ(stato(f) + " " + lavagna(f) + nonStampate(w.p, f) + std::to_string(w.p.m.NumErrori) +
                          " " + std::to_string(w.p.m.NumEseguite) + w.suoni(),
                      risolta + conti + "0");
            // "Ripeti" sets it up anew: an empty board with no mark and no bar, on the page too.
            ASSERT_TRUE(w.premi("CmdRipeti"));
            EXPECT_TRUE(stato(f).starts_with("+++-") && nonStampate(w.p, f).empty() &&
                        lavagna(f).find_first_of("0123456789:") == std::string::npos)
                << lavagna(f);
        }
    }
}

// From a window where 945 : 7 stands with its first quotient digit written (typed by the child, or
// drawn), after the presses ("CmbDivisore=2" picks a list's second item): the window at a glance, the
// dividend cells and whether they are greyed, the divisor, the entry boxes, the focus, the sounds,
// and the bounds of each draw, the first pair not dividing. The extended window's own expectation
// follows where it differs.
TEST(DivScelta, RefusesWhatCannotBeDividedAndSetsUpTheRest) {
    // clang-format off
    const std::string no = "+--+2|||/....gggg ", q = "+++-1|Quante cifre del dividendo devo considerare ?|Clicca sulla ",
                      T = "txtFattori(0) ", U = " txtFattori(1) ", OK = " CmdInserisci";
    const std::tuple<int, std::string, std::string, std::string> casi[] = {
        {DaTe, "txtFattori(0)", no + ": txtFattori(0) 102,", ""}, {DaTe, "Check2", no + ": txtFattori(1) 102,", ""},
        {DaTe, "CmdInserisci", "+--+2|||/....eeee : txtFattori(1) ", ""}, {DaTe, U + "5" + OK, no + ":5 txtFattori(1) 102,", ""},
        {DaTe, T + "0" + U + "5" + OK, no + "0:5 txtFattori(1) 102,102,", ""}, {DaTe, T + "1" + U + "9" + OK, no + "1:9 txtFattori(1) 102,102,", ""},
        {DaTe, T + "5" + U + "12" + OK, no + "5:12 txtFattori(1) 102,102,", ""}, {DaTe, T + "12" + U + "0" + OK, no + "12:0 txtFattori(1) 102,102,", ""},
        {DaTe, T + "0045" + U + "05" + OK, q + "seconda cifra.|/45..eeee5 : CmdInserisci 102,102,105,", ""},
        {DaTe, T + "98765" + U + "123" + OK, q + "seconda cifra.|/9876eeee12 : CmdInserisci 102,102,105,", ""},
        {DaTe, "Check2 " + T + "7" + U + "7" + OK + " CmdRipeti", q + "cifra scelta.|/7...eggg7 : CmdRipeti 102,102,102,105,105,", ""},
        // Choosing a list's item leaves the board as it was and switches the keypad off.
        {DalComputer, "^CmbDividendo", "----2|||/....eeee : CmbDividendo 102,", ""}, {DalComputer, "CmbDividendo=3", "----2|||/945.eeee7 : CmbDividendo ", ""},
        {DalComputer, "Check2", "----2|||/....gggg : CmdInserisci 102,", ""}, {DalComputer, "CmbDivisore=2" + OK, "----2|||/....eeee : CmdInserisci ", ""},
        // Guided, the compact window repeats silently.
        {DalComputer, "CmdRipeti", "+++-2" + q.substr(5) + "prima cifra.|/945.eeeg7 : CmdRipeti ", q + "prima cifra.|/945.eeeg7 : CmdRipeti 105,"},
        {DalComputer, "CmbDividendo=2 CmbDivisore=2" + OK, q + "seconda cifra.|/10..eeee10 : CmdInserisci 105,[10,99][10,99][10,99][10,99]", ""},
        {DalComputer, "CmbDividendo=3 Check2" + OK, q + "cifra scelta.|/100.eeee1 : CmdInserisci 102,105,[100,999][1,9][100,999][1,9]", ""},
        {DalComputer, "CmbDividendo=4 CmbDivisore=2 Check2" + OK + " CmdRipeti",
         q + "cifra scelta.|/1000eeee10 : CmdRipeti 102,105,105,[1000,9999][10,99][1000,9999][10,99]", ""}};
    // clang-format on
    for (int estesa = 0; estesa < 2; ++estesa)
        for (const auto& [chi, tasti, atteso, propria] : casi) {
            Finestra w(kFinestre[estesa], chi);
            FinestraDivisione& f = w.f;
            w.p.random.script = {945, 7, 10, 99}; // then a pair that does not divide, then the lower bounds
            ASSERT_TRUE(w.premi((chi == DaTe ? "txtFattori(0) 945 txtFattori(1) 7 " : "") +
                                std::string("CmdInserisci TxtDividendo(1) 1")));
            w.suoni(), w.p.random.asked.clear();
            std::istringstream in(tasti);
            std::string s;
            for (std::string t; in >> t && s.empty();) {
                if (t.starts_with("Cmb") && t.find('=') != std::string::npos) {
                    forms::Control& lista = *f.find(t.substr(0, t.find('=')));
                    lista.listIndex = t.back() - '1';
                    w.p.event(lista.onClick);
                } else if (!w.premi(t)) {
                    s = t + " not pressed ";
                }
            }
            s += stato(f) + "/" + riga(f, "TxtDividendo") + riga(f, "TxtDividendo", true) +
                 f.find("TxtDivisore")->text + " " + f.txtFattori[0].text + ":" + f.txtFattori[1].text + " " +
                 f.focus()->name() + " " + w.suoni();
            for (const auto& [da, a] : w.p.random.asked)
                s += "[" + std::to_string(da) + "," + std::to_string(a) + "]";
            EXPECT_EQ(s, estesa && !propria.empty() ? propria : atteso) << kFinestre[estesa] << " " << tasti;
        }
}

// Every cell's text, each one closed by a '|'.
std::string testi(const forms::Form& f) {
    std::string s;
    for (const forms::Control* c : f.controls())
        if (c->kind() == forms::ControlKind::Cell) s += c->text + "|";
    return s;
}

// Both windows of a kind, plain and guided, worked through dividends da..a - 1 with every divisor
// they accept by a child who never errs but, on some pairs, first clicks every wrong dividend cell and
// types a wrong digit before each right one; half of those pairs in the plain window follow
// "Ripeti", and only the plain window counts what is not repeated. Before each digit the cell asked
// is an empty one, after a 104 and a smile; guided, the hint asks for that digit, in the extended
// window a remainder digit after its column worked on paper. The end: "Bravissimo", 101, then nothing
// answers; the extended window's bars under each partial dividend; guided, its finished board as
// "Soluzione" shows it, the marks those worked on paper, in the compact window those done in the head.
template <class W> void spazza(const char* nome, int da, int a) {
    Finestra finestre[2]{{nome, DaTe}, {nome, DaTe}};
    finestre[0].f.Check2.checked = false; // plain; the other guided
    int eseguite = 0;
    for (int dividendo = da; dividendo < a; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            const AMano m = aMano(dividendo, divisore);
            InColonna sottrazione;
            if constexpr (kEstesa<W>) sottrazione = inColonna(m, divisore);
            const int sbaglia = dividendo % 7 != 0 ? -1 : dividendo / 7 % 2; // the window that errs
            const bool ripeti = sbaglia == 0 && divisore % 2 == 0;
            for (int g = 0; g < 2; ++g) {
                W& f = static_cast<W&>(finestre[g].f);
                app::Module1& m1 = finestre[g].p.m;
                std::vector<int>& suoni = finestre[g].p.sound.played;
                const int errori = m1.NumErrori, conta = g == 0 && !ripeti;
                f.txtFattori[0].text = std::to_string(dividendo);
                f.txtFattori[1].text = std::to_string(divisore);
                f.CmdInserisci_Click();
                if (g == 0 && ripeti) f.CmdRipeti_Click();
                for (int i = 1; i <= 4 && g == sbaglia; ++i)
                    if (i != m.cella) f.TxtDividendo_Click(i);
                f.TxtDividendo_Click(m.cella);
                std::size_t e = 0;
                int passi = 0;
                const auto giusta = [&](const forms::Control& c) {
                    // Guided, "Scrivi  d" or "...e d" asks for it, a remainder digit after its column.
                    const std::size_t i = e++;
                    const char cifra = m.cifre[kEstesa<W>][i];
                    const bool attesa = c.text.empty() && f.Image2.visible && suoni.back() == 104 &&
                                        (g == 0 || f.lblScrivi.text.find(cifra) < 10) &&
                                        (!kEstesa<W> || g == 0 || sottrazione.colonne[i].empty() ||
                                         f.LblRisultato.text == sottrazione.colonne[i]);
                    return attesa ? cifra - '0' : -1;
                };
                ASSERT_EQ(testing_support::lavora(f, giusta, g == sbaglia, passi), "")
                    << dividendo << ":" << divisore << " " << g << " " << f.LblRisultato.text << "|"
                    << f.lblScrivi.text;
                const std::size_t suonati = suoni.size();
                f.Cmd_Click(1); // after the finish nothing answers
                eseguite += conta;
                ASSERT_TRUE(stato(f) == "-++-3|Bravissimo|hai finito|uaooo!" && suoni.back() == 101 &&
                            suoni.size() == suonati && std::size_t(passi) == m.cifre[kEstesa<W>].size() &&
                            m1.NumErrori - errori == (g == sbaglia && conta ? 3 + passi : 0) &&
                            finestre[0].p.m.NumEseguite == eseguite)
                    << dividendo << ":" << divisore << " " << g << " " << stato(f);
                // The bars under each partial dividend's digits, the first step's from the first column.
                for (std::size_t k = 1; k <= m.passi.size(); ++k)
                    if constexpr (kEstesa<W>) {
                        const int fine = m.cella + int(k) - 1,
                                  cifre = int(std::to_string(m.passi[k - 1]).size());
                        const forms::Control& l = f.Line(int(k));
                        ASSERT_TRUE(l.visible && l.left == 1800 + 480 * (k == 1 ? 0 : fine - cifre) &&
                                    l.x2 == 1800 + 480 * fine && l.y2 == 2760 + 840 * int(k - 1))
                            << dividendo << ":" << divisore << " " << k;
                    }
                if (g == 1) {
                    std::string segni;
                    for (int k = 0; k < 4; ++k)
                        for (int i = 1; i <= 4; ++i)
                            (segni += f.RP(k)[i].text) += '|';
                    ASSERT_EQ(segni, kEstesa<W> ? sottrazione.segni : inTesta(m, divisore))
                        << dividendo << ":" << divisore;
                    if constexpr (kEstesa<W>) {
                        const std::string scritta = testi(f);
                        f.CmdAiuto_Click();
                        ASSERT_EQ(testi(f), scritta) << dividendo << ":" << divisore;
                    }
                }
            }
        }
    }
    // The counters as the child reads them: a blank, then the number.
    EXPECT_EQ(finestre[0].f.lblFatte.text + "|" + finestre[0].f.lblErrori.text,
              " " + std::to_string(eseguite) + "| " + std::to_string(finestre[0].p.m.NumErrori));
}

// All 985,050 pairs in both windows, split by dividend into parts that run side by side.
class DivSweep : public testing::TestWithParam<int> {};

TEST_P(DivSweep, EveryAcceptedPairIsWorkedThroughInBothWindowsAndModes) {
    const int da = GetParam() == 0 ? 1 : 100 + 9900 * GetParam() / 8, a = 100 + 9900 * (GetParam() + 1) / 8;
    spazza<FrmDivCompatta>(kFinestre[0], da, a);
    spazza<FrmDivEstesa>(kFinestre[1], da, a);
}

INSTANTIATE_TEST_SUITE_P(Parti, DivSweep, testing::Range(0, 8));

} // namespace
