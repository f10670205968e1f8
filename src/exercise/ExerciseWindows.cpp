#include "exercise/ExerciseWindows.h"

#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd2Bis.h"

namespace exercise {

void defineWindows(app::Module1& m) {
    m.forms.define("frmAdd2", [&m] { return std::make_unique<FrmAdd2>(m); });
    m.forms.define("frmAdd2_bis", [] { return std::make_unique<FrmAdd2Bis>(); });
}

} // namespace exercise
