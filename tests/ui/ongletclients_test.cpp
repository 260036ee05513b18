#include "ui/ongletclients.h"

#include "support/dialoguesfactices.h"
#include "support/texte.h"
#include "ui/filtreinstalle.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace L = ligneClient;

using zel::test::s;

void tape(QWidget* w, int touche, const QString& texte = QString()) {
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

struct Onglet : testing::Test {
    JeuDocuments jeu;
    Reglages reglages;
    test::DialoguesFactices dialogues;
    std::unique_ptr<ui::MesureQt> mesure;
    std::unique_ptr<PageClients> page;
    std::unique_ptr<ui::OngletClients> onglet;

    void SetUp() override {
        reglages.listes.representants = {s("Martin"), s("Durand")};
        mesure = std::make_unique<ui::MesureQt>(QApplication::font());
        page = std::make_unique<PageClients>(jeu, reglages, dialogues, *mesure);
        jeu.BlocsCli().AjouteBloc(0, QStringList(25));
        jeu.setCompte(Sorte::Clients, 1);
        page->LitFiche();
        onglet = std::make_unique<ui::OngletClients>(*page, reglages.listes);
        onglet->montreCarte();
    }
};

} // namespace

TEST_F(Onglet, CreditTypedWithAPointShowsRightAlignedAndIsStored) {
    QLineEdit* credit = onglet->champ(L::CreditMaxi);
    for (const char* c : {"1", "2", ".", "5", "x"})
        tape(credit, 0, s(c));
    EXPECT_EQ(credit->text(), s("12,5"));
    QFocusEvent depart(QEvent::FocusOut);
    QApplication::sendEvent(credit, &depart);
    EXPECT_TRUE(credit->text().startsWith(u' '));
    EXPECT_EQ(credit->text().trimmed(), s("12,50"));
    EXPECT_GT(mesure->largeur(credit->text()), 80);
    page->EcritFiche();
    EXPECT_EQ(jeu.BlocsCli().contenuBloc(0).at(L::CreditMaxi - 1), credit->text());
}

TEST_F(Onglet, AMouseChoiceOfRepresentativeMarksTheCard) {
    EXPECT_FALSE(page->carte().estModifiee());
    EXPECT_EQ(onglet->focusWidget(), onglet->champ(L::Nom));
    onglet->liste(L::Representant)->setCurrentIndex(1);
    EXPECT_TRUE(page->carte().estModifiee());
    EXPECT_TRUE(jeu.TestModif());
    page->EcritFiche();
    EXPECT_EQ(jeu.BlocsCli().contenuBloc(0).at(L::Representant - 1), s("Durand"));
    EXPECT_EQ(onglet->liste(L::Risque)->count(), 4);
}

TEST_F(Onglet, EntryLineOkAndDeleteKeyEditTheGrid) {
    onglet->champ(L::SaisieLibelle)->setText(s("Acompte"));
    onglet->champ(L::SaisieMontant)->setText(s("10"));
    tape(onglet->champ(L::SaisieMontant), Qt::Key_Return, s("\r"));
    onglet->champ(L::SaisieLibelle)->setText(s("Solde"));
    onglet->champ(L::SaisieMontant)->setText(s("5"));
    tape(onglet->champ(L::SaisieMontant), Qt::Key_Return, s("\r"));
    QTableWidget* grille = onglet->grille();
    EXPECT_EQ(grille->item(1, 1)->text(), s("Solde"));
    EXPECT_EQ(grille->item(0, 0)->text(), QDate::currentDate().toString(s("dd/MM/yyyy")));
    grille->setCurrentCell(0, 1);
    tape(grille, Qt::Key_Delete);
    EXPECT_EQ(grille->item(0, 1)->text(), s("Solde"));
    EXPECT_TRUE(grille->item(1, 1)->text().isEmpty());
    EXPECT_EQ(page->carte().ligneGrille(0).libelle, s("Solde"));
}

TEST_F(Onglet, TheDropDownsFollowTheOptionListsReadLater) {
    EXPECT_EQ(onglet->liste(L::Banque)->count(), 0);
    reglages.listes.banques = {s("Crédit Agricole"), s("La Poste")};
    onglet->rafraichit();
    EXPECT_EQ(onglet->liste(L::Banque)->count(), 2);
    EXPECT_EQ(onglet->liste(L::Banque)->itemText(1), s("La Poste"));
    EXPECT_FALSE(page->carte().estModifiee());
}

TEST_F(Onglet, APastedLineBreakOrATagIsRefusedAndTheFieldKeepsItsText) {
    const QString uneLigne = s("Un champ tient sur une seule ligne : retours à la ligne, "
                               "tabulations et caractères de contrôle refusés");
    QLineEdit* adresse = onglet->champ(L::Adresse1);
    QTest::keyClicks(adresse, s("12 rue"));
    {
        // The program's own filter, as the program installs it.
        zel::test::FiltreInstalle garde;
        QStringList& refus = garde.refus;
        for (const char* colle : {"\nLyon", "\tLyon", "\r\n"}) {
            refus.clear();
            QGuiApplication::clipboard()->setText(s(colle));
            QTest::keyClick(adresse, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(refus, QStringList{uneLigne}) << colle;
            EXPECT_EQ(adresse->text(), s("12 rue"));
            EXPECT_EQ(page->carte().champ(L::Adresse1), s("12 rue"));
        }
        // A name typed key by key is refused at the key that makes it begin like a tag, and the
        // keys after it go on as typed.
        QLineEdit* nom = onglet->champ(L::Nom);
        refus.clear();
        QTest::keyClicks(nom, s("<BLOCK"));
        EXPECT_EQ(refus.value(0), s("Un champ ne peut pas commencer par « <BLOC » ni « </BLOC »"));
        EXPECT_EQ(page->carte().champ(L::Nom), s("<BLOK"));
        EXPECT_TRUE(dialogues.vus.isEmpty());
    }

    // Without the filter, the card itself refuses the text and the field shows the card again.
    QGuiApplication::clipboard()->setText(s("\nLyon"));
    QTest::keyClick(adresse, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(dialogues.vus, QStringList{s("message: ") + uneLigne});
    EXPECT_EQ(adresse->text(), s("12 rue"));
    EXPECT_EQ(page->carte().champ(L::Adresse1), s("12 rue"));
}

TEST_F(Onglet, TheSirenTypedWithBlanksIsKeptAsNineDigitsInTheObservations) {
    QLineEdit* siren = onglet->champ(L::Siren);
    ASSERT_TRUE(siren);
    QTest::keyClicks(siren, s("552 100 554"));
    QFocusEvent depart(QEvent::FocusOut);
    QApplication::sendEvent(siren, &depart);
    EXPECT_EQ(siren->text(), s("552100554"));
    page->EcritFiche();
    EXPECT_EQ(jeu.BlocsCli().contenuBloc(0).last(), s("MEMOSIREN : 552100554"));

    // A text that is no SIREN is told and stays as typed.
    siren->selectAll();
    QTest::keyClicks(siren, s("12345"));
    QApplication::sendEvent(siren, &depart);
    ASSERT_EQ(dialogues.vus.size(), 1);
    EXPECT_TRUE(dialogues.vus[0].contains(s("« 12345 » n'est pas un numéro SIREN")));
    EXPECT_EQ(siren->text(), s("12345"));
}
