#pragma once

#include "platform/Services.h"

class QPrinter;

namespace view {

// Prints a form on the default printer, one page, at its size on screen.
class QtPrinter : public platform::Printer {
  public:
    bool print(forms::Form& layout, const std::string& job) override;
    // The page on `printer`: the form drawn from the page's top left, screen pixels scaled to
    // printer dots, so that its texts stay text.
    static bool print(QPrinter& printer, forms::Form& layout, const std::string& job);
};

} // namespace view
