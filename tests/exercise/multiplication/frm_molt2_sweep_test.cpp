// A child who knows the answer, over every operation of the window: both partial products,
// their sum, each carry, judged rightly and counted exactly as they should be.
#include "Molt.h"

#include "exercise/Numeri.h"

namespace molt_test {
namespace {

using exercise::FrmMolt2;

// The digit a x b asks for in a cell, by hand. Row 1 is a times the units u of b, row 2 a
// times its tens t, written from the tens column; a carry is what the lower digits leave over.
int cifraGiusta(const FrmMolt2& w, long a, long b, const forms::Control& cella) {
    const long u = b % 10, t = b / 10;
    auto riporto = [](long x) { return x > 0 ? static_cast<int>(x) : -1; };
    for (int k = 0; k < 5; ++k) {
        const long p = kPeso[k];
        if (&cella == &w.TxtProdotto1[k]) return static_cast<int>(a * u / p % 10);
        if (&cella == &w.TxtProdotto2[k]) return k == 0 ? -1 : static_cast<int>(a * t / kPeso[k - 1] % 10);
        if (&cella == &w.TxtProdotto3[k]) return static_cast<int>(a * b / p % 10);
        if (&cella == &w.TxtRiporto1[k]) return riporto(a % p * u / p);
        if (&cella == &w.TxtRiporto2[k]) return riporto(a % p * t / p);
        if (&cella == &w.TxtRiporto3[k]) return riporto((a * u % p + a * t * 10 % p) / p);
    }
    return -1;
}

// The rows hold a x (b mod 10) and a x (b div 10), row 1 with its leading zeros (at least
// as many digits as a), row 2 from the tens column; after row 1 its carries make way.
std::string righe(const FrmMolt2& w, long a, long b) {
    const std::string r1 = std::to_string(a * (b % 10)), r2 = std::to_string(a * (b / 10)) + ".";
    const std::size_t cifre = std::to_string(a).size();
    const std::string riga1 = std::string(5 - std::max(cifre, r1.size()), '.') +
                              std::string(cifre > r1.size() ? cifre - r1.size() : 0, '0') + r1;
    const std::string riga2 = std::string(5 - r2.size(), '.') + r2;
    if (riga(w.TxtProdotto1) + " " + riga(w.TxtProdotto2) != riga1 + " " + riga2)
        return "rows " + riga(w.TxtProdotto1) + " " + riga(w.TxtProdotto2);
    return !w.TxtRiporto1[0].visible && w.TxtRiporto2[3].visible ? "" : "the first row's carries still shown";
}

TEST(Molt2Sweep, TheChildIsLedToTheTrueProductAndJudgedRightly) {
    spazza<FrmMolt2>("frmMolt2", {10, 999}, {10, 99}, &FrmMolt2::TxtProdotto3, cifraGiusta, righe);
}

} // namespace
} // namespace molt_test
