#include "reports/grille.h"
#include "reports/journal.h"
#include "reports/statistiques.h"
#include "support/canevasenregistreur.h"
#include "support/texte.h"
#include "support/ventes.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using namespace zel;
using namespace zel::test;

using zel::test::s;

std::vector<QStringList> rangees(std::initializer_list<QStringList> r) {
    return r;
}

} // namespace

TEST(Statistiques, ArticlesMatchTheirCodeExactlyAndLeaveQuotesOut) {
    test::Montage m;
    m.charge(
        client(0, "1", ""), {},
        article(0, "ABC", "Vis", "Quincaillerie") + article(1, "ABCD", "Boulon", "Quinc."),
        factures(
            {{"202612001",
              "01/12/2026",
              "1",
              "Facture",
              {ligneVente("ABCD", "2", "1"), ligneVente("ABC", "3", "1"), ligneVente("", "9", "1"),
               // A line is read whole: its quantity lies past 255 characters.
               s("FACTABCD\t%1\t4\t1\t\t\t1").arg(QString(300, u'x'))}},
             {"202612002", "02/12/2026", "1", "Devis    ", {ligneVente("ABC", "100", "1")}},
             {"202612003",
              "03/12/2026",
              "1",
              "Avoir     ",
              {ligneVente("abc", "1,5", "1"), ligneVente("ABC", "-1", "1")}}}));
    const Tableau t = StatsArt(m.jeu, m.reglages, m.dialogues);
    // The credit note takes its quantities off, its negative line with them.
    EXPECT_EQ(t.rangees, rangees({{s("abc"), QString(), QString(), s("-1,5")},
                                  {s("ABC"), s("Vis"), s("Quincaillerie"), s("4")},
                                  {s("ABCD"), s("Boulon"), s("Quinc."), s("6")}}));
    EXPECT_EQ(t.legende, s("Statistiques articles"));
    // The hourglass and the status panel while it runs, both gone at the end.
    EXPECT_EQ(m.dialogues.progressions, QStringList({s("Facture 0"), QString()}));
    EXPECT_EQ(m.dialogues.sabliers, 0);
    EXPECT_EQ(m.dialogues.sabliersMaxi, 1);
}

TEST(Statistiques, MonthsAddNumbersAndWriteThemWithTheAmountFormat) {
    const struct {
        const char* format;
        std::vector<QStringList> attendu;
    } cas[] = {
        {"0.00",
         {{s("Décembre 2026"), s("150,50"), s("180,00")},
          {s("Janvier 2027"), s("0,00"), s("0,00")}}},
        // With no decimals a zero is an empty text, and the sums go on from numbers.
        {"#",
         {{s("Décembre 2026"), s("151"), s("180")}, {s("Janvier 2027"), QString(), QString()}}},
    };
    for (const auto& c : cas) {
        test::Montage m;
        m.reglages.formatMontant = s(c.format);
        m.charge(
            client(0, "1", ""), {}, {},
            factures({{"202612001", "01/12/2026", "1", "Facture", {ligneVente("A", "1", "100")}},
                      {"202701001", "04/01/2027", "1", "Avoir     ", {ligneVente("A", "0", "5")}},
                      {"202612002", "31/12/2026", "1", "Facture", {ligneVente("A", "1", "50,5")}},
                      {"202612003", "15/12/2026", "1", "Devis    ", {ligneVente("A", "9", "9")}}}));
        m.reglages.formatMontant = s(c.format);
        // French months whatever the language of the system.
        const QLocale avant;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(StatsVentes(m.jeu, m.reglages, m.dialogues).rangees, c.attendu) << c.format;
        QLocale::setDefault(avant);
    }
}

TEST(Statistiques, ClientsAndRepresentativesMatchExactlyAndTheInvoicePageIsLeftAlone) {
    test::Montage m;
    m.charge(
        client(0, "12345", "Jean-Pierre") + client(1, "12", "Jean") + client(2, "7", "") +
            client(3, "12", "Paul"),
        {}, {},
        factures(
            {{"202612001",
              "01/12/2026",
              "12345",
              "Facture",
              {ligneVente("A", "1", "10")},
              "Durand"},
             {"202612002", "01/12/2026", "12", "Facture", {ligneVente("A", "1", "20")}, "Dupont"},
             {"202612003", "01/12/2026", "7", "Facture", {ligneVente("A", "1", "40")}, "Martin"},
             {"202612004",
              "02/12/2026",
              "12",
              "Avoir     ",
              {ligneVente("A", "1", "1")},
              "Dupont SA"},
             {"202612005", "02/12/2026", "99", "Facture", {ligneVente("A", "1", "5")}}}));
    PageFactures& page = m.fenetre.factures();
    page.document().tiers = s("en cours");
    const int courant = page.courant();

    EXPECT_EQ(StatsCli(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("12"), s("Dupont SA"), s("19,00")},
                       {s("12345"), s("Durand"), s("10,00")},
                       {s("7"), s("Martin"), s("40,00")},
                       {s("99"), QString(), s("5,00")}}));
    EXPECT_EQ(StatsRepresentant(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("Jean"), s("19,00")}, {s("Jean-Pierre"), s("10,00")}}));
    EXPECT_EQ(page.document().tiers, s("en cours"));
    EXPECT_EQ(page.courant(), courant);
}

