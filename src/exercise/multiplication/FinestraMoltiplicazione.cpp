#include "exercise/multiplication/FinestraMoltiplicazione.h"

#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

LavagnaFattori::LavagnaFattori(forms::Form& f, const Misure& misure, const Posto& posto)
    : TxtPrimoFatt(f, "TxtPrimoFatt", forms::ControlKind::Cell, 5),
      TxtSecondoFatt(f, "TxtSecondoFatt", forms::ControlKind::Cell, 5),
      Label3(f, "Label3", forms::ControlKind::Label), Label4(f, "Label4", forms::ControlKind::Label),
      Line1(f, "Line1", forms::ControlKind::Line), unita_(misure.unita + posto.dx), posto_(posto) {
    disponi(TxtPrimoFatt, misure.primo);
    disponi(TxtSecondoFatt, misure.secondo);
    const int segni = unita_ + 600;
    Label3.place(segni, misure.segno + posto.dy, 495, 495)
        .withFont(18)
        .aligned(forms::Align::Center)
        .withText("X");
    Label4.place(segni, misure.uguale + posto.dy, 495, 615)
        .withFont(24)
        .aligned(forms::Align::Center)
        .withText("=");
    Label3.backColor = Label4.backColor = posto.sfondo;
    // Five columns wide; the window shortens it to the operation's columns.
    Line1.place(unita_ - 600 * 4, misure.barra + posto.dy, 0, 0).borderWidth = 2;
    Line1.x2 = segni;
    Line1.y2 = Line1.top;
}

void LavagnaFattori::disponi(forms::ControlArray& riga, const AspettoRiga& aspetto) const {
    AspettoRiga qui = aspetto;
    qui.top += posto_.dy;
    disponiRiga(riga, qui, unita_, posto_.sfondo);
}

Configurazione FinestraMoltiplicazione::configurazione(const std::string& nome, const std::string& titolo,
                                                       Operando primo, Operando secondo,
                                                       const std::string& separatore) {
    Configurazione c = configurazioneFinestra(nome, titolo, titolo, "icon_moltiplicazione");
    c.nomeSeparatore = separatore;
    c.nomeRipeti = "CmdProdotto";
    primo.nomeLista = "CmbNPF", primo.nomeDidascalia = "Label1";
    primo.testoDalComputer = "N° cifre primo fattore";
    secondo.nomeLista = "CmbNSF", secondo.nomeDidascalia = "Label2";
    secondo.testoDalComputer = "N° cifre secondo fattore";
    c.operandi = {std::move(primo), std::move(secondo)};
    return c;
}

FinestraMoltiplicazione::FinestraMoltiplicazione(app::Module1& m, const Configurazione& config)
    : FinestraColonne(m, config) {
    // The left-hand panel of both multiplication windows; the title and the messages are
    // each window's.
    Check2.place(900, 1320, 1575, 375);
    for (int i = 0; i < 2; ++i) {
        const int riga = 720 * i;
        didascalie[static_cast<std::size_t>(i)]->place(60, 1860 + riga, 3015, 255);
        mano[i].place(480, 2100 + riga, 384, 384);
        txtFattori[i].place(1140, 2160 + riga, 1035, 405);
        lista(i).place(1380, 2160 + riga, 615, 315);
    }
    CmdVai.place(960, 3420, 1395, 495);
    spostaFacce(1260, 4260);
    lblUao.place(1020, 5280, 1515, 615);
}

void FinestraMoltiplicazione::ScriviNumeri() {
    LavagnaFattori& l = fattori();
    // From inside the column left of the longer factor, where a final carry's digit goes.
    scriviOperandi({&l.TxtPrimoFatt, &l.TxtSecondoFatt}, l.Line1, l.unita() + 120);
}

void FinestraMoltiplicazione::suggerisciProdotto(const ColonneConRiporto& riga, const Control& moltiplicatore,
                                                 bool comeNumeri) {
    const int c = riga.Colonna;
    const Control& fattore = fattori().TxtPrimoFatt[c];
    if (fattore.text.empty()) { // the column of a final carry: its digit is all there is to write
        lblScrivi.text = ultimaCifraTesto(riga.Cifre[static_cast<std::size_t>(c)]);
        return;
    }
    const Control& riporto = riga.rigaRiporti()[c];
    suggerisciConto(termine(moltiplicatore, comeNumeri) + "x" + termine(fattore, comeNumeri) +
                        (riporto.text.empty() ? "" : "+" + termine(riporto, comeNumeri)),
                    valore(moltiplicatore) * valore(fattore) + valore(riporto));
}

} // namespace exercise
