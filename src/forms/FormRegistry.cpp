#include "forms/FormRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

FormRegistry::~FormRegistry() {
    observer_ = nullptr;
    live_.clear();
    unloaded_.clear();
}

void FormRegistry::define(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Form& FormRegistry::load(const std::string& name) {
    auto it = live_.find(name);
    if (it != live_.end()) return *it->second;
    auto f = factories_.find(name);
    if (f == factories_.end()) throw std::logic_error("no window named " + name);
    std::unique_ptr<Form> form = f->second();
    form->registry_ = this;
    Form& ref = *form;
    live_[name] = std::move(form);
    ref.Form_Load();
    return ref;
}

std::vector<Form*> FormRegistry::loadedForms() const {
    std::vector<Form*> out;
    for (const auto& [name, form] : live_)
        out.push_back(form.get());
    return out;
}

void FormRegistry::show(Form& form) {
    form.visible_ = true;
    if (observer_ != nullptr) observer_->formShown(form);
}

void FormRegistry::hide(Form& form) {
    form.visible_ = false;
    if (observer_ != nullptr) observer_->formHidden(form);
}

void FormRegistry::unload(Form& form) {
    auto it =
        std::find_if(live_.begin(), live_.end(), [&form](const auto& e) { return e.second.get() == &form; });
    if (it == live_.end()) return;
    form.visible_ = false;
    if (observer_ != nullptr) observer_->formUnloaded(form);
    unloaded_.push_back(std::move(it->second));
    live_.erase(it);
    if (depth_ == 0) disposeUnloaded();
}

void FormRegistry::run(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    if (depth_ == 0) {
        disposeUnloaded();
        if (observer_ != nullptr) observer_->handlerFinished();
    }
}

void FormRegistry::disposeUnloaded() {
    unloaded_.clear();
}

} // namespace forms
