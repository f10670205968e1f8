#pragma once

#include "exercise/addition/FinestraAddizione.h"

namespace exercise {

// Column addition of two addends of one to four digits each.
class FrmAdd2 : public FinestraAddizione {
  public:
    explicit FrmAdd2(app::Module1& m);

    Control& Label6 = Eseguite;
    Control& Label7 = Errori;
    // No carries: in computer mode only pairs whose columns need no carry are drawn.
    Control Check1{*this, "Check1", Kind::CheckBox};

  protected:
    void estraiOperandi() override;
    void fineRiga() override;
    Control* opzione() override { return &Check1; }
};

} // namespace exercise
