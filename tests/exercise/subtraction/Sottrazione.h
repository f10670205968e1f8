#pragma once

// Subtraction worked by hand, column by column: what a child who knows every answer types.
#include "exercise/subtraction/FrmSott1.h"

#include <string>

namespace sott1_test {

using exercise::FrmSott1;

// Digit c of n, 0 being the units.
inline int cifraDi(long n, int c) {
    while (c-- > 0)
        n /= 10;
    return static_cast<int>(n % 10);
}

// Column c borrows when the minuend's last c + 1 digits make less than the subtrahend's.
inline bool prende(long m, long s, int c) {
    long p = 10;
    for (int k = 0; k < c; ++k)
        p *= 10;
    return c >= 0 && m % p < s % p;
}

// The key for the cell in focus; -1 for a cell that should not be asked.
inline int giusta(const FrmSott1& w, const forms::Control& cella, long m, long s) {
    for (int c = 0; c < 5; ++c) {
        if (&cella == &w.TxtDifferenza[c]) return cifraDi(m - s, c);
        if (&cella != &w.TxtPrestito[c]) continue;
        if (c > w.Colonna) return cifraDi(m, c) == 0 ? 9 : cifraDi(m, c) - 1; // a lender, or a zero passed
        if (!prende(m, s, c)) return -1;
        const std::string t = std::to_string(10 + cifraDi(m, c) - (c > 0 && prende(m, s, c - 1)));
        return cella.text == "1" ? t[1] - '0' : 1; // the 1 first, or in front of a lowered digit
    }
    return -1;
}

} // namespace sott1_test
