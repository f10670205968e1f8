#pragma once

#include "forms/FormRegistry.h"

#include <QObject>
#include <QPointer>
#include <map>

class QWindow;

namespace view {

class FormWindow;

// Puts the program's forms on screen: a window for each form shown, refreshed after
// every handler. It also keeps the keyboard out of the windows that discard keys, keeps
// the second press of a double click on the control that took the first, and tells a
// form when another window of the program has become the active one.
class ViewHost : public QObject, public forms::FormObserver {
  public:
    explicit ViewHost(forms::FormRegistry& registry);
    ~ViewHost() override;

    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void handlerFinished() override;

    FormWindow* windowOf(const forms::Form& form) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activeWindowChanged(QWindow* now);
    bool dropsKey(QObject* watched) const;
    bool dropsMouse(QObject* watched, QEvent* event);

    forms::FormRegistry& registry_;
    std::map<const forms::Form*, FormWindow*> windows_;
    QPointer<FormWindow> active_;
    // The widget that took the last press, and when (a press that no widget takes is
    // offered to its parents in turn, at the same time).
    QPointer<QWidget> pressed_;
    quint64 pressedAt_ = 0;
    // A second press of a double click was dropped: so is the release that follows it.
    bool dropping_ = false;
};

} // namespace view
