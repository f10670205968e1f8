#pragma once

#include "Addizione.h"
#include "exercise/addition/FrmAdd2.h"

#include <string>

namespace add2_test {

using app::DalComputer;
using app::DaTe;
using exercise::FrmAdd2;
using namespace addizione_test;

// Carries, first addend, second addend, result: of the window or of its print layout.
template <class F> std::string lavagna(const F& w) {
    return riga(w.TxtRiporto) + " " + riga(w.TxtPrimoAdd) + " " + riga(w.TxtSecondoAdd) + " " +
           riga(w.TxtSomma);
}

inline constexpr char kFrmAdd2[] = "frmAdd2";

struct Banco : BancoAddizione<FrmAdd2, kFrmAdd2> {
    FrmAdd2& operazione(const std::string& a, const std::string& b, bool guidato = false) {
        return BancoAddizione::operazione({a, b}, guidato);
    }
};

struct Add2 : ::testing::Test, Banco {};

} // namespace add2_test
