#pragma once

#include "exercise/FinestraEsercizio.h"
#include "support/Program.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Digit c of n, 0 being the units.
int cifraDi(long n, int c);
// Column c of m - s borrows: the minuend's last c + 1 digits make less than the subtrahend's.
bool prende(long m, long s, int c);

// The digit a child who knows the answer types into `cella` of a column window (addition,
// multiplication, subtraction), worked out by hand from its operands; -1 for a cell that
// should not be asked.
int cifraGiusta(const exercise::FinestraEsercizio& w, const forms::Control& cella);

// A number as a row of five cells shows it, "..123".
std::string colonna(const std::string& numero);

// Every row of cells of a window or print layout in the order they were made, each from its
// last cell down to cell 0, rows apart by a blank: "." an empty cell, "_" a hidden one (with
// `celate`), "#" after a greyed one, a cell of two characters or more in brackets.
std::string lavagna(const forms::Form& f, bool celate = true);

// Presses controls as the mouse would: by name, "^name" opens a list, a number presses its
// digits on the keypad, "~" is a tick of the hand's timer; "=text" puts text in the active
// entry box instead. False at the first control that cannot be pressed.
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

// The window opened for a sweep: operands typed, in silence.
exercise::FinestraEsercizio& spazzando(Program& p, const std::string& finestra);

// One operation of a sweep: the operands typed into the window's boxes and "OK", worked by
// lavora() with cifraGiusta(), plain and counted (modo 0), guided (1) or plain after "Ripeti" (2, not
// counted); then the finish, with the focus on "OK" and a digit that reaches the keypad going nowhere, the
// counters (each wrong digit an error in mode 0 only), and "Soluzione" showing the board as worked. The first
// fault, or "".
std::string opera(Program& p, exercise::FinestraEsercizio& w, const std::vector<std::string>& operandi,
                  int modo, bool sbaglia);

// Plays a script on any exercise window, with the operands typed (chi app::DaTe) or drawn
// (app::DalComputer), and writes each line back as the window answers it: equal to `copione`
// when every step went as expected.
// "@window a b.. guided keys" opens the window by name in a fresh program: each operand goes
// into its entry box (txtFattori, as many as the window has; "-" leaves it empty), the list
// beside it onto the operand's number of digits, and into the draws, in order; the guide is
// on when `guided` is 1, the option check box ("Check1": no carries, no borrows) off; then the
// keys are pressed (premi()). Ended by " | report" it reports the entry, by " |= report" the
// board, by " |P report" the page, as the lines below do.
// "X keys | report" presses the keys, then reports, by X:
//   "?" the operand entry: "boxes focus chooser hands[~: blinking] faces" then the print,
//       repeat, keypad, backspace and option buttons ("+" usable, "-" not), the draws' bounds
//       and the sounds heard since the last report or step ("-" none);
//   "=" the bar's ("Line1") left end and lavagna(); "!" the same after a 7 reached the keypad's
//       handler, switched off or not;
//   "P" the last printed page, read back into the print layout ("window_bis").
// Any other line is a step of a dialogue: its first word is pressed, and the line written back
// as "word text sounds LblRisultato|lblScrivi|lblUao|faces|errors|done|focus", the text being
// the one then in the cell that had the focus ("." empty), the sounds by number ("-" none).
std::string gioca(int chi, const std::string& copione);

} // namespace testing_support
