#include "exercise/addition/FrmAdd3Bis.h"

#include "exercise/addition/LavagnaAddizione.h"

namespace exercise {

FrmAdd3Bis::FrmAdd3Bis() : FoglioStampa("frmAdd3_bis"), LavagnaAddizione(static_cast<forms::Form&>(*this)) {
    // On paper the columns stand 120 twips right of the board's.
    disponiAddizione(TxtRiporto, {&TxtPrimoAdd, &TxtSecondoAdd, &txtTerzoAdd}, TxtSomma,
                     {&Label3, &Label6, &Label4}, Line1, {5640, 6240, 1560, 2040, 4080, 3960}, backColor);
}

} // namespace exercise
