#pragma once

#include "records/pagedocument.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

namespace zel {

// The field lines of an order block, counted from the line after its opening tag. The price
// mode line carries the order's validation as its fifth character.
namespace ligneCommande {
inline constexpr int Numero = 1, Date = 2, Fournisseur = 3, Conditions = 4, Adresse1 = 5, Ttc = 9;
} // namespace ligneCommande

// The order tab: one purchase order to a supplier at a time out of the order store. Its lines
// name articles by the supplier's reference and take their purchase price; a validated order is
// posted to its supplier's account and adds its quantities to stock.
class PageCommandes : public PageDocument {
public:
    PageCommandes(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                  const MesureTexte& mesure, PageFournisseurs& fournisseurs,
                  PageArticles& articles);

protected:
    std::vector<Mouvement> mouvementsStock(QStringList& oublis) const override;
};

} // namespace zel
