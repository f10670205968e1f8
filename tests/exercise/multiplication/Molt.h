#pragma once

#include "exercise/multiplication/FrmMolt1.h"
#include "exercise/multiplication/FrmMolt2.h"
#include "support/Esercizio.h"

#include <gtest/gtest.h>

#include <string>

namespace molt_test {

using app::DalComputer;
using app::DaTe;
using exercise::FinestraMoltiplicazione;
using testing_support::Program;
using testing_support::riga;

// Every cell row of a window or print layout in the order they were made, each from its
// last cell down to cell 0, "." for an empty cell.
inline std::string lavagna(const forms::Form& f) {
    std::string s, ultima;
    std::size_t inizio = 0;
    for (const forms::Control* c : f.controls()) {
        if (c->kind() != forms::ControlKind::Cell) continue;
        const std::string nome = c->name().substr(0, c->name().find('('));
        if (nome != ultima) {
            s += s.empty() ? "" : " ";
            inizio = s.size();
            ultima = nome;
        }
        s.insert(inizio, c->text.empty() ? "." : c->text);
    }
    return s;
}

// The program with a multiplication window opened as the start window opens it.
struct Banco {
    Program p;
    FinestraMoltiplicazione* w = nullptr;

    FinestraMoltiplicazione& apri(const std::string& nome, int chi) {
        p.m.ChiSceglie = chi;
        return *(w = &p.forms.get<FinestraMoltiplicazione>(nome));
    }
    bool premi(const std::string& tasti) { return testing_support::premi(p, *w, tasti); }
    // a x b typed in child mode, or drawn from lists on their digit counts, and "OK" pressed.
    FinestraMoltiplicazione& operazione(const std::string& nome, int chi, long a, long b, bool guidato) {
        apri(nome, chi).Check2.checked = guidato;
        const std::string sa = std::to_string(a), sb = std::to_string(b);
        w->CmbNPF.listIndex = static_cast<int>(sa.size()) - std::stoi(w->CmbNPF.items[0]);
        p.random.script = {static_cast<int>(a), static_cast<int>(b)};
        EXPECT_TRUE(
            premi(chi == DaTe ? "txtFattori(0) " + sa + " txtFattori(1) " + sb + " CmdVai" : "CmdVai"));
        return *w;
    }
};

} // namespace molt_test
