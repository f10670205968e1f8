#pragma once

#include "forms/FormRegistry.h"

#include <QObject>
#include <QPointer>
#include <map>

class QWindow;

namespace view {

class FormWindow;

// Puts the program's forms on screen: a window for each form shown, refreshed after
// every handler. It also keeps the keyboard out of the windows that discard keys and
// tells a form when another window of the program has become the active one.
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

    forms::FormRegistry& registry_;
    std::map<const forms::Form*, FormWindow*> windows_;
    QPointer<FormWindow> active_;
};

} // namespace view
