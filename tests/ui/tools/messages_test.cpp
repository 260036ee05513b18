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

#include <memory>

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
    EXPECT_TRUE(fenetre.isVisible()) << "the pad stays open with what was typed";
}

namespace {

// The pad of a set "Dupont.cli", shown as the menu shows it.
struct Bloc {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    const QString clients = dossier.chemin(s("Dupont.cli"));
    std::unique_ptr<TFicheMsg> fenetre;

    void ouvre(bool lectureSeule = false) {
        fenetre = std::make_unique<TFicheMsg>(nullptr, dialogues, clients, lectureSeule);
        fenetre->show();
    }
    void ferme() { QTest::mouseClick(fenetre->bouton(s("Fermer")), Qt::LeftButton); }
};

} // namespace

TEST(TFicheMsg, UnOctetNulEstDitEtLeFichierDOrigineGarde) {
    Bloc b;
    static constexpr char brut[] = "Un\t\t\t\t\t\t\tFFFFF\r\n\0Deux\t\t\t\t\t\t\tFFFFF\r\n";
    const QByteArray octets(brut, sizeof brut - 1);
    b.dossier.ecrit(s("Dupont.oms"), octets);
    b.ouvre();
    ASSERT_EQ(b.dialogues.vus.size(), 1);
    EXPECT_TRUE(b.dialogues.vus[0].contains(s(
        "Dupont.oms : un octet nul à la position 16 coupe le fichier : 1 messages lus avant lui.\n"
        "Le fichier d'origine est gardé sous le nom Dupont.oms.original.")))
        << b.dialogues.vus[0].toStdString();
    EXPECT_EQ(b.dossier.lit(s("Dupont.oms.original")), octets);
    b.ferme();
    EXPECT_EQ(b.dossier.lit(s("Dupont.oms.original")), octets);
}

TEST(TFicheMsg, UnEnregistrementImpossibleLaisseLeBlocOuvertAvecCeQuiAEteTape) {
    Bloc b;
    b.ouvre();
    b.fenetre->champ(Message::Pour)->setFocus();
    zel::test::colle(b.fenetre->champ(Message::Pour), s("Łukasz"));
    b.ferme();
    ASSERT_EQ(b.dialogues.vus.size(), 1);
    EXPECT_TRUE(b.dialogues.vus[0].contains(s("le caractère « Ł »")))
        << b.dialogues.vus[0].toStdString();
    EXPECT_TRUE(b.dialogues.vus[0].endsWith(s("Fermer sans enregistrer les messages ?")));
    EXPECT_TRUE(b.fenetre->isVisible());
    EXPECT_EQ(b.fenetre->champ(Message::Pour)->text(), s("Łukasz"));
    // Corrected, it is written and the pad closes.
    b.fenetre->champ(Message::Pour)->clear();
    QTest::keyClicks(b.fenetre->champ(Message::Pour), s("Lukasz"));
    b.ferme();
    EXPECT_FALSE(b.fenetre->isVisible());
    EXPECT_EQ(b.dossier.lit(s("Dupont.oms")), "Lukasz\t\t\t\t\t\t\tFFFFF\r\n");
    // Or given up at the user's word.
    b.ouvre();
    b.fenetre->champ(Message::Pour)->setFocus();
    zel::test::colle(b.fenetre->champ(Message::Pour), s("Ł"));
    b.dialogues.confirmations = {true};
    b.ferme();
    EXPECT_FALSE(b.fenetre->isVisible());
    EXPECT_EQ(b.dossier.lit(s("Dupont.oms")), "Lukasz\t\t\t\t\t\t\tFFFFF\r\n");
}

TEST(TFicheMsg, DansUnJeuEnLectureSeuleLeBlocEstEnLectureSeule) {
    Bloc b;
    b.dossier.ecrit(s("Dupont.oms"), "Un\t\t\t\t\t\t\tFFFFF\r\n");
    b.ouvre(true);
    EXPECT_EQ(b.dialogues.vus, QStringList{s("message: Le jeu de documents est ouvert dans un "
                                             "autre programme Zel Vente : ses messages sont en "
                                             "lecture seule.")});
    EXPECT_EQ(b.fenetre->windowTitle(), s("Messages (lecture seule)"));
    QTest::keyClicks(b.fenetre->champ(Message::Pour), s("Deux"));
    EXPECT_EQ(b.fenetre->champ(Message::Pour)->text(), s("Un"));
    EXPECT_FALSE(b.fenetre->bouton(s("+"))->isEnabled());
    b.dossier.ecrit(s("Dupont.oms"), "Ecrit par l'autre programme\r\n");
    b.ferme();
    EXPECT_FALSE(b.fenetre->isVisible());
    EXPECT_EQ(b.dossier.lit(s("Dupont.oms")), "Ecrit par l'autre programme\r\n");
}
