#pragma once

#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormWindow.h"
#include "view/ViewHost.h"

#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

// The program with its real view on the offscreen platform and fake services.
struct OnScreen : ::testing::Test {
    testing_support::Program p;
    view::ViewHost host{p.forms};
    int moves = 0;

    OnScreen() {
        p.forms.define("frmProva", [this] { return std::make_unique<testing_support::PracticeWindow>(p.m); });
    }

    // A control's widget, or the window itself by the form's name.
    template <class T = QWidget> T* widget(forms::Form& f, const std::string& name) {
        view::FormWindow* w = host.windowOf(f);
        if (w == nullptr || name == f.name()) return qobject_cast<T*>(w);
        return w->findChild<T*>(QString::fromStdString(name));
    }

    forms::Form& openWindow(const std::string& name, int chi) {
        p.m.ChiSceglie = chi;
        forms::Form* f = nullptr;
        p.event([&] { (f = &p.forms.load(name))->show(); });
        return *f;
    }

    // "a b c": steps, or names, one after the other.
    static QStringList words(const char* text) { return QString(text).split(' ', Qt::SkipEmptyParts); }

    static void flush() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // One step as the child takes it: "name" clicks a control's widget, "name=k" opens a list
    // and chooses item k, digits press keypad keys, "~name" moves the mouse over a widget,
    // "@name" gives a control the focus, "tick" is a tick of the window's timer.
    void step(forms::Form& f, const std::string& t) {
        const std::string name = t.substr(t[0] == '~' || t[0] == '@', t.find('='));
        if (t == "tick") {
            p.event([&] { f.find("Timer1")->onTimer(); });
        } else if (t[0] == '@') {
            p.event([&] { f.setFocus(*f.find(name)); });
        } else if (t[0] == '~') {
            QTest::mouseMove(widget(f, name), QPoint(8 + 9 * (moves++ % 4), 10));
        } else if (t.find('=') != std::string::npos) {
            auto* list = widget<QComboBox>(f, name);
            list->showPopup();
            list->hidePopup();
            list->setCurrentIndex(std::stoi(t.substr(t.find('=') + 1))); // as a choice in the open list
            emit list->activated(list->currentIndex());
        } else if (t[0] >= '0' && t[0] <= '9') {
            for (char d : t)
                QTest::mouseClick(widget(f, "Cmd_" + std::string(1, d)), Qt::LeftButton);
        } else {
            QWidget* w = widget(f, name);
            ASSERT_TRUE(w != nullptr && w->isVisible() && w->isEnabled()) << t;
            QTest::mouseClick(w, Qt::LeftButton);
        }
        flush();
    }
};
