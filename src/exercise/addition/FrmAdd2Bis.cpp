#include "exercise/addition/FrmAdd2Bis.h"

#include "exercise/addition/LavagnaAddizione.h"

namespace exercise {

FrmAdd2Bis::FrmAdd2Bis()
    : FoglioStampa("frmAdd2_bis", ""), LavagnaAddizione(static_cast<forms::Form&>(*this)) {
    // 120 twips left of the board's places.
    disponiAddizione(TxtRiporto, {&TxtPrimoAdd, &TxtSecondoAdd}, TxtSomma, {&Label3, &Label4}, Line1,
                     {5520, 6120, 1680, 2160, 3600, 3480}, backColor);
}

} // namespace exercise
