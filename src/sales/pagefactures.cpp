#include "sales/pagefactures.h"

#include "records/texte.h"

namespace zel {

namespace L = ligneFacture;
namespace LA = ligneArticle;
namespace LC = ligneClient;
namespace C = colonne;

DispositionDocument dispositionFactures() {
    return {.sorte = Sorte::Factures,
            .genres = PageFactures::genres(),
            .prefixeLigne = QStringLiteral("FACT"),
            .ligneGenre = L::Genre,
            .ligneAdresse1 = L::Adresse1,
            .ligneTtc = L::Ttc,
            .ligneValide = L::Valide,
            .conditions = {},
            .lignesListe = {L::Date, L::Client, L::Genre, L::Adresse1},
            .articleReference = LA::Code,
            .articleDesignation = LA::Designation,
            .articlePrixHT = LA::PrixHT,
            .articlePrixTTC = LA::PrixTTC,
            .articleTva = LA::Tva,
            .referenceArticle = QStringLiteral("le code"),
            .ficheNom = LC::Nom,
            .ficheAdresse1 = LC::Adresse1,
            .ficheAdresse2 = LC::Adresse2,
            .ficheCodePostal = LC::CodePostal,
            .ficheVille = LC::Ville,
            .libelleCode = QStringLiteral("Code client : "),
            .manqueTiers = QStringLiteral("le code client"),
            .aucunTiers = QStringLiteral("Aucun client"),
            .leDocument = QStringLiteral("la facture"),
            .ceDocument = QStringLiteral("Cette facture"),
            .deDocument = QStringLiteral("de facture"),
            .titreListe = QStringLiteral("Liste des factures"),
            .saisieCherche = Saisie::ChercheFacture,
            .presetCherche = QStringLiteral("F"),
            .saisieFiltre = Saisie::ClientFactures};
}

PageFactures::PageFactures(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                           const MesureTexte& mesure, PageClients& clients, PageArticles& articles)
    : PageDocument(dispositionFactures(), jeu, reglages, dialogues, mesure, clients, articles) {
    Charge();
}

const QStringList& PageFactures::genres() {
    static const QStringList liste = {QStringLiteral("Facture"), QStringLiteral("Devis    "),
                                      QStringLiteral("Avoir     ")};
    return liste;
}

QString PageFactures::identifiantTiers() const {
    const Blocs& clients = jeu().store(Sorte::Clients);
    const int ouverture = chercheCode(clients, document().tiers);
    return ouverture < 0 ? QString() : sirenClient(clients, ouverture);
}

std::vector<PageDocument::Mouvement> PageFactures::mouvementsStock(QStringList&) const {
    // Each line takes its quantity, decimals included, out of the article whose code is its
    // "Réf" as the user means it; a line naming no article (a service) moves nothing.
    const Blocs& store = articles();
    const Document& d = document();
    std::vector<Mouvement> mouvements;
    for (int r = 1; r <= d.lignesUtilisees && r <= Document::kLignes; ++r) {
        const LigneDocument& l = d.ligne(r);
        if (l[C::Ref].isEmpty())
            continue;
        const std::optional<double> quantite = litNombre(l[C::Quantite]);
        if (!quantite)
            continue;
        for (const LigneOuverture& o : store.ouvertures()) {
            if (o.numero >= 0 && memeCode(ligneApres(store, o.position, LA::Code), l[C::Ref])) {
                mouvements.push_back({o.position, LA::StockReel, -*quantite, {}});
                break;
            }
        }
    }
    return mouvements;
}

} // namespace zel
