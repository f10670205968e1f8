#include "DivCompatta.h"

#include <vector>

using div_compatta_test::Finestra;
using div_compatta_test::riga;
using exercise::FrmDivCompatta;

namespace {

// One answer of the child ("c2" a click on dividend cell 2, "7" the keypad digit 7) and the
// two message lines it must leave.
struct Passo {
    const char* risposta;
    const char* risultato;
    const char* scrivi;
};

struct Esempio {
    const char *dividendo, *divisore;
    std::vector<Passo> passi;
};

const char* const kTrasferire = "Che cifra devo trasferire ?";

void esegui(const Esempio& e, bool guidato) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.inserisci(e.dividendo, e.divisore, guidato);
    for (const Passo& passo : e.passi) {
        const std::string risposta = passo.risposta;
        SCOPED_TRACE(std::string(e.dividendo) + ":" + e.divisore + " answer " + risposta);
        if (risposta[0] == 'c')
            ASSERT_TRUE(w.clicca(risposta[1] - '0'));
        else
            ASSERT_TRUE(w.premi(risposta[0]));
        EXPECT_EQ(f.LblRisultato.text, passo.risultato);
        EXPECT_EQ(f.lblScrivi.text, passo.scrivi);
    }
    EXPECT_EQ(f.LblRisultato.text, "Bravissimo");
}

