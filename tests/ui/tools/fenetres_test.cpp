#include "ui/tools/tcalendrier.h"
#include "ui/tools/tplettre.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>

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
