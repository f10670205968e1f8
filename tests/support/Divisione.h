#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "exercise/division_extended/FrmDivEstesa.h"
#include "support/Esercizio.h"

#include <algorithm>

// What the division windows' tests and the end-to-end run share: a division worked on paper.
namespace testing_support::divisione {

template <class W> constexpr bool kEstesa = std::is_same_v<W, exercise::FrmDivEstesa>;

// A division worked on paper: the dividend cell ending the first partial dividend; the keypad digits
// of a child who never errs ([0] compact: each quotient digit, its remainder units first, the digit
// brought down; [1] extended: the product, units first, before the remainder); each step's partial
// dividend.
struct AMano {
    int cella = 0;
    std::string cifre[2];
    std::vector<int> passi; // the partial dividend of each step
};

inline AMano aMano(int dividendo, int divisore) {
    const std::string t = std::to_string(dividendo);
    AMano a;
    int d = 0;
    while (d < divisore)
        d = d * 10 + (t[std::size_t(a.cella++)] - '0');
    for (std::size_t colonna = std::size_t(a.cella);; ++colonna) {
        const std::string q = std::to_string(d / divisore);
        std::string p = std::to_string(d / divisore * divisore), r = std::to_string(d % divisore);
        std::ranges::reverse(p), std::ranges::reverse(r);
        a.passi.push_back(d);
        a.cifre[0] += q + r, a.cifre[1] += q + p + r;
        if (colonna == t.size()) return a;
        a.cifre[0] += t[colonna], a.cifre[1] += t[colonna];
        d = d % divisore * 10 + (t[colonna] - '0');
    }
}

// The subtractions of an extended division worked on paper (a), in columns: for each keypad digit,
// the column a remainder digit answers ("a-b= c": the partial dividend's digit after its borrows, the
// product's, the remainder's), else ""; the marks over the partial dividends, mark rows 0..3, cells
// 1..4 each closed by a '|'.
struct InColonna {
    std::vector<std::string> colonne;
    std::string segni;
};

// Mark rows 0..3, cells 1..4 each closed by a '|'.
inline std::string inRighe(const std::string (&segni)[4][5]) {
    std::string s;
    s.reserve(64);
    for (const auto& riga : segni)
        for (std::size_t i = 1; i <= 4; ++i)
            (s += riga[i]) += '|';
    return s;
}

inline InColonna inColonna(const AMano& a, int divisore) {
    InColonna c;
    c.colonne.reserve(a.cifre[1].size());
    std::string segni[4][5];
    for (std::size_t k = 1; k <= a.passi.size(); ++k) {
        const int d = a.passi[k - 1], prodotto = d / divisore * divisore, resto = d % divisore;
        // Nothing for the digit brought down, the quotient digit and the product's digits.
        c.colonne.resize(c.colonne.size() + (k > 1) + 2 + (prodotto >= 10) + (prodotto >= 100));
        for (int posto = 0; posto <= (resto >= 10); ++posto) {
            const int p = cifraDi(prodotto, posto), r = cifraDi(resto, posto);
            c.colonne.push_back(" " + std::to_string(p + r) + "-" + char('0' + p) + "= " + char('0' + r));
        }
        // A column that borrows or lends shows its digit after the borrows; a product of one digit is
        // taken away in the head. The tens of a three-digit product are a number, a blank before it,
        // in the first step, and later where they borrow for a two-digit remainder.
        const std::size_t unita = std::size_t(a.cella) + (k > 1);
        for (int posto = 0; posto < 3 && prodotto >= 10; ++posto)
            if (prende(d, prodotto, posto) || prende(d, prodotto, posto - 1)) {
                std::string& segno = segni[k - 1][unita - std::size_t(posto)];
                if (posto == 1 && prodotto >= 100 && (k == 1 || (prende(d, prodotto, 1) && resto >= 10)))
                    segno = " ";
                segno += std::to_string(cifraDi(prodotto, posto) + cifraDi(resto, posto));
            }
    }
    c.segni = inRighe(segni);
    return c;
}

// The marks of a compact division (a) with a two-digit divisor, done in the head: where the units
// product is larger than the partial dividend's units digit, that digit raised by whole tens to the
// product plus the remainder's units digit, and the digits left of it lowered by the tens it took;
// as inColonna's marks.
inline std::string inTesta(const AMano& a, int divisore) {
    std::string segni[4][5];
    for (std::size_t k = 1; k <= a.passi.size() && divisore >= 10; ++k) {
        const int d = a.passi[k - 1], prodotto = d / divisore * (divisore % 10),
                  alzata = prodotto + d % divisore % 10;
        if (prodotto <= d % 10) continue;
        const std::size_t unita = std::size_t(a.cella) + (k > 1);
        segni[k - 1][unita] = " " + std::to_string(alzata);
        segni[k - 1][unita - 1] = " " + std::to_string(d / 10 - (alzata - d % 10) / 10);
    }
    return inRighe(segni);
}

} // namespace testing_support::divisione
