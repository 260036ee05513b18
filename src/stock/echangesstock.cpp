#include "stock/echangesstock.h"

#include "stock/pagearticles.h"
#include "stock/pagefournisseurs.h"

namespace zel {

DispositionEchanges echangesFournisseurs() {
    namespace L = ligneFournisseur;
    return {DialogueTri::TTri,
            {L::Nom, L::CodePostal, L::Ville},
            {QString()},
            5,
            1,
            false,
            {L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville, L::Pays, L::Telephone},
            {L::Code, L::Famille, L::Nom, L::Adresse1, L::Adresse2, L::CodePostal, L::Ville,
             L::Pays, L::Telephone, L::Fax},
            {},
            {}};
}

DispositionEchanges echangesArticles(PageArticles& page) {
    namespace L = ligneArticle;
    return {DialogueTri::TTri4,
            {L::Designation, L::Code, L::Reference},
            {},
            7,
            3,
            true,
            {L::Famille, L::Designation, L::StockReel, L::StockMini, L::Fournisseur, L::Reference,
             L::PrixAchat},
            {L::Code, L::Famille, L::Designation, L::StockReel, L::StockMini, L::Reference,
             L::PrixAchat, L::Coefficient, L::PrixHT, L::PrixTTC},
            {L::StockReel},
            [&page] { page.quitteChamp(L::PrixAchat); }};
}

} // namespace zel
