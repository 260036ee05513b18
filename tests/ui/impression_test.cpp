// Prints read back for real: drawn into a PDF file through the program's printer code, then read
// with pdftotext and pdfinfo (poppler-utils).

#include "app/lignecommande.h"
#include "clients/impressionclients.h"
#include "records/impressiondocument.h"
#include "reports/grille.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "stock/impressionstock.h"
#include "stock/pagearticles.h"
#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/mesurefixe.h"
#include "support/montage.h"
#include "support/texte.h"
#include "ui/impression.h"
#include "ui/ongletdocument.h"
#include "ui/tmainform.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

QString lance(const QString& programme, const QStringList& arguments, int* code = nullptr,
              QString* erreurs = nullptr, const QString& dossier = QString()) {
    QProcess p;
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(programme, arguments);
    EXPECT_TRUE(p.waitForFinished(30000)) << programme.toStdString();
    if (code)
        *code = p.exitCode();
    if (erreurs)
        *erreurs = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The program run with the arguments fails with the exit code and says the message.
void verifieErreur(const test::Dossier& dossier, const QStringList& arguments, int attendu,
                   const char* message) {
    int code = -1;
    QString erreurs;
    lance(QString::fromUtf8(ZEL_PROGRAMME), arguments, &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, attendu) << message;
    EXPECT_TRUE(erreurs.contains(QString::fromUtf8(message))) << erreurs.toStdString();
}

// The text read back with its ligatures ("ﬀ" where the font has one) as the letters they join.
QString texteDuPdf(const QString& pdf) {
    return lance(s("pdftotext"), {s("-layout"), pdf, s("-")})
        .normalized(QString::NormalizationForm_KC);
}

// A PDF read back kept for the eye as well, in the folder ZEL_PDF names, if any.
void garde(const QString& pdf) {
    const QString dossier = qEnvironmentVariable("ZEL_PDF");
    if (dossier.isEmpty())
        return;
    const QString copie = QDir(dossier).filePath(QFileInfo(pdf).fileName());
    QFile::remove(copie);
    QFile::copy(pdf, copie);
}

// How many times a text stands in a PDF's text, not followed by another digit.
int fois(const QString& texte, const QString& cherche) {
    return int(texte.count(QRegularExpression(QRegularExpression::escape(cherche) + s("(?!\\d)"))));
}

int pagesDuPdf(const QString& pdf) {
    const QString info = lance(s("pdfinfo"), {pdf});
    for (const QString& l : info.split(u'\n')) {
        if (l.startsWith(u"Pages:"))
            return l.mid(6).trimmed().toInt();
    }
    return 0;
}

QStringList factureStockee(int lignes) {
    QStringList b = {s("<BLOC0000>"), s("NUMF202612001"), s("06/12/2026"), s("10001"),
                     s("30 jours"),   s("Facture"),       s("Dupont SA"),  s("1 rue des Lilas"),
                     s(""),           s("69000 Lyon"),    s("TTCN"),       s("N")};
    for (int r = 1; r <= lignes; ++r)
        b.append(s("FACTR%1\tArticle numéro %1\t2\t10\t\t\t1").arg(r));
    b.append(s("</BLOC0000>"));
    return b;
}

QByteArray crlf(const QStringList& lignes) {
    return (lignes.join(s("\r\n")) + s("\r\n")).toLatin1();
}

// The program run on a set of three stored invoices, and the invoice file as it was written.
class LigneDeCommande : public ::testing::Test {
protected:
    LigneDeCommande() {
        dossier.ecrit(s("t.cli"), {});
        dossier.ecrit(s("t.fct"), crlf(factureStockee(3)));
        avant = dossier.lit(s("t.fct"));
    }

    test::Dossier dossier;
    QByteArray avant;
    const QString programme = s(ZEL_PROGRAMME);
    int code = -1;
    QString erreurs;
};

} // namespace

TEST(Impression, AnInvoicePrintedToPdfReadsBackWithEveryLineAndItsTotals) {
    test::Dossier dossier;
    Reglages reglages;
    reglages.entete = {
        s("SARL Zel Vente"), s("12 avenue Foch"), s("69006 Lyon"), s(""), s(""), s(""), s("")};
    test::MesureFixe mesure;
    for (const int lignes : {3, 40}) {
        Document d;
        d.numero = s("202612001");
        d.date = QDate(2026, 12, 6);
        d.tiers = s("10001");
        d.genre = s("Facture");
        d.adresse = {s("Dupont SA"), s("1 rue des Lilas"), s(""), s("69000 Lyon")};
        for (int r = 1; r <= lignes; ++r)
            d.ligne(r) = {
                s("R%1").arg(r), s("Article numéro %1").arg(r), s("2"), s("10"), {}, {}, {}};
        d.lignesUtilisees = lignes;
        const Totaux t = Calculef(d.lignes, d.ttc, reglages, mesure);
        const QString pdf = dossier.chemin(s("facture%1.pdf").arg(lignes));
        ASSERT_TRUE(ui::Impression::imprimePdf(pdf, [&](Canevas& c) {
            imprimeDocument(c, d, t, reglages, QStringLiteral("Code client : "));
        }));
        const QString texte = texteDuPdf(pdf);
        SCOPED_TRACE(texte.toStdString());
        EXPECT_TRUE(texte.contains(s("SARL Zel Vente")));
        EXPECT_TRUE(texte.contains(s("Facture N° 202612001")));
        for (int r = 1; r <= lignes; ++r)
            EXPECT_EQ(texte.count(s("Article numéro %1 ").arg(r)), 1) << r;
        EXPECT_TRUE(texte.contains(t.ht));
        EXPECT_TRUE(texte.contains(t.ttc + s(" Euros")));
        EXPECT_EQ(pagesDuPdf(pdf), lignes == 3 ? 1 : 2);
    }
}