TEST(DivCompattaSuggerimenti, GuidedHintsSpellEachStep) {
    const Esempio esempi[] = {
        {"7",
         "3",
         {{"c1", " 7: 3= 2", "Scrivi  2"},
          {"2", " 2x 3= 6 al 7 -->  1", "Scrivi  1"},
          {"1", "Bravissimo", "hai finito"}}},
        {"75",
         "3",
         {{"c1", " 7: 3= 2", "Scrivi  2"},
          {"2", " 2x 3= 6 al 7 -->  1", "Scrivi  1"},
          {"1", kTrasferire, "Scrivi  5"},
          {"5", " 15: 3= 5", "Scrivi  5"},
          {"5", " 5x 3= 15 al  15 -->  0", "Scrivi  0"},
          {"0", "Bravissimo", "hai finito"}}},
        // A partial dividend of 0 takes "allo", then the partial dividend's number text.
        {"408",
         "4",
         {{"c1", " 4: 4= 1", "Scrivi  1"},
          {"1", " 1x 4= 4 al 4 -->  0", "Scrivi  0"},
          {"0", kTrasferire, "Scrivi  0"},
          {"0", " 0: 4= 0", "Scrivi  0"},
          {"0", " 0x 4= 0 allo 0 -->  0", "Scrivi  0"},
          {"0", kTrasferire, "Scrivi  8"},
          {"8", " 8: 4= 2", "Scrivi  2"},
          {"2", " 2x 4= 8 all' 8 -->  0", "Scrivi  0"},
          {"0", "Bravissimo", "hai finito"}}},
        {"92",
         "13",
         {{"c2", " 92: 13= 7", "Scrivi  7"},
          {"7", " 7x3= 21 al  22 --> 1", "Scrivi 1"},
          {"1", "Bravissimo", "hai finito"}}},
        {"1000",
         "7",
         {{"c2", " 10: 7= 1", "Scrivi  1"},
          {"1", " 1x 7= 7 al 10 -->  3", "Scrivi  3"},
          {"3", kTrasferire, "Scrivi  0"},
          {"0", " 30: 7= 4", "Scrivi  4"},
          {"4", " 4x 7= 28 al  30 -->  2", "Scrivi  2"},
          {"2", kTrasferire, "Scrivi  0"},
          {"0", " 20: 7= 2", "Scrivi  2"},
          {"2", " 2x 7= 14 al  20 -->  6", "Scrivi  6"},
          {"6", "Bravissimo", "hai finito"}}},
        {"1000",
         "99",
         {{"c3", " 100: 99= 1", "Scrivi  1"},
          {"1", " 1x9= 9 al  10 --> 1", "Scrivi 1"},
          {"1", kTrasferire, "Scrivi  0"},
          {"0", " 10: 99= 0", "Scrivi  0"},
          {"0", " 0x9= 0 allo 0 --> 0", "Scrivi 0"},
          {"0", " 0x9= 0 all' 1 --> 1", "Scrivi 1"},
          {"1", "Bravissimo", "hai finito"}}},
        {"100",
         "10",
         {{"c2", " 10: 10= 1", "Scrivi  1"},
          {"1", " 1x0= 0 allo 0 --> 0", "Scrivi 0"},
          {"0", kTrasferire, "Scrivi  0"},
          {"0", " 0: 10= 0", "Scrivi  0"},
          {"0", " 0x0= 0 allo 0 --> 0", "Scrivi 0"},
          {"0", "Bravissimo", "hai finito"}}},
        // A first partial dividend of 8 is written as its digit, right after the article.
        {"845",
         "7",
         {{"c1", " 8: 7= 1", "Scrivi  1"},
          {"1", " 1x 7= 7 all'8 -->  1", "Scrivi  1"},
          {"1", kTrasferire, "Scrivi  4"},
          {"4", " 14: 7= 2", "Scrivi  2"},
          {"2", " 2x 7= 14 al  14 -->  0", "Scrivi  0"},
          {"0", kTrasferire, "Scrivi  5"},
          {"5", " 5: 7= 0", "Scrivi  0"},
          {"0", " 0x 7= 0 al  5 -->  5", "Scrivi  5"},
          {"5", "Bravissimo", "hai finito"}}},
        {"845",
         "23",
         {{"c2", " 84: 23= 3", "Scrivi  3"},
          {"3", " 3x3= 9 al  14 --> 5", "Scrivi 5"},
          {"5", " 3x2= 6 al  7 --> 1", "Scrivi 1"},
          {"1", kTrasferire, "Scrivi  5"},
          {"5", " 155: 23= 6", "Scrivi  6"},
          {"6", " 6x3= 18 al  25 --> 7", "Scrivi 7"},
          {"7", " 6x2= 12 al  13 --> 1", "Scrivi 1"},
          {"1", "Bravissimo", "hai finito"}}},
        {"95",
         "12",
         {{"c2", " 95: 12= 7", "Scrivi  7"},
          {"7", " 7x2= 14 al  15 --> 1", "Scrivi 1"},
          {"1", " 7x1= 7 all' 8 --> 1", "Scrivi 1"},
          {"1", "Bravissimo", "hai finito"}}},
        // Step 1 reads a first partial dividend of 85 as a whole ("al"), a later one by its
        // first digit ("all'"); 11 takes "all'" in either.
        {"85",
         "9",
         {{"c2", " 85: 9= 9", "Scrivi  9"},
          {"9", " 9x 9= 81 al 85 -->  4", "Scrivi  4"},
          {"4", "Bravissimo", "hai finito"}}},
        {"175",
         "9",
         {{"c2", " 17: 9= 1", "Scrivi  1"},
          {"1", " 1x 9= 9 al 17 -->  8", "Scrivi  8"},
          {"8", kTrasferire, "Scrivi  5"},
          {"5", " 85: 9= 9", "Scrivi  9"},
          {"9", " 9x 9= 81 all' 85 -->  4", "Scrivi  4"},
          {"4", "Bravissimo", "hai finito"}}},
        {"11",
         "2",
         {{"c2", " 11: 2= 5", "Scrivi  5"},
          {"5", " 5x 2= 10 all'11 -->  1", "Scrivi  1"},
          {"1", "Bravissimo", "hai finito"}}},
    };
    for (const Esempio& e : esempi)
        esegui(e, true);
}

