#include "reports/journal.h"

#include "clients/pageclients.h"
#include "records/parcours.h"
#include "records/sortie.h"
#include "sales/pagefactures.h"
#include "stock/pagearticles.h"
#include "store/fichiertexte.h"

#include <algorithm>
#include <cmath>

namespace zel {

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

namespace {

const QString kVentes = QStringLiteral("VT");
const QString kTvaCollectee = QStringLiteral("445700");
const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

// The amounts of a sale's three lines, signed, in one currency: the TTC shown, the VAT shown and
// their difference.
struct Montants {
    qint64 client = 0;
    qint64 ventes = 0;
    qint64 tva = 0;
};

Montants montantsDe(qint64 ttc, qint64 tva) {
    return {ttc, ttc - tva, tva};
}

// Francs in hundredths turned into euros in hundredths, rounded to the cent as amounts are;
// nothing past the ceiling of the reports (a euro rate close to zero).
std::optional<qint64> enEuros(qint64 centiemes, double taux) {
    const std::optional<qint64> euros = unitesAffichees(double(centiemes) / 100.0 / taux, 2);
    if (!euros || *euros > kPlafondVente * 100 || *euros < -kPlafondVente * 100)
        return std::nullopt;
    return euros;
}

} // namespace

Journal journal(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues,
                const QDate& aujourdhui) {
    const QString ventes = compteVentes(jeu);
    const Blocs& clients = jeu.store(Sorte::Clients);
    const ParTexte<QString> comptesClients = champParCode(clients, ligneClient::CompteClient);
    const ParTexte<QString> nomsClients = champParCode(clients, ligneClient::Nom);
    const ValeursIni& ini = reglages.ini;
    Journal j;
    j.format = reglages.formatMontant;
    j.monnaie = ini.modeDevise == 1   ? Monnaie::Euro
                : ini.modeDevise == 2 ? Monnaie::Autre
                                      : Monnaie::Franc;
    j.nomMonnaie = ini.modeDevise == 1   ? QStringLiteral("euros")
                   : ini.modeDevise == 2 ? ini.nomDevise.trimmed()
                                         : QStringLiteral("francs");
    j.tauxEuro = ini.tauxEuro;
    j.enEuros = j.monnaie == Monnaie::Euro ||
                (j.monnaie == Monnaie::Franc && std::isfinite(ini.tauxEuro) && ini.tauxEuro > 0);
    // The amounts are shown with at most two decimals: in hundredths, they are whole.
    const qint64 versCentiemes =
        puissanceDeDix(std::max(0, 2 - decimalesDuFormat(reglages.formatMontant)));
    j.pieces.reserve(std::size_t(jeu.compte(Sorte::Factures)));
    QString genreLu;
    QString genre;
    chaqueVente(jeu, reglages, dialogues, [&](const Vente& v) {
        Piece p;
        p.bloc = v.bloc;
        p.date = v.date;
        if (!p.date.isValid())
            p.texteDate = v.lu.date.toString();
        p.numero = v.lu.numero.toString();
        // Documents of one kind share its text.
        if (v.lu.genre != genreLu) {
            genreLu = v.lu.genre.toString();
            genre = genreLu.isEmpty() ? PageFactures::genres().front()
                                      : genreAEcrire(genreLu.trimmed());
        }
        p.genre = genre;
        p.tiers = v.lu.tiers.trimmed().toString();
        p.nomTiers = v.lu.adresse[0].trimmed().toString();
        if (p.nomTiers.isEmpty() && !p.tiers.isEmpty()) {
            const auto carte = nomsClients.find(v.lu.tiers);
            p.nomTiers = carte == nomsClients.end() ? QString() : carte->second.trimmed();
            if (p.nomTiers.isEmpty())
                p.nomTiers = QStringLiteral("Client ") + p.tiers;
        }
        if (p.date.isValid()) {
            j.du = j.du.isValid() ? std::min(j.du, p.date) : p.date;
            j.au = j.au.isValid() ? std::max(j.au, p.date) : p.date;
        }
        // A credit note typed with negative amounts is read with the opposite signs.
        const Montants m = montantsDe(v.signe * v.ttc, v.signe * v.tva);
        Montants e;
        if (j.monnaie == Monnaie::Franc && j.enEuros) {
            const std::optional<qint64> ttc = enEuros(m.client * versCentiemes, ini.tauxEuro);
            const std::optional<qint64> tva = enEuros(m.tva * versCentiemes, ini.tauxEuro);
            if (ttc && tva)
                e = montantsDe(*ttc, *tva);
            else
                p.lisible = false;
        } else if (j.monnaie == Monnaie::Euro) {
            e = {m.client * versCentiemes, m.ventes * versCentiemes, m.tva * versCentiemes};
        }
        p.lisible = p.lisible && v.lisible;
        if (p.lisible) {
            const auto auxiliaire = comptesClients.find(v.lu.tiers);
            QString client = auxiliaire == comptesClients.end() ? QString() : auxiliaire->second;
            if (client.isEmpty())
                client = QStringLiteral("411000");
            // An invoice debits its client; a credit note is the reversal.
            const bool facture = !v.avoir;
            const LigneEcriture roles[] = {{client, facture, m.client, e.client, true},
                                           {ventes, !facture, m.ventes, e.ventes, false},
                                           {kTvaCollectee, !facture, m.tva, e.tva, false}};
            // An invoice's lines come client first, a credit note's client last; debits first.
            const int ordre[2][3] = {{0, 1, 2}, {1, 2, 0}};
            int suivante = 0;
            for (const bool debit : {true, false}) {
                for (const int i : ordre[v.avoir ? 1 : 0]) {
                    LigneEcriture l = roles[i];
                    // A negative amount goes to the other side.
                    // Rounding keeps the order of amounts: the euros have the same sign.
                    if (l.montant < 0) {
                        l.debit = !l.debit;
                        l.montant = -l.montant;
                        l.euros = -l.euros;
                    }
                    if (l.debit == debit)
                        p.lignes[std::size_t(suivante++)] = std::move(l);
                }
            }
        }
        j.pieces.push_back(std::move(p));
    });
    if (!j.du.isValid()) {
        j.du = aujourdhui;
        j.au = aujourdhui;
    }
    return j;
}

std::vector<const Piece*> entre(const Journal& journal, const QDate& du, const QDate& au) {
    std::vector<const Piece*> choisies;
    for (const Piece& p : journal.pieces) {
        if (!p.date.isValid() || (p.date >= du && p.date <= au))
            choisies.push_back(&p);
    }
    return choisies;
}

namespace {

// Each row of the table of the entries, its six texts handed on: three rows an entry, or one
// saying that its amounts cannot be read.
template <typename Action>
void chaqueRangee(const Journal& journal, const std::vector<const Piece*>& pieces, Action action) {
    const QString vide;
    for (const Piece* p : pieces) {
        const QString date = ecritDate(p->date);
        if (!p->lisible) {
            action(kVentes, date, vide, p->libelle() + QStringLiteral(" : montant illisible"), vide,
                   vide);
            continue;
        }
        const QString libelle = p->libelle();
        for (const LigneEcriture& l : p->lignes) {
            const QString montant = formateUnites(l.montant, journal.format);
            action(kVentes, date, l.compte, libelle, l.debit ? montant : vide,
                   l.debit ? vide : montant);
        }
    }
}

// A field added to a line of a text file, a TAB or any control character in it written as a
// blank.
void ajouteChamp(QString& ligne, QStringView champ) {
    const qsizetype debut = ligne.size();
    ligne += champ;
    for (qsizetype i = debut; i < ligne.size(); ++i) {
        if (ligne[i].unicode() < 0x20 || ligne[i].category() == QChar::Other_Control)
            ligne[i] = u' ';
    }
}

} // namespace

Tableau tableauJournal(const Journal& journal, const std::vector<const Piece*>& pieces) {
    Tableau t = tableauVide(QStringLiteral("Journal des Achats / Ventes"),
                            QStringLiteral("Statistiques ventes au "), 44,
                            {{QStringLiteral("Jn"), 30, false},
                             {QStringLiteral("Date"), 80, false},
                             {QStringLiteral("Compte"), 70, false},
                             {QStringLiteral("Libellé"), 170, false},
                             {QStringLiteral("Débit"), 108, true},
                             {QStringLiteral("Crédit"), 110, true}});
    t.rangees.reserve(pieces.size() * 3);
    chaqueRangee(journal, pieces, [&](const auto&... champs) { t.rangees.push_back({champs...}); });
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

QString ligneTabulee(const QStringList& champs) {
    QString ligne;
    for (qsizetype i = 0; i < champs.size(); ++i) {
        if (i > 0)
            ligne += u'\t';
        ajouteChamp(ligne, champs[i]);
    }
    return ligne;
}

QStringList lignesExport(const Journal& journal, const std::vector<const Piece*>& pieces) {
    QStringList lignes;
    lignes.reserve(qsizetype(pieces.size()) * 3);
    chaqueRangee(journal, pieces, [&](const QString& premier, const auto&... champs) {
        QString ligne;
        ligne.reserve((premier.size() + ... + (champs.size() + 1)));
        ajouteChamp(ligne, premier);
        ((ligne += u'\t', ajouteChamp(ligne, champs)), ...);
        lignes.append(std::move(ligne));
    });
    return lignes;
}

} // namespace zel
