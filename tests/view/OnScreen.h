#pragma once

#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormWindow.h"
#include "view/ViewHost.h"

#include <gtest/gtest.h>

// The program with its real view on the offscreen platform and fake services.
struct OnScreen : ::testing::Test {
    testing_support::Program p;
    view::ViewHost host{p.forms};

    OnScreen() {
        p.forms.define("frmProva", [this] { return std::make_unique<testing_support::PracticeWindow>(p.m); });
    }

    template <class T = QWidget> T* widget(forms::Form& f, const char* name) {
        view::FormWindow* w = host.windowOf(f);
        return w == nullptr ? nullptr : w->findChild<T*>(name);
    }

    forms::Form& openWindow(const std::string& name, int chi) {
        p.m.ChiSceglie = chi;
        forms::Form* f = nullptr;
        p.event([&] {
            f = &p.forms.load(name);
            f->show();
        });
        return *f;
    }

    testing_support::PracticeWindow& openPractice(int chi) {
        return static_cast<testing_support::PracticeWindow&>(openWindow("frmProva", chi));
    }
};
