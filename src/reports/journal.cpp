#include "reports/journal.h"

#include "clients/pageclients.h"
#include "records/parcours.h"
#include "records/sortie.h"
#include "stock/pagearticles.h"
#include "store/fichiertexte.h"

#include <algorithm>

namespace zel {
namespace {

const QString kVentes = QStringLiteral("VT");
const QString kTvaCollectee = QStringLiteral("445700");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

} // namespace

QString compteVentes(const JeuDocuments& jeu) {
    const Blocs& articles = jeu.store(Sorte::Articles);
    for (const LigneOuverture& o : articles.ouvertures()) {
        const QStringView vente = ligneApres(articles, o.position, ligneArticle::CompteVente);
        if (!vente.isEmpty() &&
            !ligneApres(articles, o.position, ligneArticle::CompteAchat).isEmpty())
            return vente.toString();
    }
    return QStringLiteral("707000");
}

Journal journal(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                const QDate& aujourdhui) {
    const QString ventes = compteVentes(jeu);
    const QHash<QString, QString> comptesClients =
        champParCode(jeu.store(Sorte::Clients), ligneClient::CompteClient);
    Journal j;
    int document = 0;
    chaqueVente(jeu, reglages, dialogues, [&](const DocumentCalcule& dc) {
        const Document& d = dc.document;
        if (!(estAvoir(d) || d.genre.startsWith(u'F')))
            return;
        QString client = comptesClients.value(d.tiers);
        if (client.isEmpty())
            client = QStringLiteral("411000");
        const QString piece = d.numero.trimmed();
        const QString libelle = d.genre.trimmed() + u' ' + piece;
        const Totaux& t = dc.totaux;
        ++document;
        const auto ligne = [&](const QString& compte, const QString& debit, const QString& credit) {
            j.ecritures.push_back({.date = d.date,
                                   .journal = kVentes,
                                   .compte = compte,
                                   .libelle = libelle,
                                   .debit = debit,
                                   .credit = credit,
                                   .piece = piece,
                                   .document = document,
                                   .tiers = {},
                                   .nomTiers = {}});
        };
        const auto ligneClient = [&](const QString& debit, const QString& credit) {
            ligne(client, debit, credit);
            j.ecritures.back().tiers = d.tiers.trimmed();
            j.ecritures.back().nomTiers = d.adresse[0].trimmed();
        };
        if (estAvoir(d)) {
            ligne(ventes, t.ht, {});
            ligne(kTvaCollectee, t.tva, {});
            ligneClient({}, t.ttc);
        } else {
            ligneClient(t.ttc, {});
            ligne(ventes, {}, t.ht);
            ligne(kTvaCollectee, {}, t.tva);
        }
        if (d.date.isValid()) {
            j.du = j.du.isValid() ? std::min(j.du, d.date) : d.date;
            j.au = j.au.isValid() ? std::max(j.au, d.date) : d.date;
        }
    });
    if (!j.du.isValid()) {
        j.du = aujourdhui;
        j.au = aujourdhui;
    }
    return j;
}

std::vector<Ecriture> entre(const std::vector<Ecriture>& ecritures, const QDate& du,
                            const QDate& au) {
    std::vector<Ecriture> choisies;
    std::ranges::copy_if(ecritures, std::back_inserter(choisies),
                         [&](const Ecriture& e) { return e.date >= du && e.date <= au; });
    return choisies;
}

Tableau tableauJournal(const std::vector<Ecriture>& ecritures) {
    Tableau t = tableauVide(QStringLiteral("Journal des Achats / Ventes"),
                            QStringLiteral("Statistiques ventes au "), 44,
                            {{QStringLiteral("Jn"), 30, false},
                             {QStringLiteral("Date"), 80, false},
                             {QStringLiteral("Compte"), 70, false},
                             {QStringLiteral("Libellé"), 170, false},
                             {QStringLiteral("Débit"), 108, true},
                             {QStringLiteral("Crédit"), 110, true}});
    t.rangees.reserve(ecritures.size());
    for (const Ecriture& e : ecritures)
        t.rangees.push_back(
            {e.journal, e.date.toString(kFormatDate), e.compte, e.libelle, e.debit, e.credit});
    return t;
}

void enregistreTexte(Dialogues& dialogues, const QString& filtre, const QString& nomPropose,
                     const QStringList& lignes) {
    const std::optional<QString> nom = dialogues.fichierAEnregistrer(filtre, nomPropose);
    if (!nom || nom->isEmpty())
        return;
    if (const Resultat r =
            Sortie(dialogues).ecrit(fichier::avecExtension(*nom, u"txt"), lignes).resultat();
        !r)
        dialogues.message(r.message());
}

QString ligneTabulee(QStringList champs) {
    for (QString& champ : champs) {
        for (QChar& c : champ) {
            if (c.category() == QChar::Other_Control)
                c = u' ';
        }
    }
    return champs.join(u'\t');
}

QStringList lignesExport(const std::vector<Ecriture>& ecritures) {
    QStringList lignes;
    lignes.reserve(qsizetype(ecritures.size()));
    for (const QStringList& r : tableauJournal(ecritures).rangees)
        lignes.append(ligneTabulee(r));
    return lignes;
}

} // namespace zel
