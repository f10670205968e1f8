#include "view/ViewHost.h"

#include "view/FormWindow.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

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
    const QEvent::Type t = event->type();
    if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    // Walk up to the window the key is for; a list's popup is a window of its own,
    // whose parent is the list.
    for (QObject* o = watched; o != nullptr; o = o->parent()) {
        // A closed window's form is gone: its keys go nowhere.
        if (auto* w = dynamic_cast<FormWindow*>(o)) return w->isDetached() || w->form().discardsKeys;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace view
