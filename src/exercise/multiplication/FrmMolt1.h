#pragma once

#include "exercise/multiplication/FinestraMoltiplicazione.h"

namespace exercise {

// The board of the one-digit multiplication: carries over the first factor, the product
// under the bar. The window and its print layout both carry it.
class LavagnaMolt1 : public LavagnaFattori {
  public:
    static constexpr AspettoRiga kRiporti{1560, 495, 15.6, 0xFF0000};
    static constexpr AspettoRiga kProdotto{3480, 735, 21.6, 0x0000C0};
    static constexpr Misure kMisure{
        5520, {2040, 615, 21.6, forms::kWindowText}, {2640, 615, 21.6, forms::kWindowText}, 2160, 2520, 3360};

    LavagnaMolt1(forms::Form& f, const Posto& posto);

    forms::ControlArray TxtRiporto, TxtProdotto;
};

// Column multiplication of a factor of one to four digits by a one-digit multiplier.
class FrmMolt1 : public FinestraMoltiplicazione, public LavagnaMolt1 {
  public:
    explicit FrmMolt1(app::Module1& m);

    // Where the child stands: Colonna, NumColonne, the digits and carries still due.
    ColonneConRiporto colonne{TxtRiporto, TxtProdotto};

    // CmdProdotto: works the operation out from the factors on the board and starts it ("Ripeti").
    void CmdSomma_Click() override;

  protected:
    LavagnaFattori& fattori() override { return *this; }
    ColonneConRiporto& rigaCorrente() override { return colonne; }
    void suggerisci(bool) override { suggerisciProdotto(colonne, TxtSecondoFatt[0], false); }
    void fineRiga() override { fineOperazione("uaooo!"); }
    void PulisciLavagna() override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;
};

// The print layout: the board on white, never shown; its bar always spans five columns.
class FrmMolt1Bis : public FoglioStampa, public LavagnaMolt1 {
  public:
    FrmMolt1Bis();
};

} // namespace exercise
