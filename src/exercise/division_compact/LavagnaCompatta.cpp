#include "exercise/division_compact/LavagnaCompatta.h"

namespace exercise {

namespace {

using Stile = LavagnaDivisione::Stile;
const Stile kCappello{480, 330, 12, true, "Comic Sans MS", LavagnaDivisione::kNero};
const Stile kCifre{495, 435, 14.4, true, "Comic Sans MS", LavagnaDivisione::kNero};

} // namespace

LavagnaCompatta::LavagnaCompatta(forms::Form& f, const Aspetto& a) : LavagnaDivisione(f, 5) {
    const int x = 1680 + a.dx;
    riga(txtCappello, x, 1980 + a.dy, kCappello, a.sfondo);
    // The marks stand 60 twips left of their column over the dividend.
    riga(RP0, x - 60, 2280 + a.dy, kSegni, a.sfondo);
    riga(TxtDividendo, x, 2460 + a.dy, kCifre, a.sfondo);
    // The fifth cell lies beneath the fourth and is never seen.
    TxtDividendo[5].place(x + 3 * kColonna, 2460 + a.dy, 495, 405).hidden();
    segno(Label3, ":", 3660 + a.dx, 2400 + a.dy, 315, 495, 21.6, "Times New Roman", a.sfondo);
    cella(TxtDivisore, 3960 + a.dx, 2460 + a.dy,
          {795, a.altezzaRisultato, 14.4, true, "Comic Sans MS", kNero}, a.sfondo);
    segno(Label4, "=", 4800 + a.dx, 2400 + a.dy, 375, 495, 21.6, "Times New Roman", a.sfondo);
    riga(TxtQuoziente, 5220 + a.dx, 2460 + a.dy,
         {495, a.altezzaRisultato, 14.4, true, "Comic Sans MS", kBluScuro}, a.sfondo);
    // Each remainder row, and the marks over it, one column further right than the row above.
    for (int k = 1; k <= 4; ++k) {
        const int left = x + kColonna * (k - 1);
        const int top = 3060 + 600 * (k - 1) + a.dy;
        riga(RP(k), left, top - 180, kSegni, a.sfondo);
        riga(txtResto(k), left, top, kCifre.conColore(kBluScuro), a.sfondo);
    }
}

} // namespace exercise
