#include "DivCompatta.h"

#include "exercise/division_compact/SoluzioneCompatta.h"

#include <tuple>

using namespace div_compatta_test;
using exercise::risolviDivisioneCompatta;

namespace {

// The solver's finished board, written as lavagna() writes the window's.
std::string lavagnaRisolta(const exercise::SoluzioneCompatta& s) {
    std::string t = ".... .... .... .... .... ....";
    for (std::size_t i = 1; i <= 4; ++i) {
        t[i - 1] = s.cappello[i] ? s.cappello[i] : '.';
        t[4 + i] = int(i) <= s.passi ? static_cast<char>('0' + s.Quoziente[i]) : '.';
        for (std::size_t k = 1; k <= 4; ++k)
            t[5 * k + 4 + i] = s.righeResto[k][i] ? s.righeResto[k][i] : '.';
    }
    return t;
}

TEST(DivCompattaSolver, WorkedExamplesFillTheBoardCellByCell) {
    const std::tuple<int, int, const char*> esempi[] = {
        {1000, 7, "^^vv 142. .30. .20. .6.. ...."},  {9999, 99, "^^vv 101. .09. .99. .0.. ...."},
        {105, 5, "^^v. 21.. .05. .0.. .... ...."},   {100, 10, "^^v. 10.. .00. .0.. .... ...."},
        {1000, 99, "^^^v 10.. ..10 .10. .... ...."}, {9999, 1, "^vvv 9999 09.. 09.. 09.. 0..."},
        {1005, 5, "^^vv 201. .00. .05. .0.. ...."},  {845, 23, "^^v. 36.. 155. 17.. .... ...."}};
    for (const auto& [dividendo, divisore, attesa] : esempi) {
        EXPECT_EQ(lavagnaRisolta(*risolviDivisioneCompatta(dividendo, divisore)), attesa) << dividendo;
        EXPECT_EQ(aMano(dividendo, divisore).lavagna, attesa) << dividendo; // the sweeps' own answers
    }
    for (const auto& [dividendo, divisore] :
         {std::pair{0, 0}, {5, 0}, {1, 9}, {100, 100}, {10000, 7}, {-5, 1}})
        EXPECT_FALSE(risolviDivisioneCompatta(dividendo, divisore)) << dividendo << ":" << divisore;
}

// Every accepted pair: the solver's board, then a child in a plain window and in a guided one.
// Where the dividend is a multiple of 7, the child first tries every wrong answer in one of the
// windows, taking turns; half of those pairs in the plain window follow "Ripeti". Only the plain
// window counts, and only what is not repeated. In four runs of dividends, side by side.
struct DivCompattaSweep : ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(DivCompattaSweep, EveryAcceptedPairIsSolvedAndWorkedThroughInBothModes) {
    Finestra finestre[2];
    for (int g = 0; g < 2; ++g)
        finestre[g].apri(app::DaTe).Check2.checked = g == 1;
    int eseguite = 0;
    for (int dividendo = GetParam().first; dividendo <= GetParam().second; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            const auto op = [&] { return std::to_string(dividendo) + ":" + std::to_string(divisore) + " "; };
            const std::string veri =
                std::to_string(dividendo / divisore) + ":" + std::to_string(dividendo % divisore);
            const AMano a = aMano(dividendo, divisore);
            const auto s = risolviDivisioneCompatta(dividendo, divisore);
            ASSERT_TRUE(s) << op();
            ASSERT_EQ(s->CifreIniziali, a.cella) << op();
            ASSERT_EQ(lavagnaRisolta(*s), a.lavagna) << op();
            ASSERT_EQ(a.lavagna.substr(5, std::size_t(s->passi)) + ":" + std::to_string(s->Resto[s->passi]),
                      veri);
            for (int k = 1; k <= s->passi; ++k)
                ASSERT_EQ(s->ColonnaResto[k], a.cella) << op();

            const int sbaglia = dividendo % 7 != 0 ? -1 : dividendo / 7 % 2; // the window that errs
            const bool ripeti = sbaglia == 0 && divisore % 2 == 0;
            for (int g = 0; g < 2; ++g) {
                FrmDivCompatta& f = *finestre[g].finestra;
                testing_support::divisione::imposta(f, finestre[g].p, dividendo, divisore, g == 0 && ripeti);
                const bool conta = g == 0 && !ripeti;
                // Guided, the hint ends with the digit to write next.
                const auto suggerimento = [&](std::size_t e, char giusta) {
                    ASSERT_TRUE(g == 0 || (f.lblScrivi.text.rfind("Scrivi ", 0) == 0 &&
                                           f.lblScrivi.text.back() == giusta))
                        << op() << e << f.lblScrivi.text;
                };
                ASSERT_NO_FATAL_FAILURE(testing_support::divisione::lavoraDivisione(
                    f, finestre[g].p, a.cella, a.cifre, g == sbaglia, conta, suggerimento,
                    [&] { return lavagna(f); }, op));
                eseguite += conta;
                ASSERT_EQ(finestre[0].p.m.NumEseguite, eseguite) << op();
                std::string scritti = riga(f.TxtQuoziente) + ":" + riga(f.txtResto(s->passi));
                std::erase(scritti, '.');
                ASSERT_EQ(scritti, veri);
            }
        }
    }
    // The counters as the child reads them: a blank, then the number.
    const FrmDivCompatta& f = *finestre[0].finestra;
    EXPECT_EQ(f.lblFatte.text + "|" + f.lblErrori.text,
              " " + std::to_string(eseguite) + "| " + std::to_string(finestre[0].p.m.NumErrori));
    EXPECT_GT(finestre[0].p.m.NumErrori, 0);
}

INSTANTIATE_TEST_SUITE_P(Dividendi, DivCompattaSweep,
                         ::testing::Values(std::pair(1, 2700), std::pair(2701, 5150), std::pair(5151, 7600),
                                           std::pair(7601, 9999)));

} // namespace
