#include "DivCompatta.h"

#include "app/FrmStart.h"
#include "exercise/Numeri.h"

using div_compatta_test::Finestra;
using div_compatta_test::riga;
using exercise::FrmDivCompatta;

namespace {

struct DivCompattaSetUp : ::testing::Test, Finestra {};

void atteseLavagnaVuota(const FrmDivCompatta& f) {
    EXPECT_EQ(f.TxtDivisore.text, "");
    EXPECT_EQ(riga(f.TxtDividendo), "....");
    EXPECT_EQ(riga(f.txtCappello), "....");
    EXPECT_EQ(riga(f.TxtQuoziente), "....");
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(riga(f.txtResto(k)), "....") << k;
    for (int k = 0; k <= 4; ++k)
        EXPECT_EQ(riga(f.RP(k)), "....") << k;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(f.Cliccabile[i], 0) << i;
    EXPECT_EQ(f.TastierinoAttivo, 0);
    EXPECT_EQ(f.FaseQuoziente, 0);
    EXPECT_EQ(f.FaseResto, 0);
    EXPECT_EQ(f.FaseTrasferimento, 0);
}

TEST_F(DivCompattaSetUp, LoadsForEitherChooser) {
    struct Caso {
        int chi;
        bool tastierino, backspace, caselle;
        int voce;
        const char *label1, *label2;
    };
    const Caso casi[] = {
        {app::DaTe, true, true, true, -1, "     Clicca e scrivi     (max 4 cifre)",
         "     Clicca e scrivi     (max 2 cifre)"},
        {app::DalComputer, false, false, false, 0, "                     N° cifre dividendo",
         "                      N° cifre divisore"},
    };
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(c.chi);
        SCOPED_TRACE(c.chi);
        EXPECT_EQ(f.caption, "Divisione Compatta");
        EXPECT_EQ(f.width, 9516);
        EXPECT_EQ(f.height, 6828);
        EXPECT_TRUE(f.topmost);
        EXPECT_FALSE(f.closeCommand);
        EXPECT_EQ(w.p.environment.currentDirectory, "/programma");
        EXPECT_EQ(w.p.m.ChiSceglieSalvato, c.chi);
        EXPECT_EQ(f.Frame1.enabled, c.tastierino);
        EXPECT_EQ(f.backspace.visible, c.backspace);
        EXPECT_EQ(f.txtFattori[0].visible, c.caselle);
        EXPECT_EQ(f.txtFattori[1].visible, c.caselle);
        EXPECT_EQ(f.CmbDividendo.listIndex, c.voce);
        EXPECT_EQ(f.CmbDivisore.listIndex, c.voce);
        EXPECT_EQ(f.Label1.text, c.label1);
        EXPECT_EQ(f.Label2.text, c.label2);
        EXPECT_FALSE(f.CmdRipeti.enabled);
        EXPECT_FALSE(f.cmdStampa.enabled);
        EXPECT_TRUE(f.Image2.visible);
        EXPECT_FALSE(f.Image1.visible || f.Image3.visible || f.Image4.visible);
        EXPECT_EQ(f.LblRisultato.text, "Ciao");
        EXPECT_EQ(f.lblUao.text, "");
        EXPECT_EQ(f.lblFatte.text, " 0");
        EXPECT_EQ(f.lblErrori.text, " 0");
        EXPECT_TRUE(f.Timer1.enabled);
        EXPECT_TRUE(f.Check2.checked);
        for (int i = 1; i <= 5; ++i)
            EXPECT_FALSE(f.TxtDividendo[i].enabled) << i;
        EXPECT_FALSE(f.TxtDividendo[5].visible);
        atteseLavagnaVuota(f);
    }
}

TEST_F(DivCompattaSetUp, ControlsCarryTheWindowsNames) {
    FrmDivCompatta& f = apri(app::DaTe);
    for (const char* nome :
         {"CmdInserisci", "CmdRipeti", "CmdAiuto", "CmbDividendo", "CmbDivisore", "Check2", "TxtDividendo(1)",
          "TxtDividendo(5)", "TxtDivisore", "TxtQuoziente(4)", "txtCappello(1)", "RP0(1)", "RP4(4)",
          "txtResto1(1)", "txtResto4(4)", "Label6", "Label7", "Line2"})
        EXPECT_NE(f.find(nome), nullptr) << nome;
    EXPECT_EQ(&f.CmdInserisci, f.find("CmdInserisci"));
    EXPECT_EQ(f.CmdAiuto.container(), &f.Frame1);
    // Cell i of remainder row k lies under dividend column i + k - 1.
    EXPECT_EQ(f.TxtDividendo[3].left, 1680 + 2 * 480);
    EXPECT_EQ(f.txtResto3[1].left, f.TxtDividendo[3].left);
    EXPECT_EQ(f.RP2[2].left, f.TxtDividendo[3].left);
    EXPECT_EQ(f.RP0[1].left, 1620);
    EXPECT_EQ(f.txtResto4[1].top, 4860);
    EXPECT_EQ(f.backspace.left, f.Frame1.left + f.CmdAiuto.left);
    EXPECT_EQ(f.backspace.top, f.Frame1.top + f.CmdAiuto.top);
}

