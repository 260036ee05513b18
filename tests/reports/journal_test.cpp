#include "reports/grille.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "support/canevasenregistreur.h"
#include "support/texte.h"
#include "support/ventes.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
using namespace zel::test;

using zel::test::s;

using Rangees = std::vector<QStringList>;

// The journal's rows for the whole set, as the window shows them.
Rangees rangeesDe(const Journal& j) {
    return tableauJournal(j, entre(j, j.du, j.au)).rangees;
}

Journal journalDe(Montage& m) {
    return journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6));
}

} // namespace

TEST(Journal, EveryEntryBalancesToTheCentOnTheTotalsTheInvoiceShows) {
    Montage m;
    // 1 at 1,26 less 10 %: 1,134 before tax shows 1,13, the VAT 0,222264 shows 0,22 and the TTC
    // 1,356264 shows 1,36, a cent more than 1,13 + 0,22.
    m.charge(
        client(0, "1", ""), {}, {},
        factures(
            {{"202612001", "06/12/2026", "1", "Facture", {ligneVente("A", "1", "1,26", "10")}}}));
    PageFactures& page = m.fenetre.factures();
    page.Lit();
    EXPECT_EQ(page.totaux().ht, s("1,13")) << "the invoice keeps the totals it has always shown";
    EXPECT_EQ(page.totaux().tva, s("0,22"));
    EXPECT_EQ(page.totaux().ttc, s("1,36"));
    const Journal j = journalDe(m);
    const Rangees attendu = {
        {s("VT"), s("06/12/2026"), s("411000"), s("Facture 202612001"), s("1,36"), {}},
        {s("VT"), s("06/12/2026"), s("707000"), s("Facture 202612001"), {}, s("1,14")},
        {s("VT"), s("06/12/2026"), s("445700"), s("Facture 202612001"), {}, s("0,22")}};
    EXPECT_EQ(rangeesDe(j), attendu);
    // The text export and the print carry the same lines.
    EXPECT_EQ(lignesExport(j, entre(j, j.du, j.au))[1],
              s("VT\t06/12/2026\t707000\tFacture 202612001\t\t1,14"));
    test::CanevasEnregistreur c;
    imprimeGrille(c, tableauJournal(j, entre(j, j.du, j.au)), QDate(2026, 12, 6));
    EXPECT_TRUE(c.seulementTextes().contains(s("1,14")));
    EXPECT_FALSE(c.seulementTextes().contains(s("1,13")));
}

TEST(Journal, ACreditNoteIsAReversalWhateverTheSignItWasTypedWith) {
    const struct {
        const char* genre;
        QStringList lignes;
        Rangees attendu;
    } cas[] = {
        {"Avoir     ",
         {ligneVente("A", "1", "10")},
         {{s("707000"), s("10,00"), {}},
          {s("445700"), s("1,96"), {}},
          {s("411000"), {}, s("11,96")}}},
        // Typed as a return, with a negative quantity: the same entry.
        {"Avoir     ",
         {ligneVente("A", "-1", "10")},
         {{s("707000"), s("10,00"), {}},
          {s("445700"), s("1,96"), {}},
          {s("411000"), {}, s("11,96")}}},
        // An invoice with a negative total has its sides swapped.
        {"Facture",
         {ligneVente("A", "-1", "10")},
         {{s("707000"), s("10,00"), {}},
          {s("445700"), s("1,96"), {}},
          {s("411000"), {}, s("11,96")}}},
        // A line below zero in a credit note above zero: its VAT (at a rate of -10 %) goes to the
        // credit.
        {"Avoir     ",
         {ligneVente("A", "1", "10", "", "2")},
         {{s("707000"), s("10,00"), {}},
          {s("445700"), {}, s("1,00")},
          {s("411000"), {}, s("9,00")}}},
    };
    for (const auto& c : cas) {
        Montage m;
        m.reglages.ini.tauxTva[1] = -10;
        m.charge(client(0, "1", ""), {}, {},
                 factures({{"202612001", "06/12/2026", "1", c.genre, c.lignes}}));
        Rangees colonnes;
        for (const QStringList& r : rangeesDe(journalDe(m))) {
            colonnes.push_back({r[2], r[4], r[5]});
            EXPECT_FALSE(r[4].startsWith(u'-') || r[5].startsWith(u'-')) << c.genre;
        }
        EXPECT_EQ(colonnes, c.attendu) << c.genre << c.lignes.front().toStdString();
    }
}

