#include "store/fichiertexte.h"

#include "support/fichiers.h"

#include <gtest/gtest.h>

namespace fichier = zel::fichier;
using zel::test::Dossier;

namespace {
QString s(const char* t) {
    return QString::fromUtf8(t);
}
} // namespace

TEST(FichierTexte, EveryByteValueComesBackUnchanged) {
    QByteArray octets;
    for (int v = 1; v <= 0xFF; ++v) {
        if (v != '\r' && v != '\n')
            octets.append(char(v));
    }
    octets.append("\r\n");
    Dossier d;
    d.ecrit(s("tous.cli"), octets);

    QStringList lignes;
    ASSERT_TRUE(fichier::lire(d.chemin(s("tous.cli")), lignes));
    ASSERT_EQ(lignes.size(), 1);
    EXPECT_EQ(lignes[0][0x80 - 3], QChar(0x20AC)); // 0x80 is the euro sign (CR and LF left out)
    EXPECT_EQ(lignes[0][0x81 - 3], QChar(0x0081)); // undefined bytes keep their value
    ASSERT_TRUE(fichier::ecrire(d.chemin(s("copie.cli")), lignes));
    EXPECT_EQ(d.lit(s("copie.cli")), octets);
}

TEST(FichierTexte, EveryLineEndGivesTheSameLines) {
    const QStringList attendu = {s("Dupont"), s(""), s("é")};
    const struct {
        const char* nom;
        QByteArray octets;
        QStringList lignes;
    } cas[] = {
        {"CR LF", QByteArray("Dupont\r\n\r\n\xE9\r\n"), attendu},
        {"LF", QByteArray("Dupont\n\n\xE9\n"), attendu},
        {"CR", QByteArray("Dupont\r\r\xE9\r"), attendu},
        {"mixed, last line unended", QByteArray("Dupont\r\n\n\xE9"), attendu},
        {"NUL ends the text", QByteArray("Dupont\r\n\r\n\xE9\r\n\0junk\r\n", 19), attendu},
        {"empty file", QByteArray(), QStringList()},
        {"one empty line", QByteArray("\r\n"), QStringList{s("")}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(fichier::decoupeLignes(c.octets), c.lignes) << c.nom;
}

TEST(FichierTexte, WritingEndsEveryLineWithCrLf) {
    Dossier d;
    ASSERT_TRUE(fichier::ecrire(d.chemin(s("a.cli")), {s("un"), s(""), s("trois")}));
    EXPECT_EQ(d.lit(s("a.cli")), QByteArray("un\r\n\r\ntrois\r\n"));
    ASSERT_TRUE(fichier::ecrire(d.chemin(s("vide.cli")), {}));
    EXPECT_TRUE(d.existe(s("vide.cli")));
    EXPECT_EQ(d.lit(s("vide.cli")), QByteArray());
}

TEST(FichierTexte, FailedWritesLeaveTheOldFileAndNameIt) {
    Dossier d;
    d.ecrit(s("a.cli"), "ancien\r\n");
    const struct {
        const char* nom;
        QString chemin;
        QStringList lignes;
        const char* motif;
    } cas[] = {
        {"character outside the code page", d.chemin(s("a.cli")), {s("ok"), s("Łódź")}, "ligne 2"},
        {"empty name", QString(), {s("x")}, "aucun nom"},
        {"name of a folder", d.racine(), {s("x")}, "dossier"},
        {"missing folder", d.chemin(s("absent/b.cli")), {s("x")}, "absent/b.cli"},
    };
    for (const auto& c : cas) {
        const zel::Resultat r = fichier::ecrire(c.chemin, c.lignes);
        ASSERT_FALSE(r) << c.nom;
        EXPECT_TRUE(r.message().contains(s(c.motif))) << c.nom << ": " << r.message().toStdString();
        EXPECT_TRUE(r.message().startsWith(s("Impossible d'enregistrer le fichier"))) << c.nom;
    }
    EXPECT_EQ(d.lit(s("a.cli")), QByteArray("ancien\r\n"));
}
