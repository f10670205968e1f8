#pragma once

#include "forms/Form.h"

#include <string>

namespace exercise {

// A print layout: a page of 9480 x 6792 twips on white that is never shown; it holds copies
// of a window's rows, whose cells the print button fills in.
class FoglioStampa : public forms::Form {
  public:
    explicit FoglioStampa(std::string nome, std::string titolo = "Form1");
};

} // namespace exercise
