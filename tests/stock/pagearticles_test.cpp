#include "support/montagearticles.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneArticle;

using zel::test::s;

QStringList article(int n, const std::map<int, QString>& champs, const QStringList& suite = {}) {
    return test::bloc(n, 21, champs, suite);
}

using Montage = test::MontageArticles;

} // namespace

TEST(CarteArticle, PricesFollowTheFieldLeftInBothSaleModesWhateverIsFixed) {
    const struct Cas {
        const char* quoi;
        bool ttc;
        int quitte;
        const char* achat;
        const char* coefficient;
        const char* ht;
        const char* prixTtc;
        const char* tva;
        const char* attenduCoefficient;
        const char* attenduHt;
        const char* attenduTtc;
    } cas[] = {
        {"coefficient 2 on 10, before tax", false, L::Coefficient, "10", "2", "", "", "1", "2,00",
         "20,00", "23,92"},
        {"coefficient 2 on 10, tax included", true, L::Coefficient, "10", "2", "", "", "1", "2,00",
         "16,72", "20,00"},
        {"the sale price before tax gives the other price and the coefficient", false, L::PrixHT,
         "50", "1", "100", "", "1", "2,00", "100,00", "119,60"},
        {"the price with tax gives the coefficient on itself, whatever the mode", false, L::PrixTTC,
         "50", "1", "", "119,6", "1", "2,39", "100,00", "119,60"},
        {"a purchase price of zero leaves the coefficient", false, L::PrixHT, "0", "1,5", "100", "",
         "1", "1,5", "100,00", "119,60"},
        {"an unreadable purchase price stops at once", false, L::Coefficient, "abc", "2", "5", "6",
         "1", "2,00", "5", "6"},
        {"the third rate", false, L::Coefficient, "10", "2", "", "", "3", "2,00", "20,00", "21,10"},
        {"a VAT number outside 1 to 3 stops after the price it does not need", false,
         L::Coefficient, "10", "2", "", "", "7", "2,00", "20,00", ""},
    };
    for (const Cas& c : cas) {
        for (const bool prixFixe : {true, false}) {
            Montage m;
            m.charge(article(0, {{L::Code, s("10001")}}));
            PageArticles& p = m.page;
            p.setVenteTTC(c.ttc);
            p.setPrixFixe(prixFixe);
            m.carte.saisit(L::Tva, s(c.tva));
            m.carte.saisit(L::PrixAchat, s(c.achat));
            m.carte.saisit(L::Coefficient, s(c.coefficient));
            m.carte.saisit(L::PrixHT, s(c.ht));
            m.carte.saisit(L::PrixTTC, s(c.prixTtc));
            ASSERT_TRUE(p.quitteChamp(c.quitte)) << c.quoi;
            EXPECT_EQ(m.champ(L::Coefficient), s(c.attenduCoefficient)) << c.quoi;
            EXPECT_EQ(m.champ(L::PrixHT), s(c.attenduHt)) << c.quoi;
            EXPECT_EQ(m.champ(L::PrixTTC), s(c.attenduTtc)) << c.quoi;
            EXPECT_TRUE(m.carte.estModifiee()) << c.quoi;
        }
    }
}

TEST(CarteArticle, LeavingTheStockOrThePurchasePrice) {
    Montage m;
    m.charge(article(0, {{L::Code, s("10001")}}));
    m.carte.saisit(L::StockMini, s("3"));
    m.jeu.setCarteModifiee(Sorte::Articles, false);
    ASSERT_TRUE(m.page.quitteChamp(L::StockMini));
    EXPECT_EQ(m.champ(L::StockMini), s("3,00"));
    EXPECT_FALSE(m.carte.estModifiee()) << "a stock field is only reformatted";

    m.carte.saisit(L::PrixHT, s("40"));
    m.carte.saisit(L::PrixAchat, s("12,5"));
    m.jeu.setCarteModifiee(Sorte::Articles, false);
    ASSERT_TRUE(m.page.quitteChamp(L::PrixAchat));
    EXPECT_EQ(m.champ(L::PrixAchat), s("12,50"));
    EXPECT_EQ(m.champ(L::PrixMoyen), s("12,50")) << "an empty weighted cost takes the price";
    EXPECT_EQ(m.champ(L::PrixHT), s("40")) << "sale prices are not recomputed";
    EXPECT_TRUE(m.carte.estModifiee());

    m.carte.saisit(L::PrixAchat, s("1,2,3"));
    EXPECT_FALSE(m.page.quitteChamp(L::PrixAchat));
    EXPECT_EQ(m.carte.champ(L::PrixAchat), s("1,2,3"));
    EXPECT_EQ(m.dialogues.vus.size(), 1u);
}

