#include "store/maintenance.h"
#include "support/texte.h"

#include <gtest/gtest.h>

namespace {

using namespace zel::maintenance;
using zel::Blocs;

using zel::test::s;

QStringList bloc(int n, const QStringList& contenu) {
    const zel::Balises b = Blocs::BalisesBloc(n);
    return QStringList{b.ouverture} + contenu + QStringList{b.fermeture};
}

Blocs store(const QStringList& lignes) {
    Blocs b;
    b.remplaceTout(lignes);
    return b;
}

} // namespace

TEST(Verif, ABalancedStoreIsLeftAsItIs) {
    Blocs b = store(bloc(1, {s("b")}) + QStringList{s("hors")} + bloc(0, {s("a")}));
    const QStringList avant = b.lignes();
    int compte = 2;
    EXPECT_FALSE(Verif(b, compte));
    EXPECT_EQ(b.lignes(), avant);
    EXPECT_EQ(compte, 2);
}

TEST(Verif, RepairsKeepEveryBlockInNumberOrderAndDropOnlyStrayLines) {
    const struct {
        const char* cas;
        QStringList lignes;
        int compte;
        QStringList attendu;
    } cas[] = {
        {"extra closing tag at the end",
         bloc(2, {s("c")}) + bloc(0, {s("a")}) + bloc(1, {s("b")}) + QStringList{s("</BLOC0002>")},
         3, bloc(0, {s("a")}) + bloc(1, {s("b")}) + bloc(2, {s("c")})},
        {"a missing number keeps the blocks after it",
         bloc(0, {s("a")}) + bloc(2, {s("c")}) + QStringList{s("</BLOC0009>")}, 2,
         bloc(0, {s("a")}) + bloc(1, {s("c")})},
        {"an unclosed block ends at the next opening tag",
         QStringList{s("<BLOC0000>"), s("a")} + bloc(1, {s("b")}), 2,
         bloc(0, {s("a")}) + bloc(1, {s("b")})},
        {"a block with an unreadable number is kept last",
         QStringList{s("<BLOCabcd>"), s("x"), s("</BLOCabcd>")} + bloc(0, {s("a")}) +
             QStringList{s("</BLOC0000>")},
         2, bloc(0, {s("a")}) + bloc(1, {s("x")})},
        {"a second copy is kept as a record of its own",
         bloc(0, {s("a")}) + bloc(0, {s("a2")}) + QStringList{s("<BLOC0001>"), s("b")}, 3,
         bloc(0, {s("a")}) + bloc(1, {s("b")}) + bloc(2, {s("a2")})},
    };
    for (const auto& c : cas) {
        Blocs b = store(c.lignes);
        int compte = c.compte;
        EXPECT_TRUE(Verif(b, compte)) << c.cas;
        EXPECT_EQ(b.lignes(), c.attendu) << c.cas;
        EXPECT_EQ(compte, b.CompteBlocs()) << c.cas;
        int apres = compte;
        EXPECT_FALSE(Verif(b, apres)) << c.cas << ": the repaired store balances";
    }
}

TEST(Doublons, TheFirstCopyGoesAndTheCountStays) {
    Blocs b = store(bloc(0, {s("a")}) + bloc(1, {s("vieux")}) + bloc(1, {s("neuf")}) +
                    bloc(2, {s("c")}) + bloc(2, {s("c2")}) + bloc(2, {s("c3")}));
    Doublons(b, 6);
    EXPECT_EQ(b.lignes(),
              bloc(0, {s("a")}) + bloc(1, {s("neuf")}) + bloc(2, {s("c2")}) + bloc(2, {s("c3")}));
    const QStringList sans = bloc(0, {s("a")}) + bloc(7, {s("x")}) + bloc(7, {s("y")});
    Blocs horsCompte = store(sans);
    Doublons(horsCompte, 2);
    EXPECT_EQ(horsCompte.lignes(), sans) << "numbers beyond the count are not counted";
    // A line that only begins like a tag is not a second copy: the real block stays.
    const QStringList faux = bloc(0, {s("<BLOC0001>x")}) + bloc(1, {s("b")});
    Blocs avecFaux = store(faux);
    Doublons(avecFaux, 3);
    EXPECT_EQ(avecFaux.lignes(), faux);
    // A first copy left unclosed ends before the copy kept, which stays whole.
    const QStringList garde = bloc(1, {s("neuf")}) + QStringList{s("</BLOC0000>x")};
    Blocs ouverte = store(QStringList{s("<BLOC0001>"), s("vieux")} + garde);
    Doublons(ouverte, 2);
    EXPECT_EQ(ouverte.lignes(), garde);
}

