#include "records/tri.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneClient;

using zel::test::s;

QStringList client(int n, const char* code, const char* nom, const QStringList& suite = {},
                   const char* codePostal = "") {
    return test::bloc(n, 25, {{L::Code, s(code)}, {L::Nom, s(nom)}, {L::CodePostal, s(codePostal)}},
                      suite);
}

// The names, codes or any line of the blocks 0, 1, 2 ... as the saved file holds them.
QStringList lignesDesBlocs(const Blocs& store, int ligne) {
    QStringList r;
    for (int n = 0; n < store.CompteBlocs(); ++n)
        r.append(store.contenuBloc(n).value(ligne - 1));
    return r;
}

// Sorts the clients by the choice given, as the menu does.
void trie(test::Montage& m, int choix, Operation operation = Operation::Trier) {
    m.dialogues.choix = {choix};
    ASSERT_TRUE(m.fenetre.execute(operation));
}

} // namespace

TEST(Tri, SortsNamesInFrenchOrderWithLetterCaseIgnoredAndTheCodeAfterTheKey) {
    struct Cas {
        const char* quoi;
        std::vector<std::pair<const char*, const char*>> codesNoms;
        int choix;
        QStringList noms;
        QStringList codes;
    };
    const Cas cas[] = {
        {"b, A, c",
         {{"10001", "b"}, {"10002", "A"}, {"10003", "c"}},
         0,
         {s("A"), s("b"), s("c")},
         {s("10002"), s("10001"), s("10003")}},
        {"equal names keep the order of their codes",
         {{"10003", "Dupont"}, {"10001", "DUPONT"}, {"10002", "dupont"}},
         0,
         {s("DUPONT"), s("dupont"), s("Dupont")},
         {s("10001"), s("10002"), s("10003")}},
        {"accented letters with their base letter",
         {{"10001", "Fabre"}, {"10002", "Éric"}, {"10003", "Dupont"}, {"10004", "eve"}},
         0,
         {s("Dupont"), s("Éric"), s("eve"), s("Fabre")},
         {s("10003"), s("10002"), s("10004"), s("10001")}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        test::Montage m;
        QStringList lignes;
        for (std::size_t i = 0; i < c.codesNoms.size(); ++i)
            lignes += client(int(i), c.codesNoms[i].first, c.codesNoms[i].second);
        m.charge(lignes);
        trie(m, c.choix);
        EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsCli(), L::Nom), c.noms);
        EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsCli(), L::Code), c.codes);
        EXPECT_TRUE(m.jeu.TestModif());
    }
}

TEST(Tri, PostalCodesSortCharacterByCharacter) {
    test::Montage m;
    m.charge(client(0, "10001", "a", {}, "9100") + client(1, "10002", "b", {}, "75011") +
             client(2, "10003", "c", {}, "13000"));
    trie(m, 1);
    EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsCli(), L::CodePostal),
              (QStringList{s("13000"), s("75011"), s("9100")}));
}

TEST(Tri, KeepsMemosAndAccountRowsAndDropsTheLinesBetweenBlocks) {
    QStringList suite;
    for (int i = 0; i < 3; ++i)
        suite.append(s("MEMOligne %1").arg(i));
    for (int i = 0; i < 10; ++i)
        suite.append(s("DATA0%1/01/2026\tFacture %1\t  1%1,00").arg(i));
    test::Montage m;
    m.charge(client(0, "10001", "Zola", suite) + QStringList{QString(), s(" ")} +
             client(1, "10002", "Balzac") + QStringList{QString()});
    trie(m, 0);
    const QStringList fichier = m.sauve();
    EXPECT_EQ(fichier, client(0, "10002", "Balzac") + client(1, "10001", "Zola", suite));
}

TEST(Tri, CompletesABlockThatLostItsClosingTagAndFindsTagsInAnyLetterCase) {
    // The first block lost its closing tag; the second is written in lower case.
    QStringList b0 = client(0, "10001", "Zola");
    b0.removeLast();
    QStringList b1 = client(1, "10002", "Balzac");
    b1.first() = s("<bloc0001>");
    b1.last() = s("</bloc0001>");
    Blocs store;
    store.remplaceTout(b0 + b1 + client(2, "10003", "Hugo"));
    EXPECT_EQ(trieBlocs(store, L::Nom), 3);
    EXPECT_EQ(store.lignes(), client(0, "10002", "Balzac") + client(1, "10003", "Hugo") +
                                  client(2, "10001", "Zola"));
}

TEST(Tri, ShowsTheRecordNowAtTheCurrentNumberAndAnulerChangesNothing) {
    test::Montage m;
    const QStringList lignes = client(0, "10001", "b") + client(1, "10002", "A");
    m.charge(lignes);
    PageClients& page = m.fenetre.clients();
    ASSERT_EQ(page.carte().champ(L::Nom), s("b"));
    m.dialogues.choix = {std::nullopt};
    ASSERT_TRUE(m.fenetre.execute(Operation::Trier));
    EXPECT_EQ(m.jeu.BlocsCli().lignes(), lignes);
    EXPECT_FALSE(m.jeu.TestModif());
    EXPECT_EQ(m.dialogues.vus.last(), s("tri: Nom/ société/Code postal/Ville"));

    // A change typed on the card is written back before the sort.
    page.carte().saisit(L::Nom, s("C"));
    trie(m, 0);
    EXPECT_EQ(page.courant(), 0);
    EXPECT_EQ(page.carte().champ(L::Nom), s("A"));
    EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsCli(), L::Nom), (QStringList{s("A"), s("C")}));
    EXPECT_EQ(m.jeu.compte(Sorte::Clients), 2);
}

TEST(Tri, SuppliersByTownAndArticlesByReferenceThroughTheirOwnDialogs) {
    namespace LF = ligneFournisseur;
    namespace LA = ligneArticle;
    test::Montage m;
    m.charge({},
             test::bloc(0, 24, {{LF::Code, s("10001")}, {LF::Ville, s("Paris")}}) +
                 test::bloc(1, 24, {{LF::Code, s("10002")}, {LF::Ville, s("Lyon")}}),
             test::bloc(0, 21, {{LA::Code, s("10001")}, {LA::Reference, s("R2")}}) +
                 test::bloc(1, 21, {{LA::Code, s("10002")}, {LA::Reference, s("r1")}}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Fournisseurs));
    trie(m, 2, Operation::TrierFour);
    EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsFour(), LF::Ville), (QStringList{s("Lyon"), s("Paris")}));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Articles));
    trie(m, 2, Operation::TrierArt);
    EXPECT_EQ(m.dialogues.vus.last(), s("tri: Désignation/Code aricle/Référence"));
    EXPECT_EQ(lignesDesBlocs(m.jeu.BlocsArt(), LA::Reference), (QStringList{s("r1"), s("R2")}));
}
