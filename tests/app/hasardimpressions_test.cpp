// Random records printed by every print of the program, at 72 and at 1200 dots per inch on a
// printable area as narrow as Qt's A4, each print held to what paper needs: no crash; every line,
// note and record printed exactly once; no two texts over each other; nothing outside the
// printable area; no rule a hairline; the totals printed those the page shows, computed once
// from the stored cells. Seeded, so that a failure is replayed by its seed; ZEL_IMPRESSIONS sets
// how many sets of records are drawn (make soak), ZEL_GRAINE the first seed.

#include "clients/impressionclients.h"
#include "records/impressiondocument.h"
#include "reports/grille.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "sales/pagefactures.h"
#include "stock/impressionstock.h"
#include "store/codepage.h"
#include "support/canevasenregistreur.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>

namespace {

using namespace zel;
using test::CanevasEnregistreur;
namespace LC = ligneClient;
namespace LF = ligneFournisseur;
namespace LA = ligneArticle;

using zel::test::s;

// Qt lays an A4 sheet's printable area 10 points inside its edges.
constexpr double kMargeQt = 3.53;
constexpr double kResolutions[] = {72, 1200};
const QDate kAujourdhui(2026, 12, 6);

class Tireur {
public:
    explicit Tireur(unsigned graine) : m_alea(graine) {
        // Every character the code page gives, the five bytes it leaves undefined among them;
        // "#" marks the texts that must be found on paper.
        for (int octet = 0x20; octet < 0x100; ++octet) {
            const char c = char(octet);
            const QString t = cp1252::decode(&c, 1);
            if (t != u"#")
                m_caracteres += t;
        }
    }

    int tire(int n) { return int(m_alea() % unsigned(n)); }
    bool pile() { return tire(2) == 0; }

    // Empty to `maxi` characters: mostly short, now and then long, or blanks only.
    QString texte(int maxi = 300) {
        const int longueur = tire(4) == 0 ? tire(maxi + 1) : tire(std::min(maxi, 25) + 1);
        if (tire(20) == 0)
            return QString(longueur, u' ');
        QString t;
        for (int i = 0; i < longueur; ++i)
            t += m_caracteres[tire(int(m_caracteres.size()))];
        return t;
    }
    // An amount of 0 to 12 digits, with or without decimals, now and then negative or aligned
    // by blanks as a field shows it; or an empty text, or a text that is none.
    QString montant() {
        switch (tire(12)) {
        case 0:
            return {};
        case 1:
            return texte(20);
        default:
            break;
        }
        QString t = tire(8) == 0 ? s("-") : QString();
        const int chiffres = 1 + tire(12);
        for (int i = 0; i < chiffres; ++i)
            t += QChar(u'0' + tire(10));
        if (pile())
            t += u',' + QString::number(tire(100));
        if (tire(3) == 0)
            t.prepend(QString(tire(12), u' '));
        return t;
    }
    QString date() {
        if (tire(10) == 0)
            return s("x") + texte(12);
        return QDate(2020 + tire(8), 1 + tire(12), 1 + tire(28)).toString(s("dd/MM/yyyy"));
    }
    // A count that is most often small and now and then up to `maxi`.
    int nombre(int petit, int maxi) { return tire(4) == 0 ? tire(maxi + 1) : tire(petit + 1); }

private:
    std::mt19937 m_alea;
    QString m_caracteres;
};

// The mark a text begins with, that its print must show once.
QString marque(char sorte, int n) {
    return s("#%1%2#").arg(QChar::fromLatin1(sorte)).arg(n);
}

// The memo lines and the account grid rows of a card, each with its mark.
QStringList memosEtGrille(Tireur& t, const QStringList& prefixes, std::vector<int>& memos,
                          int& rangees) {
    QStringList suite;
    int n = 0;
    for (const QString& prefixe : prefixes) {
        const int lignes = t.nombre(3, 26);
        memos.push_back(lignes);
        for (int i = 0; i < lignes; ++i)
            suite.append(prefixe + marque('M', n++) + t.texte());
    }
    rangees = t.nombre(5, Carte::kLignesGrille);
    for (int r = 0; r < rangees; ++r)
        suite.append(s("DATA") + t.date() + u'\t' + marque('G', r) + t.texte() + u'\t' +
                     t.montant());
    return suite;
}

// A set of random records of every kind, in real files opened as the program opens them, and
// what each of its cards holds.
struct Jeu {
    test::Montage m;
    int clients = 0, fournisseurs = 0, articles = 0, factures = 0, commandes = 0;
    // Per card kind: the memo lines of each memo and the account grid rows of its first card.
    std::map<Sorte, std::vector<int>> memos;
    std::map<Sorte, int> rangees;

