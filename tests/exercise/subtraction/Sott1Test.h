#pragma once

#include "exercise/subtraction/FrmSott1.h"
#include "support/Esercizio.h"

#include <gtest/gtest.h>

#include <string>

namespace sott1_test {

using app::DalComputer;
using app::DaTe;
using exercise::FrmSott1;
using testing_support::stato;

// A row from column 4 down to the units, cells apart by '|' (a borrow cell may hold two
// characters); "." is an empty cell, a trailing '#' a greyed one.
inline std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += (r[i].text.empty() ? "." : r[i].text) + (r[i].enabled ? "" : "#") + (i ? "|" : "");
    return out;
}

// Borrows / minuend / subtrahend / difference, of the window or of its print layout.
inline std::string lavagna(const exercise::LavagnaSottrazione& l) {
    return riga(l.TxtPrestito) + " / " + riga(l.TxtMinuendo) + " / " + riga(l.TxtSottraendo) + " / " +
           riga(l.TxtDifferenza);
}

// The whole program, with the window opened as the start window opens it.
struct Banco {
    testing_support::Program p;
    FrmSott1* w = nullptr;

    FrmSott1& apri(int chi) {
        p.m.ChiSceglie = chi;
        return *(w = &p.open<FrmSott1>("frmSott1"));
    }
    bool premi(const std::string& tasti) { return testing_support::premi(p, *w, tasti); }
    // Child mode, plain or guided: m - s typed on the keypad and "OK" pressed.
    FrmSott1& operazione(const std::string& m, const std::string& s, bool guidato = false) {
        apri(DaTe).Check2.checked = guidato;
        EXPECT_TRUE(premi("txtFattori(0) " + m + " txtFattori(1) " + s + " CmdInserisci"));
        return *w;
    }
};

} // namespace sott1_test
