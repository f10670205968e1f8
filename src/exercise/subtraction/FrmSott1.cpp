#include "exercise/subtraction/FrmSott1.h"

#include "exercise/Numeri.h"
#include "exercise/addition/CelleOperazione.h"
#include "exercise/subtraction/SoluzioneSottrazione.h"

#include <algorithm>
#include <optional>

namespace exercise {

using app::DalComputer;
using app::DaTe;

namespace {

constexpr int kMaxCifre = 5;
constexpr int kMaxEstrazioni = 1000;

Configurazione configurazione() {
    Configurazione c = configurazioneFinestra("frmSott1", "Sottrazione", "Sottrazione", "icon_sottrazione");
    c.nomeInserisci = "CmdInserisci";
    c.nomeRipeti = "CmdRipeti";
    const std::vector<std::string> voci{"1", "2", "3", "4", "5"};
    c.operandi = {
        {"CmbMinuendo", "Label1", kMaxCifre, "Clicca e scrivi (max 5 cifre)", "N° cifre minuendo", voci},
        {"CmbSottraendo", "Label2", kMaxCifre, "Clicca e scrivi (max 5 cifre)", "N° cifre sottraendo", voci},
    };
    return c;
}

// Raises each digit of the minuend to the subtrahend's where it is smaller: the pair then
// needs no borrow, and the minuend keeps its number of digits.
long senzaPrestiti(long minuendo, long sottraendo) {
    long risultato = 0;
    for (long peso = 1; minuendo / peso > 0; peso *= 10)
        risultato += std::max(minuendo / peso % 10, sottraendo / peso % 10) * peso;
    return risultato;
}

} // namespace

FrmSott1::FrmSott1(app::Module1& m)
    : FinestraInserisci(m, configurazione()), LavagnaSottrazione(*this, {0, kSfondo, 0x000080}) {
    // The template lays its controls out as the addition window has them; this window's places.
    Label5.place(1860, 120, 4875, 855);
    Check2.place(960, 1500, 1635, 375);
    for (int i = 0; i < 2; ++i) {
        didascalie[static_cast<std::size_t>(i)]->place(60, 2040 + 660 * i, 3015, 255);
        txtFattori[i].place(1200, 2340 + 660 * i, 1035, 405);
        lista(i).place(1440, 2340 + 660 * i, 615, 315);
        mano[i].place(540, 2280 + 660 * i, 384, 384);
    }
    CmdInserisci.place(1020, 3600, 1395, 495);
    spostaFacce(1260, 4440);
    LblRisultato.place(3060, 4680, 3135, 615).text = "Ciao";
    lblScrivi.place(3060, 5340, 3135, 615);
    lblUao.place(960, 5280, 1515, 615);
    Label1.text = "N° cifre minuendo";
    Label2.text = "N° cifre sottraendo";
    disponiOpzione(Check1, 960, 1020, 1635, "check_senza_prestito", "check_con_prestito");
    // The child writes a borrow cell a digit at a time: where the next one goes shows.
    for (int i = 0; i < kColonne; ++i)
        TxtPrestito[i].caret = true;
}

void FrmSott1::CmdInserisci_Click() {
    iniziaInserimento();
    std::optional<SoluzioneSottrazione> soluzione;
    if (m_.ChiSceglie == DaTe) {
        // Anything but 1 to 5 digits, a 0, or a subtrahend larger than the minuend is refused.
        if (!operandiDigitati({&Minuendo, &Sottraendo})) return;
        soluzione = risolviSottrazione(Minuendo, Sottraendo);
        if (!soluzione) {
            rifiutaOperandi();
            return;
        }
        backspace.visible = false; // uncovers the solution button
    } else if (m_.ChiSceglie == DalComputer) {
        if (!scegliCifre(CifreMinuendo, CifreSottraendo, MinMinuendo, MaxMinuendo, MinSottraendo,
                         MaxSottraendo))
            return;
        // A drawn pair is always one risolviSottrazione accepts. About one five-digit pair in
        // twenty needs no borrow, so a few dozen draws do; the bound only keeps a broken
        // generator from holding the window, its last pair raised to need none.
        for (int estrazioni = 1;; ++estrazioni) {
            GeneraNumeri();
            if (estrazioni == kMaxEstrazioni) Minuendo = senzaPrestiti(Minuendo, Sottraendo);
            soluzione = risolviSottrazione(Minuendo, Sottraendo);
            if (!Check1.checked || !soluzione->richiedePrestito()) break;
        }
    } else {
        rifiutaOperandi();
        return;
    }
    operandiAccettati();
    ScriviNumeri();
    CalcolaSoluzione(*soluzione);
    m_.DaContare = 1;
}

void FrmSott1::GeneraNumeri() {
    platform::Random& caso = m_.services.random;
    // Only operands of equal length can come out the wrong way round, at most half the
    // time; the bound only keeps a broken generator from holding the window.
    for (int estrazioni = 1;; ++estrazioni) {
        Minuendo = caso.between(static_cast<int>(MinMinuendo), static_cast<int>(MaxMinuendo));
        Sottraendo = caso.between(static_cast<int>(MinSottraendo), static_cast<int>(MaxSottraendo));
        if (Sottraendo <= Minuendo) return;
        if (estrazioni == kMaxEstrazioni) {
            std::swap(Minuendo, Sottraendo); // both have the same number of digits
            return;
        }
    }
}

void FrmSott1::ScriviNumeri() {
    PulisciLavagna();
    CifreMinuendo = numeroCifre(Minuendo);
    CifreSottraendo = numeroCifre(Sottraendo);
    // The bar covers exactly the operands' columns.
    Line1.left = kUnita - 600 * (std::max(CifreMinuendo, CifreSottraendo) - 1);
    Line1.top = kBarra;
    Line1.x2 = kSegni;
    Line1.y2 = kBarra;
    for (int i = 0; CifreMinuendo > 0; ++i, --CifreMinuendo)
        TxtMinuendo[i].text = cifra(Minuendo, i);
    for (int i = 0; CifreSottraendo > 0; ++i, --CifreSottraendo)
        TxtSottraendo[i].text = cifra(Sottraendo, i);
}

void FrmSott1::CmdRipeti_Click() {
    const auto soluzione = risolviSottrazione(Minuendo, Sottraendo);
    if (!soluzione) return; // no operation was ever set up
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    const bool daTe = m_.ChiSceglie == DaTe;
    ScriviNumeri();
    CalcolaSoluzione(*soluzione);
    // The child's own operands are worked again: the keypad writes into the board.
    if (daTe) m_.ChiSceglie = DalComputer;
}

void FrmSott1::CalcolaSoluzione(const SoluzioneSottrazione& soluzione) {
    preparaEsecuzione(true); // the first hint takes the other labels
    NumColonne = soluzione.numColonne;
    for (int c = 0; c < kColonne; ++c) {
        const auto i = static_cast<std::size_t>(c);
        TxtDifferenza[c].enabled = true;
        if (c >= NumColonne) continue;
        CifreDifferenza[i] = soluzione.differenza[i];
        TxtDifferenza[c].text = std::to_string(soluzione.differenza[i]);
        if (!soluzione.partecipa[i]) continue;
        CifrePrestito[i] = soluzione.prestito[i];
        TxtPrestito[c].text = std::to_string(soluzione.prestito[i]);
        // The greyed minuend digits are the marks the dialogue reads back.
        TxtMinuendo[c].enabled = false;
    }
    IniziaEsecuzione();
}

void FrmSott1::CmdRisolvi_Click() {
    if (NumColonne == 0) return; // no operation on the board
    FinestraEsercizio::CmdRisolvi_Click();
    ingrigisciZeriIniziali();
    Colonna = NumColonne; // shown finished: nothing is left for the keypad to write
}

void FrmSott1::ingrigisciZeriIniziali() {
    for (int i = NumColonne - 1; i >= 0 && valore(TxtDifferenza[i]) == 0; --i)
        if (CifreDifferenza[static_cast<std::size_t>(i)] == 0) TxtDifferenza[i].enabled = false;
}

void FrmSott1::Cmb_DropDown(int row) {
    // Opening the subtrahend's list keeps "Ripeti", which brings the last operation back.
    const bool ripeti = CmdRipeti.enabled;
    FinestraEsercizio::Cmb_DropDown(row);
    if (row == 1) CmdRipeti.enabled = ripeti;
}

void FrmSott1::PulisciLavagna() {
    svuotaRighe({&TxtMinuendo, &TxtSottraendo, &TxtPrestito, &TxtDifferenza});
    // The abandoned operation's dialogue ends with its board: no digit reaches a check now.
    NumColonne = 0;
    Colonna = 0;
    PassoPrestito = 0;
    CifreDifferenza = {};
    CifrePrestito = {};
    PrestitoScritto = 0;
    CifraScritta = 0;
    TestoPrestito.clear();
}

std::vector<const forms::ControlArray*> FrmSott1::righeDaStampare() const {
    return {&TxtPrestito, &TxtMinuendo, &TxtSottraendo, &TxtDifferenza};
}

int FrmSott1::valoreCella(const forms::ControlArray& riga, int i) const {
    return valore(testoCella(riga, i));
}

FrmSott1Bis::FrmSott1Bis()
    : FoglioStampa("frmSott1_bis"), LavagnaSottrazione(*this, {120, 0xFFFFFF, 0x0000C0}) {}

} // namespace exercise
