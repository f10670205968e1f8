#include "DivEstesa.h"

#include "exercise/division_extended/SoluzioneEstesa.h"

using namespace div_estesa_test;
using exercise::risolviDivisioneEstesa;
using exercise::SoluzioneEstesa;

namespace {

// The solver's finished board, written as lavagna() writes the window's.
std::string lavagnaRisolta(const SoluzioneEstesa& s) {
    const auto cella = [](char c) { return c ? c : '.'; };
    std::string t(4, '.');
    for (std::size_t i = 1; i <= 4; ++i)
        t[i - 1] = cella(s.cappello[i]);
    t += " ";
    for (std::size_t i = 1; i <= 4; ++i)
        t += int(i) <= s.passi ? char('0' + s.Quoziente[i]) : '.';
    for (std::size_t k = 1; k <= 4; ++k) {
        t += " ";
        for (std::size_t i = 1; i <= 4; ++i)
            t += cella(s.righeProdotto[k][i]);
        t += "/";
        for (std::size_t i = 1; i <= 4; ++i)
            t += cella(s.righeResto[k][i]);
    }
    return t;
}

// The mark over the digit of place value 10^posto of d, in the written subtraction d - p: a digit
// lends when what stands to its right is smaller than the product's part there, and borrows when
// the same holds with it included.
std::string segnoAtteso(int d, int p, int posto, bool primoPasso) {
    int peso = 1;
    for (int i = 0; i < posto; ++i)
        peso *= 10;
    if (p < 10 || peso > d) return "";
    const bool presta = d % peso < p % peso, prende = d % (peso * 10) < p % (peso * 10);
    if (!presta && !prende) return "";
    const std::string s = std::to_string(d / peso % 10 - presta + 10 * prende);
    return primoPasso && p >= 100 && posto == 1 ? " " + s : s;
}

// Every pair the window accepts: the first partial dividend, each step's quotient digit, product,
// remainder and digit brought down, the board they fill, the borrow marks and the bars, against the
// division worked by hand; the quotient and the last remainder against the machine's division.
TEST(DivEstesaSolverSweep, EveryAcceptedPairIsWorkedAsOnPaper) {
    long coppie = 0;
    for (int dividendo = 1; dividendo <= 9999; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore, ++coppie) {
            const auto op = [&] { return std::to_string(dividendo) + ":" + std::to_string(divisore); };
            const auto s = risolviDivisioneEstesa(dividendo, divisore);
            ASSERT_TRUE(s) << op();
            const AMano a = aMano(dividendo, divisore);
            ASSERT_EQ(s->CifreIniziali, a.cella) << op();
            ASSERT_EQ(s->passi, int(a.passi.size())) << op();
            ASSERT_EQ(lavagnaRisolta(*s), a.lavagna) << op();
            int quoziente = 0;
            for (std::size_t k = 1; k <= a.passi.size(); ++k) {
                const Passo& p = a.passi[k - 1];
                quoziente = quoziente * 10 + s->Quoziente[k];
                ASSERT_TRUE(s->DividendoParziale[k] == p.d && s->Quoziente[k] == p.q &&
                            s->Prodotto[k] == p.p && s->Resto[k] == p.r)
                    << op() << " step " << k;
                // The bar under the partial dividend's digits: the first step's from the first column.
                const int ultima = p.colonna,
                          prima = k == 1 ? 1 : ultima - int(std::to_string(p.d).size()) + 1;
                const exercise::Barra barra{1800 + 480 * (prima - 1), 1800 + 480 * ultima,
                                            2760 + 840 * int(k - 1)};
                ASSERT_EQ(s->barre[k], barra) << op() << " step " << k;
                // Marks over the partial dividend, which ends in cell C of the dividend's row, then in
                // cell C + 1 of each remainder row.
                const int unita = s->CifreIniziali + (k == 1 ? 0 : 1);
                for (int i = 1; i <= 4; ++i) {
                    const std::string atteso = unita - i >= 0 ? segnoAtteso(p.d, p.p, unita - i, k == 1) : "";
                    ASSERT_EQ(s->segni[k - 1][std::size_t(i)], atteso)
                        << op() << " step " << k << " cell " << i;
                }
            }
            ASSERT_EQ(quoziente, dividendo / divisore) << op();
            ASSERT_EQ(s->Resto[std::size_t(s->passi)], dividendo % divisore) << op();
        }
    }
    EXPECT_EQ(coppie, 985050);
    // What cannot be divided is not worked out.
    for (const auto& [dividendo, divisore] :
         {std::pair{0, 0}, {5, 0}, {1, 9}, {100, 100}, {10000, 7}, {-5, 1}})
        EXPECT_FALSE(risolviDivisioneEstesa(dividendo, divisore)) << dividendo << ":" << divisore;
}

} // namespace

