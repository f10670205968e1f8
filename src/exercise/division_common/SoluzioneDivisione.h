#pragma once

#include <array>
#include <optional>

namespace exercise {

// What both division windows work out from their operands: the first partial dividend,
// and for each step the quotient digit, the remainder and the digit brought down, with
// the cells of the finished board they share. Arrays follow the board's numbering: step k
// and cell i count from 1, index 0 is never used.
struct SoluzioneDivisione {
    static constexpr int kVuota = -1; // no digit in that cell

    int CifreIniziali = 0;                  // leading dividend digits of the first partial dividend (1..3)
    int passi = 0;                          // steps, one per quotient digit (1..4)
    std::array<int, 5> Quoziente{};         // quotient digit of step k
    std::array<int, 5> Resto{};             // remainder of step k
    std::array<int, 5> DividendoParziale{}; // partial dividend of step k (step 1: the first one)
    // The finished board: the marks over the dividend ('^' first partial dividend,
    // 'v' brought down) and each remainder row with the digit brought down beside it.
    std::array<char, 5> cappello{};
    std::array<std::array<char, 5>, 5> righeResto{};

    // The cell of every remainder row that holds the remainder's units digit: under the
    // first partial dividend's last digit.
    int unitaResto() const { return CifreIniziali; }
    // The digit in cell i of a finished row, kVuota where it has none.
    static int cifraIn(const std::array<char, 5>& riga, int i) {
        const char c = riga[static_cast<std::size_t>(i)];
        return c == 0 ? kVuota : c - '0';
    }
};

// Works out dividendo : divisore; nothing unless 1 <= divisore <= 99 and
// divisore <= dividendo <= 9999, the operands the windows accept.
std::optional<SoluzioneDivisione> risolviDivisione(int dividendo, int divisore);

} // namespace exercise
