#include "app/FrmStart.h"

#include <string>

namespace app {

using forms::Align;
using forms::Control;

namespace {

constexpr forms::Rgb kMagenta = 0xC000C0;
constexpr forms::Rgb kBlue = 0x0000C0;

struct ExerciseButton {
    Control FrmStart::*button;
    const char* window;
    int left, top;
    forms::Rgb back;
    const char* picture;
};

// The seven exercise buttons, in the order they are made visible.
const ExerciseButton kExercises[] = {
    {&FrmStart::CmdAddizione1, "frmAdd2", 660, 2640, 0xFFFFFF, "btn_addizione2"},
    {&FrmStart::CmdAddizione2, "frmAdd3", 4920, 2640, 0xFFC0FF, "btn_addizione3"},
    {&FrmStart::CmdSottrazione, "frmSott1", 2760, 3420, 0xC0FFC0, "btn_sottrazione"},
    {&FrmStart::CmdMoltiplicazione1, "frmMolt1", 660, 4200, 0xFFFFC0, "btn_moltiplicazione1"},
    {&FrmStart::CmdMoltiplicazione2, "frmMolt2", 4920, 4200, 0xFFFFC0, "btn_moltiplicazione2"},
    {&FrmStart::cmdDivisione1, "frmDivEstesa", 660, 4980, 0x80FFFF, "btn_divisione_estesa"},
    {&FrmStart::cmdDivisione2, "frmDivCompatta", 4920, 4980, 0x80FFFF, "btn_divisione_compatta"},
};

} // namespace

FrmStart::FrmStart(Module1& m) : Form("frmStart"), m_(m) {
    caption = "4 Brivatenzo";
    width = 9504;
    height = 6816;
    picture = "sky";
    icon = "icon_program";

    Label2.place(840, 0, 7695, 1335)
        .withFont(48, true)
        .aligned(Align::Center)
        .seeThrough()
        .withText("Le 4 brivatenzo");
    Label2.foreColor = kMagenta;
    Label1.place(1380, 120, 1635, 255).withFont(8.4).seeThrough().withText("A scuola di conti");
    Label1.foreColor = kBlue;
    Label3.place(6900, 120, 735, 255).withFont(8.4).seeThrough().withText("Versione");
    Label3.foreColor = kBlue;
    Label4.place(7680, 120, 495, 255).withFont(8.4).seeThrough();
    Label4.foreColor = kBlue;

    cmdTe.place(5940, 1320, 2115, 495).withPicture("btn_da_te").hand().backColor = 0x00FF00;
    cmdComputer.place(5940, 1980, 2115, 495).withPicture("btn_dal_computer").hand().backColor = 0x00FF00;
    Image1.place(5220, 1320, 384, 384).withPicture("hand");
    Image2.place(5220, 1980, 384, 384).withPicture("hand").hidden();
    Label5.place(1260, 1620, 3735, 555).withFont(20.4, true).seeThrough().withText("con i numeri scelti");
    Label5.foreColor = kMagenta;

    for (const ExerciseButton& e : kExercises) {
        Control& b = this->*e.button;
        b.place(e.left, e.top, 3915, 615).withPicture(e.picture).hand().hidden().backColor = e.back;
        const char* window = e.window;
        b.onClick = [this, window] { apriEsercizio(window); };
    }

    cmdInfo.place(1860, 5760, 1515, 555).withPicture("btn_info").hand();
    Check1.place(4020, 5760, 1515, 555).withPicture("speaker", "speaker_off").hand().backColor = 0xC0FFC0;
    cmdEsci.place(6120, 5760, 1515, 555).withPicture("btn_esci_start").hand().backColor = 0xC0C0C0;
    Timer1.interval = 500;

    Timer1.onTimer = [this] { Timer1_Timer(); };
    cmdTe.onMouseDown = [this] { cmdTe_MouseDown(); };
    cmdComputer.onMouseDown = [this] { cmdComputer_MouseDown(); };
    Check1.onClick = [this] { Check1_Click(); };
    cmdInfo.onClick = [this] { cmdInfo_Click(); };
    cmdEsci.onClick = [this] { cmdEsci_Click(); };

    // Focus follows the mouse over the buttons and the loudspeaker.
    for (Control* c :
         {&cmdTe, &cmdComputer, &CmdAddizione1, &CmdAddizione2, &CmdSottrazione, &CmdMoltiplicazione1,
          &CmdMoltiplicazione2, &cmdDivisione1, &cmdDivisione2, &cmdInfo, &cmdEsci, &Check1})
        c->onMouseMove = [this, c] { setFocus(*c); };

    setFocus(cmdEsci); // first in the tab order
}

void FrmStart::Form_Load() {
    Module1::TogliChiudi(*this);
    Module1::MettiInPrimoPiano(*this);
    const platform::Version v = m_.services.environment.version();
    Label4.text = std::to_string(v.major) + "." + std::to_string(v.minor);
}

void FrmStart::Timer1_Timer() {
    Image1.visible = true;
    Image2.visible = false;
    if (Lampeggio < 1) {
        Image1.visible = false;
        Image2.visible = true;
        ++Lampeggio;
    } else {
        Lampeggio = 0;
    }
}

void FrmStart::sceglie(int chi) {
    m_.suonaSeAttivo(SuonoClic);
    Image1.visible = chi == DaTe;
    Image2.visible = chi != DaTe;
    Timer1.enabled = false;
    for (const ExerciseButton& e : kExercises) {
        (this->*e.button).visible = true;
    }
    m_.ChiSceglie = chi;
}

void FrmStart::apriEsercizio(const char* window) {
    forms::Form& esercizio = m_.forms.load(window);
    esercizio.show();
    m_.suonaSeAttivo(SuonoApertura);
    hide();
}

void FrmStart::Check1_Click() {
    m_.Silenzio = m_.Silenzio == 0 ? 1 : 0;
    if (m_.Silenzio == 0) m_.Suona(SuonoClic);
}

void FrmStart::cmdInfo_Click() {
    m_.suonaSeAttivo(SuonoClic);
    m_.forms.load("frmInfo").show();
}

void FrmStart::cmdEsci_Click() {
    m_.services.environment.quit();
}

} // namespace app
