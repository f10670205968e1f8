#include "exercise/division_extended/SoluzioneEstesa.h"

#include "exercise/Numeri.h"

namespace exercise {

std::array<std::string, 3> segniPrestito(int d, int p, bool primoPasso) {
    std::array<std::string, 3> segni;
    if (p < 10) return segni;
    int prestato = 0; // lent to the column on the right
    for (int posto = 0, peso = 1; posto < 3 && peso <= d; ++posto, peso *= 10) {
        const int cifra = d / peso % 10 - prestato;
        const int preso = cifra < p / peso % 10 ? 1 : 0; // borrowed from the column on the left
        if (prestato + preso > 0) segni[std::size_t(posto)] = std::to_string(cifra + 10 * preso);
        prestato = preso;
    }
    // Under a three-digit product the tens mark is written as a number, its sign place a blank:
    // in the first step whenever it stands, later where the tens borrow for a two-digit
    // remainder. For a one-digit remainder that borrow comes only from a tens 0 lending to the
    // units, and the guided dialogue has the child write that mark as a plain 9; the finished
    // board shows the same. The tens borrowed where the hundreds, which lent, bear a mark.
    const bool conSegno = primoPasso || (!segni[2].empty() && d - p >= 10);
    if (p >= 100 && !segni[1].empty() && conSegno) segni[1] = " " + segni[1];
    return segni;
}

std::optional<SoluzioneEstesa> risolviDivisioneEstesa(int dividendo, int divisore) {
    const auto comune = risolviDivisione(dividendo, divisore);
    if (!comune) return std::nullopt;
    SoluzioneEstesa s;
    static_cast<SoluzioneDivisione&>(s) = *comune;

    for (int k = 1; k <= s.passi; ++k) {
        const auto passo = std::size_t(k);
        const int prodotto = divisore * s.Quoziente[passo];
        s.Prodotto[passo] = prodotto;

        // Right-aligned under the partial dividend's units digit.
        const int unita = s.unitaProdotto(k);
        const int n = numeroCifre(prodotto);
        for (int posto = 0; posto < n; ++posto)
            s.righeProdotto[passo][std::size_t(unita - posto)] = cifra(prodotto, posto)[0];

        const std::array<std::string, 3> segni = segniPrestito(s.DividendoParziale[passo], prodotto, k == 1);
        for (std::size_t posto = 0; posto < 3; ++posto)
            if (!segni[posto].empty()) s.segni[passo - 1][std::size_t(unita) - posto] = segni[posto];
    }
    return s;
}

SoluzioneEstesa::Colonne SoluzioneEstesa::colonneParziale(int k) const {
    // Each step's partial dividend ends one column further right, under the digit it brought down.
    const int ultima = CifreIniziali + k - 1;
    return {ultima + 1 - numeroCifre(DividendoParziale[std::size_t(k)]), ultima};
}

} // namespace exercise
