#include "exercise/division_extended/LavagnaEstesa.h"

#include <array>

namespace exercise {

using forms::ControlKind;

namespace {

using Stile = LavagnaDivisione::Stile;
const Stile kCappello{480, 315, 9.6, false, "Comic Sans MS", LavagnaDivisione::kNero};
const Stile kCifre{495, 285, 9.6, true, "Comic Sans MS", LavagnaDivisione::kNero};

} // namespace

LavagnaEstesa::LavagnaEstesa(forms::Form& f, const Aspetto& a)
    : LavagnaDivisione(f, 4), txtMolt1(f, "txtMolt1", ControlKind::Cell, 5),
      txtMolt2(f, "txtMolt2", ControlKind::Cell, 5), txtMolt3(f, "txtMolt3", ControlKind::Cell, 5),
      txtMolt4(f, "txtMolt4", ControlKind::Cell, 5), Line1(f, "Line1", ControlKind::Line),
      Line2(f, "Line2", ControlKind::Line), Line3(f, "Line3", ControlKind::Line),
      Line4(f, "Line4", ControlKind::Line) {
    const int dx = a.dx, dy = a.dy, x = 1800 + dx;
    const forms::Rgb sfondo = a.sfondo;
    const auto colonna = [x](int spostamento) { return x + kColonna * spostamento; };
    riga(txtCappello, x, 1620 + dy, kCappello, sfondo);
    riga(TxtDividendo, x, 2160 + dy, kCifre, sfondo);
    // The fifth cell lies on the fourth and is never written.
    TxtDividendo[5].place(colonna(3), 2160 + dy, 495, 285).hidden();
    segno(Label3, ":", 3720 + dx, 2100 + dy, 255, 375, 14.4, "Comic Sans MS", sfondo);
    cella(TxtDivisore, 3960 + dx, 2160 + dy, {615, 375, 9.6, true, "Comic Sans MS", kNero}, sfondo);
    segno(Label4, "=", 4680 + dx, 2100 + dy, 375, 375, 14.4, "Comic Sans MS", sfondo);
    riga(TxtQuoziente, 5160 + dx, 2160 + dy, {375, 375, 9.6, true, "Comic Sans MS", kBluScuro}, sfondo, 360);

    const int segni[] = {1980, 2775, 3660, 4500}, resti[] = {2955, 3840, 4680, 5340},
              prodotti[] = {2415, 3255, 4095, 4935};
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        riga(RP(k - 1), colonna(k < 2 ? 0 : k - 2), segni[i] + dy, kSegni, sfondo);
        riga(txtResto(k), colonna(k - 1), resti[i] + dy, kCifre.conColore(kBluScuro), sfondo);
        riga(txtMolt(k), colonna(k < 2 ? 0 : k - 2), prodotti[i] + dy, kCifre.conColore(kBluScuro), sfondo);
        const auto& [x1, x2, y] = a.barre[i];
        Line(k).place(x1, y, 0, 0).borderWidth = 2;
        Line(k).x2 = x2;
        Line(k).y2 = y;
        Line(k).visible = a.barreVisibili;
    }
}

forms::ControlArray& LavagnaEstesa::txtMolt(int k) {
    return *std::array{&txtMolt1, &txtMolt2, &txtMolt3, &txtMolt4}.at(static_cast<std::size_t>(k - 1));
}

const forms::ControlArray& LavagnaEstesa::txtMolt(int k) const {
    return const_cast<LavagnaEstesa&>(*this).txtMolt(k);
}

forms::Control& LavagnaEstesa::Line(int k) {
    return *std::array{&Line1, &Line2, &Line3, &Line4}.at(static_cast<std::size_t>(k - 1));
}

void LavagnaEstesa::sottolinea(int k, int prima, int ultima) {
    // From the left edge of the first column to the left edge of the column after the last;
    // the dividend's first cell marks where the board lies.
    const int sinistra = TxtDividendo[1].left;
    forms::Control& linea = Line(k);
    linea.left = sinistra + kColonna * (prima - 1);
    linea.x2 = sinistra + kColonna * ultima;
    linea.visible = true;
}

} // namespace exercise