TEST(Impression, AnOrderPrintedToPdfReadsBackWithItsSupplierLinesAndTotals) {
    namespace LF = ligneFournisseur;
    test::Montage m;
    m.reglages.entete = {s("SARL Zel Vente"), s(""), s(""), s(""), s(""), s(""), s("")};
    m.charge({}, test::bloc(0, 24, {{LF::Code, s("7")}, {LF::Nom, s("Martin SA")}}));
    m.fenetre.montre(Sorte::Fournisseurs);
    m.fenetre.execute(Operation::NouvCmd);
    PageCommandes& page = m.fenetre.commandes();
    Document& d = page.document();
    d.ttc = true;
    for (int r = 1; r <= 3; ++r) {
        d.ligne(r) = {s("R-%1").arg(r), s("Fourniture %1").arg(r), s("2"), s("12"), {}, {}, {}};
        page.finDeLigne(r);
    }
    const QString pdf = m.dossier.chemin(s("commande.pdf"));
    ASSERT_TRUE(ui::Impression::imprimePdf(pdf, [&](Canevas& c) {
        imprimeDocument(c, d, page.totaux(), m.reglages, page.disposition().libelleCode);
    }));
    const QString texte = texteDuPdf(pdf);
    SCOPED_TRACE(texte.toStdString());
    EXPECT_TRUE(texte.contains(s("Commande N° 202612001")));
    EXPECT_TRUE(texte.contains(s("Code fournisseur : 7")));
    EXPECT_TRUE(texte.contains(s("Martin SA")));
    EXPECT_TRUE(texte.contains(s("Montant TTC")));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(texte.count(s("Fourniture %1").arg(r)), 1) << r;
    EXPECT_TRUE(texte.contains(s("72,00 Francs")));
    EXPECT_EQ(pagesDuPdf(pdf), 1);
}

