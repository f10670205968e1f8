#pragma once

#include "exercise/division_common/SoluzioneDivisione.h"

namespace exercise {

// A compact division writes only what both division windows share.
using SoluzioneCompatta = SoluzioneDivisione;

inline std::optional<SoluzioneCompatta> risolviDivisioneCompatta(int dividendo, int divisore) {
    return risolviDivisione(dividendo, divisore);
}

} // namespace exercise
