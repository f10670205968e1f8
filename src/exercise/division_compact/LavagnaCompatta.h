#pragma once

#include "forms/ControlArray.h"
#include "forms/Form.h"

namespace exercise {

// The board of a compact division: the one-digit cell rows, the signs and the divisor.
// The exercise window and its print layout both carry it, at their own offsets.
// Rows are numbered from 1 at the left as the window's names are; element 0 of each row
// is an unused placeholder, hidden and disabled.
class LavagnaCompatta {
  public:
    struct Aspetto {
        int dx = 0, dy = 0;           // where the board lies, relative to the exercise window's
        forms::Rgb sfondo = 0xFFFFFF; // the window's background, which the cells take
        int altezzaRisultato = 435;   // height of the divisor and quotient cells
    };

    LavagnaCompatta(forms::Form& f, const Aspetto& aspetto);

    // Marks and mark rows come first, so that the digit cells lie above them.
    forms::ControlArray txtCappello;
    forms::ControlArray RP0, RP1, RP2, RP3, RP4;
    forms::ControlArray
        TxtDividendo; // 1..4, and 5: never written, the empty cell after a four-digit dividend
    forms::Control Label3;
    forms::Control TxtDivisore;
    forms::Control Label4;
    forms::ControlArray TxtQuoziente;
    forms::ControlArray txtResto1, txtResto2, txtResto3, txtResto4;

    // Remainder row k and mark row k (RP(0) is the one over the dividend).
    forms::ControlArray& txtResto(int k);
    forms::ControlArray& RP(int k);
    const forms::ControlArray& txtResto(int k) const;
    const forms::ControlArray& RP(int k) const;
};

} // namespace exercise
