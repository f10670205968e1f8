// The subtraction window: its layout, the operands typed or drawn, worked examples, the
// dialogues word for word, and a child working very many subtractions.
#include "Sottrazione.h"
#include "exercise/subtraction/FrmSott1.h"
#include "support/Esercizio.h"
#include "support/Layout.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using app::DalComputer;
using app::DaTe;
using exercise::FrmSott1;
using sott1_test::cifraDi;
using sott1_test::giusta;
using sott1_test::prende;
using testing_support::stato;

// A row from column 4 down to the units, cells apart by '|' (a borrow cell may hold two
// characters); "." is an empty cell, a trailing '#' a greyed one.
std::string riga(const forms::ControlArray& r) {
    std::string out;
    for (int i = r.size() - 1; i >= 0; --i)
        out += (r[i].text.empty() ? "." : r[i].text) + (r[i].enabled ? "" : "#") + (i ? "|" : "");
    return out;
}

// Borrows / minuend / subtrahend / difference, of the window or of its print layout.
std::string lavagna(const exercise::LavagnaSottrazione& l) {
    return riga(l.TxtPrestito) + " / " + riga(l.TxtMinuendo) + " / " + riga(l.TxtSottraendo) + " / " +
           riga(l.TxtDifferenza);
}

struct Banco {
    testing_support::Program p;
    FrmSott1* w = nullptr;
    FrmSott1& apri(int chi) {
        p.m.ChiSceglie = chi;
        return *(w = &p.open<FrmSott1>("frmSott1"));
    }
    bool premi(const std::string& tasti) { return testing_support::premi(p, *w, tasti); }
    FrmSott1& operazione(const std::string& m, const std::string& s, bool guidato = false) {
        apri(DaTe).Check2.checked = guidato;
        EXPECT_TRUE(premi("txtFattori(0) " + m + " txtFattori(1) " + s));
        return *w;
    }
};

// The window (opened in computer mode) and its print layout: places, texts, looks.
const char* const kPosti =
    "Label5 1860,120,4875,855 Sottrazione|Check1 960,1020,1635,375|Check2 960,1500,1635,375|"
    "Label1 60,2040,3015,255 N° cifre minuendo|Label2 60,2700,3015,255 N° cifre sottraendo|"
    "Label7 7200,600,1035,435 Errori|txtFattori(0) 1200,2340,1035,405|"
    "txtFattori(1) 1200,3000,1035,405|CmbMinuendo 1440,2340,615,315|CmbSottraendo 1440,3000,615,315|"
    "mano(0) 540,2280,384,384|mano(1) 540,2940,384,384|CmdInserisci 1020,3600,1395,495|"
    "Image1 1260,4440,900,855|Image4 1260,4440,900,855|LblRisultato 3060,4680,3135,615 Ciao|"
    "lblScrivi 3060,5340,3135,615|lblUao 960,5280,1515,615|cmdStampa 7440,1320,1395,495|"
    "CmdRisolvi 720,2040,1095,495|backspace 7860,4020,1095,495|CmdRipeti 7380,4860,1395,495|"
    "CmdEnd 7380,5580,1395,495|TxtPrestito(0) 5520,1560,615,495|Line1 3120,3360,6120,3360|"
    "TxtMinuendo(4) 3120,2040,615,615|TxtSottraendo(2) 4320,2640,615,615|"
    "TxtDifferenza(1) 4920,3480,615,735|Label3 6120,2160,495,495 -|Label4 6120,2760,495,495 =";
const char* const kCarta =
    "TxtPrestito(4) 3120,1680,615,495|Line1 3120,3480,6120,3480|TxtMinuendo(0) 5520,2160,615,615|"
    "TxtSottraendo(1) 4920,2760,615,615|TxtDifferenza(3) 3720,3600,615,735|"
    "Label3 6120,2280,495,495 -|Label4 6120,2880,495,495 =";
