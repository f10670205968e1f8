#pragma once

#include "exercise/FoglioStampa.h"
#include "forms/ControlArray.h"

namespace exercise {

// The print layout of the three-addend addition: copies of the board's rows, on white,
// never shown. The print button fills in its cells.
class FrmAdd3Bis : public FoglioStampa {
  public:
    FrmAdd3Bis();

    using Kind = forms::ControlKind;

    forms::ControlArray TxtRiporto{*this, "TxtRiporto", Kind::Cell, 5};
    forms::ControlArray TxtPrimoAdd{*this, "TxtPrimoAdd", Kind::Cell, 5};
    forms::ControlArray TxtSecondoAdd{*this, "TxtSecondoAdd", Kind::Cell, 5};
    forms::ControlArray txtTerzoAdd{*this, "txtTerzoAdd", Kind::Cell, 5};
    forms::ControlArray TxtSomma{*this, "TxtSomma", Kind::Cell, 5};
    forms::Control Label3{*this, "Label3", Kind::Label};
    forms::Control Label6{*this, "Label6", Kind::Label};
    forms::Control Label4{*this, "Label4", Kind::Label};
    // On paper the bar always spans the five columns.
    forms::Control Line1{*this, "Line1", Kind::Line};
};

} // namespace exercise
