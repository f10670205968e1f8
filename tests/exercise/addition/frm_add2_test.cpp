#include "Add2Test.h"

#include "exercise/addition/FrmAdd2Bis.h"
#include "platform/ClockRandom.h"

#include <vector>

namespace add2_test {
namespace {

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
            }
        }
    }
}

TEST_F(Add2, EdgeOperationsAndHints) {
    struct Caso {
        const char *a, *b;
        bool guidato;
        const char* tasti;
        int barra;                      // Line1's left end
        const char *messaggi, *lavagna; // LblRisultato|lblScrivi
    };
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
    struct Caso {
        bool senzaRiporto;
        int cifre1, cifre2;
        std::vector<int> estratti;
        const char* addendi;
    };
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

TEST_F(Add2, NoCarryDrawsWithTheRealGenerator) {
    platform::ClockRandom orologio;
    platform::Services servizi{p.sound, p.resources, p.printer, orologio, p.environment};
    forms::FormRegistry finestre;
    app::Module1 m{finestre, servizi};
    app::defineWindows(m);
    m.ChiSceglie = DalComputer;
    auto& w = finestre.get<FrmAdd2>("frmAdd2");
    w.CmbNPA.listIndex = w.CmbNSA.listIndex = 3;
    for (int i = 0; i < 3000; ++i) {
        w.CmdVai_Click();
        const std::string a = riga(w.TxtPrimoAdd), b = riga(w.TxtSecondoAdd);
        for (const std::string& x : {a, b}) // four digits
            ASSERT_TRUE(x[0] == '.' && x[1] != '0' && x.find('.', 1) == std::string::npos) << a << " + " << b;
        for (int k = 2; k < 5; ++k)
            ASSERT_LE(a[k] - '0' + b[k] - '0', 9) << a << " + " << b;
    }
}

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
    // On paper the bar spans the five columns.
    const forms::Control& barra = p.forms.get<exercise::FrmAdd2Bis>("frmAdd2_bis").Line1;
    EXPECT_EQ(std::make_pair(barra.left, barra.x2), std::make_pair(3120, 6120));
}

// The exercise window template, seen on this window.

// stato(), then the captions, the lists' values and the backspace key if shown; the counters
// start afresh whatever they held.
TEST_F(Add2, LoadsForChildOrComputer) {
    const std::pair<int, const char*> casi[] = {
        {DaTe, "Ciao|||Image2| 0| 0|txtFattori(0) Clicca e scrivi (max 4 cifre)/"
               "Clicca e scrivi (max 4 cifre)/ backspace"},
        {DalComputer, "Ciao|||Image2| 0| 0|CmbNPA N° cifre primo addendo/N° cifre secondo addendo/11"},
    };
    for (const auto& [chi, atteso] : casi) {
        Banco t;
        t.p.m.NumEseguite = t.p.m.NumErrori = 3;
        FrmAdd2& w = t.apri(chi);
        EXPECT_EQ(stato(w) + " " + w.Label1.text + "/" + w.Label2.text + "/" + w.CmbNPA.listText() +
                      w.CmbNSA.listText() + (w.backspace.visible ? " backspace" : ""),
                  atteso);
    }
}

// Four digits at most; backspace deletes from the active box, and on an empty one does nothing.
TEST_F(Add2, TheHandAndTheKeypadFollowTheClickedBox) {
    FrmAdd2& w = operazione("47", "38");
    EXPECT_FALSE(w.backspace.visible);
    ASSERT_TRUE(premi(w, "txtFattori(0) 12345 backspace"));
    EXPECT_TRUE(w.backspace.visible);
    ASSERT_TRUE(premi(w, "txtFattori(1) 9 backspace backspace 5"));
    EXPECT_FALSE(w.mano[0].visible);
    EXPECT_TRUE(w.mano[1].visible);
    EXPECT_EQ(w.txtFattori[0].text + "+" + w.txtFattori[1].text, "123+5");
}

