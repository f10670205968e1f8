#include "Sott1Test.h"

#include "support/Layout.h"

#include <sstream>
#include <vector>

namespace sott1_test {
namespace {

// Places (left,top,width,height; a line's ends) and texts of the window's controls and of its
// print layout's, then looks (size, colour, background).
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
const char* const kPostiCarta =
    "TxtPrestito(4) 3120,1680,615,495|Line1 3120,3480,6120,3480|TxtMinuendo(0) 5520,2160,615,615|"
    "TxtSottraendo(1) 4920,2760,615,615|TxtDifferenza(3) 3720,3600,615,735|"
    "Label3 6120,2280,495,495 -|Label4 6120,2880,495,495 =";
const char* const kAspetti =
    R"(TxtPrestito(3) 15.6 ff0000 ffc080;TxtMinuendo(1) 21.6 0 ffc080;TxtSottraendo(4) 21.6 0 ffc080
TxtDifferenza(0) 21.6 80 ffc080;bis:TxtPrestito(2) 15.6 ff0000 ffffff;bis:TxtDifferenza(2) 21.6 c0 ffffff)";

// The window and its print layout as laid out, and what each mode shows on opening.
TEST(Sott1Layout, PlacesTextsLooksAndOpening) {
    Banco b;
    FrmSott1& w = b.apri(DalComputer);
    forms::Form& bis = b.p.forms.load("frmSott1_bis");
    auto controllo = [&](const std::string& nome) -> const forms::Control& {
        const bool pagina = nome.starts_with("bis:");
        return *(pagina ? bis : static_cast<forms::Form&>(w)).find(nome.substr(pagina ? 4 : 0));
    };
    std::string aspetti = std::string(kAspetti) + ";";
    std::replace(aspetti.begin(), aspetti.end(), '\n', ';');
    std::ostringstream visti;
    std::istringstream in2(aspetti);
    for (std::string nome, resto; in2 >> nome && std::getline(in2, resto, ';');) {
        const forms::Control& c = controllo(nome);
        visti << nome << ' ' << c.font.points << std::hex << ' ' << c.foreColor << ' ' << c.backColor
              << std::dec << ';';
    }
    EXPECT_EQ(testing_support::misplaced(w, testing_support::kKeypad + kPosti) +
                  testing_support::misplaced(bis, kPostiCarta),
              "");
    EXPECT_EQ(visti.str(), aspetti);
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
        EXPECT_EQ(acceso + f.Label2.text + "|" + stato(f),
                  chi == DaTe ? "-++++--Clicca e scrivi (max 5 cifre)|Ciao|||Image2| 0| 0|txtFattori(0)"
                              : "++-----N° cifre sottraendo|Ciao|||Image2| 0| 0|CmbMinuendo");
        // Opening a list stops the blinking hand for good, and shows it at the list's row.
        ASSERT_TRUE(f.Timer1.enabled && o.premi("^CmbSottraendo"));
        EXPECT_TRUE(!f.Timer1.enabled && f.mano[1].visible && !f.mano[0].visible);
    }
}

// Typed operands: refused silently, nothing counted, the digits going on into the box; or
// written on the board with its greyed marks, the bar over their columns, sound 105 once.
TEST(Sott1Operandi, TypedPairsAreRefusedOrWritten) {
    const char* vuota = ".|.|.|.|. / .|.|.|.|.";
    // clang-format off
    const std::tuple<const char*, const char*, const char*, int> casi[] = {
        {"28", "503", vuota, 0}, {"7", "0", vuota, 0}, {"52", "", vuota, 0}, {"0", "0", vuota, 0},
        {"00000", "1", vuota, 0}, {"00052", "7", ".|.|.|5#|2# / .|.|.|.|7", 4920},
        {"503", "28", ".|.|5#|0#|3# / .|.|.|2|8", 4320}, {"52", "52", ".|.|.|5|2 / .|.|.|5|2", 4920},
        {"999999", "1", "9|9|9|9|9 / .|.|.|.|1", 3120}}; // the sixth 9 never got in
    // clang-format on
    for (const auto& [m, s, scritti, barra] : casi) {
        SCOPED_TRACE(std::string(m) + " - " + s);
        Banco b;
        FrmSott1& w = b.apri(DaTe);
        ASSERT_TRUE(b.premi(std::string("txtFattori(0) ") + m + " txtFattori(1) " + s + " CmdInserisci"));
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), scritti);
        EXPECT_EQ(b.p.sound.played, (barra ? std::vector<int>{102, 102, 105} : std::vector<int>{102, 102}));
        if (barra) {
            EXPECT_EQ(std::make_tuple(w.Line1.left, w.Line1.x2, w.CifreMinuendo, w.cmdStampa.enabled,
                                      w.backspace.visible, b.p.m.ChiSceglie, b.p.m.DaContare),
                      std::make_tuple(barra, 6120, 0, true, false, int(app::InEsecuzione), 1));
            continue;
        }
        ASSERT_TRUE(b.premi("CmdRisolvi 4"));
        EXPECT_EQ(w.txtFattori[1].text + riga(w.TxtDifferenza) + stato(w) + std::to_string(b.p.m.ChiSceglie),
                  std::string(s) + "4.|.|.|.|.|||Image2| 0| 0|txtFattori(1)1");
    }
}

