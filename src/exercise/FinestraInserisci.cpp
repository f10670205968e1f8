#include "exercise/FinestraInserisci.h"

#include "exercise/Numeri.h"

namespace exercise {

void FinestraInserisci::rifiutaOperandi() {
    if (m_.ChiSceglie == app::InEsecuzione) {
        m_.ChiSceglie = app::DaTe;
        setFocus(txtFattori[Casella]);
    } else {
        Frame1.enabled = false;
    }
}

bool FinestraInserisci::scegliCifre(int& cifrePrimo, int& cifreSecondo, long& minPrimo, long& maxPrimo,
                                    long& minSecondo, long& maxSecondo) {
    cifrePrimo = cifreScelte(0);
    cifreSecondo = cifreScelte(1);
    if (cifreSecondo > cifrePrimo) {
        rifiutaOperandi();
        return false;
    }
    const Limiti primo = limitiPerCifre(cifrePrimo);
    const Limiti secondo = limitiPerCifre(cifreSecondo);
    minPrimo = primo.min;
    maxPrimo = primo.max;
    minSecondo = secondo.min;
    maxSecondo = secondo.max;
    return true;
}

} // namespace exercise
