#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "exercise/division_extended/FrmDivEstesa.h"

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

} // namespace testing_support::divisione
