#pragma once

#include "records/reglages.h"

#include <QString>

#include <array>

namespace zel {

// The invoice settings dialog's fields as texts, filled from the settings and applied back.
struct SaisieParametres {
    QString tauxEuro;
    std::array<QString, 3> tauxTva;
    int decimales = 2;
    std::array<QString, 5> conditions;
    int devise = 0;
    QString nomDevise;

    static SaisieParametres depuis(const Reglages& reglages);
    // Stores the numbers in the order rate, VAT 1 to 3, decimals, up to the first that is not a
    // number; the payment conditions that are not empty; the currency and, for another
    // currency, its name. The amount format follows the decimals when they are 0, 1 or 2.
    void applique(Reglages& reglages) const;
};

} // namespace zel
