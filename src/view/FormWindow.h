#pragma once

#include "forms/Form.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QTimer;

namespace forms {
class FormRegistry;
}

namespace view {

class ControlView;

// The on-screen window of one Form: a widget per control, built from the control's
// properties; events go to the form's handlers, and refresh() shows the form's state.
class FormWindow : public QWidget {
  public:
    // registry is null for a window that is only rendered (a print layout).
    FormWindow(forms::Form& form, forms::FormRegistry* registry);
    ~FormWindow() override;

    forms::Form& form() const { return form_; }
    void refresh();
    // Runs a handler of this window's form, then everything on screen is refreshed.
    void dispatch(const std::function<void()>& handler);
    // The form is gone: this window only waits to be deleted.
    void detach();
    bool isDetached() const { return detached_; }
    // Applies the window attributes and shows the window, centred on its first showing.
    void present(QWidget* owner);

    QWidget* widgetOf(const forms::Control& control) const;
    // Draws the whole client area, controls and all, on any painter, in screen pixels: the
    // image of the window, or a page.
    void paint(QPainter& p);

  protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    // A line or a shape, which the window paints itself, as it was last shown.
    struct Mark {
        bool shown = false;
        bool shape = false;
        QRect place; // a shape's box; a line from its top left to its bottom right
        int width = 1;
        forms::Rgb colour = 0;
        forms::Rgb fill = 0;
        bool operator==(const Mark&) const = default;
        QRect bounds() const;
    };
    // The window's own background: colour, picture and printed lines.
    struct Backdrop {
        forms::Rgb colour = 0;
        std::string picture;
        std::vector<std::string> lines;
        forms::Font font;
        forms::Rgb textColour = 0;
        // Whether this is what the form shows now (compared in place: it runs at every
        // handler's end, a blink's included).
        bool shows(const forms::Form& form) const;
    };

    void build();
    static Mark markOf(const forms::Control& c);
    void refreshBackdrop();
    void prepareBackdrop();
    void refreshMarks();
    // The window's own background with its lines, shapes and printed lines.
    void paintBackdrop(QPainter& p, const QRect& exposed);

    forms::Form& form_;
    forms::FormRegistry* registry_;
    std::vector<ControlView*> views_; // owned by Qt, as children of this window
    std::map<const forms::Control*, QWidget*> widgets_;
    std::map<const forms::Control*, QTimer*> timers_;
    std::vector<std::pair<const forms::Control*, Mark>> marks_; // each line or shape as last painted
    Backdrop backdrop_;
    QImage picture_;
    bool backdropShown_ = false;
    bool backdropPrepared_ = false;
    QFont printFont_;
    int printLineHeight_ = 0;
    QStringList printed_;
    std::string caption_;
    bool detached_ = false;
    bool placed_ = false;
};

} // namespace view
