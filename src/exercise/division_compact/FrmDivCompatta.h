#pragma once

#include "exercise/FinestraInserisci.h"
#include "exercise/division_compact/LavagnaCompatta.h"
#include "exercise/division_compact/SoluzioneCompatta.h"

#include <array>

namespace exercise {

// Short division: a dividend of up to four digits by a divisor of one or two, worked as
// a dialogue. The child first clicks the last digit of the first partial dividend, then
// types each quotient digit, each remainder (units first) and each digit brought down.
class FrmDivCompatta : public FinestraInserisci, public LavagnaCompatta {
  public:
    explicit FrmDivCompatta(app::Module1& m);

    // This window's names for the template's controls.
    Control& CmdAiuto = Soluzione;
    Control& Label6 = Eseguite;
    Control& Label7 = Errori;
    Control& Line2 = Separatore;
    Control& CmbDividendo;
    Control& CmbDivisore;
    Control& Label1;
    Control& Label2;

    // 1 on a dividend cell while a click on it answers the first question; by cell index.
    std::array<int, 6> Cliccabile{};

    // The operation on the board.
    int Dividendo = 0, Divisore = 0;
    int CifreDividendo = 0, CifreDivisore = 0;
    long MinDividendo = 0, MaxDividendo = 0, MinDivisore = 0, MaxDivisore = 0;
    // Every expected answer, fixed when the operation is set up.
    SoluzioneCompatta soluzione;

    // Where the dialogue stands.
    int TastierinoAttivo = 0; // keypad digits reach the checks only once the first question is answered
    int FaseQuoziente = 0, FaseResto = 0, FaseTrasferimento = 0;
    int PosQuoziente = 0; // the quotient cell being asked, 1..4
    int RigaResto = 0;    // the remainder row being written, 1..4 (0 before the first)
    int Colonna = 0;      // the current cell in the dividend, mark and remainder rows
    int PosCifra = 0;     // 1 while a remainder's units digit is asked, 2 its tens digit
    int Riporto = 0;      // tens borrowed in the guided units column of a two-digit divisor

    void Form_Load() override;
    void txtFattori_Click(int index) override;
    void Cmb_DropDown(int row) override;
    void Check2_Click() override;
    void CmdInserisci_Click() override;
    void CmdRipeti_Click() override;
    void CmdAiuto_Click();
    void cmdStampa_Click() override;
    void TxtDividendo_Click(int index);

    void CmdRisolvi_Click() override { CmdAiuto_Click(); }

  protected:
    void ScriviCifra() override;
    void ProssimoPasso() override;
    void PulisciLavagna() override;
    // Empties everything the child writes: marks, quotient, remainders.
    void svuotaLavoro();
    // Greys, or un-greys, the quotient, remainder and mark cells (their text stays).
    void abilitaLavoro(bool acceso);
    std::vector<const forms::ControlArray*> righeDaStampare() const override;

  private:
    void GeneraNumeri();
    void ScriviNumeri();
    // Works the division out and sets up its dialogue; suonaPronto is false when the
    // caller plays the "ready" sound itself.
    void CalcolaSoluzione(bool suonaPronto);
    void IniziaEsecuzione();
    void scriviSoluzione();

    void ScriviCifraResto();
    void SelezionaResto();
    void ControllaQuoziente();
    void ControllaResto();
    void ControllaTrasferimento();

    void suggerimentoUnaCifra(int k);
    void suggerimentoDueCifre(int k);
    void suggerimentoDecine(int k);
    void fineDivisione();
    void mostraConto(int quoziente, const std::string& fattore, int prodotto, const std::string& daCosa,
                     const std::string& resto);
    void mostraDivisione(int k);

    bool operandiValidi() const;
    void ingrigisciDividendo();
    // The dividend as its decimal digits, cell 1 the first.
    std::string testoDividendo() const;
};

// The print layout: a copy of the board on white, never shown.
class FrmDivCompattaBis : public forms::Form, public LavagnaCompatta {
  public:
    FrmDivCompattaBis();
};

} // namespace exercise
