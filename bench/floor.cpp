// The floor the program is measured against: a bare Qt Widgets window the size of the
// start window with one label in the program's font, and for the click a button that
// changes the label.
// Usage: bench_floor                   first complete paint: prints "painted <peak KiB>"
//        bench_floor --click <clicks>  prints "click <median µs>"
//        bench_floor --idle <seconds>  prints "idle <CPU ms per minute>", a 26-pixel mark
//                                      shown and hidden every 500 ms meanwhile, as an
//                                      exercise window left alone blinks its hand
#include "Watch.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    bench::WatchedApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;

    QWidget window;
    window.setObjectName("floor");
    window.setFixedSize(634, 454);
    QLabel label("0", &window);
    QFont font("Comic Sans MS");
    font.setPixelSize(27); // 20.4 points at 96 dpi, as the program's messages
    font.setBold(true);
    label.setFont(font);
    label.setGeometry(40, 40, 300, 40);
    QPushButton* button = nullptr;
    if (mode == "--click") {
        button = new QPushButton("+1", &window);
        button->setGeometry(40, 120, 80, 32);
        QObject::connect(button, &QPushButton::clicked, &label,
                         [&label] { label.setText(QString::number(label.text().toInt() + 1)); });
    }
    QLabel mark("☛", &window);
    mark.setGeometry(44, 156, 26, 26);
    mark.setVisible(mode == "--idle");
    QTimer blink;
    QObject::connect(&blink, &QTimer::timeout, &mark, [&mark] { mark.setVisible(!mark.isVisible()); });
    if (mode == "--idle") blink.start(500);
    window.show();
    if (!app.runUntil([&] { return app.paintedWhole(&window); }, 10000)) return 1;
    if (mode.empty()) {
        bench::report("painted", static_cast<double>(bench::peakKiB()));
        return 0;
    }
    return app.measure(
               mode, amount, [button](int) { return button; }, &label)
               ? 0
               : 1;
}