TEST(DivCompattaSuggerimenti, PlainModePraisesAndAsks) {
    esegui({"845",
            "23",
            {{"c1", "Riprova", ""},
             {"c2", "Bravo. Quoziente ?", ""},
             {"4", "Riprova", ""},
             {"3", "Bravo. Quanto è il resto ?", ""},
             {"5", "Bravo", ""},
             {"1", "Bravo. Che cifra devo trasferire ?", ""},
             {"4", "Riprova", ""},
             {"5", "Bravo. Quoziente ?", ""},
             {"6", "Bravo. Quanto è il resto ?", ""},
             {"7", "Bravo", ""},
             {"1", "Bravissimo", "hai finito"}}},
           false);
}

TEST(DivCompattaSuggerimenti, ExclamationsFollowStepAndRow) {
    Finestra w;
    FrmDivCompatta& f = w.apri(app::DaTe);
    w.inserisci("9999", "1", false);
    const std::pair<char, const char*> passi[] = {
        {'c', "uaoo!"}, {'9', "uao!"}, {'0', "uaoo!"}, {'9', "uaoo!"}, {'9', "uaoo!"}, {'0', "uao!"},
        {'9', "uao!"},  {'9', "uao!"}, {'0', "uao!"},  {'9', "uao!"},  {'9', "uaoo!"}, {'0', "uaooo!"}};
    for (const auto& [risposta, uao] : passi) {
        if (risposta == 'c')
            ASSERT_TRUE(w.clicca(1));
        else
            ASSERT_TRUE(w.premi(risposta));
        EXPECT_EQ(f.lblUao.text, uao) << f.LblRisultato.text;
    }
    EXPECT_EQ(f.lblFatte.text, " 1");
}

// The borrows of the guided mental subtraction, written over the partial dividend.
TEST(DivCompattaSuggerimenti, BorrowMarksStandOverTheGreyedPartialDividend) {
    using Segni = std::vector<std::string>;
    struct Caso {
        const char *dividendo, *divisore;
        std::vector<const char*> risposte;
        Segni rp0, rp1;
        const char *dividendoGrigio, *resto1Grigio; // cells 1..4, 'g' greyed
    };
    const Caso casi[] = {
        {"125", "13", {"c3", "9"}, {"", " 9", " 35", ""}, {"", "", "", ""}, "ggge", "eeee"},
        {"92", "13", {"c2", "7"}, {" 7", " 22", "", ""}, {"", "", "", ""}, "ggee", "eeee"},
        // Step 2 marks its partial dividend in row 1: the remainder 15 and the 5 brought down.
        {"845",
         "23",
         {"c2", "3", "5", "1", "5", "6"},
         {" 7", " 14", "", ""},
         {"", " 13", " 25", ""},
         "ggee",
         "ggge"},
        // 4 x 2 = 8 takes nothing from 48: nothing to mark.
        {"48", "12", {"c2", "4"}, {"", "", "", ""}, {"", "", "", ""}, "eeee", "eeee"},
    };
    for (const Caso& c : casi) {
        Finestra w;
        FrmDivCompatta& f = w.apri(app::DaTe);
        SCOPED_TRACE(std::string(c.dividendo) + ":" + c.divisore);
        w.inserisci(c.dividendo, c.divisore, true);
        for (const std::string risposta : c.risposte) {
            if (risposta[0] == 'c')
                ASSERT_TRUE(w.clicca(risposta[1] - '0'));
            else
                ASSERT_TRUE(w.premi(risposta[0]));
        }
        Segni rp0, rp1;
        std::string grigi, grigiResto;
        for (int i = 1; i <= 4; ++i) {
            rp0.push_back(f.RP0[i].text);
            rp1.push_back(f.RP1[i].text);
            grigi += f.TxtDividendo[i].enabled ? 'e' : 'g';
            grigiResto += f.txtResto1[i].enabled ? 'e' : 'g';
        }
        EXPECT_EQ(rp0, c.rp0);
        EXPECT_EQ(rp1, c.rp1);
        EXPECT_EQ(grigi, c.dividendoGrigio);
        EXPECT_EQ(grigiResto, c.resto1Grigio);
        for (int k = 2; k <= 4; ++k)
            EXPECT_EQ(riga(f.RP(k)), "....");
    }
}

} // namespace
