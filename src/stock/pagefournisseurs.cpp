#include "stock/pagefournisseurs.h"

namespace zel {
namespace {

namespace L = ligneFournisseur;

} // namespace

PageFournisseurs::PageFournisseurs(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                                   const MesureTexte& mesure)
    : PageCarte({disposition(),
                 L::Nom,
                 QStringLiteral("Liste des fournisseurs"),
                 QStringLiteral("Aucune fiche fournisseur à afficher."),
                 0,
                 colonnesNomsAdresses(),
                 {L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Telephone, L::Fax}},
                jeu, reglages, dialogues, mesure) {}

DispositionCarte PageFournisseurs::disposition() {
    return {Sorte::Fournisseurs,
            24,
            {},
            {{L::CreditMaxi, Carte::kLargeurChamp, QStringLiteral("Crédit maxi")},
             {L::TotalDu, Carte::kLargeurChamp, QStringLiteral("Total dû")}},
            L::SaisieLibelle,
            L::SaisieMontant,
            {QStringLiteral("MEMO")}};
}

QStringList PageFournisseurs::noms(const Blocs& fournisseurs) {
    QStringList noms;
    for (const LigneOuverture& o : fournisseurs.ouvertures())
        noms.append(ligneApres(fournisseurs, o.position, L::Nom).toString());
    return noms;
}

void PageFournisseurs::SetFour(SelectionFournisseur mode) {
    if (mode == SelectionFournisseur::CodePostal)
        demandeCle(Saisie::CodePostal, m_cleCodePostal);
    else if (mode == SelectionFournisseur::Ville)
        demandeCle(Saisie::Ville, m_cleVille);
    m_selection = mode;
}

std::optional<int> PageFournisseurs::pasSelection(Pas pas) const {
    switch (m_selection) {
    case SelectionFournisseur::CodePostal:
        return pasEgal(pas, L::CodePostal, m_cleCodePostal);
    case SelectionFournisseur::Ville:
        return pasMajuscules(pas, L::Ville, m_cleVille);
    case SelectionFournisseur::Aucune:
    case SelectionFournisseur::Tous:
        break;
    }
    return PageCarte::pasSelection(pas);
}

std::optional<QString> PageFournisseurs::choisitFournisseur() {
    return choisit(L::Code, L::Nom);
}

} // namespace zel
