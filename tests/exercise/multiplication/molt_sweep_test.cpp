// A child who knows every answer, over every operation of both windows: led to the true
// product, every digit judged rightly, counted exactly as it should be.
#include "Molt.h"

#include "exercise/Numeri.h"

namespace molt_test {
namespace {

constexpr long kPeso[] = {1, 10, 100, 1000, 10000, 100000};

// The digit a x b asks for in the cell named riga(k), worked out by hand. Row 1 (of the
// one-digit window, the only row) is a times the units u of b, row 2 a times its tens t
// written from the tens column; a carry is what the lower digits leave over, and no cell
// should ask for a carry of 0 (-1: a cell that must not be asked).
int cifraGiusta(long a, long b, const forms::Control& cella) {
    const std::string nome = cella.name();
    const std::string riga = nome.substr(0, nome.find('('));
    const int k = nome[nome.size() - 2] - '0';
    const long u = b % 10, t = b / 10, p = kPeso[k];
    auto riporto = [](long x) { return x > 0 ? static_cast<int>(x) : -1; };
    if (riga == "TxtProdotto" || riga == "TxtProdotto3") return static_cast<int>(a * b / p % 10);
    if (riga == "TxtProdotto1") return static_cast<int>(a * u / p % 10);
    if (riga == "TxtProdotto2") return k == 0 ? -1 : static_cast<int>(a * t / kPeso[k - 1] % 10);
    if (riga == "TxtRiporto" || riga == "TxtRiporto1") return riporto(a % p * u / p);
    if (riga == "TxtRiporto2") return riporto(a % p * t / p);
    if (riga == "TxtRiporto3") return riporto((a * u % p + a * t * 10 % p) / p);
    return -1;
}

// a x b worked at once plain and counted (modo 0), or after "Soluzione" (which must show
// a x b) by "Ripeti", guided (1) or plain (2), and so not counted. The first fault, or "".
std::string lavora(Program& p, FinestraMoltiplicazione& w, long a, long b, int modo, bool sbaglia) {
    w.Check2.checked = modo != 0;
    w.txtFattori[0].text = std::to_string(a);
    w.txtFattori[1].text = std::to_string(b);
    w.CmdVai_Click();
    const std::string prodotto = std::to_string(a * b);
    const std::string atteso = std::string(5 - prodotto.size(), '.') + prodotto;
    auto risultato = [&] { return lavagna(w).substr(lavagna(w).size() - 5); };
    if (modo != 0) {
        w.CmdRisolvi_Click();
        if (risultato() != atteso) return "the solution shows " + risultato();
        w.Check2.checked = modo == 1;
        w.CmdSomma_Click();
    }
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    const std::string guasto = testing_support::lavora(
        w, [&](const forms::Control& c) { return cifraGiusta(a, b, c); }, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    if (risultato() != atteso) return "wrong product " + risultato();
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    return "";
}

// The one-digit window's product has as many columns as digits.
std::string colonne(const exercise::FrmMolt1& w, long a, long b) {
    return w.colonne.NumColonne == exercise::numeroCifre(a * b) ? "" : "wrong number of columns";
}

// The two-digit window's rows hold a x (b mod 10), with its leading zeros (as many digits as
// a at least), and a x (b div 10) from the tens column; after row 1 its carries made way.
std::string righe(const exercise::FrmMolt2& w, long a, long b) {
    const std::string r1 = std::to_string(a * (b % 10)), r2 = std::to_string(a * (b / 10)) + ".";
    const std::size_t cifre = std::to_string(a).size();
    const std::string attese = std::string(5 - std::max(cifre, r1.size()), '.') +
                               std::string(cifre > r1.size() ? cifre - r1.size() : 0, '0') + r1 + " " +
                               std::string(5 - r2.size(), '.') + r2;
    if (riga(w.TxtProdotto1) + " " + riga(w.TxtProdotto2) != attese)
        return "rows " + riga(w.TxtProdotto1) + " " + riga(w.TxtProdotto2);
    return !w.TxtRiporto1[0].visible && w.TxtRiporto2[3].visible ? "" : "row 1's carries still shown";
}

// Every pair plain and counted, and guided; every 89th pair also plain after "Ripeti", with a
// wrong digit before every right one.
template <class W, class Controlla>
void spazza(const char* nome, long a0, long a1, long b0, long b1, Controlla controlla) {
    Banco t;
    W& w = dynamic_cast<W&>(t.apri(nome, DaTe));
    t.p.m.Silenzio = 1;
    long n = 0;
    for (long a = a0; a <= a1; ++a) {
        for (long b = b0; b <= b1; ++b, ++n) {
            for (int modo = 0; modo < (n % 89 == 0 ? 3 : 2); ++modo) {
                std::string guasto = lavora(t.p, w, a, b, modo, n % 89 == 0);
                if (guasto.empty()) guasto = controlla(w, a, b);
                ASSERT_EQ(guasto, "") << a << " x " << b << " mode " << modo;
            }
        }
    }
}

TEST(MoltSweep, OneDigitMultiplier) {
    spazza<exercise::FrmMolt1>("frmMolt1", 1, 9999, 1, 9, colonne);
}

TEST(MoltSweep, TwoDigitMultiplier) {
    spazza<exercise::FrmMolt2>("frmMolt2", 10, 999, 10, 99, righe);
}

} // namespace
} // namespace molt_test
