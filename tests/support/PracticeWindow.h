#pragma once

#include "exercise/addition/FinestraAddizione.h"

namespace testing_support {

// The bare template with a one-cell board, to test the frame apart from any operation.
class PracticeWindow : public exercise::FinestraEsercizio {
  public:
    explicit PracticeWindow(app::Module1& m)
        : FinestraEsercizio(m, {.nome = "frmProva",
                                .titoloFinestra = "Prova",
                                .titolo = "Prova",
                                .icona = "icon_addizione",
                                .operandi = {exercise::operandoAddendo("CmbNPA", "Label1", "primo"),
                                             exercise::operandoAddendo("CmbNSA", "Label2", "secondo")},
                                .layoutStampa = "frmProva_bis"}) {
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
