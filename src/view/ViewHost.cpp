#include "view/ViewHost.h"

#include "view/FormWindow.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>
#include <cmath>
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

// A child who sees nothing happen clicks again and again. Qt gives the second press of a
// double click, and the third as a plain press, to whatever widget is under the pointer by
// then. When the first click has closed, hidden or opened a window, that is another
// window's control (the start window's "Esci" under an exercise's "Esci"). So every press
// of a burst at one spot (each within the double-click time and distance of the one
// before) counts only on the control that took the burst's first press; anywhere else it
// and its release do nothing. On that control they stay presses: three quick clicks on a
// key type three digits.
bool ViewHost::dropsMouse(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false; // the window system's own window: not yet delivered
    if (event->type() == QEvent::MouseButtonRelease) return std::exchange(dropping_, false);
    const auto* press = static_cast<QMouseEvent*>(event);
    const quint64 at = press->timestamp();
    const QPointF where = press->globalPosition();
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = where - pressedWhere_;
    const bool burst = pressedAt_ != 0 && at - pressedAt_ <= quint64(hints->mouseDoubleClickInterval()) &&
                       std::abs(moved.x()) <= hints->mouseDoubleClickDistance() &&
                       std::abs(moved.y()) <= hints->mouseDoubleClickDistance();
    pressedAt_ = at;
    pressedWhere_ = where;
    if (!burst) pressed_ = widget; // (a press left to a parent comes again at once, in the burst)
    // Once the first press's control is gone (its window closed), the rest go nowhere.
    dropping_ = burst && widget != pressed_ && !widget->isAncestorOf(pressed_);
    return dropping_;
}

} // namespace view
