#pragma once

#include "exercise/FinestraColonne.h"
#include "exercise/Numeri.h"
#include "exercise/addition/LavagnaAddizione.h"

#include <string>
#include <vector>

namespace exercise {

// An addend typed in its entry box ("Clicca e scrivi (max 4 cifre)") or drawn with the number
// of digits chosen in its list ("N° cifre primo addendo").
Operando operandoAddendo(std::string lista, std::string didascalia, const std::string& ordinale);

// Column addition of one to four digit addends, one per operand of the window: the board,
// its sum and the hints of its columns. The windows with two and with three addends add
// what is their own.
class FinestraAddizione : public FinestraColonne, public LavagnaAddizione {
  public:
    // uaoFinale: the exclamation at the finish.
    FinestraAddizione(app::Module1& m, const Configurazione& config, const PostiAddizione& posti,
                      std::string uaoFinale);

    // The template's controls under the names these windows give them.
    Control& CmdSomma = Ripeti;
    Control& CmbNPA = lista(0);
    Control& CmbNSA = lista(1);
    Control& Line2 = Separatore;

    std::vector<long>& Addendi = Operandi; // PrimoAddendo, SecondoAddendo...
    // The columns being worked: Colonna, NumColonne, the digits and carries still due.
    ColonneConRiporto colonne{TxtRiporto, TxtSomma};

    void CmdSomma_Click() override;
    void Check2_Click() override;

  protected:
    // Lays out the board with its addends' rows and signs, from the first addend down.
    void disponiLavagna(const std::vector<forms::ControlArray*>& addendi, const std::vector<Control*>& segni);

    void ScriviNumeri() override;
    ColonneConRiporto& rigaCorrente() override { return colonne; }
    void fineRiga() override;
    // The addends' digits as numbers, each with its blank.
    void suggerisci(bool) override { suggerisciSomma(colonne, addendi_, lblScrivi, true); }
    void PulisciLavagna() override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;

    std::vector<forms::ControlArray*> addendi_; // from the first down, as laid out

  private:
    PostiAddizione posti_;
    std::string uaoFinale_;
};

} // namespace exercise