TEST(CarteArticle, APricePastTheLargestNumberIsToldAndTheOtherPricesStay) {
    const QString grand = QString::fromStdString(test::tresGrand);
    // About 1.6e308: the VAT factor takes it past the largest number.
    const QString plusGrand = s("15") + QString(307, u'9');
    const struct {
        int quitte;
        bool ttc;
        const char* achat;
        QString saisi;
        const char* message;
    } cas[] = {
        {L::PrixHT, false, "50", plusGrand, "« Prix vente TTC »"},
        {L::Coefficient, false, "10", grand, "« Prix vente HT »"},
        {L::Coefficient, true, "10", grand, "« Prix vente HT »"},
        {L::PrixTTC, false, "0,001", grand, "« Coef. de marge »"},
    };
    for (const auto& c : cas) {
        Montage m;
        m.charge(article(0, {{L::Code, s("10001")},
                             {L::Tva, s("1")},
                             {L::PrixAchat, s(c.achat)},
                             {L::Coefficient, s("2")},
                             {L::PrixHT, s("7")},
                             {L::PrixTTC, s("8")}}));
        m.page.setVenteTTC(c.ttc);
        m.carte.saisit(c.quitte, c.saisi);
        EXPECT_TRUE(m.page.quitteChamp(c.quitte)) << "the field left keeps what was typed";
        EXPECT_EQ(m.dialogues.vus,
                  QStringList{s("message: Les prix ne sont pas calculés : ") + s(c.message) +
                              s(" dépasserait le plus grand nombre que le programme sait "
                                "écrire.")});
        for (const auto& [ligne, avant] :
             {std::pair{L::Coefficient, "2"}, {L::PrixHT, "7"}, {L::PrixTTC, "8"}}) {
            if (ligne != c.quitte) {
                EXPECT_EQ(m.champ(ligne), s(avant)) << c.message;
            }
        }
        EXPECT_EQ(m.champ(c.quitte), c.saisi + s(",00"));
    }
}

TEST(CarteArticle, TheTabKeyStopsOnThePricesTheModeAndFixerLeaveOpen) {
    const struct {
        bool ttc, prixFixe, coefficient, ht, prixTtc;
    } cas[] = {
        {false, true, false, true, false},
        {true, true, false, false, true},
        {false, false, true, false, false},
        {true, false, true, false, false},
    };
    Montage m;
    m.charge(article(0, {}));
    for (const auto& c : cas) {
        m.page.setVenteTTC(c.ttc);
        m.page.setPrixFixe(c.prixFixe);
        EXPECT_EQ(m.page.arretTab(L::Coefficient), c.coefficient);
        EXPECT_EQ(m.page.arretTab(L::PrixHT), c.ht);
        EXPECT_EQ(m.page.arretTab(L::PrixTTC), c.prixTtc);
        EXPECT_TRUE(m.page.arretTab(L::PrixAchat));
    }
}

TEST(CarteArticle, ReadingFillsTheDefaultsWithoutTouchingTheFile) {
    Montage m;
    const QStringList stock =
        article(0, {{L::Code, s("10007")}, {L::StockReel, s("  4,00")}, {L::Fixer, s("")}}) +
        article(1,
                {{L::Code, s("abc")}, {L::VenteTTC, s("Y")}, {L::Fixer, s("N")}, {L::Tva, s("2")}});
    m.charge(stock);
    EXPECT_EQ(m.champ(L::CompteVente), s("707000"));
    EXPECT_EQ(m.champ(L::CompteAchat), s("607000"));
    EXPECT_EQ(m.champ(L::Tva), s("1"));
    EXPECT_FALSE(m.page.venteTTC());
    EXPECT_TRUE(m.page.prixFixe()) << "anything but N fixes the sale price";
    EXPECT_FALSE(m.page.stockModifiable());
    m.page.navigue(Pas::Suivant);
    EXPECT_TRUE(m.page.venteTTC());
    EXPECT_FALSE(m.page.prixFixe());
    EXPECT_EQ(m.champ(L::Tva), s("2"));
    EXPECT_TRUE(m.page.stockModifiable());
    EXPECT_FALSE(m.carte.estModifiee());
    EXPECT_EQ(m.sauve("stk"), stock);

    // A new article: the next code above the whole-number codes, "abc" passed over.
    m.page.Ajout();
    EXPECT_EQ(m.page.courant(), 2);
    EXPECT_EQ(m.champ(L::Code), s("10008"));
    EXPECT_EQ(m.champ(L::CompteVente), s("707000"));
    EXPECT_FALSE(m.page.venteTTC());
}

TEST(CarteArticle, ResavingKeepsEachArticleInItsPlaceWithItsObservations) {
    Montage m;
    const QStringList premier = article(0, {{L::Designation, s("Vis")}});
    m.charge(premier + article(1, {{L::Designation, s("Clou")}},
                               {s("MEMOpointe"), s("MOBSà commander"), s("MOBSpar 100")}));
    m.page.navigue(Pas::Dernier);
    EXPECT_EQ(m.carte.memo(1), QStringList({s("à commander"), s("par 100")}));
    m.carte.saisit(L::Designation, s("Clou tête plate"));
    m.page.navigue(Pas::Premier);
    m.carte.saisit(L::Designation, s("Vis à bois"));
    m.page.EcritFiche();
    const QStringList lignes = m.sauve("stk");
    ASSERT_EQ(lignes.size(), 2 * 23 + 3);
    EXPECT_EQ(lignes[3], s("Vis à bois"));
    EXPECT_EQ(lignes[23 + 3], s("Clou tête plate"));
    EXPECT_EQ(lignes.mid(23 + 22, 4), QStringList({s("MEMOpointe"), s("MOBSà commander"),
                                                   s("MOBSpar 100"), s("</BLOC0001>")}));
}

