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

// The program's window that an object is part of: a list's popup is a window of its own,
// whose parent is the list. None for a window that is no form's.
static FormWindow* formWindowOf(QObject* o) {
    for (; o != nullptr; o = o->parent())
        if (auto* w = dynamic_cast<FormWindow*>(o)) return w;
    return nullptr;
}

bool ViewHost::dropsKey(QObject* watched) const {
    // A closed window's form is gone: its keys go nowhere.
    const FormWindow* w = formWindowOf(watched);
    return w != nullptr && (w->isDetached() || w->form().discardsKeys);
}

// Whether a pointer moved by `moved` stayed within `distance` of where it was, across and down.
static bool within(QPointF moved, qreal distance) {
    return std::abs(moved.x()) <= distance && std::abs(moved.y()) <= distance;
}

// A child who sees nothing happen clicks again and again, often slowly, holding the button
// down, and the hand drifts while it does. Qt gives each press to whatever is under the
// pointer by then. When a click has closed, hidden or opened a window (on its release), that
// is another window's control (the start window's "Esci" under an exercise's "Esci"). So:
// - A burst is every press that comes within kBurstInterval (or the desktop's double-click
//   time where that is longer) of the burst's last press or release: however long a press
//   is held, what it opened or uncovered is safe from the next one.
// - Its presses count only in the window that took its first (a list's popup is its list's
//   window): elsewhere a press and its release do nothing, wherever they land. In that window
//   a press at the spot of the one before (within the double-click distance) counts only on
//   the control that took the first press there: on a key each press still types a digit,
//   and a press elsewhere is a press of its own.
// - Once a list's popup has taken a press, a press that lands where the popup was (or within
//   kHandDrift of it), and not on it, does nothing: that is what the closing popup uncovered.
// - A dropped press within kHandDrift of the burst's last keeps the burst going (a child
//   hammering one place), one farther away does not (a child who has moved on to another
//   control): that child's click counts once the burst is over.
bool ViewHost::dropsMouse(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false; // the window system's own window: not yet delivered
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const quint64 at = mouse->timestamp();
    if (event->type() == QEvent::MouseButtonRelease) {
        if (std::exchange(releaseInBurst_, false)) lastAt_ = at;
        return std::exchange(dropping_, false);
    }
    const QPointF where = mouse->globalPosition();
    const QStyleHints* hints = QGuiApplication::styleHints();
    const quint64 interval = quint64(std::max(kBurstInterval, hints->mouseDoubleClickInterval()));
    const QPointF moved = where - lastWhere_;
    const bool burst = lastAt_ != 0 && at - lastAt_ <= interval;
    const bool sameSpot = burst && within(moved, hints->mouseDoubleClickDistance());
    QWidget* window = formWindowOf(widget);
    if (window == nullptr) window = widget->window();
    const QWidget* popup = widget->window()->windowType() == Qt::Popup ? widget->window() : nullptr;
    if (!burst) {
        burstWindow_ = window;
        popupArea_ = QRect();
    }
    // (A press left to a parent comes again at once, at the same spot.)
    const QWidget* spot = sameSpot ? spotControl_.data() : widget;
    // Once the first press's window is gone (closed), the rest go nowhere.
    dropping_ = window != burstWindow_ || (popup == nullptr && popupArea_.contains(where.toPoint())) ||
                (widget != spot && !widget->isAncestorOf(spot));
    releaseInBurst_ = !dropping_ || within(moved, kHandDrift);
    if (releaseInBurst_) {
        lastAt_ = at;
        lastWhere_ = where;
        if (!sameSpot) spotControl_ = widget;
        if (popup != nullptr && popup->frameGeometry().contains(where.toPoint()))
            popupArea_ = popup->frameGeometry().adjusted(-kHandDrift, -kHandDrift, kHandDrift, kHandDrift);
    }
    return dropping_;
}

} // namespace view
