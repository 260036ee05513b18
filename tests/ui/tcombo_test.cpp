#include "support/texte.h"
#include "ui/tcombo.h"
#include "ui/tsociete.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using zel::test::s;

void tape(QWidget* w, int touche, const QString& texte = QString()) {
    QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

} // namespace

TEST(TCombo, ClickTypeEnterAndDeleteEditTheList) {
    zel::ui::TCombo dialogue;
    dialogue.Init(s("Les Banques"), s("Banque"), {s("BNP"), s("Crédit")});
    EXPECT_EQ(dialogue.windowTitle(), s("Les Banques"));
    auto* liste = dialogue.findChild<QListWidget*>();
    auto* saisie = dialogue.findChild<QLineEdit*>();
    ASSERT_TRUE(liste && saisie);

    Q_EMIT liste->itemClicked(liste->item(1));
    EXPECT_EQ(saisie->text(), s("Crédit"));
    tape(saisie, Qt::Key_X, s("x"));
    tape(saisie, Qt::Key_Return);
    EXPECT_EQ(dialogue.Result(), QStringList({s("BNP"), s("Créditx")}));
    EXPECT_TRUE(saisie->text().isEmpty());

    tape(saisie, Qt::Key_L, s("L"));
    tape(saisie, Qt::Key_Return);
    EXPECT_EQ(dialogue.Result(), QStringList({s("BNP"), s("Créditx"), s("L")}));

    Q_EMIT liste->itemClicked(liste->item(0));
    tape(liste, Qt::Key_Delete);
    EXPECT_EQ(dialogue.Result(), QStringList({s("Créditx"), s("L")}));
    EXPECT_EQ(liste->count(), 2);
}

TEST(TCombo, TheFieldTakesWhatIsTypedAndDeleteRemovesTheItemMovedTo) {
    zel::ui::TCombo dialogue;
    dialogue.Init(s("Les Représentants"), s("Représentant"),
                  {s("Martin"), s("Durand"), s("Petit")});
    auto* liste = dialogue.findChild<QListWidget*>();
    auto* saisie = dialogue.findChild<QLineEdit*>();
    ASSERT_TRUE(liste && saisie);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogue));

    // Typing at once goes into the field.
    EXPECT_EQ(QApplication::focusWidget(), saisie);
    QTest::keyClicks(QApplication::focusWidget(), s("Bernard"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialogue.Result(), QStringList({s("Martin"), s("Durand"), s("Petit"), s("Bernard")}));

    // A click on Martin, then the arrow down to Durand: Delete takes Durand away.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(0)).center());
    EXPECT_EQ(saisie->text(), s("Martin"));
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(saisie->text(), s("Durand"));
    QTest::keyClick(liste, Qt::Key_Delete);
    EXPECT_EQ(dialogue.Result(), QStringList({s("Martin"), s("Petit"), s("Bernard")}));
    EXPECT_TRUE(saisie->text().isEmpty());
}

TEST(TSociete, ShowsAndGivesTheSevenLines) {
    zel::ui::TSociete dialogue;
    EXPECT_EQ(dialogue.windowTitle(), s("Société"));
    zel::EnteteSociete entete{s("Zel SARL"), s("1 rue Haute")};
    dialogue.Init(entete);
    const QList<QLineEdit*> champs = dialogue.findChildren<QLineEdit*>();
    ASSERT_EQ(champs.size(), 7);
    champs[6]->setText(s("SIRET 123"));
    entete[6] = s("SIRET 123");
    EXPECT_EQ(dialogue.Result(), entete);
}
