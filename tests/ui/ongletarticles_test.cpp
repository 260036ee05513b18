#include "ui/ongletarticles.h"
#include "ui/ongletfournisseurs.h"

#include "support/montage.h"
#include "support/texte.h"
#include "ui/gestes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneArticle;

using zel::test::s;

void tape(QWidget* w, int touche, const QString& texte = QString()) {
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

// An article and a supplier, each with one account row, and both tabs on them.
struct Onglets : testing::Test {
    test::Montage m;
    std::unique_ptr<ui::OngletArticles> articles;
    std::unique_ptr<ui::OngletFournisseurs> fournisseurs;

    void SetUp() override {
        const QStringList ligneCompte{s("DATA01/12/2026\tAcompte\t10,00")};
        m.charge({}, test::bloc(0, 24, {{ligneFournisseur::Nom, s("Dupont")}}, ligneCompte),
                 test::bloc(0, 21, {{L::PrixAchat, s("10")}}, ligneCompte));
        m.fenetre.montre(Sorte::Fournisseurs);
        fournisseurs =
            std::make_unique<ui::OngletFournisseurs>(m.fenetre.fournisseurs(), m.reglages.listes);
        m.fenetre.montre(Sorte::Articles);
        articles = std::make_unique<ui::OngletArticles>(m.fenetre.articles(), m.reglages.listes);
        articles->montreCarte();
    }
};

} // namespace

TEST_F(Onglets, LeavingTheCoefficientShowsBothSalePrices) {
    QLineEdit* coefficient = articles->champ(L::Coefficient);
    tape(coefficient, 0, s("2"));
    test::quitte(coefficient);
    EXPECT_EQ(coefficient->text().trimmed(), s("2,00"));
    EXPECT_EQ(articles->champ(L::PrixHT)->text().trimmed(), s("20,00"));
    EXPECT_EQ(articles->champ(L::PrixTTC)->text().trimmed(), s("23,92"));
    // In the other sale mode the coefficient gives the price with tax first.
    QAbstractButton* ttc = test::bouton(*articles, s("Vente en TTC"));
    ASSERT_NE(ttc, nullptr);
    ttc->click();
    test::quitte(coefficient);
    EXPECT_EQ(articles->champ(L::PrixTTC)->text().trimmed(), s("20,00"));
    EXPECT_EQ(articles->champ(L::PrixHT)->text().trimmed(), s("16,72"));
    EXPECT_EQ(articles->champ(L::PrixTTC)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(articles->champ(L::PrixHT)->focusPolicy(), Qt::ClickFocus);
}

TEST_F(Onglets, DeleteInTheArticleGridLeavesTheSuppliersRows) {
    QTableWidget* grille = articles->grille();
    ASSERT_EQ(grille->item(0, 1)->text(), s("Acompte"));
    grille->setCurrentCell(0, 1);
    tape(grille, Qt::Key_Delete);
    EXPECT_TRUE(grille->item(0, 1)->text().isEmpty());
    EXPECT_TRUE(m.fenetre.articles().carte().ligneGrille(0).estVide());
    EXPECT_EQ(m.fenetre.fournisseurs().carte().ligneGrille(0).libelle, s("Acompte"));
    EXPECT_EQ(fournisseurs->grille()->item(0, 1)->text(), s("Acompte"));
    m.fenetre.montre(Sorte::Fournisseurs);
    EXPECT_EQ(m.sauve("frs").mid(25, 1), QStringList{s("DATA01/12/2026\tAcompte\t10,00")});
    EXPECT_EQ(m.relit("stk").size(), 23);
}
