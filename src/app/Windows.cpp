#include "app/Windows.h"

#include "app/FrmInfo.h"
#include "app/FrmStart.h"
#include "exercise/ExerciseWindows.h"

namespace app {

void defineWindows(Module1& m) {
    m.forms.define("frmStart", [&m] { return std::make_unique<FrmStart>(m); });
    m.forms.define("frmInfo", [&m] { return std::make_unique<FrmInfo>(m); });
    exercise::defineWindows(m);
}

} // namespace app
