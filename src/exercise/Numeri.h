#pragma once

#include "forms/Control.h"

#include <optional>
#include <string>

namespace exercise {

// A typed operand, read strictly: 1 to maxDigits decimal digits (leading zeros allowed,
// "007" is 7). Anything else, an empty text included, gives nothing.
std::optional<long> leggiOperando(const std::string& text, int maxDigits);

// The value of a cell's text: an empty cell counts 0; a leading blank is skipped.
int valore(const forms::Control& cell);
int valore(const std::string& text);

// Number of decimal digits of n (1 for 0).
int numeroCifre(long n);

// The digit of n with place value 10^k, as a one-character text.
std::string cifra(long n, int k);

// Bounds of a random operand of n digits: 1..9, 10..99, 100..999, 1000..9999, ...
struct Limiti {
    long min, max;
};
Limiti limitiPerCifre(int n);

} // namespace exercise
