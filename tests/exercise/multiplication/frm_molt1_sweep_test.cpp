// A child who knows the answer, over every operation of the window: it must be led to the
// true product, judged rightly, and counted exactly as it should.
#include "Molt.h"

#include "exercise/Numeri.h"

namespace molt_test {
namespace {

using exercise::FrmMolt1;
using exercise::numeroCifre;

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

TEST(Molt1Sweep, TheChildIsLedToTheTrueProductAndJudgedRightly) {
    spazza<FrmMolt1>("frmMolt1", {1, 9999}, {1, 9}, &FrmMolt1::TxtProdotto, cifraGiusta,
                     [](const FrmMolt1& w, long a, long b) {
                         return w.colonne.NumColonne == numeroCifre(a * b) ? "" : "wrong number of columns";
                     });
}

} // namespace
} // namespace molt_test
