#pragma once

#include "forms/Control.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

// A row of controls sharing one name, element i named "Name(i)".
class ControlArray {
  public:
    ControlArray(Form& form, const std::string& name, ControlKind kind, int count,
                 Control* container = nullptr) {
        for (int i = 0; i < count; ++i)
            items_.push_back(
                std::make_unique<Control>(form, name + "(" + std::to_string(i) + ")", kind, container));
    }

    Control& operator[](int i) { return *items_.at(static_cast<std::size_t>(i)); }
    const Control& operator[](int i) const { return *items_.at(static_cast<std::size_t>(i)); }
    int size() const { return static_cast<int>(items_.size()); }

  private:
    std::vector<std::unique_ptr<Control>> items_;
};

} // namespace forms
