// The extended division window: its layout on screen and on paper.
#include "support/Divisione.h"
#include "support/Layout.h"

using namespace testing_support::divisione;

namespace {

// Where everything stands, in twips (left, top, width, height; a line's two ends), and how it looks.
TEST(DivEstesaSetUp, LaysItsWindowOutAsDrawnAndLoadsForEitherChooser) {
    Finestra<FrmDivEstesa> w;
    FrmDivEstesa& f = w.apri(app::DaTe);
    // clang-format off
    const std::string posti = "Label5 240,-120,5955,675 Divisione estesa|Label1 1320,540,1995,555      Clicca e scrivi     (max 4 cifre)|"
        "Label2 3300,540,1995,555      Clicca e scrivi     (max 2 cifre)|txtFattori(0) 2040,1140,1035,405|txtFattori(1) 3960,1140,1035,405|"
        "CmbDividendo 2040,1140,615,315|CmbDivisore 3960,1140,615,315|mano(0) 1380,1080,384,384|mano(1) 3300,1080,384,384|"
        "Check2 5700,900,1395,375|CmdInserisci 5700,1440,1395,495|cmdStampa 7620,1380,1395,495|"
        "CmdRipeti 5700,5100,1395,495|CmdEnd 7620,5100,1395,495|Frame1 7320,2100,1935,2655 Tastierino numerico|"
        "CmdAiuto 720,2040,1095,495|backspace 8040,4140,1095,495|Shape1 7320,180,1935,975|Line5 7320,660,9240,660|"
        "Label6 7380,180,1155,435 Eseguite|lblFatte 8640,180,495,435  0|Label7 7380,660,1035,435 Errori|"
        "lblErrori 8640,660,495,435  0|Image4 900,3840,900,855|lblUao 600,4800,1515,615|"
        "LblRisultato 60,5700,9195,435 Ciao|lblScrivi 60,6180,9195,375|"
        // The board: column c at 1800 + 480 (c - 1); remainder row k and its marks k - 1 columns right,
        // product row k (from the second) k - 2.
        "txtCappello(1) 1800,1620,480,315|RP0(4) 3240,1980,495,225|TxtDividendo(1) 1800,2160,495,285|"
        "TxtDividendo(5) 3240,2160,495,285|Label3 3720,2100,255,375 :|TxtDivisore 3960,2160,615,375|"
        "Label4 4680,2100,375,375 =|TxtQuoziente(4) 6240,2160,375,375|txtMolt1(1) 1800,2415,495,285|"
        "RP1(2) 2280,2775,495,225|txtResto1(3) 2760,2955,495,285|txtMolt2(1) 1800,3255,495,285|"
        "RP2(1) 2280,3660,495,225|txtResto2(1) 2280,3840,495,285|txtMolt3(1) 2280,4095,495,285|"
        "RP3(1) 2760,4500,495,225|txtResto3(1) 2760,4680,495,285|txtMolt4(4) 4200,4935,495,285|"
        "txtResto4(1) 3240,5340,495,285|Line1 1800,2760,2280,2760|Line2 2280,3600,2760,3600|"
        "Line3 2700,4440,3180,4440|Line4 3180,5280,3660,5280";
    // Small bold digits, blue where the child writes; the marks small and red; not-bold marks over the dividend.
    EXPECT_EQ(testing_support::misplaced(f, testing_support::kKeypad + posti) + testing_support::misdrawn(f,
        "TxtDividendo(1) 9.6 bold Comic Sans MS 0 ffc080|txtMolt2(1) 9.6 bold Comic Sans MS c0 ffc080|"
        "TxtQuoziente(1) 9.6 bold Comic Sans MS c0 ffc080|txtCappello(1) 9.6 Comic Sans MS 0 ffc080|"
        "RP2(1) 7.8 bold MS Sans Serif ff0000 ffc080|Label3 14.4 bold Comic Sans MS 0 ffc080|"
        "LblRisultato 14.4 bold Comic Sans MS ff0000 ffffff"), "");
    // clang-format on
    EXPECT_EQ(f.caption + "|" + std::to_string(f.width) + "x" + std::to_string(f.height) + "|" + stato(f) +
                  barre(f),
              "Divisione Estesa|9504x6816|+--+2ggggg|Ciao||- - - -");
    Finestra<FrmDivEstesa> c;
    const FrmDivEstesa& g = c.apri(app::DalComputer);
    EXPECT_EQ(stato(g) + g.Label2.text + g.CmbDivisore.listText(),
              "----2ggggg|Ciao||                      N° cifre divisore1");
}

// The print layout: the board moved right and up, on white, with four bars at fixed places that are
// always printed.
TEST(DivEstesaSetUp, PrintLayout) {
    const exercise::FrmDivEstesaBis layout;
    EXPECT_EQ(layout.caption + " " + std::to_string(layout.width) + "x" + std::to_string(layout.height) +
                  " " + testing_support::shown(layout, "Line1 Line2 Line3 Line4 TxtDividendo(5)"),
              "Form1 9480x6792 Line1 Line2 Line3 Line4");
    // clang-format off
    EXPECT_EQ(testing_support::misplaced(layout, "txtCappello(1) 2880,1320,480,315|TxtDividendo(1) 2880,1860,495,285|"
        "txtMolt2(1) 2880,2955,495,285|RP2(1) 3360,3360,495,225|txtResto4(1) 4320,5040,495,285|Label3 4800,1800,255,375 :|"
        "TxtDivisore 5040,1860,615,375|TxtQuoziente(2) 6600,1860,375,375|Line1 2760,2460,4200,2460|"
        "Line2 2880,3300,4920,3300|Line3 3360,4140,5400,4140|Line4 3720,4980,5880,4980"), "");
    // clang-format on
    for (const forms::Control* c : layout.controls())
        EXPECT_TRUE(c->kind() == forms::ControlKind::Line || c->backColor == 0xFFFFFF) << c->name();
}

} // namespace
