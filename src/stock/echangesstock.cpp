#include "stock/echangesstock.h"

#include "records/echangespage.h"
#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

namespace zel {

const EchangeSorte& echangeFournisseurs() {
    static const EchangeSorte e{
        Sorte::Fournisseurs,
        tableCarte(PageFournisseurs::disposition(),
                   QStringList{QStringLiteral("Code"), QStringLiteral("Famille")} +
                       colonnesCoordonnees() +
                       QStringList{QStringLiteral("Site Web"), QStringLiteral("Représentant"),
                                   QStringLiteral("Crédit maxi"), QStringLiteral("Total dû"),
                                   QStringLiteral("Risque"), QStringLiteral("Compte fourn."),
                                   QStringLiteral("Libellé en saisie"),
                                   QStringLiteral("Montant en saisie")},
                   {QStringLiteral("Observations")}, ligneFournisseur::Nom),
        AncienneDisposition{{QString()}, 5, 1, false},
        CleImport::Code,
        QStringLiteral("fiche"),
        QStringLiteral("fiches")};
    return e;
}

const EchangeSorte& echangeArticles() {
    static const EchangeSorte e{
        Sorte::Articles,
        tableCarte(PageArticles::disposition(),
                   {QStringLiteral("Code article"),
                    QStringLiteral("Famille"),
                    QStringLiteral("Désignation"),
                    QStringLiteral("Stock réel"),
                    QStringLiteral("Stock mini"),
                    QStringLiteral("Fournisseur"),
                    QStringLiteral("Réf. article"),
                    QStringLiteral("Ne pas gérer cet article"),
                    QStringLiteral("Vente en HT"),
                    QStringLiteral("Vente en TTC"),
                    QStringLiteral("TVA"),
                    QStringLiteral("Prix d'achat HT"),
                    QStringLiteral("P.A.Moyen Pond."),
                    QStringLiteral("Coef. de marge"),
                    QStringLiteral("Prix vente HT"),
                    QStringLiteral("Prix vente TTC"),
                    QStringLiteral("Fixer"),
                    QStringLiteral("Compte vente"),
                    QStringLiteral("Compte achat"),
                    QStringLiteral("Libellé en saisie"),
                    QStringLiteral("Montant en saisie")},
                   {QStringLiteral("Description"), QStringLiteral("Observations")},
                   ligneArticle::Designation),
        AncienneDisposition{{}, 7, 3, true},
        CleImport::Code,
        QStringLiteral("fiche"),
        QStringLiteral("fiches")};
    return e;
}

DispositionEchanges echangesFournisseurs() {
    namespace L = ligneFournisseur;
    return {DialogueTri::TTri,
            {L::Nom, L::CodePostal, L::Ville},
            echangeFournisseurs(),
            {L::Code, L::Famille, L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville,
             L::Pays, L::Telephone, L::Fax},
            {},
            {}};
}

DispositionEchanges echangesArticles(PageArticles& page) {
    namespace L = ligneArticle;
    return {DialogueTri::TTri4,
            {L::Designation, L::Code, L::Reference},
            echangeArticles(),
            {L::Code, L::Famille, L::Designation, L::StockReel, L::StockMini, L::Reference,
             L::PrixAchat, L::Coefficient, L::PrixHT, L::PrixTTC},
            {L::StockReel},
            [&page] { page.quitteChamp(L::PrixAchat); }};
}

} // namespace zel
