// The program as the benchmark runs it.
// Usage: bench_program                      first complete paint of the start window:
//                                           prints "painted <peak KiB>"
//        bench_program --click <window> <start button> <clicks>
//                                           opens the exercise window with the numbers the
//                                           child types and alternates keypad 7 and the
//                                           delete key: prints "click <median µs>"
//        bench_program --idle <window> <start button> <seconds>
//                                           prints "idle <CPU ms per minute>"
#include "Brivatenzo.h"
#include "Watch.h"

#include <cstdlib>
#include <cstring>

namespace {

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

QWidget* part(QWidget* window, const char* name) {
    return window == nullptr ? nullptr : window->findChild<QWidget*>(name);
}

} // namespace

int main(int argc, char* argv[]) {
    bench::WatchedApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    Brivatenzo program(BENCH_SOUND_MODULE);
    program.start();
    if (!app.runUntil([&] { return app.paintedWhole(topLevel("frmStart")); }, 10000)) return 1;
    if (mode.empty()) {
        bench::report("painted", static_cast<double>(bench::peakKiB()));
        return 0;
    }
    if (argc < 5) return 2;
    const char* name = argv[2];
    const int amount = std::max(1, std::atoi(argv[4]));
    // The child chooses to type the numbers, then the operation.
    QWidget* start = topLevel("frmStart");
    if (app.clickToRepainted(part(start, "cmdTe"), part(start, argv[3])) < 0) return 1;
    app.click(part(start, argv[3]));
    if (!app.runUntil([&] { return app.paintedWhole(topLevel(name)); }, 10000)) return 1;
    QWidget* window = topLevel(name);
    const auto key = [window](int i) { return part(window, i % 2 == 0 ? "Cmd_7" : "backspace"); };
    return app.measure(mode, amount, key, part(window, "txtFattori(0)")) ? 0 : 1;
}
