#pragma once

#include "exercise/multiplication/FrmMolt1.h"
#include "exercise/multiplication/FrmMolt2.h"
#include "support/Esercizio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace molt_test {

using app::DalComputer;
using app::DaTe;
using testing_support::Program;
using testing_support::riga;
using testing_support::stato;

inline constexpr long kPeso[] = {1, 10, 100, 1000, 10000, 100000};

// The whole program, with a window opened as the start window opens it.
struct Banco {
    Program p;

    template <class W> W& apri(const char* nome, int chi) {
        p.m.ChiSceglie = chi;
        return p.open<W>(nome);
    }
    bool premi(exercise::FinestraEsercizio& w, const std::string& tasti) {
        return testing_support::premi(p, w, tasti);
    }
    // Child mode, plain or guided: a x b typed and "OK" pressed.
    template <class W>
    W& operazione(const char* nome, const std::string& a, const std::string& b, bool guidato) {
        W& w = apri<W>(nome, DaTe);
        w.Check2.checked = guidato;
        EXPECT_TRUE(premi(w, "txtFattori(0) " + a + " txtFattori(1) " + b + " CmdVai"));
        return w;
    }
};

// One press (controls or keypad digits), the window's stato() after it and the sounds it
// asked for, in order.
struct Passo {
    const char *premi, *stato, *suoni;
};

// Opens the window typed or drawn, loud or silent, enters a x b and follows the steps.
template <class W>
void seguiDialogo(const char* nome, long a, long b, bool guidato, const std::vector<Passo>& passi) {
    for (const int chi : {DaTe, DalComputer}) {
        for (const int silenzio : {0, 1}) {
            Banco t;
            t.p.m.Silenzio = silenzio;
            W& w = t.apri<W>(nome, chi);
            w.Check2.checked = guidato;
            const std::string sa = std::to_string(a), sb = std::to_string(b);
            w.CmbNPF.listIndex = static_cast<int>(sa.size()) - std::stoi(w.CmbNPF.items[0]);
            t.p.random.script = {static_cast<int>(a), static_cast<int>(b)};
            ASSERT_TRUE(t.premi(w, chi == DaTe ? "txtFattori(0) " + sa + " txtFattori(1) " + sb : ""));
            for (const Passo& s : passi) {
                SCOPED_TRACE(sa + "x" + sb + " " + s.premi + (chi == DaTe ? " typed" : " drawn") +
                             (silenzio ? " silent" : ""));
                const std::size_t prima = t.p.sound.played.size();
                ASSERT_TRUE(t.premi(w, s.premi));
                EXPECT_EQ(stato(w), s.stato);
                std::string suoni;
                for (std::size_t k = prima; k < t.p.sound.played.size(); ++k)
                    suoni += (suoni.empty() ? "" : " ") + std::to_string(t.p.sound.played[k]);
                EXPECT_EQ(suoni, silenzio ? "" : s.suoni);
            }
            // After the finish the keypad is off, and a digit that reaches it goes nowhere.
            if (w.Frame1.isEnabled()) continue;
            auto tutto = [&] {
                std::string s = stato(w) + std::to_string(t.p.sound.played.size());
                for (const forms::Control* c : w.controls())
                    s += "|" + c->text;
                return s;
            };
            const std::string prima = tutto();
            w.Cmd_Click(7);
            EXPECT_EQ(tutto(), prima);
        }
    }
}

// a x b typed and "OK", worked by a child who knows every answer: at once, plain and counted
// (modo 0), or after "Soluzione" (which must show a x b in the row `risultato`) by "Ripeti",
// guided (1) or plain (2), and so not counted. Returns the first fault, or "".
template <class W>
std::string lavoraOperazione(Program& p, W& w, long a, long b, int modo, bool sbaglia,
                             const forms::ControlArray& risultato, const testing_support::Risposta& giusta) {
    w.Check2.checked = modo != 0;
    w.txtFattori[0].text = std::to_string(a);
    w.txtFattori[1].text = std::to_string(b);
    w.CmdVai_Click();
    const std::string prodotto = std::to_string(a * b);
    const std::string atteso = std::string(5 - prodotto.size(), '.') + prodotto;
    if (modo != 0) {
        w.CmdRisolvi_Click();
        if (riga(risultato) != atteso) return "the solution shows " + riga(risultato);
        w.Check2.checked = modo == 1;
        w.CmdSomma_Click();
    }
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    const std::string guasto = testing_support::lavora(w, giusta, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    if (riga(risultato) != atteso) return "wrong product " + riga(risultato);
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    return "";
}

// Every pair a x b with a and b in the given ranges, worked plain and counted, and guided
// after "Soluzione"; every 89th pair also plain after "Soluzione" and "Ripeti", with a wrong
// digit before every right one. `giusta(w, a, b, cella)` is the digit of a cell worked out
// by hand; `controlla(w, a, b)` adds the window's own checks ("" when they hold).
template <class W, class Giusta, class Controlla>
void spazza(const char* nome, std::pair<long, long> primi, std::pair<long, long> secondi,
            forms::ControlArray W::*risultato, Giusta giusta, Controlla controlla) {
    Banco t;
    W& w = t.apri<W>(nome, DaTe);
    t.p.m.Silenzio = 1;
    long n = 0;
    for (long a = primi.first; a <= primi.second; ++a) {
        for (long b = secondi.first; b <= secondi.second; ++b, ++n) {
            for (int modo = 0; modo < (n % 89 == 0 ? 3 : 2); ++modo) {
                std::string guasto =
                    lavoraOperazione(t.p, w, a, b, modo, n % 89 == 0, w.*risultato,
                                     [&](const forms::Control& c) { return giusta(w, a, b, c); });
                if (guasto.empty()) guasto = controlla(w, a, b);
                ASSERT_EQ(guasto, "") << a << " x " << b << " mode " << modo;
            }
        }
    }
}

// A window as it loads: stato(), the captions, the lists' values and items, the backspace
// key and the keypad if on, the repeat button if on.
inline std::string caricata(const exercise::FinestraMoltiplicazione& w) {
    std::string s = stato(w) + " " + w.Label1.text + "/" + w.Label2.text + "/" + w.CmbNPF.listText() +
                    w.CmbNSF.listText() + " [";
    for (const forms::Control* l : {&w.CmbNPF, &w.CmbNSF})
        for (const std::string& v : l->items)
            s += v;
    s += "]";
    return s + (w.backspace.visible ? " backspace" : "") + (w.Frame1.isEnabled() ? " keypad" : "") +
           (w.CmdProdotto.enabled ? " repeat" : "");
}

// A control's place and size, "left,top widthxheight", or a line's "x1,y1-x2,y2".
inline std::string posto(const forms::Control& c) {
    if (c.kind() == forms::ControlKind::Line)
        return std::to_string(c.left) + "," + std::to_string(c.top) + "-" + std::to_string(c.x2) + "," +
               std::to_string(c.y2);
    return std::to_string(c.left) + "," + std::to_string(c.top) + " " + std::to_string(c.width) + "x" +
           std::to_string(c.height);
}

} // namespace molt_test