TEST(Journal, ADocumentWhoseDateCannotBeReadIsShownWhateverTheRange) {
    Montage m;
    m.charge(client(0, "1", ""), {}, {},
             factures({{"202612001", "06/12/2026", "1", "Facture", {ligneVente("A", "1", "10")}},
                       {"202612002", "31/02/2026", "1", "Facture", {ligneVente("A", "1", "20")}},
                       {"202612003", "15/13/2026", "1", "Avoir     ", {ligneVente("A", "1", "5")}},
                       {"202612004", "", "1", "Facture", {ligneVente("A", "1", "1")}}}));
    const Journal j = journalDe(m);
    EXPECT_EQ(j.du, QDate(2026, 12, 6));
    EXPECT_EQ(j.au, QDate(2026, 12, 6));
    // A range that holds none of the readable dates still shows the three others, date empty.
    const std::vector<const Piece*> montrees = entre(j, QDate(2001, 1, 1), QDate(2001, 1, 31));
    ASSERT_EQ(montrees.size(), 3u);
    EXPECT_EQ(montrees[0]->texteDate, s("31/02/2026"));
    const Rangees r = tableauJournal(j, montrees).rangees;
    ASSERT_EQ(r.size(), 9u);
    EXPECT_EQ(r[0],
              QStringList({s("VT"), {}, s("411000"), s("Facture 202612002"), s("23,92"), {}}));
    EXPECT_EQ(r[5][3], s("Avoir 202612003"));
    EXPECT_EQ(r[6][3], s("Facture 202612004"));
    EXPECT_EQ(rangeesDe(j).size(), 12u);
}

TEST(Journal, KindsAreKnownByTheirFirstLetterSoTheStatisticsAndTheJournalAgree) {
    Montage m;
    m.charge(client(0, "1", ""), {}, {},
             factures({{"202612001", "06/12/2026", "1", "facture", {ligneVente("A", "2", "100")}},
                       {"202612002", "06/12/2026", "1", "avoir", {ligneVente("A", "1", "10")}},
                       {"202612003", "06/12/2026", "1", "devis", {ligneVente("A", "9", "1000")}},
                       {"202612004", "06/12/2026", "1", "Bon", {ligneVente("A", "7", "1000")}},
                       {"202612005", "06/12/2026", "1", "FACTURE", {ligneVente("A", "1", "1")}}}));
    const Journal j = journalDe(m);
    QStringList libelles;
    for (const Piece& p : j.pieces)
        libelles.append(p.libelle());
    EXPECT_EQ(libelles,
              QStringList({s("Facture 202612001"), s("Avoir 202612002"), s("FACTURE 202612005")}));
    // 200 + 1 less the credit note's 10, and as many articles.
    EXPECT_EQ(StatsVentes(m.jeu, m.reglages, m.dialogues).rangees,
              Rangees({{s("Décembre 2026"), s("191,00"), s("228,44")}}));
    EXPECT_EQ(StatsCli(m.jeu, m.reglages, m.dialogues).rangees,
              Rangees({{s("1"), {}, s("191,00")}}));
    EXPECT_EQ(StatsArt(m.jeu, m.reglages, m.dialogues).rangees,
              Rangees({{s("A"), {}, {}, s("2")}}));
}

TEST(Journal, AnAmountThatIsNotANumberNeverReachesALine) {
    Montage m;
    const QString enorme = QString(200, u'9');
    // The second overflows a line; the third passes a thousand billion, where sums of a full set
    // would no longer be exact.
    m.charge(client(0, "1", ""), {}, {},
             factures({{"202612001", "06/12/2026", "1", "Facture", {ligneVente("A", "1", "10")}},
                       {"202612002",
                        "06/12/2026",
                        "1",
                        "Facture",
                        {ligneVente("A", qPrintable(enorme), qPrintable(enorme))}},
                       {"202612003",
                        "06/12/2026",
                        "1",
                        "Avoir     ",
                        {ligneVente("A", "100000000000", "100")}}}));
    m.reglages.ini.modeDevise = 1;
    const Journal j = journalDe(m);
    ASSERT_EQ(j.pieces.size(), 3u);
    EXPECT_FALSE(j.pieces[1].lisible);
    EXPECT_FALSE(j.pieces[2].lisible);
    const Rangees r = rangeesDe(j);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(
        r[3],
        QStringList(
            {s("VT"), s("06/12/2026"), {}, s("Facture 202612002 : montant illisible"), {}, {}}));
    EXPECT_EQ(r[4][3], s("Avoir 202612003 : montant illisible"));
    EXPECT_EQ(StatsVentes(m.jeu, m.reglages, m.dialogues).rangees,
              Rangees({{s("Décembre 2026"), s("10,00"), s("11,96")}}));
    // Francs at a rate near zero cannot be written in euros: the entry is not readable.
    m.reglages.ini.modeDevise = 0;
    m.reglages.ini.tauxEuro = 1e-300;
    EXPECT_FALSE(journalDe(m).pieces[0].lisible);
}

