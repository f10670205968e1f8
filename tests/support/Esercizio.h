#pragma once

#include "exercise/FinestraEsercizio.h"
#include "support/Program.h"

#include <functional>
#include <string>

namespace testing_support {

// A row as the child reads it, from its last cell down to cell 0; "." is an empty cell.
std::string riga(const forms::ControlArray& r);

// Every row of cells of a window or print layout in the order they were made, each from its
// last cell down to cell 0, rows apart by a blank: "." an empty cell, "_" a hidden one (with
// `celate`), "#" after a greyed one, a cell of two characters or more in brackets.
std::string lavagna(const forms::Form& f, bool celate = true);

// LblRisultato|lblScrivi|lblUao|the faces shown|errors|done|focus
std::string stato(const exercise::FinestraEsercizio& w);

// Presses controls as the mouse would: by name, "^name" opens a list, a number presses its
// digits on the keypad; "=text" puts text in the active entry box instead. False at the
// first control that cannot be pressed.
bool premi(Program& p, exercise::FinestraEsercizio& w, const std::string& tasti);

// A child who knows the answer works the operation on the board to its end, typing into
// each cell the window asks for the digit `giusta` gives for it (-1: a cell that should not
// be asked), after a wrong digit first when `sbaglia` (which must be undone and asked again). A
// cell that already holds a digit takes the new one after it, or in front of it.
// Returns the first fault, or ""; `passi` counts the right digits. The keys are pressed with
// `clic`, given a control's name, when there is one (the mouse on a real window), else
// straight through the keypad's handler.
using Risposta = std::function<int(const forms::Control& cella)>;
using Clic = std::function<void(const std::string& controllo)>;
std::string lavora(exercise::FinestraEsercizio& w, const Risposta& giusta, bool sbaglia, int& passi,
                   const Clic& clic = {});

// Plays a dialogue: each line's first word is pressed (premi()), and the line written back as
// "word text sounds stato()": the text then in the cell that had the focus ("." empty) and the
// sounds by number ("-" none). Equal to `attesa` when every step went as expected.
std::string trascrivi(Program& p, exercise::FinestraEsercizio& w, const std::string& attesa);

// Plays a script on any exercise window, with the operands typed (chi app::DaTe) or drawn
// (app::DalComputer), and writes each line back as the window answers it; equal to `copione`
// when every step went as expected. The lines:
//   "@window a b.. guided keys": a fresh program opens the window by name; each operand goes
//     into its entry box (txtFattori, as many as the window has), the list beside it onto the
//     operand's number of digits, and into the draws, in order; the guide on when `guided`
//     is 1, the option check box ("Check1", no carries or borrows) off; then premi(keys);
//   "=": the bar's ("Line1") left end and lavagna(); "!": the same after a 7 reached the
//     keypad's handler, switched off or not;
//   "P": the last printed page, read back into the print layout ("window_bis");
//   any other line: a step of trascrivi().
std::string gioca(int chi, const std::string& copione);

} // namespace testing_support
