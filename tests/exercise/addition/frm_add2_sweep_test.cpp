// A child who knows the answer, over very many operations: the window must lead it to the
// true sum, judge every digit rightly and count exactly what it should.
#include "Add2Test.h"

#include <random>

namespace add2_test {
namespace {

constexpr long kPeso[] = {1, 10, 100, 1000, 10000};

// The digit the window asks for, worked out from the addends alone; -1 if no cell is asked.
int cifraGiusta(FrmAdd2& w, long a, long b) {
    for (int k = 0; k < 5; ++k) {
        if (w.focus() == &w.TxtSomma[k]) return static_cast<int>((a + b) / kPeso[k] % 10);
        if (w.focus() == &w.TxtRiporto[k]) return static_cast<int>((a % kPeso[k] + b % kPeso[k]) / kPeso[k]);
    }
    return -1;
}

// a + b worked plain and counted (modo 0), guided (1) or plain after "Ripeti" (2), with a
// wrong digit before every right one when sbaglia. Returns the first fault, or "".
std::string lavora(Program& p, FrmAdd2& w, long a, long b, int modo, bool sbaglia) {
    w.Check2.checked = modo == 1;
    w.txtFattori[0].text = std::to_string(a);
    w.txtFattori[1].text = std::to_string(b);
    w.CmdVai_Click();
    if (modo == 2) w.CmdSomma_Click();
    const int errori = p.m.NumErrori, eseguite = p.m.NumEseguite;
    int passi = 0;
    for (; w.Frame1.isEnabled(); ++passi) { // until the keypad takes no digit
        const int d = cifraGiusta(w, a, b);
        if (d < 0 || passi > 9) return "asks for no cell of the board";
        const forms::Control* cella = w.focus();
        if (sbaglia) {
            w.Cmd_Click((d + 1) % 10);
            if (!cella->text.empty() || w.focus() != cella) return "a wrong digit stays or moves on";
        }
        w.Cmd_Click(d);
    }
    const std::string somma = std::to_string(a + b);
    if (riga(w.TxtSomma) != std::string(5 - somma.size(), '.') + somma) return "wrong sum";
    if (p.m.NumErrori != errori + (sbaglia && modo == 0 ? passi : 0)) return "miscounted errors";
    if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0)) return "miscounted finish";
    const std::string fatta = lavagna(w);
    w.CmdRisolvi_Click();
    return lavagna(w) == fatta ? "" : "the solution shows " + lavagna(w);
}

// Every pair of addends below 1000 and a sample of four-digit pairs, in turn in each mode;
// every 307th pair (some 3,600) with a wrong digit at each step.
TEST_F(Add2, TheChildIsLedToTheTrueSumAndJudgedRightly) {
    FrmAdd2& w = apri(DaTe);
    p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long a, long b) {
        const std::string guasto = lavora(p, w, a, b, static_cast<int>(n % 3), n % 307 == 0);
        ++n;
        EXPECT_EQ(guasto, "") << a << " + " << b;
        return guasto.empty();
    };
    for (long a = 1; a < 1000; ++a)
        for (long b = 1; b < 1000; ++b)
            if (!prova(a, b)) return;
    std::mt19937 gen(20240531);
    std::uniform_int_distribution<long> quattro(1000, 9999);
    for (int i = 0; i < 100000; ++i)
        if (!prova(quattro(gen), quattro(gen))) return;
}

} // namespace
} // namespace add2_test
