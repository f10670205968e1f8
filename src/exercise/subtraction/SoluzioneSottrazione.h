#pragma once

#include <array>
#include <optional>

namespace exercise {

// A column subtraction worked out as it is taught on paper, index 0 the units column.
// A column whose digit is smaller than the subtrahend's borrows from the column on its
// left, which is lowered by 1; a lowered 0 (-1 while it waits) borrows in its turn and
// shows 9, so the borrow passes on.
struct SoluzioneSottrazione {
    static constexpr int kColonne = 5;
    int numColonne = 0;                     // the minuend's digits
    std::array<int, kColonne> differenza{}; // the difference digit of each column
    std::array<int, kColonne> prestito{};   // the borrow cell's final value, where one is written
    std::array<bool, kColonne> partecipa{}; // the column borrows or lends: a borrow cell is written over it

    // Whether any column borrows.
    bool richiedePrestito() const;
};

// Nothing unless 1 <= sottraendo <= minuendo <= 99999.
std::optional<SoluzioneSottrazione> risolviSottrazione(long minuendo, long sottraendo);

} // namespace exercise
