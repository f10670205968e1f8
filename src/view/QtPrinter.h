#pragma once

#include "platform/Services.h"

namespace view {

// Prints the image of a form on the default printer, one page, at its screen size.
class QtPrinter : public platform::Printer {
  public:
    bool print(forms::Form& layout) override;
};

} // namespace view
