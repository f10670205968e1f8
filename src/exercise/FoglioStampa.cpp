#include "exercise/FoglioStampa.h"

namespace exercise {

FoglioStampa::FoglioStampa(std::string nome, std::string titolo) : Form(std::move(nome)) {
    caption = std::move(titolo);
    width = 9480;
    height = 6792;
    backColor = 0xFFFFFF;
}

} // namespace exercise
