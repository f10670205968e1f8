#include "Add2Test.h"

#include "exercise/addition/FrmAdd2Bis.h"

#include <algorithm>
#include <map>
#include <vector>

namespace add2_test {
namespace {

using app::DalComputer;
using app::DaTe;

// "TxtSomma(3)" -> "S3", "TxtRiporto(1)" -> "R1": the cell the window asks for next.
std::string chiesta(const FrmAdd2& w) {
    const std::string f = fuoco(w);
    for (int k = 0; k < 5; ++k) {
        if (f == w.TxtSomma[k].name()) return "S" + std::to_string(k);
        if (f == w.TxtRiporto[k].name()) return "R" + std::to_string(k);
    }
    return f;
}

struct Passo {
    char tasto;
    const char* cella; // asked before the key
    bool giusto;
    const char* risultato;
    const char* scrivi;
    const char* uao;
    const char* faccia;
    int suono;
    const char* errori;
    const char* eseguite;
    const char* fuocoDopo;
};

void ripeti(Banco& t, FrmAdd2& w, const std::vector<Passo>& passi) {
    for (const Passo& s : passi) {
        SCOPED_TRACE(std::string("key ") + s.tasto);
        ASSERT_EQ(fuoco(w), s.cella);
        forms::Control* cella = w.focus();
        ASSERT_TRUE(t.digita(w, std::string(1, s.tasto)));
        EXPECT_EQ(cella->text, s.giusto ? std::string(1, s.tasto) : "");
        EXPECT_EQ(w.LblRisultato.text, s.risultato);
        EXPECT_EQ(w.lblScrivi.text, s.scrivi);
        EXPECT_EQ(w.lblUao.text, s.uao);
        EXPECT_EQ(faccia(w), s.faccia);
        EXPECT_EQ(t.p.sound.last(), s.suono);
        EXPECT_EQ(w.lblErrori.text, s.errori);
        EXPECT_EQ(w.lblFatte.text, s.eseguite);
        EXPECT_EQ(fuoco(w), s.fuocoDopo);
    }
}

TEST_F(Add2, PlainDialogueOf47Plus38) {
    FrmAdd2& w = operazione("47", "38", false);
    EXPECT_EQ(riga(w.TxtPrimoAdd), "...47");
    EXPECT_EQ(riga(w.TxtSecondoAdd), "...38");
    EXPECT_EQ(w.LblRisultato.text, "Esegui");
    EXPECT_EQ(w.lblScrivi.text, "");
    EXPECT_EQ(faccia(w), "Image1");
    EXPECT_EQ(p.sound.last(), app::SuonoPronto);
    ripeti(
        *this, w,
        {
            {'5', "TxtSomma(0)", true, "Bravo", "", "uao!", "Image2", 104, " 0", " 0", "TxtRiporto(1)"},
            {'2', "TxtRiporto(1)", false, "Riprova", "", "ops!", "Image4", 103, " 1", " 0", "TxtRiporto(1)"},
            {'1', "TxtRiporto(1)", true, "Molto bravo", "", "uaoo!", "Image2", 104, " 1", " 0",
             "TxtSomma(1)"},
            {'9', "TxtSomma(1)", false, "Riprova", "", "ops!", "Image4", 103, " 2", " 0", "TxtSomma(1)"},
            {'8', "TxtSomma(1)", true, "Bravissimo", "hai finito", "uaoo!", "Image3", 101, " 2", " 1",
             "CmdVai"},
        });
    EXPECT_EQ(riga(w.TxtSomma), "...85");
    EXPECT_EQ(riga(w.TxtRiporto), "...1.");
    EXPECT_FALSE(w.Frame1.isEnabled());
    // The hand is back at the first operand, the second box's hand gone: one hand only,
    // also once the next "OK" shows the active one.
    EXPECT_TRUE(w.mano[0].visible);
    EXPECT_FALSE(w.mano[1].visible);
    w.txtFattori[0].text = "1";
    w.txtFattori[1].text = "2";
    ASSERT_TRUE(p.click(w, "CmdVai"));
    EXPECT_NE(w.mano[0].visible, w.mano[1].visible);
}

TEST_F(Add2, GuidedDialogueOf47Plus38CountsNothing) {
    FrmAdd2& w = operazione("47", "38", true);
    EXPECT_EQ(w.LblRisultato.text, " 7+ 8= 15");
    EXPECT_EQ(w.lblScrivi.text, "Scrivi 5");
    EXPECT_EQ(fuoco(w), "TxtSomma(0)");
    ripeti(*this, w,
           {
               {'5', "TxtSomma(0)", true, " 7+ 8= 15", "e riporta  1", "", "Image2", 104, " 0", " 0",
                "TxtRiporto(1)"},
               // A wrong carry: erased, the hint stays, nothing counted.
               {'2', "TxtRiporto(1)", false, " 7+ 8= 15", "e riporta  1", "", "Image4", 103, " 0", " 0",
                "TxtRiporto(1)"},
               {'1', "TxtRiporto(1)", true, " 1+ 4+ 3= 8", "Scrivi 8", "", "Image2", 104, " 0", " 0",
                "TxtSomma(1)"},
               {'8', "TxtSomma(1)", true, "Bravissimo", "hai finito", "uaoo!", "Image3", 101, " 0", " 0",
                "CmdVai"},
           });
    EXPECT_EQ(w.Guidato, 0);
}

TEST_F(Add2, GuidedHints) {
    struct Dopo {
        char tasto;
        const char* risultato;
        const char* scrivi;
    };
    struct Caso {
        const char *a, *b;
        const char *risultato, *scrivi;
        std::vector<Dopo> passi;
    };
    const Caso casi[] = {
        {"9",
         "5",
         " 9+ 5= 14",
         "Scrivi 4",
         {{'4', " 9+ 5= 14", "...e  1"}, {'1', "Bravissimo", "hai finito"}}},
        {"5",
         "5",
         " 5+ 5= 10",
         "Scrivi 0",
         {{'0', " 5+ 5= 10", "...e  1"}, {'1', "Bravissimo", "hai finito"}}},
        {"19",
         "5",
         " 9+ 5= 14",
         "Scrivi 4",
         {{'4', " 9+ 5= 14", "e riporta  1"},
          {'1', " 1+ 1+ 0= 2", "Scrivi 2"},
          {'2', "Bravissimo", "hai finito"}}},
        {"123",
         "4",
         " 3+ 4= 7",
         "Scrivi 7",
         {{'7', " 2+ 0= 2", "Scrivi 2"}, {'2', " 1+ 0= 1", "Scrivi 1"}, {'1', "Bravissimo", "hai finito"}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.a) + " + " + c.b);
        Banco t;
        FrmAdd2& w = t.operazione(c.a, c.b, true);
        EXPECT_EQ(w.LblRisultato.text, c.risultato);
        EXPECT_EQ(w.lblScrivi.text, c.scrivi);
        for (const Dopo& d : c.passi) {
            ASSERT_TRUE(t.digita(w, std::string(1, d.tasto)));
            EXPECT_EQ(w.LblRisultato.text, d.risultato) << d.tasto;
            EXPECT_EQ(w.lblScrivi.text, d.scrivi) << d.tasto;
        }
        EXPECT_EQ(faccia(w), "Image3");
    }
}

TEST_F(Add2, EdgeOperationsWorkedByTheChild) {
    struct Caso {
        const char *a, *b;
        const char *primo, *secondo;
        int barra; // Line1's left end
        int colonne;
        const char* tasti;
        const char* chieste; // the cells asked, one per key
        const char *somma, *riporti;
    };
    const Caso casi[] = {
        {"9999", "9999", ".9999", ".9999", 3240, 5, "81919191", "S0 R1 S1 R2 S2 R3 S3 S4", "19998", ".111."},
        {"5", "5", "....5", "....5", 5040, 2, "01", "S0 S1", "...10", "....."},
        {"1234", "5", ".1234", "....5", 3240, 4, "9321", "S0 S1 S2 S3", ".1239", "....."},
        {"007", "5", "....7", "....5", 5040, 2, "21", "S0 S1", "...12", "....."},
        {"48", "37", "...48", "...37", 4440, 2, "518", "S0 R1 S1", "...85", "...1."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.a) + " + " + c.b);
        Banco t;
        FrmAdd2& w = t.operazione(c.a, c.b, false);
        EXPECT_EQ(riga(w.TxtPrimoAdd), c.primo);
        EXPECT_EQ(riga(w.TxtSecondoAdd), c.secondo);
        EXPECT_EQ(w.Line1.left, c.barra);
        EXPECT_EQ(w.Line1.x2, 6240);
        EXPECT_EQ(w.Line1.top, 3480);
        EXPECT_EQ(w.Line1.y2, 3480);
        EXPECT_EQ(w.colonne.NumColonne, c.colonne);
        std::string chieste;
        for (const char* k = c.tasti; *k != '\0'; ++k) {
            chieste += (chieste.empty() ? "" : " ") + chiesta(w);
            ASSERT_TRUE(t.digita(w, std::string(1, *k))) << chieste;
        }
        EXPECT_EQ(chieste, c.chieste);
        EXPECT_EQ(riga(w.TxtSomma), c.somma);
        EXPECT_EQ(riga(w.TxtRiporto), c.riporti);
        EXPECT_EQ(w.LblRisultato.text, "Bravissimo");
        EXPECT_EQ(w.lblErrori.text, " 0");
        EXPECT_EQ(w.lblFatte.text, " 1");
        // Finished: the keypad takes no digit.
        EXPECT_FALSE(t.digita(w, "1"));
        EXPECT_EQ(riga(w.TxtSomma), c.somma);
    }
}

TEST_F(Add2, UnusableTypedOperandsAreRefusedSilently) {
    const std::pair<const char*, const char*> casi[] = {
        {"12345", "5"}, {"1a", "5"}, {"", "5"}, {"5", ""}, {"0", "25"}, {"000", "7"}, {"5", " 5"},
    };
    for (const auto& [a, b] : casi) {
        SCOPED_TRACE(std::string("'") + a + "' + '" + b + "'");
        Banco t;
        FrmAdd2& w = t.apri(DaTe);
        ASSERT_TRUE(t.p.click(w, "txtFattori(1)"));
        w.txtFattori[0].text = a;
        w.txtFattori[1].text = b;
        const std::size_t suoni = t.p.sound.played.size();
        ASSERT_TRUE(t.p.click(w, "CmdVai"));
        EXPECT_EQ(t.p.sound.played.size(), suoni);
        EXPECT_EQ(t.p.m.ChiSceglie, DaTe);
        EXPECT_EQ(fuoco(w), "txtFattori(1)");
        EXPECT_EQ(w.txtFattori[0].text, a);
        EXPECT_EQ(w.txtFattori[1].text, b);
        for (const forms::ControlArray* r : {&w.TxtPrimoAdd, &w.TxtSecondoAdd, &w.TxtRiporto, &w.TxtSomma})
            EXPECT_EQ(riga(*r), ".....");
        EXPECT_FALSE(w.CmdSomma.enabled);
        EXPECT_FALSE(w.cmdStampa.enabled);
        EXPECT_TRUE(w.backspace.visible);
        EXPECT_EQ(t.p.m.DaContare, 0);
        // The keypad goes on typing into the box.
        w.txtFattori[1].text = "";
        ASSERT_TRUE(t.digita(w, "7"));
        EXPECT_EQ(w.txtFattori[1].text, "7");
    }
}

TEST_F(Add2, EveryPressOfOkRepeatOrSolutionPlaysTheReadySoundOnce) {
    for (const int chi : {DaTe, DalComputer}) {
        for (const bool guidato : {false, true}) {
            SCOPED_TRACE(std::to_string(chi) + (guidato ? " guided" : " plain"));
            Banco t;
            FrmAdd2& w = t.apri(chi);
            w.Check2.checked = guidato;
            if (chi == DaTe) {
                w.txtFattori[0].text = "47";
                w.txtFattori[1].text = "38";
            } else {
                w.CmbNPA.listIndex = 1;
                w.CmbNSA.listIndex = 1;
                t.p.random.script = {85, 47, 85, 47, 85, 43}; // two pairs refused before one passes
            }
            for (const char* tasto : {"CmdVai", "CmdSomma", "CmdRisolvi", "CmdSomma"}) {
                const std::size_t prima = t.p.sound.played.size();
                ASSERT_TRUE(t.p.click(w, tasto)) << tasto;
                const std::vector<int> suoni(t.p.sound.played.begin() + static_cast<long>(prima),
                                             t.p.sound.played.end());
                EXPECT_EQ(suoni, std::vector<int>{app::SuonoPronto}) << tasto;
            }
        }
    }
}

TEST_F(Add2, RepeatAndSolutionNeverCount) {
    FrmAdd2& w = operazione("47", "38", false);
    ASSERT_TRUE(digita(w, "5"));
    // The solution in the middle of the work: every digit, "Fatto", keypad off.
    ASSERT_TRUE(p.click(w, "CmdRisolvi"));
    EXPECT_EQ(riga(w.TxtSomma), "...85");
    EXPECT_EQ(riga(w.TxtRiporto), "...1.");
    EXPECT_EQ(w.LblRisultato.text, "Fatto");
    EXPECT_EQ(w.lblScrivi.text, "");
    EXPECT_EQ(w.lblUao.text, "");
    EXPECT_EQ(faccia(w), "Image1");
    EXPECT_FALSE(w.Frame1.isEnabled());
    EXPECT_EQ(fuoco(w), "CmdSomma");
    EXPECT_EQ(p.m.DaContare, 0);
    EXPECT_TRUE(w.CmdSomma.enabled);

    // "Ripeti": the same addends, the rest blank again, and nothing counts.
    ASSERT_TRUE(p.click(w, "CmdSomma"));
    EXPECT_EQ(riga(w.TxtPrimoAdd), "...47");
    EXPECT_EQ(riga(w.TxtSecondoAdd), "...38");
    EXPECT_EQ(riga(w.TxtSomma), ".....");
    EXPECT_EQ(riga(w.TxtRiporto), ".....");
    EXPECT_EQ(w.LblRisultato.text, "Esegui");
    EXPECT_EQ(fuoco(w), "TxtSomma(0)");
    ASSERT_TRUE(digita(w, "9518"));
    EXPECT_EQ(w.LblRisultato.text, "Bravissimo");
    EXPECT_EQ(w.lblErrori.text, " 0");
    EXPECT_EQ(w.lblFatte.text, " 0");
}

TEST_F(Add2, TheOptionsEmptyTheBoard) {
    struct Caso {
        int chi;
        const char* opzione;
        const char* fuoco;
        bool tastierino;
        int chiDopo;
    };
    const Caso casi[] = {
        {DalComputer, "Check1", "CmdVai", false, DalComputer},
        {DalComputer, "Check2", "CmdVai", false, DalComputer},
        {DaTe, "Check2", "txtFattori(1)", true, DaTe},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.opzione);
        Banco t;
        FrmAdd2& w = t.apri(c.chi);
        if (c.chi == DaTe)
            t.inserisci(w, "47", "38");
        else
            ASSERT_TRUE(t.p.click(w, "CmdVai"));
        ASSERT_TRUE(t.digita(w, "5"));
        ASSERT_EQ(t.p.m.DaContare, 1);
        ASSERT_TRUE(t.p.click(w, c.opzione));
        EXPECT_EQ(t.p.sound.last(), app::SuonoClic);
        for (const forms::ControlArray* r : {&w.TxtPrimoAdd, &w.TxtSecondoAdd, &w.TxtRiporto, &w.TxtSomma})
            EXPECT_EQ(riga(*r), ".....");
        EXPECT_EQ(w.LblRisultato.text, "");
        EXPECT_EQ(w.lblScrivi.text, "");
        EXPECT_EQ(w.lblUao.text, "");
        EXPECT_FALSE(w.CmdSomma.enabled);
        EXPECT_FALSE(w.cmdStampa.enabled);
        EXPECT_EQ(w.Frame1.isEnabled(), c.tastierino);
        EXPECT_EQ(fuoco(w), c.fuoco);
        EXPECT_EQ(t.p.m.ChiSceglie, c.chiDopo);
        if (std::string(c.opzione) == "Check2") {
            EXPECT_EQ(t.p.m.DaContare, 0);
        }
        if (c.chi == DaTe) {
            EXPECT_TRUE(w.backspace.visible);
            ASSERT_TRUE(t.digita(w, "12"));
            EXPECT_EQ(w.txtFattori[1].text, "12");
        }
    }
}

