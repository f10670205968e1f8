#include "view/FormImage.h"

#include "view/FormWindow.h"
#include "view/Units.h"

#include <QPainter>

namespace view {

void paintForm(forms::Form& form, QPainter& painter) {
    FormWindow window(form, nullptr);
    window.paint(painter);
}

QImage renderForm(forms::Form& form) {
    QImage image(px(form.width), px(form.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintForm(form, painter);
    return image;
}

} // namespace view
