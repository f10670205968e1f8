#include "exercise/division_extended/SoluzioneEstesa.h"

#include "exercise/Numeri.h"

namespace exercise {

namespace {

constexpr int kColonna = 480; // twips between two columns
constexpr int kSinistra = 1800;

} // namespace

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
    if (primoPasso && p >= 100 && !segni[1].empty()) segni[1] = " " + segni[1];
    return segni;
}

std::optional<SoluzioneEstesa> risolviDivisioneEstesa(int dividendo, int divisore) {
    const auto comune = risolviDivisione(dividendo, divisore);
    if (!comune) return std::nullopt;
    SoluzioneEstesa s;
    static_cast<SoluzioneDivisione&>(s) = *comune;
    for (auto& riga : s.CifreProdotto)
        riga.fill(SoluzioneDivisione::kVuota);

    const int c = s.CifreIniziali;
    for (int k = 1; k <= s.passi; ++k) {
        const auto passo = std::size_t(k);
        const int prodotto = divisore * s.Quoziente[passo];
        s.Prodotto[passo] = prodotto;
        s.ColonnaProdotto[passo] = c;
        s.FineDividendoParziale[passo] = c;

        // Right-aligned under the partial dividend's units digit.
        const int unita = s.unitaProdotto(k);
        const int n = numeroCifre(prodotto);
        for (int posto = 0; posto < n; ++posto) {
            const auto cella = std::size_t(unita - posto);
            const std::string d = cifra(prodotto, posto);
            s.CifreProdotto[passo][cella] = valore(d);
            s.righeProdotto[passo][cella] = d[0];
        }

        const std::array<std::string, 3> segni = segniPrestito(s.DividendoParziale[passo], prodotto, k == 1);
        for (std::size_t posto = 0; posto < 3; ++posto)
            if (!segni[posto].empty()) s.segni[passo - 1][std::size_t(unita) - posto] = segni[posto];

        // The bar spans the partial dividend and ends under its units digit; each row of the
        // board stands one column further right from the second step on.
        if (k == 1) {
            s.barre[1] = {kSinistra, kSinistra + kColonna * c, 2760};
        } else {
            static const int base[] = {1800, 2280, 2760}, altezza[] = {3600, 4440, 5280};
            const int b = base[k - 2];
            const int lunghezza = numeroCifre(s.DividendoParziale[passo]);
            s.barre[passo] = {b + kColonna * (c + 1 - lunghezza), b + kColonna * (c + 1), altezza[k - 2]};
        }
    }
    return s;
}

} // namespace exercise
