#include "Sott1Test.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace sott1_test {
namespace {

// Every place, caption and look that the window and its print layout are drawn with.
TEST(Sott1Layout, PlacesCaptionsAndLooks) {
    struct Riga {
        const char *finestra, *nome;
        int left, top, width, height;
        const char* testo;
    };
    const Riga righe[] = {
        {"frmSott1", "Label5", 1860, 120, 4875, 855, "Sottrazione"},
        {"frmSott1", "Check1", 960, 1020, 1635, 375, ""},
        {"frmSott1", "Check2", 960, 1500, 1635, 375, ""},
        {"frmSott1", "Label1", 60, 2040, 3015, 255, "N° cifre minuendo"},
        {"frmSott1", "Label2", 60, 2700, 3015, 255, "N° cifre sottraendo"},
        {"frmSott1", "txtFattori(0)", 1200, 2340, 1035, 405, ""},
        {"frmSott1", "txtFattori(1)", 1200, 3000, 1035, 405, ""},
        {"frmSott1", "CmbMinuendo", 1440, 2340, 615, 315, ""},
        {"frmSott1", "CmbSottraendo", 1440, 3000, 615, 315, ""},
        {"frmSott1", "mano(0)", 540, 2280, 384, 384, ""},
        {"frmSott1", "mano(1)", 540, 2940, 384, 384, ""},
        {"frmSott1", "CmdInserisci", 1020, 3600, 1395, 495, ""},
        {"frmSott1", "Image1", 1260, 4440, 900, 855, ""},
        {"frmSott1", "Image4", 1260, 4440, 900, 855, ""},
        {"frmSott1", "LblRisultato", 3060, 4680, 3135, 615, "Ciao"},
        {"frmSott1", "lblScrivi", 3060, 5340, 3135, 615, ""},
        {"frmSott1", "lblUao", 960, 5280, 1515, 615, ""},
        {"frmSott1", "cmdStampa", 7440, 1320, 1395, 495, ""},
        {"frmSott1", "Frame1", 7140, 1980, 1935, 2655, "Tastierino numerico"},
        {"frmSott1", "CmdRisolvi", 720, 2040, 1095, 495, ""},
        {"frmSott1", "backspace", 7860, 4020, 1095, 495, ""},
        {"frmSott1", "CmdRipeti", 7380, 4860, 1395, 495, ""},
        {"frmSott1", "CmdEnd", 7380, 5580, 1395, 495, ""},
        {"frmSott1", "Label6", 7200, 120, 1155, 435, "Eseguite"},
        {"frmSott1", "Label7", 7200, 600, 1035, 435, "Errori"},
        {"frmSott1", "TxtPrestito(0)", 5520, 1560, 615, 495, ""},
        {"frmSott1", "TxtMinuendo(4)", 3120, 2040, 615, 615, ""},
        {"frmSott1", "TxtSottraendo(2)", 4320, 2640, 615, 615, ""},
        {"frmSott1", "TxtDifferenza(1)", 4920, 3480, 615, 735, ""},
        {"frmSott1", "Label3", 6120, 2160, 495, 495, "-"},
        {"frmSott1", "Label4", 6120, 2760, 495, 495, "="},
        {"frmSott1_bis", "TxtPrestito(4)", 3120, 1680, 615, 495, ""},
        {"frmSott1_bis", "TxtMinuendo(0)", 5520, 2160, 615, 615, ""},
        {"frmSott1_bis", "TxtSottraendo(1)", 4920, 2760, 615, 615, ""},
        {"frmSott1_bis", "TxtDifferenza(3)", 3720, 3600, 615, 735, ""},
        {"frmSott1_bis", "Label3", 6120, 2280, 495, 495, "-"},
        {"frmSott1_bis", "Label4", 6120, 2880, 495, 495, "="},
    };
    Banco b;
    FrmSott1& w = b.apri(DalComputer);
    forms::Form& bis = b.p.forms.load("frmSott1_bis");
    for (const Riga& r : righe) {
        forms::Form& f = std::string(r.finestra) == "frmSott1" ? static_cast<forms::Form&>(w) : bis;
        const forms::Control* c = f.find(r.nome);
        ASSERT_TRUE(c) << r.nome;
        EXPECT_EQ(std::tie(c->left, c->top, c->width, c->height, c->text),
                  std::make_tuple(r.left, r.top, r.width, r.height, std::string(r.testo)))
            << r.finestra << " " << r.nome;
    }
    EXPECT_EQ(w.caption, "Sottrazione");
    EXPECT_EQ(std::tie(bis.caption, bis.width, bis.height, bis.backColor),
              std::make_tuple(std::string("Form1"), 9480, 6792, 0xFFFFFFu));
    // Bars: on the window from (3120, 3360), on paper always five columns wide at 3480.
    EXPECT_EQ(std::tie(w.Line1.left, w.Line1.top, w.Line1.x2, w.Line1.y2),
              std::make_tuple(3120, 3360, 6120, 3360));
    const forms::Control& barra = *bis.find("Line1");
    EXPECT_EQ(std::tie(barra.left, barra.top, barra.x2, barra.y2), std::make_tuple(3120, 3480, 6120, 3480));
    // Rows: font size and colour, on the window and on paper.
    struct Aspetto {
        const char* nome;
        double punti;
        forms::Rgb colore, colorePagina;
    };
    for (const Aspetto& a : {Aspetto{"TxtPrestito(3)", 15.6, 0xFF0000, 0xFF0000},
                             Aspetto{"TxtMinuendo(3)", 21.6, 0x000000, 0x000000},
                             Aspetto{"TxtSottraendo(3)", 21.6, 0x000000, 0x000000},
                             Aspetto{"TxtDifferenza(3)", 21.6, 0x000080, 0x0000C0}}) {
        const forms::Control &c = *w.find(a.nome), &p = *bis.find(a.nome);
        EXPECT_EQ(std::tie(c.font.points, c.foreColor, c.backColor, p.foreColor, p.backColor),
                  std::make_tuple(a.punti, a.colore, 0xFFC080u, a.colorePagina, 0xFFFFFFu))
            << a.nome;
    }
    EXPECT_EQ(w.CmbMinuendo.items, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(w.CmbSottraendo.listText(), "1");
    EXPECT_EQ(std::tie(w.Check1.picture, w.Check1.pictureChecked),
              std::make_tuple(std::string("check_senza_prestito"), std::string("check_con_prestito")));
}

// What each mode shows on opening: Check1, keypad, entry boxes, captions, repeat button.
TEST(Sott1Layout, OpensForEitherChooser) {
    for (const int chi : {DaTe, DalComputer}) {
        Banco b;
        FrmSott1& w = b.apri(chi);
        const bool te = chi == DaTe;
        EXPECT_EQ(w.Check1.visible, !te);
        EXPECT_TRUE(w.Check1.checked);
        EXPECT_EQ(w.Frame1.enabled, te);
        EXPECT_EQ(w.backspace.visible, te);
        EXPECT_EQ(w.txtFattori[1].visible, te);
        EXPECT_FALSE(w.CmdRipeti.enabled || w.cmdStampa.enabled);
        EXPECT_EQ(w.Label2.text, te ? "Clicca e scrivi (max 5 cifre)" : "N° cifre sottraendo");
        EXPECT_EQ(stato(w), "Ciao|||Image2| 0| 0|" + std::string(te ? "txtFattori(0)" : "CmbMinuendo"));
        EXPECT_EQ(b.p.sound.played, std::vector<int>{});
    }
}

// Typed operands: refused silently with nothing counted, or written on the board.
TEST(Sott1Operandi, TypedPairsAreRefusedOrWritten) {
    struct Caso {
        const char *m, *s;
        bool accettata;
        const char* lavagna; // minuend / subtrahend
        int barra;           // Line1's left end
    };
    const char* vuota = ".|.|.|.|. / .|.|.|.|.";
    const Caso casi[] = {
        {"28", "503", false, vuota, 0},
        {"7", "0", false, vuota, 0},
        {"52", "", false, vuota, 0},
        {"0", "0", false, vuota, 0},
        {"", "", false, vuota, 0},
        {"00000", "1", false, vuota, 0},
        {"00052", "7", true, ".|.|.|5#|2# / .|.|.|.|7", 4920},
        {"503", "28", true, ".|.|5#|0#|3# / .|.|.|2|8", 4320},
        {"52", "52", true, ".|.|.|5|2 / .|.|.|5|2", 4920},
        {"999999", "1", true, "9|9|9|9|9 / .|.|.|.|1", 3120}, // the sixth 9 never got in
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.m) + " - " + c.s);
        Banco b;
        FrmSott1& w = b.apri(DaTe);
        ASSERT_TRUE(b.premi(std::string("txtFattori(0) ") + c.m + " txtFattori(1) " + c.s));
        b.p.sound.played.clear();
        ASSERT_TRUE(b.premi("CmdInserisci"));
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), c.lavagna);
        EXPECT_EQ(w.cmdStampa.enabled, c.accettata);
        EXPECT_EQ(w.backspace.visible, !c.accettata);
        EXPECT_EQ(b.p.m.ChiSceglie, c.accettata ? app::InEsecuzione : DaTe);
        EXPECT_EQ(b.p.sound.played, c.accettata ? std::vector<int>{105} : std::vector<int>{});
        if (c.accettata) {
            EXPECT_EQ(std::tie(w.Line1.left, w.Line1.x2, w.CifreMinuendo, w.CifreSottraendo),
                      std::make_tuple(c.barra, 6120, 0, 0));
            EXPECT_EQ(b.p.m.DaContare, 1);
            continue;
        }
        // Refused: the entry box keeps its text, and digits go on into it.
        EXPECT_EQ(w.focus(), &w.txtFattori[1]);
        EXPECT_EQ(w.txtFattori[1].text, c.s);
        ASSERT_TRUE(b.premi("CmdRisolvi 4"));
        EXPECT_EQ(w.txtFattori[1].text, std::string(c.s) + "4");
        EXPECT_EQ(riga(w.TxtDifferenza) + stato(w), ".|.|.|.|.|||Image2| 0| 0|txtFattori(1)");
    }
}

