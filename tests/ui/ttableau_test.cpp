#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
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

Ecriture ecriture(const QDate& date, const char* libelle) {
    return {date, s("VT"), s("411000"), s(libelle), s("119,60"), QString(), {}, 0, {}, {}};
}

void tapeDate(QDateEdit* champ, const char* texte) {
    champ->setFocus();
    QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(champ, s(texte));
}

} // namespace

TEST(TCompta, TheRangeTypedShowsItsLinesOnOkAndTheExportWritesThem) {
    test::Dossier dossier;
    test::DialoguesFactices dialogues;
    ui::Impression impression;
    Journal j{{ecriture(QDate(2001, 2, 1), "Avoir 1"), ecriture(QDate(2001, 3, 5), "Facture 2"),
               ecriture(QDate(2001, 3, 5), "Facture 3")},
              QDate(2001, 2, 1),
              QDate(2001, 3, 5)};
    Reglages reglages;
    ui::TCompta fenetre(j, impression, dialogues, reglages, nullptr);
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), s("Journal des Achats / Ventes"));
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 3);

    tapeDate(fenetre.du(), "01/03/2001");
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 3) << "nothing changes before OK";
    QTest::mouseClick(fenetre.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(fenetre.du()->date(), QDate(2001, 3, 1));
    ASSERT_EQ(fenetre.vue()->model()->rowCount(), 2);
    EXPECT_EQ(fenetre.vue()->model()->index(1, 4).data().toString(), s("Facture 3"));
    EXPECT_EQ(fenetre.vue()->model()->index(1, 0).data().toInt(), 2);

    dialogues.fichiers = {dossier.chemin(s("Journal.txt"))};
    QAbstractButton* exporter = test::bouton(fenetre, s("Exporter"));
    ASSERT_TRUE(exporter);
    QTest::mouseClick(exporter, Qt::LeftButton);
    EXPECT_EQ(dossier.lit(s("Journal.txt")).count("\r\n"), 2);

    // The FEC file of the same lines, closed at "Au", its SIREN asked the first time.
    dialogues.saisies = {s("552100554")};
    dialogues.fichiers = {dossier.chemin(s("552100554FEC20010305.txt"))};
    QTest::mouseClick(test::bouton(fenetre, s("Exporter FEC")), Qt::LeftButton);
    EXPECT_EQ(reglages.ini.siren, s("552100554"));
    EXPECT_EQ(dossier.lit(s("552100554FEC20010305.txt")).count("\r\n"), 3);

    // A start after the end shows no line.
    tapeDate(fenetre.du(), "01/04/2001");
    QTest::mouseClick(fenetre.findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(fenetre.vue()->model()->rowCount(), 0);
}

TEST(TTableau, TheSalesTableShowsItsMonthsAsBarsBesideIt) {
    ui::Impression impression;
    Tableau t = tableauJournal({});
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
