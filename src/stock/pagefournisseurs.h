#pragma once

#include "records/pagecarte.h"

namespace zel {

// The lines of a supplier block, counted from the line after its opening tag.
namespace ligneFournisseur {
inline constexpr int Code = 1, Famille = 2, Nom = 3, Adresse1 = 4, Adresse2 = 5, CodePostal = 6,
                     Ville = 7, Pays = 8, Telephone = 9, Fax = 10, Email = 11, Banque = 12,
                     CodeBanque = 13, CodeGuichet = 14, Compte = 15, Rib = 16, SiteWeb = 17,
                     Representant = 18, CreditMaxi = 19, TotalDu = 20, Risque = 21,
                     CompteFournisseur = 22, SaisieLibelle = 23, SaisieMontant = 24;
} // namespace ligneFournisseur

// The supplier browsing modes of the "Sélection" menu: 0 and 1 take every supplier.
enum class SelectionFournisseur { Aucune = 0, Tous = 1, CodePostal = 2, Ville = 3 };

// The suppliers tab: the card of the current supplier, browsed by postal code or town.
class PageFournisseurs : public PageCarte {
public:
    PageFournisseurs(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                     const MesureTexte& mesure);

    static DispositionCarte disposition();
    // The names of the suppliers in store order, as the article card offers them.
    static QStringList noms(const Blocs& fournisseurs);

    SelectionFournisseur selection() const { return m_selection; }
    // Sets the browsing mode; the postal code and the town ask for their key first, and
    // cancelling keeps the previous key.
    void SetFour(SelectionFournisseur mode);
    // The supplier picker: the code of the supplier chosen, or nothing.
    std::optional<QString> choisitFournisseur();

protected:
    std::optional<int> pasSelection(Pas pas) const override;

private:
    SelectionFournisseur m_selection = SelectionFournisseur::Aucune;
    QString m_cleCodePostal;
    QString m_cleVille;
};

} // namespace zel
