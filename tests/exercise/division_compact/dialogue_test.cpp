#include "DivCompatta.h"

#include <array>

using div_compatta_test::Finestra;
using exercise::FrmDivCompatta;

namespace {

// What a perfect child answers, worked out here by long division: the dividend digit that
// ends the first partial dividend, then for each step the quotient digit, the remainder
// from its units digit and, but for the last step, the digit brought down.
struct Risposte {
    int cella = 0;
    std::array<char, 16> cifre{};
    int quante = 0;
};

Risposte risposte(int dividendo, int divisore) {
    Risposte r;
    const std::string testo = std::to_string(dividendo);
    int parziale = 0;
    while (parziale < divisore)
        parziale = parziale * 10 + (testo[static_cast<std::size_t>(r.cella++)] - '0');
    for (std::size_t pos = static_cast<std::size_t>(r.cella);; ++pos) {
        const int resto = parziale % divisore;
        r.cifre[static_cast<std::size_t>(r.quante++)] = static_cast<char>('0' + parziale / divisore);
        r.cifre[static_cast<std::size_t>(r.quante++)] = static_cast<char>('0' + resto % 10);
        if (resto >= 10) r.cifre[static_cast<std::size_t>(r.quante++)] = static_cast<char>('0' + resto / 10);
        if (pos == testo.size()) break;
        r.cifre[static_cast<std::size_t>(r.quante++)] = testo[pos];
        parziale = resto * 10 + (testo[pos] - '0');
    }
    return r;
}

std::string letta(const forms::ControlArray& r) {
    std::string s;
    for (int i = 1; i <= 4; ++i)
        s += r[i].text;
    return s;
}

// Sets the pair up as typed operands, straight through the handlers: the sweeps are long.
void imposta(Finestra& w, int dividendo, int divisore) {
    FrmDivCompatta& f = *w.finestra;
    f.txtFattori[0].text = std::to_string(dividendo);
    f.txtFattori[1].text = std::to_string(divisore);
    f.CmdInserisci_Click();
}

struct DivCompattaDialogo : ::testing::TestWithParam<bool> {};

// Every accepted pair, worked by a child who never errs.
TEST_P(DivCompattaDialogo, PerfectChildFinishesEveryDivisionWithTheTrueResult) {
    const bool guidato = GetParam();
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    f.Check2.checked = guidato;
    auto& suoni = w.p.sound.played;
    int eseguite = 0;
    for (int dividendo = 1; dividendo <= 9999; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            suoni.clear();
            imposta(w, dividendo, divisore);
            ASSERT_EQ(w.p.m.ChiSceglie, app::InEsecuzione);
            const Risposte r = risposte(dividendo, divisore);

            f.TxtDividendo_Click(r.cella);
            ASSERT_EQ(f.TastierinoAttivo, 1) << dividendo << ":" << divisore;
            ASSERT_EQ(suoni.back(), app::SuonoBravo);
            if (guidato) {
                ASSERT_EQ(f.lblScrivi.text.back(), r.cifre[0]) << dividendo << ":" << divisore;
            }

            for (int e = 0; e < r.quante; ++e) {
                const char cifra = r.cifre[static_cast<std::size_t>(e)];
                forms::Control* cella = f.focus();
                // The cell the digit goes into is the one the child sees marked.
                ASSERT_TRUE(cella != nullptr && cella->kind() == forms::ControlKind::Cell);
                ASSERT_TRUE(cella->text.empty() && cella->enabled)
                    << dividendo << ":" << divisore << " #" << e;
                f.Cmd_Click(cifra - '0');
                ASSERT_EQ(cella->text, std::string(1, cifra)) << dividendo << ":" << divisore << " #" << e;
                if (e + 1 < r.quante) {
                    ASSERT_TRUE(f.Image2.visible) << dividendo << ":" << divisore << " #" << e;
                    ASSERT_EQ(suoni.back(), app::SuonoBravo);
                    if (guidato) {
                        ASSERT_EQ(f.lblScrivi.text.compare(0, 7, "Scrivi "), 0);
                        ASSERT_EQ(f.lblScrivi.text.back(), r.cifre[static_cast<std::size_t>(e + 1)])
                            << dividendo << ":" << divisore << " #" << e;
                    }
                }
            }
            ASSERT_EQ(f.LblRisultato.text, "Bravissimo") << dividendo << ":" << divisore;
            ASSERT_EQ(f.lblScrivi.text, "hai finito");
            ASSERT_EQ(f.lblUao.text, "uaooo!");
            ASSERT_TRUE(f.Image3.visible);
            ASSERT_EQ(suoni.back(), app::SuonoFinito);
            ASSERT_EQ(f.focus(), &f.CmdInserisci);
            ASSERT_EQ(letta(f.TxtQuoziente), std::to_string(dividendo / divisore));
            ASSERT_EQ(letta(f.txtResto(f.soluzione.passi)), std::to_string(dividendo % divisore));
            if (!guidato) ++eseguite;
            ASSERT_EQ(w.p.m.NumEseguite, eseguite);
            ASSERT_EQ(w.p.m.NumErrori, 0);
            // Over: the keypad is off and no dividend digit answers any more.
            ASSERT_FALSE(f.Frame1.enabled);
            for (int i = 1; i <= 4; ++i)
                ASSERT_EQ(f.Cliccabile[i], 0);
        }
    }
    EXPECT_EQ(w.p.m.NumEseguite, guidato ? 0 : 985050);
    EXPECT_EQ(f.lblFatte.text, guidato ? " 0" : " 985050");
}

