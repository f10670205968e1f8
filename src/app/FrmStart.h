#pragma once

#include "app/Module1.h"
#include "forms/Form.h"

namespace app {

// The start window: who chooses the numbers, the seven exercises, sound switch, about box, exit.
class FrmStart : public forms::Form {
  public:
    explicit FrmStart(Module1& m);

    forms::Control Label2{*this, "Label2", forms::ControlKind::Label};
    forms::Control Label1{*this, "Label1", forms::ControlKind::Label};
    forms::Control Label3{*this, "Label3", forms::ControlKind::Label};
    forms::Control Label4{*this, "Label4", forms::ControlKind::Label};
    forms::Control cmdTe{*this, "cmdTe", forms::ControlKind::Button};
    forms::Control cmdComputer{*this, "cmdComputer", forms::ControlKind::Button};
    forms::Control Image1{*this, "Image1", forms::ControlKind::Picture};
    forms::Control Image2{*this, "Image2", forms::ControlKind::Picture};
    forms::Control Label5{*this, "Label5", forms::ControlKind::Label};
    forms::Control CmdAddizione1{*this, "CmdAddizione1", forms::ControlKind::Button};
    forms::Control CmdAddizione2{*this, "CmdAddizione2", forms::ControlKind::Button};
    forms::Control CmdSottrazione{*this, "CmdSottrazione", forms::ControlKind::Button};
    forms::Control CmdMoltiplicazione1{*this, "CmdMoltiplicazione1", forms::ControlKind::Button};
    forms::Control CmdMoltiplicazione2{*this, "CmdMoltiplicazione2", forms::ControlKind::Button};
    forms::Control cmdDivisione1{*this, "cmdDivisione1", forms::ControlKind::Button};
    forms::Control cmdDivisione2{*this, "cmdDivisione2", forms::ControlKind::Button};
    forms::Control cmdInfo{*this, "cmdInfo", forms::ControlKind::Button};
    forms::Control Check1{*this, "Check1", forms::ControlKind::CheckBox};
    forms::Control cmdEsci{*this, "cmdEsci", forms::ControlKind::Button};
    forms::Control Timer1{*this, "Timer1", forms::ControlKind::Timer};

    void Form_Load() override;
    void Timer1_Timer();
    void cmdTe_MouseDown() { sceglie(DaTe); }
    void cmdComputer_MouseDown() { sceglie(DalComputer); }
    void Check1_Click();
    void cmdInfo_Click();
    void cmdEsci_Click();

    int Lampeggio = 0;

  private:
    void sceglie(int chi);
    void apriEsercizio(const char* window);

    Module1& m_;
};

} // namespace app