TEST(Grille, EveryRowIsPrintedUnderTheHeaderAndNoPageHoldsTheHeaderAlone) {
    Tableau t = tableauJournal({}, {});
    for (int i = 0; i < 120; ++i)
        t.rangees.push_back({s("VT"), s("05/03/2001"), s("411000"), s("Facture %1").arg(i),
                             s("119,60"), QString()});
    // A 72-dpi page has fewer dots than the grid has pixels: the columns still spread.
    for (const double unites : {72 / 25.4, 600 / 25.4}) {
        test::CanevasEnregistreur c(unites);
        imprimeGrille(c, t, QDate(2026, 12, 6));
        EXPECT_EQ(c.documents, 1);
        EXPECT_EQ(c.documentsFinis, 1);
        const QStringList textes = c.seulementTextes();
        EXPECT_EQ(textes.count(s("Imprimé le 06/12/2026")), c.pages);
        EXPECT_EQ(textes.count(s("Libellé")), c.pages);
        for (int i = 0; i < 120; ++i)
            EXPECT_EQ(textes.count(s("Facture %1").arg(i)), 1);
        // The last text of every page is a row, never the title row.
        for (int p = 1; p < c.pages; ++p) {
            const auto dernier = std::find_if(
                c.textes.rbegin(), c.textes.rend(),
                [p](const test::CanevasEnregistreur::Texte& x) { return x.page == p; });
            ASSERT_NE(dernier, c.textes.rend());
            EXPECT_NE(dernier->texte, s("Crédit"));
        }
        const auto* debit = c.trouve(s("Débit"));
        const auto* compte = c.trouve(s("Compte"));
        ASSERT_TRUE(debit && compte);
        EXPECT_GT(debit->x, compte->x);
        EXPECT_GT(c.pages, 1);
    }
}

TEST(Statistiques, ADocumentReadAfterALongerOneTakesNothingOfIt) {
    test::Montage m;
    QStringList fct = factures(
        {{"202612001",
          "01/12/2026",
          "1",
          "Avoir     ",
          {ligneVente("A", "1", "1"), ligneVente("B", "2", "1"), ligneVente("C", "3", "1")}},
         {"202612002", "02/12/2026", "1", "", {ligneVente("A", "5", "1")}}});
    m.charge(client(0, "1", ""), {}, {}, fct);
    EXPECT_EQ(
        StatsArt(m.jeu, m.reglages, m.dialogues).rangees,
        rangees({{s("A"), {}, {}, s("4")}, {s("B"), {}, {}, s("-2")}, {s("C"), {}, {}, s("-3")}}));
    // The second document stores no kind: it is an invoice, not the credit note read before.
    const Journal j = journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 7));
    ASSERT_EQ(j.pieces.size(), 2u);
    EXPECT_EQ(j.pieces[1].libelle(), s("Facture 202612002"));
    EXPECT_EQ(j.pieces[1].lignes[0].compte, s("411000"));
    EXPECT_TRUE(j.pieces[1].lignes[0].debit);
    EXPECT_EQ(j.pieces[1].lignes[0].montant, 598);
}

TEST(Documents, DatesAreReadAsTheGeneralReaderReadsThem) {
    for (const char* t : {"07/12/2026", "29/02/2024", "29/02/2026", "31/04/2026", "00/12/2026",
                          "07/13/2026", "07/12/0000", "7/12/2026", "07-12-2026", "07/12/26",
                          " 07/12/2026", "07/12/2026 ", "", "0a/12/2026", "01/01/0001"}) {
        EXPECT_EQ(litDate(s(t)), QDate::fromString(s(t), s("dd/MM/yyyy"))) << t;
    }
}

