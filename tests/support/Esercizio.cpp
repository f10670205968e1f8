#include "support/Esercizio.h"

#include "exercise/addition/FinestraAddizione.h"
#include "exercise/multiplication/FinestraMoltiplicazione.h"
#include "exercise/subtraction/FrmSott1.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace testing_support {

namespace {

// Items after a ',' each (the first comma dropped), or "-" when there are none.
std::string elenco(const std::string& s) {
    return s.empty() ? "-" : s.substr(1);
}

// The sounds asked for since they were last heard, by number, then forgotten.
std::string suoni(Program& p) {
    std::string s;
    for (int n : p.sound.played)
        s += "," + std::to_string(n);
    p.sound.played.clear();
    return elenco(s);
}

// The operand entry as the child sees it, for a script's "?" report.
std::string entrata(Program& p, exercise::FinestraEsercizio& w) {
    std::string caselle, mani, facce, bottoni, estratti;
    for (int i = 0; i < w.txtFattori.size(); ++i) {
        caselle += "/" + w.txtFattori[i].text;
        mani += w.mano[i].visible ? "," + w.mano[i].name() : "";
    }
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        facce += c->visible ? c->name() : "";
    for (const forms::Control* c : {&w.cmdStampa, &w.Ripeti, &w.Frame1, &w.backspace, w.find("Check1")})
        bottoni += c == nullptr ? "" : c->isShown() && c->isEnabled() ? "+" : "-";
    for (const auto& [da, a] : p.random.asked)
        estratti += "," + std::to_string(da) + "-" + std::to_string(a);
    p.random.asked.clear();
    return caselle.substr(1) + " " + (w.focus() ? w.focus()->name() : "-") + " " +
           std::to_string(p.m.ChiSceglie) + " " + elenco(mani) + (w.Timer1.enabled ? "~ " : " ") + facce +
           " " + bottoni + " " + elenco(estratti) + " " + suoni(p);
}

// LblRisultato|lblScrivi|lblUao|the faces shown|errors|done|focus
std::string stato(const exercise::FinestraEsercizio& w) {
    std::string s = w.LblRisultato.text + "|" + w.lblScrivi.text + "|" + w.lblUao.text + "|";
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        s += c->visible ? c->name() : "";
    return s + "|" + w.lblErrori.text + "|" + w.lblFatte.text + "|" + (w.focus() ? w.focus()->name() : "");
}

// 10 to the power c.
long peso(int c) {
    return c > 0 ? 10 * peso(c - 1) : 1;
}

} // namespace

int cifraDi(long n, int c) {
    return static_cast<int>(n / peso(c) % 10);
}

bool prende(long m, long s, int c) {
    return c >= 0 && m % peso(c + 1) < s % peso(c + 1);
}

int cifraGiusta(const exercise::FinestraEsercizio& w, const forms::Control& cella) {
    const std::string_view riga = std::string_view(cella.name()).substr(0, cella.name().find('('));
    const int k = cella.name()[cella.name().size() - 2] - '0';
    if (const auto* a = dynamic_cast<const exercise::FinestraAddizione*>(&w)) {
        long somma = 0, sotto = 0; // the whole sum, and the sum of the columns right of k
        for (long x : a->Addendi) {
            somma += x;
            sotto += x % peso(k);
        }
        if (riga == "TxtSomma") return cifraDi(somma, k);
        return riga == "TxtRiporto" ? static_cast<int>(sotto / peso(k)) : -1;
    }
    if (const auto* f = dynamic_cast<const exercise::FinestraMoltiplicazione*>(&w)) {
        // Row 1 (the one-digit window's only row) is a times the units u of b, row 2 a times its
        // tens t from the tens column; a carry is what the lower digits leave over, never 0.
        const long a = f->PrimoFattore, b = f->SecondoFattore, u = b % 10, t = b / 10, p = peso(k);
        const auto riporto = [](long x) { return x > 0 ? static_cast<int>(x) : -1; };
        if (riga == "TxtProdotto" || riga == "TxtProdotto3") return cifraDi(a * b, k);
        if (riga == "TxtProdotto1") return cifraDi(a * u, k);
        if (riga == "TxtProdotto2") return k == 0 ? -1 : cifraDi(a * t, k - 1);
        if (riga == "TxtRiporto" || riga == "TxtRiporto1") return riporto(a % p * u / p);
        if (riga == "TxtRiporto2") return riporto(a % p * t / p);
        return riga == "TxtRiporto3" ? riporto((a * u % p + a * t * 10 % p) / p) : -1;
    }
    const auto& d = dynamic_cast<const exercise::FrmSott1&>(w);
    const long m = d.Minuendo, s = d.Sottraendo;
    if (riga == "TxtDifferenza") return cifraDi(m - s, k);
    if (riga != "TxtPrestito") return -1;
    if (k > d.Colonna) return cifraDi(m, k) == 0 ? 9 : cifraDi(m, k) - 1; // a lender, or a zero passed
    if (!prende(m, s, k)) return -1;
    const std::string v = std::to_string(10 + cifraDi(m, k) - prende(m, s, k - 1));
    return cella.text == "1" ? v[1] - '0' : 1; // the 1 first, or in front of a lowered digit
}

std::string colonna(const std::string& numero) {
    return std::string(5 - std::min<std::size_t>(numero.size(), 5), '.') + numero;
}

