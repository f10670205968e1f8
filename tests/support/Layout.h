#pragma once

#include "forms/Form.h"

#include <string>
#include <tuple>
#include <vector>

namespace testing_support {

// The rows of a load table ('|' between two) that the form does not match, each written as the
// form has it ("name missing" for a control it lacks); "" when all match. Four kinds of row:
// a control's place, "name left,top,width,height text" in twips (inside its frame for a keypad
// key; for a line, its other end x2,y2 in place of the size; no text when it shows none); its looks, "name
// points [bold ][italic ]family fore back[ picture[/picture when ticked]][ ticked]" (colours in hex,
// " ticked" for a ticked box), or a timer's "name interval ms"; its tooltip, 'name "text"';
// and the form's own, "formname widthxheight back [fixed ][icon ]caption" (fixed: on top, with no
// close command), or its looks, "formname points [bold ][italic ]family fore back".
std::string misplaced(const forms::Form& form, const std::string& table);
// Expects each window, opened by name in a fresh program with the chooser `chi` (and the
// counters at 3, which it must show afresh), to match its table (misplaced()).
void expectPlaced(const std::vector<std::tuple<std::string, int, std::string>>& tables);

// The rows of a board's five-cell rows, "row top height" each, cell 0 (the units) at `units`
// and each next one 600 twips further left, 615 wide.
std::string board(int units, const std::string& rows);

// The keypad's ten keys, the same in every exercise window: 7 8 9 / 4 5 6 / 1 2 3 / 0.
extern const std::string kKeypad;

// The names of the controls shown among those named, joined by blanks.
std::string shown(const forms::Form& form, const std::string& names);

} // namespace testing_support
