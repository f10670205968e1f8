#pragma once

#include "forms/ControlArray.h"
#include "forms/Form.h"

#include <string>

namespace exercise {

// The board of a column subtraction: borrow cells, minuend, subtrahend and difference,
// index 0 the units column, with their signs and bar. The exercise window and its print
// layout both carry it.
class LavagnaSottrazione {
  public:
    struct Aspetto {
        int dy = 0;                       // how far below the window's rows the rows lie
        forms::Rgb sfondo = 0xFFFFFF;     // the window's background, which the cells take
        forms::Rgb differenza = 0x000080; // the difference row's colour
    };
    static constexpr int kColonne = 5;
    static constexpr int kUnita = 5520; // the units column's left edge
    static constexpr int kSegni = 6120; // the signs, and the bar's right end
    static constexpr int kBarra = 3360; // the bar under the subtrahend, on the window

    LavagnaSottrazione(forms::Form& f, const Aspetto& aspetto);

    forms::ControlArray TxtPrestito, TxtMinuendo, TxtSottraendo, TxtDifferenza;
    forms::Control Label3, Label4, Line1;
};

// A cell's text; a read past the top column finds an empty text.
const std::string& testoCella(const forms::ControlArray& riga, int i);
// Whether a minuend cell is greyed: past the top column none is.
bool ingrigita(const forms::ControlArray& riga, int i);
// Writes a cell's text; past the top column nothing is written.
void scriviCella(forms::ControlArray& riga, int i, std::string testo);

} // namespace exercise
