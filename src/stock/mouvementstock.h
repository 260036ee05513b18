#pragma once

#include "records/dialogues.h"
#include "records/montant.h"
#include "store/resultat.h"

#include <variant>

namespace zel {

// An article's stock with its weighted average purchase price ("P.A.Moyen Pond.").
struct StockPondere {
    double stock;
    double moyen;
};

// Goods received: the stock grows by the quantity, and the average weighs the stock held at its
// average against the goods at their unit price. A stock of zero or below holds nothing to
// weigh, so the average is then the unit price; so it is when the goods bring the stock back to
// exactly zero.
StockPondere entreePonderee(StockPondere avant, double quantite, double prixUnitaire);

// What a movement dialog gives once read: the quantity and, for an entry, the unit price.
struct QuantitePrix {
    double quantite;
    double prixUnitaire;
};

// The texts of a movement dialog read as numbers, or why they cannot be, in French: a blank or
// unreadable field, a quantity that is not above zero, a negative price.
std::variant<QuantitePrix, QString> litMouvement(MouvementStock sorte,
                                                 const SaisieMouvement& saisie);

// Leaving a field of a movement dialog: a non-blank text is shown again with two decimals
// whatever the amount format, right-aligned for the field's width. A text that is not a number
// gives a message naming the field, and the text stays as typed.
Resultat reformateSaisieMouvement(const QString& texte, const QString& champ,
                                  const MesureTexte& mesure, QString& resultat);

} // namespace zel
