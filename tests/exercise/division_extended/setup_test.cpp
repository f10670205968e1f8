#include "DivEstesa.h"

#include "support/Layout.h"

#include <array>
#include <tuple>
#include <vector>

using namespace div_estesa_test;

namespace {

const char* const kDomanda =
    "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca sulla cifra scelta.|";

// The four bars: "x1-x2@y" where shown, "-" where hidden.
std::string barre(const FrmDivEstesa& f) {
    std::string s;
    for (const forms::Control* l : {&f.Line1, &f.Line2, &f.Line3, &f.Line4})
        s += (l->visible ? std::to_string(l->left) + "-" + std::to_string(l->x2) + "@" + std::to_string(l->y2)
                         : "-") +
             (l != &f.Line4 ? " " : "");
    return s;
}

// No digit on the board, no bar, no question open.
void vuota(const FrmDivEstesa& f) {
    for (const forms::Control* c : f.controls())
        EXPECT_TRUE(c->kind() != forms::ControlKind::Cell || c->text.empty()) << c->name();
    EXPECT_EQ(barre(f), "- - - -");
    EXPECT_EQ(f.TastierinoAttivo + f.FaseQuoziente + f.FaseProdotto + f.FaseResto + f.FaseTrasferimento, 0);
    EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
}

// Where everything stands, in twips (left, top, width, height; a line's two ends), and how it looks.
TEST(DivEstesaSetUp, LaysItsWindowOutAsDrawnAndLoadsForEitherChooser) {
    Finestra w;
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
    EXPECT_EQ(testing_support::misplaced(f, testing_support::kKeypad + posti), "");
    // Small bold digits, blue where the child writes; the marks small and red; not-bold marks over the dividend.
    std::string fonti;
    for (const forms::Control* c : {&f.TxtDividendo[1], &f.txtMolt2[1], &f.TxtQuoziente[1], &f.txtCappello[1],
                                    &f.RP2[1], &f.Label3, &f.LblRisultato})
        fonti += c->font.family + " " + std::to_string(int(c->font.points * 10)) + (c->font.bold ? "b " : " ") +
                 std::to_string(c->foreColor) + "|";
    EXPECT_EQ(fonti, "Comic Sans MS 96b 0|Comic Sans MS 96b 192|Comic Sans MS 96b 192|Comic Sans MS 96 0|"
                     "MS Sans Serif 78b 16711680|Comic Sans MS 144b 0|Comic Sans MS 144b 16711680|");
    // clang-format on
    EXPECT_EQ(f.caption + "|" + std::to_string(f.width) + "x" + std::to_string(f.height) + "|" + stato(f),
              "Divisione Estesa|9504x6816|+--+2ggggg|Ciao||");
    vuota(f);
    Finestra c;
    const FrmDivEstesa& g = c.apri(app::DalComputer);
    EXPECT_EQ(stato(g) + g.Label2.text + g.CmbDivisore.listText(),
              "----2ggggg|Ciao||                      N° cifre divisore1");
}

// Over an operation under way, typed operands refused or accepted, and the computer's choice of
// lengths: the window at a glance, the dividend, the divisor and the entry boxes, the sounds. Every
// set-up, repetition and solution says "ready" (105) once, in either mode. On every refusal neither
// "Soluzione", "Ripeti" nor the ten digits change anything: a refused choice leaves the keypad off.
TEST(DivEstesaSetUp, RefusesWhatCannotBeDividedAndSetsUpTheRest) {
    const std::string no = "+--+2ggggg|||/.... ", si = std::string(kDomanda) + "/";
    // clang-format off
    const std::pair<const char*, std::string> casi[] = {
        {"0:5", no + "0:5"}, {":5", no + ":5"}, {"5:12", no + "5:12"}, {"1:9", no + "1:9"}, {"12:0", no + "12:0"},
        {"12:", no + "12:"}, {"0045:05", si + "45..5 :"}, {"98765:123", si + "987612 :"}, // four and two digits
        {"7:7", "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca sulla prima cifra.|/7...7 :"},
        // The computer's lengths: a one-digit dividend with a two-digit divisor is refused.
        {"1/2", "----2eeeee|||/.... :"}, {"1/1", si + "8...8 :"}, {"4/2", si + "945399 :"}};
    // clang-format on
    for (const auto& [azione, atteso] : casi) {
        const std::string a = azione;
        const bool computer = a[1] == '/', accettato = atteso[5] == 'e' && atteso[11] != '|',
                   guidato = a == "7:7";
        Finestra w;
        FrmDivEstesa& f = w.apri(computer ? app::DalComputer : app::DaTe);
        SCOPED_TRACE(a);
        w.p.random.script = {945, 7};
        if (computer) {
            f.Check2.checked = false;
            ASSERT_TRUE(w.p.click(f, "CmdInserisci") && w.clicca(1));
            f.CmbDividendo.listIndex = a[0] - '1';
            f.CmbDivisore.listIndex = a[2] - '1';
            w.p.random.script = {a == "4/2" ? 9453 : 8, a == "4/2" ? 99 : 8};
        } else {
            w.scrivi("945", "7", guidato);
            ASSERT_TRUE(w.clicca(1));
            w.scrivi(a.substr(0, a.find(':')), a.substr(a.find(':') + 1), guidato, false);
        }
        const auto vedi = [&] {
            return stato(f) + "/" + riga(f.TxtDividendo) + f.TxtDivisore.text + " " + f.txtFattori[0].text +
                   ":" + f.txtFattori[1].text;
        };
        const int errori = w.p.m.NumErrori;
        // Set up, repeated, solved and repeated: "ready" once each time.
        for (const char* bottone : {"CmdInserisci", "CmdRipeti", "CmdAiuto", "CmdRipeti"}) {
            w.p.sound.played.clear();
            w.p.event([&] { f.find(bottone)->onClick(); });
            if (std::string(bottone) == "CmdInserisci") {
                EXPECT_EQ(vedi(), atteso);
            }
            EXPECT_EQ(w.p.sound.played, accettato ? std::vector<int>{105} : std::vector<int>{}) << bottone;
            for (int d = 0; d <= 9 && computer && !accettato; ++d)
                w.p.click(f, "Cmd_" + std::to_string(d));
        }
        if (accettato) continue;
        EXPECT_EQ(vedi(), atteso);
        EXPECT_EQ(w.p.m.NumErrori, errori);
        vuota(f);
    }
}

// The finished board that "Soluzione" shows: marks over the dividend, quotient, then each product
// row and remainder row; the borrow marks; the dividend cells greyed under a mark; the bars.
TEST(DivEstesaSolver, WorkedExamplesFillTheBoardWithMarksAndBars) {
    // clang-format off
    const std::tuple<int, int, const char*, const char*, const char*, const char*> esempi[] = {
        {945, 7, "^vv. 135. 7.../24.. 21../35.. 35../0... ..../....", "....|....|....|....", "eeegg",
         "1800-2280@2760 1800-2760@3600 2280-3240@4440 -"},
        // A 0 that lends and borrows shows 9.
        {1000, 99, "^^^v 10.. .99./..10 ...0/.10. ..../.... ..../....", "0910.|....|....|....", "gggeg",
         "1800-3240@2760 2760-3720@3600 - -"},
        // The tens mark of a three-digit product in the first step keeps its blank.
        {2000, 22, "^^^v 90.. 198./..20 ...0/.20. ..../.... ..../....", "1 910.|....|....|....", "gggeg",
         "1800-3240@2760 2760-3720@3600 - -"},
        {4200, 22, "^^vv 190. 22../200. 198./.20. ..0./20.. ..../....", "....|1910.|....|....", "eeeeg",
         "1800-2760@2760 1800-3240@3600 2760-3720@4440 -"},
        // A one-digit product is taken away in the head: no marks.
        {12, 7, "^^.. 1... .7../.5.. ..../.... ..../.... ..../....", "....|....|....|....", "eeggg",
         "1800-2760@2760 - - -"},
        {9876, 3, "^vvv 3292 9.../08.. .6../27.. 27../06.. .6../0...", "....|....|....|....", "eeeeg",
         "1800-2280@2760 2280-2760@3600 2280-3240@4440 3240-3720@5280"},
        // The tens digit equal to the product's, after lending to the units, borrows too.
        {193, 97, "^^^. 1... .97./.96. ..../.... ..../.... ..../....", "01813.|....|....|....", "ggggg",
         "1800-3240@2760 - - -"},
        {290, 97, "^^^. 2... 194./.96. ..../.... ..../.... ..../....", "1 1810.|....|....|....", "ggggg",
         "1800-3240@2760 - - -"},
        {1300, 93, "^^^v 13.. .93./.370 .279/.91. ..../.... ..../....", "01210.|.21610|....|....", "gggeg",
         "1800-3240@2760 2280-3720@3600 - -"}};
    // clang-format on
    for (const auto& [dividendo, divisore, tavola, marchi, dividendoGrigio, linee] : esempi) {
        Finestra w;
        FrmDivEstesa& f = w.apri(app::DaTe);
        SCOPED_TRACE(std::to_string(dividendo) + ":" + std::to_string(divisore));
        EXPECT_EQ(aMano(dividendo, divisore).lavagna, tavola); // the sweep's own answers
        w.scrivi(std::to_string(dividendo), std::to_string(divisore), false);
        ASSERT_TRUE(w.p.click(f, "CmdAiuto"));
        EXPECT_EQ(lavagna(f), tavola);
        EXPECT_EQ(segni(f), marchi);
        EXPECT_EQ(stato(f), "-++-1" + std::string(dividendoGrigio) + "|Fatto||");
        EXPECT_EQ(barre(f), linee);
        EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
        EXPECT_EQ(f.focus(), &f.CmdRipeti);
        // The work cells stay greyed with their digits; the mark rows are never greyed.
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(!f.TxtQuoziente[i].enabled && !f.txtMolt1[i].enabled && !f.txtResto4[i].enabled &&
                        f.RP0[i].enabled && f.RP3[i].enabled);
    }
}

} // namespace
