#include "exercise/multiplication/FrmMolt1.h"

#include "exercise/Numeri.h"

namespace exercise {

LavagnaMolt1::LavagnaMolt1(forms::Form& f, const Posto& posto)
    : LavagnaFattori(f, kMisure, posto), TxtRiporto(f, "TxtRiporto", forms::ControlKind::Cell, 5),
      TxtProdotto(f, "TxtProdotto", forms::ControlKind::Cell, 5) {
    disponi(TxtRiporto, kRiporti);
    disponi(TxtProdotto, kProdotto);
}

FrmMolt1::FrmMolt1(app::Module1& m)
    : FinestraMoltiplicazione(
          m, configurazione("frmMolt1", "Moltiplicazione semplice",
                            {.maxCifre = 4, .testoDaTe = "Clicca e scrivi (max 4 cifre)"},
                            {.maxCifre = 1, .testoDaTe = "Clicca e scrivi (max 1 cifra)", .voci = {"1"}},
                            "Line2")),
      LavagnaMolt1(*this, {0, 0, kSfondo}) {
    Label5.place(60, 60, 6555, 855);
    LblRisultato.place(2760, 4560, 3735, 615);
    lblScrivi.place(2760, 5220, 3735, 615);
}

void FrmMolt1::CmdSomma_Click() {
    // Worked out from the factors on the board, so "Ripeti" needs nothing else.
    eseguiRiga(colonne, prodottoInColonna(TxtPrimoFatt, valore(TxtSecondoFatt[0])));
}

void FrmMolt1::PulisciLavagna() {
    svuotaRighe({&TxtRiporto, &TxtPrimoFatt, &TxtSecondoFatt, &TxtProdotto});
    colonne.azzera();
}

std::vector<const forms::ControlArray*> FrmMolt1::righeDaStampare() const {
    return {&TxtRiporto, &TxtPrimoFatt, &TxtSecondoFatt, &TxtProdotto};
}

FrmMolt1Bis::FrmMolt1Bis() : FoglioStampa("frmMolt1_bis"), LavagnaMolt1(*this, {0, 240, 0xFFFFFF}) {}

} // namespace exercise
