#include "exercise/addition/CelleOperazione.h"

namespace exercise {

void disponiRiga(forms::ControlArray& riga, const AspettoRiga& aspetto, int unita, forms::Rgb sfondo) {
    for (int i = 0; i < riga.size(); ++i) {
        riga[i]
            .place(unita - 600 * i, aspetto.top, 615, aspetto.height)
            .withFont(aspetto.punti, true)
            .aligned(forms::Align::Center)
            .colours(aspetto.colore, sfondo);
    }
}

void disponiSegno(forms::Control& segno, std::string testo, int left, int top, forms::Rgb sfondo) {
    segno.place(left, top, 495, 495)
        .withFont(21.6, true, false, "Times New Roman")
        .aligned(forms::Align::Center)
        .withText(std::move(testo))
        .backColor = sfondo;
}

void svuotaRighe(std::initializer_list<forms::ControlArray*> righe) {
    for (forms::ControlArray* riga : righe) {
        for (int i = 0; i < riga->size(); ++i) {
            (*riga)[i].text.clear();
            (*riga)[i].enabled = true;
        }
    }
}

} // namespace exercise
