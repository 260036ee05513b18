#include "ui/tools/tblocnotes.h"

#include "support/fichiers.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

TEST(TBlocnotes, FermerSansTaperNeCreePasLeFichier) {
    zel::test::Dossier dossier;
    TBlocnotes fenetre(nullptr, dossier.racine());
    fenetre.reject();
    EXPECT_FALSE(dossier.existe(QStringLiteral("ZelVente.nte")));
}

TEST(TBlocnotes, LaNoteTapeeEstEcriteALaFermeture) {
    zel::test::Dossier dossier;
    dossier.ecrit(QStringLiteral("ZelVente.nte"), "Avant\r\n");
    TBlocnotes fenetre(nullptr, dossier.racine());
    auto* texte = fenetre.findChild<QPlainTextEdit*>();
    EXPECT_EQ(texte->toPlainText(), u"Avant");
    texte->setPlainText(QStringLiteral("Rappeler\nle client"));
    fenetre.reject();
    EXPECT_EQ(dossier.lit(QStringLiteral("ZelVente.nte")), "Rappeler\r\nle client\r\n");
}
