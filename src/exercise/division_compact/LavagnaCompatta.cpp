#include "exercise/division_compact/LavagnaCompatta.h"

#include <array>
#include <stdexcept>

namespace exercise {

using forms::ControlKind;

namespace {

constexpr int kColonna = 480; // twips between two columns
constexpr forms::Rgb kNero = 0x000000;
constexpr forms::Rgb kRosso = 0xFF0000;
constexpr forms::Rgb kBluScuro = 0x0000C0;

struct Stile {
    int larghezza, altezza;
    double punti;
    const char* famiglia;
    forms::Rgb colore;
};

const Stile kCappello{480, 330, 12, "Comic Sans MS", kNero};
const Stile kSegni{495, 225, 7.8, "MS Sans Serif", kRosso};
const Stile kDividendo{495, 435, 14.4, "Comic Sans MS", kNero};
const Stile kLavoro{495, 435, 14.4, "Comic Sans MS", kBluScuro};

void cella(forms::Control& c, int left, int top, const Stile& s, forms::Rgb sfondo) {
    c.place(left, top, s.larghezza, s.altezza)
        .withFont(s.punti, true, false, s.famiglia)
        .aligned(forms::Align::Center);
    // On the window's own background, so that overlapping rows never hide each other.
    c.colours(s.colore, sfondo).seeThrough();
}

// Cell i of a row lies at left0 + 480 (i - 1).
void riga(forms::ControlArray& r, int left0, int top, const Stile& s, forms::Rgb sfondo) {
    r[0].hidden().disabled();
    for (int i = 1; i < r.size(); ++i)
        cella(r[i], left0 + kColonna * (i - 1), top, s, sfondo);
}

void segno(forms::Control& c, const char* testo, int left, int top, int width, forms::Rgb sfondo) {
    c.place(left, top, width, 495)
        .withFont(21.6, true, false, "Times New Roman")
        .aligned(forms::Align::Center);
    c.colours(kNero, sfondo).seeThrough();
    c.text = testo;
}

} // namespace

LavagnaCompatta::LavagnaCompatta(forms::Form& f, const Aspetto& a)
    : txtCappello(f, "txtCappello", ControlKind::Cell, 5), RP0(f, "RP0", ControlKind::Cell, 5),
      RP1(f, "RP1", ControlKind::Cell, 5), RP2(f, "RP2", ControlKind::Cell, 5),
      RP3(f, "RP3", ControlKind::Cell, 5), RP4(f, "RP4", ControlKind::Cell, 5),
      TxtDividendo(f, "TxtDividendo", ControlKind::Cell, 6), Label3(f, "Label3", ControlKind::Label),
      TxtDivisore(f, "TxtDivisore", ControlKind::Cell), Label4(f, "Label4", ControlKind::Label),
      TxtQuoziente(f, "TxtQuoziente", ControlKind::Cell, 5), txtResto1(f, "txtResto1", ControlKind::Cell, 5),
      txtResto2(f, "txtResto2", ControlKind::Cell, 5), txtResto3(f, "txtResto3", ControlKind::Cell, 5),
      txtResto4(f, "txtResto4", ControlKind::Cell, 5) {
    const int x = 1680 + a.dx;
    riga(txtCappello, x, 1980 + a.dy, kCappello, a.sfondo);
    // The marks stand 60 twips left of their column over the dividend.
    riga(RP0, x - 60, 2280 + a.dy, kSegni, a.sfondo);
    riga(TxtDividendo, x, 2460 + a.dy, kDividendo, a.sfondo);
    // The fifth cell lies beneath the fourth and is never seen.
    TxtDividendo[5].place(x + 3 * kColonna, 2460 + a.dy, 495, 405).hidden();
    segno(Label3, ":", 3660 + a.dx, 2400 + a.dy, 315, a.sfondo);
    cella(TxtDivisore, 3960 + a.dx, 2460 + a.dy, {795, a.altezzaRisultato, 14.4, "Comic Sans MS", kNero},
          a.sfondo);
    segno(Label4, "=", 4800 + a.dx, 2400 + a.dy, 375, a.sfondo);
    riga(TxtQuoziente, 5220 + a.dx, 2460 + a.dy, {495, a.altezzaRisultato, 14.4, "Comic Sans MS", kBluScuro},
         a.sfondo);
    // Each remainder row, and the marks over it, one column further right than the row above.
    for (int k = 1; k <= 4; ++k) {
        const int left = x + kColonna * (k - 1);
        const int top = 3060 + 600 * (k - 1) + a.dy;
        riga(RP(k), left, top - 180, kSegni, a.sfondo);
        riga(txtResto(k), left, top, kLavoro, a.sfondo);
    }
}

forms::ControlArray& LavagnaCompatta::txtResto(int k) {
    return *std::array{&txtResto1, &txtResto2, &txtResto3, &txtResto4}.at(static_cast<std::size_t>(k - 1));
}

const forms::ControlArray& LavagnaCompatta::txtResto(int k) const {
    return const_cast<LavagnaCompatta&>(*this).txtResto(k);
}

forms::ControlArray& LavagnaCompatta::RP(int k) {
    return *std::array{&RP0, &RP1, &RP2, &RP3, &RP4}.at(static_cast<std::size_t>(k));
}

const forms::ControlArray& LavagnaCompatta::RP(int k) const {
    return const_cast<LavagnaCompatta&>(*this).RP(k);
}

} // namespace exercise
