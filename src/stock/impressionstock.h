#pragma once

#include "records/canevas.h"
#include "records/carte.h"
#include "store/blocs.h"

#include <QDate>

#include <vector>

namespace zel {

// The article card on paper, as the page shows it: its fields, its description, its account
// grid and its observations below the description.
void ImpFiche4(Canevas& canevas, const Carte& carte);
// The supplier card on paper, as the page shows it.
void ImpFiche3(Canevas& canevas, const Carte& carte);

// The article list of the range, in landscape, its lines as stored.
void ImpArt(Canevas& canevas, const Blocs& articles, const std::vector<int>& blocs);
// The supplier list of the range, in landscape, with the client list's header.
void ImpFour(Canevas& canevas, const Blocs& fournisseurs, const std::vector<int>& blocs);

// What the inventory came to: the total of the values printed, and the articles whose stock or
// average price could not be read, or whose value would pass the largest number ("code
// désignation"), printed without a value and left out of the total; a total past the largest
// number is not printed.
struct BilanInventaire {
    double total = 0;
    QStringList illisibles;
    QStringList tropGrands;
    bool totalTropGrand = false;
};

// The stock valuation of the range dated `jour`, in portrait, "Arial" 9: one line per article
// with its value stock × average purchase price, a blank stock or price counting as 0; then a
// rule and the "Total". The print is always ended, whatever the articles hold.
BilanInventaire Inventaire(Canevas& canevas, const Blocs& articles, const std::vector<int>& blocs,
                           const QString& formatMontant, QDate jour);
// What the user is told after the inventory: the articles left out of its total, or nothing
// (an empty text) when every value counted.
QString messageInventaire(const BilanInventaire& bilan);

} // namespace zel
