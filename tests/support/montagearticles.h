#pragma once

#include "support/montage.h"

namespace zel::test {

// The card window on a set, seen from the article tab.
struct MontageArticles : Montage {
    PageArticles& page = fenetre.articles();
    Carte& carte = page.carte();

    // Opens a set of these articles and suppliers, and shows the article tab.
    void charge(const QStringList& articles, const QStringList& fournisseurs = {}) {
        Montage::charge({}, fournisseurs, articles);
        fenetre.montre(Sorte::Articles);
    }
    // A field of the card without its alignment blanks.
    QString champ(int ligne) const { return carte.champ(ligne).trimmed(); }
};

} // namespace zel::test
