// The dialogue both division windows lead: the first click, then each keypad digit written
// into the cell the dialogue asks for and checked at once against the solver's values.
#include "exercise/division_common/FinestraDivisione.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::numeroTesto;

// ---- Keypad digits

void FinestraDivisione::ScriviCifra() {
    if (TastierinoAttivo == 0) return; // the first question is still open: digits go nowhere
    LavagnaDivisione& b = lavagna();
    if (FaseQuoziente == 1) {
        if (cellaDellaRiga(PosQuoziente)) b.TxtQuoziente[PosQuoziente].text = CifraPremuta;
    } else if (FaseProdotto == 1) {
        ScriviCifraProdotto();
    } else if (FaseResto == 1) {
        ScriviCifraResto();
    } else if (FaseTrasferimento == 1) {
        if (cellaDellaRiga(RigaResto) && cellaDellaRiga(Colonna))
            b.txtResto(RigaResto)[Colonna].text = CifraPremuta;
    }
}

void FinestraDivisione::ScriviCifraResto() {
    if (!cellaDellaRiga(RigaResto) || !cellaDellaRiga(Colonna)) return;
    setFocus(lavagna().txtResto(RigaResto)[Colonna]);
    lavagna().txtResto(RigaResto)[Colonna].text = CifraPremuta;
}

void FinestraDivisione::SelezionaResto() {
    if (cellaDellaRiga(RigaResto) && cellaDellaRiga(Colonna))
        setFocus(lavagna().txtResto(RigaResto)[Colonna]);
}

void FinestraDivisione::ProssimoPasso() {
    if (TastierinoAttivo == 0) return;
    if (FaseQuoziente == 1)
        ControllaQuoziente();
    else if (FaseProdotto == 1)
        ControllaProdotto();
    else if (FaseResto == 1)
        ControllaResto();
    else if (FaseTrasferimento == 1)
        ControllaTrasferimento();
}

// ---- Shared steps

void FinestraDivisione::mostraDivisione(int k) {
    const auto i = static_cast<std::size_t>(k);
    const int q = soluzione().Quoziente[i];
    LblRisultato.text =
        numeroTesto(soluzione().DividendoParziale[i]) + ":" + numeroTesto(Divisore) + "=" + numeroTesto(q);
    lblScrivi.text = "Scrivi " + numeroTesto(q);
}

void FinestraDivisione::fineDivisione() {
    operazioneFinita("uaooo!");
    // Over: no digit may check, and count, this division again.
    TastierinoAttivo = 0;
}

void FinestraDivisione::rifiuta(Control& cella) {
    cella.text = "";
    rispostaSbagliata();
    setFocus(cella);
}

void FinestraDivisione::chiediResto(int k) {
    FaseProdotto = 0;
    FaseResto = 1;
    FaseQuoziente = 0;
    RigaResto = k;
    Colonna = soluzione().unitaResto();
    PosCifra = 1;
    SelezionaResto();
}

bool FinestraDivisione::quozienteGiusto(int k) {
    forms::Control& cella = lavagna().TxtQuoziente[k];
    if (valore(cella) == soluzione().Quoziente[static_cast<std::size_t>(k)]) return true;
    rifiuta(cella);
    return false;
}

// ---- The first question: which dividend digit ends the first partial dividend

void FinestraDivisione::TxtDividendo_Click(int index) {
    if (CifreDividendo < 1) return;
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        if (Cliccabile[i] == 0) return;

    if (index != soluzione().CifreIniziali) {
        rispostaSbagliata();
        return;
    }
    LavagnaDivisione& b = lavagna();
    TastierinoAttivo = 1;
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        Cliccabile[i] = 0;
    for (int i = 1; i <= Colonna && i <= 4; ++i)
        b.txtCappello[i].text = "^";
    rispostaGiusta();
    Frame1.enabled = true;
    abilitaLavoro(true);
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quoziente ?";
        lblUao.text = uaoPrimaDomanda();
        lblScrivi.text = "";
    } else {
        mostraDivisione(1);
    }
    setFocus(b.TxtQuoziente[1]);
    PosQuoziente = 1;
    FaseQuoziente = 1;
}

// ---- Remainder, units digit first

void FinestraDivisione::ControllaResto() {
    const int k = RigaResto;
    if (!cellaDellaRiga(k) || !cellaDellaRiga(Colonna)) return;
    LavagnaDivisione& b = lavagna();
    const auto riga = static_cast<std::size_t>(k);
    const int atteso = SoluzioneDivisione::cifraIn(soluzione().righeResto[riga], Colonna);
    const int d = valore(b.txtResto(k)[Colonna]);
    const int cifre = numeroCifre(soluzione().Resto[riga]);

    if (d != (atteso == SoluzioneDivisione::kVuota ? 0 : atteso)) {
        rifiuta(b.txtResto(k)[Colonna]);
        return;
    }
    if (cifre == 2 && PosCifra == 1) { // units right: the tens cell is next, to its left
        ++PosCifra;
        --Colonna;
        rispostaGiusta();
        if (Guidato == 0) {
            LblRisultato.text = "Bravo";
            lblUao.text = uaoUnitaResto();
            lblScrivi.text = "";
        } else {
            suggerimentoDecineResto(k);
        }
        SelezionaResto();
        return;
    }
    if (cifre > 2) return;

    // The remainder is complete; the dividend digit right of its units digit is next, if any.
    const int larghezza = cifre;
    bool finita = true;
    if (k <= 3 && (larghezza == 1 || PosCifra == 2)) {
        const int seguente = Colonna + k + (larghezza - 1);
        finita = seguente > 5 || b.TxtDividendo[seguente].text.empty();
    }
    if (finita) {
        fineDivisione();
        return;
    }
    rispostaGiusta();
    Colonna += larghezza;
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Che cifra devo trasferire ?";
        lblScrivi.text = "";
        lblUao.text = uaoTrasferire(k);
    } else {
        LblRisultato.text = "Che cifra devo trasferire ?";
        lblScrivi.text = "Scrivi " + numeroTesto(valore(b.TxtDividendo[Colonna + k - 1]));
    }
    setFocus(b.txtResto(k)[Colonna]);
    FaseResto = 0;
    FaseTrasferimento = 1;
}

// ---- The digit brought down beside the remainder

void FinestraDivisione::ControllaTrasferimento() {
    const int k = RigaResto;
    if (k < 1 || k > 3 || !cellaDellaRiga(Colonna)) return; // no digit follows a fourth step
    const int colonnaDividendo = Colonna + k - 1;           // row k stands k - 1 columns right
    if (!cellaDellaRiga(colonnaDividendo)) return;
    LavagnaDivisione& b = lavagna();
    Control& cella = b.txtResto(k)[Colonna];

    if (cella.text != b.TxtDividendo[colonnaDividendo].text) {
        rifiuta(cella);
        return;
    }
    b.txtCappello[colonnaDividendo].text = "v";
    FaseQuoziente = 1;
    FaseResto = 0;
    FaseTrasferimento = 0;
    rispostaGiusta();
    const int prossimo = k + 1;
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quoziente ?";
        lblUao.text = uaoTrasferito(k);
        lblScrivi.text = "";
    } else {
        mostraDivisione(prossimo);
    }
    setFocus(b.TxtQuoziente[prossimo]);
    PosQuoziente = prossimo;
}

} // namespace exercise
