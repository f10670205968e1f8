// Both division windows worked through every pair they accept, by a child who never errs.
#include "support/Divisione.h"

#include "exercise/division_extended/SoluzioneEstesa.h"

using namespace testing_support::divisione;

namespace {

// The marks of the written subtraction d - p, as mark rows read them over cells 1..4 with the units
// in cell u: a digit lends when what stands to its right is smaller than the product's part there,
// and borrows when that holds with it included. A one-digit product marks nothing.
std::string segniAttesi(int d, int p, int u, bool primoPasso) {
    std::string s;
    for (int i = 1; i <= 4; ++i) {
        const int posto = u - i, peso = posto == 0 ? 1 : posto == 1 ? 10 : 100;
        const bool cifra = posto >= 0 && posto <= 2 && p >= 10 && peso <= d;
        const bool presta = cifra && d % peso < p % peso, prende = cifra && d % (peso * 10) < p % (peso * 10);
        if (presta || prende)
            s += (primoPasso && p >= 100 && posto == 1 ? " " : "") +
                 std::to_string(d / peso % 10 - presta + 10 * prende);
        else
            s += '.';
    }
    return s;
}

// Whether a hint's sum holds: "a:b=c" (b goes c times into a), "axb=c", "axb+c (che riportavo) =d",
// "a-b=c", and after "axb=c", "<article> d --> e" (d - c = e); blanks ignored. A line without a sum
// holds.
bool contoGiusto(std::string s) {
    std::erase(s, ' ');
    if (const auto p = s.find("(cheriportavo)"); p != std::string::npos) s.erase(p, 14);
    const auto uguale = s.find('='), op = s.find_first_of(":x-"), piu = s.find('+'), freccia = s.find("-->");
    if (uguale == std::string::npos || op > uguale) return true;
    const auto n = [&](std::size_t da, std::size_t a) { return std::stoi(s.substr(da, a - da)); };
    const int x = n(0, op), y = n(op + 1, std::min(piu, uguale)), z = n(uguale + 1, s.size());
    if (freccia != std::string::npos) {
        const std::size_t da = s.find_last_not_of("0123456789", freccia - 1) + 1;
        if (n(freccia + 3, s.size()) != n(da, freccia) - z) return false;
    }
    return s[op] == ':'   ? z == x / y
           : s[op] == 'x' ? z == x * y + (piu < uguale ? n(piu + 1, uguale) : 0)
                          : z == x - y;
}

// The digit a hint asks for, after "Scrivi " or "...e ".
char cifraSuggerita(const std::string& s) {
    const auto p = s.find_first_not_of(' ', s.rfind("Scrivi ", 0) == 0 ? 7
                                            : s.rfind("...e ", 0) == 0 ? 5
                                                                       : 0);
    return p == 0 || p == std::string::npos ? '?' : s[p];
}

// Sets dividendo : divisore up in f through its handlers (repeated when ripeti) and works it as a
// child would: first, when sbaglia, every wrong click and every wrong digit, then the right ones.
// Each wrong answer is counted once when conta, else not, and asks the same cell again, erasing
// only that cell; each right digit goes into the cell the child sees marked, after giusta(e, digit)
// held for the window's own checks. Ends on "Bravissimo", after which nothing answers any more.
template <class W, class Giusta>
void lavoraDivisione(W& f, testing_support::Program& p, int dividendo, int divisore, const AMano& a,
                     bool ripeti, bool sbaglia, bool conta, Giusta&& giusta) {
    std::vector<int>& suoni = p.sound.played;
    suoni.clear();
    f.txtFattori[0].text = std::to_string(dividendo);
    f.txtFattori[1].text = std::to_string(divisore);
    f.CmdInserisci_Click();
    if (ripeti) f.CmdRipeti_Click();
    const auto op = [&] { return std::to_string(dividendo) + ":" + std::to_string(divisore) + " "; };
    int errori = p.m.NumErrori;
    const auto sbagliata = [&] {
        errori += conta;
        return p.m.NumErrori == errori && f.Image4.visible && suoni.back() == 103;
    };
    const std::string& cifre = a.cifre[kEstesa<W>];
    // A click on any other dividend cell, empty ones beyond the dividend included.
    for (int i = 1; i <= 4 && sbaglia; ++i)
        ASSERT_TRUE(i == a.cella || (f.TxtDividendo_Click(i), sbagliata() && f.TastierinoAttivo == 0))
            << op() << "cell " << i;
    f.TxtDividendo_Click(a.cella);
    for (std::size_t e = 0; e < cifre.size(); ++e) {
        forms::Control* marcata = f.focus();
        ASSERT_TRUE(f.Image2.visible && suoni.back() == 104 && marcata &&
                    marcata->kind() == forms::ControlKind::Cell && marcata->enabled &&
                    marcata->text.empty() && giusta(e, cifre[e]))
            << op() << e << " " << f.LblRisultato.text << " | " << f.lblScrivi.text;
        const std::string prima = sbaglia ? lavagna(f) : "";
        for (char c = '0'; c <= '9' && sbaglia; ++c)
            ASSERT_TRUE(c == cifre[e] ||
                        (f.Cmd_Click(c - '0'), sbagliata() && f.focus() == marcata && marcata->text.empty()))
                << op() << e << c;
        ASSERT_TRUE(!sbaglia || lavagna(f) == prima) << op() << e;
        f.Cmd_Click(cifre[e] - '0');
        ASSERT_EQ(marcata->text, std::string(1, cifre[e])) << op() << e;
    }
    ASSERT_TRUE(f.LblRisultato.text == "Bravissimo" && f.lblScrivi.text == "hai finito" &&
                f.lblUao.text == "uaooo!" && f.Image3.visible && suoni.back() == 101)
        << op();
    const std::size_t suonati = suoni.size();
    f.Cmd_Click(cifre.back() - '0');
    f.TxtDividendo_Click(a.cella);
    ASSERT_TRUE(suoni.size() == suonati && !f.Frame1.enabled && p.m.NumErrori == errori) << op();
    ASSERT_EQ(lavagna(f), a.lavagna[kEstesa<W>]) << op();
}

// Dividends da..a - 1 with every divisor they take, in a plain window and in a guided one: the
// finished board against the division worked by hand; guided, every hint names the digit to write
// next and every sum in it holds; in the extended window, each step's bar and the borrow marks the
// guide wrote. Where the dividend is a multiple of 7 one of the windows, taking turns, first tries
// every wrong answer; half of those pairs in the plain window follow "Ripeti", and only the plain
// window counts what is not repeated. The counters then read as literals.
template <class W> void spazza(int da, int a) {
    Finestra<W> finestre[2];
    for (int g = 0; g < 2; ++g)
        finestre[g].apri(app::DaTe).Check2.checked = g == 1;
    int eseguite = 0;
    for (int dividendo = da; dividendo < a; ++dividendo) {
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            const AMano m = aMano(dividendo, divisore);
            std::string quoziente;
            for (const Passo& p : m.passi)
                quoziente += char('0' + p.q);
            ASSERT_EQ(std::stoi(quoziente) * 1000 + m.passi.back().r,
                      dividendo / divisore * 1000 + dividendo % divisore);
            const int sbaglia = dividendo % 7 != 0 ? -1 : dividendo / 7 % 2; // the window that errs
            const bool ripeti = sbaglia == 0 && divisore % 2 == 0;
            for (int g = 0; g < 2; ++g) {
                W& f = *finestre[g].finestra;
                const auto giusta = [&](std::size_t, char c) {
                    return g == 0 ||
                           (cifraSuggerita(f.lblScrivi.text) == c && contoGiusto(f.LblRisultato.text));
                };
                ASSERT_NO_FATAL_FAILURE(lavoraDivisione(f, finestre[g].p, dividendo, divisore, m,
                                                        g == 0 && ripeti, g == sbaglia, g == 0 && !ripeti,
                                                        giusta));
                eseguite += g == 0 && !ripeti;
                ASSERT_EQ(finestre[0].p.m.NumEseguite, eseguite) << dividendo << ":" << divisore;
                if constexpr (kEstesa<W>) {
                    std::string segni, attesi;
                    for (std::size_t k = 1; k <= m.passi.size(); ++k) {
                        const Passo& p = m.passi[k - 1];
                        // The bar under the partial dividend's digits, the first step's from the first
                        // column.
                        const int prima = k == 1 ? 1 : p.colonna - int(std::to_string(p.d).size()) + 1;
                        const forms::Control& l = f.Line(int(k));
                        ASSERT_TRUE(l.visible && l.left == 1800 + 480 * (prima - 1) &&
                                    l.x2 == 1800 + 480 * p.colonna && l.top == 2760 + 840 * int(k - 1) &&
                                    l.y2 == l.top)
                            << dividendo << ":" << divisore << " " << k;
                        segni += riga(f.RP(int(k) - 1)) + " ";
                        attesi += (g == 1 ? segniAttesi(p.d, p.p, m.cella + (k > 1), k == 1) : "....") + " ";
                    }
                    ASSERT_EQ(segni, attesi)
                        << dividendo << ":" << divisore; // the plain window marks nothing
                }
            }
        }
    }
    // The counters as the child reads them: a blank, then the number.
    const W& f = *finestre[0].finestra;
    EXPECT_EQ(f.lblFatte.text + "|" + f.lblErrori.text,
              " " + std::to_string(eseguite) + "| " + std::to_string(finestre[0].p.m.NumErrori));
    EXPECT_GT(finestre[0].p.m.NumErrori, 0);
}

// All 985,050 pairs in both windows, split by dividend into parts that run side by side.
class DivSweep : public testing::TestWithParam<int> {};

TEST_P(DivSweep, EveryAcceptedPairIsWorkedThroughInBothWindowsAndModes) {
    const int da = GetParam() == 0 ? 1 : 100 + 9900 * GetParam() / 8, a = 100 + 9900 * (GetParam() + 1) / 8;
    spazza<FrmDivCompatta>(da, a);
    spazza<FrmDivEstesa>(da, a);
}

INSTANTIATE_TEST_SUITE_P(Parti, DivSweep, testing::Range(0, 8));

} // namespace
