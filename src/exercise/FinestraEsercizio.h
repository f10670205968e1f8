#pragma once

#include "app/Module1.h"
#include "forms/ControlArray.h"
#include "forms/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace exercise {

// How one operand is chosen: its entry box limit and the captions and list beside it.
struct Operando {
    std::string nomeLista{};        // the digit-count list, "CmbNPA"
    std::string nomeDidascalia{};   // the caption above the entry, "Label1"
    int maxCifre = 4;               // digits the entry box takes
    std::string testoDaTe{};        // caption while the child types the operand
    std::string testoDalComputer{}; // caption while the computer draws it
    std::vector<std::string> voci{"1", "2", "3", "4"};
    int minCifre = 1; // the fewest digits a typed operand may have
};

// What sets one exercise window apart from the template.
struct Configurazione {
    std::string nome;           // "frmAdd2"
    std::string titoloFinestra; // the window's caption
    std::string titolo;         // the title label inside the window
    std::string icona;
    int larghezza = 9504, altezza = 6816;
    std::string nomeInserisci = "CmdVai";
    std::string nomeRipeti = "CmdSomma";
    std::string nomeSoluzione = "CmdRisolvi";
    std::string nomeEseguite = "Label6";
    std::string nomeErrori = "Label7";
    std::string nomeSeparatore = "Line2";
    std::vector<Operando> operandi;
    std::string layoutStampa;   // "frmAdd2_bis"
    bool listaFermaMano = true; // opening a list stops the blinking hand for good
};

// A window of this name, caption, title and icon; its print layout takes the name with "_bis".
Configurazione configurazioneFinestra(std::string nome, std::string titoloFinestra, std::string titolo,
                                      std::string icona);

// The frame every exercise window shares: keypad, operand entry, pointing hand, faces,
// messages, counters, guide switch, the insert, repeat, solution, print and end buttons.
// A window derives from it, adds its board and fills in the hooks below.
class FinestraEsercizio : public forms::Form {
  public:
    FinestraEsercizio(app::Module1& m, const Configurazione& config);
    ~FinestraEsercizio() override;

    using Control = forms::Control;
    using Kind = forms::ControlKind;
    static constexpr forms::Rgb kSfondo = 0xFFC080; // the windows' background, which their cells take

    // Operand entry: lists first, so that the entry boxes lie above them.
    std::vector<std::unique_ptr<Control>> liste;
    std::vector<std::unique_ptr<Control>> didascalie;
    forms::ControlArray txtFattori;
    forms::ControlArray mano;

    Control Label5{*this, "Label5", Kind::Label};
    Control Shape1{*this, "Shape1", Kind::Shape};
    Control Separatore;
    Control Eseguite;
    Control lblFatte{*this, "lblFatte", Kind::Label};
    Control Errori;
    Control lblErrori{*this, "lblErrori", Kind::Label};
    Control cmdStampa{*this, "cmdStampa", Kind::Button};
    Control Frame1{*this, "Frame1", Kind::Frame};
    std::vector<std::unique_ptr<Control>> Cmd; // Cmd_0 .. Cmd_9, in Frame1
    Control Soluzione;                         // in Frame1
    Control backspace{*this, "backspace", Kind::Button};
    Control Ripeti;
    Control CmdEnd{*this, "CmdEnd", Kind::Button};
    Control Inserisci;
    Control Check2{*this, "Check2", Kind::CheckBox};
    Control Image1{*this, "Image1", Kind::Picture};
    Control Image2{*this, "Image2", Kind::Picture};
    Control Image3{*this, "Image3", Kind::Picture};
    Control Image4{*this, "Image4", Kind::Picture};
    Control LblRisultato{*this, "LblRisultato", Kind::Label};
    Control lblScrivi{*this, "lblScrivi", Kind::Label};
    Control lblUao{*this, "lblUao", Kind::Label};
    Control Timer1{*this, "Timer1", Kind::Timer};

    Control& lista(int i) { return *liste.at(static_cast<std::size_t>(i)); }
    Control& tasto(int k) { return *Cmd.at(static_cast<std::size_t>(k)); }

