#include "reports/tableau.h"

#include "records/parcours.h"
#include "sales/pagefactures.h"

#include <algorithm>

namespace zel {
namespace {

// The hourglass and the status panel for the life of a run, emptied however it ends.
class Avancement {
public:
    explicit Avancement(Dialogues& dialogues) : m_dialogues(dialogues), m_sablier(dialogues) {}
    ~Avancement() { m_dialogues.progression(QString()); }
    Avancement(const Avancement&) = delete;
    Avancement& operator=(const Avancement&) = delete;

    void document(int n) {
        if (n % 1000 == 0)
            m_dialogues.progression(QStringLiteral("Facture %1").arg(n));
    }

private:
    Dialogues& m_dialogues;
    const Sablier m_sablier;
};

} // namespace

void chaqueVente(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                 const std::function<void(const Vente&)>& action) {
    Avancement avancement(dialogues);
    const DispositionDocument disposition = dispositionFactures();
    const int decimales = decimalesDuFormat(reglages.formatMontant);
    // Past six decimals no amount is read: the ceiling stays a number.
    const qint64 plafond = kPlafondVente * puissanceDeDix(std::min(decimales, 6));
    const Blocs& store = jeu.store(Sorte::Factures);
    // One sale read into again and again: its lines keep their room from one to the next.
    Vente v;
    for (int n = 0; n < jeu.compte(Sorte::Factures); ++n) {
        avancement.document(n);
        if (!litEnPlace(store, n, disposition, v.lu))
            continue;
        // A block that stores no kind is read as the first kind, an invoice.
        const QChar lettre = v.lu.genre.isEmpty() ? kLettreFacture : lettreGenre(v.lu.genre);
        if (lettre != kLettreFacture && lettre != kLettreAvoir)
            continue;
        v.bloc = n;
        v.avoir = lettre == kLettreAvoir;
        v.date = litDate(v.lu.date);
        const Sommes sommes = sommesDocument(v.lu.lignes, v.lu.ttc, reglages.ini, v.quantites);
        const std::optional<qint64> ht = unitesAffichees(sommes.ht, decimales);
        const std::optional<qint64> tva = unitesAffichees(sommes.tva, decimales);
        const std::optional<qint64> ttc = unitesAffichees(sommes.ttc, decimales);
        // A line past the largest number leaves the page without totals: no figure either; nor
        // an amount past the ceiling.
        const auto compte = [plafond](const std::optional<qint64>& u) {
            return u && *u <= plafond && *u >= -plafond;
        };
        v.lisible = compte(ht) && compte(tva) && compte(ttc) && sommes.depassement.isEmpty();
        v.ht = v.lisible ? *ht : 0;
        v.tva = v.lisible ? *tva : 0;
        v.ttc = v.lisible ? *ttc : 0;
        v.signe = v.avoir && v.ttc < 0 ? -1 : 1;
        action(v);
    }
}

Tableau tableauVide(QString legende, QString titreImpression, int largeurOrdinal,
                    std::vector<ColonneTableau> colonnes) {
    Tableau t;
    t.legende = std::move(legende);
    t.titreImpression = std::move(titreImpression);
    t.largeurOrdinal = largeurOrdinal;
    t.colonnes = std::move(colonnes);
    return t;
}

ParTexte<QString> champParCode(const Blocs& store, int ligne) {
    ParTexte<QString> champs;
    for (const LigneOuverture& o : store.ouvertures()) {
        const QStringView code = ligneApres(store, o.position, 1);
        if (champs.find(code) == champs.end())
            champs.emplace(code.toString(), ligneApres(store, o.position, ligne).toString());
    }
    return champs;
}

} // namespace zel
