#include "store/fichiertexte.h"

#include "support/fichiers.h"
#include "support/texte.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace fichier = zel::fichier;
using zel::test::Dossier;

namespace {
using zel::test::s;
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

TEST(FichierTexte, AFailedWriteGivesTheCauseTheSystemGaveAndKeepsTheOldFile) {
    Dossier d;
    d.ecrit(s("a.cli"), "ancien\r\n");
    zel::test::DossierProtege protege(d.racine());
    if (!protege.actif())
        GTEST_SKIP() << "this file system cannot refuse writes";
    const struct {
        const char* nom;
        QString chemin;
        const char* cause;
    } cas[] = {
        {"protected folder", d.chemin(s("a.cli")), "permission refusée"},
        {"new file in a protected folder", d.chemin(s("b.cli")), "permission refusée"},
        {"missing folder", d.chemin(s("absent/b.cli")), "le dossier n'existe pas"},
    };
    for (const auto& c : cas) {
        const zel::Resultat r = fichier::ecrire(c.chemin, {s("nouveau")});
        ASSERT_FALSE(r) << c.nom;
        EXPECT_EQ(r.message(),
                  s("Impossible d'enregistrer le fichier %1 :\n%2.").arg(c.chemin, s(c.cause)))
            << c.nom;
    }
    EXPECT_EQ(d.lit(s("a.cli")), QByteArray("ancien\r\n"));
}

TEST(FichierTexte, TheCausesTheSystemGivesAreToldInFrench) {
    const struct {
        int numero;
        const char* cause;
    } cas[] = {
        {ENOSPC, "le disque est plein"},           {EDQUOT, "le disque est plein"},
        {EROFS, "le disque est en lecture seule"}, {EACCES, "permission refusée"},
        {ENOTDIR, "le dossier n'existe pas"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(fichier::causeSysteme(c.numero).value_or(QString()), s(c.cause)) << c.numero;
    EXPECT_FALSE(fichier::causeSysteme(0)) << "no cause when the system gave none";
}

TEST(FichierTexte, AWriteCutShortAfterSomeBytesKeepsTheOldFileAndSaysWhy) {
    Dossier d;
    d.ecrit(s("a.cli"), "ancien\r\n");
    const QStringList lignes(2000, s("une ligne du nouveau fichier"));
    zel::Resultat r = zel::Resultat::succes();
    {
        zel::test::TailleLimitee limite(4096);
        ASSERT_TRUE(limite.actif());
        r = fichier::ecrire(d.chemin(s("a.cli")), lignes);
    }
    ASSERT_FALSE(r);
    EXPECT_EQ(r.message(),
              s("Impossible d'enregistrer le fichier %1 :\n%2.")
                  .arg(d.chemin(s("a.cli")), s("le fichier dépasse la taille permise")));
    EXPECT_EQ(d.lit(s("a.cli")), QByteArray("ancien\r\n"));
    EXPECT_EQ(QDir(d.racine()).entryList(QDir::Files), QStringList{s("a.cli")})
        << "no temporary file is left behind";
}
