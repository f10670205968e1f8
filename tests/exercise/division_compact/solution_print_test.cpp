#include "DivCompatta.h"

#include "exercise/division_compact/SoluzioneCompatta.h"

#include <map>

using div_compatta_test::Finestra;
using div_compatta_test::riga;
using exercise::FrmDivCompatta;
using exercise::FrmDivCompattaBis;

namespace {

// The finished board as the solver works it out, row by row.
struct Lavagna {
    std::string cappello, quoziente, resti[5];
};

Lavagna attesa(int dividendo, int divisore) {
    const auto s = exercise::risolviDivisioneCompatta(dividendo, divisore);
    Lavagna l;
    for (int i = 1; i <= 4; ++i) {
        const auto cella = [](char c) { return c == 0 ? '.' : c; };
        l.cappello += cella(s->cappello[static_cast<std::size_t>(i)]);
        l.quoziente +=
            i <= s->passi ? static_cast<char>('0' + s->Quoziente[static_cast<std::size_t>(i)]) : '.';
        for (std::size_t k = 1; k <= 4; ++k)
            l.resti[k] += cella(s->righeResto[k][static_cast<std::size_t>(i)]);
    }
    return l;
}

// Answers that work a division through: the click, then each digit, a wrong digit first
// wherever one is asked for, so that errors are counted on the way.
std::vector<std::string> percorso(const std::string& dividendo, const std::string& divisore) {
    const std::map<std::string, std::vector<std::string>> noti = {
        {"9999:1", {"c1", "9", "0", "9", "9", "0", "9", "9", "0", "9", "9", "0"}},
        {"845:23", {"c2", "3", "5", "1", "5", "6", "7", "1"}},
        {"1000:99", {"c3", "1", "1", "0", "0", "0", "1"}},
        {"7:7", {"c1", "1", "0"}},
        {"1005:5", {"c2", "2", "0", "0", "0", "0", "5", "1", "0"}},
    };
    return noti.at(dividendo + ":" + divisore);
}

TEST(DivCompattaSoluzione, ShowsTheWholeDivisionAtAnyPoint) {
    const std::pair<const char*, const char*> operazioni[] = {
        {"9999", "1"}, {"845", "23"}, {"1000", "99"}, {"7", "7"}, {"1005", "5"}};
    for (const bool guidato : {false, true}) {
        for (const auto& [dividendo, divisore] : operazioni) {
            const std::vector<std::string> risposte = percorso(dividendo, divisore);
            // Stop before the click, after it, and after every answer but the last.
            for (std::size_t fermata = 0; fermata < risposte.size(); ++fermata) {
                Finestra w;
                FrmDivCompatta& f = w.apri(app::DaTe);
                SCOPED_TRACE(std::string(dividendo) + ":" + divisore + (guidato ? " guided" : " plain") +
                             " after " + std::to_string(fermata));
                w.inserisci(dividendo, divisore, guidato);
                for (std::size_t i = 0; i < fermata; ++i) {
                    if (risposte[i][0] == 'c') {
                        ASSERT_TRUE(w.clicca(risposte[i][1] - '0'));
                    } else {
                        ASSERT_TRUE(w.premi(risposte[i][0] == '9' ? '8' : '9')); // wrong first
                        ASSERT_TRUE(w.premi(risposte[i][0]));
                    }
                }
                const int errori = w.p.m.NumErrori;
                w.p.sound.played.clear();
                ASSERT_TRUE(w.p.click(f, "CmdAiuto"));

                const Lavagna l = attesa(f.Dividendo, f.Divisore);
                EXPECT_EQ(riga(f.txtCappello), l.cappello);
                EXPECT_EQ(riga(f.TxtQuoziente), l.quoziente);
                for (int k = 1; k <= 4; ++k)
                    EXPECT_EQ(riga(f.txtResto(k)), l.resti[k]) << "row " << k;
                for (int k = 0; k <= 4; ++k)
                    EXPECT_EQ(riga(f.RP(k)), "....") << "marks " << k;
                const int n = static_cast<int>(std::string(dividendo).size());
                for (int i = 1; i <= 4; ++i) {
                    EXPECT_EQ(f.Cliccabile[i], 0);
                    EXPECT_EQ(f.TxtDividendo[i].enabled, i <= n) << i; // the marks' greying is gone
                    EXPECT_FALSE(f.TxtQuoziente[i].enabled);
                    EXPECT_FALSE(f.txtResto1[i].enabled);
                }
                EXPECT_FALSE(f.Frame1.enabled);
                EXPECT_EQ(f.TastierinoAttivo, 0);
                EXPECT_TRUE(f.Image1.visible);
                EXPECT_FALSE(f.Image2.visible || f.Image3.visible || f.Image4.visible);
                EXPECT_EQ(f.LblRisultato.text, "Fatto");
                EXPECT_EQ(f.lblScrivi.text, "");
                EXPECT_EQ(f.lblUao.text, "");
                EXPECT_EQ(f.focus(), &f.CmdRipeti);
                EXPECT_EQ(w.p.sound.played, std::vector<int>{app::SuonoPronto});
                EXPECT_EQ(w.p.m.NumErrori, errori);
                EXPECT_EQ(w.p.m.NumEseguite, 0);
                EXPECT_EQ(w.p.m.DaContare, 1);
                EXPECT_EQ(f.Dividendo, std::stoi(dividendo));
                // No dividend digit answers the first question any more.
                EXPECT_TRUE(w.clicca(1));
                EXPECT_EQ(f.LblRisultato.text, "Fatto");

                // "Ripeti" asks the first question again, on a keypad that is on.
                ASSERT_TRUE(w.p.click(f, "CmdRipeti"));
                EXPECT_EQ(f.LblRisultato.text, "Quante cifre del dividendo devo considerare ?");
                EXPECT_EQ(riga(f.TxtQuoziente), "....");
                EXPECT_TRUE(f.Frame1.enabled);
                EXPECT_EQ(f.Cliccabile[1], 1);
            }
        }
    }
}

std::map<std::string, std::string> stampa(Finestra& w) {
    const std::size_t prima = w.p.printer.pages.size();
    EXPECT_TRUE(w.p.click(*w.finestra, "cmdStampa"));
    EXPECT_EQ(w.p.printer.pages.size(), prima + 1);
    return w.p.printer.pages.empty() ? std::map<std::string, std::string>{} : w.p.printer.pages.back();
}

// The page holds the board's cells under the same names; the mark rows print empty.
void stessaLavagna(const FrmDivCompatta& f, const std::map<std::string, std::string>& pagina) {
    for (const forms::Control* c : f.controls()) {
        const std::string& nome = c->name();
        const bool cella = c->kind() == forms::ControlKind::Cell;
        if (!cella || nome == "TxtDividendo(0)" || nome.rfind("txtFattori", 0) == 0) continue;
        ASSERT_EQ(pagina.count(nome), 1u) << nome;
        if (nome.rfind("RP", 0) == 0)
            EXPECT_EQ(pagina.at(nome), "") << nome;
        else
            EXPECT_EQ(pagina.at(nome), c->text) << nome;
    }
}

TEST(DivCompattaStampa, PrintsTheBoardAsItStandsWithoutMarks) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.inserisci("845", "23", true);
    EXPECT_TRUE(f.cmdStampa.enabled);
    for (const char* r : {"c2", "3", "5", "1", "5", "6"}) {
        if (r[0] == 'c')
            ASSERT_TRUE(w.clicca(r[1] - '0'));
        else
            ASSERT_TRUE(w.premi(r[0]));
    }
    ASSERT_EQ(f.RP1[3].text, " 25");
    const std::string risultato = f.LblRisultato.text;
    w.p.sound.played.clear();
    const auto pagina = stampa(w);
    stessaLavagna(f, pagina);
    EXPECT_EQ(pagina.at("TxtDivisore"), "23");
    EXPECT_EQ(pagina.at("TxtQuoziente(2)"), "6");
    EXPECT_EQ(pagina.at("txtResto1(3)"), "5");
    EXPECT_EQ(pagina.at("txtResto2(2)"), "");
    // Printing leaves the window as it was.
    EXPECT_EQ(f.LblRisultato.text, risultato);
    EXPECT_EQ(f.RP1[3].text, " 25");
    EXPECT_TRUE(w.p.sound.played.empty());
    EXPECT_FALSE(w.p.forms.get<FrmDivCompattaBis>("frmDivCompatta_bis").isVisible());

