#pragma once

#include "forms/Form.h"

#include <QImage>

class QPainter;

namespace view {

// Draws a form's client area as it would look on screen, in screen pixels, on any painter,
// without showing the form (print layouts are never shown).
void paintForm(forms::Form& form, QPainter& painter);

// The image of a form's client area as it would look on screen.
QImage renderForm(forms::Form& form);

} // namespace view