TEST_F(Add2, ComputerDrawsWithinTheChosenDigits) {
    FrmAdd2& w = apri(DalComputer);
    w.CmbNPA.listIndex = 2; // "3"
    w.CmbNSA.listIndex = 0; // "1"
    p.random.script = {341, 8};
    ASSERT_TRUE(p.click(w, "CmdVai"));
    EXPECT_EQ(p.random.asked, (std::vector<std::pair<int, int>>{{100, 999}, {1, 9}}));
    EXPECT_EQ(riga(w.TxtPrimoAdd), "..341");
    EXPECT_EQ(riga(w.TxtSecondoAdd), "....8");
    EXPECT_EQ(w.Line1.left, 3840);
    EXPECT_EQ(p.m.ChiSceglie, DalComputer);
    EXPECT_EQ(p.m.DaContare, 1);
    EXPECT_TRUE(w.Frame1.isEnabled());
    EXPECT_TRUE(w.cmdStampa.enabled);
    EXPECT_TRUE(w.CmdSomma.enabled);
}

TEST_F(Add2, NoCarryOptionDrawsAgainUntilOnlyTheTopColumnOverflows) {
    struct Caso {
        bool senzaRiporto;
        int cifre1, cifre2;
        std::vector<int> estratti;
        const char *primo, *secondo;
        int coppie; // pairs drawn
    };
    const Caso casi[] = {
        {true, 2, 2, {85, 47, 19, 11, 85, 43}, "...85", "...43", 3},
        {false, 2, 2, {85, 47}, "...85", "...47", 1},
        {true, 1, 1, {9, 9}, "....9", "....9", 1},                      // the top column may overflow
        {true, 4, 1, {1239, 1, 1234, 6, 9990, 9}, ".9990", "....9", 3}, // units only
        {true, 1, 4, {5, 1995, 5, 9995, 4, 9995}, "....4", ".9995", 3}, // the longer one second
        {true, 4, 4, {9999, 9999, 1000, 1000}, ".1000", ".1000", 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.primo) + " + " + c.secondo);
        Banco t;
        FrmAdd2& w = t.apri(DalComputer);
        w.Check1.checked = c.senzaRiporto;
        w.CmbNPA.listIndex = c.cifre1 - 1;
        w.CmbNSA.listIndex = c.cifre2 - 1;
        t.p.random.script.assign(c.estratti.begin(), c.estratti.end());
        ASSERT_TRUE(t.p.click(w, "CmdVai"));
        EXPECT_EQ(riga(w.TxtPrimoAdd), c.primo);
        EXPECT_EQ(riga(w.TxtSecondoAdd), c.secondo);
        EXPECT_EQ(t.p.random.asked.size(), static_cast<std::size_t>(2 * c.coppie));
        EXPECT_EQ(std::count(t.p.sound.played.begin(), t.p.sound.played.end(), app::SuonoPronto), 1);
    }
}

