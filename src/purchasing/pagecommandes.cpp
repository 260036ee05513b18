#include "purchasing/pagecommandes.h"

#include "records/texte.h"

#include <QHash>

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
            .lignesListe = {L::Date, L::Fournisseur, L::Adresse1, L::Adresse1 + 1},
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

QString cle(QStringView texte) {
    return majusculesAZ(texte.trimmed());
}

} // namespace

PageCommandes::PageCommandes(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                             const MesureTexte& mesure, PageFournisseurs& fournisseurs,
                             PageArticles& articles)
    : PageDocument(dispositionCommandes(), jeu, reglages, dialogues, mesure, fournisseurs,
                   articles),
      m_articles(articles) {
    Charge();
}

std::optional<QString> PageCommandes::choisitArticle() {
    return m_articles.choisitParReference();
}

int PageCommandes::articleDeLaReference(QStringView reference) const {
    // The article whose supplier reference is the "Réf" exactly.
    const Blocs& store = articles();
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero >= 0 && ligneApres(store, o.position, LA::Reference) == reference)
            return o.position;
    }
    return -1;
}

void PageCommandes::remplitLigne(LigneDocument& ligne, int ouverture) const {
    // An order is bought at the purchase price, whatever its price mode.
    const Blocs& store = articles();
    ligne[C::Designation] = ligneApres(store, ouverture, LA::Designation).toString();
    ligne[C::Prix] = ligneApres(store, ouverture, LA::PrixAchat).trimmed().toString();
}

QStringList PageCommandes::mouvementsStock() {
    const Document& d = document();
    const Blocs& store = articles();
    // The order's supplier as its articles name it: by its code or by its name.
    QString nomFournisseur;
    const Blocs& fournisseurs = jeu().store(Sorte::Fournisseurs);
    for (const LigneOuverture& o : fournisseurs.ouvertures()) {
        if (o.numero >= 0 && cle(ligneApres(fournisseurs, o.position, LF::Code)) == cle(d.tiers)) {
            nomFournisseur = cle(ligneApres(fournisseurs, o.position, LF::Nom));
            break;
        }
    }
    // Each reference's article, found once for the whole order: the first in store order whose
    // supplier reference is the line's (letters compared without case), and among those the
    // first whose supplier is the order's.
    QHash<QString, int> parReference;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        if (!d.ligne(r)[C::Ref].isEmpty())
            parReference.insert(cle(d.ligne(r)[C::Ref]), -1);
    }
    QHash<QString, bool> duFournisseur;
    for (const LigneOuverture& o : store.ouvertures()) {
        if (o.numero < 0)
            continue;
        const auto trouve = parReference.find(cle(ligneApres(store, o.position, LA::Reference)));
        if (trouve == parReference.end() || duFournisseur.value(trouve.key()))
            continue;
        const QString fournisseur = cle(ligneApres(store, o.position, LA::Fournisseur));
        const bool sien = !fournisseur.isEmpty() &&
                          (fournisseur == cle(d.tiers) || fournisseur == nomFournisseur);
        if (*trouve < 0 || sien) {
            *trouve = o.position;
            duFournisseur.insert(trouve.key(), sien);
        }
    }

    QStringList oublis;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        if (l[C::Ref].isEmpty())
            continue;
        const int ouverture = parReference.value(cle(l[C::Ref]), -1);
        const std::optional<double> quantite = litNombre(l[C::Quantite]);
        if (ouverture < 0)
            oublis.append(QStringLiteral("%1 : aucun article n'a cette référence").arg(l[C::Ref]));
        else if (!quantite)
            oublis.append(QStringLiteral("%1 : la quantité « %2 » n'est pas un nombre")
                              .arg(l[C::Ref], l[C::Quantite].trimmed()));
        else if (!changeStock(ouverture, LA::StockReel, *quantite))
            oublis.append(
                QStringLiteral("%1 : le stock de l'article n'est pas un nombre").arg(l[C::Ref]));
    }
    return oublis;
}

} // namespace zel
