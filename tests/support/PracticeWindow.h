#pragma once

#include "exercise/FinestraEsercizio.h"

namespace testing_support {

// The bare template with a one-cell board, to test the frame apart from any operation.
class PracticeWindow : public exercise::FinestraEsercizio {
  public:
    explicit PracticeWindow(app::Module1& m)
        : FinestraEsercizio(
              m, exercise::Configurazione{
                     "frmProva",
                     "Prova",
                     "Prova",
                     "icon_addizione",
                     9504,
                     6816,
                     "CmdVai",
                     "CmdSomma",
                     "CmdRisolvi",
                     "Label6",
                     "Label7",
                     "Line2",
                     {{"CmbNPA", "Label1", 4, "Clicca e scrivi (max 4 cifre)", "N° cifre primo addendo"},
                      {"CmbNSA", "Label2", 4, "Clicca e scrivi (max 4 cifre)", "N° cifre secondo addendo"}},
                     "frmProva_bis"}) {
        Cella[0].place(5640, 3600, 615, 735);
    }

    forms::ControlArray Cella{*this, "Cella", forms::ControlKind::Cell, 1};
    std::vector<std::string> scritte;

    void CmdVai_Click() override {}
    void CmdSomma_Click() override {}
    void CmdRisolvi_Click() override {}

  protected:
    void ScriviCifra() override { Cella[0].text = CifraPremuta; }
    void ProssimoPasso() override { scritte.push_back(Cella[0].text); }
    void PulisciLavagna() override { Cella[0].text.clear(); }
    std::vector<const forms::ControlArray*> righeDaStampare() const override { return {&Cella}; }
};

} // namespace testing_support