TEST_F(DivCompattaSetUp, EntryBoxesKeepFourAndTwoDigits) {
    FrmDivCompatta& f = apri(app::DaTe);
    for (char c : std::string("123456"))
        premi(c); // the dividend box is active at load
    EXPECT_EQ(f.txtFattori[0].text, "1234");
    EXPECT_FALSE(f.Timer1.enabled);
    ASSERT_TRUE(p.click(f, "txtFattori(1)"));
    for (char c : std::string("987"))
        premi(c);
    EXPECT_EQ(f.txtFattori[1].text, "98");
    EXPECT_TRUE(f.mano[1].visible);
    EXPECT_FALSE(f.mano[0].visible);
    ASSERT_TRUE(p.click(f, "backspace"));
    ASSERT_TRUE(p.click(f, "backspace"));
    ASSERT_TRUE(p.click(f, "backspace"));
    EXPECT_EQ(f.txtFattori[1].text, "");
    EXPECT_EQ(f.txtFattori[0].text, "1234");
}

TEST_F(DivCompattaSetUp, TypedOperandsAreReadStrictly) {
    struct Caso {
        const char *dividendo, *divisore;
        bool accettata;
        int valoreDividendo, valoreDivisore;
        const char* lavagna; // dividend cells
    };
    const Caso casi[] = {
        {"0", "5", false, 0, 5, ""},         {"", "5", false, 0, 5, ""},     {"5", "", false, 5, 0, ""},
        {"5", "12", false, 5, 12, ""},       {"1", "9", false, 1, 9, ""},    {"12", "0", false, 12, 0, ""},
        {"0045", "05", true, 45, 5, "45.."}, {"7", "7", true, 7, 7, "7..."}, {"84", "4", true, 84, 4, "84.."},
    };
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DaTe);
        SCOPED_TRACE(std::string(c.dividendo) + ":" + c.divisore);
        // An operation under way first, to see what a refusal leaves of it.
        w.inserisci("845", "7", false);
        ASSERT_TRUE(w.clicca(1));
        ASSERT_EQ(f.TastierinoAttivo, 1);
        w.scrivi(c.dividendo, c.divisore, false);
        w.p.sound.played.clear();
        ASSERT_TRUE(w.p.click(f, "CmdInserisci"));
        EXPECT_EQ(f.Dividendo, c.valoreDividendo);
        EXPECT_EQ(f.Divisore, c.valoreDivisore);
        if (!c.accettata) {
            EXPECT_TRUE(w.p.sound.played.empty());
            EXPECT_EQ(w.p.m.ChiSceglie, app::DaTe);
            EXPECT_EQ(f.txtFattori[0].text, c.dividendo);
            EXPECT_EQ(f.txtFattori[1].text, c.divisore);
            EXPECT_EQ(f.focus(), &f.txtFattori[1]);
            EXPECT_TRUE(f.Frame1.enabled);
            EXPECT_TRUE(f.backspace.visible);
            EXPECT_FALSE(f.CmdRipeti.enabled);
            EXPECT_FALSE(f.cmdStampa.enabled);
            EXPECT_EQ(f.LblRisultato.text, "");
            atteseLavagnaVuota(f);
            // Digits go back into the entry box.
            const std::string prima = f.txtFattori[1].text;
            EXPECT_TRUE(w.premi('3'));
            EXPECT_EQ(f.txtFattori[1].text, (prima + "3").substr(0, 2));
            continue;
        }
        EXPECT_EQ(w.p.sound.played, std::vector<int>{app::SuonoPronto});
        EXPECT_EQ(w.p.m.ChiSceglie, app::InEsecuzione);
        EXPECT_EQ(w.p.m.ChiSceglieSalvato, app::DaTe);
        EXPECT_EQ(w.p.m.DaContare, 1);
        EXPECT_EQ(riga(f.TxtDividendo), c.lavagna);
        EXPECT_EQ(f.TxtDivisore.text, std::to_string(c.valoreDivisore));
        EXPECT_EQ(f.CifreDividendo, static_cast<int>(std::to_string(c.valoreDividendo).size()));
        EXPECT_EQ(f.txtFattori[0].text, "");
        EXPECT_EQ(f.txtFattori[1].text, "");
        EXPECT_FALSE(f.backspace.visible);
        EXPECT_TRUE(f.CmdRipeti.enabled && f.cmdStampa.enabled && f.Frame1.enabled);
        EXPECT_TRUE(f.Image1.visible);
        EXPECT_EQ(f.LblRisultato.text, "Quante cifre del dividendo devo considerare ?");
        EXPECT_EQ(f.lblScrivi.text, "Clicca sulla cifra scelta.");
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(f.Cliccabile[i], i <= f.CifreDividendo ? 1 : 0) << i;
            EXPECT_TRUE(f.TxtDividendo[i].enabled) << i;
        }
        EXPECT_EQ(riga(f.TxtQuoziente), "....");
        EXPECT_FALSE(f.TxtQuoziente[1].enabled);
        EXPECT_EQ(f.TastierinoAttivo, 0);
    }
}

