#include "view/QtPrinter.h"

#include "view/FormImage.h"
#include "view/Units.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace view {

bool QtPrinter::print(forms::Form& layout, const std::string& job) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    return print(printer, layout, job);
}

bool QtPrinter::print(QPrinter& printer, forms::Form& layout, const std::string& job) {
    printer.setDocName(QString::fromStdString(job));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // At its size on screen (96 pixels an inch); shrunk to fit a page that is too small.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double width = px(layout.width), height = px(layout.height);
    const double scale =
        std::min({printer.resolution() / 96.0, page.width() / width, page.height() / height});
    painter.scale(scale, scale);
    paintForm(layout, painter);
    return painter.end();
}

} // namespace view
