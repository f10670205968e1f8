#include "exercise/addition/FinestraAddizione.h"

#include "exercise/addition/CelleOperazione.h"

namespace exercise {

Operando operandoAddendo(std::string lista, std::string didascalia, const std::string& ordinale) {
    return {.nomeLista = std::move(lista),
            .nomeDidascalia = std::move(didascalia),
            .maxCifre = 4,
            .testoDaTe = "Clicca e scrivi (max 4 cifre)",
            .testoDalComputer = "N° cifre " + ordinale + " addendo"};
}

FinestraAddizione::FinestraAddizione(app::Module1& m, const Configurazione& config,
                                     const PostiAddizione& posti, std::string uaoFinale)
    : FinestraColonne(m, config), LavagnaAddizione(static_cast<forms::Form&>(*this)), posti_(posti),
      uaoFinale_(std::move(uaoFinale)) {}

void FinestraAddizione::disponiLavagna(const std::vector<forms::ControlArray*>& addendi,
                                       const std::vector<Control*>& segni) {
    addendi_ = addendi;
    disponiAddizione(TxtRiporto, addendi_, TxtSomma, segni, Line1, posti_, kSfondo);
}

void FinestraAddizione::ScriviNumeri() {
    // The bar covers the addends' columns and one more on the left for a final carry.
    scriviOperandi(addendi_, Line1, posti_.unita);
}

void FinestraAddizione::CmdSomma_Click() {
    // Worked out from the addends on the board, so "Ripeti" needs nothing else.
    eseguiRiga(colonne, sommaInColonna({addendi_.begin(), addendi_.end()}));
}

void FinestraAddizione::Check2_Click() {
    m_.DaContare = 0; // the operation on the board, if any, no longer counts
    FinestraEsercizio::Check2_Click();
}

void FinestraAddizione::fineRiga() {
    fineOperazione(uaoFinale_.c_str());
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
