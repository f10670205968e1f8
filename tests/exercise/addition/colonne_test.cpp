#include "exercise/addition/ColonneConRiporto.h"
#include "forms/Form.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using exercise::Colonne;
using exercise::sommaInColonna;

struct Tabellone : forms::Form {
    Tabellone() : Form("prova") {}
    forms::ControlArray righe[3] = {{*this, "A", forms::ControlKind::Cell, 5},
                                    {*this, "B", forms::ControlKind::Cell, 5},
                                    {*this, "C", forms::ControlKind::Cell, 5}};
    void scrivi(int r, const std::string& numero) {
        for (std::size_t k = 0; k < numero.size(); ++k)
            righe[r][static_cast<int>(k)].text = std::string(1, numero[numero.size() - 1 - k]);
    }
};

// The solver takes any number of addend rows: the three-addend window carries 2 as well.
TEST(SommaInColonna, DigitsCarriesAndTheTopOverflow) {
    struct Caso {
        std::vector<std::string> addendi;
        int colonne;
        std::vector<int> cifre;   // from the units
        std::vector<int> riporti; // carry due into each column, from the units
    };
    const Caso casi[] = {
        {{"47", "38"}, 2, {5, 8}, {0, 1}},
        {{"9999", "9999"}, 5, {8, 9, 9, 9, 1}, {0, 1, 1, 1, 0}},
        {{"5", "5"}, 2, {0, 1}, {0, 0}},
        {{"1234", "5"}, 4, {9, 3, 2, 1}, {0, 0, 0, 0}},
        {{"5", "1234"}, 4, {9, 3, 2, 1}, {0, 0, 0, 0}},
        {{"45", "38", "19"}, 3, {2, 0, 1}, {0, 2, 0}},
        {{"9999", "9999", "9999"}, 5, {7, 9, 9, 9, 2}, {0, 2, 2, 2, 0}},
        {{"9", "9", "9"}, 2, {7, 2}, {0, 0}},
    };
    for (const Caso& c : casi) {
        Tabellone t;
        std::string nome;
        for (std::size_t r = 0; r < c.addendi.size(); ++r) {
            t.scrivi(static_cast<int>(r), c.addendi[r]);
            nome += c.addendi[r] + " ";
        }
        SCOPED_TRACE(nome);
        const Colonne s = c.addendi.size() == 2 ? sommaInColonna({&t.righe[0], &t.righe[1]})
                                                : sommaInColonna({&t.righe[0], &t.righe[1], &t.righe[2]});
        ASSERT_EQ(s.numColonne, c.colonne);
        for (std::size_t k = 0; k < c.cifre.size(); ++k) {
            EXPECT_EQ(s.cifre[k], c.cifre[k]) << k;
            EXPECT_EQ(s.riporti[k], c.riporti[k]) << k;
        }
        for (std::size_t k = c.cifre.size(); k < Colonne::kMax; ++k)
            EXPECT_EQ(s.riporti[k], 0) << k;
    }
}

} // namespace
