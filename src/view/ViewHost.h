#pragma once

#include "forms/FormRegistry.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <map>

class QWindow;

namespace view {

class FormWindow;

// Puts the program's forms on screen: a window for each form shown, refreshed after
// every handler. It also keeps the keyboard out of the windows that discard keys, keeps
// every press of a burst of quick clicks on the control that took the first, and tells a
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
    // The widget that took the first press of the last burst, and when and where the
    // burst's last press came (a press that no widget takes is offered to its parents in
    // turn, at the same time and place).
    QPointer<QWidget> pressed_;
    quint64 pressedAt_ = 0;
    QPointF pressedWhere_;
    // The last press was dropped: so is the release that follows it.
    bool dropping_ = false;
};

} // namespace view