TEST_F(DivCompattaSetUp, GuidedSetUpNamesTheDigitToClick) {
    struct Caso {
        const char *dividendo, *divisore, *riga;
    };
    const Caso casi[] = {{"845", "7", "Clicca sulla prima cifra."},
                         {"9876", "12", "Clicca sulla seconda cifra."},
                         {"1000", "99", "Clicca sulla terza cifra."}};
    FrmDivCompatta& f = apri(app::DaTe);
    for (const Caso& c : casi) {
        inserisci(c.dividendo, c.divisore, true);
        EXPECT_EQ(f.Guidato, 1);
        EXPECT_EQ(f.lblScrivi.text, c.riga);
        EXPECT_EQ(f.LblRisultato.text, "Quante cifre del dividendo devo considerare ?");
    }
}

TEST_F(DivCompattaSetUp, ComputerDrawsOperandsOfTheChosenLengthsAgainUntilTheyDivide) {
    for (int cifreDividendo = 1; cifreDividendo <= 4; ++cifreDividendo) {
        for (int cifreDivisore = 1; cifreDivisore <= 2; ++cifreDivisore) {
            if (cifreDivisore > cifreDividendo) continue;
            Finestra w;
            FrmDivCompatta& f = w.apri(app::DalComputer);
            SCOPED_TRACE(std::to_string(cifreDividendo) + "/" + std::to_string(cifreDivisore));
            const exercise::Limiti dividendo = exercise::limitiPerCifre(cifreDividendo);
            const exercise::Limiti divisore = exercise::limitiPerCifre(cifreDivisore);
            f.CmbDividendo.listIndex = cifreDividendo - 1;
            f.CmbDivisore.listIndex = cifreDivisore - 1;
            // First the smallest dividend with the largest divisor, then the largest with the smallest.
            w.p.random.script = {static_cast<int>(dividendo.min), static_cast<int>(divisore.max),
                                 static_cast<int>(dividendo.max), static_cast<int>(divisore.min)};
            ASSERT_TRUE(w.p.click(f, "CmdInserisci"));
            const bool ridisegna = divisore.max > dividendo.min;
            EXPECT_EQ(w.p.random.asked.size(), ridisegna ? 4u : 2u);
            for (std::size_t i = 0; i < w.p.random.asked.size(); i += 2) {
                EXPECT_EQ(w.p.random.asked[i], (std::pair<int, int>(dividendo.min, dividendo.max)));
                EXPECT_EQ(w.p.random.asked[i + 1], (std::pair<int, int>(divisore.min, divisore.max)));
            }
            EXPECT_LE(f.Divisore, f.Dividendo);
            EXPECT_EQ(std::to_string(f.Dividendo).size(), static_cast<std::size_t>(cifreDividendo));
            EXPECT_EQ(std::to_string(f.Divisore).size(), static_cast<std::size_t>(cifreDivisore));
            EXPECT_EQ(riga(f.TxtDividendo).substr(0, static_cast<std::size_t>(cifreDividendo)),
                      std::to_string(f.Dividendo));
            EXPECT_EQ(f.TxtDivisore.text, std::to_string(f.Divisore));
            EXPECT_EQ(w.p.sound.played, std::vector<int>{app::SuonoPronto});
            EXPECT_EQ(w.p.m.ChiSceglie, app::DalComputer);
            EXPECT_TRUE(f.Frame1.enabled);
        }
    }
}

