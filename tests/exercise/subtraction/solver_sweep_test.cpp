// "Soluzione" over very many pairs: the difference, the borrow cells and the greyed marks,
// checked against column arithmetic done on the numbers themselves.
#include "Sott1Test.h"

#include <random>

namespace sott1_test {
namespace {

long peso(int c) {
    long p = 1;
    while (c-- > 0)
        p *= 10;
    return p;
}

// Column c borrows when the minuend's last c + 1 digits make less than the subtrahend's.
bool prende(long m, long s, int c) {
    return c >= 0 && m % peso(c + 1) < s % peso(c + 1);
}

// The three rows after "Soluzione", as riga() writes them, from the numbers alone.
std::string attesa(long m, long s) {
    const int n = static_cast<int>(std::to_string(m).size());
    std::string prestiti, minuendo, differenza;
    const std::string d = std::to_string(m - s);
    const std::string cifre = std::string(static_cast<std::size_t>(n) - d.size(), '0') + d;
    bool zeri = true; // the leading zeros of the difference are greyed, the last one too
    for (int c = 4; c >= 0; --c) {
        const std::string sep = c ? "|" : "";
        const int mc = static_cast<int>(m / peso(c) % 10);
        const bool dentro = c < n;
        const int entra = prende(m, s, c - 1) ? 1 : 0;
        std::string p = ".";
        if (prende(m, s, c))
            p = std::to_string(10 + mc - entra);
        else if (entra)
            p = std::to_string(mc - 1);
        prestiti += (dentro ? p : ".") + sep;
        const bool grigio = dentro && (prende(m, s, c) || entra);
        minuendo += (dentro ? std::to_string(mc) : ".") + (grigio ? "#" : "") + sep;
        const char dc = dentro ? cifre[static_cast<std::size_t>(n - 1 - c)] : '.';
        zeri = zeri && (dc == '.' || dc == '0');
        differenza += std::string(1, dc) + (dentro && zeri ? "#" : "") + sep;
    }
    return prestiti + " / " + minuendo + " / " + differenza;
}

TEST(Sott1Solver, SolutionShowsTheDifferenceBorrowsAndMarksOfEveryPair) {
    Banco b;
    FrmSott1& w = b.apri(DaTe);
    b.p.m.Silenzio = 1;
    auto prova = [&](long m, long s, const std::string& scritto = "") {
        w.txtFattori[0].text = scritto.empty() ? std::to_string(m) : scritto;
        w.txtFattori[1].text = std::to_string(s);
        w.CmdInserisci_Click();
        w.CmdRisolvi_Click();
        const std::string mostrata =
            riga(w.TxtPrestito) + " / " + riga(w.TxtMinuendo) + " / " + riga(w.TxtDifferenza);
        EXPECT_EQ(mostrata, attesa(m, s)) << m << " - " << s;
        return mostrata == attesa(m, s) && mostrata.find('-') == std::string::npos;
    };
    for (long m = 1; m < 1000; ++m)
        for (long s = 1; s <= m; ++s)
            if (!prova(m, s)) return;
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<long> numero(1, 99999);
    for (int i = 0; i < 100000; ++i) {
        const long x = numero(gen), y = numero(gen);
        if (!prova(std::max(x, y), std::min(x, y))) return;
    }
    // Minuends full of zeros: every five-digit string over the digits 0..3, leading zeros
    // typed too.
    for (int k = 1; k < 1024; ++k) {
        std::string scritto;
        for (int c = 0, r = k; c < 5; ++c, r /= 4)
            scritto += static_cast<char>('0' + r % 4);
        const long m = std::stol(scritto);
        for (long s : {1L, 9L, 99L, 999L, 9999L, m, m / 2, m - 1})
            if (1 <= s && s <= m && !prova(m, s, scritto)) return;
    }
}

} // namespace
} // namespace sott1_test
