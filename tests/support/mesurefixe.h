#pragma once

#include "records/montant.h"

namespace zel::test {

// Five pixels per character, as a fixed-width font would measure.
struct MesureFixe : MesureTexte {
    int largeur(const QString& t) const override { return 5 * int(t.size()); }
};

} // namespace zel::test