const char* const kAspetti =
    "TxtPrestito(3) 15.6 bold Comic Sans MS ff0000 ffc080|TxtMinuendo(1) 21.6 bold Comic "
    "Sans MS 0 ffc080|TxtSottraendo(4) 21.6 bold Comic Sans MS 0 ffc080|TxtDifferenza(0) "
    "21.6 bold Comic Sans MS 80 ffc080|Label3 21.6 bold Times New Roman 0 ffc080";

// Laid out as above; what each mode shows on opening; opening a list stops the blinking
// hand for good and shows it at the list's row.
TEST(Sott1, LayoutAndOpening) {
    Banco b;
    FrmSott1& w = b.apri(DalComputer);
    forms::Form& bis = b.p.forms.load("frmSott1_bis");
    using testing_support::kKeypad, testing_support::misdrawn, testing_support::misplaced;
    EXPECT_EQ(misplaced(w, kKeypad + kPosti) + misplaced(bis, kCarta) + misdrawn(w, kAspetti) +
                  misdrawn(bis,
                           "TxtPrestito(2) 15.6 bold Comic Sans MS ff0000 ffffff|TxtDifferenza(2) 21.6 bold "
                           "Comic Sans MS c0 ffffff"),
              "");
    EXPECT_EQ(w.caption + bis.caption + w.Check1.picture + w.Check1.pictureChecked +
                  w.CmbMinuendo.items.back(),
              "SottrazioneForm1check_senza_prestitocheck_con_prestito5");
    for (const int chi : {DaTe, DalComputer}) {
        Banco o;
        FrmSott1& f = o.apri(chi);
        std::string acceso;
        for (bool a : {f.Check1.visible, f.Check1.checked, f.Frame1.enabled, f.backspace.visible,
                       f.txtFattori[1].visible, f.CmdRipeti.enabled, f.cmdStampa.enabled})
            acceso += a ? '+' : '-';
        EXPECT_EQ(
            acceso + f.Label1.text + "|" + f.Label2.text + "|" + stato(f),
            chi == DaTe
                ? "-++++--Clicca e scrivi (max 5 cifre)|Clicca e scrivi (max 5 cifre)|Ciao|||Image2| 0| "
                  "0|txtFattori(0)"
                : "++-----N° cifre minuendo|N° cifre sottraendo|Ciao|||Image2| 0| 0|CmbMinuendo");
        ASSERT_TRUE(f.Timer1.enabled && o.premi("^CmbSottraendo"));
        EXPECT_TRUE(!f.Timer1.enabled && f.mano[1].visible && !f.mano[0].visible);
    }
}

