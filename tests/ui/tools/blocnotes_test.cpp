#include "ui/tools/tblocnotes.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/impression.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

using zel::test::s;

struct Bloc {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    zel::ui::Impression impression;
};

} // namespace

TEST(TBlocnotes, FermerSansTaperNeCreePasLeFichier) {
    Bloc b;
    TBlocnotes fenetre(nullptr, b.dialogues, b.impression, b.dossier.racine());
    fenetre.reject();
    EXPECT_FALSE(b.dossier.existe(QStringLiteral("ZelVente.nte")));
}

TEST(TBlocnotes, LaNoteTapeeEstEcriteALaFermeture) {
    Bloc b;
    b.dossier.ecrit(QStringLiteral("ZelVente.nte"), "Avant\r\n");
    TBlocnotes fenetre(nullptr, b.dialogues, b.impression, b.dossier.racine());
    auto* texte = fenetre.findChild<QPlainTextEdit*>();
    EXPECT_EQ(texte->toPlainText(), u"Avant");
    texte->setPlainText(QStringLiteral("Rappeler\nle client"));
    fenetre.reject();
    EXPECT_EQ(b.dossier.lit(QStringLiteral("ZelVente.nte")), "Rappeler\r\nle client\r\n");
}

TEST(TBlocnotes, UneNoteQuiNePeutPasEtreEcriteResteALEcran) {
    Bloc b;
    TBlocnotes fenetre(nullptr, b.dialogues, b.impression, b.dossier.chemin(s("absent")));
    fenetre.show();
    auto* texte = fenetre.findChild<QPlainTextEdit*>();
    texte->setPlainText(s("A garder"));
    fenetre.reject();
    ASSERT_EQ(b.dialogues.vus.size(), 1);
    EXPECT_TRUE(b.dialogues.vus[0].contains(s("le dossier n'existe pas")))
        << b.dialogues.vus[0].toStdString();
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(texte->toPlainText(), s("A garder"));
    b.dialogues.confirmations = {true};
    fenetre.reject();
    EXPECT_FALSE(fenetre.isVisible());
}