    explicit Jeu(Tireur& t) {
        Reglages& r = m.reglages;
        r.ini.decimales = t.tire(3);
        r.formatMontant = formatPourDecimales(r.ini.decimales).value();
        r.ini.modeDevise = t.tire(3);
        r.ini.nomDevise = t.texte(20);
        r.ini.tauxEuro = t.tire(8) == 0 ? 0 : 6.55957;
        r.ini.miseEnPage = std::array{0, 0, 1, 2}[std::size_t(t.tire(4))];
        r.ini.orientationEnveloppe = t.tire(2);
        r.ini.decalageGuide = t.pile() ? 100 : 0;
        for (QString& ligne : r.entete)
            ligne = t.texte();

        QStringList cli, frs, stk, fct, cmd;
        clients = t.nombre(3, 60);
        for (int n = 0; n < clients; ++n)
            cli += fiche(t, Sorte::Clients, n, 25,
                         {{LC::Code, QString::number(10001 + n)},
                          {LC::Nom, marque('C', n) + t.texte()},
                          {LC::Npai, s("N")},
                          {LC::Marque, s("N")},
                          {LC::Representant, t.pile() ? s("Paul") : t.texte(10)}},
                         {LC::CreditMaxi, LC::TotalDu, LC::SaisieMontant}, {s("MEMO")});
        fournisseurs = t.nombre(3, 60);
        for (int n = 0; n < fournisseurs; ++n)
            frs += fiche(
                t, Sorte::Fournisseurs, n, 24,
                {{LF::Code, QString::number(20001 + n)}, {LF::Nom, marque('F', n) + t.texte()}},
                {LF::CreditMaxi, LF::TotalDu, LF::SaisieMontant}, {s("MEMO")});
        articles = t.nombre(3, 60);
        for (int n = 0; n < articles; ++n)
            stk += fiche(t, Sorte::Articles, n, 21, {{LA::Code, marque('A', n) + t.texte(4)}},
                         {LA::StockReel, LA::StockMini, LA::PrixAchat, LA::PrixMoyen,
                          LA::Coefficient, LA::PrixHT, LA::PrixTTC, LA::SaisieMontant},
                         {s("MEMO"), s("MOBS")});
        factures = 1 + t.tire(4);
        for (int n = 0; n < factures; ++n) {
            const QString genre = std::array{s("Facture"), s("Devis    "), s("Avoir     "),
                                             t.texte(12)}[std::size_t(t.tire(4))];
            fct += test::bloc(n, 11,
                              {{1, s("NUMF%1").arg(202612001 + n)},
                               {2, t.date()},
                               {3, QString::number(10001 + t.tire(std::max(1, clients)))},
                               {4, t.texte()},
                               {5, genre},
                               {6, t.texte()},
                               {7, t.texte()},
                               {8, t.texte()},
                               {9, t.texte()},
                               {10, t.pile() ? s("TTCY") : s("TTCN")},
                               {11, t.pile() ? s("Y") : s("N")}},
                              lignesDocument(t, s("FACT")));
        }
        commandes = 1 + t.tire(3);
        for (int n = 0; n < commandes; ++n)
            cmd += test::bloc(n, 9,
                              {{1, s("NUM%1").arg(202612001 + n)},
                               {2, t.date()},
                               {3, QString::number(20001 + t.tire(std::max(1, fournisseurs)))},
                               {4, t.texte()},
                               {5, t.texte()},
                               {6, t.texte()},
                               {7, t.texte()},
                               {8, t.texte()},
                               {9, s("TTC") + (t.pile() ? s("Y") : s("N")) + s("N")}},
                              lignesDocument(t, s("CMDE")));
        m.charge(cli, frs, stk, fct, cmd);
    }

