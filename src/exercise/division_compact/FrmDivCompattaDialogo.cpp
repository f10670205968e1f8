// The dialogue of a compact division: the first click, then each keypad digit written
// into the cell the dialogue asks for and checked at once against the solver's values.
#include "exercise/division_compact/FrmDivCompatta.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::numeroTesto;

namespace {

bool cellaDellaRiga(int i) {
    return 1 <= i && i <= 4;
}
bool rigaResto(int k) {
    return 1 <= k && k <= 4;
}

// The article before a number in a hint: "all'1", "all'11", "all'8" ("all'80".."all'89"
// only where the number is read as a whole), "allo 0", "al" otherwise.
std::string articolo(int v, bool ottanta) {
    const std::string testo = std::to_string(v);
    if (v == 1 || v == 11 || v == 8 || (ottanta && testo[0] == '8')) return " all'";
    if (v == 0) return " allo";
    return " al ";
}

std::string primo(const std::string& s) {
    return s.substr(0, 1);
}
std::string ultimo(const std::string& s) {
    return s.substr(s.size() - 1);
}

} // namespace

// ---- Keypad digits

void FrmDivCompatta::ScriviCifra() {
    if (TastierinoAttivo == 0) return; // the first question is still open: digits go nowhere
    if (FaseQuoziente == 1) {
        if (cellaDellaRiga(PosQuoziente)) TxtQuoziente[PosQuoziente].text = CifraPremuta;
    } else if (FaseResto == 1) {
        ScriviCifraResto();
    } else if (FaseTrasferimento == 1) {
        if (rigaResto(RigaResto) && cellaDellaRiga(Colonna)) txtResto(RigaResto)[Colonna].text = CifraPremuta;
    }
}

void FrmDivCompatta::ScriviCifraResto() {
    if (!rigaResto(RigaResto) || !cellaDellaRiga(Colonna)) return;
    SelezionaResto();
    txtResto(RigaResto)[Colonna].text = CifraPremuta;
}

void FrmDivCompatta::SelezionaResto() {
    if (rigaResto(RigaResto) && cellaDellaRiga(Colonna)) setFocus(txtResto(RigaResto)[Colonna]);
}

void FrmDivCompatta::ProssimoPasso() {
    if (TastierinoAttivo == 0) return;
    if (FaseQuoziente == 1)
        ControllaQuoziente();
    else if (FaseResto == 1)
        ControllaResto();
    else if (FaseTrasferimento == 1)
        ControllaTrasferimento();
}

// ---- Guided hints

// "q x f = p <article and number> --> r", and what to write: the remainder's digit r.
void FrmDivCompatta::mostraConto(int quoziente, const std::string& fattore, int prodotto,
                                 const std::string& daCosa, const std::string& resto) {
    LblRisultato.text =
        numeroTesto(quoziente) + "x" + fattore + "=" + numeroTesto(prodotto) + daCosa + " --> " + resto;
    lblScrivi.text = "Scrivi " + resto;
}

// The partial dividend of step k divided, and its quotient digit to write.
void FrmDivCompatta::mostraDivisione(int k) {
    const int q = soluzione.Quoziente[static_cast<std::size_t>(k)];
    LblRisultato.text = numeroTesto(soluzione.DividendoParziale[static_cast<std::size_t>(k)]) + ":" +
                        numeroTesto(Divisore) + "=" + numeroTesto(q);
    lblScrivi.text = "Scrivi " + numeroTesto(q);
}

// ---- The end of a division

void FrmDivCompatta::fineDivisione() {
    mostraFaccia(3);
    m_.suonaSeAttivo(app::SuonoFinito);
    LblRisultato.text = "Bravissimo";
    lblScrivi.text = "hai finito";
    contaEseguita();
    lblUao.text = "uaooo!";
    Frame1.enabled = false;
    setFocus(CmdInserisci);
    // Over: no digit may check, and count, this division again.
    TastierinoAttivo = 0;
}

// ---- The first question: which dividend digit ends the first partial dividend

