#include "Molt.h"

#include <vector>

namespace molt_test {
namespace {

using exercise::FrmMolt2;
using exercise::FrmMolt2Bis;

// Carries of rows 1 and 2, the factors, the carries of the sum, rows 1 and 2, the result.
template <class F> std::string lavagna(const F& w) {
    std::string s;
    for (const forms::ControlArray* r : {&w.TxtRiporto1, &w.TxtRiporto2, &w.TxtPrimoFatt, &w.TxtSecondoFatt,
                                         &w.TxtRiporto3, &w.TxtProdotto1, &w.TxtProdotto2, &w.TxtProdotto3})
        s += (s.empty() ? "" : " ") + riga(*r);
    return s;
}

// Which carry row shows over the first factor: "1", "2", or "12" (cells 0..3 alike).
std::string riportiMostrati(const FrmMolt2& w) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += std::string(w.TxtRiporto1[i].visible ? "1" : "") + (w.TxtRiporto2[i].visible ? "2" : "") + " ";
    return s + (w.TxtRiporto1[4].visible && w.TxtRiporto2[4].visible ? "" : "cell 4 switched");
}

TEST(Molt2Dialoghi, StepByStep) {
    struct Caso {
        int a, b;
        bool guidato;
        std::vector<Passo> passi;
    };
    const Caso casi[] = {
        {34,
         12,
         true,
         {{"CmdVai", "2x4= 8|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)", "105"},
          {"8", " 2x 3= 6|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)", "104"},
          {"6", " 1x 4= 4|Scrivi 4||Image2| 0| 0|TxtProdotto2(1)", "104"},
          {"4", " 1x 3= 3|Scrivi 3||Image2| 0| 0|TxtProdotto2(2)", "104"},
          {"3", " 8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)", "104"},
          {"8", " 6+ 4= 10|Scrivi 0||Image2| 0| 0|TxtProdotto3(1)", "104"},
          {"0", " 6+ 4= 10| e riporta  1||Image2| 0| 0|TxtRiporto3(2)", "104"},
          {"1", " 1+ 0+ 3= 4|Scrivi 4||Image2| 0| 0|TxtProdotto3(2)", ""}, // a quiet carry
          {"4", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
          // Guided, "Ripeti" leaves the exclamation up beside the first hint.
          {"CmdProdotto", "2x4= 8|Scrivi 8|uaooo!|Image1| 0| 0|TxtProdotto1(0)", "105"},
          // Asked again, the step's hint writes its numbers as every later hint does.
          {"7", " 2x 4= 8|Scrivi 8|uaooo!|Image4| 0| 0|TxtProdotto1(0)", "103"},
          {"86", " 1x 4= 4|Scrivi 4|uaooo!|Image2| 0| 0|TxtProdotto2(1)", "104 104"}}},
        {56,
         23,
         true,
         {{"CmdVai", "3x6= 18|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)", "105"},
          {"8", "3x6= 18|e riporta  1||Image2| 0| 0|TxtRiporto1(1)", "104"},
          {"1", " 3x 5+ 1= 16|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)", "104"},
          {"6", " 3x 5+ 1= 16|...e  1||Image2| 0| 0|TxtProdotto1(2)", "104"},
          {"1", " 2x 6= 12|Scrivi 2||Image2| 0| 0|TxtProdotto2(1)", "104"},
          {"2", " 2x 6= 12| e riporta  1||Image2| 0| 0|TxtRiporto2(1)", "104"},
          {"5", " 2x 6= 12| e riporta  1||Image4| 0| 0|TxtRiporto2(1)", "103"},
          {"1", " 2x 5+ 1= 11|Scrivi 1||Image4| 0| 0|TxtProdotto2(2)", ""}, // no face change either
          {"1", " 2x 5+ 1= 11|...e  1||Image2| 0| 0|TxtProdotto2(3)", "104"},
          {"1", " 8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)", "104"},
          {"8", " 6+ 2= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)", "104"},
          {"8", " 1+ 1= 2|Scrivi 2||Image2| 0| 0|TxtProdotto3(2)", "104"},
          {"2", " 0+ 1= 1|Scrivi 1||Image2| 0| 0|TxtProdotto3(3)", "104"},
          {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"}}},
        {99,
         19,
         true,
         {{"CmdVai", "9x9= 81|Scrivi 1||Image1| 0| 0|TxtProdotto1(0)", "105"},
          {"1", "9x9= 81|e riporta  8||Image2| 0| 0|TxtRiporto1(1)", "104"},
          {"8", " 9x 9+ 8= 89|Scrivi 9||Image2| 0| 0|TxtProdotto1(1)", "104"},
          {"9", " 9x 9+ 8= 89|...e  8||Image2| 0| 0|TxtProdotto1(2)", "104"},
          {"8", " 1x 9= 9|Scrivi 9||Image2| 0| 0|TxtProdotto2(1)", "104"},
          {"99", " 1+ 0= 1|Scrivi 1||Image2| 0| 0|TxtProdotto3(0)", "104 104"},
          {"1", " 9+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)", "104"},
          {"8", " 9+ 9= 18| e riporta  1||Image2| 0| 0|TxtRiporto3(2)", "104"},
          {"1", " 1+ 8+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(2)", ""},
          // The top column's overflow: its digit above, "Scrivi" left from the column before.
          {"8", "...e  1|Scrivi 8||Image2| 0| 0|TxtProdotto3(3)", "104"},
          {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"}}},
        {99,
         19,
         false,
         {{"CmdVai", "Esegui|||Image1| 0| 0|TxtProdotto1(0)", "105"},
          {"1", "Bravo||uao!|Image2| 0| 0|TxtRiporto1(1)", "104"},
          {"8", "Molto bravo||uaoo!|Image2| 0| 0|TxtProdotto1(1)", "104"},
          {"98", "Esegui|||Image2| 0| 0|TxtProdotto2(1)", "104 104"},
          {"5", "Riprova||ops!|Image4| 1| 0|TxtProdotto2(1)", "103"},
          {"9", "Bravo||uao!|Image2| 1| 0|TxtProdotto2(2)", "104"},
          {"9", "Esegui|||Image2| 1| 0|TxtProdotto3(0)", "104"},
          {"18", "Bravo||uao!|Image2| 1| 0|TxtRiporto3(2)", "104 104"},
          {"2", "Riprova||ops!|Image4| 2| 0|TxtRiporto3(2)", "103"},
          {"1", "Molto bravo||uaoo!|Image2| 2| 0|TxtProdotto3(2)", "104"},
          {"8", "Bravo||uao!|Image2| 2| 0|TxtProdotto3(3)", "104"},
          {"1", "Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai", "104 101"},
          {"CmdProdotto", "Esegui|||Image1| 2| 1|TxtProdotto1(0)", "105"}}},
    };
    for (const Caso& c : casi)
        seguiDialogo<FrmMolt2>("frmMolt2", c.a, c.b, c.guidato, c.passi);
}

struct Molt2 : ::testing::Test, Banco {
    FrmMolt2& operazione2(const std::string& a, const std::string& b, bool guidato = false) {
        return operazione<FrmMolt2>("frmMolt2", a, b, guidato);
    }
};

TEST_F(Molt2, SolutionsRowsAndBars) {
    struct Caso {
        const char *a, *b;
        int barra, colonne1, colonne2, colonne3;
        const char* lavagna;
    };
    const Caso casi[] = {
        {"12", "34", 4440, 2, 2, 3, "..... ..... ...12 ...34 ..1.. ...48 ..36. ..408"},
        {"99", "99", 4440, 3, 3, 4, "...8. ...8. ...99 ...99 .11.. ..891 .891. .9801"},
        {"99", "19", 4440, 3, 2, 4, "...8. ..... ...99 ...19 ..1.. ..891 ..99. .1881"},
        {"999", "99", 3840, 4, 4, 5, "..88. ..88. ..999 ...99 111.. .8991 8991. 98901"},
        {"100", "10", 3840, 3, 3, 4, "..... ..... ..100 ...10 ..... ..000 .100. .1000"},
        {"034", "12", 4440, 2, 2, 3, "..... ..... ...34 ...12 ..1.. ...68 ..34. ..408"},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmMolt2& w = t.operazione<FrmMolt2>("frmMolt2", c.a, c.b, false);
        ASSERT_TRUE(t.premi(w, "CmdRisolvi")) << c.a;
        EXPECT_EQ(posto(w.Line1), std::to_string(c.barra) + ",2760-6120,2760") << c.a;
        EXPECT_EQ(std::vector<int>({w.riga1.NumColonne, w.riga2.NumColonne, w.somma.NumColonne}),
                  std::vector<int>({c.colonne1, c.colonne2, c.colonne3}))
            << c.a;
        EXPECT_EQ(lavagna(w), c.lavagna) << c.a;
        EXPECT_EQ(riportiMostrati(w), "1 1 1 1 ") << c.a;
        EXPECT_EQ(stato(w), "Fatto|||Image1| 0| 0|CmdProdotto") << c.a;
        EXPECT_FALSE(w.Frame1.isEnabled());
        EXPECT_EQ(t.p.sound.played, (std::vector<int>{102, 102, 105, 105}));
    }
}

TEST_F(Molt2, CarryRowsShowInTurn) {
    FrmMolt2& w = apri<FrmMolt2>("frmMolt2", DaTe);
    EXPECT_EQ(riportiMostrati(w), "12 12 12 12 ");
    ASSERT_TRUE(premi(w, "txtFattori(0) 56 txtFattori(1) 23 CmdVai"));
    EXPECT_EQ(riportiMostrati(w), "1 1 1 1 ");
    ASSERT_TRUE(premi(w, "816"));
    EXPECT_EQ(riportiMostrati(w), "1 1 1 1 ");
    ASSERT_TRUE(premi(w, "1")); // row 1 done
    EXPECT_EQ(riportiMostrati(w), "2 2 2 2 ");
    ASSERT_TRUE(premi(w, "2111 8821"));
    EXPECT_EQ(riportiMostrati(w), "2 2 2 2 ");
    EXPECT_EQ(lavagna(w), "...1. ...1. ...56 ...23 ..... ..168 .112. .1288");
    // The page shows the first row's carries over the first factor.
    ASSERT_TRUE(premi(w, "cmdStampa CmdProdotto"));
    EXPECT_EQ(riportiMostrati(w), "1 1 1 1 ");
    ASSERT_TRUE(premi(w, "CmdRisolvi cmdStampa"));
    std::vector<std::string> pagine;
    for (const auto& pagina : p.printer.pages) {
        FrmMolt2Bis carta;
        for (const auto& [nome, testo] : pagina)
            carta.find(nome)->text = testo;
        pagine.push_back(lavagna(carta));
    }
    EXPECT_EQ(pagine, (std::vector<std::string>{"...1. ..... ...56 ...23 ..... ..168 .112. .1288",
                                                "...1. ..... ...56 ...23 ..... ..168 .112. .1288"}));
}

// From a window just opened, after the presses: the entry boxes, the board, the focus and
// who chooses now.
TEST_F(Molt2, EntryLimitsAndRefusals) {
    struct Caso {
        int chi;
        const char *premi, *caselle, *fattori, *focus;
        int sceglie;
    };
    const Caso casi[] = {
        {DaTe, "txtFattori(0) 1234", "123|", "..... .....", "txtFattori(0)", DaTe},
        {DaTe, "txtFattori(1) 123", "|12", "..... .....", "txtFattori(1)", DaTe},
        // Fewer than two digits: refused, the focus stays on "OK".
        {DaTe, "txtFattori(0) 7 txtFattori(1) 34 CmdVai", "7|34", "..... .....", "CmdVai", DaTe},
        {DaTe, "txtFattori(0) 05 txtFattori(1) 34 CmdVai", "05|34", "..... .....", "CmdVai", DaTe},
        {DaTe, "txtFattori(0) 34 txtFattori(1) 05 CmdVai", "34|05", "..... .....", "CmdVai", DaTe},
        // 0 or nothing: refused, the focus back to the active box.
        {DaTe, "txtFattori(1) 34 txtFattori(0) 0 CmdVai", "0|34", "..... .....", "txtFattori(0)", DaTe},
        {DaTe, "txtFattori(0) 34 txtFattori(1) CmdVai", "34|", "..... .....", "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) =1000 txtFattori(1) 12 CmdVai", "1000|12", "..... .....", "txtFattori(1)",
         DaTe},
        {DaTe, "txtFattori(0) =+34 txtFattori(1) 12 CmdVai", "+34|12", "..... .....", "txtFattori(1)", DaTe},
        {DaTe, "txtFattori(0) 034 txtFattori(1) 12 CmdVai", "|", "...34 ...12", "TxtProdotto1(0)",
         app::InEsecuzione},
        {DaTe, "txtFattori(0) 34 txtFattori(1) 12 CmdVai CmdVai", "|", "..... .....", "txtFattori(1)", DaTe},
        {DalComputer, "CmdVai CmdVai", "|", "..100 ...10", "TxtProdotto1(0)", DalComputer},
    };
    for (const Caso& c : casi) {
        Banco t;
        FrmMolt2& w = t.apri<FrmMolt2>("frmMolt2", c.chi);
        w.CmbNPF.listIndex = 1;
        t.p.random.script = {345, 67};
        ASSERT_TRUE(t.premi(w, c.premi)) << c.premi;
        EXPECT_EQ(w.txtFattori[0].text + "|" + w.txtFattori[1].text, c.caselle) << c.premi;
        EXPECT_EQ(riga(w.TxtPrimoFatt) + " " + riga(w.TxtSecondoFatt), c.fattori) << c.premi;
        EXPECT_EQ(w.focus()->name(), c.focus) << c.premi;
        EXPECT_EQ(t.p.m.ChiSceglie, c.sceglie) << c.premi;
        const bool accettata = c.sceglie != DaTe;
        EXPECT_EQ(w.cmdStampa.enabled && w.CmdProdotto.enabled, accettata) << c.premi;
        EXPECT_EQ(w.backspace.visible, c.chi == DaTe && !accettata) << c.premi;
        EXPECT_TRUE(w.Frame1.isEnabled()) << c.premi;
        if (c.chi == DalComputer) { // three digits, and two
            EXPECT_EQ(t.p.random.asked,
                      (std::vector<std::pair<int, int>>{{100, 999}, {10, 99}, {100, 999}, {10, 99}}));
        }
    }
}

TEST_F(Molt2, LoadsForChildOrComputer) {
    const std::pair<int, const char*> casi[] = {
        {DaTe,
         "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (min 2 cifre)/Clicca e scrivi (min 2 cifre)/ "
         "[232] backspace keypad"},
        {DalComputer, "Ciao|||Image2| 0| 0|CmbNPF N° cifre primo fattore/N° cifre secondo fattore/22 [232]"},
    };
    for (const auto& [chi, atteso] : casi) {
        Banco t;
        FrmMolt2& w = t.apri<FrmMolt2>("frmMolt2", chi);
        EXPECT_EQ(caricata(w), atteso);
        EXPECT_EQ(lavagna(w), "..... ..... ..... ..... ..... ..... ..... .....");
    }
}

TEST_F(Molt2, Layout) {
    FrmMolt2& w = apri<FrmMolt2>("frmMolt2", DaTe);
    const FrmMolt2Bis carta;
    const std::pair<const forms::Control*, const char*> posti[] = {
        {&w.Label5, "60,0 6795x795"},
        {&w.Label1, "60,1860 2895x255"},
        {&w.Label2, "60,2580 2895x255"},
        {&w.txtFattori[1], "1140,2880 1035x405"},
        {&w.CmbNSF, "1380,2880 615x315"},
        {&w.CmdVai, "960,3420 1395x495"},
        {&w.LblRisultato, "3120,5280 3015x555"},
        {&w.lblScrivi, "3120,5880 3015x555"},
        {w.find("Line3"), "7140,600-9060,600"},
        {&w.TxtRiporto1[0], "5520,960 615x435"},
        {&w.TxtRiporto2[3], "3720,960 615x435"},
        {&w.TxtPrimoFatt[2], "4320,1440 615x615"},
        {&w.TxtSecondoFatt[1], "4920,2040 615x615"},
        {&w.TxtRiporto3[4], "3120,2880 615x375"},
        {&w.TxtProdotto1[0], "5520,3240 615x615"},
        {&w.TxtProdotto1[1], "4920,3240 615x645"},
        {&w.TxtProdotto2[4], "3120,3840 615x645"},
        {&w.TxtProdotto3[0], "5520,4680 615x585"},
        {&w.Label3, "6120,1440 495x495"},
        {&w.Label4, "6120,1920 495x615"},
        {&w.Line2, "3120,4560-6120,4560"},
        {&carta.TxtRiporto1[0], "5280,480 615x435"},
        {&carta.TxtRiporto2[4], "2880,480 615x435"},
        {&carta.TxtPrimoFatt[0], "5280,960 615x615"},
        {&carta.TxtSecondoFatt[1], "4680,1560 615x615"},
        {&carta.TxtRiporto3[2], "4080,2400 615x375"},
        {&carta.TxtProdotto1[0], "5280,2760 615x615"},
        {&carta.TxtProdotto2[3], "3480,3360 615x645"},
        {&carta.TxtProdotto3[4], "2880,4200 615x585"},
        {&carta.Label3, "5880,960 495x495"},
        {&carta.Label4, "5880,1440 495x615"},
        {&carta.Line1, "2880,2280-5880,2280"},
        {&carta.Line2, "2880,4080-5880,4080"},
    };
    for (const auto& [c, atteso] : posti)
        EXPECT_EQ(posto(*c), atteso) << c->name();
    const std::pair<const forms::Control*, const char*> aspetti[] = {
        {&w.TxtRiporto2[1], "12|1|ff0000|ffc080"},  {&w.TxtPrimoFatt[1], "18|1|0|ffc080"},
        {&w.TxtRiporto3[1], "12|1|ff0000|ffc080"},  {&w.TxtProdotto3[1], "18|1|c0|ffc080"},
        {&carta.TxtProdotto2[1], "18|1|c0|ffffff"}, {&carta.Label4, "24|0|0|ffffff"},
    };
    for (const auto& [c, atteso] : aspetti) {
        std::ostringstream s;
        s << c->font.points << "|" << c->font.bold << "|" << std::hex << c->foreColor << "|" << c->backColor;
        EXPECT_EQ(s.str(), atteso) << c->name();
    }
    EXPECT_EQ(w.caption + "|" + w.Label5.text + "|" + w.Label3.text + w.Label4.text,
              "Moltiplicazione complessa|Moltiplicazione complessa|X=");
    EXPECT_EQ(carta.caption + " " + std::to_string(carta.width) + "x" + std::to_string(carta.height),
              "Form1 9480x6792");
}

} // namespace
} // namespace molt_test
