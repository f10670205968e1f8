#pragma once

#include "forms/Control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QWidget>
#include <functional>

namespace view {

class FormWindow;

// What every widget of a control shares: the control it shows and the window that
// runs its handlers.
class ControlView {
  public:
    ControlView(FormWindow& window, forms::Control& control) : window_(window), control_(control) {}
    virtual ~ControlView() = default;
    forms::Control& control() const { return control_; }
    // Brings the widget up to date with the control's state.
    virtual void refresh() = 0;
    virtual QWidget* widget() = 0;

  protected:
    // Runs one of the control's handlers (copied first: the handler may unload the form).
    void fire(std::function<void()> forms::Control::*handler);
    void fire(const std::function<void()>& action);
    bool isFocused() const;
    void applyCommon();

    FormWindow& window_;
    forms::Control& control_;
};

// Buttons and check boxes: the picture with its caption; greyed while disabled.
class PictureButton : public QAbstractButton, public ControlView {
  public:
    PictureButton(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// Labels, entry boxes and operation cells: text the program writes, never the user.
class TextView : public QWidget, public ControlView {
  public:
    TextView(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// Still pictures, stretched to their box.
class PictureView : public QWidget, public ControlView {
  public:
    PictureView(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A frame with its caption; switching it off switches off everything in it.
class FrameView : public QWidget, public ControlView {
  public:
    FrameView(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A drop-down list. Opening it runs the DropDown handler first; the wheel and the
// keyboard never change it, so a value can only be chosen from the open list.
class ListView : public QComboBox, public ControlView {
  public:
    ListView(FormWindow& window, forms::Control& control, QWidget* parent);
    void refresh() override;
    QWidget* widget() override { return this; }
    void showPopup() override;

  protected:
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace view