void FrmDivCompatta::TxtDividendo_Click(int index) {
    if (CifreDividendo < 1) return;
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        if (Cliccabile[i] == 0) return;

    if (index != soluzione.CifreIniziali) {
        rispostaSbagliata();
        return;
    }
    TastierinoAttivo = 1;
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        Cliccabile[i] = 0;
    for (int i = 1; i <= Colonna && i <= 4; ++i)
        txtCappello[i].text = "^";
    rispostaGiusta();
    Frame1.enabled = true;
    abilitaLavoro(true);
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quoziente ?";
        lblUao.text = "uaoo!";
        lblScrivi.text = "";
    } else {
        mostraDivisione(1);
    }
    setFocus(TxtQuoziente[1]);
    PosQuoziente = 1;
    FaseQuoziente = 1;
}

// ---- Quotient digit

void FrmDivCompatta::ControllaQuoziente() {
    PosCifra = 1;
    Riporto = 0;
    const int k = PosQuoziente;
    if (!cellaDellaRiga(k)) return;

    if (valore(TxtQuoziente[k]) != soluzione.Quoziente[k]) {
        rispostaSbagliata();
        TxtQuoziente[k].text = "";
        setFocus(TxtQuoziente[k]);
        return;
    }
    rispostaGiusta();
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quanto è il resto ?";
        lblUao.text = k % 2 == 1 ? "uao!" : "uaoo!";
        lblScrivi.text = "";
    } else if (Divisore < 10) {
        suggerimentoUnaCifra(k);
    } else {
        suggerimentoDueCifre(k);
    }
    if (PosQuoziente < 4) PosQuoziente = k + 1;
    FaseResto = 1;
    FaseQuoziente = 0;
    RigaResto = k;
    Colonna = soluzione.ColonnaResto[k];
    SelezionaResto();
}

// The whole step: quotient digit times divisor, taken from the partial dividend.
void FrmDivCompatta::suggerimentoUnaCifra(int k) {
    const int quoziente = soluzione.Quoziente[k];
    std::string parziale;
    std::string art;
    if (k == 1) {
        // The first partial dividend is shown as its digits are written on the board.
        parziale = testoDividendo().substr(0, static_cast<std::size_t>(soluzione.CifreIniziali));
        art = parziale == "1" || parziale == "11" || parziale == "8" ? " all'" : " al ";
    } else {
        parziale = numeroTesto(soluzione.DividendoParziale[k]);
        art = articolo(soluzione.DividendoParziale[k], true);
    }
    const std::string resto = numeroTesto(soluzione.Resto[k]);
    mostraConto(quoziente, numeroTesto(Divisore), Divisore * quoziente, art + parziale, resto);
}

// The units column only, as a subtraction done in the head: the units of the divisor times
// the quotient digit, counted up to the units of the partial dividend, borrowing tens as
// needed; the borrows are marked in red over the partial dividend.
void FrmDivCompatta::suggerimentoDueCifre(int k) {
    const int quoziente = soluzione.Quoziente[k];
    const std::string unita = ultimo(std::to_string(Divisore));
    const int p = valore(unita) * quoziente;
    const int ci = soluzione.CifreIniziali;
    int x = k == 1 ? valore(testoDividendo().substr(static_cast<std::size_t>(ci - 1), 1))
                   : valore(ultimo(std::to_string(soluzione.DividendoParziale[k])));
    if (p > x) {
        Riporto = 0;
        while (x < p) {
            x += 10;
            ++Riporto;
        }
        if (k == 1) {
            for (int i = ci; i >= 1 && i >= ci - 2; --i)
                TxtDividendo[i].enabled = false;
            const int sinistra =
                valore(testoDividendo().substr(0, static_cast<std::size_t>(ci - 1))) - Riporto;
            RP0[ci].text = numeroTesto(x);
            RP0[ci - 1].text = numeroTesto(sinistra);
        } else {
            const int j = k - 1;
            for (int i = Colonna; i >= 1 && i >= Colonna - 2; --i)
                txtResto(j)[i].enabled = false;
            const int sinistra = valore(std::to_string(soluzione.Resto[j]).substr(0, 2)) - Riporto;
            RP(j)[Colonna].text = numeroTesto(x);
            RP(j)[Colonna - 1].text = numeroTesto(sinistra);
        }
    }
    const std::string resto = ultimo(std::to_string(soluzione.Resto[k]));
    mostraConto(quoziente, unita, p, articolo(x, false) + numeroTesto(x), resto);
}

