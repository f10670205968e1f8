#pragma once

// Multiplication worked by hand, cell by cell: what a child who knows every answer types.
#include "forms/Control.h"

#include <string>

namespace molt_test {

inline constexpr long kPeso[] = {1, 10, 100, 1000, 10000, 100000};

// The digit a x b asks for in cella, worked out by hand: row 1 (the one-digit window's only
// row) is a times the units u of b, row 2 a times its tens t from the tens column; a carry is
// what the lower digits leave over, never 0 (-1: a cell that must not be asked).
inline int cifraGiusta(long a, long b, const forms::Control& cella) {
    const std::string riga = cella.name().substr(0, cella.name().find('('));
    const int k = cella.name()[cella.name().size() - 2] - '0';
    const long u = b % 10, t = b / 10, p = kPeso[k];
    auto riporto = [](long x) { return x > 0 ? static_cast<int>(x) : -1; };
    if (riga == "TxtProdotto" || riga == "TxtProdotto3") return static_cast<int>(a * b / p % 10);
    if (riga == "TxtProdotto1") return static_cast<int>(a * u / p % 10);
    if (riga == "TxtProdotto2") return k == 0 ? -1 : static_cast<int>(a * t / kPeso[k - 1] % 10);
    if (riga == "TxtRiporto" || riga == "TxtRiporto1") return riporto(a % p * u / p);
    if (riga == "TxtRiporto2") return riporto(a % p * t / p);
    if (riga == "TxtRiporto3") return riporto((a * u % p + a * t * 10 % p) / p);
    return -1;
}

} // namespace molt_test
