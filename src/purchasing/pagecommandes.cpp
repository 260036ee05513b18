#include "purchasing/pagecommandes.h"

#include "records/texte.h"

#include <algorithm>

namespace zel {
namespace {

namespace L = ligneCommande;
namespace LA = ligneArticle;
namespace LF = ligneFournisseur;
namespace C = colonne;

DispositionDocument dispositionCommandes() {
    return {.sorte = Sorte::Commandes,
            .genres = {QStringLiteral("Commande")},
            .prefixeLigne = QStringLiteral("CMDE"),
            .ligneGenre = 0,
            .ligneAdresse1 = L::Adresse1,
            .ligneTtc = L::Ttc,
            .ligneValide = 0,
            .conditions = {QStringLiteral("A réception"), QStringLiteral("Réglement à 30 jours"),
                           QStringLiteral("Réglement à 60 jours"),
                           QStringLiteral("Réglement à 90 jours"),
                           QStringLiteral("En votre aimable réglement")},
            .lignesListe = {L::Date, L::Fournisseur, L::Adresse1, L::Adresse1 + 1},
            // An order is bought at the purchase price, whatever its price mode.
            .articleReference = LA::Reference,
            .articleDesignation = LA::Designation,
            .articlePrixHT = LA::PrixAchat,
            .articlePrixTTC = LA::PrixAchat,
            .articleTva = LA::Tva,
            .referenceArticle = QStringLiteral("la référence"),
            .ficheNom = LF::Nom,
            .ficheAdresse1 = LF::Adresse1,
            .ficheAdresse2 = LF::Adresse2,
            .ficheCodePostal = LF::CodePostal,
            .ficheVille = LF::Ville,
            .libelleCode = QStringLiteral("Code fournisseur : "),
            .manqueTiers = QStringLiteral("le code fournisseur"),
            .aucunTiers = QStringLiteral("Aucun fournisseur"),
            .leDocument = QStringLiteral("la commande"),
            .ceDocument = QStringLiteral("Cette commande"),
            .deDocument = QStringLiteral("de commande"),
            .titreListe = QStringLiteral("Liste des commandes"),
            .saisieCherche = Saisie::ChercheCommande,
            .presetCherche = QString(),
            .saisieFiltre = Saisie::FournisseurCommandes};
}

} // namespace

PageCommandes::PageCommandes(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                             const MesureTexte& mesure, PageFournisseurs& fournisseurs,
                             PageArticles& articles)
    : PageDocument(dispositionCommandes(), jeu, reglages, dialogues, mesure, fournisseurs,
                   articles) {
    Charge();
}

std::vector<PageDocument::Mouvement> PageCommandes::mouvementsStock(QStringList& oublis) const {
    const Document& d = document();
    const Blocs& store = articles();
    // The order's supplier as its articles name it: by its code or by its name.
    QString nomFournisseur;
    const Blocs& fournisseurs = jeu().store(Sorte::Fournisseurs);
    for (const LigneOuverture& o : fournisseurs.ouvertures()) {
        if (o.numero >= 0 && memeCode(ligneApres(fournisseurs, o.position, LF::Code), d.tiers)) {
            nomFournisseur = ligneApres(fournisseurs, o.position, LF::Nom).toString();
            break;
        }
    }
    const auto duFournisseur = [&](int ouverture) {
        const QStringView f = ligneApres(store, ouverture, LA::Fournisseur);
        return !f.trimmed().isEmpty() &&
               (memeCode(f, d.tiers) || (!nomFournisseur.isEmpty() && memeCode(f, nomFournisseur)));
    };
    // Each reference's article, found in one run over the articles for the whole order: the
    // first in store order whose supplier reference is the line's (letters compared without
    // case), and among those the first whose supplier is the order's.
    struct Recherche {
        QString reference;
        int ouverture = -1;
        bool sien = false;
    };
    std::vector<Recherche> recherches;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const QString& ref = d.ligne(r)[C::Ref];
        if (!ref.isEmpty() &&
            std::none_of(recherches.begin(), recherches.end(),
                         [&](const Recherche& x) { return memeCode(x.reference, ref); }))
            recherches.push_back({ref});
    }
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero < 0)
            continue;
        const QStringView reference = ligneApres(store, o.position, LA::Reference);
        for (Recherche& x : recherches) {
            if (x.sien || !memeCode(reference, x.reference))
                continue;
            const bool sien = duFournisseur(o.position);
            if (x.ouverture < 0 || sien)
                x = {x.reference, o.position, sien};
        }
    }
    const auto article = [&](const QString& ref) {
        for (const Recherche& x : recherches) {
            if (memeCode(x.reference, ref))
                return x.ouverture;
        }
        return -1;
    };

    std::vector<Mouvement> mouvements;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        if (l[C::Ref].isEmpty())
            continue;
        const int ouverture = article(l[C::Ref]);
        const std::optional<double> quantite = litNombre(l[C::Quantite]);
        if (ouverture < 0)
            oublis.append(QStringLiteral("%1 : aucun article n'a cette référence").arg(l[C::Ref]));
        else if (l[C::Quantite].trimmed().isEmpty())
            oublis.append(QStringLiteral("%1 : la ligne n'a pas de quantité").arg(l[C::Ref]));
        else if (!quantite)
            oublis.append(QStringLiteral("%1 : la quantité « %2 » n'est pas un nombre")
                              .arg(l[C::Ref], l[C::Quantite].trimmed()));
        else
            mouvements.push_back(
                {ouverture, LA::StockReel, *quantite,
                 QStringLiteral("%1 : le stock de l'article n'est pas un nombre").arg(l[C::Ref])});
    }
    return mouvements;
}

} // namespace zel
