#pragma once

#include "forms/FormRegistry.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <map>

class QWindow;

namespace view {

class FormWindow;

// Puts the program's forms on screen: a window for each form shown, refreshed after
// every handler. It also keeps the keyboard out of the windows that discard keys, keeps
// every press of a burst of quick clicks in the window that took the first (and at one spot
// on the control that took the first there, and off what a list's closing popup uncovers),
// and tells a form when another window of the program has become the active one.
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
    // How close in time presses must come to make one burst, at the least: a young child's
    // double click is often slower than the desktop's double-click time.
    static constexpr int kBurstInterval = 600;
    // How far a hand drifts while it clicks one place again and again, across and down.
    static constexpr int kHandDrift = 24;
    // Of the last burst: the window that took its first press, the control that took the first
    // press at the spot of its last press, when its last press or release came, where its last
    // press came, and around where a list's popup that took one of its presses lay (a press that no
    // widget takes is offered to its parents in turn, at the same time and place).
    QPointer<QWidget> burstWindow_;
    QPointer<QWidget> spotControl_;
    quint64 lastAt_ = 0;
    QPointF lastWhere_;
    QRect popupArea_;
    // The last press was dropped: so is the release that follows it.
    bool dropping_ = false;
    // The last press kept the burst going: so does the release that follows it.
    bool releaseInBurst_ = false;
};

} // namespace view
