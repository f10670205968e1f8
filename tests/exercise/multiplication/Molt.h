#pragma once

#include "exercise/multiplication/FrmMolt1.h"
#include "support/Esercizio.h"

#include <gtest/gtest.h>

#include <string>

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

// A control's place and size, "left,top widthxheight", or a line's "x1,y1-x2,y2".
inline std::string posto(const forms::Control& c) {
    if (c.kind() == forms::ControlKind::Line)
        return std::to_string(c.left) + "," + std::to_string(c.top) + "-" + std::to_string(c.x2) + "," +
               std::to_string(c.y2);
    return std::to_string(c.left) + "," + std::to_string(c.top) + " " + std::to_string(c.width) + "x" +
           std::to_string(c.height);
}

} // namespace molt_test
