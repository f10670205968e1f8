// What both division windows do alike: the hints and marks word for word, "Soluzione" at any
// point, the refusals and the draws, printing.
#include "support/Divisione.h"

#include <array>
#include <map>
#include <tuple>

using namespace testing_support::divisione;

namespace {

const char* const kDomanda =
    "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca sulla cifra scelta.|";

// No digit on the board, no bar, no question open.
template <class W> void vuota(const W& f) {
    for (const forms::Control* c : f.controls())
        EXPECT_TRUE(c->kind() != forms::ControlKind::Cell || c->text.empty()) << c->name();
    if constexpr (kEstesa<W>) {
        EXPECT_FALSE(f.Line1.visible || f.Line2.visible || f.Line3.visible || f.Line4.visible);
    }
    EXPECT_EQ(f.TastierinoAttivo + f.FaseQuoziente + f.FaseProdotto + f.FaseResto + f.FaseTrasferimento, 0);
    EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
}

// What a child who never errs reads (see passi()); at the end the marks and the greyed digits,
// the finished board, what is left enabled, the focus and the count.
TEST(DivSuggerimenti, EachStepSaysWhatComesNextAndMarksItsBorrows) {
    const std::string T = "Che cifra devo trasferire ?|", BT = "Bravo. " + T, Q = "Bravo. Quoziente ?|",
                      R = "Bravo. Quanto è il resto ?|", P = "Bravo. Quanto è il prodotto ?|",
                      RE = "Bravo. Adesso calcoliamo il resto.|", E = " eeeeeeeeeeeeeeee",
                      NC = "....|....|....|....|...." + E, NE = "....|....|....|...." + E;
    // clang-format off
    struct Caso { char finestra; int dividendo, divisore; bool guidato; std::vector<std::string> passi; std::string segni; };
    const Caso casi[] = {
        // One blank after "allo"; "all'" before 8, with no blank before a first partial dividend.
        {'C', 408, 4, true, {"Clicca sulla prima cifra.", " 4: 4= 1|Scrivi  1", " 1x 4= 4 al 4 -->  0|Scrivi  0",
          T + "Scrivi  0", " 0: 4= 0|Scrivi  0", " 0x 4= 0 allo 0 -->  0|Scrivi  0", T + "Scrivi  8",
          " 8: 4= 2|Scrivi  2", " 2x 4= 8 all' 8 -->  0|Scrivi  0"}, NC},
        {'C', 845, 7, true, {"Clicca sulla prima cifra.", " 8: 7= 1|Scrivi  1", " 1x 7= 7 all'8 -->  1|Scrivi  1",
          T + "Scrivi  4", " 14: 7= 2|Scrivi  2", " 2x 7= 14 al  14 -->  0|Scrivi  0", T + "Scrivi  5",
          " 5: 7= 0|Scrivi  0", " 0x 7= 0 al  5 -->  5|Scrivi  5"}, NC},
        // A later 11, and a later partial dividend from 80 to 89, take "all'" with a blank.
        {'C', 61, 5, true, {"Clicca sulla prima cifra.", " 6: 5= 1|Scrivi  1", " 1x 5= 5 al 6 -->  1|Scrivi  1",
          T + "Scrivi  1", " 11: 5= 2|Scrivi  2", " 2x 5= 10 all' 11 -->  1|Scrivi  1"}, NC},
        {'C', 175, 9, true, {"Clicca sulla seconda cifra.", " 17: 9= 1|Scrivi  1", " 1x 9= 9 al 17 -->  8|Scrivi  8",
          T + "Scrivi  5", " 85: 9= 9|Scrivi  9", " 9x 9= 81 all' 85 -->  4|Scrivi  4"}, NC},
        // Two-digit divisors: the units column, borrowing tens marked in red, then the tens column.
        {'C', 125, 13, true, {"Clicca sulla terza cifra.", " 125: 13= 9|Scrivi  9", " 9x3= 27 al  35 --> 8|Scrivi 8"},
         ". 9 35.|....|....|....|.... gggeeeeeeeeeeeee"},
        {'C', 95, 12, true, {"Clicca sulla seconda cifra.", " 95: 12= 7|Scrivi  7", " 7x2= 14 al  15 --> 1|Scrivi 1",
          " 7x1= 7 all' 8 --> 1|Scrivi 1"}, " 8 15..|....|....|....|.... ggeeeeeeeeeeeeee"},
        {'C', 100, 10, true, {"Clicca sulla seconda cifra.", " 10: 10= 1|Scrivi  1", " 1x0= 0 allo 0 --> 0|Scrivi 0",
          T + "Scrivi  0", " 0: 10= 0|Scrivi  0", " 0x0= 0 allo 0 --> 0|Scrivi 0"}, NC},
        {'C', 1000, 99, true, {"Clicca sulla terza cifra.", " 100: 99= 1|Scrivi  1", " 1x9= 9 al  10 --> 1|Scrivi 1",
          T + "Scrivi  0", " 10: 99= 0|Scrivi  0", " 0x9= 0 allo 0 --> 0|Scrivi 0", " 0x9= 0 all' 1 --> 1|Scrivi 1"},
         ". 9 10.|....|....|....|.... gggeeeeeeeeeeeee"},
        // A tens column read from 80 to 89 takes "all'".
        {'C', 875, 96, true, {"Clicca sulla terza cifra.", " 875: 96= 9|Scrivi  9", " 9x6= 54 al  55 --> 1|Scrivi 1",
          " 9x9= 81 all' 82 --> 1|Scrivi 1"}, ". 82 55.|....|....|....|.... gggeeeeeeeeeeeee"},
        // Step 2 marks its borrow over remainder row 1 and the digit brought down.
        {'C', 845, 23, true, {"Clicca sulla seconda cifra.", " 84: 23= 3|Scrivi  3", " 3x3= 9 al  14 --> 5|Scrivi 5",
          " 3x2= 6 al  7 --> 1|Scrivi 1", T + "Scrivi  5", " 155: 23= 6|Scrivi  6", " 6x3= 18 al  25 --> 7|Scrivi 7",
          " 6x2= 12 al  13 --> 1|Scrivi 1"}, " 7 14..|. 13 25.|....|....|.... ggeegggeeeeeeeee"},
        {'C', 845, 23, false, {"Clicca sulla cifra scelta.", Q + "uaoo!", R + "uao!", "Bravo|uaoo!", BT + "uaoo!",
          Q + "uaoo!", R + "uaoo!", "Bravo|uaoo!"}, NC},
        {'E', 945, 7, true, {"Clicca sulla prima cifra.", " 9: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 9-7= 2|Scrivi  2",
          T + "Scrivi  4", " 24: 7= 3|Scrivi  3", " 3x 7= 21|Scrivi  1", " 3x 7= 21|...e  2", " 4-1= 3|Scrivi  3",
          T + "Scrivi  5", " 35: 7= 5|Scrivi  5", " 5x 7= 35|Scrivi  5", " 5x 7= 35|...e  3", " 5-5= 0|Scrivi  0"}, NE},
        // A three-digit product: the carry, then the hundreds; the tens column of the remainder
        // under the product's middle digit.
        {'E', 370, 42, true, {"Clicca sulla terza cifra.", " 370: 42= 8|Scrivi  8", " 8x2= 16|Scrivi 6 (e riporta  1)",
          " 8x4+ 1 (che riportavo) = 33|Scrivi 3", " 8x4+ 1 (che riportavo) = 33|...e 3", " 10-6= 4|Scrivi  4",
          " 6-3= 3|Scrivi  3"}, ". 610.|....|....|.... eggeeeeeeeeeeeee"},
        {'E', 370, 42, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uaoo!", "Bravo|uaoo!",
          RE + "uaoo!", "Bravo|uao!"}, NE},
        // The exclamations of every kind of product, in every step.
        {'E', 92, 13, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", "Bravo|uao!", RE + "uaoo!"}, NE},
        {'E', 9999, 2, false, {"Clicca sulla cifra scelta.", Q + "uao!", P + "uao!", RE + "uao!", BT + "uaoo!",
          Q + "uao!", P + "uao!", "Bravo|uaoo!", RE + "uao!", BT + "uaoo!", Q + "uaoo!", P + "uao!", "Bravo|uao!",
          RE + "uao!", BT + "uaoo!", Q + "uao!", P + "uao!", "Bravo|uaoo!", RE + "uao!"}, NE},
        {'E', 92, 13, true, {"Clicca sulla seconda cifra.", " 92: 13= 7|Scrivi  7", " 7x3= 21|Scrivi 1 (e riporta  2)",
          " 7x1+ 2 (che riportavo) = 9|Scrivi 9", " 2-1= 1|Scrivi  1"}, NE},
        // A units product of 10 carries too.
        {'E', 50, 25, true, {"Clicca sulla seconda cifra.", " 50: 25= 2|Scrivi  2", " 2x5= 10|Scrivi 0 (e riporta  1)",
          " 2x2+ 1 (che riportavo) = 5|Scrivi 5", " 0-0= 0|Scrivi  0"}, NE},
        // The units borrow; the tens column of a two-digit remainder.
        {'E', 91, 39, true, {"Clicca sulla seconda cifra.", " 91: 39= 2|Scrivi  2", " 2x9= 18|Scrivi 8 (e riporta  1)",
          " 2x3+ 1 (che riportavo) = 7|Scrivi 7", " 11-8= 3|Scrivi  3", " 8-7= 1|Scrivi  1"},
         "811..|....|....|.... ggeeeeeeeeeeeeee"},
        // Borrows over the first and second remainder rows.
        {'E', 1000, 7, true, {"Clicca sulla seconda cifra.", " 10: 7= 1|Scrivi  1", " 1x 7= 7|Scrivi  7", " 10-7= 3|Scrivi  3",
          T + "Scrivi  0", " 30: 7= 4|Scrivi  4", " 4x 7= 28|Scrivi  8", " 4x 7= 28|...e  2", " 10-8= 2|Scrivi  2",
          T + "Scrivi  0", " 20: 7= 2|Scrivi  2", " 2x 7= 14|Scrivi  4", " 2x 7= 14|...e  1", " 10-4= 6|Scrivi  6"},
         "....|.210.|.110.|.... eeeeeggeeggeeeee"}};
    // clang-format on
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(1, c.finestra) + " " + std::to_string(c.dividendo) + ":" +
                     std::to_string(c.divisore) + (c.guidato ? " guided" : ""));
        const auto leggi = [&]<class W>() {
            Finestra<W> w;
            W& f = w.apri(app::DaTe);
            EXPECT_EQ(w.passi(c.dividendo, c.divisore, c.guidato), c.passi);
            EXPECT_EQ(segni(f), c.segni);
            EXPECT_EQ(lavagna(f), aMano(c.dividendo, c.divisore).lavagna[kEstesa<W>]);
            EXPECT_EQ(stato(f).substr(0, 5) + f.lblUao.text + f.focus()->name() +
                          std::to_string(w.p.m.NumEseguite),
                      "-++-3uaooo!CmdInserisci" + std::string(c.guidato ? "0" : "1"));
        };
        c.finestra == 'E' ? leggi.operator()<FrmDivEstesa>() : leggi.operator()<FrmDivCompatta>();
    }
}

