#include "app/FrmInfo.h"

namespace app {

FrmInfo::FrmInfo(Module1& m) : Form("frmInfo"), m_(m) {
    caption = "Info";
    width = 8160;
    height = 5784;
    backColor = 0xFFFFC0;
    foreColor = 0x0000C0;
    font = forms::Font{"Comic Sans MS", 12, false, false};
    icon = "icon_info";
    if (m_.forms.isLoaded("frmStart")) owner = &m_.forms.load("frmStart");

    cmdOK.place(3360, 5100, 1395, 555).withPicture("btn_ok_info").hand();
    cmdOK.onClick = [this] { cmdOK_Click(); };
    setFocus(cmdOK);
}

void FrmInfo::Form_Load() {
    Module1::TogliChiudi(*this);
    Module1::MettiInPrimoPiano(*this);
    print("");
    print("");
    print("    Buon lavoro da:");
    print("    la classe che conta in colonna,");
    print("    le maestre e i maestri,");
    print("    e chi ha disegnato i numeri.");
}

void FrmInfo::chiudi() {
    m_.suonaSeAttivo(SuonoUscita);
    hide();
    unload();
}

} // namespace app
