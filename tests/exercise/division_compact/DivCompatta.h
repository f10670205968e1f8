#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <string>

namespace div_compatta_test {

using exercise::FrmDivCompatta;

// A division worked out by hand. cella: the dividend cell ending the first partial dividend;
// cifre: the keypad digits of a child who never errs (each quotient digit, its remainder units
// first, then the digit brought down); lavagna: the finished board as lavagna() writes it.
struct AMano {
    int cella = 0;
    std::string cifre, lavagna;
};

inline AMano aMano(int dividendo, int divisore) {
    const std::string t = std::to_string(dividendo);
    AMano a;
    int parziale = 0;
    while (parziale < divisore)
        parziale = parziale * 10 + (t[std::size_t(a.cella++)] - '0');
    const std::size_t ci = std::size_t(a.cella);
    std::string quoziente = "....", righe = ".... .... .... ....";
    for (std::size_t k = 0, pos = ci;; ++k, ++pos) {
        const std::string r = std::to_string(parziale % divisore);
        quoziente[k] = static_cast<char>('0' + parziale / divisore);
        righe.replace(5 * k + ci - r.size(), r.size(), r); // right-aligned under the first partial dividend
        a.cifre += quoziente[k] + std::string(r.rbegin(), r.rend());
        if (pos == t.size()) break;
        a.cifre += righe[5 * k + ci] = t[pos]; // the digit brought down, beside the remainder
        parziale = parziale % divisore * 10 + (t[pos] - '0');
    }
    const std::string cappello = std::string(ci, '^') + std::string(t.size() - ci, 'v') + "...";
    a.lavagna = cappello.substr(0, 4) + " " + quoziente + " " + righe;
    return a;
}

// A row's cells 1..4, '.' for an empty one, after s.
inline std::string riga(const forms::ControlArray& r, std::string s = "") {
    for (int i = 1; i <= 4; ++i)
        s.append(r[i].text.empty() ? "." : r[i].text.c_str());
    return s;
}

// The marks over the dividend, the quotient and the remainder rows.
inline std::string lavagna(const FrmDivCompatta& f) {
    std::string s = riga(f.TxtQuoziente, riga(f.txtCappello) + " ");
    for (int k = 1; k <= 4; ++k)
        s = riga(f.txtResto(k), std::move(s) + " ");
    return s;
}

// The window at a glance: the keypad, "Ripeti" and print enabled and backspace shown ('+' or '-'),
// the face shown (1 neutral, 2 smiling, 3 laughing, 4 sad), the dividend cells 1..5 ('g' greyed),
// then the result line, the hint line and the exclamation.
inline std::string stato(const FrmDivCompatta& f) {
    std::string s;
    for (bool b : {f.Frame1.enabled, f.CmdRipeti.enabled, f.cmdStampa.enabled, f.backspace.visible})
        s += b ? '+' : '-';
    for (const forms::Control* faccia : {&f.Image1, &f.Image2, &f.Image3, &f.Image4})
        if (faccia->visible) s += faccia->name().back();
    for (int i = 1; i <= 5; ++i)
        s += f.TxtDividendo[i].enabled ? 'e' : 'g';
    return s + "|" + f.LblRisultato.text + "|" + f.lblScrivi.text + "|" + f.lblUao.text;
}

// The window, opened from the start window's choice and worked through its controls.
struct Finestra {
    testing_support::Program p;
    FrmDivCompatta* finestra = nullptr;

    FrmDivCompatta& apri(int chiSceglie) {
        p.m.ChiSceglie = chiSceglie;
        return *(finestra = &p.open<FrmDivCompatta>("frmDivCompatta"));
    }
    bool premi(char cifra) { return p.click(*finestra, std::string("Cmd_") + cifra); }
    bool clicca(int cella) { return p.click(*finestra, "TxtDividendo(" + std::to_string(cella) + ")"); }

    // Types both operands on the keypad and, unless told not to, presses "OK".
    void scrivi(const std::string& dividendo, const std::string& divisore, bool guidato, bool ok = true) {
        FrmDivCompatta& f = *finestra;
        ASSERT_TRUE(f.Check2.checked == guidato || p.click(f, "Check2"));
        for (int i : {0, 1}) {
            ASSERT_TRUE(p.click(f, "txtFattori(" + std::to_string(i) + ")"));
            for (char c : i == 0 ? dividendo : divisore)
                ASSERT_TRUE(premi(c));
        }
        ASSERT_TRUE(!ok || p.click(f, "CmdInserisci"));
    }
};

} // namespace div_compatta_test
