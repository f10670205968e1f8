#pragma once

#include "forms/Control.h"

#include <string>
#include <vector>

namespace forms {

class FormRegistry;

// A window as its handlers see it: its own properties and the controls it owns by name.
class Form {
  public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    // Design-time properties (client area in twips).
    std::string caption;
    int width = 0, height = 0;
    Rgb backColor = 0xFFFFFF;
    Rgb foreColor = kWindowText;
    Font font;
    std::string picture; // background, drawn at its natural size from the top left
    std::string icon;
    // The window sees every key first and throws it away: the keyboard does nothing here.
    bool discardsKeys = false;
    // Centred on this window when shown, else on the screen.
    Form* owner = nullptr;

    // Window attributes that the view applies before the window is first shown.
    bool topmost = false;
    bool closeCommand = true;

    // Lines printed on the window itself; they stay part of its image.
    std::vector<std::string> printedLines;
    void print(std::string line) { printedLines.push_back(std::move(line)); }

    bool isVisible() const { return visible_; }
    void show();
    void hide();
    // Closes the window; its object goes once the running handler has finished.
    void unload();

    Control* focus() const { return focus_; }
    void setFocus(Control& c) { focus_ = &c; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& controlName) const;

    FormRegistry& registry() const;

    // Events of the window itself.
    virtual void Form_Load() {}
    virtual void Form_Deactivate() {}

  private:
    friend class Control;
    friend class FormRegistry;
    void adopt(Control& c) { controls_.push_back(&c); }

    std::string name_;
    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    bool visible_ = false;
    FormRegistry* registry_ = nullptr;
};

} // namespace forms
