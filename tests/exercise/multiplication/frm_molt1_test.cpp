#include "Molt.h"

#include <vector>

namespace molt_test {
namespace {

using exercise::FrmMolt1;
using exercise::FrmMolt1Bis;

struct Molt1 : ::testing::Test, Banco {
    FrmMolt1& apri1(int chi) { return apri<FrmMolt1>("frmMolt1", chi); }
    FrmMolt1& operazione1(const std::string& a, const std::string& b, bool guidato = false) {
        return operazione<FrmMolt1>("frmMolt1", a, b, guidato);
    }
};

// Carries, first factor, multiplier, product: of the window or of its print layout.
template <class F> std::string lavagna(const F& w) {
    return riga(w.TxtRiporto) + " " + riga(w.TxtPrimoFatt) + " " + riga(w.TxtSecondoFatt) + " " +
           riga(w.TxtProdotto);
}

// Each press from "OK" to the finish, typed or drawn, loud or silent.
TEST(Molt1Dialoghi, StepByStep) {
    struct Caso {
        int a, b;
        bool guidato;
        std::vector<Passo> passi;
    };
    const Caso casi[] = {
        {47,
         6,
         true,
         {{"CmdVai", "6x7= 42|Scrivi 2||Image1| 0| 0|TxtProdotto(0)", "105"},
          {"3", "6x7= 42|Scrivi 2||Image4| 0| 0|TxtProdotto(0)", "103"},
          {"2", "6x7= 42|e riporta  4||Image2| 0| 0|TxtRiporto(1)", "104"},
          {"5", "6x7= 42|e riporta  4||Image4| 0| 0|TxtRiporto(1)", "103"},
          {"4", "6x4+4= 28|Scrivi 8||Image2| 0| 0|TxtProdotto(1)", "104"},
          {"8", "6x4+4= 28|...e  2||Image2| 0| 0|TxtProdotto(2)", "104"},
          {"2", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"}}},
        {47,
         6,
         false,
         {{"CmdVai", "Esegui|||Image1| 0| 0|TxtProdotto(0)", "105"},
          {"3", "Riprova||ops!|Image4| 1| 0|TxtProdotto(0)", "103"},
          {"2", "Bravo||uao!|Image2| 1| 0|TxtRiporto(1)", "104"},
          {"5", "Riprova||ops!|Image4| 2| 0|TxtRiporto(1)", "103"},
          {"4", "Molto bravo||uaoo!|Image2| 2| 0|TxtProdotto(1)", "104"},
          {"8", "Bravo||uao!|Image2| 2| 0|TxtProdotto(2)", "104"},
          {"2", "Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai", "104 101"},
          // A repeat is not counted, neither its errors nor its finish.
          {"CmdProdotto", "Esegui|||Image1| 2| 1|TxtProdotto(0)", "105"},
          {"1", "Riprova||ops!|Image4| 2| 1|TxtProdotto(0)", "103"},
          {"248", "Bravo||uao!|Image2| 2| 1|TxtProdotto(2)", "104 104 104"},
          {"2", "Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai", "104 101"},
          {"CmdProdotto", "Esegui|||Image1| 2| 1|TxtProdotto(0)", "105"}}},
        {7,
         8,
         true,
         {{"CmdVai", "8x7= 56|Scrivi 6||Image1| 0| 0|TxtProdotto(0)", "105"},
          {"6", "8x7= 56|...e  5||Image2| 0| 0|TxtProdotto(1)", "104"},
          {"5", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"}}},
        {25,
         4,
         true,
         {{"CmdVai", "4x5= 20|Scrivi 0||Image1| 0| 0|TxtProdotto(0)", "105"},
          {"0", "4x5= 20|e riporta  2||Image2| 0| 0|TxtRiporto(1)", "104"},
          {"2", "4x2+2= 10|Scrivi 0||Image2| 0| 0|TxtProdotto(1)", "104"},
          {"0", "4x2+2= 10|...e  1||Image2| 0| 0|TxtProdotto(2)", "104"},
          {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"}}},
        {9999,
         9,
         false,
         {{"CmdVai", "Esegui|||Image1| 0| 0|TxtProdotto(0)", "105"},
          {"1898989", "Bravo||uao!|Image2| 0| 0|TxtProdotto(4)", "104 104 104 104 104 104 104"},
          {"8", "Bravissimo|hai finito|uaooo!|Image3| 0| 1|CmdVai", "104 101"}}},
    };
    for (const Caso& c : casi)
        seguiDialogo<FrmMolt1>("frmMolt1", c.a, c.b, c.guidato, c.passi);
}

TEST_F(Molt1, SolutionsAndBars) {
    struct Caso {
        const char *a, *b;
        int barra, colonne;
        const char* lavagna;
    };
    const Caso casi[] = {
        {"1", "1", 5040, 1, "..... ....1 ....1 ....1"},
        {"9999", "9", 3240, 5, ".888. .9999 ....9 89991"}, // no carry cell for the leading 8
        {"25", "4", 4440, 3, "...2. ...25 ....4 ..100"},
        {"4321", "1", 3240, 4, "..... .4321 ....1 .4321"},
        {"0012", "3", 4440, 2, "..... ...12 ....3 ...36"}, // typed zeros are not digits
        {"52", "5", 4440, 3, "...1. ...52 ....5 ..260"},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmMolt1& w = t.operazione<FrmMolt1>("frmMolt1", c.a, c.b, false);
        ASSERT_TRUE(t.premi(w, "CmdRisolvi")) << c.a;
        EXPECT_EQ(w.Line1.left, c.barra) << c.a;
        EXPECT_EQ(std::make_pair(w.Line1.x2, w.Line1.y2), std::make_pair(6120, 3360));
        EXPECT_EQ(w.colonne.NumColonne, c.colonne) << c.a;
        EXPECT_EQ(lavagna(w), c.lavagna) << c.a;
        EXPECT_EQ(stato(w), "Fatto|||Image1| 0| 0|CmdProdotto") << c.a;
        EXPECT_FALSE(w.Frame1.isEnabled());
        EXPECT_EQ(t.p.sound.played, (std::vector<int>{102, 102, 105, 105}));
    }
}

// From a window just opened, after the presses: the entry boxes, the board, the focus and
// who chooses now.
TEST_F(Molt1, EntryLimitsAndRefusals) {
    struct Caso {
        int chi;
        const char *premi, *caselle, *lavagna, *focus;
        int sceglie;
    };
    const char* vuota = "..... ..... ..... .....";
    const Caso casi[] = {
        {DaTe, "txtFattori(0) 12345", "1234|", vuota, "txtFattori(0)", DaTe},
        {DaTe, "txtFattori(1) 12", "|1", vuota, "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) 47 txtFattori(1) 0 CmdVai", "47|0", vuota, "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(1) 6 txtFattori(0) 0 CmdVai", "0|6", vuota, "txtFattori(0)", DaTe},
        {DaTe, "txtFattori(0) 47 CmdVai", "47|", vuota, "txtFattori(0)", DaTe},
        {DaTe, "txtFattori(0) =4a txtFattori(1) 6 CmdVai", "4a|6", vuota, "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) =12345 txtFattori(1) 6 CmdVai", "12345|6", vuota, "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) 47 txtFattori(1) =12 CmdVai", "47|12", vuota, "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) 47 txtFattori(1) 6 CmdVai", "|", "..... ...47 ....6 .....", "TxtProdotto(0)",
         app::InEsecuzione},
        // The boxes were emptied by the accepted press: a second one is refused.
        {DaTe, "txtFattori(0) 47 txtFattori(1) 6 CmdVai 2 CmdVai", "|", vuota, "txtFattori(1)", DaTe},
        {DalComputer, "CmdVai CmdVai", "|", "..... .1001 ....2 .....", "TxtProdotto(0)", DalComputer},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmMolt1& w = t.apri<FrmMolt1>("frmMolt1", c.chi);
        w.CmbNPF.listIndex = 3;
        t.p.random.script = {4700, 6, 1001, 2};
        ASSERT_TRUE(t.premi(w, c.premi)) << c.premi;
        EXPECT_EQ(w.txtFattori[0].text + "|" + w.txtFattori[1].text, c.caselle) << c.premi;
        EXPECT_EQ(lavagna(w), c.lavagna) << c.premi;
        EXPECT_EQ(w.focus()->name(), c.focus) << c.premi;
        EXPECT_EQ(t.p.m.ChiSceglie, c.sceglie) << c.premi;
        EXPECT_EQ(w.cmdStampa.enabled, c.lavagna != std::string(vuota)) << c.premi;
        if (c.chi == DalComputer) { // four digits, and one
            EXPECT_EQ(t.p.random.asked,
                      (std::vector<std::pair<int, int>>{{1000, 9999}, {1, 9}, {1000, 9999}, {1, 9}}));
        }
    }
}

TEST_F(Molt1, LoadsForChildOrComputer) {
    const std::pair<int, const char*> casi[] = {
        {DaTe,
         "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (max 4 cifre)/Clicca e scrivi (max 1 cifra)/ "
         "[12341] backspace keypad"},
        {DalComputer,
         "Ciao|||Image2| 0| 0|CmbNPF N° cifre primo fattore/N° cifre secondo fattore/11 [12341]"},
    };
    for (const auto& [chi, atteso] : casi) {
        Banco t;
        EXPECT_EQ(caricata(t.apri<FrmMolt1>("frmMolt1", chi)), atteso);
    }
}

// The places of the window and of its print layout.
TEST_F(Molt1, Layout) {
    FrmMolt1& w = apri1(DaTe);
    const FrmMolt1Bis carta;
    const std::pair<const forms::Control*, const char*> posti[] = {
        {&w.Label5, "60,60 6555x855"},
        {&w.Check2, "900,1320 1575x375"},
        {&w.Label1, "60,1860 3015x255"},
        {&w.mano[0], "480,2100 384x384"},
        {&w.txtFattori[0], "1140,2160 1035x405"},
        {&w.CmbNPF, "1380,2160 615x315"},
        {&w.Label2, "60,2580 3015x255"},
        {&w.mano[1], "480,2820 384x384"},
        {&w.txtFattori[1], "1140,2880 1035x405"},
        {&w.CmbNSF, "1380,2880 615x315"},
        {&w.CmdVai, "960,3420 1395x495"},
        {&w.Image1, "1260,4260 900x855"},
        {&w.Image4, "1260,4260 900x855"},
        {&w.LblRisultato, "2760,4560 3735x615"},
        {&w.lblScrivi, "2760,5220 3735x615"},
        {&w.lblUao, "1020,5280 1515x615"},
        {&w.CmdProdotto, "7380,4860 1395x495"},
        {&w.TxtRiporto[0], "5520,1560 615x495"},
        {&w.TxtRiporto[4], "3120,1560 615x495"},
        {&w.TxtPrimoFatt[1], "4920,2040 615x615"},
        {&w.TxtSecondoFatt[0], "5520,2640 615x615"},
        {&w.TxtProdotto[0], "5520,3480 615x735"},
        {&w.TxtProdotto[4], "3120,3480 615x735"},
        {&w.Label3, "6120,2160 495x495"},
        {&w.Label4, "6120,2520 495x615"},
        {&carta.TxtRiporto[0], "5520,1800 615x495"},
        {&carta.TxtPrimoFatt[3], "3720,2280 615x615"},
        {&carta.TxtSecondoFatt[0], "5520,2880 615x615"},
        {&carta.TxtProdotto[4], "3120,3720 615x735"},
        {&carta.Line1, "3120,3600-6120,3600"},
        {&carta.Label3, "6120,2400 495x495"},
        {&carta.Label4, "6120,2760 495x615"},
    };
    for (const auto& [c, atteso] : posti)
        EXPECT_EQ(posto(*c), atteso) << c->name();
    // Texts, fonts and colours: caption|points|bold|colour|background
    const std::pair<const forms::Control*, const char*> aspetti[] = {
        {&w.Label3, "X|18|0|0|ffc080"},
        {&w.Label4, "=|24|0|0|ffc080"},
        {&w.Label5, "Moltiplicazione semplice|27.6|1|ff|ffc080"},
        {&w.TxtRiporto[2], "|15.6|1|ff0000|ffc080"},
        {&w.TxtPrimoFatt[2], "|21.6|1|0|ffc080"},
        {&w.TxtProdotto[2], "|21.6|1|c0|ffc080"},
        {&carta.TxtProdotto[2], "|21.6|1|c0|ffffff"},
        {&carta.Label3, "X|18|0|0|ffffff"},
    };
    for (const auto& [c, atteso] : aspetti) {
        std::ostringstream s;
        s << c->text << "|" << c->font.points << "|" << c->font.bold << "|" << std::hex << c->foreColor << "|"
          << (c->kind() == forms::ControlKind::Label && c->transparent ? 0xFFC080u : c->backColor);
        EXPECT_EQ(s.str(), atteso) << c->name();
    }
    EXPECT_EQ(w.caption + " " + std::to_string(w.width) + "x" + std::to_string(w.height),
              "Moltiplicazione semplice 9504x6816");
    EXPECT_EQ(carta.caption + " " + std::to_string(carta.width) + "x" + std::to_string(carta.height),
              "Form1 9480x6792");
}

TEST_F(Molt1, PrintsTheBoardAsItStands) {
    FrmMolt1& w = operazione1("9999", "9");
    ASSERT_TRUE(
        premi(w, "cmdStampa CmdRisolvi cmdStampa txtFattori(0) 47 txtFattori(1) 6 CmdVai 24 cmdStampa"));
    std::vector<std::string> pagine;
    for (const auto& pagina : p.printer.pages) {
        FrmMolt1Bis carta; // the page, read back
        for (const auto& [nome, testo] : pagina)
            carta.find(nome)->text = testo;
        pagine.push_back(lavagna(carta));
    }
    EXPECT_EQ(pagine, (std::vector<std::string>{"..... .9999 ....9 .....", ".888. .9999 ....9 89991",
                                                "...4. ...47 ....6 ....2"}));
}

TEST_F(Molt1, ListsAndTheGuideClearTheBoard) {
    struct Caso {
        int chi;
        const char* premi;
        bool timer, contare;
        const char* focus;
    };
    const Caso casi[] = {
        {DalComputer, "^CmbNSF", false, false, "CmbNSF"}, // opening a list stops the blinking hand
        {DalComputer, "Check2", true, false, "CmdVai"},
        {DalComputer, "CmdVai ^CmbNSF", false, true, "CmbNSF"},
        {DalComputer, "CmdVai Check2", false, true, "CmdVai"}, // the guide box leaves the count alone
        {DaTe, "txtFattori(0) 47 txtFattori(1) 6 CmdVai Check2", false, true, "txtFattori(1)"},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmMolt1& w = t.apri<FrmMolt1>("frmMolt1", c.chi);
        ASSERT_TRUE(t.premi(w, c.premi));
        EXPECT_EQ(lavagna(w), "..... ..... ..... .....") << c.premi;
        EXPECT_EQ(w.Timer1.enabled, c.timer) << c.premi;
        EXPECT_EQ(t.p.m.DaContare == 1, c.contare) << c.premi;
        EXPECT_FALSE(w.CmdProdotto.enabled || w.cmdStampa.enabled) << c.premi;
        EXPECT_EQ(w.focus()->name(), c.focus) << c.premi;
    }
}

} // namespace
} // namespace molt_test
