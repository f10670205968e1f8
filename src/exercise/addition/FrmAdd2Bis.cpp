#include "exercise/addition/FrmAdd2Bis.h"

#include "exercise/addition/FrmAdd2.h"

namespace exercise {

namespace {

constexpr forms::Rgb kBianco = 0xFFFFFF;
constexpr int kUnita = 5520; // 120 twips left of the board's units column
constexpr int kSegni = 6120;

} // namespace

FrmAdd2Bis::FrmAdd2Bis() : Form("frmAdd2_bis") {
    width = 9480;
    height = 6792;
    backColor = kBianco;
    disponiRiga(TxtRiporto, FrmAdd2::kRiporti, kUnita, kBianco);
    disponiRiga(TxtPrimoAdd, FrmAdd2::kPrimoAdd, kUnita, kBianco);
    disponiRiga(TxtSecondoAdd, FrmAdd2::kSecondoAdd, kUnita, kBianco);
    disponiRiga(TxtSomma, FrmAdd2::kSomma, kUnita, kBianco);
    disponiSegno(Label3, "+", kSegni, 2280, kBianco);
    disponiSegno(Label4, "=", kSegni, 2880, kBianco);
    Line1.place(kUnita - 600 * 4, FrmAdd2::kBarra, 0, 0).borderWidth = 2;
    Line1.x2 = kSegni;
    Line1.y2 = FrmAdd2::kBarra;
}

} // namespace exercise