TEST(Supprime, DeletingRenumbersTheRecordsAfterAndKeepsTheCurrentInRange) {
    const QStringList trois = bloc(0, {s("a")}) + bloc(1, {s("b")}) + bloc(2, {s("c")});
    const struct {
        int courant;
        QStringList attendu;
        int courantApres;
    } cas[] = {
        {0, bloc(0, {s("b")}) + bloc(1, {s("c")}), 0},
        {1, bloc(0, {s("a")}) + bloc(1, {s("c")}), 1},
        {2, bloc(0, {s("a")}) + bloc(1, {s("b")}), 1},
    };
    for (const auto& c : cas) {
        Blocs b = store(trois);
        int compte = 3;
        int courant = c.courant;
        Supprime(b, compte, courant);
        EXPECT_EQ(b.lignes(), c.attendu) << c.courant;
        EXPECT_EQ(compte, 2);
        EXPECT_EQ(courant, c.courantApres);
    }
    Blocs seul = store(bloc(0, {s("a")}));
    int compte = 1;
    int courant = 0;
    Supprime(seul, compte, courant);
    EXPECT_TRUE(seul.estVide());
    EXPECT_EQ(compte, 1) << "one empty record stays";
    EXPECT_EQ(courant, 0);

    // A record added but never written has no block: the others only move down.
    Blocs sansBloc = store(bloc(0, {s("a")}) + QStringList{s(" ")} + bloc(2, {s("c")}));
    compte = 3;
    courant = 1;
    Supprime(sansBloc, compte, courant);
    EXPECT_EQ(sansBloc.lignes(), bloc(0, {s("a")}) + QStringList{s(" ")} + bloc(1, {s("c")}));
}

TEST(Squize, LeadingBlankLinesGoWhileThreeLinesRemain) {
    const struct {
        QStringList avant;
        QStringList apres;
    } cas[] = {
        {QStringList{s(""), s("  ")} + bloc(0, {s("a")}), bloc(0, {s("a")})},
        {{s(" ")}, {s(" ")}},
        {{s(" "), s(" "), s(" ")}, {s(" "), s(" ")}},
        {QStringList{s("x"), s("")} + bloc(0, {}), QStringList{s("x"), s("")} + bloc(0, {})},
        {bloc(0, {}) + QStringList{s(" ")} + bloc(1, {}),
         bloc(0, {}) + QStringList{s(" ")} + bloc(1, {})},
    };
    for (const auto& c : cas) {
        Blocs b = store(c.avant);
        Squize(b);
        EXPECT_EQ(b.lignes(), c.apres);
    }
}

TEST(Numerom, NextCodeIsOneAboveTheHighestWholeCodeAndNeverBelow10001) {
    const struct {
        QStringList lignes;
        int attendu;
    } cas[] = {
        {{}, 10001},
        {bloc(0, {s("10007")}) + bloc(1, {s("10003")}), 10008},
        {bloc(0, {s("42")}) + bloc(1, {s("")}), 10001},
        {bloc(0, {s("abc")}) + bloc(1, {s("10050")}) + bloc(2, {s("12,5")}), 10051},
        {QStringList{s("<BLOC0000>")}, 10001},
    };
    for (const auto& c : cas) {
        const Blocs b = store(c.lignes);
        EXPECT_EQ(Numerom(b), c.attendu);
        EXPECT_EQ(Numerou(b), c.attendu);
        EXPECT_EQ(Numeroa(b), c.attendu);
    }
}