TEST_F(LigneDeCommande, PrintsAStoredDocumentAndTellsItsErrors) {
    lance(
        programme,
        {s("--pdf"), dossier.chemin(s("t.cli")), s("f202612001"), dossier.chemin(s("sortie.pdf"))},
        &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
    const QString texte = texteDuPdf(dossier.chemin(s("sortie.pdf")));
    EXPECT_TRUE(texte.contains(s("Facture N° 202612001")));
    EXPECT_TRUE(texte.contains(s("Article numéro 3")));
    // Without a settings file: 20 % and euros.
    EXPECT_TRUE(texte.contains(s("72,00 Euros"))) << texte.toStdString();
    EXPECT_EQ(dossier.lit(s("t.fct")), avant) << "the set is only read";
    EXPECT_FALSE(dossier.existe(s("ZelVente.ini"))) << "nor are the settings written";

    const struct {
        QStringList arguments;
        int code;
        const char* message;
    } erreursAttendues[] = {
        {{s("--pdf"), dossier.chemin(s("absent.cli")), s("F202612001"), s("x.pdf")},
         1,
         "Le fichier n'existe pas"},
        {{s("--pdf"), dossier.chemin(s("t.cli")), s("F202612999"), s("x.pdf")},
         1,
         "Aucun document F202612999"},
        {{s("--pdf"), dossier.chemin(s("t.cli")), s("F202612001"),
          dossier.chemin(s("absent/x.pdf"))},
         1,
         "le dossier n'existe pas"},
        {{s("--pdf"), s("t.cli")}, 2, "--pdf attend trois arguments"},
        {{s("--imprime")}, 2, "Option inconnue : --imprime"},
    };
    for (const auto& c : erreursAttendues)
        verifieErreur(dossier, c.arguments, c.code, c.message);
    const QString aide = lance(programme, {s("--help")}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(aide.contains(s("--pdf <fichier clients> <document> <sortie.pdf>")));
    EXPECT_EQ(lance(programme, {s("--version")}, &code), s("zelvente %1\n").arg(s(ZEL_VERSION)));
    EXPECT_EQ(code, 0);
    // A client file alone is the set the window opens; anything else after it is refused.
    EXPECT_EQ(LigneCommande::analyse({s("Dupont.cli")}).fichierClients, s("Dupont.cli"));
    EXPECT_EQ(LigneCommande::analyse({s("Dupont.cli")}).action, LigneCommande::Action::Fenetre);
    verifieErreur(dossier, {s("Dupont.cli"), s("Durand.cli")}, 2, "Option inconnue : Dupont.cli");
}

namespace {

std::vector<int> tous(int compte) {
    std::vector<int> blocs;
    for (int n = 0; n < compte; ++n)
        blocs.push_back(n);
    return blocs;
}

// Block n of a store with the given lines after its tag.
QStringList bloc(int n, const QStringList& lignes) {
    const Balises b = Blocs::BalisesBloc(n);
    return QStringList{b.ouverture} + lignes + QStringList{b.fermeture};
}

} // namespace

TEST(Impression, TheClientListPrintedToPdfHoldsEveryClientUnderAHeaderOnEveryPage) {
    test::Dossier dossier;
    for (const int nombre : {5, 120}) {
        Blocs clients;
        for (int n = 0; n < nombre; ++n)
            clients.ajoute(
                bloc(n, {s("%1").arg(10001 + n), s("N"), s("N"), s("Client numéro %1").arg(n),
                         s("%1 rue des Lilas").arg(n), s(""), s("69000"), s("Lyon"), s("France"),
                         s("04 78 00 %1").arg(n, 4, 10, QChar(u'0'))}));
        const QString pdf = dossier.chemin(s("clients%1.pdf").arg(nombre));
        ASSERT_TRUE(
            ui::Impression::imprimePdf(pdf, [&](Canevas& c) { ImpCli(c, clients, tous(nombre)); }));
        const QString texte = texteDuPdf(pdf);
        SCOPED_TRACE(texte.toStdString());
        for (int n = 0; n < nombre; ++n)
            EXPECT_EQ(texte.count(s("Client numéro %1 ").arg(n)), 1) << n;
        EXPECT_TRUE(texte.contains(s("04 78 00 0004")));
        EXPECT_FALSE(texte.contains(s("France")));
        const int pages = pagesDuPdf(pdf);
        EXPECT_EQ(texte.count(s("Nom/Société")), pages) << "the header on every page";
        EXPECT_EQ(pages > 1, nombre > 40);
    }
}

TEST(Impression, TheInventoryPrintedToPdfShowsTheValuesAndTheTotal) {
    namespace A = ligneArticle;
    test::Dossier dossier;
    for (const int nombre : {3, 150}) {
        Blocs articles;
        for (int n = 0; n < nombre; ++n) {
            QStringList lignes(21);
            lignes[A::Code - 1] = s("%1").arg(10001 + n);
            lignes[A::Designation - 1] = s("Article numéro %1").arg(n);
            lignes[A::StockReel - 1] = s("     2,00");
            lignes[A::PrixAchat - 1] = s("1,50");
            lignes[A::PrixMoyen - 1] = s("1,25");
            articles.ajoute(bloc(n, lignes));
        }
        const QString pdf = dossier.chemin(s("inventaire%1.pdf").arg(nombre));
        ASSERT_TRUE(ui::Impression::imprimePdf(pdf, [&](Canevas& c) {
            Inventaire(c, articles, tous(nombre), s("0.00"), QDate(2026, 12, 6));
        }));
        const QString texte = texteDuPdf(pdf);
        SCOPED_TRACE(texte.toStdString());
        for (int n = 0; n < nombre; ++n)
            EXPECT_EQ(texte.count(s("Article numéro %1 ").arg(n)), 1) << n;
        EXPECT_EQ(texte.count(s("2,50")), nombre);
        EXPECT_TRUE(texte.contains(s("Total")));
        EXPECT_TRUE(texte.contains(QString::number(nombre * 2.5, 'f', 2).replace(u'.', u',')));
        const int pages = pagesDuPdf(pdf);
        EXPECT_EQ(texte.count(s("Inventaire au 06/12/2026")), pages);
        EXPECT_EQ(pages > 1, nombre > 60);
    }
}

TEST(Impression, ThePreviewShowsALandscapeListInLandscapeAndLeavesThePrinterInPortrait) {
    Blocs clients;
    clients.ajoute(bloc(0, {s("10001"), s("N"), s("N"), s("Dupont SA")}));
    ui::Impression impression;
    std::optional<QPageLayout::Orientation> vue;
    QTimer::singleShot(200, [&vue] {
        QWidget* apercu = QApplication::activeModalWidget();
        ASSERT_TRUE(apercu);
        if (auto* pages = apercu->findChild<QPrintPreviewWidget*>())
            vue = pages->orientation();
        apercu->close();
    });
    impression.apercu(nullptr, s("Liste des clients"),
                      [&](Canevas& c) { ImpCli(c, clients, {0}); });
    EXPECT_EQ(vue, QPageLayout::Landscape);
    EXPECT_EQ(impression.imprimante().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(Impression, AStatisticsTablePrintedToPdfHoldsItsTitlesRowsAndChart) {
    test::Montage m;
    m.charge({}, {}, {},
             {s("<BLOC0000>"), s("NUMF202612001"), s("06/12/2026"), s("10001"), s(""), s("Facture"),
              s("Dupont SA"), s(""), s(""), s(""), s("TTCN"), s("N"),
              s("FACTR1\tArticle\t2\t10\t\t\t1"), s("</BLOC0000>")});
    const Tableau t = StatsVentes(m.jeu, m.reglages, m.dialogues);
    const QString pdf = m.dossier.chemin(s("stats.pdf"));
    ASSERT_TRUE(ui::Impression::imprimePdf(
        pdf, [&](Canevas& c) { imprimeGrille(c, t, QDate(2026, 12, 6)); }));
    const QString texte = texteDuPdf(pdf);
    EXPECT_TRUE(texte.contains(s("Imprimé le 06/12/2026"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(s("C.A. H.T.")));
    EXPECT_TRUE(texte.contains(s("Décembre 2026")));
    EXPECT_TRUE(texte.contains(s("20,00")));
    EXPECT_TRUE(texte.contains(s("23,92")));
    // The chart after the table: its title, the bar's value and its month.
    EXPECT_TRUE(texte.contains(s("Chiffre d'affaires H.T. par mois")));
    EXPECT_TRUE(texte.contains(s("déc.")));
    EXPECT_EQ(texte.count(s("20,00")), 3) << "in the table, over the bar and on the axis";
    EXPECT_EQ(pagesDuPdf(pdf), 1);
}

TEST(Impression, TheJournalPrintedToPdfCarriesTheBalancedLines) {
    test::Montage m;
    // 1 at 1,26 less 10 %: 1,36 TTC and 0,22 of VAT shown, so 1,14 of sales (1,13 shown on the
    // invoice before tax).
    m.charge({}, {}, {},
             {s("<BLOC0000>"), s("NUMF202612001"), s("06/12/2026"), s("10001"), s(""), s("Facture"),
              s("Dupont SA"), s(""), s(""), s(""), s("TTCN"), s("N"),
              s("FACTR1\tArticle\t1\t1,26\t10\t\t1"), s("</BLOC0000>")});
    const Journal j = journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6));
    const QString pdf = m.dossier.chemin(s("journal.pdf"));
    ASSERT_TRUE(ui::Impression::imprimePdf(pdf, [&](Canevas& c) {
        imprimeGrille(c, tableauJournal(j, entre(j, j.du, j.au)), QDate(2026, 12, 6));
    }));
    const QString texte = texteDuPdf(pdf);
    for (const char* montant : {"1,36", "1,14", "0,22"})
        EXPECT_TRUE(texte.contains(s(montant))) << montant << texte.toStdString();
    EXPECT_FALSE(texte.contains(s("1,13")));
}

TEST_F(LigneDeCommande, WritesTheJournalAndTheStatisticsWithoutChangingTheSet) {
    lance(programme, {s("--journal"), dossier.chemin(s("t.cli")), dossier.chemin(s("j.txt"))},
          &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
    // Without a settings file: 20 % and euros.
    EXPECT_EQ(dossier.lit(s("j.txt")),
              QByteArray("VT\t06/12/2026\t411000\tFacture 202612001\t72,00\t\r\n"
                         "VT\t06/12/2026\t707000\tFacture 202612001\t\t60,00\r\n"
                         "VT\t06/12/2026\t445700\tFacture 202612001\t\t12,00\r\n"));
    const QString ventes =
        lance(programme, {s("--statistiques"), s("ventes"), dossier.chemin(s("t.cli"))}, &code,
              &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
    EXPECT_EQ(ventes, s("Décembre 2026\t60,00\t72,00\n"));
    const QString articles =
        lance(programme, {s("--statistiques"), s("articles"), dossier.chemin(s("t.cli"))}, &code,
              &erreurs, dossier.racine());
    EXPECT_EQ(articles, s("R1\t\t\t2\nR2\t\t\t2\nR3\t\t\t2\n"));
    // The FEC of the year of the last entry, in euros converted from the set's francs, and its
    // description beside it.
    const QString fec = lance(
        programme, {s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("552 100 554")},
        &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
    EXPECT_EQ(fec, dossier.chemin(s("552100554FEC20261231.txt")) + u'\n' +
                       dossier.chemin(s("552100554FEC20261231.description.txt")) + u'\n');
    const QList<QByteArray> lignesFec = dossier.lit(s("552100554FEC20261231.txt")).split('\n');
    ASSERT_EQ(lignesFec.size(), 5);
    EXPECT_EQ(lignesFec[1],
              QByteArray("VT\tJournal des ventes\t1\t20261206\t411000\tClients\t10001\tDupont SA\t"
                         "202612001\t20261206\tFacture 202612001\t72,00\t0,00\t\t\t"
                         "20261206\t\t\r"));
    EXPECT_TRUE(dossier.lit(s("552100554FEC20261231.description.txt"))
                    .contains("Total des d\xe9"
                              "bits : 72,00 euros"));
    EXPECT_EQ(dossier.lit(s("t.fct")), avant) << "the set is only read";

    // A document whose date cannot be read: the FEC is refused with it, and nothing written.
    dossier.ecrit(s("d.cli"), {});
    QStringList illisible = factureStockee(1);
    illisible[2] = s("31/02/2026");
    dossier.ecrit(s("d.fct"), crlf(illisible));
    verifieErreur(
        dossier,
        {s("--fec"), dossier.chemin(s("d.cli")), dossier.chemin(s("sortie")), s("552100554")}, 1,
        "Le dossier n'existe pas");
    QDir(dossier.racine()).mkdir(s("sortie"));
    verifieErreur(dossier,
                  {s("--fec"), dossier.chemin(s("d.cli")), dossier.chemin(s("sortie")),
                   s("552100554"), s("--cloture"), s("20261231")},
                  1,
                  "ces documents sont à corriger d'abord.\nFacture 202612001, date « 31/02/2026 », "
                  "client « 10001 » : date illisible");
    EXPECT_TRUE(QDir(dossier.chemin(s("sortie"))).isEmpty());

    const struct {
        QStringList arguments;
        int code;
        const char* message;
    } erreursAttendues[] = {
        {{s("--journal"), dossier.chemin(s("absent.cli")), s("j.txt")},
         1,
         "Le fichier n'existe pas"},
        {{s("--journal"), dossier.chemin(s("t.cli"))}, 2, "--journal attend deux arguments"},
        {{s("--statistiques"), s("mois"), dossier.chemin(s("t.cli"))},
         2,
         "--statistiques attend articles"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine()},
         1,
         "Le numéro SIREN de l'entreprise n'est pas dans les réglages"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("1234")},
         1,
         "« 1234 » n'est pas un numéro SIREN"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("123456789")},
         1,
         "dont le dernier est la clé de contrôle"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.chemin(s("absent")), s("552100554")},
         1,
         "Le dossier n'existe pas"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("552100554"), s("--cloture"),
          s("20251231")},
         1,
         "Aucune écriture du 01/01/2025 au 31/12/2025"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("--cloture"), s("20261331")},
         2,
         "« 20261331 » n'est pas une date de clôture"},
        {{s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(), s("--cloture")},
         2,
         "--fec attend le fichier clients"},
    };
    for (const auto& c : erreursAttendues)
        verifieErreur(dossier, c.arguments, c.code, c.message);
}

TEST_F(LigneDeCommande, EveryCommandRefusesASetThatNeedsARepairAndWritesNothing) {
    QStringList seconde = factureStockee(2);
    seconde.first() = s("<BLOC0001>");
    seconde[1] = s("NUMF202612002");
    seconde.last() = s("</BLOC0001>");
    const struct {
        const char* cas;
        QByteArray factures;
        const char* dit;
    } dommages[] = {
        {"a NUL before the second invoice",
         crlf(factureStockee(3)) + QByteArray(1, '\0') + crlf(seconde),
         "t.fct : un octet nul à la position"},
        {"the first invoice twice",
         crlf(factureStockee(3)) + crlf(factureStockee(3)) + crlf(seconde),
         "t.fct : 1 fiches en double retirées"},
    };
    const QString clients = dossier.chemin(s("t.cli"));
    const QStringList commandes[] = {
        {s("--journal"), clients, dossier.chemin(s("j.txt"))},
        {s("--fec"), clients, dossier.racine(), s("123456789")},
        {s("--statistiques"), s("ventes"), clients},
        {s("--pdf"), clients, s("F202612001"), dossier.chemin(s("f.pdf"))},
    };
    for (const auto& d : dommages) {
        dossier.ecrit(s("t.fct"), d.factures);
        for (const QStringList& arguments : commandes) {
            SCOPED_TRACE(d.cas);
            SCOPED_TRACE(arguments.first().toStdString());
            const QString sortie = lance(programme, arguments, &code, &erreurs, dossier.racine());
            EXPECT_EQ(code, 1);
            EXPECT_TRUE(erreurs.contains(s("Des fichiers ont été altérés\n")))
                << erreurs.toStdString();
            EXPECT_TRUE(erreurs.contains(s(d.dit))) << erreurs.toStdString();
            EXPECT_TRUE(sortie.isEmpty()) << sortie.toStdString();
            // Nothing is written: no output, no copy of the damaged file, no lock.
            EXPECT_EQ(QDir(dossier.racine()).entryList(QDir::Files | QDir::Hidden),
                      (QStringList{s("t.cli"), s("t.fct")}));
            EXPECT_EQ(dossier.lit(s("t.fct")), d.factures);
        }
    }
}

namespace {

// The five bytes Windows-1252 leaves undefined, in the second address line.
const QString kIndefinis =
    s("Bât. ") + QChar(0x81) + QChar(0x8D) + QChar(0x8F) + QChar(0x90) + QChar(0x9D);

// A sales document with `lignes` lines whose prices have three decimals, which the page rounds
// for display, and `notes` notes.
QStringList documentStocke(int n, int lignes, int notes) {
    QStringList b = {Blocs::BalisesBloc(n).ouverture,
                     s("NUMF%1").arg(202612001 + n),
                     s("06/12/2026"),
                     s("10001"),
                     s("30 jours"),
                     s("Facture"),
                     s("Dupont SA"),
                     s("1 rue des Lilas"),
                     kIndefinis,
                     s("69000 Lyon"),
                     s("TTCN"),
                     s("N")};
    for (int r = 1; r <= lignes; ++r)
        b.append(s("FACTR%1\tArticle numéro %1\t%2\t%3,125\t\t\t1").arg(r).arg(r % 7 + 1).arg(r));
    for (int i = 1; i <= notes; ++i)
        b.append(s("MEMONote numéro %1 du document").arg(i));
    b.append(Blocs::BalisesBloc(n).fermeture);
    return b;
}

} // namespace

TEST(Impression, LongAndFullDocumentsPrintedByTheCommandLineReadBackWholeWithThePageTotals) {
    for (const int decimales : {0, 2}) {
        SCOPED_TRACE(decimales);
        test::Dossier dossier;
        // A settings file of its time: VAT rate 1 at 19,6 % and amounts in francs.
        Reglages reglages;
        reglages.ini.tauxTva[0] = 19.6;
        reglages.ini.modeDevise = 0;
        reglages.ini.decimales = decimales;
        reglages.entete = {
            s("SARL Zel Vente"), s("12 avenue Foch"), s("69006 Lyon"), s(""), s(""), s(""), s("")};
        ASSERT_TRUE(reglages.SauveIni(dossier.racine(), QString()));
        ASSERT_TRUE(reglages.SauveSoc(dossier.racine()));
        dossier.ecrit(s("t.cli"), {});
        dossier.ecrit(s("t.fct"), crlf(documentStocke(0, 63, 26) + documentStocke(1, 28, 0)));
        // The totals the page shows, read as the command line reads them.
        reglages.formatMontant = formatPourDecimales(decimales).value();
        test::DialoguesFactices dialogues;
        test::MesureFixe mesure;
        const struct {
            const char* cle;
            int lignes, notes, pages;
        } cas[] = {{"F202612001", 63, 26, 4}, {"F202612002", 28, 0, 1}};
        for (const auto& k : cas) {
            SCOPED_TRACE(k.cle);
            JeuDocuments jeu;
            FenetreFiche fenetre(jeu, reglages, dialogues, mesure);
            ASSERT_TRUE(litDocumentSeul(dossier.chemin(s("t.cli")), s(k.cle), jeu, fenetre));
            const Totaux t = fenetre.factures().totaux();
            const QString pdf = dossier.chemin(
                s("%1-%2lignes-%3decimales.pdf").arg(s(k.cle)).arg(k.lignes).arg(decimales));
            int code = -1;
            QString erreurs;
            lance(s(ZEL_PROGRAMME), {s("--pdf"), dossier.chemin(s("t.cli")), s(k.cle), pdf}, &code,
                  &erreurs, dossier.racine());
            EXPECT_EQ(code, 0) << erreurs.toStdString();
            if (code != 0)
                continue;
            garde(pdf);
            const QString texte = texteDuPdf(pdf);
            SCOPED_TRACE(texte.toStdString());
            EXPECT_EQ(pagesDuPdf(pdf), k.pages);
            for (int r = 1; r <= k.lignes; ++r)
                EXPECT_EQ(fois(texte, s("Article numéro %1").arg(r)), 1) << "line " << r;
            for (int i = 1; i <= k.notes; ++i)
                EXPECT_EQ(fois(texte, s("Note numéro %1").arg(i)), 1) << "note " << i;
            for (const QString& total :
                 {t.ht, t.tva, t.ttc + s(" Francs"), t.converti + s(" Euros")})
                EXPECT_TRUE(texte.contains(total)) << total.toStdString();
            EXPECT_EQ(texte.count(s("Réglement : 30 jours")), 1);
            EXPECT_EQ(texte.count(s("Bât. ?????")), k.pages) << "on every page";
        }
    }
}

TEST(Impression, AListWithLongDesignationsAndACardWithLongLabelsReadBackInTheirColumns) {
    namespace A = ligneArticle;
    namespace F = ligneFournisseur;
    test::Dossier dossier;
    Blocs articles;
    for (int n = 0; n < 3; ++n) {
        QStringList lignes(21);
        lignes[A::Code - 1] = s("%1").arg(10001 + n);
        lignes[A::Famille - 1] = s("Visserie");
        lignes[A::Designation - 1] =
            s("Vis à tête fraisée six pans creux, acier inoxydable A4, modèle %1").arg(n);
        lignes[A::StockReel - 1] = s("       1250,00");
        lignes[A::StockMini - 1] = s("        100,00");
        lignes[A::PrixAchat - 1] = s("           1234567,50");
        lignes[A::PrixHT - 1] = s("           2469135,00");
        lignes[A::PrixTTC - 1] = s("           2953085,46");
        articles.ajoute(bloc(n, lignes));
    }
    const QString liste = dossier.chemin(s("liste-articles.pdf"));
    ASSERT_TRUE(
        ui::Impression::imprimePdf(liste, [&](Canevas& c) { ImpArt(c, articles, tous(3)); }));
    garde(liste);
    const QString texte = texteDuPdf(liste);
    SCOPED_TRACE(texte.toStdString());
    // Each line reads its designation cut before the stock, then the figures whole.
    for (int n = 0; n < 3; ++n)
        EXPECT_TRUE(texte.contains(QRegularExpression(
            s("%1 +Visserie +Vis à tête fraisée[^\\n]* 1250,00 +100,00 +1234567,50 +"
              "2469135,00 +2953085,46")
                .arg(10001 + n))))
            << n;

    test::Montage m;
    QStringList grille = {s("MEMOLivraison le mardi matin uniquement, quai numéro 3")};
    for (int r = 0; r < 60; ++r)
        grille.append(s("DATA02/02/2026\tCommande 2026110%1\t%2")
                          .arg(r, 2, 10, QChar(u'0'))
                          .arg(QString::number(r) + s("350,00")));
    m.charge({}, test::bloc(0, 24,
                            {{F::Code, s("20001")},
                             {F::Nom, s("Würth France, division des fixations industrielles")},
                             {F::Adresse1, s("Zone industrielle Ouest, rue de l'Industrie")},
                             {F::Banque, s("Banque Populaire d'Alsace-Lorraine-Champagne")},
                             {F::CodeBanque, s("17607-00001")},
                             {F::CodeGuichet, s("00550")},
                             {F::Compte, s("12345678901234567890")},
                             {F::Rib, s("42")},
                             {F::CreditMaxi, s("123456789012,00")},
                             {F::TotalDu, s("98765432,10")}},
                            grille));
    m.fenetre.montre(Sorte::Fournisseurs);
    const QString fiche = dossier.chemin(s("fiche-fournisseur.pdf"));
    ASSERT_TRUE(ui::Impression::imprimePdf(
        fiche, [&](Canevas& c) { ImpFiche3(c, m.fenetre.fournisseurs().carte()); }));
    garde(fiche);
    const QString carte = texteDuPdf(fiche);
    SCOPED_TRACE(carte.toStdString());
    EXPECT_EQ(pagesDuPdf(fiche), 2);
    EXPECT_TRUE(carte.contains(
        QRegularExpression(s("Nom / Société +Würth France[^\\n]* +Banque +Banque"))));
    EXPECT_TRUE(carte.contains(s("123456789012,00")));
    EXPECT_TRUE(carte.contains(s("98765432,10")));
    for (int r = 0; r < 60; ++r)
        EXPECT_TRUE(carte.contains(QRegularExpression(s("Commande 2026110%1 +%2")
                                                          .arg(r, 2, 10, QChar(u'0'))
                                                          .arg(QString::number(r) + s("350,00")))))
            << r;
    // The second page says whose card it continues.
    EXPECT_EQ(carte.count(s("Code Four.")), 2);
}

TEST(Impression, TheWindowPrintsADocumentWithTheTotalsItsPageShows) {
    test::Dossier dossier;
    dossier.ecrit(s("t.cli"), {});
    dossier.ecrit(s("t.fct"), crlf({s("<BLOC0000>"), s("NUMF202612001"), s("06/12/2026"),
                                    s("10001"), s(""), s("Facture"), s("Dupont SA"), s(""), s(""),
                                    s(""), s("TTCN"), s("N"), s("FACTA\tVis\t1\t0,125\t\t\t1"),
                                    s("FACTB\tÉcrou\t1\t179,036\t\t\t1"), s("</BLOC0000>")}));
    test::DialoguesFactices dialogues;
    ui::TMainForm fenetre(dossier.racine(), &dialogues);
    dialogues.fichiers = {dossier.chemin(s("t.cli"))};
    fenetre.declenche(Operation::Ouvrir, {});
    fenetre.declenche(Operation::Facture, {});
    const QStringList affiches = fenetre.ongletFactures()->totauxAffiches();
    EXPECT_EQ(affiches.value(0), s("179,16"));
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    fermeture.start(20);
    fenetre.declenche(Operation::ImpFact, {});
    // What the preview drew: the page's totals, which the print did not compute again.
    EXPECT_EQ(fenetre.fenetreFiche().factures().totaux().ht, s("179,16"));
    EXPECT_EQ(fenetre.ongletFactures()->totauxAffiches(), affiches);
}

namespace {

// Each command that writes a file, with the file it is asked to write; "--fec" writes its file in
// the folder given, under the name the tax rules give it.
std::vector<QStringList> sorties(const test::Dossier& dossier, const QString& fichier) {
    const QString cli = dossier.chemin(s("t.cli"));
    return {{s("--pdf"), cli, s("F202612001"), fichier},
            {s("--journal"), cli, fichier},
            {s("--statistiques"), s("ventes"), cli, fichier}};
}

const char* const kFec = "552100554FEC20261231.txt";

} // namespace

TEST_F(LigneDeCommande, NeverWritesOverTheSetNorReplacesAFileUnlessTold) {
    const QByteArray clients = dossier.lit(s("t.cli"));
    test::Dossier ailleurs;
    ASSERT_TRUE(QFile::link(dossier.chemin(s("t.fct")), ailleurs.chemin(s("lien.txt"))));
    ASSERT_TRUE(QFile::link(dossier.chemin(s("t.cli")), ailleurs.chemin(s(kFec))));
    const QString cibles[] = {dossier.chemin(s("t.fct")), dossier.chemin(s("T.CLI")),
                              dossier.chemin(s("t.oms")), ailleurs.chemin(s("lien.txt"))};
    for (const QString& cible : cibles) {
        for (QStringList arguments : sorties(dossier, cible)) {
            verifieErreur(dossier, arguments, 1, "c'est un fichier du jeu de documents ouvert");
            arguments.append(s("--remplacer"));
            verifieErreur(dossier, arguments, 1, "c'est un fichier du jeu de documents ouvert");
        }
    }
    verifieErreur(dossier,
                  {s("--fec"), dossier.chemin(s("t.cli")), ailleurs.racine(), s("552100554"),
                   s("--remplacer")},
                  1, "c'est un fichier du jeu de documents ouvert");
    EXPECT_EQ(dossier.lit(s("t.fct")), avant);
    EXPECT_EQ(dossier.lit(s("t.cli")), clients);
    EXPECT_FALSE(dossier.existe(s("t.oms")));

    // An existing file is replaced only with --remplacer.
    const QString sortie = dossier.chemin(s("sortie.txt"));
    for (QStringList arguments : sorties(dossier, sortie)) {
        dossier.ecrit(s("sortie.txt"), "ancien");
        verifieErreur(dossier, arguments, 1, "il existe déjà ; ajoutez --remplacer");
        EXPECT_EQ(dossier.lit(s("sortie.txt")), QByteArray("ancien"));
        arguments.prepend(s("--remplacer"));
        lance(programme, arguments, &code, &erreurs, dossier.racine());
        EXPECT_EQ(code, 0) << erreurs.toStdString();
        EXPECT_NE(dossier.lit(s("sortie.txt")), QByteArray("ancien"));
    }
    const QStringList fec = {s("--fec"), dossier.chemin(s("t.cli")), dossier.racine(),
                             s("552100554")};
    lance(programme, fec, &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
    verifieErreur(dossier, fec, 1, "il existe déjà ; ajoutez --remplacer");
    lance(programme, fec + QStringList{s("--remplacer")}, &code, &erreurs, dossier.racine());
    EXPECT_EQ(code, 0) << erreurs.toStdString();
}

TEST_F(LigneDeCommande, AFileThatCannotBeWrittenIsToldInFrenchAndLeftWhole) {
    for (const QStringList& arguments : sorties(dossier, s("/dev/full")))
        verifieErreur(dossier, arguments, 1, "le disque est plein");
    for (const QStringList& arguments : sorties(dossier, QString()))
        verifieErreur(dossier, arguments, 1, "aucun nom de fichier n'a été donné");
    for (const QStringList& arguments : sorties(dossier, dossier.racine()))
        verifieErreur(dossier, arguments, 1, "ce nom est celui d'un dossier");

    test::PetitDisque disque(64 * 1024);
    if (!disque.actif())
        GTEST_SKIP() << disque.pourquoi().toStdString();
    const QString ancien = disque.chemin(s("sortie.pdf"));
    QFile f(ancien);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ancien");
    f.close();
    QFile fecAncien(disque.chemin(s(kFec)));
    ASSERT_TRUE(fecAncien.open(QIODevice::WriteOnly));
    fecAncien.write("ancien");
    fecAncien.close();
    disque.remplit();
    for (QStringList arguments : sorties(dossier, ancien)) {
        arguments.append(s("--remplacer"));
        verifieErreur(dossier, arguments, 1, "le disque est plein");
    }
    verifieErreur(dossier,
                  {s("--fec"), dossier.chemin(s("t.cli")), QFileInfo(ancien).path(), s("552100554"),
                   s("--remplacer")},
                  1, "le disque est plein");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("ancien"));
    ASSERT_TRUE(fecAncien.open(QIODevice::ReadOnly));
    EXPECT_EQ(fecAncien.readAll(), QByteArray("ancien"));
    EXPECT_EQ(QDir(QFileInfo(ancien).path()).entryList(QDir::Files),
              (QStringList{s(kFec), s("remplissage"), s("sortie.pdf")}))
        << "no temporary file is left behind";
}

TEST(Impression, ThePreviewsPdfsAreProposedInTheSetsFolderAndWrittenThroughTheWriter) {
    test::Dossier dossier;
    dossier.ecrit(s("t.cli"), "garde\r\n");
    const ProtectionJeu protection([&dossier] { return dossier.chemin(s("t.cli")); }, QString());
    test::DialoguesFactices dialogues;
    ui::Impression impression;
    impression.lieA(dialogues, [&dossier] { return dossier.racine(); });
    Blocs clients;
    clients.ajoute(bloc(0, {s("10001"), s("N"), s("N"), s("Dupont SA")}));
    QString propose;
    QTimer::singleShot(200, [&] {
        QWidget* apercu = QApplication::activeModalWidget();
        ASSERT_TRUE(apercu);
        QAction* pdf = nullptr;
        QAction* imprimer = nullptr;
        for (QAction* a : apercu->findChild<QToolBar*>()->actions()) {
            if (a->text() == s("Enregistrer en PDF..."))
                pdf = a;
            if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                imprimer = a;
        }
        ASSERT_TRUE(pdf && imprimer);
        // "Enregistrer en PDF..." over the set's own file, then beside it.
        dialogues.fichiers = {dossier.chemin(s("t.cli")), dossier.chemin(s("liste"))};
        pdf->trigger();
        pdf->trigger();
        // The print dialog's file output: the set's folder is proposed, and the PDF written
        // there through the writer.
        QTimer::singleShot(200, [&propose] {
            QWidget* dialogue = QApplication::activeModalWidget();
            ASSERT_TRUE(dialogue);
            if (auto* nom = dialogue->findChild<QLineEdit*>(s("filename")))
                propose = nom->text();
            qobject_cast<QDialog*>(dialogue)->accept();
        });
        imprimer->trigger();
        if (QApplication::activeModalWidget() == apercu)
            apercu->close();
    });
    impression.apercu(nullptr, s("Liste des clients"),
                      [&](Canevas& c) { ImpCli(c, clients, {0}); });
    EXPECT_EQ(dialogues.vus.value(0), s("enregistrer: Documents PDF (*.pdf)|*.pdf ") +
                                          dossier.chemin(s("Liste des clients.pdf")));
    EXPECT_TRUE(dialogues.vus.value(1).contains(s("c'est un fichier du jeu de documents ouvert")))
        << dialogues.vus.join(u'|').toStdString();
    EXPECT_EQ(dossier.lit(s("t.cli")), QByteArray("garde\r\n"));
    EXPECT_TRUE(texteDuPdf(dossier.chemin(s("liste.pdf"))).contains(s("Dupont SA")));
    EXPECT_EQ(propose, dossier.chemin(s("Liste des clients.pdf")));
    EXPECT_TRUE(texteDuPdf(dossier.chemin(s("Liste des clients.pdf"))).contains(s("Dupont SA")));
}
