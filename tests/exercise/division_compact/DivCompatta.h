#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <string>

namespace div_compatta_test {

using exercise::FrmDivCompatta;

// The compact division window, opened from the start window's choice.
struct Finestra {
    testing_support::Program p;
    FrmDivCompatta* finestra = nullptr;

    FrmDivCompatta& apri(int chiSceglie) {
        p.m.ChiSceglie = chiSceglie;
        finestra = &p.open<FrmDivCompatta>("frmDivCompatta");
        return *finestra;
    }

    // Types both operands into the entry boxes, as the child would.
    void scrivi(const std::string& dividendo, const std::string& divisore, bool guidato) {
        FrmDivCompatta& f = *finestra;
        if (f.Check2.checked != guidato) {
            ASSERT_TRUE(p.click(f, "Check2"));
        }
        ASSERT_TRUE(p.click(f, "txtFattori(0)"));
        f.txtFattori[0].text.clear();
        for (char c : dividendo)
            ASSERT_TRUE(p.click(f, std::string("Cmd_") + c));
        ASSERT_TRUE(p.click(f, "txtFattori(1)"));
        f.txtFattori[1].text.clear();
        for (char c : divisore)
            ASSERT_TRUE(p.click(f, std::string("Cmd_") + c));
    }

    // ...and presses "OK".
    void inserisci(const std::string& dividendo, const std::string& divisore, bool guidato) {
        scrivi(dividendo, divisore, guidato);
        ASSERT_TRUE(p.click(*finestra, "CmdInserisci"));
    }

    bool premi(char cifra) { return p.click(*finestra, std::string("Cmd_") + cifra); }
    bool clicca(int cella) { return p.click(*finestra, "TxtDividendo(" + std::to_string(cella) + ")"); }
};

// The board as text: each row's cells 1..4, '.' for an empty cell.
inline std::string riga(const forms::ControlArray& r) {
    std::string s;
    for (int i = 1; i <= 4; ++i)
        s += r[i].text.empty() ? "." : r[i].text;
    return s;
}

} // namespace div_compatta_test
