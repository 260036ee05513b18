#include "reports/statistiques.h"

#include "clients/pageclients.h"
#include "stock/pagearticles.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <unordered_map>

namespace zel {
namespace {

// Groups in the order they were first met, found by their exact key: a text (found from a view
// of it without a copy) or a number.
template <typename Groupe, typename Cle = QString> class Groupes {
public:
    template <typename Vue> Groupe& operator[](const Vue& vue) {
        auto it = m_index.find(vue);
        if (it == m_index.end()) {
            it = m_index.emplace(cle(vue), m_groupes.size()).first;
            m_groupes.emplace_back(cle(vue), Groupe{});
        }
        return m_groupes[it->second].second;
    }
    std::vector<std::pair<Cle, Groupe>>& liste() { return m_groupes; }

private:
    static QString cle(QStringView v) { return v.toString(); }
    static int cle(int n) { return n; }

    std::conditional_t<std::is_same_v<Cle, QString>, ParTexte<std::size_t>,
                       std::unordered_map<Cle, std::size_t>>
        m_index;
    std::vector<std::pair<Cle, Groupe>> m_groupes;
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
    chaqueVente(jeu, reglages, dialogues, [&](const Vente& v) {
        for (std::size_t i = 0; i < v.lu.lignes.size(); ++i) {
            const QStringView code = rogne(v.lu.lignes[i][colonne::Ref]);
            if (!code.isEmpty() && v.quantites[i])
                groupes[code] += v.sensVentes() * *v.quantites[i];
        }
    });
    const Blocs& articles = jeu.store(Sorte::Articles);
    const ParTexte<QString> designations = champParCode(articles, ligneArticle::Designation);
    const ParTexte<QString> familles = champParCode(articles, ligneArticle::Famille);
    Tableau t = tableauVide(QStringLiteral("Statistiques articles"),
                            QStringLiteral("Statistiques articles au "), 64,
                            {{QStringLiteral("Code"), 64, false},
                             {QStringLiteral("Désignation"), 174, false},
                             {QStringLiteral("Famille"), 126, false},
                             {QStringLiteral("Quantité"), 80, true}});
    const auto champ = [](const ParTexte<QString>& champs, const QString& code) {
        const auto it = champs.find(code);
        return it == champs.end() ? QString() : it->second;
    };
    for (const auto& [code, q] : groupes.liste())
        t.rangees.push_back({code, champ(designations, code), champ(familles, code), quantite(q)});
    trie(t.rangees);
    return t;
}

Tableau StatsVentes(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    struct Mois {
        QDate date;
        qint64 ht = 0;
        qint64 ttc = 0;
    };
    // By year and month; documents without a date together.
    Groupes<Mois, int> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const Vente& v) {
        Mois& m = groupes[v.date.isValid() ? v.date.year() * 12 + v.date.month() - 1 : -1];
        m.date = v.date;
        m.ht += v.sensVentes() * v.ht;
        m.ttc += v.sensVentes() * v.ttc;
    });
    Tableau t = tableauVide(QStringLiteral("Statistiques sur les ventes"),
                            QStringLiteral("Statistiques ventes au "), 64,
                            {{QStringLiteral("Mois"), 188, false},
                             {QStringLiteral("C.A. H.T."), 126, true},
                             {QStringLiteral("C.A. TTC"), 126, true}});
    const QString& f = reglages.formatMontant;
    const double unite = std::pow(10.0, -decimalesDuFormat(f));
    t.titreBarres = QStringLiteral("Chiffre d'affaires H.T. par mois");
    for (const auto& [cle, m] : groupes.liste())
        t.rangees.push_back(
            {moisEnLettres(m.date), formateUnites(m.ht, f), formateUnites(m.ttc, f)});
    // The chart runs in calendar order, documents without a date last.
    std::vector<std::pair<int, Mois>>& liste = groupes.liste();
    std::ranges::stable_sort(liste, {}, [](const std::pair<int, Mois>& g) {
        return g.first < 0 ? std::numeric_limits<int>::max() : g.first;
    });
    for (const auto& [cle, m] : liste)
        t.barres.push_back({moisAbrege(m.date), double(m.ht) * unite, formateUnites(m.ht, f)});
    return t;
}

Tableau StatsCli(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    struct Client {
        QString nom;
        qint64 ht = 0;
    };
    Groupes<Client> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const Vente& v) {
        Client& c = groupes[v.lu.tiers];
        c.nom.resize(0);
        c.nom.append(v.lu.adresse[0]);
        c.ht += v.sensVentes() * v.ht;
    });
    Tableau t = tableauVide(QStringLiteral("Statistiques sur les clients"),
                            QStringLiteral("Statistiques ventes au "), 64,
                            {{QStringLiteral("Code"), 63, false},
                             {QStringLiteral("Nom"), 294, false},
                             {QStringLiteral("C.A. HT"), 85, true}});
    for (const auto& [code, c] : groupes.liste())
        t.rangees.push_back({code, c.nom, formateUnites(c.ht, reglages.formatMontant)});
    trie(t.rangees);
    return t;
}

Tableau StatsRepresentant(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues) {
    const ParTexte<QString> representants =
        champParCode(jeu.store(Sorte::Clients), ligneClient::Representant);
    Groupes<qint64> groupes;
    chaqueVente(jeu, reglages, dialogues, [&](const Vente& v) {
        const auto representant = representants.find(v.lu.tiers);
        if (representant != representants.end() && !representant->second.isEmpty())
            groupes[QStringView(representant->second)] += v.sensVentes() * v.ht;
    });
    Tableau t = tableauVide(
        QStringLiteral("Statistiques sur les représentants"),
        QStringLiteral("Statistiques ventes au "), 64,
        {{QStringLiteral("Représentant"), 313, false}, {QStringLiteral("C.A. HT"), 92, true}});
    for (const auto& [nom, ht] : groupes.liste())
        t.rangees.push_back({nom, formateUnites(ht, reglages.formatMontant)});
    trie(t.rangees);
    return t;
}

} // namespace zel