    ASSERT_TRUE(w.p.click(f, "CmdAiuto"));
    stessaLavagna(f, stampa(w));
}

TEST(DivCompattaStampa, APrintKeepsNothingOfTheOneBefore) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.inserisci("9999", "1", false);
    ASSERT_TRUE(w.p.click(f, "CmdAiuto"));
    stessaLavagna(f, stampa(w));
    w.inserisci("7", "7", false);
    const auto pagina = stampa(w);
    stessaLavagna(f, pagina);
    EXPECT_EQ(pagina.at("TxtDividendo(1)"), "7");
    EXPECT_EQ(pagina.at("TxtDividendo(2)"), "");
    EXPECT_EQ(pagina.at("TxtQuoziente(1)"), "");
    EXPECT_EQ(pagina.at("txtResto4(1)"), "");
    EXPECT_EQ(pagina.at("txtCappello(1)"), "");
}

TEST(DivCompattaStampa, WithoutAPrinterTheWindowCarriesOn) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.p.printer.available = false;
    w.inserisci("84", "4", false);
    ASSERT_TRUE(w.p.click(f, "cmdStampa"));
    EXPECT_TRUE(w.p.printer.pages.empty());
    ASSERT_TRUE(w.clicca(1));
    EXPECT_EQ(f.LblRisultato.text, "Bravo. Quoziente ?");
}

TEST(DivCompattaStampa, LayoutIsTheBoardOnWhiteShiftedUpAndRight) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    const FrmDivCompattaBis l;
    EXPECT_EQ(l.width, 9480);
    EXPECT_EQ(l.height, 6792);
    EXPECT_EQ(l.backColor, 0xFFFFFFu);
    int celle = 0;
    for (const forms::Control* c : l.controls()) {
        if (!c->visible) continue; // the unused element 0 of each row, and dividend cell 5
        const forms::Control* sulla = f.find(c->name());
        ASSERT_NE(sulla, nullptr) << c->name();
        EXPECT_EQ(c->left, sulla->left + 660) << c->name();
        EXPECT_EQ(c->top, sulla->top - 300) << c->name();
        EXPECT_EQ(c->font.family, sulla->font.family) << c->name();
        EXPECT_EQ(c->foreColor, sulla->foreColor) << c->name();
        ++celle;
    }
    EXPECT_EQ(celle, 4 + 20 + 4 + 1 + 2 + 4 + 16); // marks, dividend, divisor, signs, quotient, remainders
    EXPECT_EQ(l.TxtDividendo[5].left, 3780);
}

} // namespace
