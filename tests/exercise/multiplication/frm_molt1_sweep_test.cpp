// A child who knows the answer, over every operation of the window: it must be led to the
// true product, judged rightly, and counted exactly as it should.
#include "Molt.h"

namespace molt_test {
namespace {

using exercise::FrmMolt1;

// The digit a x b asks for in a cell, by hand: a product digit, or the carry into column k
// (what the k lower digits of a times b leave over); -1 for a cell that must not be asked.
int cifraGiusta(const FrmMolt1& w, long a, long b, const forms::Control& cella) {
    for (int k = 0; k < 5; ++k) {
        if (&cella == &w.TxtProdotto[k]) return static_cast<int>(a * b / kPeso[k] % 10);
        const long riporto = a % kPeso[k] * b / kPeso[k];
        if (&cella == &w.TxtRiporto[k]) return riporto > 0 ? static_cast<int>(riporto) : -1;
    }
    return -1;
}

// a x b: "Soluzione" first in guided mode, then worked plain and counted (modo 0), guided
// after "Ripeti" (1) or plain after "Ripeti" (2). Returns the first fault, or "".
std::string lavora(Program& p, FrmMolt1& w, long a, long b, int modo, bool sbaglia) {
    w.Check2.checked = modo != 0;
    w.txtFattori[0].text = std::to_string(a);
    w.txtFattori[1].text = std::to_string(b);
    w.CmdVai_Click();
    const std::string prodotto = std::to_string(a * b);
    const std::string atteso = std::string(5 - prodotto.size(), '.') + prodotto;
    if (modo != 0) {
        w.CmdRisolvi_Click();
        if (riga(w.TxtProdotto) != atteso) return "the solution shows " + riga(w.TxtProdotto);
        w.Check2.checked = modo == 1;
        w.CmdSomma_Click();
    }
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    const std::string guasto = testing_support::lavora(
        w, [&](const forms::Control& c) { return cifraGiusta(w, a, b, c); }, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    if (riga(w.TxtProdotto) != atteso) return "wrong product " + riga(w.TxtProdotto);
    if (w.colonne.NumColonne != static_cast<int>(prodotto.size())) return "wrong number of columns";
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    return "";
}

// Every pair in plain counted mode and in guided mode; every 97th pair also plain after
// "Ripeti", with a wrong digit before every right one.
TEST(Molt1Sweep, TheChildIsLedToTheTrueProductAndJudgedRightly) {
    Banco t;
    FrmMolt1& w = t.apri<FrmMolt1>("frmMolt1", DaTe);
    t.p.m.Silenzio = 1;
    long n = 0;
    for (long a = 1; a <= 9999; ++a) {
        for (long b = 1; b <= 9; ++b, ++n) {
            for (int modo = 0; modo < (n % 97 == 0 ? 3 : 2); ++modo) {
                const std::string guasto = lavora(t.p, w, a, b, modo, n % 97 == 0);
                ASSERT_EQ(guasto, "") << a << " x " << b << " mode " << modo;
            }
        }
    }
}

} // namespace
} // namespace molt_test
