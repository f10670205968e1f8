#pragma once

#include "exercise/FoglioStampa.h"
#include "exercise/addition/LavagnaAddizione.h"

namespace exercise {

// The print layout of the three-addend addition: copies of the board's rows, on white,
// never shown. The print button fills in its cells. On paper the bar always spans the five
// columns.
class FrmAdd3Bis : public FoglioStampa, public LavagnaAddizione {
  public:
    FrmAdd3Bis();

    forms::ControlArray txtTerzoAdd{*this, "txtTerzoAdd", forms::ControlKind::Cell, 5};
    forms::Control Label6{*this, "Label6", forms::ControlKind::Label}; // "+" beside the second addend
};

} // namespace exercise
