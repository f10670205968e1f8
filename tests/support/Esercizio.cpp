#include "support/Esercizio.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace testing_support {

std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += r[i].text.empty() ? "." : r[i].text;
    return out;
}

std::string lavagna(const forms::Form& f, bool celate) {
    std::string s, ultima;
    std::size_t inizio = 0;
    for (const forms::Control* c : f.controls()) {
        if (c->kind() != forms::ControlKind::Cell) continue;
        const std::string nome = c->name().substr(0, c->name().find('('));
        if (nome != ultima) {
            s += s.empty() ? "" : " ";
            inizio = s.size();
            ultima = nome;
        }
        std::string t = celate && !c->visible ? "_" : c->text.empty() ? "." : c->text;
        s.insert(inizio, (t.size() > 1 ? "(" + t + ")" : t) + (c->enabled ? "" : "#"));
    }
    return s;
}

std::string stato(const exercise::FinestraEsercizio& w) {
    std::string s = w.LblRisultato.text + "|" + w.lblScrivi.text + "|" + w.lblUao.text + "|";
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        if (c->visible) s += c->name();
    return s + "|" + w.lblErrori.text + "|" + w.lblFatte.text + "|" + (w.focus() ? w.focus()->name() : "");
}

bool premi(Program& p, exercise::FinestraEsercizio& w, const std::string& tasti) {
    std::istringstream in(tasti);
    for (std::string t; in >> t;) {
        if (t[0] == '^') {
            p.event(w.find(t.substr(1))->onDropDown);
        } else if (t[0] == '=') {
            w.txtFattori[w.Casella].text = t.substr(1);
        } else if (t[0] >= '0' && t[0] <= '9') {
            for (char d : t)
                if (!p.click(w, std::string("Cmd_") + d)) return false;
        } else if (!p.click(w, t)) {
            return false;
        }
    }
    return true;
}

std::string lavora(exercise::FinestraEsercizio& w, const Risposta& giusta, bool sbaglia, int& passi,
                   const Clic& clic) {
    const auto tasto = [&w, &clic](int d) {
        if (clic)
            clic("Cmd_" + std::to_string(d));
        else
            w.Cmd_Click(d);
    };
    for (passi = 0; w.Frame1.isEnabled(); ++passi) { // until the keypad takes no digit
        const forms::Control* cella = w.focus();
        const int d = cella != nullptr && passi < 30 ? giusta(*cella) : -1;
        if (d < 0) return "asks for " + (cella ? cella->name() : std::string("no cell"));
        const std::string prima = cella->text, cifra = std::to_string(d);
        if (sbaglia) {
            tasto((d + 1) % 10);
            if (cella->text != prima || w.focus() != cella) return "a wrong digit stays or moves on";
        }
        tasto(d);
        if (cella->text != prima + cifra && cella->text != cifra + prima)
            return "a right digit in " + cella->name() + " is not kept";
    }
    return "";
}

std::string trascrivi(Program& p, exercise::FinestraEsercizio& w, const std::string& attesa) {
    std::istringstream righe(attesa);
    std::string scritta;
    for (std::string riga; std::getline(righe, riga);) {
        const std::string tasto = riga.substr(0, riga.find(' '));
        const forms::Control* cella = w.focus();
        p.sound.played.clear();
        std::string suoni = premi(p, w, tasto) ? "" : "(not pressed)";
        for (int n : p.sound.played)
            suoni += (suoni.empty() ? "" : ",") + std::to_string(n);
        const std::string dopo = cella == nullptr || cella->text.empty() ? "." : cella->text;
        scritta += tasto + " " + dopo + " " + (suoni.empty() ? "-" : suoni) + " " + stato(w) + "\n";
    }
    return scritta;
}

std::string gioca(int chi, const std::string& copione) {
    std::istringstream righe(copione);
    std::unique_ptr<Program> p;
    exercise::FinestraEsercizio* w = nullptr;
    std::string scritto, passi;
    const auto esegui = [&] {
        scritto += passi.empty() ? "" : trascrivi(*p, *w, passi);
        passi.clear();
    };
    for (std::string r; std::getline(righe, r);) {
        if (r.empty() || std::string("@=!P").find(r[0]) == std::string::npos) {
            passi += r + "\n";
            continue;
        }
        esegui();
        if (r[0] == '@') {
            std::istringstream campi(r.substr(1));
            std::string nome, tasti;
            campi >> nome;
            (p = std::make_unique<Program>())->m.ChiSceglie = chi;
            w = &p->forms.get<exercise::FinestraEsercizio>(nome);
            for (int i = 0; i < w->txtFattori.size(); ++i) {
                std::string& t = w->txtFattori[i].text;
                campi >> t;
                forms::Control& lista = w->lista(i);
                const int voci = static_cast<int>(lista.items.size());
                lista.listIndex =
                    std::clamp(static_cast<int>(t.size()) - std::atoi(lista.items[0].c_str()), 0, voci - 1);
                p->random.script.push_back(std::atoi(t.c_str()));
            }
            int guidato = 0;
            campi >> guidato;
            w->Check2.checked = guidato == 1;
            if (forms::Control* opzione = w->find("Check1")) opzione->checked = false;
            std::getline(campi, tasti);
            scritto += (premi(*p, *w, tasti) ? "" : "(not pressed) ") + r + "\n";
        } else if (r[0] == 'P') {
            forms::Form& carta = p->forms.load(w->name() + "_bis");
            for (std::size_t k = p->printer.pages.size() - 1; k < p->printer.pages.size(); ++k) // the last
                for (const auto& [cella, testo] : p->printer.pages[k])
                    carta.find(cella)->text = testo;
            scritto += "P " + lavagna(carta) + "\n";
        } else {
            if (r[0] == '!') w->Cmd_Click(7);
            const forms::Control* barra = w->find("Line1");
            scritto +=
                r.substr(0, 1) + " " + (barra ? std::to_string(barra->left) : "-") + " " + lavagna(*w) + "\n";
        }
    }
    esegui();
    return scritto;
}

} // namespace testing_support
