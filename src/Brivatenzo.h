#pragma once

#include "app/Module1.h"
#include "forms/FormRegistry.h"
#include "platform/ClockRandom.h"
#include "platform/qt/DeferredSoundPlayer.h"
#include "platform/qt/QtEnvironment.h"
#include "platform/qt/QtResources.h"
#include "view/QtPrinter.h"
#include "view/ViewHost.h"

// The program wired together: the real services, the windows and their Qt view.
// Needs a QApplication.
class Brivatenzo {
  public:
    // The sound module at that path; by default the one beside the program (a test or a
    // benchmark is an executable of its own, elsewhere).
    explicit Brivatenzo(QString soundModule = {});
    ~Brivatenzo();
    // Shows the start window; the sound player is loaded once it has painted.
    void start();
    // The windows, for a test that drives the program on screen to read their state.
    forms::FormRegistry& windows() { return registry_; }

  private:
    platform::DeferredSoundPlayer sound_;
    platform::QtResources resources_;
    view::QtPrinter printer_;
    platform::ClockRandom random_;
    platform::QtEnvironment environment_;
    platform::Services services_{sound_, resources_, printer_, random_, environment_};
    forms::FormRegistry registry_;
    view::ViewHost host_{registry_};
    app::Module1 module_{registry_, services_};
};
