#include "tools/blocnotes.h"

#include "support/fichiers.h"

#include <gtest/gtest.h>

using zel::outils::BlocNotes;

TEST(BlocNotes, UnBlocNonTouchéNeCréePasLeFichier) {
    zel::test::Dossier dossier;
    BlocNotes note;
    ASSERT_TRUE(note.Charge(dossier.racine()).ok());
    note.setLignes({});
    ASSERT_TRUE(note.Sauve(dossier.racine()).ok());
    EXPECT_FALSE(dossier.existe(QStringLiteral("ZelVente.nte")));
}

TEST(BlocNotes, SauveSeulementCeQuiAChangé) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("ZelVente.nte"), "Appeler M. Dupont\r\nCommande \xe9t\xe9\r\n");
    BlocNotes note;
    ASSERT_TRUE(note.Charge(dossier.racine()).ok());
    EXPECT_EQ(note.lignes(),
              QStringList({QStringLiteral("Appeler M. Dupont"), QStringLiteral("Commande été")}));
    EXPECT_FALSE(note.modifie());

    note.setLignes(note.lignes());
    EXPECT_FALSE(note.modifie());

    note.setLignes({QStringLiteral("Relancer"), QStringLiteral("la banque")});
    ASSERT_TRUE(note.Sauve(dossier.racine()).ok());
    EXPECT_FALSE(note.modifie());
    EXPECT_EQ(dossier.lit(QStringLiteral("ZelVente.nte")), "Relancer\r\nla banque\r\n");
}

TEST(BlocNotes, LeCheminNeDoubleJamaisLeSeparateur) {
    EXPECT_EQ(BlocNotes::cheminFichier(QStringLiteral("/")), u"/ZelVente.nte");
    EXPECT_EQ(BlocNotes::cheminFichier(QStringLiteral("/opt/zel")), u"/opt/zel/ZelVente.nte");
}