    // Form-level state shared by every exercise window.
    int Casella = 0;
    int Lampeggio = 0;
    std::string CifraPremuta;
    int Guidato = 0;
    int MostraSoluzione = 0;

    void Form_Load() override;
    void Timer1_Timer();
    void CmdEnd_Click();
    virtual void txtFattori_Click(int index);
    void txtFattori_Change(int index);
    void backspace_Click();
    void Cmd_Click(int digit);
    virtual void Cmb_DropDown(int row);
    void Cmb_Click(int row);
    virtual void cmdStampa_Click();

    // The window's own operation.
    virtual void CmdVai_Click() = 0;
    virtual void CmdSomma_Click() = 0;
    // The solution: the repeat run with every worked cell left filled, keypad off, not counted.
    virtual void CmdRisolvi_Click();
    // The guide switch changed: the board starts afresh.
    virtual void Check2_Click();
    // The option box changed: the board is set aside until the next "OK".
    void Check1_Click();

  protected:
    // A keypad digit while the operation is being worked: into the current cell...
    virtual void ScriviCifra() = 0;
    // ...then checked, and on to the next step.
    virtual void ProssimoPasso() = 0;
    // Empties every cell of the board.
    virtual void PulisciLavagna() = 0;
    // The board's rows that the print button copies into the print layout.
    virtual std::vector<const forms::ControlArray*> righeDaStampare() const = 0;
    // The option check box of the window (no carries, no borrows), if it has one.
    virtual Control* opzione() { return nullptr; }
    // Lays the option box out, ticked: its picture, and the one it shows while ticked.
    void disponiOpzione(Control& box, int left, int top, int width, const char* immagine,
                        const char* spuntata);

    const Configurazione& config() const { return config_; }
    int numeroOperandi() const { return static_cast<int>(config_.operandi.size()); }

    // Shows face k (1 neutral, 2 smiling, 3 laughing, 4 sad) and hides the other three.
    void mostraFaccia(int k);
    // The four faces lie one over the other, at this place.
    void spostaFacce(int left, int top);
    void pulisciMessaggi();
    // An option changed or a list opened: print, keypad and repeat off, board and messages empty.
    void abbandonaOperazione();
    void mostraContatori();
    // A right answer: the smiling face and sound 104; the praise is the window's own.
    void rispostaGiusta();
    // ...with its praise and exclamation outside guided mode.
    void rispostaGiusta(const char* lode, const char* uao);
    // Child mode: the typed operands into the given variables, each read strictly (decimal
    // digits within its box's length). When one is unusable it counts 0 and, with no
    // message, the active entry box takes digits again: false.
    bool operandiDigitati(const std::vector<long*>& valori);
    // The opening of the insert button: the start choice in force again, the hand steady,
    // guide off, board and messages empty, keypad on, print and repeat off.
    void iniziaInserimento();
    // Operands taken: print and repeat on, neutral face, entry boxes emptied for the next ones.
    void operandiAccettati();
    // The start of every run of the operation on the board: not counted (the insert counts
    // it afterwards), guided as the switch says, keypad on, neutral face, sound 105, messages
    // empty. uaoResta: in guided mode the last exclamation stays beside the first hint.
    void preparaEsecuzione(bool uaoResta = false);
    // The last right digit: laughing face, sound 101, praise, counted, keypad off; the
    // guide is left as it is.
    void operazioneFinita(const char* uao);
    // A wrong answer: the sad face and sound 103; outside guided mode "Riprova" and
    // "ops!", and one more error while the operation counts.
    void rispostaSbagliata();
    // A wrong answer: counted only while the operation counts and the guide is off.
    void contaErrore();
    // A finished operation: counted likewise.
    void contaEseguita();
    // The digits chosen in list i ("1" to "4"); 1 when nothing is chosen.
    int cifreScelte(int i) const;
    // Stops the blinking hand for good and shows it at the active entry.
    void fermaMano();
    void spostaMano(int casella);

    app::Module1& m_;

  private:
    Configurazione config_;
};

} // namespace exercise