TEST_F(Add2, NoCarryOptionEndsEvenWithAGeneratorThatNeverPasses) {
    FrmAdd2& w = apri(DalComputer);
    w.CmbNPA.listIndex = 3;
    w.CmbNSA.listIndex = 3;
    p.random.script.assign(100000, 9999);
    ASSERT_TRUE(p.click(w, "CmdVai"));
    EXPECT_LT(p.random.asked.size(), 100000u);
    // Still two four-digit addends, and no column below the top one carries.
    const std::string a = riga(w.TxtPrimoAdd), b = riga(w.TxtSecondoAdd);
    ASSERT_EQ(a.substr(0, 2), ".9");
    ASSERT_EQ(b.substr(0, 2), ".9");
    for (int i = 2; i < 5; ++i)
        EXPECT_LE((a[i] - '0') + (b[i] - '0'), 9) << a << " + " << b;
    EXPECT_TRUE(w.Frame1.isEnabled());
}

// A printed row as the child reads it, from column 4 down to the units.
std::string stampata(const std::map<std::string, std::string>& pagina, const std::string& riga) {
    std::string out;
    for (int i = 4; i >= 0; --i) {
        const std::string& t = pagina.at(riga + "(" + std::to_string(i) + ")");
        out += t.empty() ? "." : t;
    }
    return out;
}

