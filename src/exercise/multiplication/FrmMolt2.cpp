#include "exercise/multiplication/FrmMolt2.h"

#include "app/Module1.h"
#include "exercise/Numeri.h"

namespace exercise {

LavagnaMolt2::LavagnaMolt2(forms::Form& f, const Posto& posto)
    : LavagnaFattori(f, kMisure, posto), TxtRiporto1(f, "TxtRiporto1", forms::ControlKind::Cell, 5),
      TxtRiporto2(f, "TxtRiporto2", forms::ControlKind::Cell, 5),
      TxtRiporto3(f, "TxtRiporto3", forms::ControlKind::Cell, 5),
      TxtProdotto1(f, "TxtProdotto1", forms::ControlKind::Cell, 5),
      TxtProdotto2(f, "TxtProdotto2", forms::ControlKind::Cell, 5),
      TxtProdotto3(f, "TxtProdotto3", forms::ControlKind::Cell, 5),
      Line2(f, "Line2", forms::ControlKind::Line) {
    disponi(TxtRiporto1, kRiporti);
    disponi(TxtRiporto2, kRiporti);
    disponi(TxtRiporto3, kRiportiSomma);
    disponi(TxtProdotto1, kProdotto1);
    TxtProdotto1[0].height = 615;
    disponi(TxtProdotto2, kProdotto2);
    disponi(TxtProdotto3, kRisultato);
    Line2.place(unita() - 600 * 4, kBarraSomma + Line1.top - kMisure.barra, 0, 0).borderWidth = 2;
    Line2.x2 = Line1.x2;
    Line2.y2 = Line2.top;
}

FrmMolt2::FrmMolt2(app::Module1& m)
    : FinestraMoltiplicazione(
          m, configurazione(
                 "frmMolt2", "Moltiplicazione complessa",
                 {.maxCifre = 3,
                  .testoDaTe = "Clicca e scrivi (min 2 cifre)",
                  .voci = {"2", "3"},
                  .minCifre = 2},
                 {.maxCifre = 2, .testoDaTe = "Clicca e scrivi (min 2 cifre)", .voci = {"2"}, .minCifre = 2},
                 "Line3")),
      LavagnaMolt2(*this, {0, 0, kSfondo}) {
    Label5.place(60, 0, 6795, 795);
    Label1.width = Label2.width = 2895;
    LblRisultato.place(3120, 5280, 3015, 555);
    lblScrivi.place(3120, 5880, 3015, 555);
}

ColonneConRiporto& FrmMolt2::rigaCorrente() {
    return Fase == 0 ? riga1 : Fase == 1 ? riga2 : somma;
}

void FrmMolt2::CmdSomma_Click() {
    preparaEsecuzione(true); // the first hint takes the other labels
    // Worked out from the factors on the board: each partial product is written out, and
    // the sum is that of the two rows as they stand.
    riga1.imposta(prodottoInColonna(TxtPrimoFatt, valore(TxtSecondoFatt[0])));
    riga2.imposta(prodottoInColonna(TxtPrimoFatt, valore(TxtSecondoFatt[1])));
    riga1.scriviSoluzione();
    riga2.scriviSoluzione();
    somma.imposta(sommaInColonna({&TxtProdotto1, &TxtProdotto2}));
    somma.scriviSoluzione();
    mostraRiporti(true);
    IniziaEsecuzione({&riga1, &riga2, &somma});
}

void FrmMolt2::fineRiga() {
    if (Fase == 2) {
        fineOperazione("uaooo!");
        return;
    }
    if (Fase == 0) mostraRiporti(false);
    ++Fase;
    chiediPrimaCifra(false);
}

void FrmMolt2::suggerisci(bool primo) {
    if (Fase == 0) // the operation's first hint writes the two digits as the cells show them
        suggerisciProdotto(riga1, TxtSecondoFatt[0], !primo);
    else if (Fase == 1)
        suggerisciProdotto(riga2, TxtSecondoFatt[1], true);
    else // the top column's overflow has its digit alone, while "Scrivi" stays from the column before
        suggerisciSomma(somma, {&TxtProdotto1, &TxtProdotto2}, LblRisultato, true);
}

void FrmMolt2::mostraRiporti(bool primaRiga) {
    for (int i = 0; i < 4; ++i) { // cell 4 takes no carry and is never switched
        TxtRiporto1[i].visible = primaRiga;
        TxtRiporto2[i].visible = !primaRiga;
    }
}

void FrmMolt2::PulisciLavagna() {
    svuotaRighe({&TxtRiporto1, &TxtRiporto2, &TxtPrimoFatt, &TxtSecondoFatt, &TxtRiporto3, &TxtProdotto1,
                 &TxtProdotto2, &TxtProdotto3});
    riga1.azzera();
    riga2.azzera();
    somma.azzera();
    Fase = 0;
}

std::vector<const forms::ControlArray*> FrmMolt2::righeDaStampare() const {
    // The page has one row of carries over the first factor: the first row's.
    return {&TxtRiporto1,  &TxtPrimoFatt, &TxtSecondoFatt, &TxtRiporto3,
            &TxtProdotto1, &TxtProdotto2, &TxtProdotto3};
}

FrmMolt2Bis::FrmMolt2Bis() : FoglioStampa("frmMolt2_bis"), LavagnaMolt2(*this, {-240, -480, 0xFFFFFF}) {
    // Row 2's carries lie over row 1's but are never filled here: the sheet shows row 1's
    // through their empty cells.
    for (int i = 0; i < TxtRiporto2.size(); ++i)
        TxtRiporto2[i].seeThrough();
}

} // namespace exercise
