#include "Brivatenzo.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

// Qt's messages while it opens the display: held back, since a display that cannot be
// reached ends in Qt's abort after a page of them; replayed once the display is open.
QtMessageHandler qtHandler = nullptr;
struct Message {
    QtMsgType type;
    const char* category; // Qt's categories are named by static strings
    QString text;
};
std::vector<Message> heldBack;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("Le 4 brivatenzo: impossibile aprire lo schermo indicato da DISPLAY o WAYLAND_DISPLAY.\n",
                   stderr);
        std::_Exit(1);
    }
    heldBack.push_back({type, context.category, message});
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
    qtHandler = qInstallMessageHandler(holdBack);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const Message& m : heldBack)
        if (qtHandler) qtHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);

    Brivatenzo program;
    program.start();
    return QApplication::exec();
}
