// A child who knows the answer, over very many operations: the window must lead it to the
// true sum, judge every digit rightly and count exactly what it should.
#include "Add2Test.h"

#include <random>

namespace add2_test {
namespace {

// Every pair of addends below 1000 and a sample of four-digit pairs, in turn in each mode;
// every 307th pair (some 3,600) with a wrong digit at each step.
TEST_F(Add2, TheChildIsLedToTheTrueSumAndJudgedRightly) {
    FrmAdd2& w = apri(DaTe);
    p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long a, long b) {
        const std::string guasto = lavora(p, w, {a, b}, static_cast<int>(n % 3), n % 307 == 0);
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
