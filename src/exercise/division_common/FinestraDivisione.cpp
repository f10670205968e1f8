#include "exercise/division_common/FinestraDivisione.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::DalComputer;
using app::DaTe;

Configurazione FinestraDivisione::configurazione(const std::string& nome, const std::string& caption,
                                                 const std::string& titolo, int larghezza, int altezza,
                                                 const std::string& separatore) {
    Configurazione c = configurazioneFinestra(nome, caption, titolo, "icon_divisione");
    c.larghezza = larghezza;
    c.altezza = altezza;
    c.nomeSeparatore = separatore;
    c.nomeInserisci = "CmdInserisci";
    c.nomeRipeti = "CmdRipeti";
    c.nomeSoluzione = "CmdAiuto";
    c.operandi = {
        {"CmbDividendo",
         "Label1",
         4,
         "     Clicca e scrivi     (max 4 cifre)",
         "                     N° cifre dividendo",
         {"1", "2", "3", "4"}},
        {"CmbDivisore",
         "Label2",
         2,
         "     Clicca e scrivi     (max 2 cifre)",
         "                      N° cifre divisore",
         {"1", "2"}},
    };
    return c;
}

FinestraDivisione::FinestraDivisione(app::Module1& m, const Configurazione& config, double puntiMessaggi)
    : FinestraInserisci(m, config), CmbDividendo(lista(0)), CmbDivisore(lista(1)), Label1(*didascalie[0]),
      Label2(*didascalie[1]) {
    LblRisultato.withFont(puntiMessaggi, true);
    lblScrivi.withFont(puntiMessaggi, true);
    LblRisultato.text = "Ciao";
    // Where both division windows have them; the template lays its controls out as the
    // addition window has them, and each division window places the rest.
    Label1.text = "N° cifre dividendo";
    Label2.text = "N° cifre divisore";
    posiziona({{&cmdStampa, 7620, 1380, 1395, 495},
               {&Frame1, 7320, 2100, 1935, 2655},
               {&backspace, 8040, 4140, 1095, 495}, // exactly over CmdAiuto
               {&Shape1, 7320, 180, 1935, 975},
               {&Separatore, 7320, 660, 0, 0},
               {&Label6, 7380, 180, 1155, 435},
               {&lblFatte, 8640, 180, 495, 435},
               {&Label7, 7380, 660, 1035, 435},
               {&lblErrori, 8640, 660, 495, 435}});
    Separatore.x2 = 9240;
    Separatore.y2 = 660;
}

void FinestraDivisione::posiziona(std::initializer_list<Posto> posti) {
    for (const Posto& p : posti)
        p.controllo->place(p.left, p.top, p.width, p.height);
}

void FinestraDivisione::collegaDividendo() {
    LavagnaDivisione& b = lavagna();
    for (int i = 1; i <= 5; ++i)
        b.TxtDividendo[i].onClick = [this, i] { TxtDividendo_Click(i); };
    for (int i = 1; i <= 4; ++i)
        b.TxtDividendo[i].hand();
}

std::string FinestraDivisione::primaCifra(long n) {
    return cifra(n, numeroCifre(n) - 1);
}

bool FinestraDivisione::operandiValidi() const {
    return 1 <= Divisore && Divisore <= Dividendo;
}

std::string FinestraDivisione::testoDividendo() const {
    return std::to_string(Dividendo);
}

void FinestraDivisione::ingrigisciDividendo() {
    for (int i = 1; i <= 5; ++i)
        lavagna().TxtDividendo[i].enabled = false;
}

void FinestraDivisione::Form_Load() {
    FinestraEsercizio::Form_Load();
    ingrigisciDividendo();
}

void FinestraDivisione::PulisciLavagna() {
    LavagnaDivisione& b = lavagna();
    b.TxtDivisore.text.clear();
    svuotaLavoro();
    for (int i = 1; i <= 4; ++i) {
        b.TxtDividendo[i].text.clear();
        Cliccabile[i] = 0;
    }
    // The abandoned operation's dialogue ends with its board: no digit reaches a check now.
    TastierinoAttivo = 0;
    azzeraFasi();
}

void FinestraDivisione::svuotaLavoro() {
    LavagnaDivisione& b = lavagna();
    b.svuota(b.txtCappello);
    b.svuota(b.TxtQuoziente);
    for (int k = 1; k <= 4; ++k)
        b.svuota(b.txtResto(k));
    for (int k = 0; k < b.righeSegni(); ++k)
        b.svuota(b.RP(k));
}

void FinestraDivisione::abilitaLavoro(bool acceso) {
    LavagnaDivisione& b = lavagna();
    b.abilita(b.TxtQuoziente, acceso);
    for (int k = 1; k <= 4; ++k)
        b.abilita(b.txtResto(k), acceso);
}

void FinestraDivisione::azzeraFasi() {
    Colonna = 0;
    RigaResto = 0;
    FaseQuoziente = 0;
    FaseProdotto = 0;
    FaseResto = 0;
    FaseTrasferimento = 0;
}

void FinestraDivisione::txtFattori_Click(int index) {
    ingrigisciDividendo();
    FinestraEsercizio::txtFattori_Click(index);
}

void FinestraDivisione::Check2_Click() {
    ingrigisciDividendo();
    FinestraEsercizio::Check2_Click();
}

