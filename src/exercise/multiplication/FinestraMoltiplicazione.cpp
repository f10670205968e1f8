#include "exercise/multiplication/FinestraMoltiplicazione.h"

#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

using app::DalComputer;
using app::DaTe;

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
                                                       const Fattore& primo, const Fattore& secondo,
                                                       const std::string& separatore) {
    Configurazione c;
    c.nomeSeparatore = separatore;
    c.nome = nome;
    c.titoloFinestra = c.titolo = titolo;
    c.icona = "icon_moltiplicazione";
    c.nomeRipeti = "CmdProdotto";
    c.operandi = {
        {"CmbNPF", "Label1", primo.maxCifre, primo.testoDaTe, "N° cifre primo fattore", primo.voci},
        {"CmbNSF", "Label2", secondo.maxCifre, secondo.testoDaTe, "N° cifre secondo fattore", secondo.voci},
    };
    c.layoutStampa = nome + "_bis";
    return c;
}

FinestraMoltiplicazione::FinestraMoltiplicazione(app::Module1& m, const Configurazione& config,
                                                 int cifreMinime)
    : FinestraEsercizio(m, config), cifreMinime_(cifreMinime) {
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
    for (Control* faccia : {&Image1, &Image2, &Image3, &Image4})
        faccia->place(1260, 4260, 900, 855);
    lblUao.place(1020, 5280, 1515, 615);
}

void FinestraMoltiplicazione::CmdVai_Click() {
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    fermaMano();
    Guidato = 0;
    PulisciLavagna();
    pulisciMessaggi();
    Frame1.enabled = true;
    CmdProdotto.enabled = false;
    cmdStampa.enabled = false;
    if (m_.ChiSceglie == DaTe) {
        if (!operandiDigitati({&PrimoFattore, &SecondoFattore})) return;
        // Counted on the values: a typed 05 has one digit.
        CifrePrimo = numeroCifre(PrimoFattore);
        CifreSecondo = numeroCifre(SecondoFattore);
        if (std::min(CifrePrimo, CifreSecondo) < cifreMinime_) {
            m_.ChiSceglie = DaTe; // the focus stays on "OK"
            return;
        }
        backspace.visible = false;
    } else if (m_.ChiSceglie == DalComputer) {
        CifrePrimo = cifreScelte(0);
        CifreSecondo = cifreScelte(1);
        GeneraNumeri();
    }
    operandiAccettati();
    ScriviNumeri();
    CmdProdotto_Click();
    m_.DaContare = 1;
}

// Each factor with the digits chosen in its list.
void FinestraMoltiplicazione::GeneraNumeri() {
    auto estrai = [this](int cifre) {
        const Limiti l = limitiPerCifre(cifre);
        return m_.services.random.between(static_cast<int>(l.min), static_cast<int>(l.max));
    };
    PrimoFattore = estrai(CifrePrimo);
    SecondoFattore = estrai(CifreSecondo);
}

void FinestraMoltiplicazione::ScriviNumeri() {
    LavagnaFattori& l = fattori();
    // From inside the column left of the longer factor, where a final carry's digit goes.
    l.Line1.left = l.unita() + 120 - 600 * std::max(CifrePrimo, CifreSecondo);
    for (int k = 0; k < CifrePrimo; ++k)
        l.TxtPrimoFatt[k].text = cifra(PrimoFattore, k);
    for (int k = 0; k < CifreSecondo; ++k)
        l.TxtSecondoFatt[k].text = cifra(SecondoFattore, k);
}

void FinestraMoltiplicazione::Cmb_DropDown(int row) {
    FinestraEsercizio::Cmb_DropDown(row);
    Timer1.enabled = false;
}

void FinestraMoltiplicazione::IniziaEsecuzione(std::initializer_list<ColonneConRiporto*> righe) {
    Fase = 0;
    if (MostraSoluzione == 1) return; // every worked cell stays filled
    for (ColonneConRiporto* riga : righe) {
        riga->svuotaRighe();
        riga->ricomincia();
    }
    chiediPrimaCifra(true);
}

void FinestraMoltiplicazione::chiediPrimaCifra(bool primo) {
    if (Guidato == 0) {
        LblRisultato.text = "Esegui";
        lblUao.text.clear();
    } else {
        suggerisci(primo);
    }
    setFocus(rigaCorrente().cellaCorrente());
}

void FinestraMoltiplicazione::ScriviCifra() {
    rigaCorrente().scrivi(CifraPremuta);
}

void FinestraMoltiplicazione::ProssimoPasso() {
    ColonneConRiporto& riga = rigaCorrente();
    if (riga.RiportoScritto == 0 && riga.CifraScritta == 0) return; // the digit went nowhere
    if (riga.RiportoScritto == 1) {
        if (!riga.controllaRiporto())
            rispostaSbagliata();
        else if (Fase == 0 || Guidato == 0) // after the first row a right carry passes quietly in guided mode
            rispostaGiusta("Molto bravo", "uaoo!");
    }
    if (riga.CifraScritta == 1) {
        if (riga.controllaCifra())
            rispostaGiusta("Bravo", "uao!");
        else
            rispostaSbagliata();
    }
    riga.RiportoScritto = 0;
    riga.CifraScritta = 0;
    if (riga.finita())
        fineRiga();
    else
        chiedi();
}

void FinestraMoltiplicazione::chiedi() {
    ColonneConRiporto& riga = rigaCorrente();
    if (Guidato == 1) {
        if (riga.riportoDovuto()) // after the first row the words stand one blank further right
            lblScrivi.text =
                (Fase == 0 ? "" : " ") + riportaTesto(riga.Riporti[static_cast<std::size_t>(riga.Colonna)]);
        else
            suggerisci(false);
    }
    setFocus(riga.cellaCorrente());
}

void FinestraMoltiplicazione::suggerisciProdotto(const ColonneConRiporto& riga,
                                                 const forms::ControlArray& riporti,
                                                 const Control& moltiplicatore, bool comeNumeri) {
    const int c = riga.Colonna;
    const Control& fattore = fattori().TxtPrimoFatt[c];
    if (fattore.text.empty()) { // the column of a final carry: its digit is all there is to write
        lblScrivi.text = ultimaCifraTesto(riga.Cifre[static_cast<std::size_t>(c)]);
        return;
    }
    auto testo = [comeNumeri](const Control& cella) {
        return comeNumeri ? app::numeroTesto(valore(cella)) : cella.text;
    };
    const Control& riporto = riporti[c];
    const int p = valore(moltiplicatore) * valore(fattore) + valore(riporto);
    LblRisultato.text = testo(moltiplicatore) + "x" + testo(fattore) +
                        (riporto.text.empty() ? "" : "+" + testo(riporto)) + "=" + app::numeroTesto(p);
    lblScrivi.text = scriviTesto(p);
}

} // namespace exercise
