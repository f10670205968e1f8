#include "exercise/ColonneConRiporto.h"

#include "app/Module1.h"
#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

namespace {

std::string testoCifra(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

// The columns of the rows: up to the leftmost filled cell of any of them.
int colonneDi(const std::vector<const forms::ControlArray*>& righe) {
    int colonne = 0;
    for (const forms::ControlArray* riga : righe)
        for (int c = 0; c < riga->size(); ++c)
            if (!(*riga)[c].text.empty()) colonne = std::max(colonne, c + 1);
    return colonne;
}

// Each column's value plus the carry from the column to its right, split into a digit and
// the carry into the next column; the top column's overflow is one more digit.
template <class Valore> Colonne inColonna(int colonne, Valore valoreColonna) {
    Colonne out;
    out.numColonne = colonne;
    int riporto = 0;
    for (int c = 0; c < colonne; ++c) {
        const int v = valoreColonna(c) + riporto;
        out.cifre[static_cast<std::size_t>(c)] = v % 10;
        riporto = v / 10;
        if (riporto == 0) continue;
        if (c == colonne - 1) {
            out.cifre[static_cast<std::size_t>(c + 1)] = riporto;
            out.numColonne = colonne + 1;
        } else {
            out.riporti[static_cast<std::size_t>(c + 1)] = riporto;
        }
    }
    return out;
}

} // namespace

Colonne sommaInColonna(const std::vector<const forms::ControlArray*>& addendi) {
    return inColonna(colonneDi(addendi), [&](int c) {
        int s = 0;
        for (const forms::ControlArray* riga : addendi)
            s += valore((*riga)[c]);
        return s;
    });
}

Colonne prodottoInColonna(const forms::ControlArray& fattore, int moltiplicatore) {
    return inColonna(colonneDi({&fattore}), [&](int c) { return valore(fattore[c]) * moltiplicatore; });
}

void ColonneConRiporto::imposta(const Colonne& soluzione) {
    Cifre = soluzione.cifre;
    Riporti = soluzione.riporti;
    NumColonne = soluzione.numColonne;
    Colonna = 0;
    RiportoScritto = 0;
    CifraScritta = 0;
}

void ColonneConRiporto::azzera() {
    imposta(Colonne{});
}

void ColonneConRiporto::scriviSoluzione() {
    svuotaRighe();
    for (int c = 0; c < NumColonne; ++c) {
        const auto k = static_cast<std::size_t>(c);
        risultato_[c + scarto_].text = testoCifra(Cifre[k]);
        if (Riporti[k] != 0) riporti_[c].text = testoCifra(Riporti[k]);
    }
}

void ColonneConRiporto::svuotaRighe() {
    for (int c = 0; c < risultato_.size(); ++c) {
        riporti_[c].text.clear();
        risultato_[c].text.clear();
    }
}

void ColonneConRiporto::scrivi(const std::string& testo) {
    if (finita()) return;
    if (riportoDovuto()) {
        riporti_[Colonna].text = testo;
        RiportoScritto = 1;
    } else {
        cifra().text = testo;
        CifraScritta = 1;
    }
}

bool ColonneConRiporto::controllaRiporto() {
    int& dovuto = Riporti[static_cast<std::size_t>(Colonna)];
    if (valore(riporti_[Colonna]) == dovuto) {
        dovuto = 0;
        return true;
    }
    riporti_[Colonna].text.clear();
    return false;
}

bool ColonneConRiporto::controllaCifra() {
    if (valore(cifra()) == Cifre[static_cast<std::size_t>(Colonna)]) {
        ++Colonna;
        return true;
    }
    cifra().text.clear();
    return false;
}

std::string scriviTesto(int somma) {
    return "Scrivi " + testoCifra(somma % 10);
}

std::string riportaTesto(int riporto) {
    return "e riporta " + app::numeroTesto(riporto);
}

std::string ultimaCifraTesto(int cifra) {
    return "...e " + app::numeroTesto(cifra);
}

} // namespace exercise
