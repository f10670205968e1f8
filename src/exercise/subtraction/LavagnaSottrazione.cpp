#include "exercise/subtraction/LavagnaSottrazione.h"

#include "exercise/addition/CelleOperazione.h"

namespace exercise {

using forms::ControlKind;

namespace {

bool dentro(const forms::ControlArray& riga, int i) {
    return 0 <= i && i < riga.size();
}

} // namespace

LavagnaSottrazione::LavagnaSottrazione(forms::Form& f, const Aspetto& a)
    : TxtPrestito(f, "TxtPrestito", ControlKind::Cell, kColonne),
      TxtMinuendo(f, "TxtMinuendo", ControlKind::Cell, kColonne),
      TxtSottraendo(f, "TxtSottraendo", ControlKind::Cell, kColonne),
      TxtDifferenza(f, "TxtDifferenza", ControlKind::Cell, kColonne), Label3(f, "Label3", ControlKind::Label),
      Label4(f, "Label4", ControlKind::Label), Line1(f, "Line1", ControlKind::Line) {
    disponiRiga(TxtPrestito, {1560 + a.dy, 495, 15.6, 0xFF0000}, kUnita, a.sfondo);
    disponiRiga(TxtMinuendo, {2040 + a.dy, 615, 21.6, forms::kWindowText}, kUnita, a.sfondo);
    disponiRiga(TxtSottraendo, {2640 + a.dy, 615, 21.6, forms::kWindowText}, kUnita, a.sfondo);
    disponiRiga(TxtDifferenza, {3480 + a.dy, 735, 21.6, a.differenza}, kUnita, a.sfondo);
    disponiSegno(Label3, "-", kSegni, 2160 + a.dy, a.sfondo);
    disponiSegno(Label4, "=", kSegni, 2760 + a.dy, a.sfondo);
    Line1.place(kUnita - 600 * (kColonne - 1), kBarra + a.dy, 0, 0).borderWidth = 2;
    Line1.x2 = kSegni;
    Line1.y2 = kBarra + a.dy;
}

const std::string& testoCella(const forms::ControlArray& riga, int i) {
    static const std::string vuoto;
    return dentro(riga, i) ? riga[i].text : vuoto;
}

bool ingrigita(const forms::ControlArray& riga, int i) {
    return dentro(riga, i) && !riga[i].enabled;
}

void scriviCella(forms::ControlArray& riga, int i, std::string testo) {
    if (dentro(riga, i)) riga[i].text = std::move(testo);
}

} // namespace exercise
