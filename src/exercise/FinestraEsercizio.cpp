#include "exercise/FinestraEsercizio.h"

#include "exercise/Numeri.h"

namespace exercise {

using app::DalComputer;
using app::DaTe;
using forms::Align;
using forms::ControlKind;

namespace {

constexpr forms::Rgb kRosso = 0xFF0000;
constexpr forms::Rgb kBlu = 0x0000FF;
constexpr forms::Rgb kContatori = 0xC00000;

std::vector<std::unique_ptr<forms::Control>> perOperando(forms::Form& f, const Configurazione& c,
                                                         std::string Operando::*nome, ControlKind kind) {
    std::vector<std::unique_ptr<forms::Control>> out;
    for (const Operando& o : c.operandi)
        out.push_back(std::make_unique<forms::Control>(f, o.*nome, kind));
    return out;
}

std::vector<std::unique_ptr<forms::Control>> tastierino(forms::Form& f, forms::Control& frame) {
    std::vector<std::unique_ptr<forms::Control>> out;
    for (int k = 0; k <= 9; ++k)
        out.push_back(
            std::make_unique<forms::Control>(f, "Cmd_" + std::to_string(k), ControlKind::Button, &frame));
    return out;
}

} // namespace

Configurazione configurazioneFinestra(std::string nome, std::string titoloFinestra, std::string titolo,
                                      std::string icona) {
    Configurazione c;
    c.layoutStampa = nome + "_bis";
    c.nome = std::move(nome);
    c.titoloFinestra = std::move(titoloFinestra);
    c.titolo = std::move(titolo);
    c.icona = std::move(icona);
    return c;
}

FinestraEsercizio::FinestraEsercizio(app::Module1& m, const Configurazione& config)
    : Form(config.nome), liste(perOperando(*this, config, &Operando::nomeLista, Kind::ComboBox)),
      didascalie(perOperando(*this, config, &Operando::nomeDidascalia, Kind::Label)),
      txtFattori(*this, "txtFattori", Kind::TextBox, static_cast<int>(config.operandi.size())),
      mano(*this, "mano", Kind::Picture, static_cast<int>(config.operandi.size())),
      Separatore(*this, config.nomeSeparatore, Kind::Line), Eseguite(*this, config.nomeEseguite, Kind::Label),
      Errori(*this, config.nomeErrori, Kind::Label), Cmd(tastierino(*this, Frame1)),
      Soluzione(*this, config.nomeSoluzione, Kind::Button, &Frame1),
      Ripeti(*this, config.nomeRipeti, Kind::Button), Inserisci(*this, config.nomeInserisci, Kind::Button),
      m_(m), config_(config) {
    caption = config_.titoloFinestra;
    width = config_.larghezza;
    height = config_.altezza;
    backColor = kSfondo;
    icon = config_.icona;
    discardsKeys = true;

    // Positions are those of the two-addend addition window; the other windows move
    // what they place elsewhere.
    Label5.place(120, 120, 6735, 855).withFont(27.6, true, true).aligned(Align::Center).seeThrough();
    Label5.foreColor = kBlu;
    Label5.text = config_.titolo;
    Shape1.place(7140, 120, 1935, 975).borderWidth = 2;
    Shape1.fillColor = 0xFFFFC0;
    Separatore.place(7140, 600, 0, 0).borderWidth = 2;
    Separatore.x2 = 9060;
    Separatore.y2 = 600;
    Eseguite.place(7200, 120, 1155, 435).withFont(14.4, false, true).seeThrough().withText("Eseguite");
    Eseguite.foreColor = kContatori;
    lblFatte.place(8460, 120, 495, 435).withFont(14.4, true).aligned(Align::Center).seeThrough();
    lblFatte.foreColor = kContatori;
    lblFatte.text = "00";
    Errori.place(7200, 600, 1035, 435).withFont(14.4, false, true).seeThrough().withText("Errori");
    Errori.foreColor = kContatori;
    lblErrori.place(8460, 600, 495, 435).withFont(14.4, true).aligned(Align::Center).seeThrough();
    lblErrori.foreColor = kContatori;
    lblErrori.text = "00";

    cmdStampa.place(7440, 1320, 1395, 495).withPicture("btn_stampa").withTooltip("Stampa lo schermo").hand();
    cmdStampa.enabled = false;
    Frame1.place(7140, 1980, 1935, 2655).withFont(9, true).withText("Tastierino numerico").backColor =
        kSfondo;
    for (int d = 0; d <= 9; ++d) {
        Control& key = tasto(d);
        if (d == 0)
            key.place(120, 2040, 495, 495);
        else
            key.place(120 + 600 * ((d - 1) % 3), 240 + 600 * (2 - (d - 1) / 3), 495, 495);
        key.withPicture("digit_" + std::to_string(d)).hand();
        key.onClick = [this, d] { Cmd_Click(d); };
    }
    Soluzione.place(720, 2040, 1095, 495)
        .withPicture("btn_soluzione")
        .withTooltip("Mostra la soluzione")
        .hand();
    backspace.place(7860, 4020, 1095, 495).withPicture("btn_backspace").hand().hidden();
    Ripeti.place(7380, 4860, 1395, 495).withPicture("btn_ripeti").withTooltip("Ripete l'operazione").hand();
    CmdEnd.place(7380, 5580, 1395, 495).withPicture("btn_esci").withTooltip("Ritorna al menù").hand();
    Inserisci.place(1140, 3660, 1395, 495).withPicture("btn_ok").withTooltip("Inserisce i numeri").hand();
    Check2.place(1020, 1560, 1575, 375).withPicture("check_con_aiuto", "check_senza_aiuto").hand();
    Check2.backColor = 0xC0C0C0;
    Check2.checked = true;

    Image1.withPicture("face_neutral");
    Image2.withPicture("face_smile");
    Image3.withPicture("face_laugh");
    Image4.withPicture("face_sad");
    spostaFacce(1440, 4560);
    LblRisultato.place(3240, 4740, 3075, 615).withFont(20.4, true).aligned(Align::Center).seeThrough();
    LblRisultato.foreColor = kRosso;
    lblScrivi.place(3240, 5340, 3075, 615).withFont(20.4, true).aligned(Align::Center).seeThrough();
    lblScrivi.foreColor = kRosso;
    lblUao.place(1140, 5460, 1515, 615).withFont(20.4, true).aligned(Align::Center).seeThrough();
    lblUao.foreColor = kBlu;
    Timer1.interval = 500;

    // Operand entry, one row per operand.
    for (int i = 0; i < numeroOperandi(); ++i) {
        const int riga = 720 * i;
        Control& didascalia = *didascalie[static_cast<std::size_t>(i)];
        didascalia.place(i == 0 ? 60 : 180, 2100 + riga, i == 0 ? 3075 : 2955, 255)
            .withFont(9.6, true)
            .aligned(Align::Center)
            .seeThrough();
        mano[i].place(660, 2340 + riga, 384, 384).withPicture("hand").hidden();
        txtFattori[i].place(1320, 2400 + riga, 1035, 405).withFont(14.4).aligned(Align::Right);
        txtFattori[i].colours(0x0000C0, 0xFFFFFF);
        Control& l = lista(i);
        l.place(1560, 2400 + riga, 615, 315).withFont(9.6, true).hand();
        l.items = config_.operandi[static_cast<std::size_t>(i)].voci;
        txtFattori[i].onClick = [this, i] { txtFattori_Click(i); };
        l.onDropDown = [this, i] { Cmb_DropDown(i); };
        l.onClick = [this, i] { Cmb_Click(i); };
    }

    Timer1.onTimer = [this] { Timer1_Timer(); };
    CmdEnd.onClick = [this] { CmdEnd_Click(); };
    backspace.onClick = [this] { backspace_Click(); };
    cmdStampa.onClick = [this] { cmdStampa_Click(); };
    // A pressed button takes the focus, as on paper the eye leaves the old cell; the
    // handler then moves it on to the cell it asks for, if any.
    Inserisci.onClick = [this] {
        setFocus(Inserisci);
        CmdVai_Click();
    };
    Ripeti.onClick = [this] {
        setFocus(Ripeti);
        CmdSomma_Click();
    };
    Soluzione.onClick = [this] { CmdRisolvi_Click(); };
    Check2.onClick = [this] { Check2_Click(); };
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::Form_Load() {
    m_.ChiSceglieSalvato = m_.ChiSceglie;
    Casella = 0;
    m_.NumEseguite = 0;
    m_.NumErrori = 0;
    mostraContatori();
    app::Module1::TogliChiudi(*this);
    app::Module1::MettiInPrimoPiano(*this);
    platform::Environment& env = m_.services.environment;
    env.setCurrentDirectory(env.programFolder());
    Ripeti.enabled = false;
    mostraFaccia(2);
    LblRisultato.text = "Ciao";
    lblUao.text = "";
    Control* opz = opzione();
    if (m_.ChiSceglie == DaTe) {
        Frame1.enabled = true;
        for (int i = 0; i < numeroOperandi(); ++i)
            didascalie[static_cast<std::size_t>(i)]->text =
                config_.operandi[static_cast<std::size_t>(i)].testoDaTe;
        if (opz != nullptr) opz->visible = false;
        backspace.visible = true;
    }
    if (m_.ChiSceglie == DalComputer) {
        Frame1.enabled = false;
        if (opz != nullptr) opz->visible = true;
        for (int i = 0; i < numeroOperandi(); ++i) {
            const auto k = static_cast<std::size_t>(i);
            txtFattori[i].visible = false;
            lista(i).listIndex = 0;
            didascalie[k]->text = config_.operandi[k].testoDalComputer;
        }
    }
    setFocus(m_.ChiSceglie == DaTe ? txtFattori[0] : lista(0));
}

void FinestraEsercizio::Timer1_Timer() {
    mano[Casella].visible = false;
    if (Lampeggio < 1) {
        mano[Casella].visible = true;
        ++Lampeggio;
    } else {
        Lampeggio = 0;
    }
}

void FinestraEsercizio::CmdEnd_Click() {
    m_.suonaSeAttivo(app::SuonoUscita);
    m_.forms.load("frmStart").show();
    // The start window's choice is in force again before this window goes.
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    unload();
}

void FinestraEsercizio::txtFattori_Click(int index) {
    m_.ChiSceglie = DaTe;
    m_.suonaSeAttivo(app::SuonoClic);
    Frame1.enabled = true;
    Timer1.enabled = false;
    spostaMano(index);
    backspace.visible = true;
    Ripeti.enabled = false;
    cmdStampa.enabled = false;
    pulisciMessaggi();
    PulisciLavagna();
    setFocus(txtFattori[index]);
}

void FinestraEsercizio::txtFattori_Change(int index) {
    const auto limite = static_cast<std::size_t>(config_.operandi[static_cast<std::size_t>(index)].maxCifre);
    if (txtFattori[index].text.size() > limite) backspace_Click();
}

void FinestraEsercizio::backspace_Click() {
    std::string& t = txtFattori[Casella].text;
    if (!t.empty()) t.pop_back();
}

void FinestraEsercizio::Cmd_Click(int digit) {
    fermaMano();
    CifraPremuta = std::string(1, static_cast<char>('0' + digit));
    if (m_.ChiSceglie == DaTe) {
        txtFattori[Casella].text += CifraPremuta;
        txtFattori_Change(Casella);
        setFocus(txtFattori[Casella]);
        return;
    }
    ScriviCifra();
    ProssimoPasso();
}

void FinestraEsercizio::Cmb_DropDown(int row) {
    m_.suonaSeAttivo(app::SuonoClic);
    spostaMano(row);
    if (config_.listaFermaMano) Timer1.enabled = false;
    abbandonaOperazione();
    setFocus(lista(row));
}

void FinestraEsercizio::Cmb_Click(int row) {
    cmdStampa.enabled = false;
    Frame1.enabled = false;
    Ripeti.enabled = false;
    pulisciMessaggi();
    setFocus(lista(row));
}

void FinestraEsercizio::cmdStampa_Click() {
    forms::Form& layout = m_.forms.load(config_.layoutStampa);
    for (const forms::ControlArray* riga : righeDaStampare()) {
        for (int i = 0; i < riga->size(); ++i) {
            const Control& cella = (*riga)[i];
            if (Control* copia = layout.find(cella.name())) copia->text = cella.text;
        }
    }
    // With no printer nothing is printed, and the window simply goes on. The job bears the
    // window's name, so that pages can be told apart in the printer's queue.
    m_.services.printer.print(layout, caption);
}

void FinestraEsercizio::Check2_Click() {
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    m_.suonaSeAttivo(app::SuonoClic);
    abbandonaOperazione();
    if (m_.ChiSceglie == DaTe) {
        setFocus(txtFattori[Casella]);
        Frame1.enabled = true;
        backspace.visible = true;
    } else {
        setFocus(Inserisci);
    }
}

void FinestraEsercizio::Check1_Click() {
    m_.suonaSeAttivo(app::SuonoClic);
    abbandonaOperazione();
    setFocus(Inserisci);
}

void FinestraEsercizio::disponiOpzione(Control& box, int left, int top, int width, const char* immagine,
                                       const char* spuntata) {
    box.place(left, top, width, 375).withFont(11.4, true).withPicture(immagine, spuntata).hand().foreColor =
        0xC000C0;
    box.checked = true;
    box.onClick = [this] { Check1_Click(); };
}

void FinestraEsercizio::abbandonaOperazione() {
    cmdStampa.enabled = false;
    Frame1.enabled = false;
    Ripeti.enabled = false;
    PulisciLavagna();
    pulisciMessaggi();
}

void FinestraEsercizio::rispostaGiusta() {
    mostraFaccia(2);
    m_.suonaSeAttivo(app::SuonoBravo);
}

void FinestraEsercizio::rispostaGiusta(const char* lode, const char* uao) {
    rispostaGiusta();
    if (Guidato == 0) {
        LblRisultato.text = lode;
        lblUao.text = uao;
    }
}

bool FinestraEsercizio::operandiDigitati(const std::vector<long*>& valori) {
    backspace.visible = true;
    m_.ChiSceglie = app::InEsecuzione;
    bool validi = true;
    std::size_t i = 0;
    for (long* v : valori) {
        *v = leggiOperando(txtFattori[static_cast<int>(i)].text, config_.operandi[i].maxCifre).value_or(0);
        validi = validi && *v != 0;
        ++i;
    }
    if (!validi) {
        m_.ChiSceglie = DaTe;
        setFocus(txtFattori[Casella]);
    }
    return validi;
}

void FinestraEsercizio::iniziaInserimento() {
    m_.ChiSceglie = m_.ChiSceglieSalvato;
    fermaMano();
    Guidato = 0;
    PulisciLavagna();
    pulisciMessaggi();
    Frame1.enabled = true;
    Ripeti.enabled = false;
    cmdStampa.enabled = false;
}

void FinestraEsercizio::operandiAccettati() {
    cmdStampa.enabled = true;
    Ripeti.enabled = true;
    mostraFaccia(1);
    for (int i = 0; i < numeroOperandi(); ++i)
        txtFattori[i].text.clear();
}

void FinestraEsercizio::preparaEsecuzione(bool uaoResta) {
    m_.DaContare = 0;
    Guidato = Check2.checked ? 1 : 0;
    Frame1.enabled = true;
    mostraFaccia(1);
    m_.suonaSeAttivo(app::SuonoPronto);
    LblRisultato.text = "Esegui";
    lblScrivi.text.clear();
    if (!uaoResta || Guidato == 0) lblUao.text.clear();
}

void FinestraEsercizio::operazioneFinita(const char* uao) {
    LblRisultato.text = "Bravissimo";
    lblScrivi.text = "hai finito";
    lblUao.text = uao;
    contaEseguita();
    mostraFaccia(3);
    m_.suonaSeAttivo(app::SuonoFinito);
    setFocus(Inserisci);
    Frame1.enabled = false;
}

void FinestraEsercizio::CmdRisolvi_Click() {
    MostraSoluzione = 1;
    CmdSomma_Click();
    Frame1.enabled = false;
    LblRisultato.text = "Fatto";
    mostraFaccia(1);
    lblScrivi.text.clear();
    lblUao.text.clear();
    setFocus(Ripeti);
    MostraSoluzione = 0;
}

void FinestraEsercizio::rispostaSbagliata() {
    mostraFaccia(4);
    m_.suonaSeAttivo(app::SuonoErrore);
    // In guided mode the hint stays up and nothing is counted.
    if (Guidato == 0) {
        LblRisultato.text = "Riprova";
        lblUao.text = "ops!";
        lblScrivi.text.clear();
        contaErrore();
    }
}

void FinestraEsercizio::mostraFaccia(int k) {
    Image1.visible = k == 1;
    Image2.visible = k == 2;
    Image3.visible = k == 3;
    Image4.visible = k == 4;
}

void FinestraEsercizio::spostaFacce(int left, int top) {
    for (Control* faccia : {&Image1, &Image2, &Image3, &Image4})
        faccia->place(left, top, 900, 855);
}

void FinestraEsercizio::pulisciMessaggi() {
    LblRisultato.text = "";
    lblScrivi.text = "";
    lblUao.text = "";
}

void FinestraEsercizio::mostraContatori() {
    lblFatte.text = app::numeroTesto(m_.NumEseguite);
    lblErrori.text = app::numeroTesto(m_.NumErrori);
}

void FinestraEsercizio::contaErrore() {
    if (Guidato == 0 && m_.DaContare == 1) {
        ++m_.NumErrori;
        mostraContatori();
    }
}

void FinestraEsercizio::contaEseguita() {
    if (Guidato == 0 && m_.DaContare == 1) {
        ++m_.NumEseguite;
        mostraContatori();
    }
}

int FinestraEsercizio::cifreScelte(int i) const {
    const std::string t = liste.at(static_cast<std::size_t>(i))->listText();
    return t.empty() ? 1 : valore(t);
}

void FinestraEsercizio::fermaMano() {
    Timer1.enabled = false;
    mano[Casella].visible = true;
}

void FinestraEsercizio::spostaMano(int casella) {
    mano[Casella].visible = false;
    Casella = casella;
    mano[Casella].visible = true;
}

} // namespace exercise
