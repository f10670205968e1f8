#pragma once

#include "exercise/FoglioStampa.h"
#include "exercise/addition/LavagnaAddizione.h"

namespace exercise {

// The print layout of the two-addend addition: copies of the board's rows, on white,
// never shown. The print button fills in its cells. On paper the bar always spans the five
// columns.
class FrmAdd2Bis : public FoglioStampa, public LavagnaAddizione {
  public:
    FrmAdd2Bis();
};

} // namespace exercise
