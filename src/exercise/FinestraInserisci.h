#pragma once

#include "exercise/FinestraEsercizio.h"

namespace exercise {

// The windows whose insert button is "CmdInserisci" and whose repeat button is "CmdRipeti"
// (subtraction and the two divisions): they set an operation up, solve it with their own
// CalcolaSoluzione, and refuse operands the same way.
class FinestraInserisci : public FinestraEsercizio {
  public:
    using FinestraEsercizio::FinestraEsercizio;

    // This line's names for the template's insert and repeat buttons.
    Control& CmdInserisci = Inserisci;
    Control& CmdRipeti = Ripeti;

    virtual void CmdInserisci_Click() = 0;
    virtual void CmdRipeti_Click() = 0;
    void CmdVai_Click() final { CmdInserisci_Click(); }
    void CmdSomma_Click() final { CmdRipeti_Click(); }

  protected:
    // "OK" sets nothing up: typed operands that cannot be used go back to their entry box,
    // where further digits are added; with drawn operands nothing was drawn, so the keypad
    // and its solution button, which would act on an empty board, are switched off.
    void rifiutaOperandi();
    // Computer mode: the digits chosen in the two lists and the bounds of the operands they
    // allow. A second operand longer than the first is refused as above, and gives false.
    bool scegliCifre(int& cifrePrimo, int& cifreSecondo, long& minPrimo, long& maxPrimo, long& minSecondo,
                     long& maxSecondo);
};

} // namespace exercise
