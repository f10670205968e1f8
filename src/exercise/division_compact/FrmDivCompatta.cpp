#include "exercise/division_compact/FrmDivCompatta.h"

#include "exercise/Numeri.h"

namespace exercise {

namespace {

constexpr forms::Rgb kSfondo = 0xFFC080;

Configurazione configurazione() {
    Configurazione c;
    c.nome = "frmDivCompatta";
    c.titoloFinestra = "Divisione Compatta";
    c.titolo = "Divisione compatta";
    c.icona = "icon_divisione";
    c.larghezza = 9516;
    c.altezza = 6828;
    c.nomeInserisci = "CmdInserisci";
    c.nomeRipeti = "CmdRipeti";
    c.nomeSoluzione = "CmdAiuto";
    c.operandi = {
        {"CmbDividendo",
         "Label1",
         4,
         "     Clicca e scrivi     (max 4 cifre)",
         "                     N° cifre dividendo",
         {"1", "2", "3", "4"}},
        {"CmbDivisore",
         "Label2",
         2,
         "     Clicca e scrivi     (max 2 cifre)",
         "                      N° cifre divisore",
         {"1", "2"}},
    };
    c.layoutStampa = "frmDivCompatta_bis";
    return c;
}

} // namespace

FrmDivCompatta::FrmDivCompatta(app::Module1& m)
    : FinestraDivisione(m, configurazione()), LavagnaCompatta(*this, {0, 0, kSfondo, 435}) {
    // The template lays its controls out as the addition window has them; this window's places.
    Label5.place(120, 0, 6675, 795);
    Label1.place(1440, 900, 1995, 555);
    Label2.place(3360, 900, 1995, 555);
    Label1.text = "N° cifre dividendo";
    Label2.text = "N° cifre divisore";
    txtFattori[0].place(2160, 1500, 1035, 405);
    txtFattori[1].place(4080, 1500, 1035, 405);
    CmbDividendo.place(2160, 1500, 615, 315);
    CmbDivisore.place(4080, 1500, 615, 315);
    mano[0].place(1500, 1440, 384, 384);
    mano[1].place(3420, 1440, 384, 384);
    Check2.place(5640, 1020, 1395, 375);
    CmdInserisci.place(5640, 1560, 1395, 495);
    cmdStampa.place(7620, 1380, 1395, 495);
    Frame1.place(7320, 2100, 1935, 2655);
    backspace.place(8040, 4140, 1095, 495); // exactly over CmdAiuto
    CmdRipeti.place(5640, 4920, 1395, 495);
    CmdEnd.place(7560, 4920, 1395, 495);
    for (Control* faccia : {&Image1, &Image2, &Image3, &Image4})
        faccia->place(960, 3720, 900, 855);
    lblUao.place(600, 4620, 1515, 615);
    LblRisultato.place(420, 5580, 8595, 525).withFont(18, true);
    LblRisultato.text = "Ciao";
    lblScrivi.place(420, 6120, 8595, 465).withFont(18, true);
    Shape1.place(7320, 180, 1935, 975);
    Line2.place(7320, 660, 0, 0);
    Line2.x2 = 9240;
    Line2.y2 = 660;
    Label6.place(7380, 180, 1155, 435);
    lblFatte.place(8640, 180, 495, 435);
    Label7.place(7380, 660, 1035, 435);
    lblErrori.place(8640, 660, 495, 435);

    for (int i = 1; i <= 5; ++i)
        TxtDividendo[i].onClick = [this, i] { TxtDividendo_Click(i); };
    for (int i = 1; i <= 4; ++i)
        TxtDividendo[i].hand();
}

bool FrmDivCompatta::risolvi() {
    const auto s = risolviDivisioneCompatta(Dividendo, Divisore);
    if (s) risolta = *s;
    return s.has_value();
}

void FrmDivCompatta::svuotaLavoro() {
    for (int i = 1; i <= 4; ++i) {
        txtCappello[i].text.clear();
        TxtQuoziente[i].text.clear();
        for (int k = 1; k <= 4; ++k)
            txtResto(k)[i].text.clear();
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].text.clear();
    }
}

void FrmDivCompatta::abilitaLavoro(bool acceso) {
    for (int i = 1; i <= 4; ++i) {
        TxtQuoziente[i].enabled = acceso;
        for (int k = 1; k <= 4; ++k)
            txtResto(k)[i].enabled = acceso;
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].enabled = acceso;
    }
}

void FrmDivCompatta::scriviSoluzione() {
    for (int i = 1; i <= 4; ++i) {
        const char segno = risolta.cappello[i];
        txtCappello[i].text = segno == 0 ? std::string() : std::string(1, segno);
        TxtQuoziente[i].text = i <= risolta.passi ? std::to_string(risolta.Quoziente[i]) : std::string();
        for (int k = 1; k <= 4; ++k) {
            const char c = risolta.righeResto[k][i];
            txtResto(k)[i].text = c == 0 ? std::string() : std::string(1, c);
        }
        for (int k = 0; k <= 4; ++k)
            RP(k)[i].text.clear();
    }
}

std::vector<const forms::ControlArray*> FrmDivCompatta::righeDaStampare() const {
    // The mark rows stay empty on paper.
    return {&txtCappello, &TxtDividendo, &TxtQuoziente, &txtResto1, &txtResto2, &txtResto3, &txtResto4};
}

FrmDivCompattaBis::FrmDivCompattaBis()
    : Form("frmDivCompatta_bis"), LavagnaCompatta(*this, {660, -300, 0xFFFFFF, 405}) {
    width = 9480;
    height = 6792;
    backColor = 0xFFFFFF;
}

} // namespace exercise
