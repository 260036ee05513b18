#include "ui/impression.h"
#include "ui/tools/documentqt.h"
#include "ui/tools/ttexte.h"

#include "support/dialoguesfactices.h"
#include "support/fichiers.h"
#include "support/texte.h"
#include "ui/filtreinstalle.h"
#include "ui/gestes.h"

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

TEST_F(Texte, LaLettreGardeToutesLesLanguesLesChampsRestentGardes) {
    zel::test::FiltreInstalle garde;
    QStringList& refus = garde.refus;
    const QString langues = s("Łódź € Ω 中");
    // Typed, pasted with Ctrl+V, pasted with "Coller".
    aLaFin();
    zel::test::tape(fenetre.texte(), langues);
    touche(Qt::Key_Return);
    zel::test::colle(fenetre.texte(), langues);
    touche(Qt::Key_Return);
    QApplication::clipboard()->setText(s("Ελλάδα 日本 한국"));
    clique("Coller");
    EXPECT_TRUE(refus.isEmpty()) << refus.join(u'\n').toStdString();
    const QString attendu =
        entete.join(u'\n') + u'\n' + langues + u'\n' + langues + s("\nΕλλάδα 日本 한국");
    EXPECT_EQ(fenetre.texte()->toPlainText(), attendu);

    // Saved, a new letter, and the saved one opened again.
    dialogues.fichiers = {dossier.chemin(s("langues.rtf"))};
    clique("Enregistrer");
    clique("Nouveau");
    EXPECT_EQ(fenetre.texte()->toPlainText(), entete.join(u'\n'));
    dialogues.fichiers = {dossier.chemin(s("langues.rtf"))};
    clique("Ouvrir");
    EXPECT_EQ(fenetre.texte()->toPlainText(), attendu);
    EXPECT_FALSE(fenetre.document().modifie());

    // A one-line field of a record still takes only what the files can hold.
    QLineEdit champ;
    champ.show();
    zel::test::tape(&champ, langues);
    zel::test::colle(&champ, langues);
    EXPECT_EQ(champ.text(), s("ód €  "));
    EXPECT_EQ(refus, QStringList({s("Caractère refusé : « Ł »"), s("Caractère refusé : « ź »"),
                                  s("Caractère refusé : « Ω »"), s("Caractère refusé : « 中 »"),
                                  s("Caractère refusé : « Ł »")}));
}

namespace {

// The user's dialogs, with one thing the user does while the status bar tells how far the
// opening has got.
struct DialoguesPendantLOuverture : zel::test::DialoguesFactices {
    std::function<void()> pendant;
    void progression(const QString& texte) override {
        zel::test::DialoguesFactices::progression(texte);
        if (pendant && !texte.isEmpty())
            std::exchange(pendant, nullptr)();
    }
};

} // namespace

TEST(TexteLong, UneLongueLettreSOuvreSansQueLaFenetreSeFermeEnCours) {
    zel::test::Dossier dossier;
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset134 SimSun;}}";
    for (int i = 0; rtf.size() < 2'000'000; ++i)
        rtf += "Paragraphe " + QByteArray::number(i) + " {\\b gras} {\\f0\\'d6\\'d0}\\par\r\n";
    dossier.ecrit(s("long.rtf"), rtf + "}");
    DialoguesPendantLOuverture dialogues;
    zel::ui::Impression impression;
    TTexte fenetre(nullptr, dialogues, impression);
    fenetre.show();
    // The window is closed while the letter is being read.
    dialogues.pendant = [&fenetre] { fenetre.close(); };
    dialogues.fichiers = {dossier.chemin(s("long.rtf"))};
    QTest::mouseClick(fenetre.bouton(s("Ouvrir")), Qt::LeftButton);
    EXPECT_TRUE(fenetre.isVisible());
    const QTextDocument& d = *fenetre.texte()->document();
    EXPECT_EQ(d.firstBlock().text(), s("Paragraphe 0 gras 中"));
    EXPECT_TRUE(d.lastBlock().text().startsWith(u"Paragraphe "));
    // Both steps were told in the status bar, which is empty again.
    for (const char* etape : {"Lecture de la lettre : ", "Mise en page de la lettre : "})
        EXPECT_GT(dialogues.progressions.filter(s(etape)).size(), 10) << etape;
    EXPECT_EQ(dialogues.progressions.last(), QString());
    EXPECT_EQ(dialogues.sabliers, 0);
    // Nothing to undo, nothing changed: closing asks nothing.
    EXPECT_FALSE(d.isUndoAvailable());
    fenetre.close();
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_FALSE(dialogues.vus.contains(s("question: Enregistrer changements dans long.rtf ?")));
}

TEST(DocumentQt, UnePoliceAbsenteSeRabatSurLaPoliceAEmpattements) {
    rtf::Format absente;
    absente.police = s("Police absente du système");
    EXPECT_EQ(zel::ui::documentqt::formatCaracteres(absente).fontStyleHint(), QFont::Serif);
    rtf::Format presente;
    presente.police = QFontDatabase::families().value(0);
    EXPECT_NE(zel::ui::documentqt::formatCaracteres(presente).fontStyleHint(), QFont::Serif);
}
