#pragma once

#include "exercise/addition/FinestraAddizione.h"

namespace exercise {

// Column addition of three addends of one to four digits each. No option without carries:
// every operation is worked with all its carries, which may be 1 or 2.
class FrmAdd3 : public FinestraAddizione {
  public:
    explicit FrmAdd3(app::Module1& m);

    Control& CmbNTA = lista(2);
    Control& Label7 = *didascalie[2];
    Control& Label9 = Eseguite;
    Control& Label8 = Errori;

    forms::ControlArray txtTerzoAdd{*this, "txtTerzoAdd", Kind::Cell, 5};
    Control Label6{*this, "Label6", Kind::Label}; // "+" beside the second addend

    void Cmb_DropDown(int row) override;

  protected:
    // The units' digits as their cells show them, without the blank of a number.
    void suggerisci(bool primo) override { suggerisciSomma(colonne, addendi_, lblScrivi, !primo); }
};

} // namespace exercise
