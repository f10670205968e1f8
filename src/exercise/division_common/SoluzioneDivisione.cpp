#include "exercise/division_common/SoluzioneDivisione.h"

#include "exercise/Numeri.h"

namespace exercise {

namespace {

char carattere(int digit) {
    return static_cast<char>('0' + digit);
}

} // namespace

std::optional<SoluzioneDivisione> risolviDivisione(int dividendo, int divisore) {
    if (divisore < 1 || divisore > 99 || dividendo < divisore || dividendo > 9999) return std::nullopt;

    std::array<int, 5> cifre{}; // the dividend's digits, cell 1 the leftmost
    const int n = numeroCifre(dividendo);
    for (int i = n, resto = dividendo; i >= 1; --i, resto /= 10)
        cifre[i] = resto % 10;

    SoluzioneDivisione s;

    // The first partial dividend is the shortest prefix that holds the divisor at least once.
    int parziale = 0;
    int ci = 0;
    while (parziale < divisore)
        parziale = parziale * 10 + cifre[++ci];
    s.CifreIniziali = ci;
    s.passi = n - ci + 1;
    for (int i = 1; i <= ci; ++i)
        s.cappello[i] = '^';

    for (int k = 1; k <= s.passi; ++k) {
        if (k > 1) {
            // The digit brought down stands beside the previous remainder, under its own column.
            const int abbassata = cifre[ci + k - 1];
            s.righeResto[k - 1][ci + 1] = carattere(abbassata);
            s.cappello[ci + k - 1] = 'v';
            parziale = s.Resto[k - 1] * 10 + abbassata;
        }
        s.DividendoParziale[k] = parziale;
        s.Quoziente[k] = parziale / divisore;
        s.Resto[k] = parziale % divisore;
        // Right-aligned under the partial dividend: units in cell ci, tens left of it.
        const int resto = s.Resto[k];
        s.righeResto[k][ci] = carattere(resto % 10);
        if (resto >= 10) s.righeResto[k][ci - 1] = carattere(resto / 10);
    }
    return s;
}

} // namespace exercise