namespace {

// Whether a hint's sum holds: "a:b=c" (c is how many times b goes into a), "axb=c",
// "axb+c (che riportavo) =d" and "a-b=c", blanks ignored. A line with no sum holds.
bool contoGiusto(std::string s) {
    std::erase(s, ' ');
    if (const auto p = s.find("(cheriportavo)"); p != std::string::npos) s.erase(p, 14);
    const auto uguale = s.find('=');
    const auto op = s.find_first_of(":x-");
    if (uguale == std::string::npos || op == std::string::npos || op > uguale) return true;
    const auto numero = [&](std::size_t da, std::size_t a) { return std::stoi(s.substr(da, a - da)); };
    const auto piu = s.find('+');
    const int x = numero(0, op), y = numero(op + 1, std::min(piu, uguale)), z = numero(uguale + 1, s.size());
    const int riporto = piu < uguale ? numero(piu + 1, uguale) : 0;
    switch (s[op]) {
    case ':':
        return z == x / y;
    case 'x':
        return z == x * y + riporto;
    default:
        return z == x - y;
    }
}

// The digit a hint asks for: after "Scrivi " or "...e ", blanks skipped.
char cifraSuggerita(const std::string& s) {
    for (const char* inizio : {"Scrivi ", "...e "})
        if (s.rfind(inizio, 0) == 0) {
            const auto p = s.find_first_not_of(' ', std::string(inizio).size());
            return p == std::string::npos ? '?' : s[p];
        }
    return '?';
}

// Every accepted pair, in a plain window and in a guided one, by a child who never errs: each digit
// goes into the cell the child sees marked and is accepted, the division ends on the last one and
// counts only in the plain window; guided, every hint names the digit to write next and every sum
// in a hint holds. Where the dividend is a multiple of 7 one of the windows (taking turns) first
// tries every wrong answer: counted once each only in the plain window, and only when the operation
// was not repeated; the same cell is asked again. The pairs are split by dividend into parts that
// run side by side.
class DivEstesaSweep : public testing::TestWithParam<int> {};

TEST_P(DivEstesaSweep, EveryAcceptedPairIsWorkedThroughInBothModes) {
    constexpr int kParti = 8;
    const int da = GetParam() == 0 ? 1 : 100 + (9900 * GetParam()) / kParti,
              a = 100 + (9900 * (GetParam() + 1)) / kParti;
    Finestra finestre[2];
    for (int g = 0; g < 2; ++g)
        finestre[g].apri(app::DaTe).Check2.checked = g == 1;
    int eseguite = 0;
    for (int dividendo = da; dividendo < a; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            const auto op = [&] { return std::to_string(dividendo) + ":" + std::to_string(divisore) + " "; };
            const AMano m = aMano(dividendo, divisore);
            const int sbaglia = dividendo % 7 != 0 ? -1 : dividendo / 7 % 2; // the window that errs
            const bool ripeti = sbaglia == 0 && divisore % 2 == 0;
            for (int g = 0; g < 2; ++g) {
                FrmDivEstesa& f = *finestre[g].finestra;
                testing_support::imposta(f, finestre[g].p, dividendo, divisore, g == 0 && ripeti);
                const bool conta = g == 0 && !ripeti;
                // Guided, the hint names the digit to write next and its sum holds.
                const auto suggerimenti = [&](std::size_t e, char giusta) {
                    ASSERT_TRUE(g == 0 || (cifraSuggerita(f.lblScrivi.text) == giusta &&
                                           contoGiusto(f.LblRisultato.text)))
                        << op() << e << " " << f.LblRisultato.text << " | " << f.lblScrivi.text;
                };
                ASSERT_NO_FATAL_FAILURE(testing_support::lavoraDivisione(
                    f, finestre[g].p, m.cella, m.cifre, g == sbaglia, conta, suggerimenti,
                    [&] { return lavagna(f); }, op));
                eseguite += conta;
                ASSERT_EQ(finestre[0].p.m.NumEseguite, eseguite) << op();
                ASSERT_EQ(lavagna(f), m.lavagna) << op();
            }
        }
    }
    EXPECT_EQ(finestre[0].finestra->lblErrori.text, app::numeroTesto(finestre[0].p.m.NumErrori));
}

INSTANTIATE_TEST_SUITE_P(Parti, DivEstesaSweep, testing::Range(0, 8));

} // namespace
