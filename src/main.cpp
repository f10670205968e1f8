#include "Brivatenzo.h"

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

// The platform named to Qt and where: the "-platform" argument, which Qt takes before
// QT_QPA_PLATFORM, or that variable; none when neither names one.
struct NamedPlatform {
    const char* where = nullptr;
    std::string name;
};

NamedPlatform namedPlatform(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return {"dall'argomento -platform", argv[i + 1]};
    if (const char* value = std::getenv("QT_QPA_PLATFORM"); value && *value)
        return {"da QT_QPA_PLATFORM", value};
    return {};
}

// Without a display named in the environment or a platform named Qt has no screen to
// show windows on, and aborts.
bool displayNamed(const NamedPlatform& platform) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return platform.where != nullptr;
}

// Qt's messages while it opens the display: held back, since a display that cannot be
// reached ends in Qt's abort after a page of them; replayed once the display is open. Qt
// may write them from its own threads too (xcb's event reader starts while the display
// opens): the list is used only under its lock.
QtMessageHandler qtHandler = nullptr;
struct Message {
    QtMsgType type;
    const char* category; // Qt's categories are named by static strings
    QString text;
};
std::mutex heldBackLock;
std::vector<Message> heldBack;
NamedPlatform named;

// Why Qt gave up: a platform named that it has no plugin for (it says so before it gives
// up), or else the display that the platform could not open.
std::string failure() {
    for (auto m = heldBack.rbegin(); m != heldBack.rend(); ++m)
        if (m->category != nullptr && std::strcmp(m->category, "qt.qpa.plugin") == 0) {
            if (named.where != nullptr && m->text.startsWith("Could not find the Qt platform plugin"))
                return "impossibile caricare la piattaforma grafica \"" + named.name + "\" indicata " +
                       named.where + ".";
            break;
        }
    return "impossibile aprire lo schermo indicato da DISPLAY o WAYLAND_DISPLAY.";
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const std::lock_guard lock(heldBackLock);
    if (type == QtFatalMsg) {
        std::fputs(("Le 4 brivatenzo: " + failure() + "\n").c_str(), stderr);
        std::_Exit(1);
    }
    heldBack.push_back({type, context.category, message});
}

} // namespace

int main(int argc, char* argv[]) {
    named = namedPlatform(argc, argv);
    if (!displayNamed(named)) {
        std::fputs(
            "Le 4 brivatenzo: nessuno schermo disponibile (DISPLAY, WAYLAND_DISPLAY e QT_QPA_PLATFORM non "
            "sono impostate).\n",
            stderr);
        return 1;
    }
    qtHandler = qInstallMessageHandler(holdBack);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    std::vector<Message> held;
    {
        // A thread that called holdBack just before has added its message once this lock is ours.
        const std::lock_guard lock(heldBackLock);
        held.swap(heldBack);
    }
    for (const Message& m : held)
        if (qtHandler) qtHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);

    Brivatenzo program;
    program.start();
    return QApplication::exec();
}
