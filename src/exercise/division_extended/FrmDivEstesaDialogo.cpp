// The checks and hints of a long division that the compact one does not share: the quotient
// digit opens the partial product, written from the units leftwards and underlined by its
// bar; the remainder under it is explained as a written subtraction.
#include "exercise/division_extended/FrmDivEstesa.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::numeroTesto;

// ---- Quotient digit: the product of the step comes next

void FrmDivEstesa::ControllaQuoziente() {
    PosCifra = 1;
    const int k = PosQuoziente;
    if (!cellaDellaRiga(k) || !quozienteGiusto(k)) return;
    const auto passo = static_cast<std::size_t>(k);
    const int q = risolta.Quoziente[passo];
    const int prodotto = risolta.Prodotto[passo];
    rispostaGiusta();
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Quanto è il prodotto ?";
        lblUao.text = "uao!";
    } else if (Divisore < 10) {
        LblRisultato.text = numeroTesto(q) + "x" + numeroTesto(Divisore) + "=" + numeroTesto(prodotto);
        lblScrivi.text = "Scrivi " + numeroTesto(prodotto % 10);
    } else {
        // The divisor's units first; the tens of that product are carried to the next column.
        const std::string unita = cifra(Divisore, 0);
        const int n = valore(unita) * q;
        LblRisultato.text = numeroTesto(q) + "x" + unita + "=" + numeroTesto(n);
        Riporto = n / 10;
        lblScrivi.text =
            "Scrivi " + cifra(n, 0) + (n >= 10 ? " (e riporta " + numeroTesto(Riporto) + ")" : "");
    }
    FaseProdotto = 1;
    FaseResto = 0;
    FaseQuoziente = 0;
    RigaProdotto = k;
    Colonna = risolta.unitaProdotto(k);
    SelezionaProdotto();
}

// ---- Partial product, units digit first

void FrmDivEstesa::ScriviCifraProdotto() {
    if (!cellaDellaRiga(RigaProdotto) || !cellaDellaRiga(Colonna)) return;
    setFocus(txtMolt(RigaProdotto)[Colonna]);
    txtMolt(RigaProdotto)[Colonna].text = CifraPremuta;
}

void FrmDivEstesa::SelezionaProdotto() {
    const int k = RigaProdotto;
    if (!cellaDellaRiga(k) || !cellaDellaRiga(Colonna)) return;
    const int prodotto = risolta.Prodotto[static_cast<std::size_t>(k)];
    // The hundreds of a three-digit product: what the tens column carried.
    if (Guidato == 1 && PosCifra == 3 && prodotto >= 100) lblScrivi.text = "...e " + primaCifra(prodotto);
    setFocus(txtMolt(k)[Colonna]);
}

void FrmDivEstesa::ControllaProdotto() {
    const int k = RigaProdotto;
    if (!cellaDellaRiga(k) || !cellaDellaRiga(Colonna)) return;
    const auto passo = static_cast<std::size_t>(k);
    Control& cella = txtMolt(k)[Colonna];
    const int atteso = SoluzioneDivisione::cifraIn(risolta.righeProdotto[passo], Colonna);
    const int prodotto = risolta.Prodotto[passo];
    const int n = numeroCifre(prodotto);

    if (valore(cella) != atteso) {
        rifiuta(cella);
        return;
    }
    if (PosCifra < n) {
        ++PosCifra;
        --Colonna;
        rispostaGiusta();
        if (Guidato == 0) {
            LblRisultato.text = "Bravo";
            lblUao.text = n == 2 ? (k % 2 == 0 ? "uaoo!" : "uao!") : (k == 1 ? "uaoo!" : "uao!");
        } else if (Divisore < 10) {
            lblScrivi.text = "...e " + numeroTesto(prodotto / 10);
        } else {
            // The divisor's tens, and the carry kept from the units.
            const int q = risolta.Quoziente[passo];
            const std::string decine = primaCifra(Divisore);
            const int t = valore(decine) * q;
            LblRisultato.text = numeroTesto(q) + "x" + decine +
                                (Riporto > 0 ? "+" + numeroTesto(Riporto) + " (che riportavo) " : "") + "=" +
                                numeroTesto(t + Riporto);
            lblScrivi.text = "Scrivi " + cifra(t + Riporto, 0);
        }
        SelezionaProdotto();
        return;
    }

    mostraBarra(k);
    rispostaGiusta();
    if (Guidato == 0) {
        LblRisultato.text = "Bravo. Adesso calcoliamo il resto.";
        lblUao.text = k == 1 && n >= 2 ? "uaoo!" : "uao!";
    } else {
        // The units column of the subtraction, its borrows marked over the partial dividend.
        segnaPrestiti(k);
        const int resto = risolta.Resto[passo];
        LblRisultato.text = numeroTesto(resto % 10 + prodotto % 10) + "-" + cifra(prodotto, 0) + "=" +
                            numeroTesto(resto % 10);
        lblScrivi.text = "Scrivi " + numeroTesto(resto % 10);
    }
    chiediResto(k);
}

// ---- Remainder: the tens column of the subtraction

void FrmDivEstesa::suggerimentoDecineResto(int k) {
    const auto passo = static_cast<std::size_t>(k);
    const int prodotto = risolta.Prodotto[passo];
    const int f = valore(primaCifra(risolta.Resto[passo]));
    LblRisultato.text =
        numeroTesto(valore(primaCifra(prodotto)) + f) + "-" + primaCifra(prodotto) + "=" + numeroTesto(f);
    lblScrivi.text = "Scrivi " + numeroTesto(f);
}

void FrmDivEstesa::SelezionaResto() {
    const int k = RigaResto;
    if (Guidato == 1 && PosCifra == 2 && cellaDellaRiga(k)) {
        // Under a three-digit product the tens column is the product's middle digit.
        const int prodotto = risolta.Prodotto[static_cast<std::size_t>(k)];
        if (prodotto >= 100) {
            const std::string medio = cifra(prodotto, 1);
            const int f = valore(primaCifra(risolta.Resto[static_cast<std::size_t>(k)]));
            LblRisultato.text = numeroTesto(valore(medio) + f) + "-" + medio + "=" + numeroTesto(f);
            lblScrivi.text = "Scrivi " + numeroTesto(f);
        }
    }
    FinestraDivisione::SelezionaResto();
}

} // namespace exercise
