#pragma once

#include "forms/ControlArray.h"

#include <array>
#include <string>
#include <vector>

namespace exercise {

// An operation in columns worked out: for each column the digit of the result and the
// carry due into it. Index 0 is the units column.
struct Colonne {
    static constexpr int kMax = 6;
    std::array<int, kMax> cifre{};
    std::array<int, kMax> riporti{}; // 0: no carry due
    int numColonne = 0;
};

// The sum of addends given as rows of cells (an empty cell counts 0), over the columns of
// the longest addend. When the top column overflows, its overflow is one more result digit:
// it is written as a digit of the result, never as a carry.
Colonne sommaInColonna(const std::vector<const forms::ControlArray*>& addendi);

// The product of a factor given as a row of cells by a one-digit multiplier, over the
// columns of the factor; the overflow of its top column is likewise one more digit.
Colonne prodottoInColonna(const forms::ControlArray& fattore, int moltiplicatore);

// The child's side of an operation written as a result row under a carry row: column by
// column from the units, first the carry due into the column, then the column's digit.
// It places and judges the digits; what the window says about them is the window's.
class ColonneConRiporto {
  public:
    // scarto: how many columns left of its carry each result digit is written (a partial
    // product that starts under the tens).
    ColonneConRiporto(forms::ControlArray& riporti, forms::ControlArray& risultato, int scarto = 0)
        : riporti_(riporti), risultato_(risultato), scarto_(scarto) {}

    // A new operation to work, from column 0.
    void imposta(const Colonne& soluzione);
    // No operation: nothing is left to write.
    void azzera();

    // Every worked cell filled in with its digit.
    void scriviSoluzione();
    void svuotaRighe();

    bool finita() const { return Colonna >= NumColonne; }
    bool riportoDovuto() const { return !finita() && Riporti[Colonna] != 0; }
    const forms::ControlArray& rigaRiporti() const { return riporti_; }
    // The cell that the next digit goes into.
    forms::Control& cellaCorrente() { return riportoDovuto() ? riporti_[Colonna] : cifra(); }

    // Puts a keypad digit into the current cell; once the operation is finished it goes nowhere.
    void scrivi(const std::string& cifra);
    // Judge the digit just written. A right carry is done with; a right digit moves on to
    // the next column; a wrong one is erased and asked again.
    bool controllaRiporto();
    bool controllaCifra();

    int Colonna = 0;
    int NumColonne = 0;
    std::array<int, Colonne::kMax> Cifre{};   // the digit expected in each column
    std::array<int, Colonne::kMax> Riporti{}; // the carry still due into each column
    int RiportoScritto = 0;                   // a carry is waiting for its verdict
    int CifraScritta = 0;                     // a result digit is waiting for its verdict

  private:
    forms::Control& cifra() { return risultato_[Colonna + scarto_]; }

    forms::ControlArray& riporti_;
    forms::ControlArray& risultato_;
    int scarto_;
};

// Hints of the guided mode; numbers take their leading blank, as everywhere in a label.
// "Scrivi 8": the last digit of the sum, as a digit.
std::string scriviTesto(int somma);
// "e riporta  1"
std::string riportaTesto(int riporto);
// "...e  1": the digit of a final carry, alone in its column.
std::string ultimaCifraTesto(int cifra);

} // namespace exercise
