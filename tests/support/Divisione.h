#pragma once

#include "exercise/division_common/FinestraDivisione.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

// A row's cells 1..4, '.' for an empty one, after s.
inline std::string riga(const forms::ControlArray& r, std::string s = "") {
    for (int i = 1; i <= 4; ++i)
        s.append(r[i].text.empty() ? "." : r[i].text.c_str());
    return s;
}

// A division window at a glance: the keypad, "Ripeti" and print enabled and backspace shown
// ('+' or '-'), the face shown (1 neutral, 2 smiling, 3 laughing, 4 sad), the dividend cells
// 1..5 ('g' greyed), then the result line, the hint line and the exclamation.
template <class W> std::string stato(const W& f) {
    std::string s;
    for (bool b : {f.Frame1.enabled, f.CmdRipeti.enabled, f.cmdStampa.enabled, f.backspace.visible})
        s += b ? '+' : '-';
    for (const forms::Control* faccia : {&f.Image1, &f.Image2, &f.Image3, &f.Image4})
        if (faccia->visible) s += faccia->name().back();
    for (int i = 1; i <= 5; ++i)
        s += f.TxtDividendo[i].enabled ? 'e' : 'g';
    return s + "|" + f.LblRisultato.text + "|" + f.lblScrivi.text + "|" + f.lblUao.text;
}

// A division window, opened from the start window's choice and worked through its controls.
template <class W> struct FinestraDivisione {
    Program p;
    W* finestra = nullptr;
    std::string nome;

    explicit FinestraDivisione(std::string n) : nome(std::move(n)) {}

    W& apri(int chiSceglie) {
        p.m.ChiSceglie = chiSceglie;
        return *(finestra = &p.open<W>(nome));
    }
    bool premi(char cifra) { return p.click(*finestra, std::string("Cmd_") + cifra); }
    bool clicca(int cella) { return p.click(*finestra, "TxtDividendo(" + std::to_string(cella) + ")"); }

    // Types both operands on the keypad and, unless told not to, presses "OK".
    void scrivi(const std::string& dividendo, const std::string& divisore, bool guidato, bool ok = true) {
        W& f = *finestra;
        ASSERT_TRUE(f.Check2.checked == guidato || p.click(f, "Check2"));
        for (int i : {0, 1}) {
            ASSERT_TRUE(p.click(f, "txtFattori(" + std::to_string(i) + ")"));
            for (char c : i == 0 ? dividendo : divisore)
                ASSERT_TRUE(premi(c));
        }
        ASSERT_TRUE(!ok || p.click(f, "CmdInserisci"));
    }
};

} // namespace testing_support
