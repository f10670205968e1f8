#pragma once

#include "exercise/ColonneConRiporto.h"
#include "exercise/FinestraEsercizio.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace exercise {

// What the addition and the multiplication windows share: the operands typed or drawn and
// written onto the board, and the child's dialogue, one row of digits after the other, each
// under its row of carries, column by column from the units.
class FinestraColonne : public FinestraEsercizio {
  public:
    FinestraColonne(app::Module1& m, const Configurazione& config);

    // The template's controls under the names these windows give them.
    Control& CmdVai = Inserisci;
    Control& CmdRisolvi = Soluzione;
    Control& Label1 = *didascalie[0];
    Control& Label2 = *didascalie[1];

    // The operands, one per entry box, and their digits.
    std::vector<long> Operandi;
    std::vector<int> CifreOperandi;
    int Fase = 0; // the row being worked, 0 the first

    void CmdVai_Click() override;

  protected:
    // Computer mode: the operands drawn with the digits chosen in their lists.
    virtual void estraiOperandi() { GeneraNumeri(); }
    void GeneraNumeri();
    // Writes the operands' digits into their rows and fits the bar to their columns.
    virtual void ScriviNumeri() = 0;
    // ...the rows from the first operand down; the bar's left end over no column at all.
    void scriviOperandi(const std::vector<forms::ControlArray*>& righe, forms::Control& barra, int bordo);

    // The row the keypad writes into now.
    virtual ColonneConRiporto& rigaCorrente() = 0;
    // The current row is done.
    virtual void fineRiga() = 0;
    // The guided hint for the digit the current row asks next; primo: the operation's first hint.
    virtual void suggerisci(bool primo) = 0;

    void ScriviCifra() override;
    void ProssimoPasso() override;
    // On rows imposta has just set: blanks what the child writes and asks for the first digit,
    // unless the solution is shown.
    void IniziaEsecuzione(std::initializer_list<ColonneConRiporto*> righe);
    // A run of an operation worked in one row: the row takes the solution, written out, and
    // the dialogue starts as IniziaEsecuzione has it.
    void eseguiRiga(ColonneConRiporto& riga, const Colonne& soluzione);
    // Asks for the first digit of a row: "Esegui", or in guided mode its hint.
    void chiediPrimaCifra(bool primo);
    // The finish, after which the guide is off until the next run.
    void fineOperazione(const char* uao);

    // The hint of a sum digit: the carry the column received, if any, and the addends'
    // digits (an empty cell counting 0). The column of a final carry has its digit alone,
    // written into `ultima`.
    void suggerisciSomma(const ColonneConRiporto& riga, const std::vector<forms::ControlArray*>& addendi,
                         Control& ultima, bool comeNumeri);
    // A step's hint: the terms as written, "=" and the result; "Scrivi" and its last digit.
    void suggerisciConto(const std::string& conto, int risultato);
    // A term of a hint: the digit as its cell shows it or, comeNumeri, as a number with its blank.
    static std::string termine(const Control& cella, bool comeNumeri);

  private:
    // Asks for the current row's next carry or digit.
    void chiedi();
};

} // namespace exercise
