#pragma once

#include "exercise/division_common/LavagnaDivisione.h"

namespace exercise {

// The board of a compact division: the rows both division boards have, a fifth mark row,
// laid out in one line as dividend ":" divisor "=" quotient. The exercise window and its
// print layout both carry it, at their own offsets.
class LavagnaCompatta : public LavagnaDivisione {
  public:
    struct Aspetto {
        int dx = 0, dy = 0;           // where the board lies, relative to the exercise window's
        forms::Rgb sfondo = 0xFFFFFF; // the window's background, which the cells take
        int altezzaRisultato = 435;   // height of the divisor and quotient cells
    };

    LavagnaCompatta(forms::Form& f, const Aspetto& aspetto);
};

} // namespace exercise
