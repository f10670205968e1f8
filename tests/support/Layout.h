#pragma once

#include "forms/Form.h"

#include <string>

namespace testing_support {

// A control as a load table writes it: "name left,top,width,height text" in twips (inside its
// frame for a keypad key; for a line, its other end x2,y2 in place of the size); no text when
// it shows none.
std::string place(const forms::Control& c);

// The rows of a load table ('|' between two) that the form does not match, each written as the
// form has it ("name missing" for a control it lacks); "" when all match.
std::string misplaced(const forms::Form& form, const std::string& table);

// The rows of a looks table ('|' between two: "name points [bold ]family fore back", colours in
// hex) that the form does not match, each written as the form has it; "" when all match.
std::string misdrawn(const forms::Form& form, const std::string& table);

// The rows of cells row(first) .. row(last), the first at left, each next one step further right.
std::string cells(const std::string& row, int first, int last, int left, int step, int top, int width,
                  int height);

// The keypad's ten keys, the same in every exercise window: 7 8 9 / 4 5 6 / 1 2 3 / 0.
extern const std::string kKeypad;

// The names of the controls shown among those named, joined by blanks.
std::string shown(const forms::Form& form, const std::string& names);

} // namespace testing_support
