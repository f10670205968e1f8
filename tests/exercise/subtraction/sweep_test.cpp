// Very many subtractions worked by a child who knows every answer, or who tries every wrong
// key first, then shown by "Soluzione": checked against column arithmetic on the numbers.
#include "Sott1Test.h"

#include <random>
#include <tuple>

namespace sott1_test {
namespace {

int cifraDi(long n, int c) {
    while (c-- > 0)
        n /= 10;
    return static_cast<int>(n % 10);
}

// Column c borrows when the minuend's last c + 1 digits make less than the subtrahend's.
bool prende(long m, long s, int c) {
    long p = 10;
    while (c-- > 0)
        p *= 10;
    return m % p < s % p;
}

// The key for the cell in focus; -1 for a cell that should not be asked.
int giusta(const FrmSott1& w, const forms::Control& cella, long m, long s) {
    for (int c = 0; c < 5; ++c) {
        if (&cella == &w.TxtDifferenza[c]) return cifraDi(m - s, c);
        if (&cella != &w.TxtPrestito[c]) continue;
        if (c > w.Colonna) return cifraDi(m, c) == 0 ? 9 : cifraDi(m, c) - 1; // a lender, or a zero passed
        if (!prende(m, s, c)) return -1;
        const std::string t = std::to_string(10 + cifraDi(m, c) - (c > 0 && prende(m, s, c - 1)));
        return cella.text == "1" ? t[1] - '0' : 1; // the 1 first, or in front of a lowered digit
    }
    return -1;
}

// Borrows, minuend and difference of the finished subtraction, as riga() writes them.
std::string finita(long m, long s) {
    const int n = static_cast<int>(std::to_string(m).size());
    std::string prestiti, minuendo, differenza;
    for (int c = 4, zeri = 1; c >= 0; --c) {
        const std::string sep = c ? "|" : "", mc = std::to_string(cifraDi(m, c));
        const bool entra = c > 0 && prende(m, s, c - 1), esce = prende(m, s, c);
        zeri = zeri && cifraDi(m - s, c) == 0;
        const std::string p =
            esce ? std::to_string(10 + cifraDi(m, c) - entra) : std::to_string(cifraDi(m, c) - 1);
        prestiti += (c < n && (esce || entra) ? p : ".") + sep;
        minuendo += (c < n ? mc + (esce || entra ? "#" : "") : ".") + sep;
        differenza += (c < n ? std::to_string(cifraDi(m - s, c)) + (zeri ? "#" : "") : ".") + sep;
    }
    return prestiti + " / " + minuendo + " / " + differenza;
}

// Works the subtraction on the board to its end, counted when conta, every wrong key first
// when sbaglia. Returns the first fault, or "".
std::string completa(FrmSott1& w, const app::Module1& mod, long m, long s, bool conta, bool sbaglia) {
    const bool guidato = w.Guidato == 1;
    const int errori = mod.NumErrori, eseguite = mod.NumEseguite;
    int passi = 0;
    for (; w.Frame1.isEnabled(); ++passi) { // until the keypad takes no digit
        const forms::Control* cella = w.focus();
        const int d = cella != nullptr && passi < 40 ? giusta(w, *cella, m, s) : -1;
        if (d < 0) return "asks for " + (cella ? cella->name() : std::string("no cell"));
        for (int x = 0; x < 10 && sbaglia; ++x) {
            const std::string prima = cella->text; // a wrong borrow cell shows it again
            if (x != d) w.Cmd_Click(x);
            if (cella->text != prima || w.focus() != cella)
                return "the wrong key " + std::to_string(x) + " stays";
        }
        if (guidato && !w.lblScrivi.text.ends_with(static_cast<char>('0' + d)))
            return "the hint " + w.lblScrivi.text;
        w.Cmd_Click(d);
    }
    const std::string fine =
        "Bravissimo|hai finito|uaooo!|Image3|" + w.lblErrori.text + "|" + w.lblFatte.text;
    if (stato(w) != fine + "|CmdInserisci") return "the finish " + stato(w);
    const bool contata = conta && !guidato;
    if (mod.NumErrori != errori + (sbaglia && contata ? 9 * passi : 0)) return "miscounted errors";
    if (mod.NumEseguite != eseguite + contata) return "miscounted finish";
    const std::string fatta =
        riga(w.TxtPrestito) + " / " + riga(w.TxtMinuendo) + " / " + riga(w.TxtDifferenza);
    w.CmdRisolvi_Click();
    const std::string mostrata =
        riga(w.TxtPrestito) + " / " + riga(w.TxtMinuendo) + " / " + riga(w.TxtDifferenza);
    return fatta == finita(m, s) && mostrata == fatta ? "" : "the board " + fatta + " shown " + mostrata;
}

// Every pair with a minuend below 1000, 100,000 random pairs, and minuends full of zeros
// (every five-digit string over 0..3, leading zeros typed too), in turn plain and counted,
// guided, and plain after "Ripeti"; every 97th pair with every wrong key at each step.
TEST(Sott1Sweep, TheChildIsLedToTheTrueDifferenceAndJudgedRightly) {
    Banco b;
    FrmSott1& w = b.apri(DaTe);
    b.p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long m, long s, const std::string& scritto) {
        const int modo = static_cast<int>(n % 3);
        w.Check2.checked = modo == 1;
        w.txtFattori[0].text = scritto;
        w.txtFattori[1].text = std::to_string(s);
        w.CmdInserisci_Click();
        if (modo == 2) w.CmdRipeti_Click();
        const std::string guasto = completa(w, b.p.m, m, s, modo != 2, n++ % 97 == 0);
        EXPECT_EQ(guasto, "") << m << " - " << s;
        return guasto.empty();
    };
    for (long m = 1; m < 1000; ++m)
        for (long s = 1; s <= m; ++s)
            if (!prova(m, s, std::to_string(m))) return;
    std::mt19937 gen(7122026);
    std::uniform_int_distribution<long> numero(1, 99999);
    for (int i = 0; i < 100000; ++i) {
        const long x = numero(gen), y = numero(gen);
        if (!prova(std::max(x, y), std::min(x, y), std::to_string(std::max(x, y)))) return;
    }
    for (int k = 1; k < 1024; ++k) {
        std::string scritto;
        for (int c = 0, r = k; c < 5; ++c, r /= 4)
            scritto += static_cast<char>('0' + r % 4);
        const long m = std::stol(scritto);
        for (long s : {1L, 9L, 99L, 999L, 9999L, m, m / 2, m - 1})
            if (1 <= s && s <= m && !prova(m, s, scritto)) return;
    }
    EXPECT_GT(b.p.m.NumErrori, 0);
}

// At every step of 2100 - 201 (plain) and 1000 - 1 (guided), typed or drawn, each way out
// of the dialogue, with the keypad, "Ripeti" and "Stampa" it leaves on or off ("" where that
// mode does not offer it). Afterwards no digit is judged against the operation that left the
// board; the one then set up again is worked from its start, counted only after "OK".
TEST(Sott1Sweep, LeavingTheDialogueAtAnyStepLeavesAConsistentWindow) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*> uscite[] = {
        {"CmdRisolvi", "-++", "-++"}, {"CmdRipeti", "+++", "+++"}, {"^CmbMinuendo", "---", ""},
        {"^CmbSottraendo", "-+-", ""}, {"Check1 Check1", "---", ""}, {"Check2", "---", "+--"},
        {"CmdInserisci", "+++", "+--"}, {"txtFattori(1)", "", "+--"}, {"CmdRisolvi CmdRipeti", "+++", "+++"}};
    // clang-format on
    for (const auto& [m, s, guidato] : {std::tuple{2100, 201, false}, {1000, 1, true}})
        for (int k = 0, finita = 0; !finita; ++k)
            for (const auto& [uscita, computer, te] : uscite)
                for (const int chi : {DalComputer, DaTe}) {
                    const std::string pulsanti = chi == DaTe ? te : computer;
                    const std::string nuova = chi == DaTe
                                                  ? "txtFattori(0) " + std::to_string(m) + " txtFattori(1) " +
                                                        std::to_string(s) + " CmdInserisci"
                                                  : "CmdInserisci";
                    SCOPED_TRACE(std::to_string(m) + " after " + std::to_string(k) + " keys: " + uscita);
                    Banco b;
                    FrmSott1& w = b.apri(chi);
                    w.Check1.checked = false;
                    w.Check2.checked = guidato;
                    w.CmbMinuendo.listIndex = 3;
                    w.CmbSottraendo.listIndex = guidato ? 0 : 2;
                    b.p.random.script = {m, s, m, s};
                    ASSERT_TRUE(b.premi(nuova));
                    for (int j = 0; j < k && w.Frame1.isEnabled(); ++j)
                        w.Cmd_Click(giusta(w, *w.focus(), m, s));
                    finita = !w.Frame1.isEnabled();
                    if (pulsanti.empty() || (finita && std::string(uscita).starts_with("CmdRisolvi")))
                        continue;
                    ASSERT_TRUE(b.premi(uscita));
                    std::string acceso;
                    for (bool a : {w.Frame1.enabled, w.CmdRipeti.enabled, w.cmdStampa.enabled})
                        acceso += a ? '+' : '-';
                    const std::string prima = lavagna(w) + stato(w).substr(0, stato(w).rfind('|'));
                    const std::size_t suoni = b.p.sound.played.size();
                    b.p.event([&] {
                        for (int x = 0; x < 10 && (!w.Frame1.isEnabled() || b.p.m.ChiSceglie == DaTe); ++x)
                            w.Cmd_Click(x); // reaching no check: the keypad is off, or types an operand
                    });
                    ASSERT_EQ(acceso + lavagna(w) + stato(w).substr(0, stato(w).rfind('|')),
                              pulsanti + prima);
                    ASSERT_EQ(b.p.sound.played.size(), suoni);
                    w.txtFattori[0].text = w.txtFattori[1].text = "";
                    ASSERT_TRUE((w.Frame1.isEnabled() && b.p.m.ChiSceglie != DaTe) ||
                                b.premi(w.CmdRipeti.enabled ? "CmdRipeti" : nuova));
                    ASSERT_EQ(completa(w, b.p.m, m, s, b.p.m.DaContare == 1, false), "");
                }
}

} // namespace
} // namespace sott1_test
