#include "exercise/division_compact/FrmDivCompatta.h"

#include "exercise/Numeri.h"

namespace exercise {

FrmDivCompatta::FrmDivCompatta(app::Module1& m)
    : FinestraDivisioneCon(
          m,
          configurazione("frmDivCompatta", "Divisione Compatta", "Divisione compatta", 9516, 6828, "Line2"),
          18, {0, 0, kSfondo, 435}) {
    posiziona({{&Label5, 120, 0, 6675, 795},
               {&Label1, 1440, 900, 1995, 555},
               {&Label2, 3360, 900, 1995, 555},
               {&txtFattori[0], 2160, 1500, 1035, 405},
               {&txtFattori[1], 4080, 1500, 1035, 405},
               {&CmbDividendo, 2160, 1500, 615, 315},
               {&CmbDivisore, 4080, 1500, 615, 315},
               {&mano[0], 1500, 1440, 384, 384},
               {&mano[1], 3420, 1440, 384, 384},
               {&Check2, 5640, 1020, 1395, 375},
               {&CmdInserisci, 5640, 1560, 1395, 495},
               {&CmdRipeti, 5640, 4920, 1395, 495},
               {&CmdEnd, 7560, 4920, 1395, 495},
               {&lblUao, 600, 4620, 1515, 615},
               {&LblRisultato, 420, 5580, 8595, 525},
               {&lblScrivi, 420, 6120, 8595, 465}});
    spostaFacce(960, 3720);
}

void FrmDivCompatta::abilitaLavoro(bool acceso) {
    FinestraDivisione::abilitaLavoro(acceso);
    // The marks grey with the digits they stand over.
    for (int k = 0; k <= 4; ++k)
        abilita(RP(k), acceso);
}

std::vector<const forms::ControlArray*> FrmDivCompatta::righeDaStampare() const {
    // The mark rows stay empty on paper.
    return {&txtCappello, &TxtDividendo, &TxtQuoziente, &txtResto1, &txtResto2, &txtResto3, &txtResto4};
}

FrmDivCompattaBis::FrmDivCompattaBis()
    : FoglioStampa("frmDivCompatta_bis", ""), LavagnaCompatta(*this, {660, -300, 0xFFFFFF, 405}) {}

} // namespace exercise
