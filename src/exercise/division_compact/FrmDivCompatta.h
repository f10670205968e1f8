#pragma once

#include "exercise/FoglioStampa.h"
#include "exercise/division_common/FinestraDivisione.h"
#include "exercise/division_common/SoluzioneDivisione.h"
#include "exercise/division_compact/LavagnaCompatta.h"

namespace exercise {

// Short division: a dividend of up to four digits by a divisor of one or two, worked as
// a dialogue. The child first clicks the last digit of the first partial dividend, then
// types each quotient digit, each remainder (units first) and each digit brought down.
class FrmDivCompatta : public FinestraDivisioneCon<LavagnaCompatta, SoluzioneDivisione, risolviDivisione> {
  public:
    explicit FrmDivCompatta(app::Module1& m);

    Control& Line2 = Separatore;

  protected:
    bool annunciaPronto(Avvio chi) const override { return chi != Avvio::Ripeti || Guidato == 0; }
    void abilitaLavoro(bool acceso) override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;

    void ControllaQuoziente() override;
    const char* uaoPrimaDomanda() const override { return "uaoo!"; }
    const char* uaoUnitaResto() const override { return "uaoo!"; }
    const char* uaoTrasferire(int k) const override { return k == 1 ? "uaoo!" : "uao!"; }
    const char* uaoTrasferito(int k) const override { return k == 1 ? "uaoo!" : "uao!"; }
    void suggerimentoDecineResto(int k) override;

  private:
    void suggerimentoUnaCifra(int k);
    void suggerimentoDueCifre(int k);
    void mostraConto(int quoziente, const std::string& fattore, int prodotto, const std::string& daCosa,
                     const std::string& resto);
};

// The print layout: a copy of the board on white, never shown.
class FrmDivCompattaBis : public FoglioStampa, public LavagnaCompatta {
  public:
    FrmDivCompattaBis();
};

} // namespace exercise
