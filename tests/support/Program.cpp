#include "support/Program.h"

namespace testing_support {

bool click(forms::FormRegistry& forms, forms::Form& form, const std::string& control) {
    forms::Control* c = form.find(control);
    if (c == nullptr || !c->isShown() || !c->isEnabled()) return false;
    forms.run([c] {
        if (c->onMouseDown) c->onMouseDown();
        c->click();
    });
    return true;
}

} // namespace testing_support
