#include "view/ViewHost.h"

#include "view/FormWindow.h"

#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QWindow>
#include <utility>

namespace view {

ViewHost::ViewHost(forms::FormRegistry& registry) : registry_(registry) {
    registry_.setObserver(this);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ViewHost::activeWindowChanged);
}

ViewHost::~ViewHost() {
    registry_.setObserver(nullptr);
    for (auto& [form, window] : windows_) {
        window->detach();
        delete window;
    }
}

FormWindow* ViewHost::windowOf(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

void ViewHost::formShown(forms::Form& form) {
    FormWindow* w = windowOf(form);
    if (w == nullptr) {
        w = new FormWindow(form, &registry_);
        windows_[&form] = w;
    }
    w->present(form.owner != nullptr ? windowOf(*form.owner) : nullptr);
}

void ViewHost::formHidden(forms::Form& form) {
    if (FormWindow* w = windowOf(form)) w->hide();
}

void ViewHost::formUnloaded(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    // The window may be inside one of its own events: delete it only later.
    it->second->detach();
    it->second->deleteLater();
    windows_.erase(it);
}

void ViewHost::handlerFinished() {
    for (auto& [form, window] : windows_)
        if (window->isVisible() || form->isVisible()) window->refresh();
}

void ViewHost::activeWindowChanged(QWindow* now) {
    FormWindow* next = nullptr;
    for (auto& [form, window] : windows_)
        if (window->windowHandle() == now) next = window;
    if (next == nullptr || next == active_) return;
    FormWindow* previous = active_;
    active_ = next;
    // A window that has just been hidden (the about box closing) is not deactivated again.
    if (previous != nullptr && !previous->isDetached() && previous->form().isVisible()) {
        forms::Form& f = previous->form();
        previous->dispatch([&f] { f.Form_Deactivate(); });
    }
    next->refresh();
}

bool ViewHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return dropsKey(watched);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return dropsMouse(watched, event);
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool ViewHost::dropsKey(QObject* watched) const {
    // Walk up to the window the key is for; a list's popup is a window of its own,
    // whose parent is the list.
    for (QObject* o = watched; o != nullptr; o = o->parent()) {
        // A closed window's form is gone: its keys go nowhere.
        if (auto* w = dynamic_cast<FormWindow*>(o)) return w->isDetached() || w->form().discardsKeys;
    }
    return false;
}

// Qt gives the second press of a double click to whatever widget is under the pointer by
// then, and a widget takes it as a press. When the first click has closed, hidden or opened
// a window, that is another window's control (the start window's "Esci" under an exercise's
// "Esci"): there the second press, and its release, do nothing. On the control that took
// the first press it stays a press, so two quick clicks on a key type two digits.
bool ViewHost::dropsMouse(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false; // the window system's own window: not yet delivered
    const quint64 at = static_cast<QInputEvent*>(event)->timestamp();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Left to a parent, it is still the child's press.
        if (at != pressedAt_ || pressed_ == nullptr || !widget->isAncestorOf(pressed_)) {
            pressed_ = widget;
            pressedAt_ = at;
        }
        dropping_ = false;
        return false;
    case QEvent::MouseButtonDblClick:
        // Taken on its control, it may be left to that control's parents; dropped, it goes no further.
        dropping_ = widget != pressed_ && !widget->isAncestorOf(pressed_);
        return dropping_;
    default: // the release: after a dropped second press, dropped too, and no further
        return std::exchange(dropping_, false);
    }
}

} // namespace view
