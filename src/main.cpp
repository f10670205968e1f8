#include "Brivatenzo.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display named in the environment or a "-platform" argument Qt has no
// screen to show windows on, and aborts.
bool displayNamed(int argc, char* argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayNamed(argc, argv)) {
        std::fputs(
            "Le 4 brivatenzo: nessuno schermo disponibile (DISPLAY, WAYLAND_DISPLAY e QT_QPA_PLATFORM non "
            "sono impostate).\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    Brivatenzo program;
    program.start();
    return QApplication::exec();
}
