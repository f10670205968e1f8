#pragma once

#include "exercise/FinestraColonne.h"
#include "exercise/FoglioStampa.h"
#include "exercise/addition/CelleOperazione.h"

namespace exercise {

// Where a multiplication board lies: the window's own places moved by (dx, dy), on the
// given background (the print layouts draw the same board elsewhere, on white).
struct Posto {
    int dx = 0, dy = 0;
    forms::Rgb sfondo = 0xFFFFFF;
};

// What the boards of the two multiplication windows have alike: the two factors, the
// sign, the equals sign and the bar under the factors, five columns wide.
class LavagnaFattori {
  public:
    struct Misure {
        int unita; // left edge of the units column
        AspettoRiga primo, secondo;
        int segno, uguale, barra; // tops of "X" and "=", the bar's height
    };

    LavagnaFattori(forms::Form& f, const Misure& misure, const Posto& posto);

    // A row of this board, at its place.
    void disponi(forms::ControlArray& riga, const AspettoRiga& aspetto) const;
    // Left edge of the units column.
    int unita() const { return unita_; }

    forms::ControlArray TxtPrimoFatt, TxtSecondoFatt;
    forms::Control Label3, Label4, Line1;

  private:
    int unita_;
    Posto posto_;
};

// What the two multiplication windows share: the factors' entry, the left-hand panel and
// the hints of a product's digits.
class FinestraMoltiplicazione : public FinestraColonne {
  public:
    // The factors' lists, captions and computer-mode texts are named here ("CmbNPF", "Label1",
    // "N° cifre primo fattore"); the windows give what differs. separatore: the line in the
    // counters' box ("Line1" and "Line2" may be the board's).
    static Configurazione configurazione(const std::string& nome, const std::string& titolo, Operando primo,
                                         Operando secondo, const std::string& separatore);

    FinestraMoltiplicazione(app::Module1& m, const Configurazione& config);

    // The template's controls under the multiplication windows' names.
    Control& CmdProdotto = Ripeti;
    Control& CmbNPF = lista(0);
    Control& CmbNSF = lista(1);
    Control& Label6 = Eseguite;
    Control& Label7 = Errori;

    long& PrimoFattore = Operandi[0];
    long& SecondoFattore = Operandi[1];

  protected:
    virtual LavagnaFattori& fattori() = 0;

    void ScriviNumeri() override;
    // The hint of a product step: multiplier x factor digit (+ carry) = product, and its
    // last digit; or, where the factor has no digit, the leading digit alone. comeNumeri:
    // the digits as the labels write numbers, with a leading blank.
    void suggerisciProdotto(const ColonneConRiporto& riga, const Control& moltiplicatore, bool comeNumeri);
};

} // namespace exercise