// The borrows worked out column by column, as "Soluzione" shows them, and what the
// dialogue will expect: the borrow cells' values and the difference digits, units first.
TEST(Sott1Soluzione, BorrowsAndMarksOfWorkedExamples) {
    struct Caso {
        const char *m, *s, *lavagna, *prestiti, *differenze;
    };
    const Caso casi[] = {
        {"1000", "1", ".|0|9|9|10 / .|1#|0#|0#|0# / .|.|.|.|1 / .|0#|9|9|9", "10 9 9 0 0", "9 9 9 0 0"},
        {"503", "28", ".|.|4|9|13 / .|.|5#|0#|3# / .|.|.|2|8 / .|.|4|7|5", "13 9 4 0 0", "5 7 4 0 0"},
        {"52", "52", ".|.|.|.|. / .|.|.|5|2 / .|.|.|5|2 / .|.|.|0#|0#", "0 0 0 0 0", "0 0 0 0 0"},
        {"512", "67", ".|.|4|10|12 / .|.|5#|1#|2# / .|.|.|6|7 / .|.|4|4|5", "12 10 4 0 0", "5 4 4 0 0"},
        {"734", "58", ".|.|6|12|14 / .|.|7#|3#|4# / .|.|.|5|8 / .|.|6|7|6", "14 12 6 0 0", "6 7 6 0 0"},
        {"10000", "1", "0|9|9|9|10 / 1#|0#|0#|0#|0# / .|.|.|.|1 / 0#|9|9|9|9", "10 9 9 9 0", "9 9 9 9 0"},
        {"42", "27", ".|.|.|3|12 / .|.|.|4#|2# / .|.|.|2|7 / .|.|.|1|5", "12 3 0 0 0", "5 1 0 0 0"},
        {"5", "5", ".|.|.|.|. / .|.|.|.|5 / .|.|.|.|5 / .|.|.|.|0#", "0 0 0 0 0", "0 0 0 0 0"},
    };
    for (const Caso& c : casi) {
        Banco b;
        FrmSott1& w = b.operazione(c.m, c.s);
        std::string prestiti, differenze;
        for (int i = 0; i < 5; ++i) {
            prestiti += std::to_string(w.CifrePrestito[std::size_t(i)]) + (i < 4 ? " " : "");
            differenze += std::to_string(w.CifreDifferenza[std::size_t(i)]) + (i < 4 ? " " : "");
        }
        EXPECT_EQ(prestiti + " / " + differenze, std::string(c.prestiti) + " / " + c.differenze) << c.m;
        b.p.sound.played.clear();
        ASSERT_TRUE(b.premi("CmdRisolvi"));
        EXPECT_EQ(lavagna(w), c.lavagna) << c.m;
        EXPECT_EQ(stato(w), "Fatto|||Image1| 0| 0|CmdRipeti") << c.m;
        EXPECT_EQ(b.p.sound.played, std::vector<int>{105});
        EXPECT_FALSE(w.Frame1.enabled);
        // Printed as it stands; greyed cells print like the others.
        ASSERT_TRUE(b.premi("cmdStampa"));
        std::string stampata = c.lavagna;
        std::erase(stampata, '#');
        EXPECT_EQ(lavagna(b.p.forms.get<exercise::FrmSott1Bis>("frmSott1_bis")), stampata) << c.m;
        EXPECT_EQ(b.p.printer.pages.size(), 1u);
    }
}

