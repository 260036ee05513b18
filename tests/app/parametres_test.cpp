#include "app/parametres.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using zel::EditeurListe;

namespace {

using zel::test::s;

} // namespace

TEST(Parametres, TheCompanyHeaderChangesOnlyWithAFirstLine) {
    zel::EnteteSociete entete{s("Zel SARL"), s("1 rue Haute")};
    zel::EnteteSociete sansNom{QString(), s("2 rue Basse"), s("Tél")};
    EXPECT_FALSE(zel::changeEntete(entete, sansNom));
    EXPECT_EQ(entete[0], s("Zel SARL"));
    EXPECT_EQ(entete[1], s("1 rue Haute"));
    zel::EnteteSociete nouveau{s("Autre"), QString(), s("Tél")};
    EXPECT_TRUE(zel::changeEntete(entete, nouveau));
    EXPECT_EQ(entete, nouveau);
}

TEST(Parametres, EachListItemEditsItsListUnderItsTitle) {
    using zel::Operation;
    zel::ListesChoix listes;
    const std::vector<std::tuple<Operation, const char*, const char*, QStringList*>> cas = {
        {Operation::Repre, "Les Représentants", "Représentant", &listes.representants},
        {Operation::Banques, "Les Banques", "Banque", &listes.banques},
        {Operation::FamFournis, "Les familles de fournisseurs", "Famille",
         &listes.famillesFournisseurs},
        {Operation::FamArt, "Les familles d'articles", "Famille", &listes.famillesArticles},
    };
    for (const auto& [operation, titre, etiquette, liste] : cas) {
        const std::optional<zel::ListeEditee> l = zel::listeEditee(operation);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->titre, s(titre));
        EXPECT_EQ(l->etiquette, s(etiquette));
        EXPECT_EQ(&(listes.*(l->liste)), liste);
    }
    EXPECT_FALSE(zel::listeEditee(Operation::ParF));
}

TEST(EditeurListe, ValidateReplacesTheSelectedItemOrAppends) {
    EditeurListe e({s("Dupont"), s("Martin")});
    e.clique(1);
    EXPECT_EQ(e.saisie(), s("Martin"));
    e.setSaisie(s("Durand"));
    e.valide();
    EXPECT_EQ(e.elements(), QStringList({s("Dupont"), s("Durand")}));
    EXPECT_EQ(e.selection(), -1);
    EXPECT_TRUE(e.saisie().isEmpty());

    // Nothing selected: even an empty text is appended.
    e.valide();
    e.setSaisie(s("Petit"));
    e.valide();
    EXPECT_EQ(e.elements(), QStringList({s("Dupont"), s("Durand"), QString(), s("Petit")}));

    e.clique(0);
    e.supprime();
    EXPECT_EQ(e.elements(), QStringList({s("Durand"), QString(), s("Petit")}));
    EXPECT_EQ(e.selection(), -1);
    EXPECT_TRUE(e.saisie().isEmpty());
    // Delete without a selection removes nothing.
    e.supprime();
    EXPECT_EQ(e.elements().size(), 3);
}

TEST(Parametres, TheDepartementsRunFromArmeesToDom) {
    const QStringList d = zel::departements();
    ASSERT_EQ(d.size(), 97);
    EXPECT_EQ(d.first(), s("00 Armées"));
    EXPECT_EQ(d[1], s("01 Ain"));
    EXPECT_EQ(d[20], s("20 Corse"));
    EXPECT_EQ(d[75], s("75 Paris"));
    EXPECT_EQ(d[95], s("95 Val-d'Oise"));
    EXPECT_EQ(d.last(), s("97 Dom"));
    for (int i = 0; i < 96; ++i)
        EXPECT_EQ(d[i].left(3), QStringLiteral("%1 ").arg(i, 2, 10, QLatin1Char('0')));
}