TEST_F(DivCompattaSetUp, ComputerRefusesALongerDivisorAndLeavesTheKeypadOff) {
    FrmDivCompatta& f = apri(app::DalComputer);
    // An operation under way, in its quotient phase.
    p.random.script = {845, 7};
    ASSERT_TRUE(p.click(f, "CmdInserisci"));
    ASSERT_TRUE(clicca(1));
    ASSERT_EQ(f.FaseQuoziente, 1);

    p.event([&] { f.Cmb_DropDown(1); });
    f.CmbDivisore.listIndex = 1;
    p.event([&] { f.Cmb_Click(1); });
    p.sound.played.clear();
    ASSERT_TRUE(p.click(f, "CmdInserisci"));
    EXPECT_TRUE(p.sound.played.empty());
    EXPECT_FALSE(f.Frame1.enabled);
    EXPECT_FALSE(f.CmdRipeti.enabled);
    EXPECT_EQ(p.m.ChiSceglie, app::DalComputer);
    EXPECT_EQ(f.Dividendo, 845); // the previous operation's operands stay
    atteseLavagnaVuota(f);

    for (char c = '0'; c <= '9'; ++c)
        EXPECT_FALSE(premi(c));
    EXPECT_FALSE(p.click(f, "CmdAiuto"));
    // Even pressed behind the switched-off keypad, nothing reaches the board.
    for (int d = 0; d <= 9; ++d)
        p.event([&] { f.Cmd_Click(d); });
    p.event([&] { f.CmdAiuto_Click(); });
    atteseLavagnaVuota(f);
    EXPECT_EQ(f.LblRisultato.text, "");
    EXPECT_EQ(p.m.NumErrori, 0);
    EXPECT_TRUE(p.sound.played.empty());
}

TEST_F(DivCompattaSetUp, SolutionWithNothingSetUpDoesNothing) {
    FrmDivCompatta& f = apri(app::DaTe);
    p.event([&] { f.CmdAiuto_Click(); });
    atteseLavagnaVuota(f);
    EXPECT_EQ(f.LblRisultato.text, "Ciao");
    inserisci("5", "12", false);
    p.sound.played.clear();
    p.event([&] { f.CmdAiuto_Click(); });
    atteseLavagnaVuota(f);
    EXPECT_TRUE(p.sound.played.empty());
}

TEST_F(DivCompattaSetUp, EveryClearingEndsTheDialogueUnderWay) {
    struct Caso {
        const char* azione;
        bool tastierino, dividendoGrigio;
    };
    const Caso casi[] = {
        {"entry box", true, true}, {"list", false, false}, {"guide", true, true}, {"refused", true, false}};
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DaTe);
        SCOPED_TRACE(c.azione);
        w.inserisci("845", "23", false);
        ASSERT_TRUE(w.clicca(2));
        ASSERT_TRUE(w.premi('3')); // right: on to the remainder
        ASSERT_EQ(f.FaseResto, 1);
        const std::string azione = c.azione;
        bool premuto = true;
        if (azione == "entry box") premuto = w.p.click(f, "txtFattori(0)");
        if (azione == "list") w.p.event([&] { f.Cmb_DropDown(0); });
        if (azione == "guide") premuto = w.p.click(f, "Check2");
        if (azione == "refused") premuto = w.p.click(f, "CmdInserisci"); // the entry boxes are empty now
        ASSERT_TRUE(premuto);
        atteseLavagnaVuota(f);
        EXPECT_EQ(f.Frame1.enabled, c.tastierino);
        EXPECT_FALSE(f.CmdRipeti.enabled);
        EXPECT_FALSE(f.cmdStampa.enabled);
        EXPECT_EQ(f.LblRisultato.text, "");
        EXPECT_EQ(f.lblUao.text, "");
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(f.TxtDividendo[i].enabled, !c.dividendoGrigio) << i;
        EXPECT_FALSE(f.Timer1.enabled);
    }
}

