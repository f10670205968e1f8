#include "exercise/division_extended/FrmDivEstesa.h"

#include "exercise/Numeri.h"

namespace exercise {

namespace {

// On the window each bar stands here, hidden, until its product places it; on paper the
// four bars always stand, at their own places.
constexpr LavagnaEstesa::Barre kBarreFinestra{
    {{1800, 2280, 2760}, {2280, 2760, 3600}, {2700, 3180, 4440}, {3180, 3660, 5280}}};
constexpr LavagnaEstesa::Barre kBarreCarta{
    {{2760, 4200, 2460}, {2880, 4920, 3300}, {3360, 5400, 4140}, {3720, 5880, 4980}}};

} // namespace

FrmDivEstesa::FrmDivEstesa(app::Module1& m)
    : FinestraDivisioneCon(
          m, configurazione("frmDivEstesa", "Divisione Estesa", "Divisione estesa", 9504, 6816, "Line5"),
          14.4, {0, 0, kSfondo, kBarreFinestra}) {
    posiziona({{&Label5, 240, -120, 5955, 675},
               {&Label1, 1320, 540, 1995, 555},
               {&Label2, 3300, 540, 1995, 555},
               {&txtFattori[0], 2040, 1140, 1035, 405},
               {&txtFattori[1], 3960, 1140, 1035, 405},
               {&CmbDividendo, 2040, 1140, 615, 315},
               {&CmbDivisore, 3960, 1140, 615, 315},
               {&mano[0], 1380, 1080, 384, 384},
               {&mano[1], 3300, 1080, 384, 384},
               {&Check2, 5700, 900, 1395, 375},
               {&CmdInserisci, 5700, 1440, 1395, 495},
               {&CmdRipeti, 5700, 5100, 1395, 495},
               {&CmdEnd, 7620, 5100, 1395, 495},
               {&lblUao, 600, 4800, 1515, 615},
               {&LblRisultato, 60, 5700, 9195, 435},
               {&lblScrivi, 60, 6180, 9195, 375}});
    spostaFacce(900, 3840);
}

void FrmDivEstesa::svuotaLavoro() {
    FinestraDivisione::svuotaLavoro();
    for (int k = 1; k <= 4; ++k) {
        svuota(txtMolt(k));
        Line(k).visible = false;
    }
}

void FrmDivEstesa::abilitaLavoro(bool acceso) {
    // The mark rows are never greyed: a mark stands over the greyed digit it belongs to.
    FinestraDivisione::abilitaLavoro(acceso);
    for (int k = 1; k <= 4; ++k)
        abilita(txtMolt(k), acceso);
}

void FrmDivEstesa::completaSoluzione() {
    for (int k = 1; k <= 4; ++k)
        scriviRiga(txtMolt(k), risolta.righeProdotto[static_cast<std::size_t>(k)]);
    // The marks and bars belong to the finished board; the dialogue writes its own.
    for (int k = 1; k <= risolta.passi; ++k) {
        segnaPrestiti(k);
        mostraBarra(k);
    }
}

void FrmDivEstesa::segnaPrestiti(int k) {
    // The partial dividend of step k stands in the dividend's row or in remainder row k - 1.
    forms::ControlArray& cifre = k == 1 ? TxtDividendo : txtResto(k - 1);
    const auto& segni = risolta.segni[static_cast<std::size_t>(k - 1)];
    for (int i = 1; i <= 4; ++i) {
        const std::string& segno = segni[static_cast<std::size_t>(i)];
        if (segno.empty()) continue;
        RP(k - 1)[i].text = segno;
        cifre[i].enabled = false;
    }
}

void FrmDivEstesa::mostraBarra(int k) {
    const auto [prima, ultima] = risolta.colonneParziale(k);
    sottolinea(k, prima, ultima);
}

std::vector<const forms::ControlArray*> FrmDivEstesa::righeDaStampare() const {
    return {&txtCappello, &TxtDividendo, &TxtQuoziente, &RP0, &txtMolt1,  &RP1,      &txtResto1, &txtMolt2,
            &RP2,         &txtResto2,    &txtMolt3,     &RP3, &txtResto3, &txtMolt4, &txtResto4};
}

FrmDivEstesaBis::FrmDivEstesaBis()
    : FoglioStampa("frmDivEstesa_bis"), LavagnaEstesa(*this, {1080, -300, 0xFFFFFF, kBarreCarta, true}) {}

} // namespace exercise
