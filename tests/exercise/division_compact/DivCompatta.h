#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "support/Divisione.h"

#include <gtest/gtest.h>

#include <string>

namespace div_compatta_test {

using exercise::FrmDivCompatta;
using testing_support::divisione::riga;
using testing_support::divisione::stato;

// A division worked out by hand. cella: the dividend cell ending the first partial dividend;
// cifre: the keypad digits of a child who never errs (each quotient digit, its remainder units
// first, then the digit brought down); lavagna: the finished board as lavagna() writes it.
struct AMano {
    int cella = 0;
    std::string cifre, lavagna;
};

inline AMano aMano(int dividendo, int divisore) {
    const std::string t = std::to_string(dividendo);
    AMano a;
    int parziale = 0;
    while (parziale < divisore)
        parziale = parziale * 10 + (t[std::size_t(a.cella++)] - '0');
    const std::size_t ci = std::size_t(a.cella);
    std::string quoziente = "....", righe = ".... .... .... ....";
    for (std::size_t k = 0, pos = ci;; ++k, ++pos) {
        const std::string r = std::to_string(parziale % divisore);
        quoziente[k] = static_cast<char>('0' + parziale / divisore);
        righe.replace(5 * k + ci - r.size(), r.size(), r); // right-aligned under the first partial dividend
        a.cifre += quoziente[k] + std::string(r.rbegin(), r.rend());
        if (pos == t.size()) break;
        a.cifre += righe[5 * k + ci] = t[pos]; // the digit brought down, beside the remainder
        parziale = parziale % divisore * 10 + (t[pos] - '0');
    }
    const std::string cappello = std::string(ci, '^') + std::string(t.size() - ci, 'v') + "...";
    a.lavagna = cappello.substr(0, 4) + " " + quoziente + " " + righe;
    return a;
}

// The marks over the dividend, the quotient and the remainder rows.
inline std::string lavagna(const FrmDivCompatta& f) {
    std::string s = riga(f.TxtQuoziente, riga(f.txtCappello) + " ");
    for (int k = 1; k <= 4; ++k)
        s = riga(f.txtResto(k), std::move(s) + " ");
    return s;
}

// The window, opened from the start window's choice and worked through its controls.
struct Finestra : testing_support::divisione::FinestraDivisione<FrmDivCompatta> {
    Finestra() : FinestraDivisione("frmDivCompatta") {}
};

} // namespace div_compatta_test
