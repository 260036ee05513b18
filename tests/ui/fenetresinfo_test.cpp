#include "support/texte.h"
#include "ui/fenetresinfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using zel::ui::TAPropos;
using zel::ui::TDepartements;

namespace {

using zel::test::s;

QStringList textesDe(const QWidget& fenetre) {
    QStringList t;
    for (const QLabel* l : fenetre.findChildren<QLabel*>())
        t.append(l->text());
    for (const QPushButton* b : fenetre.findChildren<QPushButton*>())
        t.append(b->text());
    return t;
}

} // namespace

TEST(TDepartements, ListsTheDepartementsAndClosesOnEnterOrEscape) {
    for (const int touche : {Qt::Key_Return, Qt::Key_Escape}) {
        TDepartements fenetre;
        EXPECT_EQ(fenetre.windowTitle(), s("Départements"));
        QListWidget* liste = fenetre.liste();
        ASSERT_EQ(liste->count(), 97);
        EXPECT_EQ(liste->item(0)->text(), s("00 Armées"));
        EXPECT_EQ(liste->item(20)->text(), s("20 Corse"));
        EXPECT_EQ(liste->item(96)->text(), s("97 Dom"));
        EXPECT_EQ(textesDe(fenetre), QStringList{s("Fermer")});
        fenetre.show();
        liste->setFocus();
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier);
        QApplication::sendEvent(liste, &appui);
        EXPECT_FALSE(fenetre.isVisible()) << touche;
    }
}

TEST(TAPropos, ShowsThePictureTheNameAndTheVersion) {
    TAPropos fenetre;
    EXPECT_EQ(fenetre.windowTitle(), s("A propos de Zel Vente"));
    const QStringList textes = textesDe(fenetre);
    EXPECT_TRUE(textes.contains(s("Zel Vente")));
    EXPECT_TRUE(textes.contains(s("Version 2002")));
    EXPECT_TRUE(textes.contains(s("Ok")));
    bool image = false;
    for (const QLabel* l : fenetre.findChildren<QLabel*>())
        image = image || !l->pixmap().isNull();
    EXPECT_TRUE(image);
}
