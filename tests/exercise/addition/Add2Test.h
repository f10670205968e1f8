#pragma once

#include "exercise/addition/FrmAdd2.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace add2_test {

using app::DalComputer;
using app::DaTe;
using exercise::FrmAdd2;
using testing_support::Program;

// A row as the child reads it, from column 4 down to the units; "." is an empty cell.
inline std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += r[i].text.empty() ? "." : r[i].text;
    return out;
}

// Carries, first addend, second addend, result: of the window or of its print layout.
template <class F> std::string lavagna(const F& w) {
    return riga(w.TxtRiporto) + " " + riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd) + " " +
           riga(w.TxtSomma);
}

// LblRisultato|lblScrivi|lblUao|the faces shown|errors|done|focus
inline std::string stato(const FrmAdd2& w) {
    std::string s = w.LblRisultato.text + "|" + w.lblScrivi.text + "|" + w.lblUao.text + "|";
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        if (c->visible) s += c->name();
    return s + "|" + w.lblErrori.text + "|" + w.lblFatte.text + "|" + (w.focus() ? w.focus()->name() : "");
}

// The whole program, with the window opened as the start window opens it.
struct Banco {
    Program p;

    FrmAdd2& apri(int chi) {
        p.m.ChiSceglie = chi;
        return p.open<FrmAdd2>("frmAdd2");
    }

    // Presses controls as the mouse would: by name, "^name" opens a list, a number presses
    // its digits on the keypad; "=text" puts text in the active entry box instead. False at
    // the first control that cannot be pressed.
    bool premi(FrmAdd2& w, const std::string& tasti) {
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

    // Child mode, plain or guided: a + b typed and "OK" pressed.
    FrmAdd2& operazione(const std::string& a, const std::string& b, bool guidato = false) {
        FrmAdd2& w = apri(app::DaTe);
        w.Check2.checked = guidato;
        EXPECT_TRUE(premi(w, "txtFattori(0) " + a + " txtFattori(1) " + b + " CmdVai"));
        return w;
    }
};

struct Add2 : ::testing::Test, Banco {};

} // namespace add2_test