    // Block n of a card: the fields given, amounts in the amount fields, random texts in the
    // others; then its memos and its account grid, whose sizes are kept for the first card.
    QStringList fiche(Tireur& t, Sorte sorte, int n, int lignes, std::map<int, QString> champs,
                      std::initializer_list<int> montants, const QStringList& prefixesMemo) {
        for (int l : montants)
            champs[l] = t.montant();
        for (int l = 1; l <= lignes; ++l)
            champs.try_emplace(l, t.texte());
        std::vector<int> lignesMemos;
        int lignesGrille = 0;
        const QStringList suite = memosEtGrille(t, prefixesMemo, lignesMemos, lignesGrille);
        if (n == 0) {
            memos[sorte] = lignesMemos;
            rangees[sorte] = lignesGrille;
        }
        return test::bloc(n, lignes, champs, suite);
    }

    // 0 to 63 lines of random cells, each with its mark in its "Réf", then 0 to 26 notes.
    static QStringList lignesDocument(Tireur& t, const QString& prefixe) {
        QStringList lignes;
        const int n = t.nombre(12, Document::kLignes);
        for (int r = 1; r <= n; ++r) {
            const QString tva =
                std::array{s("1"), s("2"), s("3"), QString(), t.texte(3)}[std::size_t(t.tire(5))];
            lignes.append(prefixe + QStringList{marque('L', r) + t.texte(20), t.texte(),
                                                t.montant(), t.montant(), t.montant(), t.montant(),
                                                tva}
                                        .join(u'\t'));
        }
        const int notes = t.nombre(3, 26);
        for (int i = 0; i < notes; ++i)
            lignes.append(s("MEMO") + marque('N', i) + t.texte());
        return lignes;
    }
};

// How many texts drawn begin with the mark.
int vus(const CanevasEnregistreur& c, const QString& marque) {
    int n = 0;
    for (const auto& t : c.textes)
        n += t.texte.startsWith(marque) ? 1 : 0;
    return n;
}

// The text drawn with its right edge at x and its top at y (nominal millimetres) on a page.
std::optional<QString> texteFinissantA(const CanevasEnregistreur& c, double x, double y, int page) {
    for (const auto& t : c.textes) {
        if (t.page == page && t.x + t.largeur == c.x(x) && t.y == c.y(y))
            return t.texte;
    }
    return std::nullopt;
}

class Verificateur {
public:
    // Prints at each resolution, holds each print to what every print keeps, then to what this
    // one must show.
    void imprime(const char* quoi, const std::function<void(Canevas&)>& dessin,
                 const std::function<void(const CanevasEnregistreur&)>& montre) {
        for (const double dpi : kResolutions) {
            SCOPED_TRACE(::testing::Message() << quoi << " at " << dpi << " dpi");
            CanevasEnregistreur c(dpi / 25.4, kMargeQt);
            dessin(c);
            EXPECT_EQ(c.documents, 1);
            EXPECT_EQ(c.documentsFinis, 1);
            EXPECT_EQ(c.defauts(), QStringList());
            const int plumeMini = int(std::ceil(0.2 * dpi / 25.4));
            for (const auto& r : c.regles)
                EXPECT_GE(r.epaisseur, plumeMini) << "a hairline";
            montre(c);
            ++documents[quoi];
            textes += int(c.textes.size());
            pages += c.pages;
        }
    }

