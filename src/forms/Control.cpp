#include "forms/Control.h"

#include "forms/Form.h"

namespace forms {

Control::Control(Form& form, std::string name, ControlKind kind, Control* container)
    : form_(form), name_(std::move(name)), kind_(kind), container_(container) {
    form_.adopt(*this);
}

bool Control::isEnabled() const {
    return enabled && (container_ == nullptr || container_->isEnabled());
}

bool Control::isShown() const {
    return visible && (container_ == nullptr || container_->isShown());
}

Control& Control::place(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
    return *this;
}

Control& Control::withFont(double points, bool bold, bool italic, std::string family) {
    font = Font{std::move(family), points, bold, italic};
    return *this;
}

Control& Control::colours(Rgb fore, Rgb back) {
    foreColor = fore;
    backColor = back;
    return *this;
}

Control& Control::aligned(Align a) {
    align = a;
    return *this;
}

Control& Control::seeThrough() {
    transparent = true;
    return *this;
}

Control& Control::withPicture(std::string pic, std::string ticked) {
    picture = std::move(pic);
    pictureChecked = std::move(ticked);
    return *this;
}

Control& Control::withTooltip(std::string tip) {
    tooltip = std::move(tip);
    return *this;
}

Control& Control::withText(std::string t) {
    text = std::move(t);
    return *this;
}

Control& Control::hidden() {
    visible = false;
    return *this;
}

Control& Control::disabled() {
    enabled = false;
    return *this;
}

Control& Control::hand() {
    handCursor = true;
    return *this;
}

void Control::click() {
    if (kind_ == ControlKind::CheckBox) checked = !checked;
    if (onClick) onClick();
}

std::string Control::listText() const {
    if (listIndex < 0 || listIndex >= static_cast<int>(items.size())) return {};
    return items[static_cast<std::size_t>(listIndex)];
}

} // namespace forms