void FinestraDivisione::CmdInserisci_Click() {
    iniziaInserimento();
    // Until new operands are accepted there is no operation: nothing to solve or repeat.
    Dividendo = 0;
    Divisore = 0;
    CifreDivisore = 0;
    CifreDividendo = 0;

    if (m_.ChiSceglie == DaTe) {
        m_.ChiSceglieSalvato = DaTe;
        m_.ChiSceglie = app::InEsecuzione;
        backspace.visible = true;
        const auto dividendo = leggiOperando(txtFattori[0].text, 4);
        const auto divisore = leggiOperando(txtFattori[1].text, 2);
        Dividendo = static_cast<int>(dividendo.value_or(0));
        Divisore = static_cast<int>(divisore.value_or(0));
        CifreDividendo = numeroCifre(Dividendo);
        CifreDivisore = numeroCifre(Divisore);
        if (!dividendo || !divisore || !operandiValidi()) {
            rifiutaOperandi();
            return;
        }
        backspace.visible = false; // uncovers the solution button
        MostraSoluzione = 0;
    }
    if (m_.ChiSceglie == DalComputer) {
        m_.ChiSceglieSalvato = DalComputer;
        if (!scegliCifre(CifreDividendo, CifreDivisore, MinDividendo, MaxDividendo, MinDivisore, MaxDivisore))
            return;
        GeneraNumeri();
    }
    if (!operandiValidi()) return; // no choice of operands was made at all

    operandiAccettati();
    LblRisultato.text = "Esegui";
    ScriviNumeri();
    CalcolaSoluzione(Avvio::Inserisci);
    m_.DaContare = 1;
    for (int i = 1; i <= 5; ++i)
        lavagna().TxtDividendo[i].enabled = true;
}

void FinestraDivisione::GeneraNumeri() {
    // The lists never ask for a divisor longer than the dividend, so the smallest pair
    // already fits: the loop ends as soon as the one generator gives a pair that divides.
    platform::Random& caso = m_.services.random;
    do {
        Dividendo = caso.between(static_cast<int>(MinDividendo), static_cast<int>(MaxDividendo));
        Divisore = caso.between(static_cast<int>(MinDivisore), static_cast<int>(MaxDivisore));
    } while (Divisore > Dividendo);
}

void FinestraDivisione::ScriviNumeri() {
    LavagnaDivisione& b = lavagna();
    const std::string cifre = testoDividendo();
    for (int i = 1; i <= static_cast<int>(cifre.size()) && i <= 4; ++i)
        b.TxtDividendo[i].text.assign(1, cifre[i - 1]);
    Frame1.enabled = true;
    b.TxtDivisore.text = std::to_string(Divisore);
}

void FinestraDivisione::CmdRipeti_Click() {
    // Nothing to repeat unless an operation was set up: "Ripeti" is greyed until then.
    if (!operandiValidi()) return;
    m_.DaContare = 0;
    azzeraFasi();
    ScriviNumeri();
    CalcolaSoluzione(Avvio::Ripeti);
}

void FinestraDivisione::CalcolaSoluzione(Avvio chi) {
    if (!risolvi()) return;
    LavagnaDivisione& b = lavagna();
    Guidato = Check2.checked ? 1 : 0;
    TastierinoAttivo = 0;
    for (int i = 1; i <= 4; ++i)
        Cliccabile[i] = 0;
    if (annunciaPronto(chi)) {
        mostraFaccia(1);
        m_.suonaSeAttivo(app::SuonoPronto);
    }
    PosCifra = 0;
    for (int i = 1; i <= 5; ++i)
        b.TxtDividendo[i].enabled = true;
    // Only a solution on show is written: otherwise the child's work starts empty.
    if (MostraSoluzione == 1)
        scriviSoluzione();
    else
        svuotaLavoro();
    Colonna = soluzione().CifreIniziali;
    IniziaEsecuzione();
}

void FinestraDivisione::scriviSoluzione() {
    LavagnaDivisione& b = lavagna();
    const SoluzioneDivisione& s = soluzione();
    svuotaLavoro();
    b.scriviRiga(b.txtCappello, s.cappello);
    for (int k = 1; k <= 4; ++k) {
        b.scriviRiga(b.txtResto(k), s.righeResto[static_cast<std::size_t>(k)]);
        b.TxtQuoziente[k].text = k <= s.passi ? std::to_string(s.Quoziente[static_cast<std::size_t>(k)]) : "";
    }
    completaSoluzione();
}

void FinestraDivisione::IniziaEsecuzione() {
    abilitaLavoro(false);
    for (int i = numeroCifre(Dividendo) + 1; i <= 5; ++i)
        lavagna().TxtDividendo[i].enabled = false;
    LblRisultato.text = "Quante cifre del dividendo devo considerare ?";
    static const char* const ordinali[] = {"", "prima", "seconda", "terza"};
    lblScrivi.text = Guidato == 0
                         ? "Clicca sulla cifra scelta."
                         : std::string("Clicca sulla ") + ordinali[soluzione().CifreIniziali] + " cifra.";
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        Cliccabile[i] = MostraSoluzione == 0;
    lblUao.text = "";
}

void FinestraDivisione::CmdAiuto_Click() {
    // Nothing to solve unless an operation stands on the board: after a refused insert
    // the board is empty while the operands may still be the last operation's.
    if (!operandiValidi() || lavagna().TxtDivisore.text.empty()) return;
    MostraSoluzione = 1;
    CalcolaSoluzione(Avvio::Soluzione);
    Frame1.enabled = false;
    mostraFaccia(1);
    LblRisultato.text = "Fatto";
    MostraSoluzione = 0;
    setFocus(CmdRipeti);
    lblScrivi.text = "";
    lblUao.text = "";
}

void FinestraDivisione::cmdStampa_Click() {
    // The divisor is a single cell; the rows are the template's to copy, and it prints.
    forms::Form& layout = m_.forms.load(config().layoutStampa);
    const forms::Control& divisore = lavagna().TxtDivisore;
    if (Control* copia = layout.find(divisore.name())) copia->text = divisore.text;
    FinestraEsercizio::cmdStampa_Click();
}

} // namespace exercise