TEST(Grille, TheMonthlyChartFollowsTheTableWithOneBarAMonth) {
    test::Montage m;
    m.charge(
        client(0, "1", ""), {}, {},
        factures({{"202612001", "01/12/2026", "1", "Facture", {ligneVente("A", "1", "50")}},
                  {"202611001", "03/11/2026", "1", "Facture", {ligneVente("A", "1", "100")}},
                  {"202701001", "04/01/2027", "1", "Avoir     ", {ligneVente("A", "-1", "20")}}}));
    const Tableau t = StatsVentes(m.jeu, m.reglages, m.dialogues);
    ASSERT_EQ(t.barres.size(), 3u);
    // The table in order of first appearance, the chart in calendar order.
    EXPECT_EQ(t.rangees[0][0], s("Décembre 2026"));
    EXPECT_EQ(t.barres[0].libelle, s("nov. 2026"));
    EXPECT_EQ(t.barres[1].libelle, s("déc. 2026"));
    EXPECT_EQ(t.barres[2].texte, s("-20,00"));
    EXPECT_EQ(t.barres[2].valeur, -20.0);

    test::CanevasEnregistreur c;
    imprimeGrille(c, t, QDate(2026, 12, 6));
    const QStringList textes = c.seulementTextes();
    const auto titre = std::ranges::find(textes, s("Chiffre d'affaires H.T. par mois"));
    ASSERT_NE(titre, textes.end());
    EXPECT_GT(titre - textes.begin(), textes.indexOf(s("Janvier 2027"))) << "after the table";
    for (const char* mot : {"nov.", "déc.", "janv.", "2026", "2027", "100,00", "50,00", "-20,00"})
        EXPECT_TRUE(textes.contains(s(mot))) << mot;
    std::vector<test::CanevasEnregistreur::Regle> barres;
    for (const auto& p : c.pleins) {
        if (p.couleur != 0xC0C0C0 && p.couleur != 0xFFFFFF)
            barres.push_back(p.cote);
    }
    ASSERT_EQ(barres.size(), 3u);
    // Heights follow the values; the credit note's bar hangs from the zero line the others
    // stand on.
    const auto hauteur = [](const auto& b) { return b.y2 - b.y1; };
    EXPECT_NEAR(double(hauteur(barres[0])) / hauteur(barres[1]), 2.0, 0.05);
    EXPECT_NEAR(double(hauteur(barres[0])) / hauteur(barres[2]), 5.0, 0.2);
    EXPECT_EQ(barres[0].y2, barres[1].y2);
    EXPECT_EQ(barres[2].y1, barres[0].y2);
    EXPECT_LT(barres[0].x2, barres[1].x1);
}

TEST(Grille, ManyMonthsKeepTheirLabelsApartAndAChartWithoutRoomTakesANewPage) {
    Tableau t = tableauJournal({}, {});
    t.titreBarres = s("Chiffre d'affaires H.T. par mois");
    for (int i = 0; i < 60; ++i)
        t.barres.push_back({s("sept. %1").arg(2000 + i), double(i), s("%1,00").arg(i)});
    for (int i = 0; i < 38; ++i)
        t.rangees.push_back({s("VT"), {}, {}, {}, {}, {}});
    test::CanevasEnregistreur c;
    imprimeGrille(c, t, QDate(2026, 12, 6));
    const QStringList textes = c.seulementTextes();
    EXPECT_EQ(textes.count(s("Imprimé le 06/12/2026")), c.pages);
    const auto premier = c.trouve(s("Chiffre d'affaires H.T. par mois"));
    ASSERT_TRUE(premier);
    EXPECT_EQ(c.pages, 2);
    EXPECT_EQ(premier->page, 2);
    // Labels written are never closer than their width.
    std::vector<int> x;
    for (const auto& texte : c.textes) {
        if (texte.texte.startsWith(s("sept.")))
            x.push_back(texte.x);
    }
    ASSERT_GT(x.size(), 1u);
    EXPECT_LT(x.size(), 60u);
    for (std::size_t i = 1; i < x.size(); ++i)
        EXPECT_GE(x[i] - x[i - 1], 50) << i;
}

TEST(Statistiques, ACreditNoteCountsAgainstTheTurnoverWhateverTheSignItWasTypedWith) {
    Montage m;
    m.charge(
        client(0, "1", "Jean"), {}, {},
        factures({{"202612001", "01/12/2026", "1", "Facture", {ligneVente("A", "10", "10")}},
                  {"202612002", "02/12/2026", "1", "Avoir     ", {ligneVente("A", "1", "10")}},
                  {"202612003", "03/12/2026", "1", "Avoir     ", {ligneVente("A", "-2", "10")}}}));
    EXPECT_EQ(StatsVentes(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("Décembre 2026"), s("70,00"), s("83,72")}}));
    EXPECT_EQ(StatsCli(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("1"), {}, s("70,00")}}));
    EXPECT_EQ(StatsRepresentant(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("Jean"), s("70,00")}}));
    EXPECT_EQ(StatsArt(m.jeu, m.reglages, m.dialogues).rangees,
              rangees({{s("A"), {}, {}, s("7")}}));
}
