// The dialogue of a subtraction: each keypad digit written into the cell the dialogue
// asks for and checked at once against the solver's values. In a column that borrows the
// child lowers the lender first, turns each zero passed over into 9, then writes the
// column's new value in its borrow cell, and only then the difference digit.
#include "exercise/subtraction/FrmSott1.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::numeroTesto;

namespace {

// " 12- 7= 5": numbers in a hint take their leading blank.
std::string differenzaTesto(int a, int b, int d) {
    return numeroTesto(a) + "-" + numeroTesto(b) + "=" + numeroTesto(d);
}

} // namespace

int FrmSott1::distanzaPrestatore() const {
    for (int k = 1; Colonna + k < NumColonne; ++k)
        if (valoreCella(TxtMinuendo, Colonna + k) != 0) return k;
    return 0;
}

void FrmSott1::IniziaEsecuzione() {
    if (MostraSoluzione == 0) {
        for (int i = 0; i < kColonne; ++i) {
            TxtPrestito[i].text.clear();
            TxtDifferenza[i].text.clear();
        }
    }
    const int k = ingrigita(TxtMinuendo, 0) ? distanzaPrestatore() : 0;
    if (k > 0) {
        chiediPrestatore(k);
        return;
    }
    // The first column's hint takes its digits straight from the cells.
    const int d = CifreDifferenza[0];
    if (Guidato == 1) {
        LblRisultato.text = TxtMinuendo[0].text + "-" + TxtSottraendo[0].text + "=" + numeroTesto(d);
        lblScrivi.text = "Scrivi" + numeroTesto(d);
    }
    setFocus(TxtDifferenza[0]);
}

void FrmSott1::chiediPrestatore(int k) {
    const int j = Colonna + k;
    const int abbassata = valoreCella(TxtMinuendo, j) - 1;
    if (Guidato == 1) {
        LblRisultato.text = testoCella(TxtMinuendo, j) + "-1=" + numeroTesto(abbassata);
        lblScrivi.text = "Scrivi" + numeroTesto(abbassata);
    }
    setFocus(TxtPrestito[j]);
    PassoPrestito = k;
}

void FrmSott1::chiediDifferenza(int v) {
    const int c = Colonna;
    const int d = CifreDifferenza[static_cast<std::size_t>(c)];
    if (Guidato == 1) {
        LblRisultato.text = differenzaTesto(v, valoreCella(TxtSottraendo, c), d);
        lblScrivi.text = "Scrivi" + numeroTesto(d);
    }
    setFocus(TxtDifferenza[c]);
}

void FrmSott1::ScriviCifra() {
    if (!operazioneInCorso()) return; // no operation on the board, or it is finished
    const int c = Colonna;
    if (PassoPrestito > 0) {
        scriviCella(TxtPrestito, c + PassoPrestito, CifraPremuta);
        ControllaCatena();
        return;
    }
    Control& casella = TxtPrestito[c];
    const int atteso = CifrePrestito[static_cast<std::size_t>(c)];
    const bool prestito = ingrigita(TxtMinuendo, c) && atteso != 0;
    if (prestito && atteso != valore(casella)) {
        // The borrow cell is being written: a 1 in front of the column's digit.
        TestoPrestito = casella.text;
        casella.text += CifraPremuta;
        PrestitoScritto = 1;
        if (casella.text[0] != '1') casella.text = {casella.text.back(), casella.text.front()};
    } else if (!prestito || valoreCella(TxtSottraendo, c) <= valore(casella)) {
        TxtDifferenza[c].text = CifraPremuta;
        CifraScritta = 1;
    }
}

void FrmSott1::ControllaCatena() {
    const int j = Colonna + PassoPrestito;
    const int x = valoreCella(TxtMinuendo, j);
    const int v = valoreCella(TxtPrestito, j);
    if (!(x != 0 ? v == x - 1 : v == 9)) {
        rispostaSbagliata();
        scriviCella(TxtPrestito, j, "");
        setFocus(TxtPrestito[j]);
        return;
    }
    rispostaGiusta("Bravissimo", "uaoo!");
    const int q = --PassoPrestito;
    if (Guidato == 1 && q > 0) { // a zero the borrow passes through
        LblRisultato.text = "10+0-1= 9";
        lblScrivi.text = "Scrivi 9";
    } else if (Guidato == 1) { // back at the column that borrows
        const Control& casella = TxtPrestito[Colonna];
        const int n = valore(casella.text.empty() ? TxtMinuendo[Colonna] : casella);
        LblRisultato.text =
            "10+" + numeroTesto(n) + "=" + numeroTesto(CifrePrestito[static_cast<std::size_t>(Colonna)]);
        lblScrivi.text = "Scrivi 1";
    }
    setFocus(TxtPrestito[Colonna + q]);
}

void FrmSott1::ProssimoPasso() {
    if (PrestitoScritto == 0 && CifraScritta == 0) return; // the digit went nowhere, or to a lender
    const int c = Colonna;
    if (PrestitoScritto == 1) {
        const std::string atteso = std::to_string(CifrePrestito[static_cast<std::size_t>(c)]);
        if (TxtPrestito[c].text.size() != atteso.size()) { // only the 1 is there: wait for the digit
            if (Guidato == 1) lblScrivi.text = "...e " + atteso.substr(atteso.size() - 1);
            setFocus(TxtPrestito[c]);
        } else {
            ControllaPrestito();
        }
    }
    if (CifraScritta == 1) ControllaCifra();
    PrestitoScritto = 0;
    CifraScritta = 0;
    if (Colonna == NumColonne) {
        operazioneFinita("uaooo!");
        ingrigisciZeriIniziali();
        return;
    }
    if (PassoPrestito == 0 && !ingrigita(TxtMinuendo, Colonna))
        chiediDifferenza(valore(TxtMinuendo[Colonna]));
}

void FrmSott1::ControllaPrestito() {
    const int c = Colonna;
    Control& casella = TxtPrestito[c];
    int& atteso = CifrePrestito[static_cast<std::size_t>(c)];
    if (atteso == 0) return;
    if (valore(casella) != atteso) {
        rispostaSbagliata();
        casella.text = TestoPrestito; // what it held before the last digit
        setFocus(casella);
        return;
    }
    atteso = 0;
    rispostaGiusta("Molto bravo", "uaoo!");
    chiediDifferenza(valore(casella));
}

void FrmSott1::ControllaCifra() {
    const int c = Colonna;
    int& atteso = CifreDifferenza[static_cast<std::size_t>(c)];
    if (valore(TxtDifferenza[c]) != atteso) {
        rispostaSbagliata();
        TxtDifferenza[c].text.clear();
        setFocus(TxtDifferenza[c]);
        return;
    }
    rispostaGiusta("Bravo", "uao!");
    atteso = 0;
    if (++Colonna == NumColonne || !ingrigita(TxtMinuendo, Colonna)) return;
    // A column that takes part in a borrow: it borrows in its turn, or it only lent and
    // works with its lowered digit.
    const int s = valoreCella(TxtSottraendo, Colonna);
    const int p = valoreCella(TxtPrestito, Colonna);
    if (s > p)
        chiediPrestatore(distanzaPrestatore());
    else
        chiediDifferenza(p);
}

} // namespace exercise
