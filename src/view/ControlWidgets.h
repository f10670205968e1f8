#pragma once

#include "forms/Control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace view {

class FormWindow;

// Everything a control's widget shows. The widget is brought up to date, and repainted,
// only when this changes: most handlers touch a few controls of a window of a hundred.
struct Look {
    QRect place;
    bool visible = false;
    bool enabled = false;
    bool checked = false;
    bool focused = false;
    int listIndex = -1;
    std::string text;
    std::string picture;
    forms::Rgb foreColor = 0;
    forms::Rgb backColor = 0;
    forms::Font font;
    bool transparent = false;
    forms::Align align = forms::Align::Left;

    // Whether this is how the control looks now, its visibility aside (compared in place:
    // it runs for every control at every handler's end, a blink's included).
    bool shows(const forms::Control& c, bool focused) const;
    void read(const forms::Control& c, bool focused);
};

// Text laid out once, when it changes, and drawn on every paint as
// QPainter::drawText(rect, flags, text) draws it.
class TextBlock {
  public:
    void set(const QString& text, const QFont& font, int width);
    // flags: the alignments of drawText; the text wraps at words. Only what reaches
    // `exposed` (the area being repainted, all if empty) is drawn.
    void draw(QPainter& p, const QRect& r, int flags, const QRect& exposed = {}) const;
    // Whether the text leaves ink in `exposed`.
    bool reaches(const QRect& r, int flags, const QRect& exposed) const;

  private:
    // A line's glyphs, each with the box it leaves ink in (layout coordinates); found at the
    // first paint that shows only part of the line.
    struct Ink {
        QGlyphRun run;
        std::vector<QRectF> boxes;
    };
    const std::vector<Ink>& ink(int line) const;
    // Where drawText puts a line's origin in r.
    QPointF origin(const QTextLine& line, const QRect& r, int flags) const;

    QTextLayout layout_;
    qreal height_ = 0;
    mutable std::vector<std::optional<std::vector<Ink>>> ink_;
};

// What every widget of a control shares: the control it shows and the window that
// runs its handlers.
class ControlView {
  public:
    ControlView(FormWindow& window, forms::Control& control) : window_(window), control_(control) {}
    virtual ~ControlView() = default;
    forms::Control& control() const { return control_; }
    // Brings the widget up to date with the control's state; repaints it only if that changed.
    virtual void refresh();
    virtual QWidget* widget() = 0;
    // Draws the widget as it looks now on any painter (its own, or a page's), in its own
    // coordinates; `exposed` is the part that needs it.
    virtual void paint(QPainter& p, const QRect& exposed) = 0;

  protected:
    // Runs one of the control's handlers (copied first: the handler may unload the form).
    void fire(std::function<void()> forms::Control::*handler);
    void fire(const std::function<void()>& action);
    void applyCommon();
    // Rebuilds what painting needs from the look. Called from the first paint after the
    // look changed, so that a control that never shows costs nothing.
    virtual void prepare() {}
    void prepareIfChanged();
    // Whether the widget draws the form's focus (a frame round a cell, a caret).
    virtual bool showsFocus() const { return false; }
    // Whether the widget stays on screen while its control is hidden and paints nothing.
    virtual bool hidesByPainting() const { return false; }
    const Look& look() const { return shown_; }

    FormWindow& window_;
    forms::Control& control_;

  private:
    Look shown_;
    bool applied_ = false;
    bool prepared_ = false;
};

// Buttons and check boxes: the picture with its caption; greyed while disabled.
class PictureButton : public QAbstractButton, public ControlView {
  public:
    PictureButton(FormWindow& window, forms::Control& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void paint(QPainter& p, const QRect& exposed) override;

  protected:
    void prepare() override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    // An icon on a plain face (the loudspeaker) rather than a picture filling the button.
    bool onFace_ = false;
    bool hasPicture_ = false;
    QRect iconPlace_;
    QImage image_;          // the picture or the icon, greyed while the button is off
    const QString caption_; // drawn when the picture is missing
};

// Labels, entry boxes and operation cells: text the program writes, never the user.
class TextView : public QWidget, public ControlView {
  public:
    TextView(FormWindow& window, forms::Control& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void paint(QPainter& p, const QRect& exposed) override;

  protected:
    void prepare() override;
    bool showsFocus() const override;
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QRect textPlace() const;
    bool drawsNothing(const QRect& exposed);

    TextBlock text_;
    int flags_ = 0;
    int lineHeight_ = 0;
    int textWidth_ = 0;
};

// Still pictures, stretched to their box.
class PictureView : public QWidget, public ControlView {
  public:
    PictureView(FormWindow& window, forms::Control& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void paint(QPainter& p, const QRect& exposed) override;

  protected:
    void prepare() override;
    // Pictures come and go (the blinking hand, the faces): showing or hiding a widget
    // costs Qt several times the repaint of its place.
    bool hidesByPainting() const override { return true; }
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage image_;
};

// A frame with its caption; switching it off switches off everything in it.
class FrameView : public QWidget, public ControlView {
  public:
    FrameView(FormWindow& window, forms::Control& control, QWidget* parent);
    QWidget* widget() override { return this; }
    void paint(QPainter& p, const QRect& exposed) override;

  protected:
    void prepare() override;
    void paintEvent(QPaintEvent* e) override;

  private:
    TextBlock caption_;
    int captionWidth_ = 0;
    int lineHeight_ = 0;
};

// A drop-down list. Opening it runs the DropDown handler first; the wheel and the
// keyboard never change it, so a value can only be chosen from the open list.
class ListView : public QComboBox, public ControlView {
  public:
    ListView(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }
    void paint(QPainter& p, const QRect& exposed) override;
    void showPopup() override;

  protected:
    void prepare() override;
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace view
