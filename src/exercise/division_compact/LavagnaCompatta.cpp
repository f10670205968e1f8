#include "exercise/division_compact/LavagnaCompatta.h"

namespace exercise {

namespace {

constexpr int kColonna = 480; // twips between two columns
constexpr forms::Rgb kNero = 0x000000;
constexpr forms::Rgb kRosso = 0xFF0000;
constexpr forms::Rgb kBluScuro = 0x0000C0;

using Stile = LavagnaDivisione::Stile;
const Stile kCappello{480, 330, 12, true, "Comic Sans MS", kNero};
const Stile kSegni{495, 225, 7.8, true, "MS Sans Serif", kRosso};
const Stile kDividendo{495, 435, 14.4, true, "Comic Sans MS", kNero};
const Stile kLavoro{495, 435, 14.4, true, "Comic Sans MS", kBluScuro};

void segno(forms::Control& c, const char* testo, int left, int top, int width, forms::Rgb sfondo) {
    c.place(left, top, width, 495)
        .withFont(21.6, true, false, "Times New Roman")
        .aligned(forms::Align::Center);
    c.colours(kNero, sfondo).seeThrough();
    c.text = testo;
}

} // namespace

LavagnaCompatta::LavagnaCompatta(forms::Form& f, const Aspetto& a) : LavagnaDivisione(f, 5), RP4(RP(4)) {
    const int x = 1680 + a.dx;
    riga(txtCappello, x, 1980 + a.dy, kCappello, a.sfondo);
    // The marks stand 60 twips left of their column over the dividend.
    riga(RP0, x - 60, 2280 + a.dy, kSegni, a.sfondo);
    riga(TxtDividendo, x, 2460 + a.dy, kDividendo, a.sfondo);
    // The fifth cell lies beneath the fourth and is never seen.
    TxtDividendo[5].place(x + 3 * kColonna, 2460 + a.dy, 495, 405).hidden();
    segno(Label3, ":", 3660 + a.dx, 2400 + a.dy, 315, a.sfondo);
    cella(TxtDivisore, 3960 + a.dx, 2460 + a.dy,
          {795, a.altezzaRisultato, 14.4, true, "Comic Sans MS", kNero}, a.sfondo);
    segno(Label4, "=", 4800 + a.dx, 2400 + a.dy, 375, a.sfondo);
    riga(TxtQuoziente, 5220 + a.dx, 2460 + a.dy,
         {495, a.altezzaRisultato, 14.4, true, "Comic Sans MS", kBluScuro}, a.sfondo);
    // Each remainder row, and the marks over it, one column further right than the row above.
    for (int k = 1; k <= 4; ++k) {
        const int left = x + kColonna * (k - 1);
        const int top = 3060 + 600 * (k - 1) + a.dy;
        riga(RP(k), left, top - 180, kSegni, a.sfondo);
        riga(txtResto(k), left, top, kLavoro, a.sfondo);
    }
}

} // namespace exercise
