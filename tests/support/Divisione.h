#pragma once

#include "exercise/division_common/FinestraDivisione.h"
#include "support/Program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support::divisione {

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

// A division window, opened from the start window's choice and worked through its controls.
template <class W> struct FinestraDivisione {
    testing_support::Program p;
    W* finestra = nullptr;
    std::string nome;

    explicit FinestraDivisione(std::string n) : nome(std::move(n)) {}

    W& apri(int chiSceglie) {
        p.m.ChiSceglie = chiSceglie;
        return *(finestra = &p.open<W>(nome));
    }
    bool premi(char cifra) { return p.click(*finestra, std::string("Cmd_") + cifra); }
    bool clicca(int cella) { return p.click(*finestra, "TxtDividendo(" + std::to_string(cella) + ")"); }

    // What a child who never errs reads: the hint line after "OK", then before each digit the
    // result line and, past the '|', the hint or the exclamation (only one of the two is
    // written at a time).
    std::vector<std::string> passi(int dividendo, int divisore, bool guidato, int cella,
                                   const std::string& cifre) {
        W& f = *finestra;
        scrivi(std::to_string(dividendo), std::to_string(divisore), guidato);
        std::vector<std::string> letti{f.lblScrivi.text};
        EXPECT_TRUE(clicca(cella));
        for (const char cifra : cifre) {
            letti.push_back(f.LblRisultato.text + "|" + f.lblScrivi.text + f.lblUao.text);
            EXPECT_TRUE(premi(cifra));
        }
        return letti;
    }

    // Sets the division up and works it on the keypad as far as digit fermata (0: not even the
    // first click), each digit first wrong, then right; then presses "Soluzione". Every error so far
    // is counted in plain mode.
    void soluzioneDopo(int dividendo, int divisore, bool guidato, int cella, const std::string& cifre,
                       std::size_t fermata) {
        scrivi(std::to_string(dividendo), std::to_string(divisore), guidato);
        ASSERT_TRUE(fermata == 0 || clicca(cella));
        for (std::size_t e = 0; e + 1 < fermata; ++e)
            ASSERT_TRUE(premi(cifre[e] == '9' ? '8' : '9') && premi(cifre[e]));
        EXPECT_EQ(p.m.NumErrori, guidato || fermata == 0 ? 0 : int(fermata) - 1);
        p.sound.played.clear();
        ASSERT_TRUE(p.click(*finestra, "CmdAiuto"));
    }

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

// Sets dividendo : divisore up in f with typed operands, straight through the handlers (the
// sweeps are long), and repeats it when asked; sounds heard so far are forgotten.
template <class W> void imposta(W& f, testing_support::Program& p, int dividendo, int divisore, bool ripeti) {
    p.sound.played.clear();
    f.txtFattori[0].text = std::to_string(dividendo);
    f.txtFattori[1].text = std::to_string(divisore);
    f.CmdInserisci_Click();
    if (ripeti) f.CmdRipeti_Click();
}

// Works the division set up in f through its handlers, as a child would: first, when sbaglia,
// every wrong click and every wrong digit, then the right ones (cella, the dividend cell that ends
// the first partial dividend; cifre, the keypad digits). Each wrong answer is counted once when
// conta, else not, and asks the same cell again, erasing only that cell; each right digit goes into
// the cell the child sees marked. controlli(e, giusta) adds the window's own checks before digit e;
// tavola() is the board at a glance; op() names the division in a failure. Ends on "Bravissimo",
// after which nothing answers any more.
template <class W, class Controlli, class Tavola, class Op>
void lavoraDivisione(W& f, testing_support::Program& p, int cella, const std::string& cifre, bool sbaglia,
                     bool conta, Controlli&& controlli, Tavola&& tavola, Op&& op) {
    std::vector<int>& suoni = p.sound.played;
    int errori = p.m.NumErrori;
    const auto sbagliata = [&] {
        errori += conta;
        return p.m.NumErrori == errori && f.Image4.visible && suoni.back() == 103;
    };
    // A click on any other dividend cell, empty ones beyond the dividend included.
    for (int i = 1; i <= 4 && sbaglia; ++i) {
        if (i == cella) continue;
        f.TxtDividendo_Click(i);
        ASSERT_TRUE(sbagliata() && f.TastierinoAttivo == 0) << op() << "cell " << i;
    }
    f.TxtDividendo_Click(cella);
    for (std::size_t e = 0; e < cifre.size(); ++e) {
        const char giusta = cifre[e];
        ASSERT_TRUE(f.Image2.visible && suoni.back() == 104) << op() << e;
        forms::Control* marcata = f.focus();
        ASSERT_TRUE(marcata && marcata->kind() == forms::ControlKind::Cell && marcata->enabled &&
                    marcata->text.empty())
            << op() << e;
        controlli(e, giusta);
        if (testing::Test::HasFatalFailure()) return;
        const std::string prima = sbaglia ? tavola() : "";
        for (char c = '0'; c <= '9' && sbaglia; ++c) {
            if (c == giusta) continue;
            f.Cmd_Click(c - '0');
            ASSERT_TRUE(sbagliata() && f.focus() == marcata && marcata->text.empty()) << op() << e << c;
        }
        ASSERT_TRUE(!sbaglia || tavola() == prima) << op() << e;
        f.Cmd_Click(giusta - '0');
        ASSERT_EQ(marcata->text, std::string(1, giusta)) << op() << e;
    }
    ASSERT_TRUE(f.LblRisultato.text == "Bravissimo" && f.lblScrivi.text == "hai finito" &&
                f.lblUao.text == "uaooo!" && f.Image3.visible && suoni.back() == 101)
        << op();
    const std::size_t suonati = suoni.size();
    f.Cmd_Click(cifre.back() - '0');
    f.TxtDividendo_Click(cella);
    ASSERT_TRUE(suoni.size() == suonati && !f.Frame1.enabled && p.m.NumErrori == errori) << op();
}

} // namespace testing_support::divisione