std::string lavagna(const forms::Form& f, bool celate) {
    std::string s, ultima;
    std::size_t inizio = 0;
    for (const forms::Control* c : f.controls()) {
        if (c->kind() != forms::ControlKind::Cell) continue;
        const std::string_view nome = std::string_view(c->name()).substr(0, c->name().find('('));
        if (nome != ultima) {
            s += s.empty() ? "" : " ";
            inizio = s.size();
            ultima = nome;
        }
        const std::string t = celate && !c->visible ? "_" : c->text.empty() ? "." : c->text;
        s.insert(inizio, (t.size() > 1 ? "(" + t + ")" : t) + (c->enabled ? "" : "#"));
    }
    return s;
}

bool premi(Program& p, exercise::FinestraEsercizio& w, const std::string& tasti) {
    std::istringstream in(tasti);
    for (std::string t; in >> t;) {
        const bool cifre = t[0] >= '0' && t[0] <= '9',
                   altro = std::string("^~=").find(t[0]) == std::string::npos;
        if (t[0] == '^') p.event(w.find(t.substr(1))->onDropDown);
        if (t[0] == '~') p.event(w.Timer1.onTimer);
        if (t[0] == '=') w.txtFattori[w.Casella].text = t.substr(1);
        for (std::size_t i = 0; altro && i < (cifre ? t.size() : 1); ++i)
            if (!p.click(w, cifre ? std::string("Cmd_") + t[i] : t)) return false;
    }
    return true;
}

std::string lavora(exercise::FinestraEsercizio& w, const Risposta& giusta, bool sbaglia, int& passi,
                   const Clic& clic) {
    const auto tasto = [&](int d) { clic ? clic("Cmd_" + std::to_string(d)) : w.Cmd_Click(d); };
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

exercise::FinestraEsercizio& spazzando(Program& p, const std::string& finestra) {
    p.m.ChiSceglie = app::DaTe;
    p.m.Silenzio = 1;
    return p.forms.get<exercise::FinestraEsercizio>(finestra);
}

std::string opera(Program& p, exercise::FinestraEsercizio& w, const std::vector<std::string>& operandi,
                  int modo, bool sbaglia) {
    w.Check2.checked = modo == 1;
    for (std::size_t i = 0; i < operandi.size(); ++i)
        w.txtFattori[static_cast<int>(i)].text = operandi[i];
    w.CmdVai_Click();
    if (modo == 2) w.CmdSomma_Click();
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    const std::string guasto = lavora(
        w, [&w](const forms::Control& c) { return cifraGiusta(w, c); }, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    const std::string fatta = lavagna(w, false);
    w.Cmd_Click(7);
    if (w.LblRisultato.text != "Bravissimo" || w.focus() != &w.Inserisci || lavagna(w, false) != fatta)
        return "the finish " + stato(w) + " " + lavagna(w);
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    w.CmdRisolvi_Click();
    return lavagna(w, false) == fatta ? "" : "the solution shows " + lavagna(w, false) + " for " + fatta;
}

std::string gioca(int chi, const std::string& copione) {
    std::istringstream righe(copione);
    std::unique_ptr<Program> p;
    exercise::FinestraEsercizio* w = nullptr;
    std::string scritto;
    for (std::string r; std::getline(righe, r); scritto += "\n") {
        const std::size_t sbarra = std::min(r.find(" |"), r.size());
        const std::string capo = r.substr(0, sbarra), segno = r.substr(std::min(sbarra + 2, r.size()), 1);
        if (r.empty() || std::string("@=!P?").find(r[0]) == std::string::npos) { // a step of a dialogue
            const std::string tasto = r.substr(0, r.find(' '));
            const forms::Control* cella = w->focus();
            p->sound.played.clear();
            const std::string udito = premi(*p, *w, tasto) ? suoni(*p) : "(not pressed)";
            scritto += tasto + " " + (cella == nullptr || cella->text.empty() ? "." : cella->text) + " " +
                       udito + " " + stato(*w);
            continue;
        }
        // An "@" line reports the entry, or what the mark after its bar asks for.
        char tipo = r[0];
        if (tipo == '@' && sbarra < r.size()) tipo = segno == "=" || segno == "P" ? segno[0] : '?';
        std::istringstream campi(capo.substr(1));
        std::string nome, tasti, resoconto;
        if (r[0] == '@') {
            campi >> nome;
            (p = std::make_unique<Program>())->m.ChiSceglie = chi;
            w = &p->forms.get<exercise::FinestraEsercizio>(nome);
            for (int i = 0; i < w->txtFattori.size(); ++i) {
                std::string& t = w->txtFattori[i].text;
                campi >> t;
                t = t == "-" ? "" : t; // an empty box
                const std::vector<std::string>& voci = w->lista(i).items;
                w->lista(i).listIndex =
                    std::clamp(int(t.size() - std::stoul(voci[0])), 0, int(voci.size()) - 1);
                p->random.script.push_back(std::atoi(t.c_str()));
            }
            int guidato = 0;
            campi >> guidato;
            w->Check2.checked = guidato == 1;
            if (forms::Control* opzione = w->find("Check1")) opzione->checked = false;
            p->sound.played.clear();
        }
        std::getline(campi, tasti);
        scritto += premi(*p, *w, tasti) ? capo : "(not pressed) " + capo;
        if (tipo == '!') w->Cmd_Click(7);
        if (tipo == 'P') {
            forms::Form& carta = p->forms.load(w->name() + "_bis");
            for (const auto& [cella, testo] : p->printer.pages.back())
                carta.find(cella)->text = testo;
            resoconto = lavagna(carta);
        } else if (tipo == '=' || tipo == '!') {
            resoconto = std::to_string(w->find("Line1")->left) + " " + lavagna(*w);
        } else if (tipo == '?') {
            resoconto = entrata(*p, *w);
        }
        scritto +=
            resoconto.empty() ? "" : " |" + (r[0] == '@' && tipo != '?' ? segno : "") + " " + resoconto;
    }
    return scritto;
}

} // namespace testing_support
