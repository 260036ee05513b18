#include "reports/tableau.h"

#include "records/parcours.h"
#include "sales/pagefactures.h"

#include <limits>

namespace zel {
namespace {

// The totals are read as numbers: their texts are not aligned for a column.
struct SansAlignement : MesureTexte {
    int largeur(const QString&) const override { return std::numeric_limits<int>::max(); }
};

} // namespace

void chaqueDocument(const JeuDocuments& jeu, const Reglages& reglages,
                    const std::function<void(const DocumentCalcule&)>& action, Totalise totalise) {
    static const SansAlignement sansAlignement;
    const DispositionDocument disposition = dispositionFactures();
    const Blocs& store = jeu.store(Sorte::Factures);
    for (int n = 0; n < jeu.compte(Sorte::Factures); ++n) {
        DocumentCalcule dc;
        dc.document.genre = disposition.genres.front();
        if (!litBloc(store, n, disposition, dc.document))
            continue;
        if (totalise == Totalise::Oui)
            dc.totaux = Calculef(dc.document.lignes, dc.document.ttc, reglages, sansAlignement);
        action(dc);
    }
}

bool estDevis(const Document& d) {
    return d.genre.startsWith(u'D');
}

bool estAvoir(const Document& d) {
    return d.genre.startsWith(u'A');
}

double valeurMontant(const QString& texte) {
    return litNombre(texte).value_or(0);
}

QHash<QString, QString> champParCode(const Blocs& store, int ligne) {
    QHash<QString, QString> champs;
    for (const LigneOuverture& o : store.ouvertures()) {
        const QString code = ligneApres(store, o.position, 1).toString();
        if (!champs.contains(code))
            champs.insert(code, ligneApres(store, o.position, ligne).toString());
    }
    return champs;
}

} // namespace zel
