#pragma once

#include "exercise/FinestraInserisci.h"
#include "exercise/FoglioStampa.h"
#include "exercise/subtraction/LavagnaSottrazione.h"
#include "exercise/subtraction/SoluzioneSottrazione.h"

#include <array>
#include <string>

namespace exercise {

// Column subtraction of a minuend and a subtrahend of one to five digits, with borrowing
// across zeros, worked as a dialogue from the units column leftwards: in a column that
// borrows, the child first lowers the lending digit (and turns each zero passed over into
// 9), then writes the column's new value in its borrow cell, then the difference digit.
class FrmSott1 : public FinestraInserisci, public LavagnaSottrazione {
  public:
    explicit FrmSott1(app::Module1& m);

    // The template's controls under this window's own names.
    Control& CmdRisolvi = Soluzione;
    Control& CmbMinuendo = lista(0);
    Control& CmbSottraendo = lista(1);
    Control& Label1 = *didascalie[0];
    Control& Label2 = *didascalie[1];
    Control& Label6 = Eseguite;
    Control& Label7 = Errori;
    Control& Line2 = Separatore;
    // No borrows: in computer mode only pairs that need no borrow are drawn.
    Control Check1{*this, "Check1", Kind::CheckBox};

    long Minuendo = 0, Sottraendo = 0;
    int CifreMinuendo = 0, CifreSottraendo = 0;
    long MinMinuendo = 0, MaxMinuendo = 0, MinSottraendo = 0, MaxSottraendo = 0;

    // Where the dialogue stands.
    int NumColonne = 0;        // 0: no operation on the board
    int Colonna = 0;           // the column being worked
    int PassoPrestito = 0;     // > 0: the next digit lowers the lender that many columns to the left
    std::string TestoPrestito; // the borrow cell's text before the last digit
    // Expected digits, by column; an entry becomes 0 once the child has written it right.
    std::array<int, 7> CifreDifferenza{};
    std::array<int, 7> CifrePrestito{};
    int PrestitoScritto = 0, CifraScritta = 0;

    void CmdInserisci_Click() override;
    void CmdRipeti_Click() override;
    void CmdRisolvi_Click() override;
    void Cmb_DropDown(int row) override;

  protected:
    void ScriviCifra() override;
    void ProssimoPasso() override;
    void PulisciLavagna() override;
    std::vector<const forms::ControlArray*> righeDaStampare() const override;
    Control* opzione() override { return &Check1; }

  private:
    void GeneraNumeri();
    void ScriviNumeri();
    // On a board that ScriviNumeri has just written afresh, so with the dialogue at its start.
    void CalcolaSoluzione(const SoluzioneSottrazione& soluzione);
    void IniziaEsecuzione();
    void ControllaCatena();
    void ControllaPrestito();
    void ControllaCifra();

    // Asks for the lowered digit of the lender k columns left of the current one.
    void chiediPrestatore(int k);
    // Asks for the difference digit of the current column, from the value v it works with.
    void chiediDifferenza(int v);
    // The first column to the left of the current one whose minuend digit is not 0.
    int distanzaPrestatore() const;
    bool operazioneInCorso() const { return 0 <= Colonna && Colonna < NumColonne; }
    void ingrigisciZeriIniziali();
    int valoreCella(const forms::ControlArray& riga, int i) const;
};

// The print layout: a copy of the board on white, never shown.
class FrmSott1Bis : public FoglioStampa, public LavagnaSottrazione {
  public:
    FrmSott1Bis();
};

} // namespace exercise
