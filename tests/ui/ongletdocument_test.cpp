#include "ui/ongletdocument.h"

#include "support/montage.h"
#include "support/texte.h"
#include "ui/gestes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace zel;
namespace C = colonne;

using zel::test::clique;
using zel::test::editeurOuvert;
using zel::test::frappe;
using zel::test::s;
using zel::test::Touche;

// Types into the current cell as a person does: the first key opens the cell's editor, the
// others go to that editor, and Enter ends the typing there.
void tape(QAbstractItemView* grille, const char* texte) {
    const QString t = s(texte);
    QTest::keyClick(grille, t.front().toLatin1());
    QLineEdit* editeur = editeurOuvert(grille);
    ASSERT_TRUE(editeur) << "no cell editor opened";
    QTest::keyClicks(editeur, t.mid(1));
    QTest::keyClick(editeur, Qt::Key_Return);
}

// A tab shown in its own active window, as the user sees it.
void montre(ui::OngletDocument& onglet) {
    onglet.resize(1000, 600);
    onglet.show();
    onglet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&onglet));
    onglet.montreDocument();
}

QString cellule(const ui::OngletDocument& onglet, int rangee, int colonne) {
    return onglet.grille()->model()->index(rangee, colonne).data().toString().trimmed();
}

// A client and one article, 10001 "Vis" at 6,52 before tax, with its VAT code.
void chargeVis(test::Montage& m, const char* tva) {
    namespace LA = ligneArticle;
    namespace LC = ligneClient;
    m.charge(test::bloc(0, 25, {{LC::Code, s("10001")}, {LC::Nom, s("Dupont")}}), {},
             test::bloc(0, 21,
                        {{LA::Code, s("10001")},
                         {LA::Designation, s("Vis")},
                         {LA::StockReel, s("20")},
                         {LA::Tva, s(tva)},
                         {LA::PrixHT, s("6,52")}}));
}

// Supplier 7 and article A1 "Vis inox", its supplier's reference R-12, bought at 4,00, VAT code 2.
void chargeVisInox(test::Montage& m) {
    namespace LA = ligneArticle;
    namespace LF = ligneFournisseur;
    m.charge({}, test::bloc(0, 24, {{LF::Code, s("7")}, {LF::Nom, s("Martin")}}),
             test::bloc(0, 21,
                        {{LA::Code, s("A1")},
                         {LA::Designation, s("Vis inox")},
                         {LA::StockReel, s("   2,00")},
                         {LA::Reference, s("R-12")},
                         {LA::Tva, s("2")},
                         {LA::PrixAchat, s("   4,00")},
                         {LA::PrixHT, s("   9,00")}}));
}

// A new document on the tab of its kind, shown in its own active window.
std::unique_ptr<ui::OngletDocument> nouveauDocument(test::Montage& m, Sorte sorte) {
    m.fenetre.montre(sorte);
    PageDocument& page = *m.fenetre.document(sorte);
    auto onglet = std::make_unique<ui::OngletDocument>(page, sorte == Sorte::Commandes
                                                                 ? ui::LibellesOnglet::commandes()
                                                                 : ui::LibellesOnglet::factures());
    page.Creer();
    montre(*onglet);
    return onglet;
}

} // namespace