// "Soluzione" before the click, after it and after each digit but the last, every digit wrong
// first: the whole board with its marks and bars, the dividend digits greyed under a mark, no
// question open, the counters as they were, nothing answering; then "Ripeti" sets the operation up
// again on a keypad that is on. The board is also the sweep's own answer.
TEST(DivSoluzione, ShowsTheWholeDivisionAtAnyPoint) {
    const std::string C = "....|....|....|....|.... ", E = "....|....|....|.... ", G = "gggggggggggg";
    // clang-format off
    const std::tuple<char, int, int, const char*, std::string, const char*> casi[] = {
        {'C', 1000, 7, "^^vv 142. .30. .20. .6.. ....", C + "eeee" + G, ""},
        {'C', 9999, 99, "^^vv 101. .09. .99. .0.. ....", C + "eeee" + G, ""},
        {'C', 105, 5, "^^v. 21.. .05. .0.. .... ....", C + "eeeg" + G, ""},
        {'C', 100, 10, "^^v. 10.. .00. .0.. .... ....", C + "eeeg" + G, ""},
        {'C', 1000, 99, "^^^v 10.. ..10 .10. .... ....", C + "eeee" + G, ""},
        {'C', 9999, 1, "^vvv 9999 09.. 09.. 09.. 0...", C + "eeee" + G, ""},
        {'C', 1005, 5, "^^vv 201. .00. .05. .0.. ....", C + "eeee" + G, ""},
        {'C', 845, 23, "^^v. 36.. 155. 17.. .... ....", C + "eeeg" + G, ""},
        {'C', 7, 7, "^... 1... 0... .... .... ....", C + "eggg" + G, ""},
        {'E', 945, 7, "^vv. 135. 7.../24.. 21../35.. 35../0... ..../....", E + "eeeg" + G,
         "1800-2280@2760 1800-2760@3600 2280-3240@4440 -"},
        {'E', 370, 42, "^^^. 8... 336./.34. ..../.... ..../.... ..../....", ". 610.|....|....|.... eggg" + G,
         "1800-3240@2760 - - -"},
        {'E', 1000, 7, "^^vv 142. .7../.30. .28./.20. .14./.6.. ..../....", "....|.210.|.110.|.... eeee" + G,
         "1800-2760@2760 2280-3240@3600 2760-3720@4440 -"},
        {'E', 8, 2, "^... 4... 8.../0... ..../.... ..../.... ..../....", E + "eggg" + G, "1800-2280@2760 - - -"},
        // A 0 that lends and borrows shows 9.
        {'E', 1000, 99, "^^^v 10.. .99./..10 ...0/.10. ..../.... ..../....", "0910.|....|....|.... ggge" + G,
         "1800-3240@2760 2760-3720@3600 - -"},
        // The tens mark of a three-digit product in the first step keeps its blank.
        {'E', 2000, 22, "^^^v 90.. 198./..20 ...0/.20. ..../.... ..../....", "1 910.|....|....|.... ggge" + G,
         "1800-3240@2760 2760-3720@3600 - -"},
        {'E', 4200, 22, "^^vv 190. 22../200. 198./.20. ..0./20.. ..../....", "....|1910.|....|.... eeee" + G,
         "1800-2760@2760 1800-3240@3600 2760-3720@4440 -"},
        // A one-digit product is taken away in the head: no marks.
        {'E', 12, 7, "^^.. 1... .7../.5.. ..../.... ..../.... ..../....", E + "eegg" + G, "1800-2760@2760 - - -"},
        {'E', 9876, 3, "^vvv 3292 9.../08.. .6../27.. 27../06.. .6../0...", E + "eeee" + G,
         "1800-2280@2760 2280-2760@3600 2280-3240@4440 3240-3720@5280"},
        // The tens digit equal to the product's, after lending to the units, borrows too.
        {'E', 193, 97, "^^^. 1... .97./.96. ..../.... ..../.... ..../....", "01813.|....|....|.... gggg" + G,
         "1800-3240@2760 - - -"},
        {'E', 290, 97, "^^^. 2... 194./.96. ..../.... ..../.... ..../....", "1 1810.|....|....|.... gggg" + G,
         "1800-3240@2760 - - -"},
        {'E', 1300, 93, "^^^v 13.. .93./.370 .279/.91. ..../.... ..../....", "01210.|.21610|....|.... ggge" + G,
         "1800-3240@2760 2280-3720@3600 - -"}};
    // clang-format on
    for (const bool guidato : {false, true}) {
        for (const auto& [finestra, dividendo, divisore, tavola, marchi, linee] : casi) {
            const AMano a = aMano(dividendo, divisore);
            const auto prova = [&]<class W>() {
                EXPECT_EQ(a.lavagna[kEstesa<W>], tavola);
                const std::string& cifre = a.cifre[kEstesa<W>];
                for (std::size_t fermata = 0; fermata <= cifre.size(); ++fermata) {
                    Finestra<W> w;
                    W& f = w.apri(app::DaTe);
                    SCOPED_TRACE(std::to_string(dividendo) + ":" + std::to_string(divisore) +
                                 (guidato ? " guided " : " ") + std::to_string(fermata));
                    ASSERT_TRUE(w.scrivi(std::to_string(dividendo), std::to_string(divisore), guidato));
                    ASSERT_TRUE(fermata == 0 || w.clicca(a.cella));
                    for (std::size_t e = 0; e + 1 < fermata; ++e)
                        ASSERT_TRUE(w.premi(std::string(cifre[e] == '9' ? "8 " : "9 ") + cifre[e]));
                    const int errori = w.p.m.NumErrori;
                    EXPECT_EQ(errori, guidato || fermata == 0 ? 0 : int(fermata) - 1);
                    w.p.sound.played.clear();
                    ASSERT_TRUE(w.premi("CmdAiuto"));
                    const std::string vista = "-++-1" + marchi.substr(marchi.rfind(' ') + 1, 4) +
                                              "g|Fatto||" + tavola + " " + marchi + linee;
                    EXPECT_EQ(stato(f) + lavagna(f) + " " + segni(f) + barre(f), vista);
                    EXPECT_EQ(f.Cliccabile, (std::array<int, 6>{}));
                    EXPECT_EQ(f.focus(), &f.CmdRipeti);
                    EXPECT_EQ(w.p.sound.played, std::vector<int>{105});
                    bool grigie = true; // the work cells greyed with their digits, the mark rows never
                    for (int i = 1; i <= 4; ++i) {
                        grigie = grigie && !f.TxtQuoziente[i].enabled && !f.txtResto4[i].enabled;
                        if constexpr (kEstesa<W>)
                            grigie = grigie && !f.txtMolt1[i].enabled && f.RP0[i].enabled && f.RP3[i].enabled;
                    }
                    EXPECT_TRUE(grigie);
                    w.clicca(a.cella); // answers nothing, nor does the keypad
                    EXPECT_FALSE(w.premi(std::string(1, cifre[0])));
                    EXPECT_EQ(stato(f) + lavagna(f) + " " + segni(f) + barre(f), vista);
                    EXPECT_EQ(w.p.m.NumErrori - errori + w.p.m.NumEseguite + f.TastierinoAttivo, 0);
                    ASSERT_TRUE(w.premi("CmdRipeti"));
                    EXPECT_EQ(stato(f).substr(0, 4) + lavagna(f),
                              kEstesa<W> ? "+++-.... .... ..../.... ..../.... ..../.... ..../...."
                                         : "+++-.... .... .... .... .... ....");
                }
            };
            finestra == 'E' ? prova.operator()<FrmDivEstesa>() : prova.operator()<FrmDivCompatta>();
        }
    }
}

