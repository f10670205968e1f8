#include "exercise/subtraction/SoluzioneSottrazione.h"

#include "exercise/Numeri.h"

#include <algorithm>

namespace exercise {

bool SoluzioneSottrazione::richiedePrestito() const {
    return std::any_of(partecipa.begin(), partecipa.end(), [](bool p) { return p; });
}

std::optional<SoluzioneSottrazione> risolviSottrazione(long minuendo, long sottraendo) {
    if (sottraendo < 1 || minuendo < sottraendo || minuendo > 99999) return std::nullopt;
    SoluzioneSottrazione s;
    s.numColonne = numeroCifre(minuendo);
    for (int c = 0; c < s.numColonne; ++c, minuendo /= 10, sottraendo /= 10) {
        const auto i = static_cast<std::size_t>(c);
        const int sotto = static_cast<int>(sottraendo % 10);
        // A column lowered by the borrow on its right works with its lowered value.
        const int w = s.partecipa[i] ? s.prestito[i] : static_cast<int>(minuendo % 10);
        if (sotto <= w) {
            s.differenza[i] = w - sotto;
            continue;
        }
        s.prestito[i] = w + 10;
        s.partecipa[i] = true;
        // The minuend is not smaller than the subtrahend, so the top column never borrows
        // and the lender is always one of its digits.
        s.prestito[i + 1] = static_cast<int>(minuendo / 10 % 10) - 1;
        s.partecipa[i + 1] = true;
        s.differenza[i] = w + 10 - sotto;
    }
    return s;
}

} // namespace exercise