    std::map<std::string, int> documents;
    long long textes = 0;
    long long pages = 0;
};

void imprimeDocuments(Jeu& j, Verificateur& v, Sorte sorte, int nombre) {
    PageDocument& page = *j.m.fenetre.document(sorte);
    j.m.fenetre.montre(sorte);
    const Reglages& r = j.m.reglages;
    for (int n = 0; n < nombre; ++n) {
        j.m.jeu.setCourant(sorte, n);
        page.Lit();
        // What the journal and the statistics take: the totals of the stored cells.
        Document stocke;
        ASSERT_TRUE(litBloc(j.m.jeu.store(sorte), n, page.disposition(), stocke));
        const Totaux attendus = totauxDe(sommesDocument(stocke.lignes, stocke.ttc, r.ini), r);
        const Document& d = page.document();
        EXPECT_EQ(page.totaux().ht, attendus.ht) << "the page computes once";
        EXPECT_EQ(page.totaux().ttc, attendus.ttc);
        v.imprime(
            sorte == Sorte::Factures ? "document de vente" : "commande",
            [&](Canevas& c) { imprimeDocument(c, page, r); },
            [&](const CanevasEnregistreur& c) {
                for (int l = 1; l < d.lignesUtilisees; ++l)
                    EXPECT_EQ(vus(c, marque('L', l)), 1) << "line " << l;
                for (int i = 0; i < int(d.notes.size()); ++i)
                    EXPECT_EQ(vus(c, marque('N', i)), 1) << "note " << i;
                // A total with nothing to show (zero with no decimals) draws nothing.
                const auto trouve = [&](double x, double y) {
                    return texteFinissantA(c, x, y, c.pages).value_or(QString()).trimmed();
                };
                const Totaux& t = page.totaux();
                EXPECT_EQ(trouve(104, 248), imprimable(t.ht.trimmed()));
                EXPECT_EQ(trouve(104, 261), imprimable(t.tva.trimmed()));
                EXPECT_EQ(trouve(189, 248), imprimable((t.ttc + u' ' + t.legende).trimmed()));
                EXPECT_EQ(trouve(189, 261),
                          imprimable((t.converti + u' ' + t.legendeConvertie).trimmed()));
            });
    }
}

void imprimeCarte(Jeu& j, Verificateur& v, Sorte sorte, const char* quoi,
                  void (*impression)(Canevas&, const Carte&), const QString& libelleCode) {
    j.m.fenetre.montre(sorte);
    const PageCarte& page = *j.m.fenetre.page(sorte);
    if (j.m.jeu.compte(sorte) == 0)
        return;
    v.imprime(
        quoi, [&](Canevas& c) { impression(c, page.carte()); },
        [&](const CanevasEnregistreur& c) {
            for (int r = 0; r < j.rangees[sorte]; ++r)
                EXPECT_EQ(vus(c, marque('G', r)), 1) << "grid row " << r;
            int memo = 0;
            for (int lignes : j.memos[sorte]) {
                for (int i = 0; i < lignes; ++i, ++memo)
                    EXPECT_EQ(vus(c, marque('M', memo)), 1) << "memo line " << memo;
            }
            // Each page says whose card it is.
            for (int p = 1; p <= c.pages; ++p)
                EXPECT_TRUE(c.textesDeLaPage(p).contains(libelleCode)) << "page " << p;
        });
}

std::vector<int> tous(int n) {
    std::vector<int> blocs(std::size_t(n), 0);
    for (int i = 0; i < n; ++i)
        blocs[std::size_t(i)] = i;
    return blocs;
}

// Each record of a list once, by its mark.
std::function<void(const CanevasEnregistreur&)> chacun(char sorte, int nombre) {
    return [sorte, nombre](const CanevasEnregistreur& c) {
        for (int n = 0; n < nombre; ++n)
            EXPECT_EQ(vus(c, marque(sorte, n)), 1) << sorte << n;
    };
}

// Each row of a result table once, by its ordinal in the first column.
void imprimeTableau(Verificateur& v, const char* quoi, const Tableau& t) {
    v.imprime(
        quoi, [&](Canevas& c) { imprimeGrille(c, t, kAujourdhui); },
        [&](const CanevasEnregistreur& c) {
            // The ordinal column starts a 25th of the page in, its texts a millimetre further,
            // in the table's 10 points (the chart after it writes in 8).
            std::map<QString, int> ordinaux;
            const int xOrdinal = c.textes.front().largeurZone / 25 + c.x(1);
            for (const auto& x : c.textes) {
                if (x.x == xOrdinal && x.taille == 10)
                    ++ordinaux[x.texte];
            }
            EXPECT_EQ(ordinaux.size(), t.rangees.size()) << [&] {
                std::string vus;
                for (const auto& [texte, n] : ordinaux)
                    vus += texte.toStdString() + " ";
                return vus;
            }();
            for (std::size_t r = 1; r <= t.rangees.size(); ++r)
                EXPECT_EQ(ordinaux[QString::number(r)], 1) << "row " << r;
        });
}

void imprimeTout(Jeu& j, Verificateur& v) {
    JeuDocuments& jeu = j.m.jeu;
    const Reglages& r = j.m.reglages;
    imprimeDocuments(j, v, Sorte::Factures, j.factures);
    imprimeDocuments(j, v, Sorte::Commandes, j.commandes);
    imprimeCarte(j, v, Sorte::Clients, "fiche client", &ImpFicheClient, s("Code client"));
    imprimeCarte(j, v, Sorte::Fournisseurs, "fiche fournisseur", &ImpFiche3, s("Code Four."));
    imprimeCarte(j, v, Sorte::Articles, "fiche article", &ImpFiche4, s("Code article"));
    v.imprime(
        "liste des clients", [&](Canevas& c) { ImpCli(c, jeu.BlocsCli(), tous(j.clients)); },
        chacun('C', j.clients));
    v.imprime(
        "liste des fournisseurs",
        [&](Canevas& c) { ImpFour(c, jeu.BlocsFour(), tous(j.fournisseurs)); },
        chacun('F', j.fournisseurs));
    v.imprime(
        "liste des articles", [&](Canevas& c) { ImpArt(c, jeu.BlocsArt(), tous(j.articles)); },
        chacun('A', j.articles));
    if (j.clients > 0) {
        v.imprime(
            "enveloppes",
            [&](Canevas& c) {
                Enveloppes(c, jeu.BlocsCli(), tous(j.clients), r.entete, r.ini.decalageGuide);
            },
            chacun('C', j.clients));
        v.imprime(
            "enveloppe",
            [&](Canevas& c) {
                ImpEnv(c, r.entete, destinataireClient(jeu.BlocsCli().contenuBloc(0)), r.ini);
            },
            chacun('C', 1));
    }
    BilanInventaire bilan;
    v.imprime(
        "inventaire",
        [&](Canevas& c) {
            bilan = Inventaire(c, jeu.BlocsArt(), tous(j.articles), r.formatMontant, kAujourdhui);
        },
        [&](const CanevasEnregistreur& c) {
            chacun('A', j.articles)(c);
            const auto* total = c.trouve(s("Total"));
            ASSERT_TRUE(total);
            EXPECT_EQ(texteFinissantA(c, 200, c.yMm(total->y), total->page).value_or(QString()),
                      formateMontant(bilan.total, r.formatMontant).value_or(QString()));
            // The total never stands alone under the header of a page.
            if (j.articles > 0) {
                const QStringList page = c.textesDeLaPage(total->page);
                EXPECT_TRUE(std::any_of(page.begin(), page.end(),
                                        [](const QString& t) { return t.startsWith(u"#A"); }));
            }
        });
    Dialogues& d = j.m.dialogues;
    imprimeTableau(v, "statistiques articles", StatsArt(jeu, r, d));
    imprimeTableau(v, "statistiques ventes", StatsVentes(jeu, r, d));
    imprimeTableau(v, "statistiques clients", StatsCli(jeu, r, d));
    imprimeTableau(v, "statistiques représentants", StatsRepresentant(jeu, r, d));
    const Journal ecritures = journal(jeu, r, d, kAujourdhui);
    std::vector<const Piece*> pieces;
    for (const Piece& p : ecritures.pieces)
        pieces.push_back(&p);
    imprimeTableau(v, "journal", tableauJournal(ecritures, pieces));
}

int variable(const char* nom, int defaut) {
    const QByteArray v = qgetenv(nom);
    return v.isEmpty() ? defaut : v.toInt();
}

} // namespace

TEST(HasardImpressions, EveryPrintOfRandomRecordsHoldsOnPaper) {
    const int jeux = variable("ZEL_IMPRESSIONS", 12);
    const unsigned premiere = unsigned(variable("ZEL_GRAINE", 1));
    Verificateur v;
    for (unsigned graine = premiere; graine < premiere + unsigned(jeux); ++graine) {
        SCOPED_TRACE(::testing::Message() << "seed " << graine);
        Tireur t(graine);
        Jeu j(t);
        imprimeTout(j, v);
        if (::testing::Test::HasFailure())
            return;
    }
    int total = 0;
    for (const auto& [quoi, n] : v.documents) {
        std::printf("%6d %s\n", n, quoi.c_str());
        total += n;
    }
    std::printf("%d documents imprimés (%lld pages, %lld textes) sur %d jeux\n", total, v.pages,
                v.textes, jeux);
}