// Typed pairs: refused silently (nothing counted, the digits going on into the box); or set
// up with the bar over their columns and sound 105 once, then after a wrong key (counted)
// shown by "Soluzione" with borrows, greyed marks and leading zeros, printed as they stand.
TEST(Sott1, TypedPairsAreRefusedOrWorked) {
    const std::tuple<const char*, const char*, int, const char*> casi[] = {
        {"28", "503", 0, ""},
        {"7", "0", 0, ""},
        {"52", "", 0, ""},
        {"0", "0", 0, ""},
        {"00000", "1", 0, ""},
        {"00052", "7", 4920, ".|.|.|4|12 / .|.|.|5#|2# / .|.|.|.|7 / .|.|.|4|5"},
        {"999999", "1", 3120, ".|.|.|.|. / 9|9|9|9|9 / .|.|.|.|1 / 9|9|9|9|8"}, // the sixth 9 never got in
        {"1000", "1", 3720, ".|0|9|9|10 / .|1#|0#|0#|0# / .|.|.|.|1 / .|0#|9|9|9"},
        {"503", "28", 4320, ".|.|4|9|13 / .|.|5#|0#|3# / .|.|.|2|8 / .|.|4|7|5"},
        {"52", "52", 4920, ".|.|.|.|. / .|.|.|5|2 / .|.|.|5|2 / .|.|.|0#|0#"},
        {"512", "67", 4320, ".|.|4|10|12 / .|.|5#|1#|2# / .|.|.|6|7 / .|.|4|4|5"},
        {"734", "58", 4320, ".|.|6|12|14 / .|.|7#|3#|4# / .|.|.|5|8 / .|.|6|7|6"},
        {"10000", "1", 3120, "0|9|9|9|10 / 1#|0#|0#|0#|0# / .|.|.|.|1 / 0#|9|9|9|9"},
        {"42", "27", 4920, ".|.|.|3|12 / .|.|.|4#|2# / .|.|.|2|7 / .|.|.|1|5"}};
    for (const auto& [m, s, barra, soluzione] : casi) {
        SCOPED_TRACE(std::string(m) + " - " + s);
        Banco b;
        FrmSott1& w = b.operazione(m, s);
        ASSERT_TRUE(b.premi("CmdInserisci"));
        if (!barra) {
            EXPECT_EQ(b.p.sound.played, (std::vector<int>{102, 102}));
            ASSERT_TRUE(b.premi("CmdRisolvi 4"));
            EXPECT_EQ(lavagna(w) + w.txtFattori[1].text + stato(w) + std::to_string(b.p.m.ChiSceglie),
                      ".|.|.|.|. / .|.|.|.|. / .|.|.|.|. / .|.|.|.|." + std::string(s) +
                          "4|||Image2| 0| 0|txtFattori(1)1");
            continue;
        }
        EXPECT_EQ(std::make_tuple(w.Line1.left, w.Line1.x2, w.cmdStampa.enabled, w.backspace.visible,
                                  b.p.m.ChiSceglie, b.p.m.DaContare),
                  std::make_tuple(barra, 6120, true, false, int(app::InEsecuzione), 1));
        ASSERT_TRUE(b.premi("1 CmdRisolvi cmdStampa"));
        std::string stampata = soluzione;
        std::erase(stampata, '#'); // greyed cells print like the others
        EXPECT_EQ(lavagna(w) + "|" + stato(w), std::string(soluzione) + "|Fatto|||Image1| 1| 0|CmdRipeti");
        EXPECT_EQ(lavagna(b.p.forms.get<exercise::FrmSott1Bis>("frmSott1_bis")), stampata);
        EXPECT_EQ(b.p.sound.played, (std::vector<int>{102, 102, 105, 103, 105}));
    }
    // Past the top column a read finds an empty cell, and a write goes nowhere.
    FrmSott1& w = Banco().apri(DaTe);
    for (int i : {-1, 5, 6}) {
        exercise::scriviCella(w.TxtMinuendo, i, "7");
        EXPECT_EQ(exercise::testoCella(w.TxtMinuendo, i) + (exercise::ingrigita(w.TxtMinuendo, i) ? "#" : ""),
                  "");
    }
}

