#pragma once

#include "clients/pageclients.h"
#include "records/pagedocument.h"
#include "stock/pagearticles.h"

namespace zel {

// The field lines of a sales document block, counted from the line after its opening tag.
namespace ligneFacture {
inline constexpr int Numero = 1, Date = 2, Client = 3, Conditions = 4, Genre = 5, Adresse1 = 6,
                     Ttc = 10, Valide = 11;
} // namespace ligneFacture

// The letters the kinds are known by (lettreGenre): an invoice, a quote, a credit note.
inline constexpr char16_t kLettreFacture = u'F', kLettreDevis = u'D', kLettreAvoir = u'A';

// Where a sales document keeps its fields and lines, and how the page speaks of it.
DispositionDocument dispositionFactures();

// The invoice tab: one invoice, quote or credit note at a time out of the invoice store. Its
// lines name articles by their code, take the sale price of the document's price mode, and a
// validated invoice is posted to its client's account and takes its quantities out of stock.
class PageFactures : public PageDocument {
public:
    PageFactures(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                 const MesureTexte& mesure, PageClients& clients, PageArticles& articles);

    // The kinds of document, stored as they stand (trailing blanks included).
    static const QStringList& genres();
    QString identifiantTiers() const override;

protected:
    std::vector<Mouvement> mouvementsStock(QStringList& oublis) const override;
};

} // namespace zel
