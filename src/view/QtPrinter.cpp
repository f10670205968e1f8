#include "view/QtPrinter.h"

#include "view/FormImage.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace view {

bool QtPrinter::print(forms::Form& layout) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    // Rendered at screen resolution and scaled onto the page: rendering at printer
    // resolution would make pages of many megabytes.
    const QImage image = renderForm(layout);
    QPrinter printer(info, QPrinter::ScreenResolution);
    printer.setDocName(QString::fromStdString(layout.caption.empty() ? layout.name() : layout.caption));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double toPrinter = printer.resolution() / 96.0;
    double scale = toPrinter;
    if (image.width() * scale > page.width()) scale = page.width() / image.width();
    if (image.height() * scale > page.height()) scale = std::min(scale, page.height() / image.height());
    painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
    return painter.end();
}

} // namespace view
