#include "ui/dialoguesqt.h"
#include "ui/ongletclients.h"
#include "ui/tmainform.h"
#include "ui/ttri.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneClient;

using zel::test::s;

struct FenetreEchanges : testing::Test {
    test::Dossier dossier;
    test::DialoguesFactices dialogues;
    ui::TMainForm fenetre{dossier.racine(), &dialogues};

    QAction* action(const char* menu, const char* libelle) {
        QAction* a = fenetre.action(Cible{s(menu), s(libelle)});
        EXPECT_TRUE(a) << libelle;
        return a;
    }
    // A click on a tool-bar button, as the user does.
    void clique(const char* aide) {
        QAction* a = fenetre.action(bouton(s(aide)));
        ASSERT_TRUE(a && a->isEnabled()) << aide;
        QWidget* w = fenetre.findChild<QToolBar*>()->widgetForAction(a);
        QTest::mouseClick(w, Qt::LeftButton);
    }
    QLineEdit* champ(int ligne) { return fenetre.ongletClients()->champ(ligne); }
};

} // namespace

TEST(TTri, ShowsItsChoicesAndGivesTheOneClicked) {
    struct Cas {
        DialogueTri sorte;
        QStringList choix;
    };
    const Cas cas[] = {
        {DialogueTri::TTri, {s("Nom/ société"), s("Code postal"), s("Ville")}},
        {DialogueTri::TTri4, {s("Désignation"), s("Code aricle"), s("Référence")}},
    };
    for (const Cas& c : cas) {
        ui::TTri dialogue(c.sorte, nullptr);
        EXPECT_EQ(dialogue.windowTitle(), s("Trier"));
        EXPECT_EQ(dialogue.findChild<QGroupBox*>()->title(), s("Trier par"));
        QStringList textes;
        for (int i = 0; i < 3; ++i)
            textes.append(dialogue.choix(i)->text());
        EXPECT_EQ(textes, c.choix);
        EXPECT_EQ(dialogue.annuler()->text(), s("Anuler"));
        EXPECT_TRUE(dialogue.choix(0)->isChecked());
        dialogue.show();
        QRadioButton* ville = dialogue.choix(2);
        QTest::mouseClick(ville, Qt::LeftButton, {}, QPoint(6, ville->height() / 2));
        QTest::mouseClick(dialogue.ok(), Qt::LeftButton);
        EXPECT_EQ(dialogue.result(), QDialog::Accepted);
        EXPECT_EQ(dialogue.Result(), 2);

        ui::TTri annule(c.sorte, nullptr);
        annule.show();
        QTest::mouseClick(annule.annuler(), Qt::LeftButton);
        EXPECT_EQ(annule.result(), QDialog::Rejected);
    }
}

TEST_F(FenetreEchanges, AnImportWithoutASetShowsTheFirstClientAndEnablesTheDocumentCommands) {
    dossier.ecrit(s("clients.txt"), "Dupont\t1 rue Haute\t\t75011\tParis\t0102\t\r\nMartin\t\r\n");
    EXPECT_FALSE(action("&Fichier", "&Enregistrer")->isEnabled());
    dialogues.fichiers = {dossier.chemin(s("clients.txt"))};
    action("&Fichier", "I&mporter...")->trigger();
    EXPECT_EQ(champ(L::Nom)->text(), s("Dupont"));
    EXPECT_EQ(champ(L::Telephone)->text(), s("0102"));
    EXPECT_EQ(champ(L::Code)->text(), s("10001"));
    EXPECT_TRUE(action("&Fichier", "&Enregistrer")->isEnabled());
    EXPECT_TRUE(action("&Edition", "&Trier clients...")->isEnabled());
    EXPECT_TRUE(action("&Sélection", "&Tous les clients")->isChecked());
    EXPECT_EQ(dialogues.sabliers, 0);
}

TEST_F(FenetreEchanges, TheCopyAndPasteButtonsCarryACardToAnother) {
    dossier.ecrit(s("clients.txt"), "Dupont\t1 rue Haute\t\t75011\tParis\t0102\t\r\nMartin\t\r\n");
    dialogues.fichiers = {dossier.chemin(s("clients.txt"))};
    action("&Fichier", "I&mporter...")->trigger();
    clique("Copier");
    clique("Suivant");
    ASSERT_EQ(champ(L::Nom)->text(), s("Martin"));
    clique("Coller");
    EXPECT_EQ(champ(L::Nom)->text(), s("Dupont"));
    EXPECT_EQ(champ(L::Ville)->text(), s("Paris"));
    EXPECT_EQ(champ(L::Code)->text(), s("10002"));
    dialogues.choix = {0};
    action("&Edition", "&Trier clients...")->trigger();
    EXPECT_EQ(dialogues.vus.last(), s("tri: Nom/ société/Code postal/Ville"));
    EXPECT_EQ(champ(L::Code)->text(), s("10002"));
}

TEST_F(FenetreEchanges, TheHourglassAndTheProgressOfTheRealDialogs) {
    ui::DialoguesQt qt(&fenetre);
    qt.sablier(true);
    ASSERT_TRUE(QApplication::overrideCursor());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    qt.progression(s("Importation : 500 lignes lues sur 9998"));
    EXPECT_EQ(fenetre.panneau(0)->text(), s("Importation : 500 lignes lues sur 9998"));
    qt.sablier(false);
    EXPECT_FALSE(QApplication::overrideCursor());
}
