#include "exercise/FinestraColonne.h"

#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

using app::DalComputer;
using app::DaTe;

FinestraColonne::FinestraColonne(app::Module1& m, const Configurazione& config)
    : FinestraEsercizio(m, config), Operandi(config.operandi.size()), CifreOperandi(config.operandi.size()) {}

void FinestraColonne::CmdVai_Click() {
    iniziaInserimento();
    if (m_.ChiSceglie == DaTe) {
        std::vector<long*> valori;
        for (long& v : Operandi)
            valori.push_back(&v);
        if (!operandiDigitati(valori)) return;
        // Counted on the values: a typed 05 has one digit.
        std::transform(Operandi.begin(), Operandi.end(), CifreOperandi.begin(), numeroCifre);
        for (int i = 0; i < numeroOperandi(); ++i) {
            if (CifreOperandi[static_cast<std::size_t>(i)] <
                config().operandi[static_cast<std::size_t>(i)].minCifre) {
                m_.ChiSceglie = DaTe; // the focus stays on "OK"
                return;
            }
        }
        backspace.visible = false;
    } else if (m_.ChiSceglie == DalComputer) {
        for (int i = 0; i < numeroOperandi(); ++i)
            CifreOperandi[static_cast<std::size_t>(i)] = cifreScelte(i);
        estraiOperandi();
    }
    operandiAccettati();
    ScriviNumeri();
    CmdSomma_Click();
    m_.DaContare = 1;
}

void FinestraColonne::GeneraNumeri() {
    for (std::size_t k = 0; k < Operandi.size(); ++k) {
        const Limiti l = limitiPerCifre(CifreOperandi[k]);
        Operandi[k] = m_.services.random.between(static_cast<int>(l.min), static_cast<int>(l.max));
    }
}

void FinestraColonne::scriviOperandi(const std::vector<forms::ControlArray*>& righe, forms::Control& barra,
                                     int bordo) {
    barra.left = bordo - 600 * *std::max_element(CifreOperandi.begin(), CifreOperandi.end());
    for (std::size_t a = 0; a < righe.size(); ++a)
        for (int k = 0; k < CifreOperandi[a]; ++k)
            (*righe[a])[k].text = cifra(Operandi[a], k);
}

void FinestraColonne::IniziaEsecuzione(std::initializer_list<ColonneConRiporto*> righe) {
    Fase = 0;
    if (MostraSoluzione == 1) return; // every worked cell stays filled
    for (ColonneConRiporto* riga : righe)
        riga->svuotaRighe(); // imposta has set each row at its column 0
    chiediPrimaCifra(true);
}

void FinestraColonne::eseguiRiga(ColonneConRiporto& riga, const Colonne& soluzione) {
    preparaEsecuzione();
    riga.imposta(soluzione);
    riga.scriviSoluzione();
    IniziaEsecuzione({&riga});
}

void FinestraColonne::chiediPrimaCifra(bool primo) {
    if (Guidato == 0) {
        LblRisultato.text = "Esegui";
        lblUao.text.clear();
    } else {
        suggerisci(primo);
    }
    setFocus(rigaCorrente().cellaCorrente());
}

void FinestraColonne::ScriviCifra() {
    rigaCorrente().scrivi(CifraPremuta);
}

void FinestraColonne::ProssimoPasso() {
    ColonneConRiporto& riga = rigaCorrente();
    if (riga.RiportoScritto == 0 && riga.CifraScritta == 0) return; // the digit went nowhere
    if (riga.RiportoScritto == 1) {
        if (!riga.controllaRiporto())
            rispostaSbagliata();
        else if (Fase == 0 || Guidato == 0) // after the first row a right carry passes quietly in guided mode
            rispostaGiusta("Molto bravo", "uaoo!");
    }
    if (riga.CifraScritta == 1) {
        if (riga.controllaCifra())
            rispostaGiusta("Bravo", "uao!");
        else
            rispostaSbagliata();
    }
    riga.RiportoScritto = 0;
    riga.CifraScritta = 0;
    if (riga.finita())
        fineRiga();
    else
        chiedi();
}

void FinestraColonne::chiedi() {
    ColonneConRiporto& riga = rigaCorrente();
    if (Guidato == 1) {
        if (riga.riportoDovuto()) // after the first row the words stand one blank further right
            lblScrivi.text =
                (Fase == 0 ? "" : " ") + riportaTesto(riga.Riporti[static_cast<std::size_t>(riga.Colonna)]);
        else
            suggerisci(false);
    }
    setFocus(riga.cellaCorrente());
}

void FinestraColonne::fineOperazione(const char* uao) {
    operazioneFinita(uao);
    Guidato = 0;
}

void FinestraColonne::suggerisciSomma(const ColonneConRiporto& riga,
                                      const std::vector<forms::ControlArray*>& addendi, Control& ultima,
                                      bool comeNumeri) {
    const int c = riga.Colonna;
    const Control& riporto = riga.rigaRiporti()[c];
    std::vector<const Control*> termini;
    if (!riporto.text.empty()) termini.push_back(&riporto);
    bool vuota = true;
    for (const forms::ControlArray* a : addendi) {
        termini.push_back(&(*a)[c]);
        vuota = vuota && (*a)[c].text.empty();
    }
    if (riporto.text.empty() && vuota) {
        ultima.text = ultimaCifraTesto(riga.Cifre[static_cast<std::size_t>(c)]);
        return;
    }
    std::string conto;
    int somma = 0;
    for (std::size_t i = 0; i < termini.size(); ++i) {
        conto += (i == 0 ? "" : "+") + termine(*termini[i], comeNumeri);
        somma += valore(*termini[i]);
    }
    suggerisciConto(conto, somma);
}

void FinestraColonne::suggerisciConto(const std::string& conto, int risultato) {
    LblRisultato.text = conto + "=" + app::numeroTesto(risultato);
    lblScrivi.text = scriviTesto(risultato);
}

std::string FinestraColonne::termine(const Control& cella, bool comeNumeri) {
    return comeNumeri ? app::numeroTesto(valore(cella)) : cella.text;
}

} // namespace exercise
