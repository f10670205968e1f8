#pragma once

#include "forms/ControlArray.h"
#include "forms/Form.h"

#include <array>
#include <memory>
#include <vector>

namespace exercise {

// The rows of one-digit cells that both division boards have, in the order that lays the
// digit cells above the small mark rows. Rows are numbered from 1 at the left as the
// windows' names are; element 0 of each row is an unused placeholder, hidden and disabled.
// Each board places them itself, on its window and on its print layout.
class LavagnaDivisione {
  public:
    // righeSegni: how many small mark rows RP0, RP1... the board has.
    LavagnaDivisione(forms::Form& f, int righeSegni);

    forms::ControlArray txtCappello; // "^" over the first partial dividend, "v" over each digit brought down
  private:
    std::vector<std::unique_ptr<forms::ControlArray>> segni_;

  public:
    forms::ControlArray &RP0, &RP1, &RP2, &RP3;
    forms::ControlArray
        TxtDividendo;      // 1..4, and 5: never written, the empty cell after a four-digit dividend
    forms::Control Label3; // ":"
    forms::Control TxtDivisore;
    forms::Control Label4; // "="
    forms::ControlArray TxtQuoziente;
    forms::ControlArray txtResto1, txtResto2, txtResto3, txtResto4;

    // Remainder row k and mark row k (RP(0) is the one over the dividend).
    forms::ControlArray& txtResto(int k);
    forms::ControlArray& RP(int k);
    const forms::ControlArray& txtResto(int k) const;
    const forms::ControlArray& RP(int k) const;
    int righeSegni() const { return static_cast<int>(segni_.size()); }

    static constexpr int kColonna = 480; // twips between two columns
    static constexpr forms::Rgb kNero = 0x000000;
    static constexpr forms::Rgb kRosso = 0xFF0000;
    static constexpr forms::Rgb kBluScuro = 0x0000C0;

    // How a row of cells looks.
    struct Stile {
        int larghezza, altezza;
        double punti;
        bool grassetto;
        const char* famiglia;
        forms::Rgb colore;
        // The same cells in another colour: the child's digits beside the given ones.
        Stile conColore(forms::Rgb c) const {
            Stile s = *this;
            s.colore = c;
            return s;
        }
    };
    // The small red borrow marks, the same on both boards.
    static constexpr Stile kSegni{495, 225, 7.8, true, "MS Sans Serif", kRosso};
    // One cell, centred, on the window's own background so that overlapping rows never hide
    // each other.
    static void cella(forms::Control& c, int left, int top, const Stile& s, forms::Rgb sfondo);
    // The ":" or "=" between the operands, in black.
    static void segno(forms::Control& c, const char* testo, int left, int top, int width, int height,
                      double punti, const char* famiglia, forms::Rgb sfondo);
    // Cells 1.. of a row, passo twips apart from left0.
    static void riga(forms::ControlArray& r, int left0, int top, const Stile& s, forms::Rgb sfondo,
                     int passo = 480);
    // Writes a finished row into cells 1..4, a cell empty where the row has no character.
    static void scriviRiga(forms::ControlArray& r, const std::array<char, 5>& caratteri);
    // Empties, or greys or un-greys, cells 1..4 of a row.
    static void svuota(forms::ControlArray& r);
    static void abilita(forms::ControlArray& r, bool acceso);
};

} // namespace exercise