// Drawn operands, after an operation was being worked: the bounds of each draw; a
// subtrahend larger than the minuend, or with Check1 a pair that borrows, drawn again (the
// first pair that fits is kept; a generator that never gives one cannot hold the window); a
// subtrahend's list longer than the minuend's sets nothing up, and then neither the keypad
// nor "Soluzione", even reached past the switched-off frame, judge or count anything.
TEST(Sott1Operandi, ComputerDrawsWithinTheListsAndRedraws) {
    std::vector<int> sempre(2000, 50);
    for (std::size_t k = 1; k < sempre.size(); k += 2)
        sempre[k] = 19; // 50 - 19 borrows
    // clang-format off
    const std::tuple<bool, int, int, std::vector<int>, std::size_t, const char*> casi[] = {
        {true, 3, 3, {200, 300, 534, 123}, 4, ".|.|5|3|4 / .|.|1|2|3"},
        {true, 2, 2, {52, 7, 52, 47, 48, 39, 99, 11}, 8, ".|.|.|9|9 / .|.|.|1|1"},
        {false, 2, 1, {52, 7}, 2, ".|.|.|5#|2# / .|.|.|.|7"}, {false, 5, 1, {99999, 9}, 2, "9|9|9|9|9 / .|.|.|.|9"},
        {true, 1, 1, {}, 2, ".|.|.|.|1 / .|.|.|.|1"},          // the lower bounds: 1 - 1
        {true, 2, 2, sempre, 2000, ".|.|.|5|9 / .|.|.|1|9"},   // the minuend's digits raised
        {false, 2, 3, {}, 0, ".|.|.|.|. / .|.|.|.|."}};
    // clang-format on
    const std::pair<int, int> limiti[] = {{1, 9}, {10, 99}, {100, 999}, {1000, 9999}, {10000, 99999}};
    for (const auto& [senza, cm, cs, estratti, estrazioni, operandi] : casi) {
        SCOPED_TRACE(operandi);
        Banco b;
        FrmSott1& w = b.apri(DalComputer);
        w.Check1.checked = false;
        w.CmbMinuendo.listIndex = 1;
        b.p.random.script = {52, 7};
        ASSERT_TRUE(b.premi("CmdInserisci 4"));
        w.Check1.checked = senza;
        w.CmbMinuendo.listIndex = cm - 1;
        w.CmbSottraendo.listIndex = cs - 1;
        b.p.random.script.assign(estratti.begin(), estratti.end());
        b.p.random.asked.clear();
        b.p.sound.played.clear();
        ASSERT_TRUE(b.premi("CmdInserisci"));
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), operandi);
        std::vector<std::pair<int, int>> chiesti; // minuend and subtrahend in turn
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

// The borrows worked column by column, as "Soluzione" shows them after a wrong first key
// (counted): greyed marks and leading zeros, printed as they stand, "OK" and "Soluzione"
// sounding 105 once each.
TEST(Sott1Soluzione, BorrowsAndMarksOfWorkedExamples) {
    // clang-format off
    const char* casi[][3] = {
        {"1000", "1", ".|0|9|9|10 / .|1#|0#|0#|0# / .|.|.|.|1 / .|0#|9|9|9"},
        {"503", "28", ".|.|4|9|13 / .|.|5#|0#|3# / .|.|.|2|8 / .|.|4|7|5"},
        {"52", "52", ".|.|.|.|. / .|.|.|5|2 / .|.|.|5|2 / .|.|.|0#|0#"},
        {"512", "67", ".|.|4|10|12 / .|.|5#|1#|2# / .|.|.|6|7 / .|.|4|4|5"},
        {"734", "58", ".|.|6|12|14 / .|.|7#|3#|4# / .|.|.|5|8 / .|.|6|7|6"},
        {"10000", "1", "0|9|9|9|10 / 1#|0#|0#|0#|0# / .|.|.|.|1 / 0#|9|9|9|9"},
        {"42", "27", ".|.|.|3|12 / .|.|.|4#|2# / .|.|.|2|7 / .|.|.|1|5"}};
    // clang-format on
    for (const auto& c : casi) {
        Banco b;
        FrmSott1& w = b.operazione(c[0], c[1]);
        ASSERT_TRUE(b.premi("1 CmdRisolvi cmdStampa"));
        std::string stampata = c[2];
        std::erase(stampata, '#'); // greyed cells print like the others
        EXPECT_EQ(lavagna(w) + "|" + stato(w), std::string(c[2]) + "|Fatto|||Image1| 1| 0|CmdRipeti");
        EXPECT_EQ(lavagna(b.p.forms.get<exercise::FrmSott1Bis>("frmSott1_bis")), stampata);
        EXPECT_EQ(b.p.sound.played, (std::vector<int>{102, 102, 105, 103, 105}));
    }
    // Past the top column a read finds an empty, enabled cell and a write goes nowhere.
    FrmSott1& w = Banco().apri(DaTe);
    for (int i : {-1, 5, 6}) {
        exercise::scriviCella(w.TxtMinuendo, i, "7");
        EXPECT_EQ(exercise::testoCella(w.TxtMinuendo, i) + (exercise::ingrigita(w.TxtMinuendo, i) ? "#" : ""),
                  "");
    }
}

} // namespace
} // namespace sott1_test
