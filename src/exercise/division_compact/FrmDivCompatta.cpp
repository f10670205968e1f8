#include "exercise/division_compact/FrmDivCompatta.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::DalComputer;
using app::DaTe;

namespace {

constexpr forms::Rgb kSfondo = 0xFFC080;

Configurazione configurazione() {
    Configurazione c;
    c.nome = "frmDivCompatta";
    c.titoloFinestra = "Divisione Compatta";
    c.titolo = "Divisione compatta";
    c.icona = "icon_divisione";
    c.larghezza = 9516;
    c.altezza = 6828;
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
    c.layoutStampa = "frmDivCompatta_bis";
    return c;
}

} // namespace

FrmDivCompatta::FrmDivCompatta(app::Module1& m)
    : FinestraInserisci(m, configurazione()), LavagnaCompatta(*this, {0, 0, kSfondo, 435}),
      CmbDividendo(lista(0)), CmbDivisore(lista(1)), Label1(*didascalie[0]), Label2(*didascalie[1]) {
    // The template lays its controls out as the addition window has them; this window's places.
    Label5.place(120, 0, 6675, 795);
    Label1.place(1440, 900, 1995, 555);
    Label2.place(3360, 900, 1995, 555);
    Label1.text = "N° cifre dividendo";
    Label2.text = "N° cifre divisore";
    txtFattori[0].place(2160, 1500, 1035, 405);
    txtFattori[1].place(4080, 1500, 1035, 405);
    CmbDividendo.place(2160, 1500, 615, 315);
    CmbDivisore.place(4080, 1500, 615, 315);
    mano[0].place(1500, 1440, 384, 384);
    mano[1].place(3420, 1440, 384, 384);
    Check2.place(5640, 1020, 1395, 375);
    CmdInserisci.place(5640, 1560, 1395, 495);
    cmdStampa.place(7620, 1380, 1395, 495);
    Frame1.place(7320, 2100, 1935, 2655);
    backspace.place(8040, 4140, 1095, 495); // exactly over CmdAiuto
    CmdRipeti.place(5640, 4920, 1395, 495);
    CmdEnd.place(7560, 4920, 1395, 495);
    for (Control* faccia : {&Image1, &Image2, &Image3, &Image4})
        faccia->place(960, 3720, 900, 855);
    lblUao.place(600, 4620, 1515, 615);
    LblRisultato.place(420, 5580, 8595, 525).withFont(18, true);
    LblRisultato.text = "Ciao";
    lblScrivi.place(420, 6120, 8595, 465).withFont(18, true);
    Shape1.place(7320, 180, 1935, 975);
    Line2.place(7320, 660, 0, 0);
    Line2.x2 = 9240;
    Line2.y2 = 660;
    Label6.place(7380, 180, 1155, 435);
    lblFatte.place(8640, 180, 495, 435);
    Label7.place(7380, 660, 1035, 435);
    lblErrori.place(8640, 660, 495, 435);

    for (int i = 1; i <= 5; ++i)
        TxtDividendo[i].onClick = [this, i] { TxtDividendo_Click(i); };
    for (int i = 1; i <= 4; ++i)
        TxtDividendo[i].hand();
}

bool FrmDivCompatta::operandiValidi() const {
    return 1 <= Divisore && Divisore <= Dividendo;
}

std::string FrmDivCompatta::testoDividendo() const {
    return std::to_string(Dividendo);
}

void FrmDivCompatta::ingrigisciDividendo() {
    for (int i = 1; i <= 5; ++i)
        TxtDividendo[i].enabled = false;
}

void FrmDivCompatta::Form_Load() {
    FinestraEsercizio::Form_Load();
    ingrigisciDividendo();
}

void FrmDivCompatta::svuotaLavoro() {
    for (int i = 1; i <= 4; ++i) {
        txtCappello[i].text.clear();
        TxtQuoziente[i].text.clear();
        for (int k = 1; k <= 4; ++k)
            txtResto(k)[i].text.clear();
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].text.clear();
    }
}