TEST_F(DivCompattaSetUp, GuideOptionGoesBackToTheChoiceOfOperands) {
    struct Caso {
        int chi;
        bool tastierino;
        const char* fuoco;
    };
    const Caso casi[] = {{app::DaTe, true, "txtFattori(1)"}, {app::DalComputer, false, "CmdInserisci"}};
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(c.chi);
        if (c.chi == app::DaTe) {
            w.inserisci("84", "4", false);
        } else {
            f.Check2.checked = false;
            ASSERT_TRUE(w.p.click(f, "CmdInserisci"));
        }
        w.p.sound.played.clear();
        ASSERT_TRUE(w.p.click(f, "Check2"));
        EXPECT_EQ(w.p.m.ChiSceglie, c.chi);
        EXPECT_EQ(f.Frame1.enabled, c.tastierino);
        EXPECT_EQ(f.focus(), f.find(c.fuoco));
        EXPECT_EQ(w.p.sound.played, std::vector<int>{app::SuonoClic});
        EXPECT_EQ(f.Guidato, 0); // read only at the next set-up
        EXPECT_EQ(w.p.m.DaContare, 1);
    }
}

TEST_F(DivCompattaSetUp, OpeningAListStopsTheBlinkingHandAndMovesIt) {
    FrmDivCompatta& f = apri(app::DalComputer);
    p.event([&] { f.Cmb_DropDown(1); });
    EXPECT_FALSE(f.Timer1.enabled);
    EXPECT_TRUE(f.mano[1].visible);
    EXPECT_FALSE(f.mano[0].visible);
    EXPECT_EQ(f.Casella, 1);
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
}

TEST_F(DivCompattaSetUp, ReadySoundPlaysOncePerPress) {
    struct Caso {
        const char* pulsante;
        bool guidato;
        std::size_t suoni;
    };
    // Guided, "Ripeti" sets the board up in silence and keeps the face as it is.
    const Caso casi[] = {{"CmdInserisci", false, 1}, {"CmdInserisci", true, 1}, {"CmdRipeti", false, 1},
                         {"CmdRipeti", true, 0},     {"CmdAiuto", false, 1},    {"CmdAiuto", true, 1}};
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DalComputer);
        SCOPED_TRACE(std::string(c.pulsante) + (c.guidato ? " guided" : " plain"));
        f.Check2.checked = c.guidato;
        f.CmbDividendo.listIndex = 3;
        w.p.random.script = {1000, 1};
        ASSERT_TRUE(w.p.click(f, "CmdInserisci"));
        w.p.sound.played.clear();
        ASSERT_TRUE(w.p.click(f, c.pulsante));
        EXPECT_EQ(w.p.sound.played, std::vector<int>(c.suoni, app::SuonoPronto));
    }
}

TEST_F(DivCompattaSetUp, RepeatSetsTheSameOperationUpWithoutCounting) {
    FrmDivCompatta& f = apri(app::DaTe);
    inserisci("845", "7", false);
    ASSERT_TRUE(clicca(1));
    ASSERT_TRUE(premi('1'));
    ASSERT_TRUE(p.click(f, "CmdRipeti"));
    EXPECT_EQ(p.m.DaContare, 0);
    EXPECT_EQ(riga(f.TxtDividendo), "845.");
    EXPECT_EQ(f.TxtDivisore.text, "7");
    EXPECT_EQ(riga(f.TxtQuoziente), "....");
    EXPECT_EQ(riga(f.txtCappello), "....");
    EXPECT_EQ(f.LblRisultato.text, "Quante cifre del dividendo devo considerare ?");
    EXPECT_EQ(f.TastierinoAttivo, 0);
    EXPECT_EQ(f.Cliccabile[1], 1);
    EXPECT_TRUE(premi('1')); // digits wait for the click
    EXPECT_EQ(riga(f.TxtQuoziente), "....");
    ASSERT_TRUE(clicca(2));
    EXPECT_EQ(p.m.NumErrori, 0);
    EXPECT_EQ(f.LblRisultato.text, "Riprova");
}

TEST_F(DivCompattaSetUp, EndGoesBackToTheStartWindow) {
    p.m.ChiSceglie = app::DaTe;
    p.forms.load("frmStart");
    FrmDivCompatta& f = apri(app::DaTe);
    inserisci("84", "4", false);
    ASSERT_EQ(p.m.ChiSceglie, app::InEsecuzione);
    ASSERT_TRUE(p.click(f, "CmdEnd"));
    EXPECT_FALSE(p.forms.isLoaded("frmDivCompatta"));
    EXPECT_TRUE(p.forms.get<app::FrmStart>("frmStart").isVisible());
    EXPECT_EQ(p.m.ChiSceglie, app::DaTe);
    EXPECT_EQ(p.sound.last(), app::SuonoUscita);
}

} // namespace
