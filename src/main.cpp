#include "app/Module1.h"
#include "app/Windows.h"
#include "forms/FormRegistry.h"
#include "platform/ClockRandom.h"
#include "platform/qt/QtEnvironment.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSoundPlayer.h"
#include "view/QtPrinter.h"
#include "view/ViewHost.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // only "Esci" ends the program

    platform::QtSoundPlayer sound;
    platform::QtResources resources;
    view::QtPrinter printer;
    platform::ClockRandom random;
    platform::QtEnvironment environment;
    platform::Services services{sound, resources, printer, random, environment};

    forms::FormRegistry registry;
    view::ViewHost host(registry);
    app::Module1 module(registry, services);
    app::defineWindows(module);

    registry.run([&registry] { registry.load("frmStart").show(); });
    const int code = QApplication::exec();
    registry.setObserver(nullptr);
    return code;
}
