#include "support/Esercizio.h"

#include <sstream>

namespace testing_support {

std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += r[i].text.empty() ? "." : r[i].text;
    return out;
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
        scritta += tasto + " " + (cella->text.empty() ? "." : cella->text) + " " +
                   (suoni.empty() ? "-" : suoni) + " " + stato(w) + "\n";
    }
    return scritta;
}

} // namespace testing_support
