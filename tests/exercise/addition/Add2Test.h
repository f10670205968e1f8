#pragma once

#include "exercise/addition/FrmAdd2.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <string>

namespace add2_test {

using exercise::FrmAdd2;
using testing_support::Program;

// A row as the child reads it, from column 4 down to the units; "." is an empty cell.
inline std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += r[i].text.empty() ? "." : r[i].text;
    return out;
}

// The one face shown, or "" when not exactly one is.
inline std::string faccia(const FrmAdd2& w) {
    std::string shown;
    int n = 0;
    for (const forms::Control* c : {&w.Image1, &w.Image2, &w.Image3, &w.Image4})
        if (c->visible) {
            shown = c->name();
            ++n;
        }
    return n == 1 ? shown : "";
}

inline std::string fuoco(const FrmAdd2& w) {
    return w.focus() != nullptr ? w.focus()->name() : "";
}

// The whole program, with the window opened as the start window opens it.
struct Banco {
    Program p;

    FrmAdd2& apri(int chi) {
        p.m.ChiSceglie = chi;
        return p.open<FrmAdd2>("frmAdd2");
    }

    // Presses keypad digits as the mouse would; false if a key could not be pressed.
    bool digita(FrmAdd2& w, const std::string& cifre) {
        for (char c : cifre)
            if (!p.click(w, std::string("Cmd_") + c)) return false;
        return true;
    }

    // Child mode: types both operands into their boxes and presses "OK".
    void inserisci(FrmAdd2& w, const std::string& primo, const std::string& secondo) {
        ASSERT_TRUE(p.click(w, "txtFattori(0)"));
        ASSERT_TRUE(digita(w, primo));
        ASSERT_TRUE(p.click(w, "txtFattori(1)"));
        ASSERT_TRUE(digita(w, secondo));
        ASSERT_TRUE(p.click(w, "CmdVai"));
    }

    // Child mode in plain (unguided) or guided mode, with a + b set up.
    FrmAdd2& operazione(const std::string& a, const std::string& b, bool guidato) {
        FrmAdd2& w = apri(app::DaTe);
        w.Check2.checked = guidato;
        inserisci(w, a, b);
        return w;
    }
};

struct Add2 : ::testing::Test, Banco {};

} // namespace add2_test
