#pragma once

#include "exercise/addition/FinestraAddizione.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <string>
#include <vector>

namespace addizione_test {

using testing_support::Program;

// A row as the child reads it, from column 4 down to the units; "." is an empty cell.
inline std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += r[i].text.empty() ? "." : r[i].text;
    return out;
}

// Every operation cell of a window, in the order they were made; "." is an empty cell.
inline std::string celle(const forms::Form& f) {
    std::string out;
    for (const forms::Control* c : f.controls())
        if (c->kind() == forms::ControlKind::Cell) out += c->text.empty() ? "." : c->text;
    return out;
}

// LblRisultato|lblScrivi|lblUao|the faces shown|errors|done|focus
inline std::string stato(const exercise::FinestraEsercizio& w) {
    std::string s = w.LblRisultato.text + "|" + w.lblScrivi.text + "|" + w.lblUao.text + "|";
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        if (c->visible) s += c->name();
    return s + "|" + w.lblErrori.text + "|" + w.lblFatte.text + "|" + (w.focus() ? w.focus()->name() : "");
}

// A step of a dialogue: the controls pressed, then the text of the control that had the focus
// before, stato() and the last sound.
struct Passo {
    const char *premi, *cella, *stato;
    int suono;
};

// The whole program, with the addition window W, named nome, opened as the start window opens it.
template <class W, const char* nome> struct BancoAddizione {
    Program p;

    W& apri(int chi) {
        p.m.ChiSceglie = chi;
        return p.open<W>(nome);
    }

    // Presses controls as the mouse would: by name, "^name" opens a list, a number presses
    // its digits on the keypad; "=text" puts text in the active entry box instead. False at
    // the first control that cannot be pressed.
    bool premi(W& w, const std::string& tasti) {
        std::istringstream in(tasti);
        for (std::string t; in >> t;) {
            if (t[0] == '^') p.event(w.find(t.substr(1))->onDropDown);
            if (t[0] == '=') w.txtFattori[w.Casella].text = t.substr(1);
            const bool cifre = t[0] >= '0' && t[0] <= '9';
            for (std::size_t i = 0; t[0] != '^' && t[0] != '=' && i < (cifre ? t.size() : 1); ++i)
                if (!p.click(w, cifre ? "Cmd_" + t.substr(i, 1) : t)) return false;
        }
        return true;
    }

    // Takes the steps in turn, checking what follows each.
    void recita(W& w, const std::vector<Passo>& passi) {
        for (const Passo& s : passi) {
            SCOPED_TRACE(s.premi);
            const forms::Control* prima = w.focus();
            ASSERT_TRUE(premi(w, s.premi));
            EXPECT_EQ(prima->text, s.cella);
            EXPECT_EQ(p.sound.last(), p.m.Silenzio ? 0 : s.suono); // 0: none ever played
            EXPECT_EQ(stato(w), s.stato);
        }
    }

    // Child mode, plain or guided: the addends typed in their boxes and "OK" pressed.
    W& operazione(const std::vector<std::string>& addendi, bool guidato = false) {
        W& w = apri(app::DaTe);
        w.Check2.checked = guidato;
        std::string tasti;
        for (std::size_t i = 0; i < addendi.size(); ++i)
            tasti += "txtFattori(" + std::to_string(i) + ") " + addendi[i] + " ";
        EXPECT_TRUE(premi(w, tasti + "CmdVai"));
        return w;
    }
};

// The digit the window asks for, worked out from the addends alone; -1 if no cell is asked.
inline int cifraGiusta(const exercise::FinestraAddizione& w, const std::vector<long>& addendi) {
    long peso = 1;
    for (int k = 0; k < 5; ++k, peso *= 10) {
        long somma = 0, sotto = 0; // the whole sum, and the sum of the columns right of k
        for (long a : addendi) {
            somma += a;
            sotto += a % peso;
        }
        if (w.focus() == &w.TxtSomma[k]) return static_cast<int>(somma / peso % 10);
        if (w.focus() == &w.TxtRiporto[k]) return static_cast<int>(sotto / peso);
    }
    return -1;
}

// A child who knows the answer. The addends worked plain and counted (modo 0), guided (1)
// or plain after "Ripeti" (2), with a wrong digit before every right one when sbaglia.
// Returns the first fault, or "".
inline std::string lavora(Program& p, exercise::FinestraAddizione& w, const std::vector<long>& addendi,
                          int modo, bool sbaglia) {
    w.Check2.checked = modo == 1;
    for (std::size_t i = 0; i < addendi.size(); ++i)
        w.txtFattori[static_cast<int>(i)].text = std::to_string(addendi[i]);
    w.CmdVai_Click();
    if (modo == 2) w.CmdSomma_Click();
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    for (; w.Frame1.isEnabled(); ++passi) { // until the keypad takes no digit
        const int d = cifraGiusta(w, addendi);
        if (d < 0 || passi > 9) return "asks for no cell of the board";
        const forms::Control* cella = w.focus();
        if (sbaglia) {
            w.Cmd_Click((d + 1) % 10);
            if (!cella->text.empty() || w.focus() != cella) return "a wrong digit stays or moves on";
        }
        w.Cmd_Click(d);
    }
    for (int stray : {0, 7}) // a digit reaching the keypad after the finish goes nowhere
        w.Cmd_Click(stray);
    const std::string somma = std::to_string(std::accumulate(addendi.begin(), addendi.end(), 0L));
    if (riga(w.TxtSomma) != std::string(5 - somma.size(), '.') + somma) return "wrong sum";
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    const std::string fatta = celle(w);
    w.CmdRisolvi_Click();
    return celle(w) == fatta ? "" : "the solution shows " + celle(w);
}

} // namespace addizione_test