// The print layout holds only copies of the rows; the bar always spans the five columns.
TEST_F(Add2, PrintsTheBoardAsItStands) {
    FrmAdd2& w = operazione("9999", "9999", false);
    ASSERT_TRUE(p.click(w, "cmdStampa"));
    ASSERT_TRUE(p.click(w, "CmdRisolvi"));
    ASSERT_TRUE(p.click(w, "cmdStampa"));
    // A one-digit operation afterwards prints nothing of the one before.
    w.txtFattori[0].text = "5";
    w.txtFattori[1].text = "3";
    ASSERT_TRUE(p.click(w, "CmdVai"));
    ASSERT_TRUE(digita(w, "8"));
    ASSERT_TRUE(p.click(w, "cmdStampa"));

    struct Pagina {
        const char *riporti, *primo, *secondo, *somma;
    };
    const Pagina attese[] = {
        {".....", ".9999", ".9999", "....."}, // right after "OK"
        {".111.", ".9999", ".9999", "19998"}, // after "Soluzione"
        {".....", "....5", "....3", "....8"}, // finished
    };
    ASSERT_EQ(p.printer.pages.size(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        const auto& pagina = p.printer.pages[n];
        EXPECT_EQ(stampata(pagina, "TxtRiporto"), attese[n].riporti);
        EXPECT_EQ(stampata(pagina, "TxtPrimoAdd"), attese[n].primo);
        EXPECT_EQ(stampata(pagina, "TxtSecondoAdd"), attese[n].secondo);
        EXPECT_EQ(stampata(pagina, "TxtSomma"), attese[n].somma);
    }

    auto& layout = p.forms.get<exercise::FrmAdd2Bis>("frmAdd2_bis");
    EXPECT_FALSE(layout.isVisible());
    EXPECT_EQ(layout.Line1.left, 3120);
    EXPECT_EQ(layout.Line1.x2, 6120);
    EXPECT_EQ(layout.Line1.top, 3480);
    EXPECT_EQ(layout.Line1.y2, 3480);
    // Printing changes nothing in the window.
    EXPECT_EQ(riga(w.TxtSomma), "....8");
    EXPECT_EQ(w.LblRisultato.text, "Bravissimo");
}

} // namespace
} // namespace add2_test
