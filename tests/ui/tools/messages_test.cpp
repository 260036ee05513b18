#include "ui/tools/tfichemsg.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/gestes.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using zel::outils::Message;

namespace {

using zel::test::s;

} // namespace

TEST(TFicheMsg, ParcourirAjouterSupprimerEtEnregistrerALaFermeture) {
    zel::test::Dossier dossier;
    // The set's folder has a dot in its name: the pad stays in it.
    const QString clients = dossier.chemin(s("jean.dupont/Dupont.cli"));
    ASSERT_TRUE(QDir(dossier.racine()).mkdir(s("jean.dupont")));
    dossier.ecrit(s("jean.dupont/Dupont.oms"),
                  "Un\t\t\t\t\t\t\tFFFFF\r\nDeux\t\tMartin SA\t\t\t\t\tTFFFF\r\n");
    zel::test::DialoguesFactices dialogues;
    TFicheMsg fenetre(nullptr, dialogues, clients);
    fenetre.show();
    fenetre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));
    EXPECT_EQ(fenetre.numero()->text(), u"2");
    EXPECT_EQ(fenetre.champ(Message::Pour)->text(), u"Deux");
    EXPECT_EQ(fenetre.champ(Message::Societe)->text(), u"Martin SA");
    EXPECT_TRUE(fenetre.drapeau(0)->isChecked());
    EXPECT_TRUE(fenetre.champ(Message::Pour)->hasFocus());

    // Page Down on the last stays; Page Up goes back.
    QTest::keyClick(fenetre.champ(Message::Pour), Qt::Key_PageDown);
    EXPECT_EQ(fenetre.numero()->text(), u"2");
    QTest::keyClick(fenetre.champ(Message::Pour), Qt::Key_PageUp);
    EXPECT_EQ(fenetre.champ(Message::Pour)->text(), u"Un");
    EXPECT_FALSE(fenetre.drapeau(0)->isChecked());

    // A new message: typed fields, a TAB pasted into "Objet", a box ticked.
    QTest::mouseClick(fenetre.bouton(s("+")), Qt::LeftButton);
    EXPECT_EQ(fenetre.numero()->text(), u"3");
    EXPECT_TRUE(fenetre.champ(Message::Pour)->text().isEmpty());
    QTest::keyClicks(fenetre.champ(Message::Pour), s("Marie"));
    QTest::keyClicks(fenetre.champ(Message::Telephone), s("01 02 03 04 05"));
    fenetre.champ(Message::Objet)->setFocus();
    zel::test::colle(fenetre.champ(Message::Objet), s("Rappel\turgent"));
    EXPECT_EQ(fenetre.champ(Message::Objet)->text(), u"Rappel urgent");
    QTest::mouseClick(fenetre.drapeau(4), Qt::LeftButton);
    // Leaving "Date" empty fills it with today.
    fenetre.champ(Message::Date)->setFocus();
    fenetre.champ(Message::Objet)->setFocus();
    EXPECT_EQ(fenetre.champ(Message::Date)->text(), QDate::currentDate().toString(s("dd/MM/yyyy")));
    QTest::mouseClick(fenetre.bouton(s("<")), Qt::LeftButton);
    QTest::mouseClick(fenetre.bouton(s("-")), Qt::LeftButton);
    EXPECT_EQ(fenetre.champ(Message::Pour)->text(), u"Marie");
    EXPECT_EQ(fenetre.numero()->text(), u"2");
    QTest::mouseClick(fenetre.bouton(s("Fermer")), Qt::LeftButton);

    EXPECT_TRUE(dialogues.vus.isEmpty());
    EXPECT_EQ(dossier.lit(s("jean.dupont/Dupont.oms")),
              "Un\t\t\t\t\t\t\tFFFFF\r\nMarie\t\t\t01 02 03 04 05\t" +
                  QDate::currentDate().toString(s("dd/MM/yyyy")).toLatin1() +
                  "\t\tRappel urgent\tFFFFT\r\n");
    EXPECT_FALSE(dossier.existe(s("jean.oms")));
}

TEST(TFicheMsg, SupprimerLeSeulMessageEtEchecDEcriture) {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    TFicheMsg fenetre(nullptr, dialogues, dossier.chemin(s("absent/Dupont.cli")));
    fenetre.show();
    EXPECT_EQ(fenetre.numero()->text(), u"1");
    QTest::keyClicks(fenetre.champ(Message::Pour), s("Paul"));
    QTest::mouseClick(fenetre.bouton(s("-")), Qt::LeftButton);
    EXPECT_EQ(fenetre.numero()->text(), u"1");
    EXPECT_TRUE(fenetre.champ(Message::Pour)->text().isEmpty());
    QTest::mouseClick(fenetre.bouton(s("Fermer")), Qt::LeftButton);
    ASSERT_EQ(dialogues.vus.size(), 1);
    EXPECT_TRUE(dialogues.vus[0].contains(u"Dupont.oms"));
}
