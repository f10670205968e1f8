#pragma once

#include "exercise/division_extended/FrmDivEstesa.h"
#include "support/Divisione.h"

#include <string>
#include <vector>

namespace div_estesa_test {

using exercise::FrmDivEstesa;
using testing_support::divisione::riga;
using testing_support::divisione::stato;

// One step of a long division worked on paper: the partial dividend, the quotient digit, the
// product, the remainder, and the board column (1 = the dividend's first) of their units digits.
struct Passo {
    int d, q, p, r, colonna;
};

// A long division worked out by hand. cella: the dividend cell ending the first partial dividend;
// cifre: the keypad digits of a child who never errs (each quotient digit, its product units
// first, its remainder units first, then the digit brought down); lavagna: the finished board
// as lavagna() writes it.
struct AMano {
    int cella = 0;
    std::vector<Passo> passi;
    std::string cifre, lavagna;
};

inline std::string alRovescio(int n) {
    const std::string s = std::to_string(n);
    return {s.rbegin(), s.rend()};
}

inline AMano aMano(int dividendo, int divisore) {
    const std::string t = std::to_string(dividendo);
    AMano a;
    int d = 0;
    while (d < divisore)
        d = d * 10 + (t[std::size_t(a.cella++)] - '0');
    // The board as lavagna() reads it: marks over the dividend, quotient, then for each step its
    // product row and remainder row; row k's cell i stands in column i + its shift.
    std::string cappello = "....", quoziente = "....";
    std::vector<std::string> molt(4, "...."), resto(4, "....");
    const auto scrivi = [](std::string& riga, int cellaUnita, const std::string& cifre) {
        riga.replace(std::size_t(cellaUnita) - cifre.size(), cifre.size(), cifre);
    };
    for (int colonna = a.cella;; ++colonna) {
        const std::size_t k = a.passi.size();
        const Passo passo{d, d / divisore, d / divisore * divisore, d % divisore, colonna};
        a.passi.push_back(passo);
        quoziente[k] = char('0' + passo.q);
        cappello[std::size_t(colonna) - 1] = k == 0 ? '^' : 'v';
        scrivi(molt[k], colonna - (k < 1 ? 0 : int(k) - 1), std::to_string(passo.p));
        scrivi(resto[k], colonna - int(k), std::to_string(passo.r));
        a.cifre += quoziente[k] + alRovescio(passo.p) + alRovescio(passo.r);
        if (colonna == int(t.size())) break;
        resto[k][std::size_t(colonna - int(k))] = t[std::size_t(colonna)]; // brought down beside it
        a.cifre += t[std::size_t(colonna)];
        d = passo.r * 10 + (t[std::size_t(colonna)] - '0');
    }
    for (std::size_t i = 0; i < std::size_t(a.cella) - 1; ++i)
        cappello[i] = '^';
    a.lavagna = cappello + " " + quoziente;
    for (std::size_t k = 0; k < 4; ++k)
        a.lavagna += " " + molt[k] + "/" + resto[k];
    return a;
}

// The marks over the dividend, the quotient, then each product row and remainder row.
inline std::string lavagna(const FrmDivEstesa& f) {
    std::string s = riga(f.TxtQuoziente, riga(f.txtCappello) + " ");
    for (int k = 1; k <= 4; ++k)
        s = riga(f.txtResto(k), riga(f.txtMolt(k), std::move(s) + " ") + "/");
    return s;
}

// The four mark rows, '|' between them.
inline std::string segni(const FrmDivEstesa& f) {
    return riga(f.RP3, riga(f.RP2, riga(f.RP1, riga(f.RP0) + "|") + "|") + "|");
}

struct Finestra : testing_support::divisione::FinestraDivisione<FrmDivEstesa> {
    Finestra() : FinestraDivisione("frmDivEstesa") {}
};

} // namespace div_estesa_test
