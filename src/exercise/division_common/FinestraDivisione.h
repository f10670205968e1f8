#pragma once

#include "exercise/FinestraInserisci.h"
#include "exercise/division_common/LavagnaDivisione.h"
#include "exercise/division_common/SoluzioneDivisione.h"

#include <array>
#include <initializer_list>
#include <optional>

namespace exercise {

// What the compact and the extended division windows share: choosing and refusing the
// operands, drawing them, setting a division up and repeating it, the first question
// (which dividend digit ends the first partial dividend), the remainders, the digits
// brought down and the end. Each window adds its board, its solver and the checks that
// are its own.
class FinestraDivisione : public FinestraInserisci {
  public:
    // puntiMessaggi: the size of the result and hint lines.
    FinestraDivisione(app::Module1& m, const Configurazione& config, double puntiMessaggi);

    // The template's set-up for a division window of this name, caption, title and size.
    static Configurazione configurazione(const std::string& nome, const std::string& caption,
                                         const std::string& titolo, int larghezza, int altezza,
                                         const std::string& separatore);

    // Both windows' names for the template's controls.
    Control& CmdAiuto = Soluzione;
    Control& Label6 = Eseguite;
    Control& Label7 = Errori;
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

    // Where the dialogue stands.
    int TastierinoAttivo = 0; // keypad digits reach the checks only once the first question is answered
    int FaseQuoziente = 0, FaseProdotto = 0, FaseResto = 0, FaseTrasferimento = 0;
    int PosQuoziente = 0; // the quotient cell being asked, 1..4
    int RigaResto = 0;    // the remainder row being written, 1..4 (0 before the first)
    int Colonna = 0;      // the current cell in its row
    int PosCifra = 0;     // which digit of a product or remainder is asked, 1 = units
    int Riporto = 0;      // what the guided hints carry from one column to the next

    void Form_Load() override;
    void txtFattori_Click(int index) override;
    void Check2_Click() override;
    void CmdInserisci_Click() override;
    void CmdRipeti_Click() override;
    void CmdAiuto_Click();
    void cmdStampa_Click() override;
    void TxtDividendo_Click(int index);

    void CmdRisolvi_Click() override { CmdAiuto_Click(); }

  protected:
    struct Posto {
        Control* controllo;
        int left, top, width, height;
    };
    // Moves the template's controls to this window's places.
    static void posiziona(std::initializer_list<Posto> posti);
    // The dividend cells answer the first question; called once the board is made.
    void collegaDividendo();

    // Who sets the division up: the sound and face of "ready" depend on it.
    enum class Avvio { Inserisci, Ripeti, Soluzione };

    // The window's board and the division worked out for it.
    virtual LavagnaDivisione& lavagna() = 0;
    const LavagnaDivisione& lavagna() const { return const_cast<FinestraDivisione*>(this)->lavagna(); }
    virtual const SoluzioneDivisione& soluzione() const = 0;
    // Works the division out into the window's solution; false when the operands do not divide.
    virtual bool risolvi() = 0;
    // Writes the whole worked division into the board's cells.
    void scriviSoluzione();
    // What only this window's board shows of the finished division.
    virtual void completaSoluzione() {}
    // Whether setting the division up by this route shows the neutral face and says "ready".
    virtual bool annunciaPronto(Avvio chi) const = 0;
    // Empties, greys or un-greys everything the child writes (the greyed cells keep their
    // text): here the rows both boards have, a window adds its own.
    virtual void svuotaLavoro();
    virtual void abilitaLavoro(bool acceso);

    // The window's own checks and words.
    virtual void ControllaQuoziente() = 0;
    virtual void ScriviCifraProdotto() {}
    virtual void ControllaProdotto() {}
    virtual const char* uaoPrimaDomanda() const = 0;
    virtual const char* uaoUnitaResto() const = 0;
    virtual const char* uaoTrasferire(int k) const = 0;
    virtual const char* uaoTrasferito(int k) const = 0;
    // The guided hint for the tens digit of a two-digit remainder of step k.
    virtual void suggerimentoDecineResto(int k) = 0;

    void ScriviCifra() override;
    void ProssimoPasso() override;
    void PulisciLavagna() override;
    void ScriviCifraResto();
    virtual void SelezionaResto();
    void ControllaResto();
    void ControllaTrasferimento();

    void CalcolaSoluzione(Avvio chi);
    void IniziaEsecuzione();
    void fineDivisione();
    // A wrong digit: counted, erased and its cell asked again.
    void rifiuta(Control& cella);
    // Step k's remainder is asked next, its units digit first.
    void chiediResto(int k);
    // The partial dividend of step k divided, and its quotient digit to write.
    void mostraDivisione(int k);
    // A wrong quotient digit: erased and asked again. False then; true when it is right.
    bool quozienteGiusto(int k);

    // No phase open, no row or cell asked.
    void azzeraFasi();
    bool operandiValidi() const;
    void ingrigisciDividendo();
    // The dividend as its decimal digits, cell 1 the first.
    std::string testoDividendo() const;
    static bool cellaDellaRiga(int i) { return 1 <= i && i <= 4; }
    // The leading digit of n (n >= 0), as a one-character text.
    static std::string primaCifra(long n);

  private:
    void GeneraNumeri();
    void ScriviNumeri();
};

// A division window on its own board, with the solution its solver works out.
template <class LavagnaT, class SoluzioneT, std::optional<SoluzioneT> (*risolutore)(int, int)>
class FinestraDivisioneCon : public FinestraDivisione, public LavagnaT {
  public:
    FinestraDivisioneCon(app::Module1& m, const Configurazione& config, double puntiMessaggi,
                         const typename LavagnaT::Aspetto& aspetto)
        : FinestraDivisione(m, config, puntiMessaggi), LavagnaT(*this, aspetto) {
        collegaDividendo();
    }

    // Every expected answer, fixed when the operation is set up.
    SoluzioneT risolta;

  protected:
    LavagnaDivisione& lavagna() override { return *this; }
    const SoluzioneDivisione& soluzione() const override { return risolta; }
    bool risolvi() override {
        const auto s = risolutore(Dividendo, Divisore);
        if (s) risolta = *s;
        return s.has_value();
    }
};

} // namespace exercise
