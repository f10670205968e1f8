#include "exercise/addition/ColonneConRiporto.h"

#include "app/Module1.h"
#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

namespace {

std::string testoCifra(int d) {
    return std::string(1, static_cast<char>('0' + d));
}

} // namespace

Colonne sommaInColonna(const std::vector<const forms::ControlArray*>& addendi) {
    Colonne out;
    int colonne = 0;
    for (const forms::ControlArray* riga : addendi)
        for (int c = 0; c < riga->size(); ++c)
            if (!(*riga)[c].text.empty()) colonne = std::max(colonne, c + 1);
    out.numColonne = colonne;
    int riporto = 0;
    for (int c = 0; c < colonne; ++c) {
        int s = riporto;
        for (const forms::ControlArray* riga : addendi)
            s += valore((*riga)[c]);
        out.cifre[static_cast<std::size_t>(c)] = s % 10;
        riporto = s / 10;
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

void ColonneConRiporto::imposta(const Colonne& soluzione) {
    Cifre = soluzione.cifre;
    Riporti = soluzione.riporti;
    NumColonne = soluzione.numColonne;
    ricomincia();
}

void ColonneConRiporto::azzera() {
    imposta(Colonne{});
}

void ColonneConRiporto::ricomincia() {
    Colonna = 0;
    RiportoScritto = 0;
    CifraScritta = 0;
}

void ColonneConRiporto::scriviSoluzione() {
    svuotaRighe();
    for (int c = 0; c < NumColonne; ++c) {
        const auto k = static_cast<std::size_t>(c);
        risultato_[c].text = testoCifra(Cifre[k]);
        if (Riporti[k] != 0) riporti_[c].text = testoCifra(Riporti[k]);
    }
}

void ColonneConRiporto::svuotaRighe() {
    for (int c = 0; c < risultato_.size(); ++c) {
        riporti_[c].text.clear();
        risultato_[c].text.clear();
    }
}

void ColonneConRiporto::scrivi(const std::string& cifra) {
    if (finita()) return;
    if (riportoDovuto()) {
        riporti_[Colonna].text = cifra;
        RiportoScritto = 1;
    } else {
        risultato_[Colonna].text = cifra;
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
    if (valore(risultato_[Colonna]) == Cifre[static_cast<std::size_t>(Colonna)]) {
        ++Colonna;
        return true;
    }
    risultato_[Colonna].text.clear();
    return false;
}

std::string contoTesto(const std::vector<int>& termini) {
    std::string t;
    int somma = 0;
    for (int x : termini) {
        if (!t.empty()) t += '+';
        t += app::numeroTesto(x);
        somma += x;
    }
    return t + "=" + app::numeroTesto(somma);
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
