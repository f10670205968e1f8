#pragma once

#include "app/Module1.h"
#include "forms/Form.h"

namespace app {

// The about box: a greeting and three lines of credits printed on the window.
class FrmInfo : public forms::Form {
  public:
    explicit FrmInfo(Module1& m);

    forms::Control cmdOK{*this, "cmdOK", forms::ControlKind::Button};

    void Form_Load() override;
    void Form_Deactivate() override { chiudi(); }
    void cmdOK_Click() { chiudi(); }

  private:
    void chiudi();

    Module1& m_;
};

} // namespace app
