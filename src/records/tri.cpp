#include "records/tri.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <vector>

namespace zel {
namespace {

// The lines between the tags of each block, in store order.
std::vector<QStringList> enregistrements(const Blocs& store) {
    std::vector<QStringList> resultat;
    QString fermeture;
    bool dansUnBloc = false;
    for (const QString& ligne : store.lignes()) {
        if (const int n = Blocs::numeroOuverture(ligne); n >= 0) {
            resultat.emplace_back();
            fermeture = Blocs::BalisesBloc(n).fermeture;
            dansUnBloc = true;
        } else if (dansUnBloc && ligne.compare(fermeture, Qt::CaseInsensitive) == 0) {
            dansUnBloc = false;
        } else if (dansUnBloc) {
            resultat.back().append(ligne);
        }
    }
    return resultat;
}

QString ligneDe(const QStringList& lignes, int l) {
    return l >= 1 && l <= lignes.size() ? lignes[l - 1] : QString();
}

// The record as one text: its key line, then every line of the block, each after a TAB.
QString texteEntier(const QStringList& lignes, int ligneCle) {
    return ligneDe(lignes, ligneCle) + u'\t' + lignes.join(u'\t');
}

} // namespace

int trieBlocs(Blocs& store, int ligneCle) {
    const std::vector<QStringList> blocs = enregistrements(store);
    QCollator collation(QLocale(QLocale::French, QLocale::France));
    collation.setCaseSensitivity(Qt::CaseInsensitive);
    // The key and the code decide nearly every comparison: their sort key is computed once per
    // record, and only records equal on both compare their whole texts.
    std::vector<QCollatorSortKey> cles;
    cles.reserve(blocs.size());
    for (const QStringList& b : blocs)
        cles.push_back(collation.sortKey(ligneDe(b, ligneCle) + u'\t' + ligneDe(b, 1)));
    std::vector<int> ordre(blocs.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        if (const int c = cles[std::size_t(a)].compare(cles[std::size_t(b)]); c != 0)
            return c < 0;
        return collation.compare(texteEntier(blocs[std::size_t(a)], ligneCle),
                                 texteEntier(blocs[std::size_t(b)], ligneCle)) < 0;
    });
    QStringList lignes;
    for (std::size_t k = 0; k < ordre.size(); ++k)
        lignes.append(Blocs::encadre(int(k), blocs[std::size_t(ordre[k])]));
    store.remplaceTout(std::move(lignes));
    return int(ordre.size());
}

} // namespace zel
