#include "reports/tableau.h"

#include "records/parcours.h"
#include "sales/pagefactures.h"

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
                 const std::function<void(const DocumentCalcule&)>& action, Totalise totalise) {
    Avancement avancement(dialogues);
    const DispositionDocument disposition = dispositionFactures();
    const Blocs& store = jeu.store(Sorte::Factures);
    // One model read into again and again: its cells keep their room from one document to the
    // next.
    DocumentCalcule dc;
    for (int n = 0; n < jeu.compte(Sorte::Factures); ++n) {
        avancement.document(n);
        Document& d = dc.document;
        d.numero.clear();
        d.date = QDate();
        d.conditions.clear();
        d.genre = disposition.genres.front();
        d.notes.clear();
        if (!litBloc(store, n, disposition, d) || d.genre.startsWith(u'D'))
            continue;
        if (totalise == Totalise::Oui)
            dc.totaux = totauxDe(sommesDocument(d.lignes, d.ttc, reglages.ini), reglages);
        action(dc);
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
