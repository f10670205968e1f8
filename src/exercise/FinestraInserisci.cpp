#include "exercise/FinestraInserisci.h"

namespace exercise {

void FinestraInserisci::rifiutaOperandi() {
    if (m_.ChiSceglie == app::InEsecuzione) {
        m_.ChiSceglie = app::DaTe;
        setFocus(txtFattori[Casella]);
    } else {
        Frame1.enabled = false;
    }
}

} // namespace exercise
