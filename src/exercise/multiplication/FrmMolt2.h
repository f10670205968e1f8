#pragma once

#include "exercise/multiplication/FinestraMoltiplicazione.h"

namespace exercise {

// The board of the two-digit multiplication: the two partial products, each under its own
// carries (the carries of both lie over the first factor, shown in turn), and their sum
// with its carries. The window and its print layout both carry it.
class LavagnaMolt2 : public LavagnaFattori {
  public:
    static constexpr AspettoRiga kRiporti{960, 435, 12, 0xFF0000};
    static constexpr AspettoRiga kRiportiSomma{2880, 375, 12, 0xFF0000};
    static constexpr AspettoRiga kProdotto1{3240, 645, 18, 0x0000C0};
    static constexpr AspettoRiga kProdotto2{3840, 645, 18, 0x0000C0};
    static constexpr AspettoRiga kRisultato{4680, 585, 18, 0x0000C0};
    static constexpr Misure kMisure{
        5520, {1440, 615, 18, forms::kWindowText}, {2040, 615, 18, forms::kWindowText}, 1440, 1920, 2760};
    static constexpr int kBarraSomma = 4560;

    LavagnaMolt2(forms::Form& f, const Posto& posto);

    forms::ControlArray TxtRiporto1, TxtRiporto2, TxtRiporto3;
    forms::ControlArray TxtProdotto1, TxtProdotto2, TxtProdotto3;
    forms::Control Line2; // under the second partial product
};

// Column multiplication of a factor of two or three digits by a two-digit multiplier: the
// first partial product (Fase 0), the second one column to the left (1), their sum (2).
class FrmMolt2 : public FinestraMoltiplicazione, public LavagnaMolt2 {
  public:
    explicit FrmMolt2(app::Module1& m);

    // Where the child stands in each row; the second row's digits lie one column left of
    // the factor digit they come from.
    ColonneConRiporto riga1{TxtRiporto1, TxtProdotto1};
    ColonneConRiporto riga2{TxtRiporto2, TxtProdotto2, 1};
    ColonneConRiporto somma{TxtRiporto3, TxtProdotto3};

    // CmdProdotto: works the operation out from the factors on the board and starts it ("Ripeti").
    void CmdSomma_Click() override;

  protected:
    LavagnaFattori& fattori() override { return *this; }
    ColonneConRiporto& rigaCorrente() override;
    void suggerisci(bool primo) override;
    void fineRiga() override;
    void PulisciLavagna() override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;

  private:
    // Shows the carries of the first row, or those of the second, over the first factor.
    void mostraRiporti(bool primaRiga);
};

// The print layout: the board on white, never shown. It has one row of carries over the
// first factor, the first row's.
class FrmMolt2Bis : public FoglioStampa, public LavagnaMolt2 {
  public:
    FrmMolt2Bis();
};

} // namespace exercise
