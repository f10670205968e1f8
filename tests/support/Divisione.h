#pragma once

#include "exercise/division_compact/FrmDivCompatta.h"
#include "exercise/division_extended/FrmDivEstesa.h"
#include "support/Esercizio.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace testing_support::divisione {

using exercise::FrmDivCompatta;
using exercise::FrmDivEstesa;

// 0 for the compact window, 1 for the extended one: the index of its answers in AMano.
template <class W> constexpr int kEstesa = std::is_same_v<W, FrmDivEstesa>;

// Rows here read from the left, as the division windows number them.

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

// The marks over the dividend, the quotient, then each step's product row (extended) and
// remainder row, '/' between the two.
template <class W> std::string lavagna(const W& f) {
    std::string s = riga(f.TxtQuoziente, riga(f.txtCappello) + " ");
    for (int k = 1; k <= 4; ++k) {
        if constexpr (kEstesa<W>) s = riga(f.txtMolt(k), s + " ") + "/";
        s = riga(f.txtResto(k), kEstesa<W> ? s : s + " ");
    }
    return s;
}

// The borrow mark rows RP0, RP1..., '|' between two, then the dividend and remainder rows 1..3
// ('g' where greyed).
template <class W> std::string segni(const W& f) {
    std::string s;
    for (int k = 0; k < f.righeSegni(); ++k)
        s = riga(f.RP(k), k ? s + "|" : s);
    s += " ";
    for (const forms::ControlArray* r : {&f.TxtDividendo, &f.txtResto1, &f.txtResto2, &f.txtResto3})
        for (int i = 1; i <= 4; ++i)
            s += (*r)[i].enabled ? 'e' : 'g';
    return s;
}

// The extended window's four bars: "x1-x2@y" where shown, "-" where hidden; nothing for the compact.
template <class W> std::string barre(const W& f) {
    std::string s;
    if constexpr (kEstesa<W>)
        for (const forms::Control* l : {&f.Line1, &f.Line2, &f.Line3, &f.Line4})
            s += (l->visible
                      ? std::to_string(l->left) + "-" + std::to_string(l->x2) + "@" + std::to_string(l->y2)
                      : "-") +
                 (l != &f.Line4 ? " " : "");
    return s;
}

// One step of a division worked on paper: the partial dividend, the quotient digit, the
// product, the remainder, and the board column (1 = the dividend's first) of their units.
struct Passo {
    int d, q, p, r, colonna;
};

// A division worked out by hand. cella: the dividend cell ending the first partial dividend;
// cifre: the keypad digits of a child who never errs (each quotient digit, in the extended
// window its product units first, its remainder units first, then the digit brought down);
// lavagna: the finished board as lavagna() writes it. [0] the compact window's, [1] the extended.
struct AMano {
    int cella = 0;
    std::vector<Passo> passi;
    std::string cifre[2], lavagna[2];
};

inline AMano aMano(int dividendo, int divisore) {
    const std::string t = std::to_string(dividendo);
    AMano a;
    int d = 0;
    while (d < divisore)
        d = d * 10 + (t[std::size_t(a.cella++)] - '0');
    // Compact remainder rows stand under the first partial dividend; extended row k and its
    // product (from the second) k - 1 and k - 2 columns right.
    std::string cappello = "....", quoziente = "....";
    std::vector<std::string> resto(4, "...."), molt(4, "...."), restoE(4, "....");
    const auto scrivi = [](std::string& riga, int cellaUnita, int n) {
        const std::string c = std::to_string(n);
        riga.replace(std::size_t(cellaUnita) - c.size(), c.size(), c);
    };
    const auto rovescio = [](int n) {
        const std::string s = std::to_string(n);
        return std::string(s.rbegin(), s.rend());
    };
    for (int colonna = a.cella;; ++colonna) {
        const int k = int(a.passi.size());
        const Passo p{d, d / divisore, d / divisore * divisore, d % divisore, colonna};
        a.passi.push_back(p);
        quoziente[std::size_t(k)] = char('0' + p.q);
        cappello[std::size_t(colonna) - 1] = k == 0 ? '^' : 'v';
        scrivi(resto[std::size_t(k)], a.cella, p.r);
        scrivi(molt[std::size_t(k)], colonna - (k < 1 ? 0 : k - 1), p.p);
        scrivi(restoE[std::size_t(k)], colonna - k, p.r);
        a.cifre[0] += quoziente[std::size_t(k)] + rovescio(p.r);
        a.cifre[1] += quoziente[std::size_t(k)] + rovescio(p.p) + rovescio(p.r);
        if (colonna == int(t.size())) break;
        const char giu = t[std::size_t(colonna)]; // brought down beside the remainder
        resto[std::size_t(k)][std::size_t(a.cella)] = restoE[std::size_t(k)][std::size_t(colonna - k)] = giu;
        a.cifre[0] += giu;
        a.cifre[1] += giu;
        d = p.r * 10 + (giu - '0');
    }
    for (std::size_t i = 0; i + 1 < std::size_t(a.cella); ++i)
        cappello[i] = '^';
    a.lavagna[0] = a.lavagna[1] = cappello + " " + quoziente;
    for (std::size_t k = 0; k < 4; ++k) {
        a.lavagna[0] += " " + resto[k];
        a.lavagna[1] += " " + molt[k] + "/" + restoE[k];
    }
    return a;
}

// A division window, opened from the start window's choice and worked through its controls.
template <class W> struct Finestra {
    testing_support::Program p;
    W* finestra = nullptr;

    W& apri(int chiSceglie) {
        p.m.ChiSceglie = chiSceglie;
        return *(finestra = &p.open<W>(kEstesa<W> ? "frmDivEstesa" : "frmDivCompatta"));
    }
    // Presses controls as premi() does.
    bool premi(const std::string& tasti) { return testing_support::premi(p, *finestra, tasti); }
    bool clicca(int cella) { return premi("TxtDividendo(" + std::to_string(cella) + ")"); }
    // Types both operands on the keypad, in guided mode or not, and presses "OK" unless told not to.
    bool scrivi(const std::string& dividendo, const std::string& divisore, bool guidato, bool ok = true) {
        return premi((finestra->Check2.checked != guidato ? "Check2 txtFattori(0) " : "txtFattori(0) ") +
                     dividendo + " txtFattori(1) " + divisore + (ok ? " CmdInserisci" : ""));
    }

    // What a child who never errs reads: the hint line after "OK", then before each digit the
    // result line and, past the '|', the hint or the exclamation (only one of the two is
    // written at a time).
    std::vector<std::string> passi(int dividendo, int divisore, bool guidato) {
        const AMano a = aMano(dividendo, divisore);
        EXPECT_TRUE(scrivi(std::to_string(dividendo), std::to_string(divisore), guidato));
        std::vector<std::string> letti{finestra->lblScrivi.text};
        EXPECT_TRUE(clicca(a.cella));
        for (const char cifra : a.cifre[kEstesa<W>]) {
            letti.push_back(finestra->LblRisultato.text + "|" + finestra->lblScrivi.text +
                            finestra->lblUao.text);
            EXPECT_TRUE(premi(std::string(1, cifra)));
        }
        return letti;
    }
};

} // namespace testing_support::divisione
