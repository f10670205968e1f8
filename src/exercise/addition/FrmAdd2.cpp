#include "exercise/addition/FrmAdd2.h"

#include <algorithm>

namespace exercise {

namespace {

constexpr int kMaxEstrazioni = 1000;

Configurazione configurazione() {
    Configurazione c =
        configurazioneFinestra("frmAdd2", "Addizione con 2 addendi", "Addizione 2 addendi", "icon_addizione");
    c.operandi = {operandoAddendo("CmbNPA", "Label1", "primo"),
                  operandoAddendo("CmbNSA", "Label2", "secondo")};
    c.listaFermaMano = false; // the hand keeps blinking, now beside the opened list
    return c;
}

// No column needs a carry, except the top column (the leftmost of the longer addend),
// whose overflow is simply the extra digit of the result.
bool senzaRiporti(long a, long b) {
    const int sopra = std::max(numeroCifre(a), numeroCifre(b)) - 1;
    for (int c = 0; c < sopra; ++c, a /= 10, b /= 10)
        if (a % 10 + b % 10 > 9) return false;
    return true;
}

// Makes a pair pass senzaRiporti by lowering digits of the longer addend below its top
// column: its leading digit, and so its number of digits, stay as drawn.
void togliRiporti(long& a, long& b) {
    const bool primoLungo = numeroCifre(a) >= numeroCifre(b);
    long& lungo = primoLungo ? a : b;
    const long corto = primoLungo ? b : a;
    const int sopra = numeroCifre(lungo) - 1;
    long peso = 1;
    for (int c = 0; c < sopra; ++c, peso *= 10) {
        const long dl = lungo / peso % 10;
        const long dc = corto / peso % 10;
        if (dl + dc > 9) lungo -= (dl + dc - 9) * peso;
    }
}

} // namespace

FrmAdd2::FrmAdd2(app::Module1& m)
    : FinestraAddizione(m, configurazione(), {5640, 6240, 1680, 2160, 3600, 3480}, "uaoo!") {
    disponiLavagna({&TxtPrimoAdd, &TxtSecondoAdd}, {&Label3, &Label4});
    disponiOpzione(Check1, 1020, 1080, 1575, "check_senza_riporto", "check_con_riporto");
}

void FrmAdd2::estraiOperandi() {
    GeneraNumeri();
    // At worst about one pair in seven needs no carry, so a few draws do; the bound
    // only keeps a broken generator from holding the window.
    for (int estrazioni = 1; Check1.checked && !senzaRiporti(Operandi[0], Operandi[1]); ++estrazioni) {
        if (estrazioni == kMaxEstrazioni) {
            togliRiporti(Operandi[0], Operandi[1]);
            break;
        }
        GeneraNumeri();
    }
}

void FrmAdd2::fineRiga() {
    FinestraAddizione::fineRiga();
    // The hand goes back to the first operand, and the active entry with it, so that only
    // one hand is ever shown.
    mano[1].visible = false;
    mano[0].visible = true;
    Casella = 0;
}

} // namespace exercise
