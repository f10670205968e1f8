#include "Molt.h"

#include "support/Layout.h"

#include <memory>
#include <sstream>
#include <vector>

namespace molt_test {
namespace {

using testing_support::stato;

// "@window a b guided" enters a x b (typed, then drawn; loud, then silent) and presses "OK";
// every other row is a press (controls, or keypad digits). After each: stato() and the sounds
// asked for. After the finish a digit that reaches the keypad must go nowhere.
TEST(Molt, DialoguesStepByStep) {
    const char* passi[][3] = {
        {"@frmMolt1 47 6 1", "6x7= 42|Scrivi 2||Image1| 0| 0|TxtProdotto(0)", "105"},
        {"3", "6x7= 42|Scrivi 2||Image4| 0| 0|TxtProdotto(0)", "103"},
        {"2", "6x7= 42|e riporta  4||Image2| 0| 0|TxtRiporto(1)", "104"},
        {"5", "6x7= 42|e riporta  4||Image4| 0| 0|TxtRiporto(1)", "103"},
        {"4", "6x4+4= 28|Scrivi 8||Image2| 0| 0|TxtProdotto(1)", "104"},
        {"8", "6x4+4= 28|...e  2||Image2| 0| 0|TxtProdotto(2)", "104"},
        {"2", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        {"@frmMolt1 7 8 1", "8x7= 56|Scrivi 6||Image1| 0| 0|TxtProdotto(0)", "105"},
        {"6", "8x7= 56|...e  5||Image2| 0| 0|TxtProdotto(1)", "104"},
        {"5", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        {"@frmMolt1 25 4 1", "4x5= 20|Scrivi 0||Image1| 0| 0|TxtProdotto(0)", "105"},
        {"0", "4x5= 20|e riporta  2||Image2| 0| 0|TxtRiporto(1)", "104"},
        {"2", "4x2+2= 10|Scrivi 0||Image2| 0| 0|TxtProdotto(1)", "104"},
        {"0", "4x2+2= 10|...e  1||Image2| 0| 0|TxtProdotto(2)", "104"},
        {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        {"@frmMolt2 34 12 1", "2x4= 8|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)", "105"},
        {"8", " 2x 3= 6|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)", "104"},
        {"6", " 1x 4= 4|Scrivi 4||Image2| 0| 0|TxtProdotto2(1)", "104"},
        {"4", " 1x 3= 3|Scrivi 3||Image2| 0| 0|TxtProdotto2(2)", "104"},
        {"3", " 8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)", "104"},
        {"8", " 6+ 4= 10|Scrivi 0||Image2| 0| 0|TxtProdotto3(1)", "104"},
        {"0", " 6+ 4= 10| e riporta  1||Image2| 0| 0|TxtRiporto3(2)", "104"},
        {"1", " 1+ 0+ 3= 4|Scrivi 4||Image2| 0| 0|TxtProdotto3(2)", ""}, // a quiet carry
        {"4", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        // Guided, "Ripeti" leaves the exclamation; a step asked again writes numbers as later hints do.
        {"CmdProdotto 7", " 2x 4= 8|Scrivi 8|uaooo!|Image4| 0| 0|TxtProdotto1(0)", "105 103"},
        {"@frmMolt2 56 23 1", "3x6= 18|Scrivi 8||Image1| 0| 0|TxtProdotto1(0)", "105"},
        {"8", "3x6= 18|e riporta  1||Image2| 0| 0|TxtRiporto1(1)", "104"},
        {"1", " 3x 5+ 1= 16|Scrivi 6||Image2| 0| 0|TxtProdotto1(1)", "104"},
        {"6", " 3x 5+ 1= 16|...e  1||Image2| 0| 0|TxtProdotto1(2)", "104"},
        {"1", " 2x 6= 12|Scrivi 2||Image2| 0| 0|TxtProdotto2(1)", "104"},
        {"2", " 2x 6= 12| e riporta  1||Image2| 0| 0|TxtRiporto2(1)", "104"},
        {"5", " 2x 6= 12| e riporta  1||Image4| 0| 0|TxtRiporto2(1)", "103"},
        {"1", " 2x 5+ 1= 11|Scrivi 1||Image4| 0| 0|TxtProdotto2(2)", ""}, // no face change either
        {"1", " 2x 5+ 1= 11|...e  1||Image2| 0| 0|TxtProdotto2(3)", "104"},
        {"1", " 8+ 0= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(0)", "104"},
        {"8", " 6+ 2= 8|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)", "104"},
        {"8", " 1+ 1= 2|Scrivi 2||Image2| 0| 0|TxtProdotto3(2)", "104"},
        {"2", " 0+ 1= 1|Scrivi 1||Image2| 0| 0|TxtProdotto3(3)", "104"},
        {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        {"@frmMolt2 99 19 1", "9x9= 81|Scrivi 1||Image1| 0| 0|TxtProdotto1(0)", "105"},
        {"1898991", " 9+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(1)", "104 104 104 104 104 104 104"},
        {"8", " 9+ 9= 18| e riporta  1||Image2| 0| 0|TxtRiporto3(2)", "104"},
        {"1", " 1+ 8+ 9= 18|Scrivi 8||Image2| 0| 0|TxtProdotto3(2)", ""},
        // The top column's overflow: its digit above, "Scrivi" left from the column before.
        {"8", "...e  1|Scrivi 8||Image2| 0| 0|TxtProdotto3(3)", "104"},
        {"1", "Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdVai", "104 101"},
        {"@frmMolt2 99 19 0", "Esegui|||Image1| 0| 0|TxtProdotto1(0)", "105"},
        {"18", "Molto bravo||uaoo!|Image2| 0| 0|TxtProdotto1(1)", "104 104"},
        {"98", "Esegui|||Image2| 0| 0|TxtProdotto2(1)", "104 104"}, // the end of a row
        {"5", "Riprova||ops!|Image4| 1| 0|TxtProdotto2(1)", "103"},
        {"99182", "Riprova||ops!|Image4| 2| 0|TxtRiporto3(2)", "104 104 104 104 103"},
        {"181", "Bravissimo|hai finito|uaooo!|Image3| 2| 1|CmdVai", "104 104 104 101"},
        // A repeat counts neither its errors nor its finish.
        {"CmdProdotto 3", "Riprova||ops!|Image4| 2| 1|TxtProdotto1(0)", "105 103"},
    };
    for (const int chi : {DaTe, DalComputer}) {
        for (const int silenzio : {0, 1}) {
            std::unique_ptr<Banco> t;
            for (const auto& [premi, atteso, suoni] : passi) {
                SCOPED_TRACE(std::string(premi) + (chi == DaTe ? " typed" : " drawn") +
                             (silenzio ? " silent" : ""));
                const std::size_t prima = t && premi[0] != '@' ? t->p.sound.played.size() : 0;
                if (premi[0] == '@') {
                    std::istringstream in(premi + 1);
                    std::string nome;
                    long a, b;
                    int guidato;
                    in >> nome >> a >> b >> guidato;
                    t = std::make_unique<Banco>();
                    t->p.m.Silenzio = silenzio;
                    t->operazione(nome, chi, a, b, guidato == 1);
                } else {
                    ASSERT_TRUE(t->premi(premi));
                }
                EXPECT_EQ(stato(*t->w), atteso);
                std::ostringstream sentiti; // at the set-up, after the entry boxes' clicks
                for (std::size_t k = prima; k < t->p.sound.played.size(); ++k)
                    if (premi[0] != '@' || t->p.sound.played[k] != 102)
                        sentiti << (sentiti.tellp() > 0 ? " " : "") << t->p.sound.played[k];
                EXPECT_EQ(sentiti.str(), silenzio ? "" : suoni);
                if (t->w->Frame1.isEnabled()) continue;
                const std::string fine = lavagna(*t->w) + stato(*t->w);
                t->w->Cmd_Click(7);
                EXPECT_EQ(lavagna(*t->w) + stato(*t->w), fine);
            }
        }
    }
}

// A x b typed, "OK" and "Soluzione": every cell filled, the bar over the operation's columns
// (window, a, b, the bar, the columns of each row, the board), not counted.
TEST(Molt, SolutionsAndBars) {
    const char* casi[][4] = {
        {"frmMolt1 1 1", "5040,3360-6120,3360", "1", "....1 ....1 ..... ....1"},
        {"frmMolt1 9999 9", "3240,3360-6120,3360", "5", ".9999 ....9 .888. 89991"},
        {"frmMolt1 25 4", "4440,3360-6120,3360", "3", "...25 ....4 ...2. ..100"},
        {"frmMolt2 12 34", "4440,2760-6120,2760", "2 2 3", "...12 ...34 ..... ..... ..1.. ...48 ..36. ..408"},
        {"frmMolt2 99 99", "4440,2760-6120,2760", "3 3 4", "...99 ...99 ...8. ...8. .11.. ..891 .891. .9801"},
        {"frmMolt2 99 19", "4440,2760-6120,2760", "3 2 4", "...99 ...19 ...8. ..... ..1.. ..891 ..99. .1881"},
        {"frmMolt2 999 99", "3840,2760-6120,2760", "4 4 5",
         "..999 ...99 ..88. ..88. 111.. .8991 8991. 98901"},
        {"frmMolt2 100 10", "3840,2760-6120,2760", "3 3 4",
         "..100 ...10 ..... ..... ..... ..000 .100. .1000"},
    };
    for (const auto& [operazione, barra, colonne, attesa] : casi) {
        std::istringstream in(operazione);
        std::string nome;
        long a, b;
        in >> nome >> a >> b;
        Banco t;
        FinestraMoltiplicazione& w = t.operazione(nome, DaTe, a, b, false);
        ASSERT_TRUE(t.premi("CmdRisolvi"));
        EXPECT_EQ(lavagna(w), attesa);
        const forms::Control& l = *w.find("Line1");
        std::ostringstream viste;
        viste << l.left << "," << l.top << "-" << l.x2 << "," << l.y2 << " ";
        if (auto* m1 = dynamic_cast<exercise::FrmMolt1*>(&w)) viste << m1->colonne.NumColonne;
        if (auto* m2 = dynamic_cast<exercise::FrmMolt2*>(&w))
            viste << m2->riga1.NumColonne << " " << m2->riga2.NumColonne << " " << m2->somma.NumColonne;
        EXPECT_EQ(viste.str(), std::string(barra) + " " + colonne) << operazione;
        EXPECT_EQ(stato(w), "Fatto|||Image1| 0| 0|CmdProdotto") << operazione;
        EXPECT_EQ(t.p.sound.played, (std::vector<int>{102, 102, 105, 105}));
    }
}

// From a window just opened ("1"/"2" child mode, "C1"/"C2" computer mode with the lists on
// their last item), after the presses: the entry boxes, the factors on the board, the focus,
// who chooses now, whether the hand still blinks, and the draws' bounds.
TEST(Molt, EntryLimitsAndRefusals) {
    const char* casi[][3] = {
        {"1", "txtFattori(0) 12345", "1234| ..... .....|txtFattori(0)|1"},
        {"1", "txtFattori(1) 12", "|1 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 47 txtFattori(1) 0 CmdVai", "47|0 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(1) 6 txtFattori(0) CmdVai", "|6 ..... .....|txtFattori(0)|1"},
        {"1", "txtFattori(0) =4a txtFattori(1) 6 CmdVai", "4a|6 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 4 txtFattori(1) =12 CmdVai", "4|12 ..... .....|txtFattori(1)|1"},
        {"1", "txtFattori(0) 0012 txtFattori(1) 3 CmdVai", "| ...12 ....3|TxtProdotto(0)|0"},
        // The boxes were emptied by the accepted press: a second one is refused.
        {"1", "txtFattori(0) 4 txtFattori(1) 3 CmdVai CmdVai", "| ..... .....|txtFattori(1)|1"},
        {"C1", "CmdVai CmdVai", "| .1001 ....2|TxtProdotto(0)|2 1000-9999 1-9"},
        {"C1", "Check2", "| ..... .....|CmdVai|2 blinking"},
        {"C1", "^CmbNSF", "| ..... .....|CmbNSF|2"}, // opening a list stops the hand for good
        {"2", "txtFattori(0) 1234", "123| ..... .....|txtFattori(0)|1"},
        {"2", "txtFattori(1) 123", "|12 ..... .....|txtFattori(1)|1"},
        // A single digit: refused, the focus stays on "OK"; 0 or nothing: back to the box.
        {"2", "txtFattori(0) 7 txtFattori(1) 34 CmdVai", "7|34 ..... .....|CmdVai|1"},
        {"2", "txtFattori(0) 34 txtFattori(1) 05 CmdVai", "34|05 ..... .....|CmdVai|1"},
        {"2", "txtFattori(1) 34 txtFattori(0) 0 CmdVai", "0|34 ..... .....|txtFattori(0)|1"},
        {"2", "txtFattori(0) =1000 txtFattori(1) 12 CmdVai", "1000|12 ..... .....|txtFattori(1)|1"},
        {"2", "txtFattori(0) 034 txtFattori(1) 12 CmdVai", "| ...34 ...12|TxtProdotto1(0)|0"},
        {"C2", "CmdVai CmdVai", "| ..100 ...10|TxtProdotto1(0)|2 100-999 10-99"},
        {"C2", "^CmbNPF", "| ..... .....|CmbNPF|2"},
    };
    for (const auto& [finestra, premi, atteso] : casi) {
        Banco t;
        const bool computer = finestra[0] == 'C';
        FinestraMoltiplicazione& w =
            t.apri(std::string("frmMolt") + finestra[computer], computer ? DalComputer : DaTe);
        w.CmbNPF.listIndex = static_cast<int>(w.CmbNPF.items.size()) - 1;
        t.p.random.script = {4700, 6, 1001, 2};
        if (finestra[computer] == '2') t.p.random.script = {345, 67, 100, 10};
        ASSERT_TRUE(t.premi(premi)) << premi;
        std::ostringstream visto;
        visto << w.txtFattori[0].text << "|" << w.txtFattori[1].text << " " << lavagna(w).substr(0, 11) << "|"
              << w.focus()->name() << "|" << t.p.m.ChiSceglie << (w.Timer1.enabled ? " blinking" : "");
        if (premi == std::string("CmdVai CmdVai"))
            visto << " " << t.p.random.asked[0].first << "-" << t.p.random.asked[0].second << " "
                  << t.p.random.asked[1].first << "-" << t.p.random.asked[1].second;
        EXPECT_EQ(visto.str(), atteso) << premi;
        const bool accettata = lavagna(w).substr(0, 11) != "..... .....";
        EXPECT_EQ(w.cmdStampa.enabled && w.CmdProdotto.enabled, accettata) << premi;
        EXPECT_EQ(w.backspace.visible, !computer && !accettata) << premi;
    }
}

// Places (left,top,width,height; a line's ends) and texts of each window in child mode and of
// its print layout, then looks (points, bold, colour, background) and the computer mode's lists.
TEST(Molt, LayoutCaptionsAndPrintLayouts) {
    using testing_support::cells;
    const std::string pannello =
        "Check2 900,1320,1575,375|mano(0) 480,2100,384,384|mano(1) 480,2820,384,384|"
        "txtFattori(0) 1140,2160,1035,405|txtFattori(1) 1140,2880,1035,405|CmbNPF 1380,2160,615,315|"
        "CmbNSF 1380,2880,615,315|CmdVai 960,3420,1395,495|Image1 1260,4260,900,855|Image4 1260,4260,900,855|"
        "lblUao 1020,5280,1515,615|cmdStampa 7440,1320,1395,495|CmdProdotto 7380,4860,1395,495|"
        "CmdEnd 7380,5580,1395,495|backspace 7860,4020,1095,495|" +
        testing_support::kKeypad;
    const std::pair<const char*, std::string> tavole[] = {
        {"frmMolt1",
         pannello +
             "Label5 60,60,6555,855 Moltiplicazione semplice|Label1 60,1860,3015,255 Clicca e scrivi "
             "(max 4 cifre)|Label2 60,2580,3015,255 Clicca e scrivi (max 1 cifra)|LblRisultato "
             "2760,4560,3735,615 Ciao|lblScrivi 2760,5220,3735,615|Line2 7140,600,9060,600|"
             "Label3 6120,2160,495,495 X|Label4 6120,2520,495,615 =|Line1 3120,3360,6120,3360|" +
             cells("TxtRiporto", 0, 4, 5520, -600, 1560, 615, 495) +
             cells("TxtPrimoFatt", 0, 4, 5520, -600, 2040, 615, 615) +
             cells("TxtSecondoFatt", 0, 4, 5520, -600, 2640, 615, 615) +
             cells("TxtProdotto", 0, 4, 5520, -600, 3480, 615, 735)},
        {"frmMolt1_bis", "Label3 6120,2400,495,495 X|Label4 6120,2760,495,615 =|Line1 3120,3600,6120,3600|" +
                             cells("TxtRiporto", 0, 4, 5520, -600, 1800, 615, 495) +
                             cells("TxtPrimoFatt", 0, 4, 5520, -600, 2280, 615, 615) +
                             cells("TxtSecondoFatt", 0, 4, 5520, -600, 2880, 615, 615) +
                             cells("TxtProdotto", 0, 4, 5520, -600, 3720, 615, 735)},
        {"frmMolt2",
         pannello +
             "Label5 60,0,6795,795 Moltiplicazione complessa|Label1 60,1860,2895,255 Clicca e scrivi "
             "(min 2 cifre)|Label2 60,2580,2895,255 Clicca e scrivi (min 2 cifre)|LblRisultato "
             "3120,5280,3015,555 Ciao|lblScrivi 3120,5880,3015,555|Line3 7140,600,9060,600|"
             "Label3 6120,1440,495,495 X|Label4 6120,1920,495,615 =|Line1 3120,2760,6120,2760|"
             "Line2 3120,4560,6120,4560|TxtProdotto1(0) 5520,3240,615,615|" +
             cells("TxtRiporto1", 0, 4, 5520, -600, 960, 615, 435) +
             cells("TxtRiporto2", 0, 4, 5520, -600, 960, 615, 435) +
             cells("TxtPrimoFatt", 0, 4, 5520, -600, 1440, 615, 615) +
             cells("TxtSecondoFatt", 0, 4, 5520, -600, 2040, 615, 615) +
             cells("TxtRiporto3", 0, 4, 5520, -600, 2880, 615, 375) +
             cells("TxtProdotto1", 1, 4, 4920, -600, 3240, 615, 645) +
             cells("TxtProdotto2", 0, 4, 5520, -600, 3840, 615, 645) +
             cells("TxtProdotto3", 0, 4, 5520, -600, 4680, 615, 585)},
        {"frmMolt2_bis", "Label3 5880,960,495,495 X|Label4 5880,1440,495,615 =|Line1 2880,2280,5880,2280|"
                         "Line2 2880,4080,5880,4080|TxtProdotto1(0) 5280,2760,615,615|" +
                             cells("TxtRiporto1", 0, 4, 5280, -600, 480, 615, 435) +
                             cells("TxtRiporto2", 0, 4, 5280, -600, 480, 615, 435) +
                             cells("TxtPrimoFatt", 0, 4, 5280, -600, 960, 615, 615) +
                             cells("TxtSecondoFatt", 0, 4, 5280, -600, 1560, 615, 615) +
                             cells("TxtRiporto3", 0, 4, 5280, -600, 2400, 615, 375) +
                             cells("TxtProdotto1", 1, 4, 4680, -600, 2760, 615, 645) +
                             cells("TxtProdotto2", 0, 4, 5280, -600, 3360, 615, 645) +
                             cells("TxtProdotto3", 0, 4, 5280, -600, 4200, 615, 585)},
    };
    Program p;
    p.m.ChiSceglie = DaTe;
    for (const auto& [nome, tavola] : tavole)
        EXPECT_EQ(testing_support::misplaced(p.forms.load(nome), tavola), "") << nome;
    const std::string cs = " bold Comic Sans MS ";
    const std::pair<const char*, std::string> aspetti[] = {
        {"frmMolt1", "Label1 9.6" + cs +
                         "0 ffffff|txtFattori(1) 14.4 Comic Sans MS c0 ffffff|LblRisultato 20.4" + cs +
                         "ff0000 ffffff|lblUao 20.4" + cs + "ff ffffff|TxtRiporto(4) 15.6" + cs +
                         "ff0000 ffc080|TxtPrimoFatt(3) 21.6" + cs + "0 ffc080|TxtSecondoFatt(0) 21.6" + cs +
                         "0 ffc080|TxtProdotto(2) 21.6" + cs +
                         "c0 ffc080|Label3 18 Comic Sans MS 0 ffc080|"
                         "Label4 24 Comic Sans MS 0 ffc080"},
        {"frmMolt1_bis", "TxtProdotto(1) 21.6" + cs + "c0 ffffff|Label4 24 Comic Sans MS 0 ffffff"},
        {"frmMolt2", "TxtRiporto1(1) 12" + cs + "ff0000 ffc080|TxtRiporto2(2) 12" + cs +
                         "ff0000 ffc080|"
                         "TxtPrimoFatt(2) 18" +
                         cs + "0 ffc080|TxtSecondoFatt(1) 18" + cs + "0 ffc080|TxtRiporto3(3) 12" + cs +
                         "ff0000 ffc080|TxtProdotto1(0) 18" + cs + "c0 ffc080|TxtProdotto2(4) 18" + cs +
                         "c0 ffc080|TxtProdotto3(1) 18" + cs + "c0 ffc080|Label3 18 Comic Sans MS 0 ffc080"},
        {"frmMolt2_bis", "TxtRiporto2(0) 12" + cs + "ff0000 ffffff|TxtProdotto3(4) 18" + cs +
                             "c0 ffffff|Label3 18 Comic Sans MS 0 ffffff"},
    };
    for (const auto& [nome, tavola] : aspetti)
        EXPECT_EQ(testing_support::misdrawn(p.forms.load(nome), tavola), "") << nome;
    std::ostringstream finestre;
    for (const char* nome : {"frmMolt1", "frmMolt2", "frmMolt1_bis", "frmMolt2_bis"}) {
        const forms::Form& f = p.forms.load(nome);
        finestre << f.caption << " " << f.width << "x" << f.height << " " << std::hex << f.backColor
                 << std::dec << "|";
    }
    EXPECT_EQ(finestre.str(), "Moltiplicazione semplice 9504x6816 ffc080|Moltiplicazione complessa 9504x6816 "
                              "ffc080|Form1 9480x6792 ffffff|Form1 9480x6792 ffffff|");
    // In computer mode: the captions, the lists on their first item and what they offer.
    const char* liste[][2] = {
        {"frmMolt1", "N° cifre primo fattore|N° cifre secondo fattore|1 1|1234 1"},
        {"frmMolt2", "N° cifre primo fattore|N° cifre secondo fattore|2 2|23 2"},
    };
    for (const auto& [nome, atteso] : liste) {
        Banco t;
        FinestraMoltiplicazione& w = t.apri(nome, DalComputer);
        std::string voci;
        for (const forms::Control* l : {&w.CmbNPF, &w.CmbNSF})
            for (const std::string& v : l->items)
                voci += v + (&v == &l->items.back() && l == &w.CmbNPF ? " " : "");
        EXPECT_EQ(w.Label1.text + "|" + w.Label2.text + "|" + w.CmbNPF.listText() + " " +
                      w.CmbNSF.listText() + "|" + voci,
                  atteso);
        EXPECT_FALSE(w.txtFattori[0].visible || w.txtFattori[1].visible || w.Frame1.isEnabled());
    }
}

// Both carry rows show at load; from "OK" on, row 1's until row 1 is done, then row 2's
// (per cell 0..4: the row's number if shown, else 0; cell 4 of both is never switched).
// The page shows row 1's carries over the first factor.
TEST(Molt, CarryRowsInTurnAndPrintedPages) {
    const char* casi[][4] = {
        {"frmMolt2", "", "11111 22222", ""},
        {"frmMolt2", "txtFattori(0) 56 txtFattori(1) 23 CmdVai 816", "11111 00002", ""},
        {"frmMolt2", "txtFattori(0) 56 txtFattori(1) 23 CmdVai 8161", "00001 22222", ""},
        {"frmMolt2", "txtFattori(0) 56 txtFattori(1) 23 CmdVai 81612111 8821 cmdStampa", "00001 22222",
         "...56 ...23 ...1. ..... ..... ..168 .112. .1288"},
        {"frmMolt2", "txtFattori(0) 56 txtFattori(1) 23 CmdVai 8161 CmdRisolvi cmdStampa", "11111 00002",
         "...56 ...23 ...1. ..... ..... ..168 .112. .1288"},
        {"frmMolt1", "txtFattori(0) 47 txtFattori(1) 6 CmdVai 24 cmdStampa", "", "...47 ....6 ...4. ....2"},
        {"frmMolt1", "txtFattori(0) 9999 txtFattori(1) 9 CmdVai CmdRisolvi cmdStampa", "",
         ".9999 ....9 .888. 89991"},
    };
    for (const auto& [nome, premi, riporti, pagina] : casi) {
        Banco t;
        FinestraMoltiplicazione& w = t.apri(nome, DaTe);
        ASSERT_TRUE(t.premi(premi)) << premi;
        std::string visti;
        for (const std::string r : {"TxtRiporto1", "TxtRiporto2"}) {
            if (w.find(r + "(0)") == nullptr) continue;
            visti += visti.empty() ? "" : " ";
            for (int i = 0; i < 5; ++i)
                visti += w.find(r + "(" + std::to_string(i) + ")")->visible ? r.back() : '0';
        }
        EXPECT_EQ(visti, riporti) << premi;
        std::string stampata;
        for (const auto& testi : t.p.printer.pages) {
            forms::Form& carta = t.p.forms.load(std::string(nome) + "_bis"); // the page, read back
            for (const auto& [cella, testo] : testi)
                carta.find(cella)->text = testo;
            stampata = lavagna(carta);
        }
        EXPECT_EQ(stampata, pagina) << premi;
    }
}

} // namespace
} // namespace molt_test
