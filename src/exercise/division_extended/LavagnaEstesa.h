#pragma once

#include "exercise/division_common/LavagnaDivisione.h"

namespace exercise {

// The board of a long division: the rows every division board has, a partial product row
// over each remainder row, and a subtraction bar under each product. Remainder row k and
// its mark row stand k - 1 columns right, product row k (from the second) k - 2 columns
// right. The exercise window and its print layout both carry it, at their own offsets.
class LavagnaEstesa : public LavagnaDivisione {
  public:
    LavagnaEstesa(forms::Form& f, int dx, int dy, forms::Rgb sfondo);

    forms::ControlArray txtMolt1, txtMolt2, txtMolt3, txtMolt4;
    forms::Control Line1, Line2, Line3, Line4;

    forms::ControlArray& txtMolt(int k);
    const forms::ControlArray& txtMolt(int k) const;
    forms::Control& Line(int k);
};

} // namespace exercise
