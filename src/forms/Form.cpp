#include "forms/Form.h"

#include "forms/FormRegistry.h"

#include <stdexcept>

namespace forms {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::show() {
    registry().show(*this);
}

void Form::hide() {
    registry().hide(*this);
}

void Form::unload() {
    registry().unload(*this);
}

Control* Form::find(const std::string& controlName) const {
    for (Control* c : controls_)
        if (c->name() == controlName) return c;
    return nullptr;
}

FormRegistry& Form::registry() const {
    if (registry_ == nullptr) throw std::logic_error("form " + name_ + " is not in a registry");
    return *registry_;
}

} // namespace forms
