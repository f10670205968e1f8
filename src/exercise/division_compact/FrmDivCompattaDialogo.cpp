// The checks and hints of a compact division that the extended one does not share: the
// quotient digit leads straight to the remainder, explained as a subtraction done in the head.
#include "exercise/division_compact/FrmDivCompatta.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::numeroTesto;

namespace {

// The article before a number in a hint: "all'1", "all'11", "all'8" ("all'80".."all'89"
// only where the number is read as a whole), "allo 0", "al" otherwise.
std::string articolo(int v, bool ottanta) {
    const std::string testo = std::to_string(v);
    if (v == 1 || v == 11 || v == 8 || (ottanta && testo[0] == '8')) return " all'";
    if (v == 0) return " allo";
    return " al ";
}

} // namespace

// ---- Guided hints

// "q x f = p <article and number> --> r", and what to write: the remainder's digit r.
void FrmDivCompatta::mostraConto(int quoziente, const std::string& fattore, int prodotto,
                                 const std::string& daCosa, const std::string& resto) {
    LblRisultato.text =
        numeroTesto(quoziente) + "x" + fattore + "=" + numeroTesto(prodotto) + daCosa + " --> " + resto;
    lblScrivi.text = "Scrivi " + resto;
}

// ---- Quotient digit

void FrmDivCompatta::ControllaQuoziente() {
    PosCifra = 1;
    Riporto = 0;
    const int k = PosQuoziente;
    if (!cellaDellaRiga(k) || !quozienteGiusto(k)) return;
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
    chiediResto(k);
}

// The whole step: quotient digit times divisor, taken from the partial dividend.
void FrmDivCompatta::suggerimentoUnaCifra(int k) {
    const int quoziente = risolta.Quoziente[k];
    std::string parziale;
    std::string art;
    if (k == 1) {
        // The first partial dividend is shown as its digits are written on the board.
        parziale = testoDividendo().substr(0, static_cast<std::size_t>(risolta.CifreIniziali));
        art = parziale == "1" || parziale == "11" || parziale == "8" ? " all'" : " al ";
    } else {
        parziale = numeroTesto(risolta.DividendoParziale[k]);
        art = articolo(risolta.DividendoParziale[k], true);
    }
    const std::string resto = numeroTesto(risolta.Resto[k]);
    mostraConto(quoziente, numeroTesto(Divisore), Divisore * quoziente, art + parziale, resto);
}

// The units column only, as a subtraction done in the head: the units of the divisor times
// the quotient digit, counted up to the units of the partial dividend, borrowing tens as
// needed; the borrows are marked in red over the partial dividend.
void FrmDivCompatta::suggerimentoDueCifre(int k) {
    const int quoziente = risolta.Quoziente[k];
    const std::string unita = cifra(Divisore, 0);
    const int p = valore(unita) * quoziente;
    const int ci = risolta.CifreIniziali;
    int x = k == 1 ? valore(testoDividendo().substr(static_cast<std::size_t>(ci - 1), 1))
                   : valore(cifra(risolta.DividendoParziale[k], 0));
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
            const int sinistra = valore(std::to_string(risolta.Resto[j]).substr(0, 2)) - Riporto;
            RP(j)[Colonna].text = numeroTesto(x);
            RP(j)[Colonna - 1].text = numeroTesto(sinistra);
        }
    }
    const std::string resto = cifra(risolta.Resto[k], 0);
    mostraConto(quoziente, unita, p, articolo(x, false) + numeroTesto(x), resto);
}

// The tens column of the same subtraction: the divisor's tens times the quotient digit,
// counted up to the left part of the partial dividend less the tens already borrowed.
void FrmDivCompatta::suggerimentoDecineResto(int k) {
    const int quoziente = risolta.Quoziente[k];
    const std::string decine = primaCifra(Divisore);
    const int p = quoziente * valore(decine);
    const int sinistra =
        k == 1 ? valore(testoDividendo().substr(0, static_cast<std::size_t>(risolta.CifreIniziali - 1)))
               : valore(std::to_string(risolta.Resto[k - 1]).substr(0, 2));
    const int m = sinistra - Riporto;
    const std::string resto = primaCifra(risolta.Resto[k]);
    mostraConto(quoziente, decine, p, articolo(m, true) + numeroTesto(m), resto);
}

} // namespace exercise