// Drawn operands: the bounds of each draw, a subtrahend larger than the minuend drawn again,
// and, with Check1 ticked, pairs that need a borrow drawn again; the pair kept is the first
// that fits. A generator that never gives one cannot hold the window.
TEST(Sott1Operandi, ComputerDrawsWithinTheListsAndRedraws) {
    struct Caso {
        bool senzaPrestiti;
        int cifreM, cifreS;
        std::vector<int> estratti;
        std::size_t estrazioni;
        const char* operandi;
    };
    std::vector<int> sempreConPrestito;
    for (int k = 0; k < 1000; ++k)
        sempreConPrestito.insert(sempreConPrestito.end(), {50, 19});
    const Caso casi[] = {
        {true, 3, 3, {200, 300, 534, 123}, 4, ".|.|5|3|4 / .|.|1|2|3"},
        {true, 2, 2, {52, 7, 52, 47, 48, 39, 99, 11}, 8, ".|.|.|9|9 / .|.|.|1|1"},
        {false, 2, 1, {52, 7}, 2, ".|.|.|5#|2# / .|.|.|.|7"},
        {false, 5, 1, {99999, 9}, 2, "9|9|9|9|9 / .|.|.|.|9"},
        {true, 1, 1, {}, 2, ".|.|.|.|1 / .|.|.|.|1"}, // the lower bounds: 1 - 1
        // A thousand pairs with a borrow: the minuend's digits are raised to fit.
        {true, 2, 2, sempreConPrestito, 2000, ".|.|.|5|9 / .|.|.|1|9"},
    };
    const std::pair<int, int> limiti[] = {{1, 9}, {10, 99}, {100, 999}, {1000, 9999}, {10000, 99999}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.operandi);
        Banco b;
        FrmSott1& w = b.apri(DalComputer);
        w.Check1.checked = c.senzaPrestiti;
        w.CmbMinuendo.listIndex = c.cifreM - 1;
        w.CmbSottraendo.listIndex = c.cifreS - 1;
        b.p.random.script.assign(c.estratti.begin(), c.estratti.end());
        ASSERT_TRUE(b.premi("CmdInserisci"));
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), c.operandi);
        // Minuend and subtrahend in turn, each from its own list's bounds.
        std::vector<std::pair<int, int>> chiesti;
        for (std::size_t k = 0; k < c.estrazioni; k += 2)
            chiesti.insert(chiesti.end(), {limiti[c.cifreM - 1], limiti[c.cifreS - 1]});
        EXPECT_EQ(b.p.random.asked, chiesti);
        EXPECT_EQ(std::count(b.p.sound.played.begin(), b.p.sound.played.end(), 105), 1);
    }
}

