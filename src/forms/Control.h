#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;

// 0xRRGGBB
using Rgb = std::uint32_t;
// The colour a window's text takes when none is set.
constexpr Rgb kWindowText = 0x000000;

enum class ControlKind {
    Label,    // text on the window
    Button,   // picture button, caption drawn in its picture
    CheckBox, // picture check box: one picture unticked, another ticked
    TextBox,  // entry box: shows digits, never edited by the user
    Cell,     // one-character operation cell, flat
    ComboBox, // drop-down list
    Picture,  // image stretched to its box
    Timer,
    Line,
    Shape, // rounded rectangle
    Frame, // container; switched on and off with its contents
};

enum class Align { Left, Center, Right };

struct Font {
    std::string family = "Comic Sans MS";
    double points = 8.4;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// One control of a window: design-time properties (positions and sizes in twips) and
// run-time state, plus the handlers the window attaches to its events.
class Control {
  public:
    Control(Form& form, std::string name, ControlKind kind, Control* container = nullptr);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    // The frame holding this control (positions are then relative to it), or null.
    Control* container() const { return container_; }

    // Enabled itself and inside an enabled frame: only then does it take clicks.
    bool isEnabled() const;
    // Visible itself and inside a visible frame.
    bool isShown() const;

    // Design-time properties.
    int left = 0, top = 0, width = 0, height = 0;
    int x2 = 0, y2 = 0;  // lines run from (left, top) to (x2, y2)
    int borderWidth = 1; // lines and shapes
    Font font;
    Rgb foreColor = kWindowText;
    Rgb backColor = 0xFFFFFF;
    Rgb fillColor = 0xFFFFFF; // shapes
    bool transparent = false; // labels: the window shows through
    Align align = Align::Left;
    std::string picture;        // resource name of the picture
    std::string pictureChecked; // check boxes: the picture while ticked
    std::string tooltip;
    bool handCursor = false;
    bool caret = false; // cells: a caret after the text while it is the current cell
    int interval = 0;   // timers, in ms
    std::vector<std::string> items;

    // Run-time state.
    std::string text; // text, caption or the label's words
    bool visible = true;
    bool enabled = true; // for a timer: running
    bool checked = false;
    int listIndex = -1;

    // Handlers, attached by the window.
    std::function<void()> onClick;
    std::function<void()> onMouseDown;
    std::function<void()> onMouseMove;
    std::function<void()> onDropDown;
    std::function<void()> onTimer;

    // Design-time helpers, so a window can declare a control on one line.
    Control& place(int l, int t, int w, int h);
    Control& withFont(double points, bool bold = false, bool italic = false,
                      std::string family = "Comic Sans MS");
    Control& colours(Rgb fore, Rgb back);
    Control& aligned(Align a);
    Control& seeThrough();
    Control& withPicture(std::string pic, std::string ticked = {});
    Control& withTooltip(std::string tip);
    Control& withText(std::string t);
    Control& hidden();
    Control& disabled();
    Control& hand();

    // The value of the list's chosen item (0 when none is chosen).
    std::string listText() const;

    // A click: a check box changes its tick first, then the Click handler runs.
    void click();

  private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    Control* container_;
};

} // namespace forms
