#pragma once

#include "exercise/FinestraEsercizio.h"
#include "exercise/addition/CelleOperazione.h"
#include "exercise/addition/ColonneConRiporto.h"

namespace exercise {

// Column addition of two addends of one to four digits each.
class FrmAdd2 : public FinestraEsercizio {
  public:
    explicit FrmAdd2(app::Module1& m);

    // The board's rows, shared with the print layout.
    static constexpr AspettoRiga kRiporti{1680, 495, 15.6, 0xFF0000};
    static constexpr AspettoRiga kPrimoAdd{2160, 615, 21.6, forms::kWindowText};
    static constexpr AspettoRiga kSecondoAdd{2760, 615, 21.6, forms::kWindowText};
    static constexpr AspettoRiga kSomma{3600, 735, 21.6, 0x0000C0};
    static constexpr int kBarra = 3480; // the bar under the second addend

    // The template's controls under this window's own names.
    Control& CmdVai = Inserisci;
    Control& CmdSomma = Ripeti;
    Control& CmdRisolvi = Soluzione;
    Control& CmbNPA = lista(0);
    Control& CmbNSA = lista(1);
    Control& Label1 = *didascalie[0];
    Control& Label2 = *didascalie[1];
    Control& Label6 = Eseguite;
    Control& Label7 = Errori;
    Control& Line2 = Separatore;

    // The board; index 0 is the units column.
    forms::ControlArray TxtRiporto{*this, "TxtRiporto", Kind::Cell, 5};
    forms::ControlArray TxtPrimoAdd{*this, "TxtPrimoAdd", Kind::Cell, 5};
    forms::ControlArray TxtSecondoAdd{*this, "TxtSecondoAdd", Kind::Cell, 5};
    forms::ControlArray TxtSomma{*this, "TxtSomma", Kind::Cell, 5};
    Control Label3{*this, "Label3", Kind::Label};
    Control Label4{*this, "Label4", Kind::Label};
    Control Line1{*this, "Line1", Kind::Line};
    // No carries: in computer mode only pairs whose columns need no carry are drawn.
    Control Check1{*this, "Check1", Kind::CheckBox};

    long PrimoAddendo = 0, SecondoAddendo = 0;
    int CifrePrimo = 0, CifreSecondo = 0;
    long MinPrimo = 0, MaxPrimo = 0, MinSecondo = 0, MaxSecondo = 0;
    // The columns being worked: Colonna, NumColonne, the digits and carries still due.
    ColonneConRiporto colonne{TxtRiporto, TxtSomma};

    void CmdVai_Click() override;
    void CmdSomma_Click() override;
    void CmdRisolvi_Click() override;
    void Check1_Click();
    void Check2_Click() override;

  protected:
    void ScriviCifra() override;
    void ProssimoPasso() override;
    void PulisciLavagna() override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;
    Control* opzione() override { return &Check1; }

  private:
    void GeneraNumeri();
    void ScriviNumeri();
    void IniziaEsecuzione();
    void ControllaRiporto();
    void ControllaCifra();
    void finisci();
    void suggerisciCifra();
    void giusto(const char* lode, const char* uao);
};

} // namespace exercise
