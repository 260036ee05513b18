#include "ui/dialoguesqt.h"
#include "ui/tmouvement.h"

#include "support/montage.h"
#include "support/texte.h"
#include "ui/gestes.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace zel;
using zel::ui::TEntree;
using zel::ui::TMouvement;
using zel::ui::TSortie;
namespace L = ligneArticle;

using zel::test::s;

} // namespace

TEST(TMouvement, TheEntryTakesNumbersOnlyAndShowsThemWithTwoDecimals) {
    test::DialoguesFactices dialogues;
    TEntree d(dialogues);
    d.Init(s("10001"), s("Vis à bois"), {});
    EXPECT_EQ(d.windowTitle(), s("Entrée de stock"));
    EXPECT_EQ(d.code()->text(), s("10001"));
    EXPECT_TRUE(d.code()->isReadOnly());
    EXPECT_TRUE(d.designation()->isReadOnly());

    QTest::keyClicks(d.quantite(), s("1x0.-5"));
    EXPECT_EQ(d.quantite()->text(), s("10,5"));
    test::quitte(d.quantite());
    EXPECT_EQ(d.quantite()->text().trimmed(), s("10,50"));
    EXPECT_TRUE(d.quantite()->text().startsWith(u' ')) << "right-aligned";

    // A pasted text that is not a number is told when the field is left, and stays.
    test::colle(d.prixUnitaire(), s("8,1,2"));
    test::quitte(d.prixUnitaire());
    EXPECT_EQ(d.prixUnitaire()->text(), s("8,1,2"));
    EXPECT_EQ(dialogues.vus, QStringList{s("message: « 8,1,2 » n'est pas un montant valide pour "
                                           "« Prix unit. H.T. ».")});
    QTest::keyClick(d.prixUnitaire(), Qt::Key_End);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(d.prixUnitaire(), Qt::Key_Backspace);
    EXPECT_EQ(d.prixUnitaire()->text(), s("8"));

    // Enter in a field is "OK".
    QTest::keyClick(d.prixUnitaire(), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Result().quantite.trimmed(), s("10,50"));
    EXPECT_EQ(d.Result().prixUnitaire, s("8"));
}

TEST(TMouvement, TheExitAsksTheQuantityOnlyAndAnnulerGivesNothing) {
    test::DialoguesFactices dialogues;
    TSortie d(dialogues);
    d.Init(s("10001"), s("Vis"), {s("3"), {}});
    EXPECT_EQ(d.windowTitle(), s("Sortie de stock"));
    EXPECT_EQ(d.prixUnitaire(), nullptr);
    EXPECT_EQ(d.quantite()->text(), s("3"));
    ASSERT_NE(test::bouton(d, s("Annuler")), nullptr);
    ASSERT_NE(test::bouton(d, s("OK")), nullptr);
    test::bouton(d, s("Annuler"))->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST(TMouvement, AnEntryTypedInTheRealDialogReachesTheCard) {
    test::Montage m;
    m.charge({}, {},
             test::bloc(0, 21,
                        {{L::Code, s("10001")},
                         {L::Designation, s("Vis")},
                         {L::StockReel, s("10,00")},
                         {L::PrixMoyen, s("5,00")}}));
    ui::DialoguesQt dialogues(nullptr);
    PageArticles page(m.jeu, m.reglages, dialogues, m.mesure);
    page.LitFiche();
    // The user types in the dialog once it is open, then presses Enter.
    QString vu;
    QTimer frappe;
    QObject::connect(&frappe, &QTimer::timeout, [&] {
        auto* d = qobject_cast<TMouvement*>(QApplication::activeModalWidget());
        if (!d)
            return;
        frappe.stop();
        vu = d->windowTitle() + u' ' + d->code()->text() + u' ' + d->designation()->text();
        QTest::keyClicks(d->quantite(), s("10"));
        test::quitte(d->quantite());
        QTest::keyClicks(d->prixUnitaire(), s("8"));
        QTest::keyClick(d->prixUnitaire(), Qt::Key_Return);
    });
    frappe.start(10);
    page.EntreeStock();
    EXPECT_EQ(vu, s("Entrée de stock 10001 Vis"));
    EXPECT_EQ(page.carte().champ(L::StockReel).trimmed(), s("20,00"));
    EXPECT_EQ(page.carte().champ(L::PrixMoyen).trimmed(), s("6,50"));
    EXPECT_TRUE(m.jeu.TestModif());
}

TEST(TMouvement, TheRecalculationAsksInAWarningTitledAvertissement) {
    ui::DialoguesQt dialogues(nullptr);
    QString vu;
    QTimer reponse;
    QObject::connect(&reponse, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!boite)
            return;
        reponse.stop();
        vu = boite->windowTitle();
        QTest::keyClick(boite, Qt::Key_Escape);
    });
    reponse.start(10);
    EXPECT_FALSE(dialogues.avertissement(s("Recalculer tous les prix ?")));
    EXPECT_EQ(vu, s("Avertissement"));
}
