#include "exercise/addition/LavagnaAddizione.h"

#include "exercise/addition/CelleOperazione.h"

namespace exercise {

namespace {

constexpr int kPasso = 600; // from one addend's row to the next
constexpr forms::Rgb kRosso = 0xFF0000;
constexpr forms::Rgb kBluScuro = 0x0000C0;

} // namespace

LavagnaAddizione::LavagnaAddizione(forms::Form& f)
    : TxtRiporto(f, "TxtRiporto", forms::ControlKind::Cell, 5),
      TxtPrimoAdd(f, "TxtPrimoAdd", forms::ControlKind::Cell, 5),
      TxtSecondoAdd(f, "TxtSecondoAdd", forms::ControlKind::Cell, 5),
      TxtSomma(f, "TxtSomma", forms::ControlKind::Cell, 5), Label3(f, "Label3", forms::ControlKind::Label),
      Label4(f, "Label4", forms::ControlKind::Label), Line1(f, "Line1", forms::ControlKind::Line) {}

void disponiAddizione(forms::ControlArray& riporti, const std::vector<forms::ControlArray*>& addendi,
                      forms::ControlArray& somma, const std::vector<forms::Control*>& segni,
                      forms::Control& barra, const PostiAddizione& posti, forms::Rgb sfondo) {
    disponiRiga(riporti, {posti.riporti, 495, 15.6, kRosso}, posti.unita, sfondo);
    for (std::size_t k = 0; k < addendi.size(); ++k) {
        const int top = posti.addendi + kPasso * static_cast<int>(k);
        disponiRiga(*addendi[k], {top, 615, 21.6, forms::kWindowText}, posti.unita, sfondo);
        disponiSegno(*segni.at(k), k + 1 < addendi.size() ? "+" : "=", posti.segni, top + 120, sfondo);
    }
    disponiRiga(somma, {posti.somma, 735, 21.6, kBluScuro}, posti.unita, sfondo);
    barra.place(posti.unita - 600 * 4, posti.barra, 0, 0).borderWidth = 2;
    barra.x2 = posti.segni;
    barra.y2 = posti.barra;
}

} // namespace exercise