TEST(OngletDocument, AnInvoiceLineTypedWithTheKeyboardAloneIsFilledFromItsArticle) {
    struct Cas {
        const char* nom;
        std::vector<Touche> touches;
    };
    const Cas cas[] = {
        {"code, Tab, Tab, quantity, Enter",
         {"10001", Qt::Key_Tab, Qt::Key_Tab, "2", Qt::Key_Return}},
        {"code, Enter, Enter, quantity, Enter",
         {"10001", Qt::Key_Return, Qt::Key_Return, "2", Qt::Key_Return}},
        {"code, Enter, quantity, Enter", {"10001", Qt::Key_Return, "2", Qt::Key_Return}},
        {"code, Down, Up, Tab, Tab, quantity, Enter",
         {"10001", Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab, "2", Qt::Key_Return}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        test::Montage m;
        chargeVis(m, "3");
        const auto document = nouveauDocument(m, Sorte::Factures);
        const ui::OngletDocument& onglet = *document;
        QTest::keyClicks(onglet.champCode(), s("10001"));
        // The user comes to the first line's "Réf" with the mouse, then types.
        clique(onglet.grille(), 0, C::Ref);
        frappe(c.touches);

        EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis"));
        EXPECT_EQ(cellule(onglet, 0, C::Quantite), s("2"));
        EXPECT_EQ(cellule(onglet, 0, C::Prix), s("6,52"));
        EXPECT_EQ(cellule(onglet, 0, C::Montant), s("13,04"));
        EXPECT_EQ(cellule(onglet, 0, C::Tva), s("3")) << "the article's VAT code";
        EXPECT_EQ(onglet.totauxAffiches().mid(0, 3),
                  QStringList({s("13,04"), s("0,72"), s("13,76")}));
        EXPECT_EQ(onglet.grille()->currentIndex(), onglet.grille()->model()->index(1, C::Ref))
            << "Enter goes on to the next line";
        EXPECT_TRUE(m.dialogues.vus.isEmpty()) << m.dialogues.vus.join(u'|').toStdString();
    }
}

TEST(OngletDocument, AReferenceLeftByAClickElsewhereIsLookedUp) {
    test::Montage m;
    chargeVis(m, "3");
    const auto document = nouveauDocument(m, Sorte::Factures);
    const ui::OngletDocument& onglet = *document;
    // A click on another cell of the grid, then on a field outside it.
    clique(onglet.grille(), 0, C::Ref);
    frappe({"10001"});
    clique(onglet.grille(), 3, C::Remise);
    clique(onglet.grille(), 1, C::Ref);
    frappe({"10001"});
    QTest::mouseClick(onglet.champCode(), Qt::LeftButton);
    ASSERT_TRUE(onglet.champCode()->hasFocus());
    for (int rangee : {0, 1}) {
        EXPECT_EQ(cellule(onglet, rangee, C::Designation), s("Vis")) << rangee;
        EXPECT_EQ(cellule(onglet, rangee, C::Prix), s("6,52")) << rangee;
        EXPECT_EQ(cellule(onglet, rangee, C::Tva), s("3")) << rangee;
    }
}

TEST(OngletDocument, AClickInAnOpenDesignationEditorFillsTheLine) {
    test::Montage m;
    chargeVis(m, "3");
    const auto document = nouveauDocument(m, Sorte::Factures);
    const ui::OngletDocument& onglet = *document;
    QAbstractItemView* grille = onglet.grille();
    // No "Réf": Tab to "Désignation", F2 opens its editor, and a click in it offers the articles.
    clique(grille, 0, C::Ref);
    frappe({Qt::Key_Tab, Qt::Key_F2});
    QLineEdit* editeur = editeurOuvert(grille);
    ASSERT_TRUE(editeur);
    m.dialogues.choix = {0};
    QTest::mouseClick(editeur, Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m.dialogues.dernieresEntrees, QStringList{s("10001 Vis")});
    EXPECT_EQ(cellule(onglet, 0, C::Ref), s("10001"));
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis"));
    EXPECT_EQ(grille->currentIndex().column(), C::Quantite);
    frappe({"3", Qt::Key_Return});
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis")) << "the closed editor wrote nothing";
    EXPECT_EQ(cellule(onglet, 0, C::Montant), s("19,56"));

    // Text typed in the editor is the user's: a click there only places the cursor.
    frappe({Qt::Key_Up, Qt::Key_Tab, Qt::Key_F2, Qt::Key_End, " inox"});
    editeur = editeurOuvert(grille);
    ASSERT_TRUE(editeur);
    QTest::mouseClick(editeur, Qt::LeftButton);
    frappe({Qt::Key_Tab});
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis inox"));
}

TEST(OngletDocument, AnOrderLineTypedWithTheKeyboardAloneTakesTheSupplierReference) {
    test::Montage m;
    chargeVisInox(m);
    const auto document = nouveauDocument(m, Sorte::Commandes);
    const ui::OngletDocument& onglet = *document;
    QTest::keyClicks(onglet.champCode(), s("7"));
    clique(onglet.grille(), 0, C::Ref);
    frappe({"r-12", Qt::Key_Tab, Qt::Key_Tab, "3", Qt::Key_Return});
    EXPECT_EQ(cellule(onglet, 0, C::Ref), s("R-12")) << "the article's own reference";
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis inox"));
    EXPECT_EQ(cellule(onglet, 0, C::Prix), s("4,00")) << "the purchase price";
    EXPECT_EQ(cellule(onglet, 0, C::Tva), s("2"));
    EXPECT_EQ(cellule(onglet, 0, C::Montant), s("12,00"));
    EXPECT_EQ(onglet.totauxAffiches().mid(0, 3), QStringList({s("12,00"), s("0,00"), s("12,00")}));
}

TEST(OngletDocument, WhatIsTypedBeforeEnterCountsInTheTotalsAndTheValidation) {
    namespace LA = ligneArticle;
    test::Montage m;
    chargeVis(m, "");
    const auto document = nouveauDocument(m, Sorte::Factures);
    ui::OngletDocument& onglet = *document;
    QTest::keyClicks(onglet.champCode(), s("10001"));

    QAbstractItemView* grille = onglet.grille();
    clique(grille, 0, C::Ref);
    QTest::keyClicks(grille, s("1"));
    QTest::keyClicks(editeurOuvert(grille), s("0001"));
    clique(grille, 0, C::Designation);
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis"));
    EXPECT_EQ(grille->currentIndex().column(), C::Quantite);
    tape(grille, "5");
    EXPECT_EQ(cellule(onglet, 0, C::Montant), s("32,60"));
    EXPECT_EQ(onglet.totauxAffiches(), QStringList({s("32,60"), s("6,39"), s("38,99"), s("5,94")}));
    EXPECT_EQ(grille->currentIndex().row(), 1) << "Enter moves to the next line";
    EXPECT_EQ(grille->currentIndex().column(), C::Ref);

    clique(grille, 0, C::Remise);
    tape(grille, "10");
    EXPECT_EQ(cellule(onglet, 0, C::Montant), s("29,34"));
    EXPECT_EQ(onglet.totauxAffiches(), QStringList({s("29,34"), s("5,75"), s("35,09"), s("5,35")}));

    QTest::mouseClick(test::bouton(onglet, s("Valider")), Qt::LeftButton);
    const QStringList client = m.jeu.BlocsCli().contenuBloc(0);
    const QStringList ecriture = client.filter(s("Facture 202612001"));
    ASSERT_EQ(ecriture.size(), 1) << client.join(u'|').toStdString();
    EXPECT_TRUE(ecriture.front().contains(s("35,09"))) << ecriture.front().toStdString();
    EXPECT_EQ(m.jeu.BlocsArt().contenuBloc(0).value(LA::StockReel - 1).trimmed(), s("15,00"));
}

TEST(OngletDocument, ALineTypedFromAnArticleShowsTheTotals) {
    namespace LA = ligneArticle;
    test::Montage m;
    m.charge({}, {},
             test::bloc(0, 21,
                        {{LA::Code, s("V4")}, {LA::Designation, s("Vis")}, {LA::PrixHT, s("10")}}));
    m.fenetre.montre(Sorte::Factures);
    ui::OngletDocument onglet(m.fenetre.factures(), ui::LibellesOnglet::factures());
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    QTest::keyClicks(onglet.champCode(), s("10001"));

    onglet.resize(1000, 600);
    onglet.show();
    QAbstractItemView* grille = onglet.grille();
    clique(grille, 0, C::Ref);
    tape(grille, "V4");
    clique(grille, 0, C::Designation);
    EXPECT_EQ(grille->model()->index(0, C::Designation).data().toString(), s("Vis"));
    EXPECT_EQ(grille->currentIndex().column(), C::Quantite);
    tape(grille, "3");

    EXPECT_EQ(onglet.totauxAffiches(), QStringList({s("30,00"), s("5,88"), s("35,88"), s("5,47")}));
    EXPECT_EQ(grille->model()->index(0, C::Montant).data().toString().trimmed(), s("30,00"));
    EXPECT_EQ(grille->model()->index(0, C::Tva).data().toString(), s("1"));
    EXPECT_EQ(grille->currentIndex().row(), 1) << "Enter moves to the next line";
    EXPECT_EQ(grille->currentIndex().column(), C::Ref);

    // The document is complete: leaving the tab writes it.
    ASSERT_TRUE(m.fenetre.montre(Sorte::Clients));
    EXPECT_EQ(m.jeu.BlocsFact().contenuBloc(0).value(0), s("NUMF202612001"));
}

TEST(OngletDocument, AValidatedInvoiceIsFrozenAndANewDocumentIsNot) {
    namespace L = ligneFacture;
    test::Montage m;
    m.charge({}, {}, {},
             test::bloc(0, 11,
                        {{L::Numero, s("NUMF202612001")},
                         {L::Date, s("01/12/2026")},
                         {L::Client, s("10001")},
                         {L::Genre, s("Facture")},
                         {L::Ttc, s("TTCN")},
                         {L::Valide, s("Y")}},
                        {s("FACTV4\tVis\t1\t10\t\t\t1")}));
    m.fenetre.montre(Sorte::Factures);
    ui::OngletDocument onglet(m.fenetre.factures(), ui::LibellesOnglet::factures());
    onglet.montreDocument();
    QAbstractButton* valider = test::bouton(onglet, s("Valider"));
    ASSERT_TRUE(valider);
    EXPECT_FALSE(onglet.grille()->isEnabled());
    EXPECT_FALSE(valider->isEnabled());
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    EXPECT_TRUE(onglet.grille()->isEnabled());
    EXPECT_TRUE(valider->isEnabled());
}

TEST(OngletDocument, APointTypedInACellAfterTheReferenceIsAComma) {
    test::Montage m;
    m.charge({});
    m.fenetre.montre(Sorte::Factures);
    ui::OngletDocument onglet(m.fenetre.factures(), ui::LibellesOnglet::factures());
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    onglet.show();
    QAbstractItemView* grille = onglet.grille();
    const std::pair<int, const char*> cas[] = {{C::Ref, "A.1"}, {C::Prix, "1,5"}};
    for (const auto& [colonne, attendu] : cas) {
        grille->setCurrentIndex(grille->model()->index(0, colonne));
        QTest::keyClick(grille, Qt::Key_F2);
        QLineEdit* editeur = editeurOuvert(grille);
        ASSERT_TRUE(editeur);
        QTest::keyClicks(editeur, s(colonne == C::Ref ? "A.1" : "1.5"));
        EXPECT_EQ(editeur->text(), s(attendu));
        QTest::keyClick(editeur, Qt::Key_Escape);
    }
}

TEST(OngletDocument, AnOrderTypedFromTheSupplierReferenceIsValidatedIntoStock) {
    namespace LA = ligneArticle;
    test::Montage m;
    chargeVisInox(m);
    const auto document = nouveauDocument(m, Sorte::Commandes);
    ui::OngletDocument& onglet = *document;
    // A supplier code takes digits only.
    QTest::keyClicks(onglet.champCode(), s("7x"));
    EXPECT_EQ(onglet.champCode()->text(), s("7"));

    QAbstractItemView* grille = onglet.grille();
    clique(grille, 0, C::Ref);
    QTest::keyClicks(grille, s("R"));
    QTest::keyClicks(editeurOuvert(grille), s("-12"));
    clique(grille, 0, C::Designation);
    EXPECT_EQ(cellule(onglet, 0, C::Designation), s("Vis inox"));
    EXPECT_EQ(cellule(onglet, 0, C::Prix), s("4,00")) << "the purchase price";
    tape(grille, "3.5");
    EXPECT_EQ(cellule(onglet, 0, C::Montant), s("14,00"));
    EXPECT_EQ(onglet.totauxAffiches().front(), s("14,00"));

    QTest::mouseClick(test::bouton(onglet, s("Valider")), Qt::LeftButton);
    EXPECT_EQ(m.jeu.BlocsArt().contenuBloc(0).value(LA::StockReel - 1).trimmed(), s("5,50"));
    EXPECT_EQ(m.jeu.BlocsFour().contenuBloc(0).filter(s("Commande 202612001")).size(), 1);
    EXPECT_FALSE(test::bouton(onglet, s("Valider"))->isEnabled());
    EXPECT_FALSE(grille->isEnabled());
    bool statut = false;
    for (const QLabel* l : onglet.findChildren<QLabel*>())
        statut = statut || l->text() == s("Cmde validée");
    EXPECT_TRUE(statut);
}

TEST(OngletDocument, ADateThatIsNotADayIsRefusedWhenTheFieldIsLeft) {
    test::Montage m;
    m.charge({});
    const auto onglet = nouveauDocument(m, Sorte::Factures);
    QLineEdit* date = onglet->champDate();
    EXPECT_EQ(date->text(), s("06/12/2026"));
    const auto tapeDate = [&](const char* texte) {
        date->setFocus();
        date->selectAll();
        QTest::keyClicks(date, s(texte));
    };
    // Letters and dashes never get in; the day that does not exist is told when Enter is pressed.
    tapeDate("31-02.x2026");
    EXPECT_EQ(date->text(), s("31022026"));
    tapeDate("31/02/2026");
    QTest::keyClick(date, Qt::Key_Return);
    EXPECT_EQ(
        m.dialogues.vus,
        QStringList(s("message: « 31/02/2026 » n'est pas une date : tapez le jour, le mois et "
                      "l'année d'un jour qui existe, jj/mm/aaaa.")));
    EXPECT_EQ(date->text(), s("06/12/2026"));
    EXPECT_EQ(m.fenetre.factures().document().date, QDate(2026, 12, 6));
    // A real day is taken when the field is left by Tab.
    m.dialogues.vus.clear();
    tapeDate("28/02/2026");
    test::quitte(date);
    EXPECT_TRUE(m.dialogues.vus.isEmpty());
    EXPECT_EQ(m.fenetre.factures().document().date, QDate(2026, 2, 28));
    EXPECT_TRUE(m.fenetre.factures().estModifie());
}

TEST(OngletDocument, ANumberLongerThanNinePositionsIsShownWholeAndKeptThroughAnEdit) {
    namespace L = ligneFacture;
    test::Montage m;
    m.charge({}, {}, {},
             test::bloc(0, 11,
                        {{L::Numero, s("NUMF2026060011234")},
                         {L::Date, s("01/12/2026")},
                         {L::Client, s("10001")},
                         {L::Genre, s("Facture")},
                         {L::Ttc, s("TTCN")},
                         {L::Valide, s("N")}},
                        {s("FACTV4\tVis\t1\t10\t\t\t1")}));
    m.fenetre.montre(Sorte::Factures);
    ui::OngletDocument onglet(m.fenetre.factures(), ui::LibellesOnglet::factures());
    onglet.resize(1000, 600);
    onglet.show();
    onglet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&onglet));
    onglet.montreDocument();
    QLineEdit* numero = nullptr;
    for (QLineEdit* champ : onglet.findChildren<QLineEdit*>()) {
        if (champ->text().startsWith(s("202606001")))
            numero = champ;
    }
    ASSERT_TRUE(numero);
    EXPECT_EQ(numero->text(), s("2026060011234"));
    EXPECT_LE(numero->fontMetrics().horizontalAdvance(numero->text()),
              numero->contentsRect().width())
        << "the whole number fits in its field";

    // A key typed in the number cannot make it longer nor cut it; the client code is edited.
    numero->setFocus();
    QTest::keyClick(numero, Qt::Key_End);
    QTest::keyClicks(numero, s("5"));
    EXPECT_EQ(numero->text(), s("2026060011234"));
    QTest::keyClick(numero, Qt::Key_Backspace);
    EXPECT_EQ(numero->text(), s("2026060011234"));
    EXPECT_EQ(m.dialogues.vus.filter(s("Le numéro a neuf positions au plus")).size(), 2);
    QLineEdit* code = onglet.champCode();
    code->setFocus();
    QTest::keyClick(code, Qt::Key_End);
    QTest::keyClick(code, Qt::Key_Backspace);
    QTest::keyClicks(code, s("2"));
    ASSERT_TRUE(m.fenetre.montre(Sorte::Clients));
    const QStringList bloc = m.jeu.BlocsFact().contenuBloc(0);
    EXPECT_EQ(bloc.value(L::Numero - 1), s("NUMF2026060011234"));
    EXPECT_EQ(bloc.value(L::Client - 1), s("10002"));
}