// Over an operation under way, typed operands refused or accepted, and the computer's choice of
// lengths with the bounds of each draw (dividend and divisor in turn; a pair that does not divide
// drawn again): the window at a glance, the dividend, the divisor, the entry boxes and the focus; the
// sounds. Every set-up, repetition and solution says "ready" (105) once, but for "Ripeti" in a
// guided compact window. On every refusal neither "Soluzione", "Ripeti" nor the ten digits change
// anything: a refused choice leaves the keypad off, and draws nothing.
TEST(DivSetUp, RefusesWhatCannotBeDividedAndSetsUpTheRest) {
    const std::string no = "+--+2ggggg|||/.... ", si = std::string(kDomanda) + "/";
    // clang-format off
    const std::tuple<const char*, std::string, std::vector<int>> casi[] = {
        {"0:5", no + "0:5", {}}, {":5", no + ":5", {}}, {"5:12", no + "5:12", {}}, {"1:9", no + "1:9", {}},
        {"12:0", no + "12:0", {}}, {"12:", no + "12:", {}}, {"0045:05", si + "45..5 :", {}},
        {"98765:123", si + "987612 :", {}}, // four and two digits
        {"7:7", "+++-1eeeee|Quante cifre del dividendo devo considerare ?|Clicca sulla prima cifra.|/7...7 :", {}},
        // The computer's lengths: a one-digit dividend with a two-digit divisor is refused.
        {"1/2", "----2eeeee|||/.... : ", {}}, {"1/1", si + "8...8 : [1,9][1,9]", {8, 8}},
        {"2/2", si + "99..10 : [10,99][10,99][10,99][10,99]", {10, 99, 99, 10}},
        {"3/1", si + "100.9 : [100,999][1,9]", {100, 9}}, {"4/2", si + "945399 : [1000,9999][10,99]", {9453, 99}}};
    // clang-format on
    for (const char finestra : {'C', 'E'}) {
        for (const auto& [azione, atteso, estratti] : casi) {
            const std::string a = azione;
            const bool computer = a[1] == '/', accettato = atteso[5] == 'e' && atteso[11] != '|',
                       guidato = a == "7:7";
            SCOPED_TRACE(std::string(1, finestra) + " " + a);
            const auto prova = [&]<class W>() {
                Finestra<W> w;
                W& f = w.apri(computer ? app::DalComputer : app::DaTe);
                w.p.random.script = {945, 7};
                if (computer) {
                    f.Check2.checked = false;
                    ASSERT_TRUE(w.p.click(f, "CmdInserisci") && w.clicca(1));
                    f.CmbDividendo.listIndex = a[0] - '1';
                    f.CmbDivisore.listIndex = a[2] - '1';
                    w.p.random.script.assign(estratti.begin(), estratti.end());
                    w.p.random.asked.clear();
                } else {
                    ASSERT_TRUE(
                        w.scrivi("945", "7", guidato) && w.clicca(1) &&
                        w.scrivi(a.substr(0, a.find(':')), a.substr(a.find(':') + 1), guidato, false));
                }
                const auto vedi = [&] {
                    std::string s = stato(f) + "/" + riga(f.TxtDividendo) + f.TxtDivisore.text + " " +
                                    f.txtFattori[0].text + ":" + f.txtFattori[1].text + (computer ? " " : "");
                    for (const auto& [da, a] : w.p.random.asked)
                        s += computer ? "[" + std::to_string(da) + "," + std::to_string(a) + "]" : "?";
                    return s;
                };
                const int errori = w.p.m.NumErrori;
                // Set up, repeated, solved and repeated: "ready" once each time.
                for (const std::string bottone : {"CmdInserisci", "CmdRipeti", "CmdAiuto", "CmdRipeti"}) {
                    w.p.sound.played.clear();
                    w.p.event([&] { f.find(bottone)->onClick(); });
                    if (bottone == "CmdInserisci") {
                        EXPECT_EQ(vedi() + " " + f.focus()->name(),
                                  atteso + (accettato || computer ? " CmdInserisci" : " txtFattori(1)"));
                    }
                    const bool silenzio = !accettato || (!kEstesa<W> && guidato && bottone == "CmdRipeti");
                    EXPECT_EQ(w.p.sound.played, silenzio ? std::vector<int>{} : std::vector<int>{105})
                        << bottone;
                    for (int d = 0; d <= 9 && computer && !accettato; ++d)
                        w.p.click(f, "Cmd_" + std::to_string(d));
                }
                EXPECT_EQ(w.p.m.ChiSceglie, computer    ? app::DalComputer
                                            : accettato ? app::InEsecuzione
                                                        : app::DaTe);
                if (accettato) return;
                EXPECT_EQ(vedi(), atteso);
                EXPECT_EQ(w.p.m.NumErrori, errori);
                vuota(f);
            };
            finestra == 'E' ? prova.operator()<FrmDivEstesa>() : prova.operator()<FrmDivCompatta>();
        }
    }
}