// A cut-short "OK" (the subtrahend's list longer than the minuend's) after an operation was
// being worked: the board is empty and stays so; neither the keypad nor "Soluzione", even
// reached past the switched-off frame, judge anything against the old operation.
TEST(Sott1Operandi, CutShortInsertLeavesNothingToWorkOn) {
    for (const bool guidato : {false, true}) {
        Banco b;
        FrmSott1& w = b.apri(DalComputer);
        w.Check1.checked = false;
        w.Check2.checked = guidato;
        w.CmbMinuendo.listIndex = w.CmbSottraendo.listIndex = 1;
        b.p.random.script = {52, 17};
        ASSERT_TRUE(b.premi("CmdInserisci 4 9"));
        ASSERT_TRUE(b.premi("^CmbMinuendo"));
        w.CmbSottraendo.listIndex = 2;
        ASSERT_TRUE(b.premi("CmdInserisci"));
        const std::string vuota = ".|.|.|.|. / .|.|.|.|. / .|.|.|.|. / .|.|.|.|.";
        EXPECT_EQ(lavagna(w), vuota);
        EXPECT_FALSE(w.Frame1.enabled || w.CmdRipeti.enabled || w.cmdStampa.enabled);
        EXPECT_FALSE(b.premi("0"));
        const int errori = b.p.m.NumErrori, eseguite = b.p.m.NumEseguite;
        const std::size_t suoni = b.p.sound.played.size();
        b.p.event([&] {
            for (int k = 0; k < 10; ++k)
                w.Cmd_Click(k == 9 ? 0 : k);
            w.CmdRisolvi_Click();
        });
        EXPECT_EQ(lavagna(w), vuota);
        EXPECT_EQ(std::tie(b.p.m.NumErrori, b.p.m.NumEseguite, w.Colonna, w.NumColonne, w.PassoPrestito),
                  std::make_tuple(errori, eseguite, 0, 0, 0));
        EXPECT_EQ(b.p.sound.played.size(), suoni);
        EXPECT_EQ(stato(w).substr(0, 3), "|||");
    }
}

