#include "tools/peselettres.h"
#include "ui/tools/tcalendrier.h"
#include "ui/tools/tplettre.h"

#include "ui/gestes.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

TEST(TPLettre, LePanneauSuitLesComptesDesLOuverture) {
    TPLettre fenetre(nullptr);
    const auto textes = [&fenetre] {
        QStringList t;
        for (const QLabel* l : fenetre.findChildren<QLabel*>())
            if (l->buddy() == nullptr && !l->text().isEmpty() && l->text().back().isUpper())
                t << l->text();
        return t;
    };
    EXPECT_TRUE(textes().contains(QStringLiteral("3,00 F")));
    const auto spins = fenetre.findChildren<QSpinBox*>();
    ASSERT_EQ(spins.size(), 21);
    spins[9]->setValue(10); // A4 sheets
    spins[0]->setValue(1);  // 114 x 162 mm envelope
    EXPECT_TRUE(textes().contains(QStringLiteral("6,70 F")));
    EXPECT_TRUE(textes().contains(QStringLiteral("1,02 E")));
    // Each tariff button gives the panel the core's figures for the same counts.
    zel::outils::PeseLettres attendu;
    attendu.setCompte(9, 10);
    attendu.setCompte(0, 1);
    for (const auto& [libelle, tarif] :
         {std::pair{u"Expédition France Ecopli", zel::outils::PeseLettres::Tarif::FranceEcopli},
          std::pair{u"Expédition vers l'U.E.", zel::outils::PeseLettres::Tarif::UnionEuropeenne}}) {
        QAbstractButton* bouton = zel::test::bouton(fenetre, QString::fromUtf16(libelle));
        ASSERT_NE(bouton, nullptr);
        bouton->click();
        attendu.setTarif(tarif);
        EXPECT_TRUE(textes().contains(attendu.texteFrancs()))
            << attendu.texteFrancs().toStdString();
        EXPECT_TRUE(textes().contains(attendu.texteEuros()));
    }
}

TEST(TCalendrier, PageSuivanteEnDecembreMontreJanvier) {
    TCalendrier fenetre(nullptr);
    auto* grille = fenetre.findChild<QCalendarWidget*>();
    ASSERT_NE(grille, nullptr);
    EXPECT_EQ(grille->firstDayOfWeek(), Qt::Sunday);
    const QDate debut = QDate::currentDate();
    const int versDecembre = 12 - debut.month();
    for (int i = 0; i <= versDecembre; ++i) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(grille, &e);
    }
    EXPECT_EQ(grille->monthShown(), 1);
    EXPECT_EQ(grille->yearShown(), debut.year() + 1);
    bool titre = false;
    for (const QLabel* l : fenetre.findChildren<QLabel*>())
        titre = titre || l->text() == QStringLiteral("janvier  %1").arg(debut.year() + 1);
    EXPECT_TRUE(titre);
}

TEST(TCalendrier, LeTitreSuitLeMoisAtteintAvecLesFleches) {
    TCalendrier fenetre(nullptr);
    auto* grille = fenetre.findChild<QCalendarWidget*>();
    ASSERT_NE(grille, nullptr);
    auto* vue = grille->findChild<QTableView*>();
    ASSERT_NE(vue, nullptr);
    const QLocale francais(QLocale::French, QLocale::France);
    const auto titre = [&fenetre] {
        QStringList t;
        for (const QLabel* l : fenetre.findChildren<QLabel*>())
            t.append(l->text());
        return t;
    };
    // Each arrow, held until another month is shown.
    for (const Qt::Key touche : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right}) {
        const QDate avant(grille->yearShown(), grille->monthShown(), 1);
        for (int i = 0; i < 40 && QDate(grille->yearShown(), grille->monthShown(), 1) == avant; ++i)
            QTest::keyClick(vue, touche);
        EXPECT_NE(QDate(grille->yearShown(), grille->monthShown(), 1), avant);
        EXPECT_TRUE(titre().contains(francais.monthName(grille->monthShown()) +
                                     QStringLiteral("  ") + QString::number(grille->yearShown())))
            << titre().join(u'|').toStdString();
    }
}