void FrmDivCompatta::abilitaLavoro(bool acceso) {
    for (int i = 1; i <= 4; ++i) {
        TxtQuoziente[i].enabled = acceso;
        for (int k = 1; k <= 4; ++k)
            txtResto(k)[i].enabled = acceso;
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].enabled = acceso;
    }
}

void FrmDivCompatta::PulisciLavagna() {
    TxtDivisore.text.clear();
    svuotaLavoro();
    for (int i = 1; i <= 4; ++i) {
        TxtDividendo[i].text.clear();
        Cliccabile[i] = 0;
    }
    // The abandoned operation's dialogue ends with its board: no digit reaches a check now.
    TastierinoAttivo = 0;
    FaseQuoziente = 0;
    FaseResto = 0;
    FaseTrasferimento = 0;
}

void FrmDivCompatta::txtFattori_Click(int index) {
    ingrigisciDividendo();
    FinestraEsercizio::txtFattori_Click(index);
}

void FrmDivCompatta::Cmb_DropDown(int row) {
    FinestraEsercizio::Cmb_DropDown(row);
    Timer1.enabled = false;
}

void FrmDivCompatta::Check2_Click() {
    ingrigisciDividendo();
    FinestraEsercizio::Check2_Click();
}

void FrmDivCompatta::CmdInserisci_Click() {
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    fermaMano();
    Frame1.enabled = true;
    PulisciLavagna();
    pulisciMessaggi();
    CmdRipeti.enabled = false;
    cmdStampa.enabled = false;
    Colonna = 0;
    CifreDivisore = 0;
    CifreDividendo = 0;
    Guidato = 0;
    RigaResto = 0;

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
        if (!dividendo || !divisore || Dividendo == 0 || Divisore == 0 || CifreDivisore > CifreDividendo ||
            Dividendo < Divisore) {
            rifiutaOperandi();
            return;
        }
        backspace.visible = false; // uncovers the solution button
        MostraSoluzione = 0;
    }
    if (m_.ChiSceglie == DalComputer) {
        m_.ChiSceglieSalvato = DalComputer;
        CifreDividendo = cifreScelte(0);
        CifreDivisore = cifreScelte(1);
        if (CifreDivisore > CifreDividendo) {
            rifiutaOperandi();
            return;
        }
        const Limiti dividendo = limitiPerCifre(CifreDividendo);
        const Limiti divisore = limitiPerCifre(CifreDivisore);
        MinDividendo = dividendo.min;
        MaxDividendo = dividendo.max;
        MinDivisore = divisore.min;
        MaxDivisore = divisore.max;
        GeneraNumeri();
    }
    if (!operandiValidi()) return; // no choice of operands was made at all

    cmdStampa.enabled = true;
    CmdRipeti.enabled = true;
    mostraFaccia(1);
    m_.suonaSeAttivo(app::SuonoPronto);
    LblRisultato.text = "Esegui";
    lblUao.text = "";
    lblScrivi.text = "";
    txtFattori[0].text.clear();
    txtFattori[1].text.clear();
    ScriviNumeri();
    CalcolaSoluzione(false);
    m_.DaContare = 1;
    for (int i = 1; i <= 5; ++i)
        TxtDividendo[i].enabled = true;
}

void FrmDivCompatta::GeneraNumeri() {
    // The lists never ask for a divisor longer than the dividend, so the smallest pair
    // already fits: the loop ends as soon as the one generator gives a pair that divides.
    platform::Random& caso = m_.services.random;
    do {
        for (int i = 1; i <= 4; ++i)
            TxtDividendo[i].text.clear();
        Dividendo = caso.between(static_cast<int>(MinDividendo), static_cast<int>(MaxDividendo));
        Divisore = caso.between(static_cast<int>(MinDivisore), static_cast<int>(MaxDivisore));
    } while (Divisore > Dividendo);
}

void FrmDivCompatta::ScriviNumeri() {
    const std::string cifre = testoDividendo();
    for (int i = 1; i <= static_cast<int>(cifre.size()) && i <= 4; ++i)
        TxtDividendo[i].text.assign(1, cifre[i - 1]);
    Frame1.enabled = true;
    TxtDivisore.text = std::to_string(Divisore);
}

