// The exercise window template, seen on the two-addend addition window.
#include "Add2Test.h"

#include "platform/ClockRandom.h"

#include <algorithm>
#include <functional>

namespace add2_test {
namespace {

using app::DalComputer;
using app::DaTe;

TEST_F(Add2, LoadsForChildOrComputer) {
    struct Caso {
        int chi;
        bool tastierino, backspace, opzione, caselle;
        const char *didascalia1, *didascalia2;
        int lista;
        const char* fuoco;
    };
    const Caso casi[] = {
        {DaTe, true, true, false, true, "Clicca e scrivi (max 4 cifre)", "Clicca e scrivi (max 4 cifre)", -1,
         "txtFattori(0)"},
        {DalComputer, false, false, true, false, "N° cifre primo addendo", "N° cifre secondo addendo", 0,
         "CmbNPA"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.chi);
        Banco t;
        t.p.m.NumEseguite = 3;
        t.p.m.NumErrori = 4;
        FrmAdd2& w = t.apri(c.chi);
        EXPECT_EQ(w.caption, "Addizione con 2 addendi");
        EXPECT_EQ(w.Label5.text, "Addizione 2 addendi");
        EXPECT_TRUE(w.topmost);
        EXPECT_FALSE(w.closeCommand);
        EXPECT_EQ(t.p.environment.currentDirectory, "/programma");
        EXPECT_EQ(t.p.m.ChiSceglieSalvato, c.chi);
        EXPECT_EQ(w.lblFatte.text, " 0");
        EXPECT_EQ(w.lblErrori.text, " 0");
        EXPECT_EQ(faccia(w), "Image2");
        EXPECT_EQ(w.LblRisultato.text, "Ciao");
        EXPECT_EQ(w.lblUao.text, "");
        EXPECT_FALSE(w.CmdSomma.enabled);
        EXPECT_FALSE(w.cmdStampa.enabled);
        EXPECT_TRUE(w.Check2.checked);
        EXPECT_EQ(w.Frame1.isEnabled(), c.tastierino);
        EXPECT_EQ(w.backspace.visible, c.backspace);
        EXPECT_EQ(w.Check1.visible, c.opzione);
        EXPECT_EQ(w.txtFattori[0].visible, c.caselle);
        EXPECT_EQ(w.txtFattori[1].visible, c.caselle);
        EXPECT_EQ(w.Label1.text, c.didascalia1);
        EXPECT_EQ(w.Label2.text, c.didascalia2);
        EXPECT_EQ(w.CmbNPA.listIndex, c.lista);
        EXPECT_EQ(w.CmbNSA.listIndex, c.lista);
        if (c.lista == 0) {
            EXPECT_EQ(w.CmbNPA.listText(), "1");
        }
        EXPECT_EQ(fuoco(w), c.fuoco);
        EXPECT_FALSE(w.mano[0].visible);
        EXPECT_FALSE(w.mano[1].visible);
        EXPECT_TRUE(w.Timer1.enabled);
        EXPECT_EQ(t.p.click(w, "Cmd_1"), c.tastierino);
    }
}

TEST_F(Add2, HandBlinksAtTheFirstEntryUntilTheFirstDigit) {
    FrmAdd2& w = apri(DaTe);
    for (const bool vista : {true, false, true, false}) {
        w.Timer1_Timer();
        EXPECT_EQ(w.mano[0].visible, vista);
        EXPECT_FALSE(w.mano[1].visible);
    }
    ASSERT_TRUE(digita(w, "12345"));
    EXPECT_EQ(w.txtFattori[0].text, "1234");
    EXPECT_FALSE(w.Timer1.enabled);
    EXPECT_TRUE(w.mano[0].visible);
    EXPECT_EQ(fuoco(w), "txtFattori(0)");
    EXPECT_TRUE(p.sound.played.empty());

    ASSERT_TRUE(p.click(w, "backspace"));
    EXPECT_EQ(w.txtFattori[0].text, "123");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(p.click(w, "backspace"));
    EXPECT_EQ(w.txtFattori[0].text, "");
    ASSERT_TRUE(p.click(w, "backspace"));
    EXPECT_EQ(w.txtFattori[0].text, "");
}

TEST_F(Add2, ClickingAnEntryBoxAbandonsTheOperation) {
    FrmAdd2& w = operazione("47", "38", false);
    ASSERT_TRUE(digita(w, "5"));
    ASSERT_TRUE(p.click(w, "txtFattori(0)"));
    ASSERT_TRUE(digita(w, "12"));
    EXPECT_EQ(w.txtFattori[0].text, "12");
    p.sound.played.clear();

    ASSERT_TRUE(p.click(w, "txtFattori(1)"));
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
    EXPECT_FALSE(w.mano[0].visible);
    EXPECT_TRUE(w.mano[1].visible);
    EXPECT_EQ(w.Casella, 1);
    EXPECT_EQ(w.txtFattori[0].text, "12");
    for (const forms::ControlArray* r : {&w.TxtPrimoAdd, &w.TxtSecondoAdd, &w.TxtRiporto, &w.TxtSomma})
        EXPECT_EQ(riga(*r), ".....");
    EXPECT_EQ(w.LblRisultato.text, "");
    EXPECT_TRUE(w.backspace.visible);
    EXPECT_FALSE(w.CmdSomma.enabled);
    EXPECT_FALSE(w.cmdStampa.enabled);
    EXPECT_EQ(p.m.ChiSceglie, DaTe);
    ASSERT_TRUE(digita(w, "9"));
    EXPECT_EQ(w.txtFattori[1].text, "9");
}

TEST_F(Add2, OpeningAListMovesTheBlinkingHandAndChoosingSwitchesTheKeypadOff) {
    FrmAdd2& w = apri(DalComputer);
    w.Timer1_Timer();
    ASSERT_TRUE(w.mano[0].visible);
    w.CmbNSA.onDropDown();
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
    EXPECT_EQ(w.Casella, 1);
    EXPECT_FALSE(w.mano[0].visible);
    EXPECT_TRUE(w.mano[1].visible);
    EXPECT_TRUE(w.Timer1.enabled);
    EXPECT_EQ(fuoco(w), "CmbNSA");
    w.Timer1_Timer();
    w.Timer1_Timer();
    EXPECT_TRUE(w.mano[1].visible);
    EXPECT_FALSE(w.mano[0].visible);

    // With an operation on the board, a list empties it and the keypad goes off.
    ASSERT_TRUE(p.click(w, "CmdVai"));
    ASSERT_TRUE(w.Frame1.isEnabled());
    w.CmbNPA.onDropDown();
    for (const forms::ControlArray* r : {&w.TxtPrimoAdd, &w.TxtSecondoAdd, &w.TxtRiporto, &w.TxtSomma})
        EXPECT_EQ(riga(*r), ".....");
    EXPECT_FALSE(w.Frame1.isEnabled());
    ASSERT_TRUE(p.click(w, "CmdVai"));
    w.CmbNPA.listIndex = 3;
    w.CmbNPA.onClick();
    EXPECT_FALSE(w.Frame1.isEnabled());
    EXPECT_FALSE(w.CmdSomma.enabled);
    EXPECT_FALSE(w.cmdStampa.enabled);
    EXPECT_EQ(w.LblRisultato.text, "");
    EXPECT_FALSE(digita(w, "1"));
}

TEST_F(Add2, ClockDrawsStayWithinTheChosenDigits) {
    // The real generator, seeded once, in place of the scripted one.
    platform::ClockRandom orologio;
    platform::Services servizi{p.sound, p.resources, p.printer, orologio, p.environment};
    forms::FormRegistry finestre;
    app::Module1 m{finestre, servizi};
    app::defineWindows(m);
    m.ChiSceglie = DalComputer;
    m.Silenzio = 1;
    auto& w = finestre.get<FrmAdd2>("frmAdd2");
    auto valore = [](const forms::ControlArray& r) {
        long v = 0;
        for (int i = r.size() - 1; i >= 0; --i)
            if (!r[i].text.empty()) v = v * 10 + (r[i].text[0] - '0');
        return v;
    };

    struct Caso {
        int cifre;
        bool senzaRiporto;
        long min, max;
    };
    for (const Caso c : {Caso{1, false, 1, 9}, Caso{2, false, 10, 99}, Caso{4, true, 1000, 9999}}) {
        SCOPED_TRACE(c.cifre);
        w.CmbNPA.listIndex = c.cifre - 1;
        w.CmbNSA.listIndex = c.cifre - 1;
        w.Check1.checked = c.senzaRiporto;
        long minimo = c.max, massimo = c.min;
        for (int i = 0; i < 3000; ++i) {
            w.CmdVai_Click();
            const long a = valore(w.TxtPrimoAdd), b = valore(w.TxtSecondoAdd);
            ASSERT_TRUE(a >= c.min && a <= c.max && b >= c.min && b <= c.max) << a << " + " << b;
            minimo = std::min({minimo, a, b});
            massimo = std::max({massimo, a, b});
            for (long x = a, y = b; c.senzaRiporto && x >= 10; x /= 10, y /= 10) {
                ASSERT_LE(x % 10 + y % 10, 9) << a << " + " << b;
            }
        }
        if (!c.senzaRiporto) {
            EXPECT_EQ(minimo, c.min);
            EXPECT_EQ(massimo, c.max);
        }
    }
}

TEST_F(Add2, EndButtonGoesBackToTheStartWindow) {
    p.forms.load("frmStart").hide();
    FrmAdd2& w = operazione("47", "38", false);
    ASSERT_TRUE(digita(w, "518"));
    ASSERT_EQ(w.lblFatte.text, " 1");
    ASSERT_EQ(p.m.ChiSceglie, app::InEsecuzione);
    ASSERT_TRUE(p.click(w, "CmdEnd"));
    EXPECT_EQ(p.sound.last(), app::SuonoUscita);
    EXPECT_TRUE(p.forms.load("frmStart").isVisible());
    EXPECT_EQ(p.m.ChiSceglie, DaTe);
    EXPECT_FALSE(p.forms.isLoaded("frmAdd2"));

    FrmAdd2& again = p.open<FrmAdd2>("frmAdd2");
    EXPECT_EQ(again.lblFatte.text, " 0");
    EXPECT_EQ(again.lblErrori.text, " 0");
    EXPECT_EQ(p.m.NumEseguite, 0);
}

// When the print button is on: whenever an operation is on the board.
TEST_F(Add2, PrintButtonFollowsTheBoard) {
    struct Caso {
        const char* evento;
        int chi;
        bool conOperazione; // "OK" pressed first
        std::function<void(Banco&, FrmAdd2&)> fai;
        bool stampa;
    };
    auto clic = [](const char* c) { return [c](Banco& t, FrmAdd2& w) { ASSERT_TRUE(t.p.click(w, c)); }; };
    auto niente = [](Banco&, FrmAdd2&) {};
    const Caso casi[] = {
        {"load", DaTe, false, niente, false},
        {"OK accepted", DaTe, true, niente, true},
        {"OK refused", DaTe, true,
         [](Banco& t, FrmAdd2& w) {
             w.txtFattori[0].text = "0";
             ASSERT_TRUE(t.p.click(w, "CmdVai"));
         },
         false},
        {"Check1", DalComputer, true, clic("Check1"), false},
        {"Check2", DalComputer, true, clic("Check2"), false},
        {"list opened", DalComputer, true, [](Banco&, FrmAdd2& w) { w.CmbNSA.onDropDown(); }, false},
        {"list chosen", DalComputer, true, [](Banco&, FrmAdd2& w) { w.CmbNSA.onClick(); }, false},
        {"entry box", DaTe, true, clic("txtFattori(0)"), false},
        {"Ripeti", DaTe, true, clic("CmdSomma"), true},
        {"Soluzione", DaTe, true, clic("CmdRisolvi"), true},
        {"keypad digit", DaTe, true, clic("Cmd_4"), true},
        {"finish", DaTe, true, [](Banco& t, FrmAdd2& w) { ASSERT_TRUE(t.digita(w, "518")); }, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.evento);
        Banco t;
        FrmAdd2& w = t.apri(c.chi);
        if (c.conOperazione) {
            w.txtFattori[0].text = "47";
            w.txtFattori[1].text = "38";
            ASSERT_TRUE(t.p.click(w, "CmdVai"));
            ASSERT_TRUE(w.cmdStampa.enabled);
        }
        c.fai(t, w);
        EXPECT_EQ(w.cmdStampa.enabled, c.stampa);
    }
}

} // namespace
} // namespace add2_test
