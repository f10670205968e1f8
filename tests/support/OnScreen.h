#pragma once
// The program's real windows on Qt's offscreen platform, with fake services, driven as a child drives
// them: what the view tests share.
#include "support/Clicks.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormWindow.h"
#include "view/ViewHost.h"

#include <QApplication>
#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace testing_support {

// The program with its real view; it logs what the watched window paints, in its coordinates.
struct OnScreen : ::testing::Test, QObject {
    Program p;
    view::ViewHost host{p.forms};
    QWidget* watched = nullptr;
    QRegion painted;
    std::map<std::string, Qt::WindowFlags> firstShown; // each window's flags when it first showed

    OnScreen() {
        p.forms.define("frmProva", [this] { return std::make_unique<PracticeWindow>(p.m); });
        qApp->installEventFilter(this);
    }
    ~OnScreen() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Paint && w != nullptr && w->window() == watched)
            painted += static_cast<QPaintEvent*>(e)->region().translated(w->mapTo(watched, QPoint()));
        if (e->type() == QEvent::Show && w != nullptr && w->isWindow())
            firstShown.try_emplace(w->objectName().toStdString(), w->windowFlags());
        return false;
    }
    // A control's widget, or the window itself by the form's name.
    QWidget* widget(const forms::Form& f, const std::string& name) {
        QWidget* w = host.windowOf(f);
        return name == f.name() ? w : w->findChild<QWidget*>(name.c_str());
    }
    template <class T = forms::Form> T& open(const std::string& name, int chi, bool ticking = false) {
        p.m.ChiSceglie = chi;
        forms::Form* f = nullptr;
        p.event([&] { (f = &p.forms.load(name))->show(); });
        if (f->find("Timer1") != nullptr && !ticking) p.event([&] { f->find("Timer1")->enabled = false; });
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget(*f, name)));
        return static_cast<T&>(*f);
    }
    // What a top-level window shows on screen.
    static QImage shown(QWidget* window) {
        return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The window as it is on screen, or the place of one of its controls.
    QImage screen(const forms::Form& f, const std::string& name = {}) {
        QCoreApplication::processEvents();
        QWidget *w = widget(f, f.name()), *c = widget(f, name.empty() ? f.name() : name);
        return shown(w).copy(QRect(c->mapTo(w, QPoint()), c->size()));
    }
    // The window's place on screen as the child sees it: the window, and over it any open list (its
    // popup is a window of its own).
    QImage screenWithPopups(const forms::Form& f) {
        QImage all = screen(f);
        QWidget* w = widget(f, f.name());
        QPainter painter(&all);
        for (QWidget* popup : QApplication::topLevelWidgets())
            if (popup->isVisible() && popup->windowType() == Qt::Popup)
                painter.drawImage(popup->geometry().topLeft() - w->geometry().topLeft(), shown(popup));
        return all;
    }
    // What each place showed on screen during ms: '~' it changed, else '-' one colour, '+' more.
    std::string seen(const std::vector<std::pair<const forms::Form*, const char*>>& places, int ms) {
        std::vector<QImage> first;
        std::string out;
        for (const auto& [f, name] : places) {
            const QImage& i = first.emplace_back(screen(*f, name));
            out += i == i.copy(0, 0, 1, 1).scaled(i.size()) ? '-' : '+';
        }
        for (int t = 0; t < ms; t += 50, QTest::qWait(50))
            for (std::size_t i = 0; i < places.size(); ++i)
                if (screen(*places[i].first, places[i].second) != first[i]) out[i] = '~';
        return out;
    }
    // One step as the child takes it: "name" clicks a control's widget ("name/r", "name/m" with
    // the right or the middle button), "name=k" opens a list and chooses item k, digits press keypad
    // keys, "~name" moves the mouse over a widget, "!name" types keys and pastes there, "^name" turns
    // the wheel a notch towards the next item over it, "tick" is a tick of the window's timer, "|"
    // forgets what was painted so far.
    void step(forms::Form& f, const std::string& t) {
        const std::size_t from = t[0] == '~' || t[0] == '!' || t[0] == '^';
        const std::string name = t.substr(from, std::min(t.find('='), t.find('/')) - from);
        QWidget* w = t[0] >= '0' && t[0] <= '9' ? nullptr : widget(f, name);
        if (t == "|") {
            painted = QRegion();
        } else if (t == "tick") {
            p.event([&] { f.find("Timer1")->onTimer(); });
        } else if (t[0] == '!') {
            QTest::keyClicks(w, "34 \r\b");
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        } else if (t[0] == '~') {
            QTest::mouseMove(w, QPoint(8, 10));
        } else if (t[0] == '^') {
            const QPointF at(8, 10);
            QWheelEvent notch(at, w->mapToGlobal(at), {}, QPoint(0, -QWheelEvent::DefaultDeltasPerStep),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(w, &notch);
        } else if (auto* list = qobject_cast<QComboBox*>(w); list != nullptr) {
            list->showPopup();
            list->hidePopup();
            list->setCurrentIndex(std::stoi(t.substr(t.find('=') + 1))); // as a choice in the open list
            emit list->activated(list->currentIndex());
        } else if (w == nullptr) {
            for (char d : t)
                clickAlone(widget(f, "Cmd_" + std::string(1, d)));
        } else {
            ASSERT_TRUE(w->isVisible() && w->isEnabled()) << t;
            clickAlone(w, t.ends_with("/r")   ? Qt::RightButton
                          : t.ends_with("/m") ? Qt::MiddleButton
                                              : Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // Steps one after another, apart by blanks.
    void play(forms::Form& f, const std::string& steps) {
        for (const QString& s : QString::fromStdString(steps).split(' ', Qt::SkipEmptyParts))
            step(f, s.toStdString());
    }
};

} // namespace testing_support