void FrmDivCompatta::CmdRipeti_Click() {
    m_.DaContare = 0;
    Colonna = 0;
    RigaResto = 0;
    FaseQuoziente = 0;
    FaseResto = 0;
    FaseTrasferimento = 0;
    ScriviNumeri();
    CalcolaSoluzione(true);
}

void FrmDivCompatta::CalcolaSoluzione(bool suonaPronto) {
    const auto risolta = risolviDivisioneCompatta(Dividendo, Divisore);
    if (!risolta) return;
    soluzione = *risolta;

    Guidato = Check2.checked ? 1 : 0;
    TastierinoAttivo = 0;
    for (int i = 1; i <= 4; ++i)
        Cliccabile[i] = 0;
    if (Guidato == 0) {
        mostraFaccia(1);
        if (suonaPronto) m_.suonaSeAttivo(app::SuonoPronto);
    }
    PosCifra = 0;
    for (int i = 1; i <= 5; ++i)
        TxtDividendo[i].enabled = true;
    scriviSoluzione();
    Colonna = soluzione.CifreIniziali;
    IniziaEsecuzione();
}

void FrmDivCompatta::scriviSoluzione() {
    for (int i = 1; i <= 4; ++i) {
        const char segno = soluzione.cappello[i];
        txtCappello[i].text = segno == 0 ? std::string() : std::string(1, segno);
        TxtQuoziente[i].text = i <= soluzione.passi ? std::to_string(soluzione.Quoziente[i]) : std::string();
        for (int k = 1; k <= 4; ++k) {
            const char c = soluzione.righeResto[k][i];
            txtResto(k)[i].text = c == 0 ? std::string() : std::string(1, c);
        }
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].text.clear();
    }
}

void FrmDivCompatta::IniziaEsecuzione() {
    if (MostraSoluzione == 0) svuotaLavoro();
    abilitaLavoro(false);
    for (int i = numeroCifre(Dividendo) + 1; i <= 5; ++i)
        TxtDividendo[i].enabled = false;
    LblRisultato.text = "Quante cifre del dividendo devo considerare ?";
    static const char* const ordinali[] = {"", "prima", "seconda", "terza"};
    lblScrivi.text = Guidato == 0
                         ? "Clicca sulla cifra scelta."
                         : std::string("Clicca sulla ") + ordinali[soluzione.CifreIniziali] + " cifra.";
    for (int i = 1; i <= CifreDividendo && i <= 4; ++i)
        Cliccabile[i] = MostraSoluzione == 0;
    lblUao.text = "";
}

void FrmDivCompatta::CmdAiuto_Click() {
    // Nothing to solve unless an operation stands on the board: after a refused insert
    // the board is empty while the operands may still be the last operation's.
    if (!operandiValidi() || TxtDivisore.text.empty()) return;
    MostraSoluzione = 1;
    CalcolaSoluzione(false);
    Frame1.enabled = false;
    mostraFaccia(1);
    m_.suonaSeAttivo(app::SuonoPronto);
    LblRisultato.text = "Fatto";
    MostraSoluzione = 0;
    setFocus(CmdRipeti);
    lblScrivi.text = "";
    lblUao.text = "";
}

std::vector<const forms::ControlArray*> FrmDivCompatta::righeDaStampare() const {
    // The mark rows stay empty on paper.
    return {&txtCappello, &TxtDividendo, &TxtQuoziente, &txtResto1, &txtResto2, &txtResto3, &txtResto4};
}

void FrmDivCompatta::cmdStampa_Click() {
    // The divisor is a single cell; the rows are the template's to copy, and it prints.
    forms::Form& layout = m_.forms.load(config().layoutStampa);
    if (Control* copia = layout.find(TxtDivisore.name())) copia->text = TxtDivisore.text;
    FinestraEsercizio::cmdStampa_Click();
}

FrmDivCompattaBis::FrmDivCompattaBis()
    : Form("frmDivCompatta_bis"), LavagnaCompatta(*this, {660, -300, 0xFFFFFF, 405}) {
    width = 9480;
    height = 6792;
    backColor = 0xFFFFFF;
}

} // namespace exercise
