#include "Brivatenzo.h"

#include "app/Windows.h"

#include <QApplication>

static void initResources() {
    Q_INIT_RESOURCE(resources);
}

Brivatenzo::Brivatenzo() {
    // The pictures and sounds live in this static library: pull them in.
    initResources();
    QApplication::setQuitOnLastWindowClosed(false); // only "Esci" ends the program
    app::defineWindows(module_);
}

Brivatenzo::~Brivatenzo() {
    registry_.setObserver(nullptr);
}

void Brivatenzo::start() {
    registry_.run([this] { registry_.load("frmStart").show(); });
}
