#include "view/FormImage.h"

#include "view/FormWindow.h"

namespace view {

QImage renderForm(forms::Form& form) {
    FormWindow window(form, nullptr);
    window.ensurePolished();
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image);
    return image;
}

} // namespace view