INSTANTIATE_TEST_SUITE_P(Modi, DivCompattaDialogo, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Guidato" : "Libero"; });

TEST(DivCompattaDialogoFine, AfterTheEndDigitsAndClicksDoNothing) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.inserisci("845", "23", false);
    ASSERT_TRUE(w.clicca(2));
    for (char c : std::string("3515671"))
        ASSERT_TRUE(w.premi(c));
    ASSERT_EQ(f.LblRisultato.text, "Bravissimo");
    const std::vector<int> suoni = w.p.sound.played;
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_FALSE(w.premi(c));
    EXPECT_FALSE(w.p.click(f, "CmdAiuto"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(w.clicca(i)); // still shown and enabled, but no longer asked
    // Even a digit that reached the handler finds no question open.
    w.p.event([&] { f.Cmd_Click(1); });
    EXPECT_EQ(f.LblRisultato.text, "Bravissimo");
    EXPECT_EQ(w.p.sound.played, suoni);
    EXPECT_EQ(w.p.m.NumEseguite, 1);
    EXPECT_EQ(w.p.m.NumErrori, 0);
    EXPECT_EQ(div_compatta_test::riga(f.txtResto2), "17..");
}

// Modes of the wrong-answer sweep: which of them count an error.
enum Modo { ContatoLibero, Guidato, DopoRipeti };

TEST(DivCompattaErrori, EveryWrongAnswerIsRefusedErasedAndCountedOnlyWhenItCounts) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    auto& suoni = w.p.sound.played;
    int errori = 0, eseguite = 0, coppie = 0;
    for (int dividendo = 7; dividendo <= 9999; dividendo += 7) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            const Modo modo = static_cast<Modo>(coppie++ % 3);
            f.Check2.checked = modo == Guidato;
            suoni.clear();
            imposta(w, dividendo, divisore);
            if (modo == DopoRipeti) f.CmdRipeti_Click();
            const bool conta = modo == ContatoLibero;
            const Risposte r = risposte(dividendo, divisore);
            const std::string domanda = f.lblScrivi.text;

            // A click on any other dividend cell, empty ones beyond the dividend included.
            for (int i = 1; i <= 4; ++i) {
                if (i == r.cella) continue;
                f.TxtDividendo_Click(i);
                if (conta) ++errori;
                ASSERT_EQ(w.p.m.NumErrori, errori) << dividendo << ":" << divisore << " cell " << i;
                ASSERT_TRUE(f.Image4.visible);
                ASSERT_EQ(suoni.back(), app::SuonoErrore);
                ASSERT_EQ(f.TastierinoAttivo, 0);
                ASSERT_EQ(f.LblRisultato.text,
                          modo == Guidato ? "Quante cifre del dividendo devo considerare ?" : "Riprova");
                ASSERT_EQ(f.lblScrivi.text, modo == Guidato ? domanda : "");
            }
            f.TxtDividendo_Click(r.cella);
            ASSERT_EQ(f.TastierinoAttivo, 1);

            for (int e = 0; e < r.quante; ++e) {
                const char giusta = r.cifre[static_cast<std::size_t>(e)];
                forms::Control* cella = f.focus();
                for (char cifra = '0'; cifra <= '9'; ++cifra) {
                    if (cifra == giusta) continue;
                    const std::string risultato = f.LblRisultato.text;
                    const std::string scrivi = f.lblScrivi.text;
                    f.Cmd_Click(cifra - '0');
                    if (conta) ++errori;
                    ASSERT_EQ(w.p.m.NumErrori, errori)
                        << dividendo << ":" << divisore << " #" << e << " " << cifra;
                    ASSERT_EQ(f.focus(), cella);
                    ASSERT_EQ(cella->text, "");
                    ASSERT_TRUE(f.Image4.visible);
                    ASSERT_EQ(suoni.back(), app::SuonoErrore);
                    if (modo == Guidato) {
                        ASSERT_EQ(f.LblRisultato.text, risultato);
                        ASSERT_EQ(f.lblScrivi.text, scrivi);
                    } else {
                        ASSERT_EQ(f.LblRisultato.text, "Riprova");
                        ASSERT_EQ(f.lblUao.text, "ops!");
                        ASSERT_EQ(f.lblScrivi.text, "");
                    }
                }
                f.Cmd_Click(giusta - '0');
                ASSERT_EQ(cella->text, std::string(1, giusta)) << dividendo << ":" << divisore << " #" << e;
            }
            ASSERT_EQ(f.LblRisultato.text, "Bravissimo") << dividendo << ":" << divisore;
            if (conta) ++eseguite;
            ASSERT_EQ(w.p.m.NumEseguite, eseguite);
        }
    }
    EXPECT_EQ(f.lblErrori.text, app::numeroTesto(errori));
    EXPECT_GT(errori, 0);
}

} // namespace