TEST(Journal, EachDocumentBalancesOnItsOwnClientAccountInThePrimaryCurrency) {
    for (const int devise : {0, 1}) {
        Montage m;
        m.charge(
            client(0, "1", "", "411DUP") + client(1, "2", ""), {},
            article(0, "A", "", "", "706", "") + article(1, "B", "", "", "707100", "607100"),
            factures({{"200103001", "05/03/2001", "1", "Facture", {ligneVente("A", "1", "100")}},
                      {"200102001", "01/02/2001", "2", "Avoir     ", {ligneVente("A", "1", "10")}},
                      {"200103002", "06/03/2001", "1", "Devis    ", {ligneVente("A", "1", "5")}}}));
        m.reglages.ini.modeDevise = devise;
        const Journal j = journalDe(m);
        EXPECT_EQ(rangeesDe(j), Rangees({{s("VT"), s("05/03/2001"), s("411DUP"),
                                          s("Facture 200103001"), s("119,60"), QString()},
                                         {s("VT"), s("05/03/2001"), s("707100"),
                                          s("Facture 200103001"), QString(), s("100,00")},
                                         {s("VT"), s("05/03/2001"), s("445700"),
                                          s("Facture 200103001"), QString(), s("19,60")},
                                         {s("VT"), s("01/02/2001"), s("707100"),
                                          s("Avoir 200102001"), s("10,00"), QString()},
                                         {s("VT"), s("01/02/2001"), s("445700"),
                                          s("Avoir 200102001"), s("1,96"), QString()},
                                         {s("VT"), s("01/02/2001"), s("411000"),
                                          s("Avoir 200102001"), QString(), s("11,96")}}))
            << devise;
        // The back-dated credit note opens the range.
        EXPECT_EQ(j.du, QDate(2001, 2, 1));
        EXPECT_EQ(j.au, QDate(2001, 3, 5));
        EXPECT_EQ(entre(j, QDate(2001, 3, 1), QDate(2001, 3, 31)).size(), 1U);
        EXPECT_TRUE(entre(j, j.au, j.du).empty());
        const QStringList texte = lignesExport(j, entre(j, j.du, j.au));
        ASSERT_EQ(texte.size(), 6);
        EXPECT_EQ(texte[0], s("VT\t05/03/2001\t411DUP\tFacture 200103001\t119,60\t"));
        EXPECT_EQ(texte[0].count(u'\t'), 5);
    }
}

TEST(Journal, AnEmptySetGivesNoLineAndTodayForItsRange) {
    Montage m;
    m.charge(
        client(0, "1", ""), {}, {},
        factures({{"202612001", "01/12/2026", "1", "Devis    ", {ligneVente("A", "1", "5")}}}));
    const Journal j = journalDe(m);
    EXPECT_TRUE(j.pieces.empty());
    EXPECT_EQ(j.du, QDate(2026, 12, 6));
    EXPECT_EQ(j.au, QDate(2026, 12, 6));
    EXPECT_EQ(compteVentes(m.jeu), s("707000"));
}

TEST(Journal, TheExportWritesOneLinePerRowShownOrNothingWhenCancelled) {
    Montage m;
    m.charge(client(0, "1", ""), {}, {},
             factures({{"1", "05/03/2001", "1", "Facture", {ligneVente("A", "1", "100")}},
                       {"2", "05/04/2001", "1", "Facture", {ligneVente("A", "1", "100")}}}));
    const Journal j = journalDe(m);
    const std::vector<const Piece*> mars = entre(j, QDate(2001, 3, 1), QDate(2001, 3, 31));
    m.dialogues.fichiers = {QString()};
    exporteJournal(m.dialogues, j, mars);
    EXPECT_FALSE(m.dossier.existe(s("Journal.txt")));
    m.dialogues.fichiers = {m.dossier.chemin(s("Journal"))};
    exporteJournal(m.dialogues, j, mars);
    EXPECT_EQ(m.dossier.lit(s("Journal.txt")),
              QByteArray("VT\t05/03/2001\t411000\tFacture 1\t119,60\t\r\n"
                         "VT\t05/03/2001\t707000\tFacture 1\t\t100,00\r\n"
                         "VT\t05/03/2001\t445700\tFacture 1\t\t19,60\r\n"));
}
