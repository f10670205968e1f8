#include "exercise/division_common/LavagnaDivisione.h"

#include <array>
#include <string>

namespace exercise {

using forms::ControlKind;

namespace {

std::vector<std::unique_ptr<forms::ControlArray>> creaSegni(forms::Form& f, int n) {
    std::vector<std::unique_ptr<forms::ControlArray>> out;
    for (int k = 0; k < n; ++k)
        out.push_back(
            std::make_unique<forms::ControlArray>(f, "RP" + std::to_string(k), ControlKind::Cell, 5));
    return out;
}

} // namespace

LavagnaDivisione::LavagnaDivisione(forms::Form& f, int n)
    : txtCappello(f, "txtCappello", ControlKind::Cell, 5), segni_(creaSegni(f, n)), RP0(*segni_.at(0)),
      RP1(*segni_.at(1)), RP2(*segni_.at(2)), RP3(*segni_.at(3)),
      TxtDividendo(f, "TxtDividendo", ControlKind::Cell, 6), Label3(f, "Label3", ControlKind::Label),
      TxtDivisore(f, "TxtDivisore", ControlKind::Cell), Label4(f, "Label4", ControlKind::Label),
      TxtQuoziente(f, "TxtQuoziente", ControlKind::Cell, 5), txtResto1(f, "txtResto1", ControlKind::Cell, 5),
      txtResto2(f, "txtResto2", ControlKind::Cell, 5), txtResto3(f, "txtResto3", ControlKind::Cell, 5),
      txtResto4(f, "txtResto4", ControlKind::Cell, 5) {}

void LavagnaDivisione::cella(forms::Control& c, int left, int top, const Stile& s, forms::Rgb sfondo) {
    c.place(left, top, s.larghezza, s.altezza)
        .withFont(s.punti, s.grassetto, false, s.famiglia)
        .aligned(forms::Align::Center);
    c.colours(s.colore, sfondo).seeThrough();
}

void LavagnaDivisione::segno(forms::Control& c, const char* testo, int left, int top, int width, int height,
                             double punti, const char* famiglia, forms::Rgb sfondo) {
    c.place(left, top, width, height).withFont(punti, true, false, famiglia).aligned(forms::Align::Center);
    c.colours(kNero, sfondo).seeThrough();
    c.text = testo;
}

void LavagnaDivisione::riga(forms::ControlArray& r, int left0, int top, const Stile& s, forms::Rgb sfondo,
                            int passo) {
    r[0].hidden().disabled();
    for (int i = 1; i < r.size(); ++i)
        cella(r[i], left0 + passo * (i - 1), top, s, sfondo);
}

void LavagnaDivisione::scriviRiga(forms::ControlArray& r, const std::array<char, 5>& caratteri) {
    for (int i = 1; i <= 4; ++i) {
        const char c = caratteri[static_cast<std::size_t>(i)];
        r[i].text = c == 0 ? std::string() : std::string(1, c);
    }
}

void LavagnaDivisione::svuota(forms::ControlArray& r) {
    for (int i = 1; i <= 4; ++i)
        r[i].text.clear();
}

void LavagnaDivisione::abilita(forms::ControlArray& r, bool acceso) {
    for (int i = 1; i <= 4; ++i)
        r[i].enabled = acceso;
}

forms::ControlArray& LavagnaDivisione::txtResto(int k) {
    return *std::array{&txtResto1, &txtResto2, &txtResto3, &txtResto4}.at(static_cast<std::size_t>(k - 1));
}

const forms::ControlArray& LavagnaDivisione::txtResto(int k) const {
    return const_cast<LavagnaDivisione&>(*this).txtResto(k);
}

forms::ControlArray& LavagnaDivisione::RP(int k) {
    return *segni_.at(static_cast<std::size_t>(k));
}

const forms::ControlArray& LavagnaDivisione::RP(int k) const {
    return *segni_.at(static_cast<std::size_t>(k));
}

} // namespace exercise
