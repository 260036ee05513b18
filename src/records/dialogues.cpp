#include "records/dialogues.h"

namespace zel {

DefinitionSaisie definition(Saisie s) {
    switch (s) {
    case Saisie::CodePostal:
        return {QStringLiteral("Code postal"), QStringLiteral("Code postal"), true, false};
    case Saisie::Ville:
        return {QStringLiteral("Ville"), QStringLiteral("Ville"), false, true};
    case Saisie::Nom:
        return {QStringLiteral("Recherche par nom"), QStringLiteral("Début nom"), false, true};
    case Saisie::Telephone:
        return {QStringLiteral("Recherche par téléphone"), QStringLiteral("Téléphone"), true,
                false};
    case Saisie::CodeClient:
        return {QStringLiteral("Recherche par code client"), QStringLiteral("Code client"), true,
                false};
    case Saisie::Contact:
        return {QStringLiteral("Recherche par contact"), QStringLiteral("Début nom"), false, true};
    case Saisie::FamilleArticle:
        return {QStringLiteral("Familles d'articles"), QStringLiteral("Famille"), false, false};
    case Saisie::ClientFactures:
        return {QStringLiteral("Sélectionner factures"), QStringLiteral("Code client"), false,
                false};
    case Saisie::ChercheFacture:
        return {QStringLiteral("Chercher facture"), QStringLiteral("Numéro de facture"), false,
                false};
    case Saisie::FournisseurCommandes:
        return {QStringLiteral("Sélectionner commandes"), QStringLiteral("Code fournisseur"), false,
                false};
    case Saisie::ChercheCommande:
        return {QStringLiteral("Chercher Commande"), QStringLiteral("Numéro de commande"), false,
                false};
    case Saisie::Siren:
        return {QStringLiteral("Fichier des écritures comptables"),
                QStringLiteral("SIREN de l'entreprise (9 chiffres)"), true, false};
    case Saisie::SirenFacture:
        return {QStringLiteral("Facture électronique"),
                QStringLiteral("SIREN de l'entreprise (9 chiffres)"), true, false};
    case Saisie::Cloture:
        return {QStringLiteral("Fichier des écritures comptables"),
                QStringLiteral("Date de clôture de l'exercice (jj/mm/aaaa)"), false, false};
    case Saisie::FournisseurArticle:
        return {QStringLiteral("Fournisseur d'articles"), QStringLiteral("Founisseur"), false,
                false};
    }
    return {};
}

bool caractereAccepte(Saisie s, QChar c) {
    if (!definition(s).chiffresSeulement)
        return true;
    return (c >= u'0' && c <= u'9') || c == u'\b' || c == u'\t';
}

QStringList choixTri(DialogueTri d) {
    switch (d) {
    case DialogueTri::TTri:
        return {QStringLiteral("Nom/ société"), QStringLiteral("Code postal"),
                QStringLiteral("Ville")};
    case DialogueTri::TTri4:
        return {QStringLiteral("Désignation"), QStringLiteral("Code aricle"),
                QStringLiteral("Référence")};
    }
    return {};
}

} // namespace zel
