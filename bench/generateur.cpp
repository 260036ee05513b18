#include "generateur.h"

#include "clients/pageclients.h"
#include "sales/pagefactures.h"
#include "stock/pagearticles.h"
#include "store/blocs.h"
#include "store/fichiertexte.h"

#include <QDir>

#include <iterator>
#include <random>

namespace zel::bench {
namespace {

QString montant(std::mt19937& alea) {
    return QStringLiteral("%1,%2").arg(alea() % 5000).arg(alea() % 100, 2, 10, QLatin1Char('0'));
}

QString date(std::mt19937& alea) {
    return QStringLiteral("%1/%2/2026")
        .arg(1 + alea() % 28, 2, 10, QLatin1Char('0'))
        .arg(1 + alea() % 12, 2, 10, QLatin1Char('0'));
}

// A block of fixed fields followed by its tagged lines.
QStringList fixes(std::mt19937& alea, int nombre, int n) {
    QStringList l;
    for (int i = 0; i < nombre; ++i)
        l.append(i == 0 ? QString::number(10001 + n)
                        : QStringLiteral("Champ %1 de la fiche %2 é").arg(i).arg(alea() % 1000));
    return l;
}

void tagged(QStringList& l, std::mt19937& alea, const QString& prefixe, int nombre) {
    for (int i = 0; i < nombre; ++i) {
        l.append(prefixe == QStringLiteral("DATA")
                     ? QStringLiteral("DATA%1\tFacture 2026120%2\t%3")
                           .arg(date(alea))
                           .arg(i)
                           .arg(montant(alea))
                     : prefixe + QStringLiteral("Ligne %1 de texte libre pour la fiche").arg(i));
    }
}

QStringList client(std::mt19937& alea, int n) {
    static const char* const villes[][2] = {
        {"75011", "Paris"},    {"69003", "Lyon"},   {"13008", "Marseille"}, {"31000", "Toulouse"},
        {"33000", "Bordeaux"}, {"44000", "Nantes"}, {"59000", "Lille"},     {"67000", "Strasbourg"},
        {"35000", "Rennes"},   {"06000", "Nice"},
    };
    QStringList l = fixes(alea, 27, n);
    // Names are unique so that each search stops at its own client; the postal codes split the
    // clients into ten selections of about the same size.
    const auto& ville = villes[alea() % std::size(villes)];
    l[ligneClient::Nom - 1] = QStringLiteral("Client %1").arg(n, 4, 10, QLatin1Char('0'));
    l[ligneClient::CodePostal - 1] = QLatin1String(ville[0]);
    l[ligneClient::Ville - 1] = QLatin1String(ville[1]);
    static const char* const representants[] = {"Jean",   "Jean-Pierre", "Marie",  "Paul",
                                                "Sophie", "Luc",         "Claire", ""};
    l[ligneClient::Representant - 1] = QLatin1String(representants[alea() % 8]);
    l[ligneClient::CompteClient - 1] =
        alea() % 2 == 0 ? QString()
                        : QStringLiteral("411%1").arg(n % 1000, 3, 10, QLatin1Char('0'));
    tagged(l, alea, QStringLiteral("MEMO"), 3);
    tagged(l, alea, QStringLiteral("DATA"), 8);
    return l;
}

QStringList document(std::mt19937& alea, int n, const QString& prefixe) {
    QStringList l = fixes(alea, 11, n);
    l[0] = QStringLiteral("NUM2026%1").arg(n % 1000 + 12000, 5, 10, QLatin1Char('0'));
    if (prefixe == u"FACT") {
        // An invoice as the page writes it, dated over two years, of one of the clients; one
        // document in ten is a credit note and one in ten a quote.
        namespace L = ligneFacture;
        const int mois = int(alea() % 24);
        const int tirage = int(alea() % 10);
        const QString genre = tirage == 0   ? QStringLiteral("Avoir     ")
                              : tirage == 1 ? QStringLiteral("Devis    ")
                                            : QStringLiteral("Facture");
        l[L::Numero - 1] = QStringLiteral("NUM%1%2%3")
                               .arg(genre.front())
                               .arg(2025 + mois / 12)
                               .arg((mois % 12 + 1) * 1000 + n % 1000, 5, 10, QLatin1Char('0'));
        l[L::Date - 1] = QStringLiteral("%1/%2/%3")
                             .arg(1 + alea() % 28, 2, 10, QLatin1Char('0'))
                             .arg(mois % 12 + 1, 2, 10, QLatin1Char('0'))
                             .arg(2025 + mois / 12);
        const int client = int(alea() % 9999);
        l[L::Client - 1] = QString::number(10001 + client);
        l[L::Genre - 1] = genre;
        l[L::Adresse1 - 1] = QStringLiteral("Client %1").arg(client, 4, 10, QLatin1Char('0'));
        l[L::Ttc - 1] = alea() % 4 == 0 ? QStringLiteral("TTCY") : QStringLiteral("TTCN");
        l[L::Valide - 1] = QStringLiteral("N");
    }
    const int lignes = 10 + int(alea() % 11);
    for (int i = 0; i < lignes; ++i)
        l.append(prefixe + QStringLiteral("%1\tArticle %2\t%3\t%4\t0\t%5\t1")
                               .arg(10001 + alea() % 9999)
                               .arg(i)
                               .arg(1 + alea() % 10)
                               .arg(montant(alea), montant(alea)));
    tagged(l, alea, QStringLiteral("MEMO"), 2);
    return l;
}

QStringList fournisseur(std::mt19937& alea, int n) {
    QStringList l = fixes(alea, 24, n);
    tagged(l, alea, QStringLiteral("MEMO"), 2);
    tagged(l, alea, QStringLiteral("DATA"), 6);
    return l;
}

QStringList article(std::mt19937& alea, int n) {
    QStringList l = fixes(alea, 21, n);
    // About one article in ten is below its minimum stock; one in twenty has no minimum yet.
    const int mini = 10 + int(alea() % 40);
    const int stock = alea() % 10 == 0 ? mini - 1 - int(alea() % 5) : mini + int(alea() % 100);
    l[ligneArticle::StockReel - 1] = QStringLiteral("  %1,00").arg(stock);
    l[ligneArticle::StockMini - 1] =
        alea() % 20 == 0 ? QString() : QStringLiteral("  %1,00").arg(mini);
    l[ligneArticle::CompteVente - 1] = QStringLiteral("707100");
    l[ligneArticle::CompteAchat - 1] = QStringLiteral("607100");
    // Prices that the inventory can value.
    l[ligneArticle::PrixAchat - 1] = QStringLiteral("  %1,40").arg(1 + n % 90);
    l[ligneArticle::PrixMoyen - 1] = QStringLiteral("  %1,50").arg(1 + n % 90);
    // Prices that the recalculation can follow, in both sale modes and with both fixed.
    const bool ttc = alea() % 2 == 0;
    l[ligneArticle::VenteHT - 1] = ttc ? QStringLiteral("N") : QStringLiteral("Y");
    l[ligneArticle::VenteTTC - 1] = ttc ? QStringLiteral("Y") : QStringLiteral("N");
    l[ligneArticle::Tva - 1] = QString::number(1 + alea() % 3);
    l[ligneArticle::Coefficient - 1] = QStringLiteral("  1,%1").arg(alea() % 90 + 10);
    l[ligneArticle::PrixHT - 1] = montant(alea);
    l[ligneArticle::PrixTTC - 1] = montant(alea);
    l[ligneArticle::Fixer - 1] = alea() % 2 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    tagged(l, alea, QStringLiteral("MEMO"), 2);
    tagged(l, alea, QStringLiteral("MOBS"), 2);
    tagged(l, alea, QStringLiteral("DATA"), 5);
    return l;
}

} // namespace

QString genereJeu(const QString& dossier, int parSorte) {
    std::mt19937 alea(2026);
    const QDir d(dossier);
    const struct {
        const char* extension;
        QStringList (*bloc)(std::mt19937&, int);
    } sortes[] = {
        {"cli", client},
        {"fct", [](std::mt19937& a, int n) { return document(a, n, QStringLiteral("FACT")); }},
        {"frs", fournisseur},
        {"stk", article},
        {"cmd", [](std::mt19937& a, int n) { return document(a, n, QStringLiteral("CMDE")); }},
    };
    for (const auto& s : sortes) {
        Blocs b;
        for (int n = 0; n < parSorte; ++n)
            b.AjouteBloc(n, s.bloc(alea, n));
        const QString chemin = d.filePath(QStringLiteral("Bench.") + QLatin1String(s.extension));
        if (Resultat r = fichier::ecrire(chemin, b.lignes()); !r)
            qFatal("%s", qPrintable(r.message()));
    }
    return d.filePath(QStringLiteral("Bench.cli"));
}

} // namespace zel::bench