TEST(CarteArticle, ALongBlockIsWrittenBackWhole) {
    // 185 observation lines run past line 200 of the block; none is lost on rewriting.
    QStringList observations;
    for (int i = 0; i < 185; ++i)
        observations.append(QStringLiteral("MOBSligne %1").arg(i));
    Montage m;
    m.charge(article(0, {{L::Designation, s("Vis")}}, observations));
    EXPECT_EQ(m.carte.memo(1).size(), 185);
    m.carte.saisit(L::Designation, s("Vis inox"));
    m.page.EcritFiche();
    EXPECT_EQ(m.sauve("stk").mid(22, 185), observations);
}

TEST(ParcoursArticles, FamilySupplierAndAlertSelections) {
    Montage m;
    const auto fiche = [](int n, const char* famille, const char* fournisseur, const char* stock,
                          const char* mini) {
        return article(n, {{L::Famille, s(famille)},
                           {L::Fournisseur, s(fournisseur)},
                           {L::StockReel, s(stock)},
                           {L::StockMini, s(mini)}});
    };
    m.charge(fiche(0, "Quincaillerie", "Dupont", "5", "5") +
             fiche(1, "Outils", "DUPONT", "-2", "0") +
             fiche(2, "QUINCAILLERIE", "Dupont", "1", "") +
             fiche(3, "quincaillerie", "Martin", "  1,00", "  2,00") +
             fiche(4, "Quincaillérie", "Dupont", "x", "3"));
    const auto parcours = [&m](SelectionArticle mode, const char* cle) {
        if (cle)
            m.dialogues.saisies.push_back(s(cle));
        m.page.SetArt(mode);
        std::vector<int> vus;
        m.page.navigue(Pas::Premier);
        for (int avant = -1; avant != m.page.courant();) {
            avant = m.page.courant();
            vus.push_back(avant);
            m.page.navigue(Pas::Suivant);
        }
        return vus;
    };
    EXPECT_EQ(parcours(SelectionArticle::Famille, "quincaillerie"), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(parcours(SelectionArticle::Fournisseur, "Dupont"), (std::vector<int>{0, 2, 4}));
    // Equal is not in alert, a negative stock below its minimum is, and a blank or unreadable
    // figure is passed over.
    EXPECT_EQ(parcours(SelectionArticle::Alerte, nullptr), (std::vector<int>{1, 3}));
    // A supplier key differing in case finds nothing: the current article stays.
    m.dialogues.saisies.push_back(s("dupont"));
    m.page.SetArt(SelectionArticle::Fournisseur);
    m.page.navigue(Pas::Premier);
    EXPECT_EQ(m.page.courant(), 3);
    // Cancelling the key takes the card's own.
    m.page.SetArt(SelectionArticle::Famille);
    m.page.navigue(Pas::Dernier);
    EXPECT_EQ(m.page.courant(), 3);
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Familles d'articles [quincaillerie]"));
}

TEST(ListesArticles, PickListsGiveTheCodeOrReferenceCutAtTheFirstBlank) {
    Montage m;
    m.charge(
        article(0, {{L::Code, s("A 12")}, {L::Designation, s("Vis")}, {L::Reference, s("")}}) +
        article(1,
                {{L::Code, s("B7")}, {L::Designation, s("Clou")}, {L::Reference, s("R-9 bis")}}));
    m.dialogues.choix = {0, 1, 0, std::nullopt};
    EXPECT_EQ(m.page.choisit(L::Code, L::Designation), s("A"));
    EXPECT_EQ(m.dialogues.dernieresEntrees, QStringList({s("A 12 Vis"), s("B7 Clou")}));
    EXPECT_EQ(m.page.choisit(L::Reference, L::Designation), s("R-9"));
    EXPECT_EQ(m.page.choisit(L::Reference, L::Designation), s(""));
    EXPECT_EQ(m.page.choisit(L::Code, L::Designation), std::nullopt);

    m.dialogues.choix = {1};
    m.page.Liste();
    EXPECT_EQ(m.page.courant(), 1);
    const TableListe& t = m.dialogues.derniereListe;
    EXPECT_EQ(t.titre, s("Liste des articles"));
    ASSERT_EQ(t.colonnes.size(), 9u);
    EXPECT_EQ(t.colonnes[4].titre, s("Désignation"));
    EXPECT_EQ(t.lignes[1], QStringList({s("1"), s("2"), s("B7"), s(""), s("Clou"), s(""), s(""),
                                        s(""), s("R-9 bis")}));
}

TEST(ListesArticles, TheSupplierChoicesAreTheSupplierNamesInStoreOrder) {
    Montage m;
    m.charge(article(0, {}),
             test::bloc(1, 24, {{3, s("Martin")}}) + test::bloc(0, 24, {{3, s("Dupont")}}));
    EXPECT_EQ(m.page.fournisseurs(), QStringList({s("Martin"), s("Dupont")}));
}
