#pragma once

#include "exercise/division_common/SoluzioneDivisione.h"

#include <array>
#include <optional>
#include <string>

namespace exercise {

// A long division worked out in full: what every division shares, and for each step the
// partial product written under the partial dividend and the borrow marks of its
// subtraction. Step k and cell i count from 1 as the board's names do.
struct SoluzioneEstesa : SoluzioneDivisione {
    std::array<int, 5> Prodotto{}; // divisor x quotient digit of step k
    // The finished product rows, right-aligned under their partial dividend.
    std::array<std::array<char, 5>, 5> righeProdotto{};
    // The borrow marks of step k stand in mark row k - 1, over the cells of its partial
    // dividend; the cell under a mark is the digit that borrows or lends.
    std::array<std::array<std::string, 5>, 4> segni{};

    // The cell of product row k that holds the product's units digit: under the first
    // partial dividend's last digit, and from the second step on under the digit brought
    // down beside a remainder.
    int unitaProdotto(int k) const { return k == 1 ? CifreIniziali : CifreIniziali + 1; }
    // The dividend's columns (1 = its first digit) that step k's partial dividend spans:
    // its bar underlines them.
    struct Colonne {
        int prima, ultima;
    };
    Colonne colonneParziale(int k) const;
};

// Works out dividendo : divisore; nothing unless the operands divide (as for the compact
// division).
std::optional<SoluzioneEstesa> risolviDivisioneEstesa(int dividendo, int divisore);

// The marks of the written subtraction d - p, by place value (units first): a digit that
// borrows shows itself plus 10, a digit that lends itself less 1 (a 0 that lends and
// borrows shows 9), an untouched digit nothing. A one-digit product is subtracted in the
// head and marks nothing. The tens mark of a three-digit product keeps its sign place, a
// leading blank, in the first step and where the tens borrow for a two-digit remainder.
std::array<std::string, 3> segniPrestito(int d, int p, bool primoPasso);

} // namespace exercise
