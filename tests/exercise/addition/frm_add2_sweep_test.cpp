// A child who knows the answer, over very many operations: the window must lead it to the
// true sum, judge every digit rightly and count exactly what it should.
#include "Add2Test.h"

#include <array>
#include <random>

namespace add2_test {
namespace {

constexpr std::array<long, 6> kPeso{1, 10, 100, 1000, 10000, 100000};

class Bambino {
  public:
    Bambino(FrmAdd2& w, const app::Module1& m) : w_(w), m_(m) {}

    // The digit the window asks for, worked out from the addends alone; -1 if it asks for
    // no cell of the board.
    int cifraGiusta(long a, long b) const {
        const forms::Control* f = w_.focus();
        for (std::size_t k = 0; k < 5; ++k) {
            const int i = static_cast<int>(k);
            if (f == &w_.TxtSomma[i]) return static_cast<int>((a + b) / kPeso[k] % 10);
            if (f == &w_.TxtRiporto[i]) return static_cast<int>((a % kPeso[k] + b % kPeso[k]) / kPeso[k]);
        }
        return -1;
    }

    long somma() const {
        long v = 0;
        for (int k = 4; k >= 0; --k) {
            const std::string& t = w_.TxtSomma[k].text;
            if (v == 0 && t.empty()) continue;
            if (t.size() != 1) return -1; // a hole in the result
            v = v * 10 + (t[0] - '0');
        }
        return v;
    }

    // Sets a + b up as the child types it.
    void inserisci(long a, long b) {
        w_.txtFattori[0].text = std::to_string(a);
        w_.txtFattori[1].text = std::to_string(b);
        w_.CmdVai_Click();
    }

    // Answers every cell asked until the keypad goes off; with sbaglia, a wrong digit first
    // each time. Returns false, with a failure reported, at the first fault.
    bool lavora(long a, long b, bool sbaglia, bool contaErrori) {
        for (int passi = 0; w_.Frame1.isEnabled(); ++passi) {
            const int d = cifraGiusta(a, b);
            if (d < 0 || passi > 9) return guasto(a, b, "asks for no cell of the board");
            if (sbaglia) {
                forms::Control* cella = w_.focus();
                const int errori = m_.NumErrori;
                w_.Cmd_Click((d + 1) % 10);
                if (!cella->text.empty()) return guasto(a, b, "a wrong digit stays");
                if (w_.focus() != cella) return guasto(a, b, "a wrong digit moves on");
                if (m_.NumErrori != errori + (contaErrori ? 1 : 0)) return guasto(a, b, "miscounted error");
            }
            w_.Cmd_Click(d);
        }
        if (somma() != a + b) return guasto(a, b, "wrong sum");
        return true;
    }

    bool guasto(long a, long b, const char* cosa) {
        ADD_FAILURE() << a << " + " << b << ": " << cosa;
        return false;
    }

  private:
    FrmAdd2& w_;
    const app::Module1& m_;
};

// Every pair of addends below 1000, and a sample of four-digit pairs.
template <class F> void ogniCoppia(F&& f) {
    for (long a = 1; a < 1000; ++a)
        for (long b = 1; b < 1000; ++b)
            if (!f(a, b)) return;
    std::mt19937 gen(20240531);
    std::uniform_int_distribution<long> quattro(1000, 9999);
    for (int i = 0; i < 100000; ++i)
        if (!f(quattro(gen), quattro(gen))) return;
}

TEST_F(Add2, PerfectChildFinishesEveryOperationWithTheTrueSum) {
    FrmAdd2& w = apri(app::DaTe);
    p.m.Silenzio = 1;
    w.Check2.checked = false;
    Bambino bambino(w, p.m);
    std::array<std::string, 10> fatto;
    long operazioni = 0;
    ogniCoppia([&](long a, long b) {
        bambino.inserisci(a, b);
        if (!bambino.lavora(a, b, false, false)) return false;
        ++operazioni;
        if (p.m.NumErrori != 0 || p.m.NumEseguite != operazioni) return bambino.guasto(a, b, "miscounted");
        if (w.Frame1.isEnabled()) return bambino.guasto(a, b, "keypad still on");
        for (int k = 0; k < 5; ++k) {
            fatto[static_cast<std::size_t>(k)] = w.TxtSomma[k].text;
            fatto[static_cast<std::size_t>(k + 5)] = w.TxtRiporto[k].text;
        }
        // "Ripeti", then "Soluzione": the same digits as the child's.
        w.CmdSomma_Click();
        w.CmdRisolvi_Click();
        for (int k = 0; k < 5; ++k)
            if (w.TxtSomma[k].text != fatto[static_cast<std::size_t>(k)] ||
                w.TxtRiporto[k].text != fatto[static_cast<std::size_t>(k + 5)])
                return bambino.guasto(a, b, "the solution differs");
        return true;
    });
}

TEST_F(Add2, WrongDigitsAreErasedAndCountedOnlyInCountedPlainWork) {
    FrmAdd2& w = apri(app::DaTe);
    p.m.Silenzio = 1;
    Bambino bambino(w, p.m);
    long n = 0;
    ogniCoppia([&](long a, long b) {
        // In turn: plain and counted, guided, plain after "Ripeti".
        const int modo = static_cast<int>(n++ % 3);
        w.Check2.checked = modo == 1;
        bambino.inserisci(a, b);
        if (modo == 2) w.CmdSomma_Click();
        const int eseguite = p.m.NumEseguite;
        if (!bambino.lavora(a, b, true, modo == 0)) return false;
        if (p.m.NumEseguite != eseguite + (modo == 0 ? 1 : 0))
            return bambino.guasto(a, b, "miscounted finish");
        return true;
    });
}

} // namespace
} // namespace add2_test