// Drawn operands, after an operation was being worked: the bounds of each draw (minuend and
// subtrahend in turn); a subtrahend larger than the minuend, or with Check1 a pair that
// borrows, drawn again (a generator that never gives a fitting pair cannot hold the window:
// the minuend's digits are raised); a subtrahend's list longer than the minuend's sets nothing
// up, and then neither the keypad nor "Soluzione", even past the switched-off frame, judge.
TEST(Sott1, ComputerDrawsWithinTheListsAndRedraws) {
    std::vector<int> sempre(2000, 50);
    for (std::size_t k = 1; k < sempre.size(); k += 2)
        sempre[k] = 19; // 50 - 19 borrows
    const std::tuple<bool, int, int, std::vector<int>, std::size_t, const char*> casi[] = {
        {true, 3, 3, {200, 300, 534, 123}, 4, ".|.|5|3|4 / .|.|1|2|3"},
        {true, 2, 2, {52, 7, 52, 47, 48, 39, 99, 11}, 8, ".|.|.|9|9 / .|.|.|1|1"},
        {false, 2, 1, {52, 7}, 2, ".|.|.|5#|2# / .|.|.|.|7"},
        {false, 5, 1, {99999, 9}, 2, "9|9|9|9|9 / .|.|.|.|9"},
        {true, 1, 1, {}, 2, ".|.|.|.|1 / .|.|.|.|1"},
        {true, 2, 2, sempre, 2000, ".|.|.|5|9 / .|.|.|1|9"},
        {false, 2, 3, {}, 0, ".|.|.|.|. / .|.|.|.|."}};
    const std::pair<int, int> limiti[] = {{1, 9}, {10, 99}, {100, 999}, {1000, 9999}, {10000, 99999}};
    for (const auto& [senza, cm, cs, estratti, estrazioni, operandi] : casi) {
        SCOPED_TRACE(operandi);
        Banco b;
        FrmSott1& w = b.apri(DalComputer);
        w.Check1.checked = false;
        w.CmbMinuendo.listIndex = 1;
        b.p.random.script = {52, 7};
        ASSERT_TRUE(b.premi("CmdInserisci 4 ^CmbSottraendo") &&
                    w.CmdRipeti.enabled); // "Ripeti" brings 52 - 7 back
        ASSERT_TRUE(b.premi("^CmbMinuendo") && !w.CmdRipeti.enabled);
        w.Check1.checked = senza;
        w.CmbMinuendo.listIndex = cm - 1;
        w.CmbSottraendo.listIndex = cs - 1;
        b.p.random.script.assign(estratti.begin(), estratti.end());
        b.p.random.asked.clear();
        b.p.sound.played.clear();
        ASSERT_TRUE(b.premi("CmdInserisci"));
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), operandi);
        std::vector<std::pair<int, int>> chiesti;
        for (std::size_t k = 0; k < estrazioni; k += 2)
            chiesti.insert(chiesti.end(), {limiti[cm - 1], limiti[cs - 1]});
        EXPECT_EQ(b.p.random.asked, chiesti);
        EXPECT_EQ(b.p.sound.played, (estrazioni ? std::vector<int>{105} : std::vector<int>{}));
        if (estrazioni) continue;
        b.p.event([&] {
            for (int k = 0; k < 10; ++k)
                w.Cmd_Click(k % 2 ? 0 : k);
            w.CmdRisolvi_Click();
        });
        EXPECT_EQ(lavagna(w) + stato(w) + std::to_string(b.p.sound.played.size()),
                  ".|.|.|.|. / .|.|.|.|. / .|.|.|.|. / .|.|.|.|.|||Image2| 0| 0|CmdInserisci0");
        EXPECT_FALSE(w.Frame1.enabled || w.CmdRipeti.enabled || w.cmdStampa.enabled || w.NumColonne);
    }
}

