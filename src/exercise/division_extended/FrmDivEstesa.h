#pragma once

#include "exercise/FoglioStampa.h"
#include "exercise/division_common/FinestraDivisione.h"
#include "exercise/division_extended/LavagnaEstesa.h"
#include "exercise/division_extended/SoluzioneEstesa.h"

namespace exercise {

// Long division: a dividend of up to four digits by a divisor of one or two, every partial
// product and every subtraction written out under the dividend. After the first click the
// child types each quotient digit, its partial product (units first), the remainder (units
// first) and the digit brought down.
class FrmDivEstesa : public FinestraDivisioneCon<LavagnaEstesa, SoluzioneEstesa, risolviDivisioneEstesa> {
  public:
    explicit FrmDivEstesa(app::Module1& m);

    Control& Line5 = Separatore;

    int RigaProdotto = 0; // the product row being written, 1..4 (0 before the first)

  protected:
    void completaSoluzione() override;
    bool annunciaPronto(Avvio) const override { return true; }
    void svuotaLavoro() override;
    void abilitaLavoro(bool acceso) override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;

    void ControllaQuoziente() override;
    void ScriviCifraProdotto() override;
    void ControllaProdotto() override;
    void SelezionaResto() override;
    const char* uaoPrimaDomanda() const override { return "uao!"; }
    const char* uaoUnitaResto() const override { return "uao!"; }
    const char* uaoTrasferire(int) const override { return "uaoo!"; }
    const char* uaoTrasferito(int k) const override { return k == 2 ? "uaoo!" : "uao!"; }
    void suggerimentoDecineResto(int k) override;

  private:
    void SelezionaProdotto();
    // Writes the borrow marks of step k over its partial dividend and greys the digits under them.
    void segnaPrestiti(int k);
    void mostraBarra(int k);
};

// The print layout: a copy of the board on white with four bars at fixed places, never shown.
class FrmDivEstesaBis : public FoglioStampa, public LavagnaEstesa {
  public:
    FrmDivEstesaBis();
};

} // namespace exercise
