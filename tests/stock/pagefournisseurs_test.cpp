#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneFournisseur;

using zel::test::s;

QStringList fournisseur(int n, const std::map<int, QString>& champs,
                        const QStringList& suite = {}) {
    return test::bloc(n, 24, champs, suite);
}

// The card window on a set, seen from the supplier tab.
struct Montage : test::Montage {
    PageFournisseurs& page = fenetre.fournisseurs();
    Carte& carte = page.carte();

    void charge(const QStringList& fournisseurs) {
        test::Montage::charge({}, fournisseurs);
        fenetre.montre(Sorte::Fournisseurs);
    }
};

} // namespace

TEST(CarteFournisseur, RiskAndLedgerStayInPlaceOverRepeatedRewrites) {
    Montage m;
    m.charge(
        fournisseur(
            0,
            {{L::Code, s("10001")}, {L::Risque, s("Moyen")}, {L::CompteFournisseur, s("401000")}},
            {s("MEMOlivre le mardi")}) +
        fournisseur(1, {{L::Code, s("10002")}, {L::Risque, s("Faible")}}));
    for (int i = 0; i < 3; ++i) {
        m.carte.saisit(L::Nom, QStringLiteral("Dupont %1").arg(i));
        m.page.navigue(Pas::Dernier);
        m.page.navigue(Pas::Premier);
    }
    EXPECT_EQ(m.carte.champ(L::Risque), s("Moyen"));
    const QStringList lignes = m.sauve("frs");
    ASSERT_EQ(lignes.size(), 2 * 26 + 1);
    EXPECT_EQ(lignes[L::Nom], s("Dupont 2"));
    EXPECT_EQ(lignes[L::Risque], s("Moyen"));
    EXPECT_EQ(lignes[L::CompteFournisseur], s("401000"));
    EXPECT_EQ(lignes[25], s("MEMOlivre le mardi"));
    EXPECT_EQ(lignes[27 + L::Risque], s("Faible"));
}

TEST(CarteFournisseur, TypingOnlyAnAmountMarksTheSupplier) {
    Montage m;
    m.charge(fournisseur(0, {{L::Code, s("10001")}}));
    EXPECT_EQ(m.carte.toucheMontant(u'.'), QChar(u','));
    m.carte.saisit(L::CreditMaxi, s("1500,5"));
    ASSERT_TRUE(m.carte.quitteMontant(L::CreditMaxi));
    m.fenetre.montre(Sorte::Clients);
    EXPECT_EQ(m.sauve("frs")[L::CreditMaxi].trimmed(), s("1500,50"));
}

TEST(ParcoursFournisseurs, PostalCodeExactTownInAnyCaseOneSupplierStays) {
    Montage m;
    const auto fiche = [](int n, const char* cp, const char* ville) {
        return fournisseur(n, {{L::CodePostal, s(cp)}, {L::Ville, s(ville)}});
    };
    m.charge(fiche(0, "69003", "Lyon") + fiche(1, "75011", "PARIS") + fiche(2, "69003", "lyon") +
             fiche(3, "69003 ", "Paris"));
    m.dialogues.saisies = {s("69003")};
    m.page.SetFour(SelectionFournisseur::CodePostal);
    m.page.navigue(Pas::Dernier);
    EXPECT_EQ(m.page.courant(), 2);
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.page.courant(), 2) << "the code with a blank is another code";
    m.dialogues.saisies = {s("paris")};
    m.page.SetFour(SelectionFournisseur::Ville);
    m.page.navigue(Pas::Premier);
    EXPECT_EQ(m.page.courant(), 1);
    m.page.navigue(Pas::Suivant);
    EXPECT_EQ(m.page.courant(), 3);
    // Cancelling keeps the previous key, which the dialog shows.
    m.page.SetFour(SelectionFournisseur::Ville);
    EXPECT_EQ(m.dialogues.vus.last(), s("saisie: Ville [PARIS]"));
    m.page.navigue(Pas::Premier);
    EXPECT_EQ(m.page.courant(), 1);

    Montage seul;
    seul.charge(fournisseur(0, {{L::Nom, s("Seul")}}));
    seul.carte.saisit(L::Nom, s("Seul et unique"));
    seul.page.navigue(Pas::Suivant);
    EXPECT_EQ(seul.page.courant(), 0) << "next does nothing with one supplier";
    EXPECT_EQ(seul.carte.champ(L::Nom), s("Seul et unique"));
    seul.page.navigue(Pas::Precedent);
    EXPECT_FALSE(seul.carte.estModifiee());
    EXPECT_EQ(seul.carte.champ(L::Nom), s("Seul et unique"));
}

TEST(ListesFournisseurs, PickerAndList) {
    Montage m;
    m.charge(fournisseur(0, {{L::Code, s("F 1")}, {L::Nom, s("Dupont")}}) +
             fournisseur(1, {{L::Code, s("F2")}, {L::Nom, s("Martin")}, {L::Telephone, s("01")}}));
    m.dialogues.choix = {0, 1};
    EXPECT_EQ(m.page.choisitFournisseur(), s("F"));
    m.page.Liste();
    EXPECT_EQ(m.page.courant(), 1);
    const TableListe& t = m.dialogues.derniereListe;
    EXPECT_EQ(t.titre, s("Liste des fournisseurs"));
    EXPECT_EQ(t.lignes[1], QStringList({s("1"), s("2"), s("Martin"), s(""), s(""), s(""), s(""),
                                        s("01"), s("")}));

    Montage vide;
    vide.charge({});
    vide.page.Liste();
    EXPECT_EQ(vide.dialogues.vus, QStringList{s("message: Aucune fiche fournisseur à afficher.")});
}