// What each reset leaves: the board, the buttons, and whether "Ripeti" brings the last
// operation back (not counted).
TEST(Sott1Operandi, ResetsAndRepeat) {
    struct Caso {
        int chi;
        const char* tasti;
        const char* pulsanti; // keypad, Ripeti, Stampa, backspace
        const char* lavagna;  // minuend / subtrahend afterwards
        int chiSceglie;
        std::vector<int> suoni;
    };
    const char* vuota = ".|.|.|.|. / .|.|.|.|.";
    const char* op = ".|.|.|5#|2# / .|.|.|.|7";
    const Caso casi[] = {
        {DalComputer, "^CmbSottraendo", "-+--", vuota, DalComputer, {102}},
        {DalComputer, "^CmbSottraendo CmdRipeti", "++--", op, DalComputer, {102, 105}},
        {DalComputer, "^CmbMinuendo", "----", vuota, DalComputer, {102}},
        {DalComputer, "Check1", "----", vuota, DalComputer, {102}},
        {DalComputer, "Check2", "----", vuota, DalComputer, {102}},
        {DalComputer, "CmdRipeti", "+++-", op, DalComputer, {105}},
        {DaTe, "CmdRipeti", "+++-", op, DalComputer, {105}},
        {DaTe, "Check2", "+--+", vuota, DaTe, {102}},
        {DaTe, "txtFattori(1)", "+--+", vuota, DaTe, {102}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.tasti);
        Banco b;
        FrmSott1& w = b.apri(c.chi);
        w.Check1.checked = false;
        w.CmbMinuendo.listIndex = 1;
        b.p.random.script = {52, 7};
        ASSERT_TRUE(
            b.premi(c.chi == DaTe ? "txtFattori(0) 52 txtFattori(1) 7 CmdInserisci" : "CmdInserisci"));
        ASSERT_TRUE(b.premi("4"));
        b.p.sound.played.clear();
        ASSERT_TRUE(b.premi(c.tasti));
        std::string pulsanti;
        for (bool acceso : {w.Frame1.enabled, w.CmdRipeti.enabled, w.cmdStampa.enabled, w.backspace.visible})
            pulsanti += acceso ? '+' : '-';
        EXPECT_EQ(pulsanti, c.pulsanti);
        EXPECT_EQ(riga(w.TxtMinuendo) + " / " + riga(w.TxtSottraendo), c.lavagna);
        EXPECT_EQ(riga(w.TxtPrestito), ".|.|.|.|.");
        EXPECT_EQ(b.p.m.ChiSceglie, c.chiSceglie);
        EXPECT_EQ(b.p.sound.played, c.suoni);
        EXPECT_EQ(b.p.m.DaContare, std::string(c.tasti).find("CmdRipeti") == std::string::npos);
        if (std::string(c.lavagna) == op) { // worked again from its first step, the next digit to the board
            EXPECT_EQ(w.focus(), &w.TxtPrestito[1]);
            ASSERT_TRUE(b.premi("4"));
            EXPECT_EQ(riga(w.TxtPrestito), ".|.|.|4|.");
        }
    }
}

// Reads past the top column find an empty, enabled cell; writes there go nowhere.
TEST(Sott1Lavagna, CellsPastTheBoardAreEmptyAndTakeNothing) {
    Banco b;
    FrmSott1& w = b.operazione("10000", "1");
    for (int i : {-1, 5, 6, 7}) {
        exercise::scriviCella(w.TxtMinuendo, i, "7");
        EXPECT_EQ(exercise::testoCella(w.TxtMinuendo, i), "") << i;
        EXPECT_FALSE(exercise::ingrigita(w.TxtMinuendo, i)) << i;
    }
    EXPECT_EQ(exercise::testoCella(w.TxtMinuendo, 4), "1");
    EXPECT_TRUE(exercise::ingrigita(w.TxtMinuendo, 4));
    EXPECT_EQ(riga(w.TxtMinuendo), "1#|0#|0#|0#|0#");
}

} // namespace
} // namespace sott1_test
