#include "exercise/addition/FrmAdd3.h"

namespace exercise {

namespace {

Configurazione configurazione() {
    Configurazione c =
        configurazioneFinestra("frmAdd3", "Addizione con 3 addendi", "Addizione 3 addendi", "icon_addizione");
    c.nomeEseguite = "Label9";
    c.nomeErrori = "Label8";
    c.operandi = {operandoAddendo("CmbNPA", "Label1", "primo"),
                  operandoAddendo("CmbNSA", "Label2", "secondo"),
                  operandoAddendo("CmbNTA", "Label7", "terzo")};
    return c;
}

// The operands' rows: caption, entry box and list, hand.
constexpr int kDidascalie[] = {1740, 2400, 3120};
constexpr int kEntrate[] = {2040, 2700, 3420};
constexpr int kMani[] = {1980, 2640, 3360};

} // namespace

FrmAdd3::FrmAdd3(app::Module1& m)
    : FinestraAddizione(m, configurazione(), {5520, 6120, 1320, 1800, 3840, 3720}, "uaooo!") {
    disponiLavagna({&TxtPrimoAdd, &TxtSecondoAdd, &txtTerzoAdd}, {&Label3, &Label6, &Label4});
    Label5.place(420, 120, 6135, 855);
    Check2.place(900, 1200, 1575, 375);
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        didascalie[k]->place(60, kDidascalie[k], 3015, 255);
        txtFattori[i].place(1200, kEntrate[k], 1035, 405);
        lista(i).place(1440, kEntrate[k], 615, 315);
        mano[i].place(540, kMani[k], 384, 384);
    }
    CmdVai.place(1020, 3960, 1395, 495);
    spostaFacce(1260, 4680);
    LblRisultato.place(2520, 4740, 4395, 615);
    lblScrivi.place(2520, 5400, 4395, 615);
    lblUao.place(960, 5580, 1515, 615);
}

void FrmAdd3::Cmb_DropDown(int row) {
    const bool stampa = cmdStampa.enabled;
    FinestraEsercizio::Cmb_DropDown(row);
    // The third list leaves the print button as it was: the emptied board can still be printed.
    if (row == 2) cmdStampa.enabled = stampa;
}

} // namespace exercise
