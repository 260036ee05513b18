#pragma once

#include "records/reglages.h"

#include <QString>

#include <array>
#include <optional>

namespace zel {

// The invoice settings dialog's fields as texts, filled from the settings and applied back.
struct SaisieParametres {
    QString tauxEuro;
    std::array<QString, 3> tauxTva;
    int decimales = 2;
    std::array<QString, 5> conditions;
    int devise = 0;
    QString nomDevise;
    // "Factures électroniques (EN 16931)".
    bool facturesElectroniques = false;

    static SaisieParametres depuis(const Reglages& reglages);
    // Why the fields cannot be applied, or nothing: a VAT rate of -100 % or below, out of which
    // no price before tax can be computed; electronic invoices with other than two decimals.
    std::optional<QString> refus() const;
    // Stores the numbers in the order rate, VAT 1 to 3, decimals, up to the first that is not a
    // number or a VAT rate refused; the payment conditions that are not empty; the currency and,
    // for another currency, its name; electronic invoices when the decimals are then two. The
    // amount format follows the decimals when they are 0, 1 or 2.
    void applique(Reglages& reglages) const;
};

} // namespace zel