// Key by key (see trascrivi()), plain or guided. 52 - 7 plain: a borrow cell's first digit
// other than 1 reads twice and is wrong; 1 then 5 goes back to the 1. 2100 - 201: the
// hundreds, lowered to 0 by the first chain, borrow again: 0 then 1 make 01, turned into 10.
// 47 - 23: the first hint with no borrow.
TEST(Sott1, GoldenTranscripts) {
    const std::tuple<const char*, const char*, bool, const char*> casi[] = {
        {"52", "7", false, R"(CmdInserisci . 105 Esegui|||Image1| 0| 0|TxtPrestito(1)
4 4 104 Bravissimo||uaoo!|Image2| 0| 0|TxtPrestito(0)
3 . 103 Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
1 1 - Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
5 1 103 Riprova||ops!|Image4| 2| 0|TxtPrestito(0)
2 12 104 Molto bravo||uaoo!|Image2| 2| 0|TxtDifferenza(0)
6 . 103 Riprova||ops!|Image4| 3| 0|TxtDifferenza(0)
5 5 104 Bravo||uao!|Image2| 3| 0|TxtDifferenza(1)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 3| 1|CmdInserisci
)"},
        {"52", "7", true, R"(CmdInserisci . 105 5-1= 4|Scrivi 4||Image1| 0| 0|TxtPrestito(1)
3 . 103 5-1= 4|Scrivi 4||Image4| 0| 0|TxtPrestito(1)
4 4 104 10+ 2= 12|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 2= 12|...e 2||Image2| 0| 0|TxtPrestito(0)
2 12 104  12- 7= 5|Scrivi 5||Image2| 0| 0|TxtDifferenza(0)
6 . 103  12- 7= 5|Scrivi 5||Image4| 0| 0|TxtDifferenza(0)
5 5 104  4- 0= 4|Scrivi 4||Image2| 0| 0|TxtDifferenza(1)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
        {"1000", "1", true, R"(CmdInserisci . 105 1-1= 0|Scrivi 0||Image1| 0| 0|TxtPrestito(3)
0 0 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(2)
9 9 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(1)
9 9 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 0= 10|...e 0||Image2| 0| 0|TxtPrestito(0)
0 10 104  10- 1= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(0)
9 9 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(1)
9 9 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(2)
9 9 104  0- 0= 0|Scrivi 0||Image2| 0| 0|TxtDifferenza(3)
0 0 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
        {"403", "5", true, R"(CmdInserisci . 105 4-1= 3|Scrivi 3||Image1| 0| 0|TxtPrestito(2)
3 3 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(1)
9 9 104 10+ 3= 13|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 3= 13|...e 3||Image2| 0| 0|TxtPrestito(0)
3 13 104  13- 5= 8|Scrivi 8||Image2| 0| 0|TxtDifferenza(0)
8 8 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(1)
9 9 104  3- 0= 3|Scrivi 3||Image2| 0| 0|TxtDifferenza(2)
3 3 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
        {"20", "7", true, R"(CmdInserisci . 105 2-1= 1|Scrivi 1||Image1| 0| 0|TxtPrestito(1)
1 1 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 0= 10|...e 0||Image2| 0| 0|TxtPrestito(0)
0 10 104  10- 7= 3|Scrivi 3||Image2| 0| 0|TxtDifferenza(0)
3 3 104  1- 0= 1|Scrivi 1||Image2| 0| 0|TxtDifferenza(1)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
        {"2100", "201", true, R"(CmdInserisci . 105 1-1= 0|Scrivi 0||Image1| 0| 0|TxtPrestito(2)
0 0 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(1)
9 9 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 0= 10|...e 0||Image2| 0| 0|TxtPrestito(0)
0 10 104  10- 1= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(0)
9 9 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(1)
9 9 104 2-1= 1|Scrivi 1||Image2| 0| 0|TxtPrestito(3)
1 1 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(2)
5 0 103 10+ 0= 10|Scrivi 1||Image4| 0| 0|TxtPrestito(2)
1 10 104  10- 2= 8|Scrivi 8||Image2| 0| 0|TxtDifferenza(2)
8 8 104  1- 0= 1|Scrivi 1||Image2| 0| 0|TxtDifferenza(3)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
        {"47", "23", true, R"(CmdInserisci . 105 7-3= 4|Scrivi 4||Image1| 0| 0|TxtDifferenza(0)
4 4 104  4- 2= 2|Scrivi 2||Image2| 0| 0|TxtDifferenza(1)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"}};
    for (const auto& [m, s, guidato, attesa] : casi) {
        Banco b;
        EXPECT_EQ(testing_support::trascrivi(b.p, b.operazione(m, s, guidato), attesa), attesa)
            << m << " - " << s;
    }
}

// Works the subtraction to its end (see lavora()), counted when conta; then the finish, the
// counters, the board against column arithmetic, and "Soluzione" showing the same board.
// Returns the first fault, or "".
std::string completa(FrmSott1& w, const app::Module1& mod, long m, long s, bool conta, bool sbaglia) {
    const int errori = mod.NumErrori, eseguite = mod.NumEseguite;
    int passi = 0;
    const std::string guasto = testing_support::lavora(
        w, [&](const forms::Control& cella) { return giusta(w, cella, m, s); }, sbaglia, passi);
    if (!guasto.empty()) return guasto;
    // The minuend's marks on the columns that borrow or lend; the difference's leading zeros greyed.
    std::string minuendo, differenza;
    for (int c = 4, zeri = 1, n = static_cast<int>(std::to_string(m).size()); c >= 0; --c) {
        const std::string sep = c ? "|" : "", segno = prende(m, s, c) || prende(m, s, c - 1) ? "#" : "";
        zeri = zeri && cifraDi(m - s, c) == 0;
        minuendo += (c < n ? std::to_string(cifraDi(m, c)) + segno : ".") + sep;
        differenza += (c < n ? std::to_string(cifraDi(m - s, c)) + (zeri ? "#" : "") : ".") + sep;
    }
    const std::string fatta =
        riga(w.TxtPrestito) + " / " + riga(w.TxtMinuendo) + " / " + riga(w.TxtDifferenza);
    const bool contata = conta && w.Guidato == 0;
    if (stato(w) !=
        "Bravissimo|hai finito|uaooo!|Image3|" + w.lblErrori.text + "|" + w.lblFatte.text + "|CmdInserisci")
        return "the finish " + stato(w);
    if (mod.NumErrori != errori + (sbaglia && contata ? passi : 0)) return "miscounted errors";
    if (mod.NumEseguite != eseguite + contata) return "miscounted finish";
    w.CmdRisolvi_Click();
    const std::string mostrata =
        riga(w.TxtPrestito) + " / " + riga(w.TxtMinuendo) + " / " + riga(w.TxtDifferenza);
    return mostrata == fatta && fatta.ends_with(minuendo + " / " + differenza)
               ? ""
               : "the board " + fatta + " shown " + mostrata;
}

// Every pair with a minuend below 1000, 100,000 random pairs, and minuends full of zeros
// (every five-digit string over 0..3, leading zeros typed too), in turn plain and counted,
// guided, and plain after "Ripeti"; every 7th pair with a wrong key first at each step. Every
// 89th is left after a few keys by a way out of the dialogue: then no digit is judged against
// it, and set up again (unless "Ripeti" did) it is worked from its start.
TEST(Sott1, SweepTheChildIsLedToTheTrueDifferenceAndJudgedRightly) {
    const char* uscite[] = {"CmdRisolvi",   "CmdRipeti",     "Check2",
                            "CmdInserisci", "txtFattori(1)", "CmdRisolvi CmdRipeti"};
    Banco b;
    FrmSott1& w = b.apri(DaTe);
    b.p.m.Silenzio = 1;
    long n = 0;
    auto prova = [&](long m, long s, const std::string& scritto) {
        const int modo = static_cast<int>(n % 3);
        auto inserisci = [&] {
            w.Check2.checked = modo == 1;
            w.txtFattori[0].text = scritto;
            w.txtFattori[1].text = std::to_string(s);
            w.CmdInserisci_Click();
            if (modo == 2) w.CmdRipeti_Click();
        };
        inserisci();
        bool conta = modo != 2;
        if (n % 89 == 0) {
            for (long j = 0; j < n / 89 % 7 && w.Frame1.isEnabled(); ++j)
                w.Cmd_Click(giusta(w, *w.focus(), m, s));
            const char* uscita =
                w.Frame1.isEnabled() ? uscite[n / 89 % 6] : "Check2"; // "Soluzione" is off now
            EXPECT_TRUE(b.premi(uscita)) << uscita;
            auto vista = [&] {
                return lavagna(w) + stato(w).substr(0, stato(w).rfind('|')) +
                       std::to_string(b.p.m.NumErrori) + std::to_string(b.p.m.NumEseguite);
            };
            const std::string prima = vista();
            const bool dialogo = w.Frame1.isEnabled() && b.p.m.ChiSceglie != DaTe;
            b.p.event([&] {
                for (int x = 0; x < 10 && !dialogo; ++x)
                    w.Cmd_Click(x); // reaching no check: the keypad is off, or types an operand
            });
            EXPECT_EQ(vista(), prima) << m << " - " << s << " left by " << uscita;
            if (!dialogo) inserisci();
            conta = conta && !dialogo;
        }
        const std::string guasto = completa(w, b.p.m, m, s, conta, n++ % 7 == 0);
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
}

} // namespace
