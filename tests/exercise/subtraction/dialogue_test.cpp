// The dialogues of the subtraction, key by key, with the exact words (blanks count).
#include "Sott1Test.h"

#include <sstream>

namespace sott1_test {
namespace {

// One line a key: the key ("OK" for the insert button), the text it leaves in the cell it
// went into ("." empty), the sounds it made ("-" none), then stato().
const std::tuple<const char*, const char*, bool, const char*> kTrascrizioni[] = {
    // A first digit other than 1 in an empty borrow cell reads twice and is wrong; 1 then 5
    // goes back to the 1.
    {"52", "7", false, R"(OK . 105 Esegui|||Image1| 0| 0|TxtPrestito(1)
4 4 104 Bravissimo||uaoo!|Image2| 0| 0|TxtPrestito(0)
3 . 103 Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
1 1 - Riprova||ops!|Image4| 1| 0|TxtPrestito(0)
5 1 103 Riprova||ops!|Image4| 2| 0|TxtPrestito(0)
2 12 104 Molto bravo||uaoo!|Image2| 2| 0|TxtDifferenza(0)
6 . 103 Riprova||ops!|Image4| 3| 0|TxtDifferenza(0)
5 5 104 Bravo||uao!|Image2| 3| 0|TxtDifferenza(1)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 3| 1|CmdInserisci
)"},
    {"52", "7", true, R"(OK . 105 5-1= 4|Scrivi 4||Image1| 0| 0|TxtPrestito(1)
3 . 103 5-1= 4|Scrivi 4||Image4| 0| 0|TxtPrestito(1)
4 4 104 10+ 2= 12|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 2= 12|...e 2||Image2| 0| 0|TxtPrestito(0)
2 12 104  12- 7= 5|Scrivi 5||Image2| 0| 0|TxtDifferenza(0)
6 . 103  12- 7= 5|Scrivi 5||Image4| 0| 0|TxtDifferenza(0)
5 5 104  4- 0= 4|Scrivi 4||Image2| 0| 0|TxtDifferenza(1)
4 4 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
    {"1000", "1", true, R"(OK . 105 1-1= 0|Scrivi 0||Image1| 0| 0|TxtPrestito(3)
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
    {"403", "5", true, R"(OK . 105 4-1= 3|Scrivi 3||Image1| 0| 0|TxtPrestito(2)
3 3 104 10+0-1= 9|Scrivi 9||Image2| 0| 0|TxtPrestito(1)
9 9 104 10+ 3= 13|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 3= 13|...e 3||Image2| 0| 0|TxtPrestito(0)
3 13 104  13- 5= 8|Scrivi 8||Image2| 0| 0|TxtDifferenza(0)
8 8 104  9- 0= 9|Scrivi 9||Image2| 0| 0|TxtDifferenza(1)
9 9 104  3- 0= 3|Scrivi 3||Image2| 0| 0|TxtDifferenza(2)
3 3 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
    {"20", "7", true, R"(OK . 105 2-1= 1|Scrivi 1||Image1| 0| 0|TxtPrestito(1)
1 1 104 10+ 0= 10|Scrivi 1||Image2| 0| 0|TxtPrestito(0)
1 1 - 10+ 0= 10|...e 0||Image2| 0| 0|TxtPrestito(0)
0 10 104  10- 7= 3|Scrivi 3||Image2| 0| 0|TxtDifferenza(0)
3 3 104  1- 0= 1|Scrivi 1||Image2| 0| 0|TxtDifferenza(1)
1 1 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"},
    // The hundreds, lowered to 0 by the first chain, borrow again: the 0 and the 1 typed
    // after it make 01, which turns into 10.
    {"2100", "201", true, R"(OK . 105 1-1= 0|Scrivi 0||Image1| 0| 0|TxtPrestito(2)
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
    {"47", "23", true, R"(OK . 105 7-3= 4|Scrivi 4||Image1| 0| 0|TxtDifferenza(0)
4 4 104  4- 2= 2|Scrivi 2||Image2| 0| 0|TxtDifferenza(1)
2 2 104,101 Bravissimo|hai finito|uaooo!|Image3| 0| 0|CmdInserisci
)"}};

TEST(Sott1Dialogo, GoldenTranscripts) {
    for (const auto& [m, s, guidato, attesa] : kTrascrizioni) {
        Banco b;
        b.apri(DaTe).Check2.checked = guidato;
        ASSERT_TRUE(b.premi(std::string("txtFattori(0) ") + m + " txtFattori(1) " + s));
        std::istringstream righe(attesa);
        std::string trascritta;
        for (std::string riga; std::getline(righe, riga);) {
            const std::string tasto = riga.substr(0, riga.find(' '));
            const forms::Control* cella = b.w->focus();
            b.p.sound.played.clear();
            EXPECT_TRUE(b.premi(tasto == "OK" ? "CmdInserisci" : tasto));
            std::string suoni;
            for (int n : b.p.sound.played)
                suoni += (suoni.empty() ? "" : ",") + std::to_string(n);
            trascritta += tasto + " " + (cella->text.empty() ? "." : cella->text) + " " +
                          (suoni.empty() ? "-" : suoni) + " " + stato(*b.w) + "\n";
        }
        EXPECT_EQ(trascritta, attesa) << m << " - " << s;
    }
}

} // namespace
} // namespace sott1_test
