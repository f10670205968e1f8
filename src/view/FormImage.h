#pragma once

#include "forms/Form.h"

#include <QImage>

namespace view {

// The image of a form's client area as it would look on screen, drawn without
// showing the form (print layouts are never shown).
QImage renderForm(forms::Form& form);

} // namespace view