TEST_F(Add2, OpeningAListMovesTheBlinkingHand) {
    FrmAdd2& w = apri(DalComputer);
    w.Timer1_Timer();
    ASSERT_TRUE(w.mano[0].visible);
    ASSERT_TRUE(premi(w, "^CmbNSA"));
    for (const bool vista : {true, false, true, false}) {
        EXPECT_EQ(w.mano[1].visible, vista);
        EXPECT_FALSE(w.mano[0].visible);
        w.Timer1_Timer();
    }
}

TEST_F(Add2, EndButtonGoesBackToTheStartWindow) {
    p.forms.load("frmStart").hide();
    FrmAdd2& w = operazione("47", "38");
    ASSERT_TRUE(premi(w, "518"));
    ASSERT_EQ(w.lblFatte.text, " 1");
    ASSERT_TRUE(premi(w, "CmdEnd"));
    EXPECT_EQ(p.sound.last(), app::SuonoUscita);
    EXPECT_TRUE(p.forms.load("frmStart").isVisible());
    EXPECT_EQ(p.m.ChiSceglie, DaTe);
    EXPECT_EQ(p.open<FrmAdd2>("frmAdd2").lblFatte.text, " 0");
}

// From a window with 47 and 38 in its boxes (or lists on "2" and two drawn pairs refused for
// their carries), after the presses: the print and "Ripeti" buttons (on whenever an operation
// is on the board), whether the board is empty, the keypad, the sounds.
TEST_F(Add2, ButtonsBoardKeypadAndSoundsAfterEachEvent) {
    struct Caso {
        int chi;
        const char* premi;
        bool stampa, vuota, tastierino;
        std::vector<int> suoni;
    };
    const Caso casi[] = {
        {DaTe, "", false, true, true, {}},
        {DalComputer, "", false, true, false, {}},
        {DaTe, "CmdVai", true, false, true, {105}},
        {DalComputer, "CmdVai", true, false, true, {105}},
        // Unusable operands are refused silently.
        {DaTe, "CmdVai txtFattori(0) 0 CmdVai", false, true, true, {105, 102}},
        {DaTe, "txtFattori(1) =12345 txtFattori(0) CmdVai", false, true, true, {102, 102}},
        {DaTe, "txtFattori(1) =1a txtFattori(0) CmdVai", false, true, true, {102, 102}},
        {DaTe, "txtFattori(1) = txtFattori(0) CmdVai", false, true, true, {102, 102}},
        {DalComputer, "CmdVai Check1", false, true, false, {105, 102}},
        {DalComputer, "CmdVai Check2", false, true, false, {105, 102}},
        {DaTe, "CmdVai Check2", false, true, true, {105, 102}},
        {DalComputer, "CmdVai ^CmbNSA", false, true, false, {105, 102}},
        {DalComputer, "CmdVai CmbNSA", false, false, false, {105}}, // a choice keeps the board
        {DaTe, "CmdVai txtFattori(1)", false, true, true, {105, 102}},
        {DaTe, "CmdVai CmdSomma", true, false, true, {105, 105}},
        {DalComputer, "CmdVai CmdRisolvi", true, false, false, {105, 105}},
        {DaTe, "CmdVai 518", true, false, false, {105, 104, 104, 104, 101}},
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
        EXPECT_EQ(w.cmdStampa.enabled, c.stampa);
        EXPECT_EQ(w.CmdSomma.enabled, c.stampa);
        EXPECT_EQ(lavagna(w) == "..... ..... ..... .....", c.vuota) << lavagna(w);
        EXPECT_EQ(w.Frame1.isEnabled(), c.tastierino);
        EXPECT_EQ(t.p.sound.played, c.suoni);
        if (c.chi == DaTe && c.tastierino && c.vuota) { // the keypad types into the active box
            const std::string prima = w.txtFattori[w.Casella].text;
            ASSERT_TRUE(t.premi(w, "7"));
            EXPECT_EQ(w.txtFattori[w.Casella].text, prima + "7");
            EXPECT_TRUE(!w.Timer1.enabled && w.mano[w.Casella].visible); // the hand stops blinking
        }
    }
}

} // namespace
} // namespace add2_test