// Prints, and checks that the page holds every cell of the board as it stands (the compact window's
// marks left off), and that the window is left as it was, unheard.
template <class W> void stampa(Finestra<W>& w) {
    W& f = *w.finestra;
    const std::string prima = stato(f) + lavagna(f) + segni(f);
    const std::size_t pagine = w.p.printer.pages.size();
    w.p.sound.played.clear();
    ASSERT_TRUE(w.premi("cmdStampa") && w.p.printer.pages.size() == pagine + 1);
    const std::map<std::string, std::string>& pagina = w.p.printer.pages.back();
    for (const forms::Control* c : f.controls()) {
        const std::string n = c->name();
        if (c->kind() != forms::ControlKind::Cell || n == "TxtDividendo(5)" || n.ends_with("(0)")) continue;
        EXPECT_TRUE(pagina.contains(n) && pagina.at(n) == (!kEstesa<W> && n.starts_with("RP") ? "" : c->text))
            << n;
    }
    EXPECT_EQ(pagina.at("Label3") + pagina.at("Label4"), ":=");
    EXPECT_EQ(stato(f) + lavagna(f) + segni(f) + std::to_string(w.p.sound.played.size()), prima + "0");
}

// A guided division with its borrows marked; one solved; then 7 : 7 just set up, whose page keeps
// nothing of the ones before. The print layout is never shown.
TEST(DivStampa, PrintsTheBoardAsItStands) {
    const auto prova = [&]<class W>(const char* guidata, int cella, const char* cifre, int riga,
                                    const char* segno, const char* risolta) {
        Finestra<W> w;
        W& f = w.apri(app::DaTe);
        ASSERT_TRUE(w.scrivi(guidata, std::to_string(guidata[0] == '8' ? 23 : 42), true) && w.clicca(cella) &&
                    w.premi(cifre));
        EXPECT_EQ(testing_support::divisione::riga(f.RP(riga)), segno);
        stampa(w);
        ASSERT_TRUE(w.scrivi(risolta, "3", false) && w.premi("CmdAiuto"));
        stampa(w);
        ASSERT_TRUE(w.scrivi("7", "7", false));
        stampa(w);
        EXPECT_FALSE(w.p.forms.load(std::string(f.name()) + "_bis").isVisible());
    };
    prova.operator()<FrmDivCompatta>("845", 2, "35156", 1, ". 13 25.", "9999");
    prova.operator()<FrmDivEstesa>("370", 3, "86334", 0, ". 610.", "9876");
}

} // namespace
