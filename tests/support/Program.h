#pragma once

#include "app/Module1.h"
#include "app/Windows.h"
#include "forms/FormRegistry.h"
#include "support/Fakes.h"

#include <string>

namespace testing_support {

// Presses a control as the mouse would (only if it is shown and enabled).
bool click(forms::FormRegistry& forms, forms::Form& form, const std::string& control);

// The whole program without a screen: every window defined, fake services but for the
// sound, which the integration tests take real.
template <class Sound, class Sounds> struct BasicProgram {
    Sound sound;
    Sounds resources;
    FakePrinter printer;
    ScriptedRandom random;
    FakeEnvironment environment;
    platform::Services services{sound, resources, printer, random, environment};
    forms::FormRegistry forms;
    app::Module1 m{forms, services};

    BasicProgram() { app::defineWindows(m); }

    template <class T> T& open(const std::string& name) { return forms.get<T>(name); }

    // Runs a handler as an event would: unloaded windows go once it has finished.
    template <class F> void event(F&& handler) { forms.run(handler); }

    bool click(forms::Form& form, const std::string& control) {
        return testing_support::click(forms, form, control);
    }
};

using Program = BasicProgram<FakeSound, FakeResources>;

} // namespace testing_support
