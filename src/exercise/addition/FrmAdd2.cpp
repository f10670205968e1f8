#include "exercise/addition/FrmAdd2.h"

#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

using app::DalComputer;
using app::DaTe;
using app::InEsecuzione;

namespace {

constexpr forms::Rgb kSfondo = 0xFFC080;
constexpr int kUnita = 5640; // left edge of the units column
constexpr int kSegni = 6240; // the signs, and the bar's right end
constexpr int kMaxEstrazioni = 1000;

Configurazione configurazione() {
    Configurazione c;
    c.nome = "frmAdd2";
    c.titoloFinestra = "Addizione con 2 addendi";
    c.titolo = "Addizione 2 addendi";
    c.icona = "icon_addizione";
    c.operandi = {
        {.nomeLista = "CmbNPA",
         .nomeDidascalia = "Label1",
         .maxCifre = 4,
         .testoDaTe = "Clicca e scrivi (max 4 cifre)",
         .testoDalComputer = "N° cifre primo addendo"},
        {.nomeLista = "CmbNSA",
         .nomeDidascalia = "Label2",
         .maxCifre = 4,
         .testoDaTe = "Clicca e scrivi (max 4 cifre)",
         .testoDalComputer = "N° cifre secondo addendo"},
    };
    c.layoutStampa = "frmAdd2_bis";
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

FrmAdd2::FrmAdd2(app::Module1& m) : FinestraEsercizio(m, configurazione()) {
    disponiRiga(TxtRiporto, kRiporti, kUnita, kSfondo);
    disponiRiga(TxtPrimoAdd, kPrimoAdd, kUnita, kSfondo);
    disponiRiga(TxtSecondoAdd, kSecondoAdd, kUnita, kSfondo);
    disponiRiga(TxtSomma, kSomma, kUnita, kSfondo);
    disponiSegno(Label3, "+", kSegni, 2280, kSfondo);
    disponiSegno(Label4, "=", kSegni, 2880, kSfondo);
    Line1.place(kUnita - 600 * 4, kBarra, 0, 0).borderWidth = 2;
    Line1.x2 = kSegni;
    Line1.y2 = kBarra;
    Check1.place(1020, 1080, 1575, 375)
        .withFont(11.4, true)
        .withPicture("check_senza_riporto", "check_con_riporto")
        .hand()
        .foreColor = 0xC000C0;
    Check1.checked = true;
    Check1.onClick = [this] { Check1_Click(); };
}

void FrmAdd2::CmdVai_Click() {
    PulisciLavagna();
    pulisciMessaggi();
    cmdStampa.enabled = false;
    CmdSomma.enabled = false;
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    fermaMano();
    Frame1.enabled = true;
    if (m_.ChiSceglie == DaTe) {
        backspace.visible = true;
        m_.ChiSceglie = InEsecuzione;
        // Anything but 1 to 4 digits is refused like a 0: silently.
        PrimoAddendo = leggiOperando(txtFattori[0].text, config().operandi[0].maxCifre).value_or(0);
        SecondoAddendo = leggiOperando(txtFattori[1].text, config().operandi[1].maxCifre).value_or(0);
        if (PrimoAddendo == 0 || SecondoAddendo == 0) {
            m_.ChiSceglie = DaTe;
            setFocus(txtFattori[Casella]);
            return;
        }
        CifrePrimo = numeroCifre(PrimoAddendo);
        CifreSecondo = numeroCifre(SecondoAddendo);
        backspace.visible = false;
    } else if (m_.ChiSceglie == DalComputer) {
        CifrePrimo = cifreScelte(0);
        CifreSecondo = cifreScelte(1);
        const Limiti primo = limitiPerCifre(CifrePrimo);
        const Limiti secondo = limitiPerCifre(CifreSecondo);
        MinPrimo = primo.min;
        MaxPrimo = primo.max;
        MinSecondo = secondo.min;
        MaxSecondo = secondo.max;
        GeneraNumeri();
        // At worst about one pair in seven needs no carry, so a few draws do; the bound
        // only keeps a broken generator from holding the window.
        for (int estrazioni = 1; Check1.checked && !senzaRiporti(PrimoAddendo, SecondoAddendo);
             ++estrazioni) {
            if (estrazioni == kMaxEstrazioni) {
                togliRiporti(PrimoAddendo, SecondoAddendo);
                break;
            }
            GeneraNumeri();
        }
    }
    cmdStampa.enabled = true;
    CmdSomma.enabled = true;
    mostraFaccia(1);
    txtFattori[0].text.clear();
    txtFattori[1].text.clear();
    ScriviNumeri();
    CmdSomma_Click();
    m_.DaContare = 1;
}

void FrmAdd2::GeneraNumeri() {
    platform::Random& r = m_.services.random;
    PrimoAddendo = r.between(static_cast<int>(MinPrimo), static_cast<int>(MaxPrimo));
    SecondoAddendo = r.between(static_cast<int>(MinSecondo), static_cast<int>(MaxSecondo));
}

void FrmAdd2::ScriviNumeri() {
    PulisciLavagna();
    // The bar covers the addends' columns and one more on the left for a final carry.
    Line1.left = kUnita - 600 * std::max(CifrePrimo, CifreSecondo);
    Line1.top = kBarra;
    Line1.x2 = kSegni;
    Line1.y2 = kBarra;
    for (int k = 0; k < CifrePrimo; ++k)
        TxtPrimoAdd[k].text = cifra(PrimoAddendo, k);
    for (int k = 0; k < CifreSecondo; ++k)
        TxtSecondoAdd[k].text = cifra(SecondoAddendo, k);
}

void FrmAdd2::CmdSomma_Click() {
    m_.DaContare = 0;
    Guidato = Check2.checked ? 1 : 0;
    Frame1.enabled = true;
    mostraFaccia(1);
    m_.suonaSeAttivo(app::SuonoPronto);
    LblRisultato.text = "Esegui";
    lblScrivi.text.clear();
    lblUao.text.clear();
    // Worked out from the addends on the board, so "Ripeti" needs nothing else.
    colonne.imposta(sommaInColonna({&TxtPrimoAdd, &TxtSecondoAdd}));
    IniziaEsecuzione();
}

void FrmAdd2::IniziaEsecuzione() {
    if (MostraSoluzione == 1)
        colonne.scriviSoluzione();
    else
        colonne.svuotaRighe();
    colonne.ricomincia();
    if (Guidato == 0)
        LblRisultato.text = "Esegui";
    else
        suggerisciCifra();
    setFocus(TxtSomma[0]);
}

void FrmAdd2::Check1_Click() {
    m_.suonaSeAttivo(app::SuonoClic);
    abbandonaOperazione();
    setFocus(CmdVai);
}

void FrmAdd2::Check2_Click() {
    m_.DaContare = 0; // the operation on the board, if any, no longer counts
    FinestraEsercizio::Check2_Click();
}

void FrmAdd2::CmdRisolvi_Click() {
    MostraSoluzione = 1;
    CmdSomma_Click();
    Frame1.enabled = false;
    LblRisultato.text = "Fatto";
    mostraFaccia(1);
    lblScrivi.text.clear();
    lblUao.text.clear();
    setFocus(CmdSomma);
    MostraSoluzione = 0;
}

void FrmAdd2::ScriviCifra() {
    colonne.scrivi(CifraPremuta);
}

void FrmAdd2::ProssimoPasso() {
    if (colonne.RiportoScritto == 0 && colonne.CifraScritta == 0) return; // the digit went nowhere
    lblUao.text.clear();
    if (colonne.RiportoScritto == 1) ControllaRiporto();
    if (colonne.CifraScritta == 1) ControllaCifra();
    colonne.RiportoScritto = 0;
    colonne.CifraScritta = 0;
    if (colonne.finita()) {
        finisci();
        return;
    }
    if (Guidato == 1) {
        if (colonne.riportoDovuto())
            lblScrivi.text = riportaTesto(colonne.Riporti[static_cast<std::size_t>(colonne.Colonna)]);
        else
            suggerisciCifra();
    }
    setFocus(colonne.cellaCorrente());
}

void FrmAdd2::ControllaRiporto() {
    if (colonne.controllaRiporto())
        giusto("Molto bravo", "uaoo!");
    else
        rispostaSbagliata();
}

void FrmAdd2::ControllaCifra() {
    if (colonne.controllaCifra())
        giusto("Bravo", "uao!");
    else
        rispostaSbagliata();
}

void FrmAdd2::giusto(const char* lode, const char* uao) {
    rispostaGiusta();
    if (Guidato == 0) {
        LblRisultato.text = lode;
        lblUao.text = uao;
    }
}

// The hint for the result digit of the current column.
void FrmAdd2::suggerisciCifra() {
    const int c = colonne.Colonna;
    const int r = valore(TxtRiporto[c]);
    const int p = valore(TxtPrimoAdd[c]);
    const int s = valore(TxtSecondoAdd[c]);
    if (!TxtRiporto[c].text.empty()) {
        LblRisultato.text = contoTesto({r, p, s});
        lblScrivi.text = scriviTesto(r + p + s);
    } else if (TxtPrimoAdd[c].text.empty() && TxtSecondoAdd[c].text.empty()) {
        // The column of a final carry: its digit is all there is to write.
        lblScrivi.text = ultimaCifraTesto(colonne.Cifre[static_cast<std::size_t>(c)]);
    } else {
        LblRisultato.text = contoTesto({p, s});
        lblScrivi.text = scriviTesto(p + s);
    }
}

void FrmAdd2::finisci() {
    LblRisultato.text = "Bravissimo";
    lblScrivi.text = "hai finito";
    lblUao.text = "uaoo!";
    contaEseguita();
    mostraFaccia(3);
    m_.suonaSeAttivo(app::SuonoFinito);
    setFocus(CmdVai);
    Frame1.enabled = false;
    Guidato = 0;
    // The hand goes back to the first operand, and the active entry with it, so that only
    // one hand is ever shown.
    mano[1].visible = false;
    mano[0].visible = true;
    Casella = 0;
}

void FrmAdd2::PulisciLavagna() {
    svuotaRighe({&TxtPrimoAdd, &TxtSecondoAdd, &TxtRiporto, &TxtSomma});
    colonne.azzera();
}

std::vector<const forms::ControlArray*> FrmAdd2::righeDaStampare() const {
    return {&TxtRiporto, &TxtPrimoAdd, &TxtSecondoAdd, &TxtSomma};
}

} // namespace exercise
