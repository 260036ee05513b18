#include "support/texte.h"
#include "support/ventes.h"
#include "ui/gestes.h"
#include "ui/ttableau.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using namespace zel;

using zel::test::s;

void tapeDate(QDateEdit* champ, const char* texte) {
    champ->setFocus();
    QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(champ, s(texte));
}

} // namespace

TEST(TCompta, TheRangeTypedShowsItsLinesOnOkAndTheExportWritesThem) {
    test::Montage m;
    m.reglages.ini.modeDevise = 1;
    m.charge(
        test::client(0, "1", ""), {}, {},
        test::factures({{"1", "01/02/2001", "1", "Avoir     ", {test::ligneVente("A", "1", "10")}},
                        {"2", "05/03/2001", "1", "Facture", {test::ligneVente("A", "1", "10")}},
                        {"3", "05/03/2001", "1", "Facture", {test::ligneVente("A", "1", "10")}}}));
    ui::Impression impression;
    ui::TCompta fenetre(journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6)), impression,
                        m.dialogues, m.reglages, nullptr);
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), s("Journal des Achats / Ventes"));
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 9);

    tapeDate(fenetre.du(), "01/03/2001");
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 9) << "nothing changes before OK";
    QTest::mouseClick(fenetre.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(fenetre.du()->date(), QDate(2001, 3, 1));
    ASSERT_EQ(fenetre.vue()->model()->rowCount(), 6);
    EXPECT_EQ(fenetre.vue()->model()->index(3, 4).data().toString(), s("Facture 3"));
    EXPECT_EQ(fenetre.vue()->model()->index(3, 0).data().toInt(), 4);

    m.dialogues.fichiers = {m.dossier.chemin(s("Journal.txt"))};
    QAbstractButton* exporter = test::bouton(fenetre, s("Exporter"));
    ASSERT_TRUE(exporter);
    QTest::mouseClick(exporter, Qt::LeftButton);
    EXPECT_EQ(m.dossier.lit(s("Journal.txt")).count("\r\n"), 6);

    // The FEC file of a year, whatever the range shown: its SIREN asked the first time, then its
    // closing date; its description beside it.
    m.dialogues.saisies = {s("552100554"), s("31/12/2001")};
    m.dialogues.fichiers = {m.dossier.chemin(s("552100554FEC20011231.txt"))};
    QTest::mouseClick(test::bouton(fenetre, s("Exporter FEC")), Qt::LeftButton);
    EXPECT_EQ(m.reglages.ini.siren, s("552100554"));
    EXPECT_EQ(m.dossier.lit(s("552100554FEC20011231.txt")).count("\r\n"), 10);
    EXPECT_TRUE(m.dossier.existe(s("552100554FEC20011231.description.txt")));

    // A start after the end shows no line.
    tapeDate(fenetre.du(), "01/04/2001");
    QTest::mouseClick(fenetre.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 0);
}

TEST(TCompta, ADocumentWhoseDateCannotBeReadIsShownAndKeepsTheFecFromBeingWritten) {
    test::Montage m;
    m.charge(
        test::client(0, "1", ""), {}, {},
        test::factures({{"1", "05/03/2001", "1", "Facture", {test::ligneVente("A", "1", "10")}},
                        {"2", "31/02/2001", "1", "Facture", {test::ligneVente("A", "1", "10")}}}));
    ui::Impression impression;
    ui::TCompta fenetre(journal(m.jeu, m.reglages, m.dialogues, QDate(2026, 12, 6)), impression,
                        m.dialogues, m.reglages, nullptr);
    fenetre.show();
    EXPECT_EQ(fenetre.du()->date(), QDate(2001, 3, 5));
    tapeDate(fenetre.du(), "01/04/2001");
    tapeDate(fenetre.au(), "30/04/2001");
    QTest::mouseClick(fenetre.findChild<QPushButton*>(), Qt::LeftButton);
    ASSERT_EQ(fenetre.vue()->model()->rowCount(), 3);
    EXPECT_EQ(fenetre.vue()->model()->index(0, 2).data().toString(), QString());
    EXPECT_EQ(fenetre.vue()->model()->index(0, 4).data().toString(), s("Facture 2"));

    m.reglages.ini.siren = s("552100554");
    m.dialogues.saisies = {s("31/12/2001")};
    m.dialogues.fichiers = {m.dossier.chemin(s("fec.txt"))};
    QTest::mouseClick(test::bouton(fenetre, s("Exporter FEC")), Qt::LeftButton);
    EXPECT_TRUE(m.dialogues.vus.last().endsWith(
        s("Facture 2, date « 31/02/2001 », client « 1 » : date illisible")));
    EXPECT_FALSE(m.dossier.existe(s("fec.txt")));
}

TEST(TTableau, TheSalesTableShowsItsMonthsAsBarsBesideIt) {
    ui::Impression impression;
    Tableau t = tableauJournal({}, {});
    // An amount wider than its column widens it rather than being cut short.
    const QString grand = s("123456789012345,67");
    t.rangees = {{s("VT"), {}, {}, {}, grand, {}}};
    ui::TTableau sans(t, impression, nullptr);
    EXPECT_EQ(sans.graphique(), nullptr);
    EXPECT_GT(sans.vue()->columnWidth(5), sans.vue()->fontMetrics().horizontalAdvance(grand));
    EXPECT_EQ(sans.vue()->columnWidth(4), 170) << "a text column keeps its width";

    t.titreBarres = s("Chiffre d'affaires H.T. par mois");
    t.barres = {{s("nov. 2026"), 100, s("100,00")}, {s("déc. 2026"), -20, s("-20,00")}};
    ui::TTableau avec(t, impression, nullptr);
    avec.show();
    ASSERT_NE(avec.graphique(), nullptr);
    EXPECT_TRUE(avec.graphique()->isVisible());
    QChart* graphique = avec.graphique()->chart();
    EXPECT_EQ(graphique->title(), s("Chiffre d'affaires H.T. par mois"));
    const auto* serie = qobject_cast<QBarSeries*>(graphique->series().value(0));
    ASSERT_TRUE(serie);
    const QBarSet* barres = serie->barSets().value(0);
    ASSERT_TRUE(barres);
    // An empty place at each end.
    EXPECT_EQ(barres->count(), 4);
    EXPECT_EQ(barres->at(2), -20.0);
    auto* mois = qobject_cast<QBarCategoryAxis*>(graphique->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(mois);
    EXPECT_EQ(mois->categories().mid(1, 2), QStringList({s("nov. 2026"), s("déc. 2026")}));
    EXPECT_GT(avec.graphique()->geometry().left(), avec.vue()->geometry().right());
}
