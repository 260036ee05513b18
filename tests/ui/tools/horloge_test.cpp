#include "ui/tools/thorloge.h"

#include "ui/gestes.h"

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

class ReglageEnregistre : public zel::outils::ReglageSysteme {
public:
    zel::Resultat regle(const QDateTime& utc) override {
        recus.push_back(utc);
        return zel::Resultat::succes();
    }
    std::vector<QDateTime> recus;
};

} // namespace

TEST(THorloge, UneHeureImpossibleEstRefuseeAvecUnMessage) {
    THorloge fenetre(nullptr);
    ReglageEnregistre systeme;
    QStringList messages;
    fenetre.systeme = &systeme;
    fenetre.confirme = [](const QString&) { return true; };
    fenetre.avertit = [&messages](const QString& m) { messages << m; };
    fenetre.show();
    zel::test::bouton(fenetre, QStringLiteral("Set"))->click();
    zel::test::bouton(fenetre, QStringLiteral("Jo"))->click();
    auto* haut = fenetre.findChildren<QToolButton*>().value(0);
    for (int i = 0; i < 40; ++i)
        haut->click(); // day 31
    zel::test::bouton(fenetre, QStringLiteral("Mo"))->click();
    auto* bas = fenetre.findChildren<QToolButton*>().value(1);
    for (int i = 0; i < 12; ++i)
        bas->click(); // month 00
    zel::test::bouton(fenetre, QStringLiteral("Set"))->click();
    EXPECT_TRUE(systeme.recus.empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("La date 31/00/")));
}

TEST(THorloge, LOrdinateurNEstMisALHeureQuApresUnOui) {
    THorloge fenetre(nullptr);
    ReglageEnregistre systeme;
    QStringList questions;
    QStringList messages;
    bool reponse = false;
    fenetre.systeme = &systeme;
    fenetre.confirme = [&](const QString& q) {
        questions << q;
        return reponse;
    };
    fenetre.avertit = [&messages](const QString& m) { messages << m; };
    fenetre.show();
    QAbstractButton* regle = zel::test::bouton(fenetre, QStringLiteral("Set"));
    regle->click();
    regle->click();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Mettre l'horloge de l'ordinateur à ")));
    EXPECT_TRUE(systeme.recus.empty()) << "Annuler sets nothing";
    reponse = true;
    regle->click();
    regle->click();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(systeme.recus.size(), 1u);
    EXPECT_TRUE(messages.isEmpty());
}
