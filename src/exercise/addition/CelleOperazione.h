#pragma once

#include "forms/ControlArray.h"

#include <initializer_list>
#include <string>

namespace exercise {

// The look of one row of operation cells.
struct AspettoRiga {
    int top, height;
    double punti;
    forms::Rgb colore;
};

// Column i of a row has its left edge at unita - 600 i and is 615 wide; the cells are
// centred, bold, on the background of their window.
void disponiRiga(forms::ControlArray& riga, const AspettoRiga& aspetto, int unita, forms::Rgb sfondo);

// An operator sign beside the rows.
void disponiSegno(forms::Control& segno, std::string testo, int left, int top, forms::Rgb sfondo);

// Empties every cell of the rows and un-greys them.
void svuotaRighe(std::initializer_list<forms::ControlArray*> righe);

} // namespace exercise