// ---- Remainder, units digit first

void FrmDivCompatta::ControllaResto() {
    const int k = RigaResto;
    if (!rigaResto(k) || !cellaDellaRiga(Colonna)) return;
    const int atteso = soluzione.CifreResto[k][Colonna];
    const int d = valore(txtResto(k)[Colonna]);
    const int cifre = numeroCifre(soluzione.Resto[k]);

    if (d != (atteso == SoluzioneCompatta::kVuota ? 0 : atteso)) {
        txtResto(k)[Colonna].text = "";
        rispostaSbagliata();
        setFocus(txtResto(k)[Colonna]);
        return;
    }
    if (cifre == 2 && PosCifra == 1) { // units right: the tens cell is next, to its left
        ++PosCifra;
        --Colonna;
        rispostaGiusta();
        if (Guidato == 0) {
            LblRisultato.text = "Bravo";
            lblUao.text = "uaoo!";
            lblScrivi.text = "";
        } else {
            suggerimentoDecine(k);
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
        finita = seguente > 5 || TxtDividendo[seguente].text.empty();
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
        lblUao.text = k == 1 ? "uaoo!" : "uao!";
    } else {
        LblRisultato.text = "Che cifra devo trasferire ?";
        lblScrivi.text = "Scrivi " + numeroTesto(valore(TxtDividendo[Colonna + k - 1]));
    }
    setFocus(txtResto(k)[Colonna]);
    FaseResto = 0;
    FaseTrasferimento = 1;
}

// The tens column of the same subtraction: the divisor's tens times the quotient digit,
// counted up to the left part of the partial dividend less the tens already borrowed.
void FrmDivCompatta::suggerimentoDecine(int k) {
    const int quoziente = soluzione.Quoziente[k];
    const std::string decine = primo(std::to_string(Divisore));
    const int p = quoziente * valore(decine);
    const int sinistra =
        k == 1 ? valore(testoDividendo().substr(0, static_cast<std::size_t>(soluzione.CifreIniziali - 1)))
               : valore(std::to_string(soluzione.Resto[k - 1]).substr(0, 2));
    const int m = sinistra - Riporto;
    const std::string resto = primo(std::to_string(soluzione.Resto[k]));
    mostraConto(quoziente, decine, p, articolo(m, true) + numeroTesto(m), resto);
}

// ---- The digit brought down beside the remainder

void FrmDivCompatta::ControllaTrasferimento() {
    const int k = RigaResto;
    if (k < 1 || k > 3 || !cellaDellaRiga(Colonna)) return; // no digit follows a fourth step
    const int colonnaDividendo = Colonna + k - 1;           // row k stands k - 1 columns right
    if (!cellaDellaRiga(colonnaDividendo)) return;
    Control& cella = txtResto(k)[Colonna];

    if (cella.text != TxtDividendo[colonnaDividendo].text) {
        cella.text = "";
        setFocus(cella);
        rispostaSbagliata();
        return;
    }
    txtCappello[colonnaDividendo].text = "v";
    FaseQuoziente = 1;
    FaseResto = 0;
    FaseTrasferimento = 0;
    rispostaGiusta();
    const int prossimo = k + 1;
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quoziente ?";
        lblUao.text = k == 1 ? "uaoo!" : "uao!";
        lblScrivi.text = "";
    } else {
        mostraDivisione(prossimo);
    }
    setFocus(TxtQuoziente[prossimo]);
    PosQuoziente = prossimo;
}

} // namespace exercise
