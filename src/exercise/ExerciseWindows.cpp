#include "exercise/ExerciseWindows.h"

#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd2Bis.h"
#include "exercise/addition/FrmAdd3.h"
#include "exercise/addition/FrmAdd3Bis.h"
#include "exercise/division_compact/FrmDivCompatta.h"
#include "exercise/division_extended/FrmDivEstesa.h"
#include "exercise/multiplication/FrmMolt1.h"
#include "exercise/multiplication/FrmMolt2.h"
#include "exercise/subtraction/FrmSott1.h"

namespace exercise {

void defineWindows(app::Module1& m) {
    m.forms.define("frmAdd2", [&m] { return std::make_unique<FrmAdd2>(m); });
    m.forms.define("frmAdd2_bis", [] { return std::make_unique<FrmAdd2Bis>(); });
    m.forms.define("frmAdd3", [&m] { return std::make_unique<FrmAdd3>(m); });
    m.forms.define("frmAdd3_bis", [] { return std::make_unique<FrmAdd3Bis>(); });
    m.forms.define("frmDivCompatta", [&m] { return std::make_unique<FrmDivCompatta>(m); });
    m.forms.define("frmMolt1", [&m] { return std::make_unique<FrmMolt1>(m); });
    m.forms.define("frmMolt1_bis", [] { return std::make_unique<FrmMolt1Bis>(); });
    m.forms.define("frmMolt2", [&m] { return std::make_unique<FrmMolt2>(m); });
    m.forms.define("frmMolt2_bis", [] { return std::make_unique<FrmMolt2Bis>(); });
    m.forms.define("frmDivCompatta_bis", [] { return std::make_unique<FrmDivCompattaBis>(); });
    m.forms.define("frmSott1", [&m] { return std::make_unique<FrmSott1>(m); });
    m.forms.define("frmSott1_bis", [] { return std::make_unique<FrmSott1Bis>(); });
    m.forms.define("frmDivEstesa", [&m] { return std::make_unique<FrmDivEstesa>(m); });
    m.forms.define("frmDivEstesa_bis", [] { return std::make_unique<FrmDivEstesaBis>(); });
}

} // namespace exercise
