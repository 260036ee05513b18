#include "ui/impression.h"
#include "ui/tools/documentqt.h"
#include "ui/tools/ttexte.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace rtf = zel::outils::rtf;
using Reponse = zel::Dialogues::Reponse;

namespace {

using zel::test::s;

struct Texte : testing::Test {
    zel::test::Dossier dossier;
    zel::test::DialoguesFactices dialogues;
    zel::ui::Impression impression;
    TTexte fenetre{nullptr, dialogues, impression};
    const QStringList entete{s("Dupont SA"), s("1, rue Haute"), s("75001 Paris"),
                             s("01 02 03 04 05")};

    void SetUp() override {
        fenetre.Setsoc(entete);
        fenetre.show();
        fenetre.texte()->setFocus();
    }
    void clique(const char* aide) {
        QToolButton* b = fenetre.bouton(s(aide));
        ASSERT_TRUE(b) << aide;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void touche(int t, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(fenetre.texte(), Qt::Key(t), m);
    }
    // The end of the letter, where a person goes to add a line.
    void aLaFin() {
        touche(Qt::Key_End, Qt::ControlModifier);
        touche(Qt::Key_Return);
    }
    rtf::Document document() const {
        return zel::ui::documentqt::depuis(*fenetre.texte()->document());
    }
};

} // namespace

TEST_F(Texte, LEnTeteNEstPasUnChangementEtFermerNeDemandeRien) {
    EXPECT_EQ(fenetre.texte()->toPlainText(), entete.join(u'\n'));
    EXPECT_EQ(fenetre.polices()->currentText(), u"Times New Roman");
    EXPECT_EQ(fenetre.taille()->value(), 10);
    EXPECT_FALSE(fenetre.document().modifie());
    // Undo has nothing to take back.
    touche(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fenetre.texte()->toPlainText(), entete.join(u'\n'));
    clique("Fermer");
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_TRUE(dialogues.vus.isEmpty());
}

TEST_F(Texte, UneLettreMiseEnFormeEstEnregistreeEnRtf) {
    aLaFin();
    clique("Centré");
    clique("Gras");
    fenetre.texte()->setFocus();
    QTest::keyClicks(fenetre.texte(), s("Objet : devis"));
    clique("Gras");
    touche(Qt::Key_Return);
    clique("Gauche");
    clique("Italique");
    clique("Souligné");
    fenetre.texte()->setFocus();
    QTest::keyClicks(fenetre.texte(), s("Madame,"));
    touche(Qt::Key_Return);
    clique("Italique");
    clique("Souligné");
    clique("Puces");
    fenetre.texte()->setFocus();
    QTest::keyClicks(fenetre.texte(), s("Premier point"));
    // A size typed into "Taille" for the selected word.
    touche(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    QLineEdit* taille = fenetre.taille()->findChild<QLineEdit*>();
    taille->selectAll();
    QTest::keyClicks(taille, s("14"));
    EXPECT_TRUE(fenetre.document().modifie());

    dialogues.fichiers = {dossier.chemin(s("lettre"))};
    clique("Enregistrer");
    EXPECT_FALSE(fenetre.document().modifie());
    const rtf::Document lu = rtf::lit(dossier.lit(s("lettre.rtf")));
    ASSERT_EQ(lu.paragraphes.size(), 7u);
    EXPECT_EQ(lu.texte(), entete.join(u'\n') + s("\nObjet : devis\nMadame,\nPremier point"));
    const rtf::Paragraphe& objet = lu.paragraphes[4];
    EXPECT_EQ(objet.alignement, rtf::Alignement::Centre);
    EXPECT_TRUE(objet.segments.at(0).format.gras);
    EXPECT_EQ(objet.segments.at(0).format.police, u"Times New Roman");
    EXPECT_EQ(objet.segments.at(0).format.demiPoints, 20);
    const rtf::Format madame = lu.paragraphes[5].segments.at(0).format;
    EXPECT_TRUE(madame.italique && madame.souligne && !madame.gras);
    EXPECT_EQ(lu.paragraphes[5].alignement, rtf::Alignement::Gauche);
    const rtf::Paragraphe& point = lu.paragraphes[6];
    EXPECT_TRUE(point.puce);
    ASSERT_EQ(point.segments.size(), 2u);
    EXPECT_EQ(point.segments[1].texte, u"point");
    EXPECT_EQ(point.segments[1].format.demiPoints, 28);
    EXPECT_FALSE(point.segments[0].format.italique);

    // Saved: closing asks nothing.
    clique("Fermer");
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(dialogues.vus, QStringList{s("enregistrer: Fichiers rtf (*.rtf)|*.rtf ")});
}

TEST_F(Texte, LaLettreResteQuandLEnregistrementEstAnnule) {
    aLaFin();
    QTest::keyClicks(fenetre.texte(), s("Important"));
    const QString avant = fenetre.texte()->toPlainText();
    // Yes, then the chooser cancelled: neither Close nor New nor Open lets the letter go.
    dialogues.reponses = {Reponse::Oui, Reponse::Oui, Reponse::Annuler};
    clique("Fermer");
    clique("Nouveau");
    clique("Ouvrir");
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(fenetre.texte()->toPlainText(), avant);
    const QString question = s("question: Enregistrer changements dans la nouvelle lettre ?");
    const QString choix = s("enregistrer: Fichiers rtf (*.rtf)|*.rtf ");
    EXPECT_EQ(dialogues.vus, QStringList({question, choix, question, choix, question}));
    // No: New shows the letterhead again.
    dialogues.reponses = {Reponse::Non};
    clique("Nouveau");
    EXPECT_EQ(fenetre.texte()->toPlainText(), entete.join(u'\n'));
}

TEST_F(Texte, OuvrirUnFichierRtfEtCopierColler) {
    dossier.ecrit(
        s("devis.rtf"),
        "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qr\\f0\\fs32\\b Devis\\b0  n\\'b0 12\\par}");
    dialogues.fichiers = {dossier.chemin(s("devis.rtf"))};
    clique("Ouvrir");
    EXPECT_EQ(fenetre.texte()->toPlainText(), u"Devis n° 12");
    EXPECT_FALSE(fenetre.document().modifie());
    fenetre.texte()->setFocus();
    EXPECT_TRUE(fenetre.bouton(s("Gras"))->isChecked());
    EXPECT_TRUE(fenetre.bouton(s("Droite"))->isChecked());
    EXPECT_EQ(fenetre.taille()->value(), 16);
    EXPECT_EQ(fenetre.polices()->currentText(), u"Arial");

    touche(Qt::Key_Right, Qt::ShiftModifier);
    touche(Qt::Key_Right, Qt::ShiftModifier);
    clique("Copier");
    EXPECT_EQ(QApplication::clipboard()->text(), u"De");
    touche(Qt::Key_End);
    clique("Coller");
    EXPECT_EQ(fenetre.texte()->toPlainText(), u"Devis n° 12De");
    dialogues.reponses = {Reponse::Non};
    clique("Fermer");
    EXPECT_EQ(dialogues.vus.last(), u"question: Enregistrer changements dans devis.rtf ?");
}

TEST_F(Texte, LaRegleDeplaceLesRetraits) {
    aLaFin();
    QTest::keyClicks(fenetre.texte(), s("Un paragraphe assez long pour voir ses retraits."));
    zel::ui::Regle* regle = fenetre.regle();
    const zel::outils::Marqueurs m = regle->marqueurs();
    EXPECT_EQ(m.premiere, 2);
    EXPECT_EQ(m.droite, regle->width() - 6 - 8);
    // The first-line marker dragged 48 pixels on: 36 points; the other lines stay.
    QTest::mousePress(regle, Qt::LeftButton, {}, QPoint(m.premiere + 4, 2));
    QTest::mouseMove(regle, QPoint(m.premiere + 52, 2));
    QTest::mouseRelease(regle, Qt::LeftButton, {}, QPoint(m.premiere + 52, 2));
    // The left marker dragged 24 pixels on, the right one 40 pixels back.
    QTest::mousePress(regle, Qt::LeftButton, {}, QPoint(m.gauche + 4, regle->height() - 2));
    QTest::mouseRelease(regle, Qt::LeftButton, {}, QPoint(m.gauche + 28, regle->height() - 2));
    QTest::mousePress(regle, Qt::LeftButton, {}, QPoint(m.droite + 4, regle->height() - 2));
    QTest::mouseRelease(regle, Qt::LeftButton, {}, QPoint(m.droite - 36, regle->height() - 2));
    const rtf::Paragraphe p = document().paragraphes.back();
    // First line at 36 points, the others at 18, the right indent at 30.
    EXPECT_EQ(std::tuple(p.gauche + p.premiereLigne, p.gauche, p.droite),
              std::tuple(36 * 20, 18 * 20, 30 * 20));
    EXPECT_EQ(regle->marqueurs().premiere, 50);
    EXPECT_EQ(regle->marqueurs().gauche, 26);
    EXPECT_TRUE(fenetre.document().modifie());
    // The other paragraphs keep theirs.
    EXPECT_EQ(document().paragraphes.front().gauche, 0);
}

TEST_F(Texte, LaLettreSImprimeEnPdf) {
    aLaFin();
    QTest::keyClicks(fenetre.texte(), s("Veuillez agreer nos salutations."));
    const QString pdf = dossier.chemin(s("lettre.pdf"));
    zel::Sortie sortie(false);
    ASSERT_TRUE(zel::ui::Impression::imprimePdfQt(sortie, pdf, [this](QPrinter& p) {
                    fenetre.dessine(p);
                }).ok());
    QProcess p;
    p.start(s("pdftotext"), {pdf, s("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString texte = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& ligne : entete)
        EXPECT_TRUE(texte.contains(ligne)) << ligne.toStdString();
    EXPECT_TRUE(texte.contains(s("Veuillez agreer nos salutations.")));
}

TEST(DocumentQt, UnePoliceAbsenteSeRabatSurLaPoliceAEmpattements) {
    rtf::Format absente;
    absente.police = s("Police absente du système");
    EXPECT_EQ(zel::ui::documentqt::formatCaracteres(absente).fontStyleHint(), QFont::Serif);
    rtf::Format presente;
    presente.police = QFontDatabase::families().value(0);
    EXPECT_NE(zel::ui::documentqt::formatCaracteres(presente).fontStyleHint(), QFont::Serif);
}
