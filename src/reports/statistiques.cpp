#include "reports/statistiques.h"

#include "clients/pageclients.h"
#include "stock/pagearticles.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace zel {
namespace {

// Groups in the order they were first met, found by their exact key.
template <typename Groupe> class Groupes {
public:
    Groupe& operator[](const QString& cle) {
        const auto [it, nouveau] = m_index.try_emplace(cle, m_groupes.size());
        if (nouveau)
            m_groupes.emplace_back(cle, Groupe{});
        return m_groupes[it->second].second;
    }
    std::vector<std::pair<QString, Groupe>>& liste() { return m_groupes; }

private:
    std::unordered_map<QString, std::size_t> m_index;
    std::vector<std::pair<QString, Groupe>> m_groupes;
};

// The rows sorted by their whole text, first cell first, letter case ignored: cell by cell, a
// cell that begins another coming first, as the TAB that ends it sorts before any letter.
void trie(std::vector<QStringList>& rangees) {
    std::ranges::stable_sort(rangees, [](const QStringList& a, const QStringList& b) {
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
            if (const int c = QString::compare(a[i], b[i], Qt::CaseInsensitive); c != 0)
                return c < 0;
        }
        return a.size() < b.size();
    });
}

// A sum past the largest number is shown as no quantity.
QString quantite(double q) {
    return std::isfinite(q) ? QString::number(q, 'g', 15).replace(u'.', u',') : QString();
}

} // namespace

QString moisEnLettres(const QDate& date) {
    static const std::array<const char*, 12> noms = {
        "Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
        "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
    if (!date.isValid())
        return QStringLiteral("Sans date");
    return QString::fromUtf8(noms[std::size_t(date.month() - 1)]) + u' ' +
           QString::number(date.year());
}

QString moisAbrege(const QDate& date) {
    static const std::array<const char*, 12> noms = {"janv.", "févr.", "mars",  "avr.",
                                                     "mai",   "juin",  "juil.", "août",
                                                     "sept.", "oct.",  "nov.",  "déc."};
    if (!date.isValid())
        return QStringLiteral("sans date");
    return QString::fromUtf8(noms[std::size_t(date.month() - 1)]) + u' ' +
           QString::number(date.year());
}

Tableau StatsArt(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    Groupes<double> groupes;
    chaqueVente(
        jeu, reglages, dialogues,
        [&](const DocumentCalcule& dc) {
            for (int r = 1; r < dc.document.lignesUtilisees; ++r) {
                const LigneDocument& l = dc.document.ligne(r);
                const QString code = l[colonne::Ref].trimmed();
                if (code.isEmpty())
                    continue;
                if (const std::optional<double> q = litNombre(l[colonne::Quantite]))
                    groupes[code] += *q;
            }
        },
        Totalise::Non);
    const Blocs& articles = jeu.store(Sorte::Articles);
    const QHash<QString, QString> designations = champParCode(articles, ligneArticle::Designation);
    const QHash<QString, QString> familles = champParCode(articles, ligneArticle::Famille);
    Tableau t = tableauVide(QStringLiteral("Statistiques articles"),
                            QStringLiteral("Statistiques articles au "), 64,
                            {{QStringLiteral("Code"), 64, false},
                             {QStringLiteral("Désignation"), 174, false},
                             {QStringLiteral("Famille"), 126, false},
                             {QStringLiteral("Quantité"), 80, true}});
    for (const auto& [code, q] : groupes.liste())
        t.rangees.push_back({code, designations.value(code), familles.value(code), quantite(q)});
    trie(t.rangees);
    return t;
}

Tableau StatsVentes(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    struct Mois {
        QDate date;
        double ht = 0;
        double ttc = 0;
    };
    Groupes<Mois> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const DocumentCalcule& dc) {
        Mois& m = groupes[moisEnLettres(dc.document.date)];
        m.date = dc.document.date;
        m.ht += valeurMontant(dc.totaux.ht);
        m.ttc += valeurMontant(dc.totaux.ttc);
    });
    Tableau t = tableauVide(QStringLiteral("Statistiques sur les ventes"),
                            QStringLiteral("Statistiques ventes au "), 64,
                            {{QStringLiteral("Mois"), 188, false},
                             {QStringLiteral("C.A. H.T."), 126, true},
                             {QStringLiteral("C.A. TTC"), 126, true}});
    const QString& f = reglages.formatMontant;
    t.titreBarres = QStringLiteral("Chiffre d'affaires H.T. par mois");
    // A sum past the largest number is shown as no amount, and draws no bar.
    for (const auto& [mois, m] : groupes.liste())
        t.rangees.push_back({mois, formateMontant(m.ht, f).value_or(QString()),
                             formateMontant(m.ttc, f).value_or(QString())});
    // The chart runs in calendar order, documents without a date last.
    std::vector<std::pair<QString, Mois>>& liste = groupes.liste();
    std::ranges::stable_sort(liste, {}, [](const std::pair<QString, Mois>& g) {
        const QDate& d = g.second.date;
        return d.isValid() ? d.year() * 12 + d.month() : std::numeric_limits<int>::max();
    });
    for (const auto& [mois, m] : liste) {
        if (const std::optional<QString> texte = formateMontant(m.ht, f))
            t.barres.push_back({moisAbrege(m.date), m.ht, *texte});
    }
    return t;
}

Tableau StatsCli(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    struct Client {
        QString nom;
        double ht = 0;
    };
    Groupes<Client> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const DocumentCalcule& dc) {
        Client& c = groupes[dc.document.tiers];
        c.nom = dc.document.adresse[0];
        c.ht += valeurMontant(dc.totaux.ht);
    });
    Tableau t = tableauVide(QStringLiteral("Statistiques sur les clients"),
                            QStringLiteral("Statistiques ventes au "), 64,
                            {{QStringLiteral("Code"), 63, false},
                             {QStringLiteral("Nom"), 294, false},
                             {QStringLiteral("C.A. HT"), 85, true}});
    for (const auto& [code, c] : groupes.liste())
        t.rangees.push_back(
            {code, c.nom, formateMontant(c.ht, reglages.formatMontant).value_or(QString())});
    trie(t.rangees);
    return t;
}

Tableau StatsRepresentant(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    const QHash<QString, QString> representants =
        champParCode(jeu.store(Sorte::Clients), ligneClient::Representant);
    Groupes<double> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const DocumentCalcule& dc) {
        const QString representant = representants.value(dc.document.tiers);
        if (!representant.isEmpty())
            groupes[representant] += valeurMontant(dc.totaux.ht);
    });
    Tableau t = tableauVide(
        QStringLiteral("Statistiques sur les représentants"),
        QStringLiteral("Statistiques ventes au "), 64,
        {{QStringLiteral("Représentant"), 313, false}, {QStringLiteral("C.A. HT"), 92, true}});
    for (const auto& [nom, ht] : groupes.liste())
        t.rangees.push_back({nom, formateMontant(ht, reglages.formatMontant).value_or(QString())});
    trie(t.rangees);
    return t;
}

} // namespace zel
