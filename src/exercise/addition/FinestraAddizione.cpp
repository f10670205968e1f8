#include "exercise/addition/FinestraAddizione.h"

#include "exercise/addition/CelleOperazione.h"

#include <algorithm>
#include <numeric>

namespace exercise {

using app::DalComputer;
using app::DaTe;

namespace {

constexpr forms::Rgb kSfondo = 0xFFC080;

} // namespace

Operando operandoAddendo(std::string lista, std::string didascalia, const std::string& ordinale) {
    return {.nomeLista = std::move(lista),
            .nomeDidascalia = std::move(didascalia),
            .maxCifre = 4,
            .testoDaTe = "Clicca e scrivi (max 4 cifre)",
            .testoDalComputer = "N° cifre " + ordinale + " addendo"};
}

FinestraAddizione::FinestraAddizione(app::Module1& m, const Configurazione& config,
                                     const PostiAddizione& posti, std::string uaoFinale)
    : FinestraEsercizio(m, config), Addendi(config.operandi.size()), CifreAddendi(config.operandi.size()),
      LimitiAddendi(config.operandi.size()), posti_(posti), uaoFinale_(std::move(uaoFinale)) {}

void FinestraAddizione::disponiLavagna(const std::vector<forms::ControlArray*>& addendi,
                                       const std::vector<Control*>& segni) {
    addendi_ = addendi;
    disponiAddizione(TxtRiporto, addendi_, TxtSomma, segni, Line1, posti_, kSfondo);
}

void FinestraAddizione::CmdVai_Click() {
    PulisciLavagna();
    pulisciMessaggi();
    cmdStampa.enabled = false;
    CmdSomma.enabled = false;
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    fermaMano();
    Guidato = 0;
    Frame1.enabled = true;
    const int n = numeroOperandi();
    if (m_.ChiSceglie == DaTe) {
        std::vector<long*> valori;
        for (long& a : Addendi)
            valori.push_back(&a);
        if (!operandiDigitati(valori)) return;
        std::transform(Addendi.begin(), Addendi.end(), CifreAddendi.begin(), numeroCifre);
        backspace.visible = false;
    } else if (m_.ChiSceglie == DalComputer) {
        for (int i = 0; i < n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            CifreAddendi[k] = cifreScelte(i);
            LimitiAddendi[k] = limitiPerCifre(CifreAddendi[k]);
        }
        estraiAddendi();
    }
    operandiAccettati();
    ScriviNumeri();
    CmdSomma_Click();
    m_.DaContare = 1;
}

void FinestraAddizione::GeneraNumeri() {
    platform::Random& r = m_.services.random;
    for (std::size_t k = 0; k < Addendi.size(); ++k)
        Addendi[k] =
            r.between(static_cast<int>(LimitiAddendi[k].min), static_cast<int>(LimitiAddendi[k].max));
}

void FinestraAddizione::ScriviNumeri() {
    // The bar covers the addends' columns and one more on the left for a final carry.
    Line1.left = posti_.unita - 600 * *std::max_element(CifreAddendi.begin(), CifreAddendi.end());
    for (std::size_t a = 0; a < addendi_.size(); ++a)
        for (int k = 0; k < CifreAddendi[a]; ++k)
            (*addendi_[a])[k].text = cifra(Addendi[a], k);
}

void FinestraAddizione::CmdSomma_Click() {
    preparaEsecuzione();
    // Worked out from the addends on the board, so "Ripeti" needs nothing else.
    colonne.imposta(sommaInColonna({addendi_.begin(), addendi_.end()}));
    IniziaEsecuzione();
}

void FinestraAddizione::IniziaEsecuzione() {
    // A solution being shown stays on the board as worked out; the solution button
    // writes the words.
    if (MostraSoluzione == 1) {
        colonne.scriviSoluzione();
        return;
    }
    colonne.svuotaRighe();
    colonne.ricomincia();
    if (Guidato == 0)
        LblRisultato.text = "Esegui";
    else
        suggerisciPrimaCifra();
    setFocus(TxtSomma[0]);
}

void FinestraAddizione::Check2_Click() {
    m_.DaContare = 0; // the operation on the board, if any, no longer counts
    FinestraEsercizio::Check2_Click();
}

void FinestraAddizione::ScriviCifra() {
    colonne.scrivi(CifraPremuta);
}

void FinestraAddizione::ProssimoPasso() {
    if (colonne.RiportoScritto == 0 && colonne.CifraScritta == 0) return; // the digit went nowhere
    lblUao.text.clear();
    if (colonne.RiportoScritto == 1) ControllaRiporto();
    if (colonne.CifraScritta == 1) ControllaCifra();
    colonne.RiportoScritto = 0;
    colonne.CifraScritta = 0;
    if (colonne.finita()) {
        finisci();
        return;
    }
    if (Guidato == 1) {
        if (colonne.riportoDovuto())
            lblScrivi.text = riportaTesto(colonne.Riporti[static_cast<std::size_t>(colonne.Colonna)]);
        else
            suggerisciCifra();
    }
    setFocus(colonne.cellaCorrente());
}

void FinestraAddizione::ControllaRiporto() {
    if (colonne.controllaRiporto())
        rispostaGiusta("Molto bravo", "uaoo!");
    else
        rispostaSbagliata();
}

void FinestraAddizione::ControllaCifra() {
    if (colonne.controllaCifra())
        rispostaGiusta("Bravo", "uao!");
    else
        rispostaSbagliata();
}

// The hint for the result digit of the current column: the carry it received, if any, and
// the addends' digits, an empty cell counting 0.
void FinestraAddizione::suggerisciCifra() {
    const int c = colonne.Colonna;
    std::vector<int> termini;
    bool soloRiporto = true;
    for (const forms::ControlArray* a : addendi_) {
        termini.push_back(valore((*a)[c]));
        soloRiporto = soloRiporto && (*a)[c].text.empty();
    }
    if (!TxtRiporto[c].text.empty()) {
        termini.insert(termini.begin(), valore(TxtRiporto[c]));
    } else if (soloRiporto) {
        // The column of a final carry: its digit is all there is to write.
        lblScrivi.text = ultimaCifraTesto(colonne.Cifre[static_cast<std::size_t>(c)]);
        return;
    }
    LblRisultato.text = contoTesto(termini);
    lblScrivi.text = scriviTesto(std::accumulate(termini.begin(), termini.end(), 0));
}

void FinestraAddizione::finisci() {
    operazioneFinita(uaoFinale_.c_str());
}

void FinestraAddizione::PulisciLavagna() {
    for (forms::ControlArray* a : addendi_)
        svuotaRighe({a});
    svuotaRighe({&TxtRiporto, &TxtSomma});
    colonne.azzera();
}

std::vector<const forms::ControlArray*> FinestraAddizione::righeDaStampare() const {
    std::vector<const forms::ControlArray*> righe{&TxtRiporto};
    righe.insert(righe.end(), addendi_.begin(), addendi_.end());
    righe.push_back(&TxtSomma);
    return righe;
}

} // namespace exercise
