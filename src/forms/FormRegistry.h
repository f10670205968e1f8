#pragma once

#include "forms/Form.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace forms {

// What the on-screen side needs to hear about the program's windows.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void formShown(Form& form) = 0;
    virtual void formHidden(Form& form) = 0;
    // The form is about to be destroyed: drop every reference to it.
    virtual void formUnloaded(Form& form) = 0;
    // A handler has run: bring everything on screen up to date.
    virtual void handlerFinished() = 0;
};

// The program's windows by name: one instance each, created when first used,
// loaded afresh after it was unloaded.
class FormRegistry {
  public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    FormRegistry() = default;
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    void define(const std::string& name, Factory factory);

    // The live instance, created (and its Form_Load run) if there is none.
    Form& load(const std::string& name);
    template <class T> T& get(const std::string& name) { return dynamic_cast<T&>(load(name)); }
    bool isLoaded(const std::string& name) const { return live_.count(name) != 0; }
    std::vector<Form*> loadedForms() const;

    void show(Form& form);
    void hide(Form& form);
    void unload(Form& form);

    // Runs one event handler, then destroys the forms it unloaded and lets the
    // observer refresh. Handlers never nest: there are no nested event loops.
    void run(const std::function<void()>& handler);

    void setObserver(FormObserver* observer) { observer_ = observer; }

  private:
    void disposeUnloaded();

    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Form>> live_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    FormObserver* observer_ = nullptr;
    int depth_ = 0;
};

} // namespace forms
