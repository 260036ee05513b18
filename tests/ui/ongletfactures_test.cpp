#include "ui/ongletfactures.h"

#include "support/montage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace C = colonne;

QString s(const char* t) {
    return QString::fromUtf8(t);
}

} // namespace

TEST(OngletFactures, ALineTypedFromAnArticleShowsTheTotals) {
    namespace LA = ligneArticle;
    test::Montage m;
    m.charge({}, {},
             test::bloc(0, 21,
                        {{LA::Code, s("V4")}, {LA::Designation, s("Vis")}, {LA::PrixHT, s("10")}}));
    m.fenetre.montre(Sorte::Factures);
    ui::OngletFactures onglet(m.fenetre.factures(), m.reglages.listes);
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    onglet.champClient()->setText(s("10001"));

    QTableWidget* grille = onglet.grille();
    grille->item(0, C::Ref)->setText(s("V4"));
    Q_EMIT grille->cellClicked(0, C::Designation);
    EXPECT_EQ(grille->item(0, C::Designation)->text(), s("Vis"));
    EXPECT_EQ(grille->currentColumn(), C::Quantite);
    grille->item(0, C::Quantite)->setText(s("3"));
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(grille, &entree);

    EXPECT_EQ(onglet.totauxAffiches(), QStringList({s("30,00"), s("5,88"), s("35,88"), s("5,47")}));
    EXPECT_EQ(grille->item(0, C::Montant)->text().trimmed(), s("30,00"));
    EXPECT_EQ(grille->item(0, C::Tva)->text(), s("1"));
    EXPECT_EQ(grille->currentRow(), 1) << "Enter moves to the next line";
    EXPECT_EQ(grille->currentColumn(), C::Ref);

    // The document is complete: leaving the tab writes it.
    ASSERT_TRUE(m.fenetre.montre(Sorte::Clients));
    EXPECT_EQ(m.jeu.BlocsFact().contenuBloc(0).value(0), s("NUMF202612001"));
}

TEST(OngletFactures, AValidatedInvoiceIsFrozenAndANewDocumentIsNot) {
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
    ui::OngletFactures onglet(m.fenetre.factures(), m.reglages.listes);
    onglet.montreDocument();
    QPushButton* valider = nullptr;
    for (QPushButton* b : onglet.findChildren<QPushButton*>()) {
        if (b->text() == s("Valider"))
            valider = b;
    }
    ASSERT_TRUE(valider);
    EXPECT_FALSE(onglet.grille()->isEnabled());
    EXPECT_FALSE(valider->isEnabled());
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    EXPECT_TRUE(onglet.grille()->isEnabled());
    EXPECT_TRUE(valider->isEnabled());
}

TEST(OngletFactures, APointTypedInACellAfterTheReferenceIsAComma) {
    test::Montage m;
    m.charge({});
    m.fenetre.montre(Sorte::Factures);
    ui::OngletFactures onglet(m.fenetre.factures(), m.reglages.listes);
    m.fenetre.factures().Creer();
    onglet.montreDocument();
    onglet.show();
    QTableWidget* grille = onglet.grille();
    const std::pair<int, const char*> cas[] = {{C::Ref, "A.1"}, {C::Prix, "1,5"}};
    for (const auto& [colonne, attendu] : cas) {
        grille->setCurrentCell(0, colonne);
        grille->editItem(grille->item(0, colonne));
        auto* editeur = grille->findChild<QLineEdit*>();
        ASSERT_TRUE(editeur);
        for (const QChar c : s(colonne == C::Ref ? "A.1" : "1.5")) {
            QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(editeur, &appui);
        }
        EXPECT_EQ(editeur->text(), s(attendu));
        QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(editeur, &echap);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
