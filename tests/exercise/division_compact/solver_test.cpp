#include "exercise/division_compact/SoluzioneCompatta.h"

#include <gtest/gtest.h>

#include <string>

using exercise::risolviDivisioneCompatta;
using exercise::SoluzioneCompatta;

namespace {

// A row of the board as four characters, '.' for an empty cell.
std::string riga(const std::array<char, 5>& celle) {
    std::string s;
    for (int i = 1; i <= 4; ++i)
        s += celle[i] == 0 ? '.' : celle[i];
    return s;
}

std::string quoziente(const SoluzioneCompatta& s) {
    std::string q;
    for (int k = 1; k <= s.passi; ++k)
        q += std::to_string(s.Quoziente[k]);
    return q;
}

TEST(DivCompattaSolver, EveryAcceptedPairWorksOutTheTrueDivision) {
    long pairs = 0;
    for (int dividendo = 1; dividendo <= 9999; ++dividendo) {
        const std::string testo = std::to_string(dividendo);
        const int n = static_cast<int>(testo.size());
        for (int divisore = 1; divisore <= 99 && divisore <= dividendo; ++divisore) {
            ++pairs;
            const auto s = risolviDivisioneCompatta(dividendo, divisore);
            ASSERT_TRUE(s) << dividendo << ":" << divisore;

            int ci = 1; // the shortest prefix not smaller than the divisor
            while (std::stoi(testo.substr(0, static_cast<std::size_t>(ci))) < divisore)
                ++ci;
            ASSERT_EQ(s->CifreIniziali, ci) << dividendo << ":" << divisore;
            ASSERT_EQ(s->passi, n - ci + 1);

            ASSERT_GE(s->Quoziente[1], 1);
            long q = 0;
            for (int k = 1; k <= s->passi; ++k)
                q = q * 10 + s->Quoziente[k];
            ASSERT_EQ(q, dividendo / divisore) << dividendo << ":" << divisore;
            ASSERT_EQ(s->Resto[s->passi], dividendo % divisore) << dividendo << ":" << divisore;

            for (int i = 1; i <= 4; ++i) {
                const char atteso = i <= ci ? '^' : i <= n ? 'v' : 0;
                ASSERT_EQ(s->cappello[i], atteso) << dividendo << ":" << divisore << " col " << i;
            }

            for (int k = 1; k <= s->passi; ++k) {
                const auto& celle = s->righeResto[k];
                const int resto = s->Resto[k];
                ASSERT_LT(resto, divisore);
                ASSERT_EQ(s->ColonnaResto[k], ci);
                // The remainder reads right-aligned in cells ci-1..ci, the same as its expected digits.
                ASSERT_EQ(celle[ci], '0' + resto % 10);
                ASSERT_EQ(s->CifreResto[k][ci], resto % 10);
                if (resto >= 10) {
                    ASSERT_GE(ci, 2);
                    ASSERT_EQ(celle[ci - 1], '0' + resto / 10);
                    ASSERT_EQ(s->CifreResto[k][ci - 1], resto / 10);
                }
                // The brought-down digit copies the dividend digit under which it stands.
                const bool abbassa = k < s->passi;
                if (abbassa) {
                    ASSERT_EQ(celle[ci + 1], testo[static_cast<std::size_t>(ci + k - 1)]);
                }
                for (int i = 0; i <= 4; ++i) {
                    const bool occupata = i == ci || (i == ci - 1 && resto >= 10) || (i == ci + 1 && abbassa);
                    if (!occupata) {
                        ASSERT_EQ(celle[i], 0) << dividendo << ":" << divisore << " row " << k;
                    }
                    if (i != ci && !(i == ci - 1 && resto >= 10)) {
                        ASSERT_EQ(s->CifreResto[k][i], SoluzioneCompatta::kVuota);
                    }
                }
                if (k > 1) {
                    ASSERT_EQ(s->DividendoParziale[k],
                              s->Resto[k - 1] * 10 + (testo[static_cast<std::size_t>(ci + k - 2)] - '0'));
                }
            }
            for (int k = s->passi + 1; k <= 4; ++k)
                ASSERT_EQ(riga(s->righeResto[k]), "....");
        }
    }
    EXPECT_EQ(pairs, 985050);
}

TEST(DivCompattaSolver, RefusesWhatTheWindowCannotAccept) {
    const int refused[][2] = {{0, 0}, {5, 0}, {1, 9}, {5, 12}, {100, 100}, {9999, 100}, {10000, 7}, {-5, 1}};
    for (const auto& op : refused)
        EXPECT_FALSE(risolviDivisioneCompatta(op[0], op[1])) << op[0] << ":" << op[1];
}

TEST(DivCompattaSolver, WorkedExamplesFillTheBoardCellByCell) {
    struct Esempio {
        int dividendo, divisore;
        int cifreIniziali;
        std::string cappello, quoziente, righe[4];
    };
    const Esempio esempi[] = {
        {1000, 7, 2, "^^vv", "142", {".30.", ".20.", ".6..", "...."}},
        {9999, 99, 2, "^^vv", "101", {".09.", ".99.", ".0..", "...."}},
        {105, 5, 2, "^^v.", "21", {".05.", ".0..", "....", "...."}},
        {100, 10, 2, "^^v.", "10", {".00.", ".0..", "....", "...."}},
        {1000, 99, 3, "^^^v", "10", {"..10", ".10.", "....", "...."}},
        {9999, 1, 1, "^vvv", "9999", {"09..", "09..", "09..", "0..."}},
        {1005, 5, 2, "^^vv", "201", {".00.", ".05.", ".0..", "...."}},
        {845, 23, 2, "^^v.", "36", {"155.", "17..", "....", "...."}},
        {845, 7, 1, "^vv.", "120", {"14..", "05..", "5...", "...."}},
        {9876, 12, 2, "^^vv", "823", {".27.", ".36.", ".0..", "...."}},
    };
    for (const Esempio& e : esempi) {
        const auto s = risolviDivisioneCompatta(e.dividendo, e.divisore);
        ASSERT_TRUE(s);
        SCOPED_TRACE(std::to_string(e.dividendo) + ":" + std::to_string(e.divisore));
        EXPECT_EQ(s->CifreIniziali, e.cifreIniziali);
        EXPECT_EQ(riga(s->cappello), e.cappello);
        EXPECT_EQ(quoziente(*s), e.quoziente);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(riga(s->righeResto[k]), e.righe[k - 1]) << "row " << k;
    }
    // A partial dividend of 0 is a step of its own.
    const auto s = risolviDivisioneCompatta(1005, 5);
    EXPECT_EQ(s->DividendoParziale[2], 0);
    EXPECT_EQ(s->Quoziente[2], 0);
    EXPECT_EQ(s->DividendoParziale[3], 5);
}

} // namespace
