#pragma once

#include "forms/ControlArray.h"
#include "forms/Form.h"

#include <vector>

namespace exercise {

// Where the rows, signs and bar of a column addition lie, in twips.
struct PostiAddizione {
    int unita;   // left edge of the units column
    int segni;   // left edge of the signs, and the bar's right end
    int riporti; // top of the carry row
    int addendi; // top of the first addend's row; each further addend lies 600 lower
    int somma;   // top of the result row
    int barra;   // the bar between the last addend and the result
};

// Lays out an addition on a window or a print layout: the carry row, the addends, the
// result, beside each addend its sign ("+", and "=" beside the last one) and the bar,
// spanning the five columns.
void disponiAddizione(forms::ControlArray& riporti, const std::vector<forms::ControlArray*>& addendi,
                      forms::ControlArray& somma, const std::vector<forms::Control*>& segni,
                      forms::Control& barra, const PostiAddizione& posti, forms::Rgb sfondo);

// The rows, signs and bar of an addition of two addends, index 0 the units column: the
// window and its print layout both carry them; a third addend adds its own row and sign.
class LavagnaAddizione {
  public:
    explicit LavagnaAddizione(forms::Form& f);

    forms::ControlArray TxtRiporto, TxtPrimoAdd, TxtSecondoAdd, TxtSomma;
    forms::Control Label3; // "+" beside the first addend
    forms::Control Label4; // "=" beside the last one
    forms::Control Line1;
};

} // namespace exercise
