#pragma once

#include "exercise/division_common/LavagnaDivisione.h"

#include <array>

namespace exercise {

// The board of a long division: the rows every division board has, a partial product row
// over each remainder row, and a subtraction bar under each product. Remainder row k and
// its mark row stand k - 1 columns right, product row k (from the second) k - 2 columns
// right. The exercise window and its print layout both carry it, at their own offsets.
class LavagnaEstesa : public LavagnaDivisione {
  public:
    // Each bar's x1, x2 and height on its form.
    using Barre = std::array<std::array<int, 3>, 4>;
    struct Aspetto {
        int dx = 0, dy = 0;           // where the board lies, relative to the exercise window's
        forms::Rgb sfondo = 0xFFFFFF; // the window's background, which the cells take
        Barre barre{};
        bool barreVisibili = false; // whether the bars show from the start
    };

    LavagnaEstesa(forms::Form& f, const Aspetto& aspetto);

    forms::ControlArray txtMolt1, txtMolt2, txtMolt3, txtMolt4;
    forms::Control Line1, Line2, Line3, Line4;

    forms::ControlArray& txtMolt(int k);
    const forms::ControlArray& txtMolt(int k) const;
    forms::Control& Line(int k);

    // Shows bar k under the dividend's columns prima..ultima (1 = its first digit), at its
    // own height.
    void sottolinea(int k, int prima, int ultima);
};

} // namespace exercise
