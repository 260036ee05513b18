#include "ui/tools/teurof.h"
#include "ui/tools/tpocket.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

void touche(QWidget* w, int cle, const QString& texte = QString()) {
    QKeyEvent e(QEvent::KeyPress, cle, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &e);
}

// Types the characters one by one, as the keyboard does.
void tape(QWidget* w, const QString& texte) {
    for (const QChar c : texte)
        touche(w, Qt::Key_unknown, QString(c));
}

// The displays, top to bottom.
QStringList affichages(const QWidget& fenetre) {
    QStringList textes;
    for (const QLabel* l : fenetre.findChildren<QLabel*>())
        textes << l->text();
    return textes;
}

} // namespace

TEST(TEurof, LeClavierTapeEtConvertit) {
    TEurof fenetre(nullptr);
    fenetre.show();
    tape(&fenetre, QStringLiteral("100.2"));
    EXPECT_EQ(affichages(fenetre).value(0), u"100,2");
    touche(&fenetre, Qt::Key_Return);
    EXPECT_EQ(affichages(fenetre).value(1), u"15,28");
    touche(&fenetre, Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(affichages(fenetre), QStringList({QStringLiteral("7"), QString()}));
    touche(&fenetre, Qt::Key_Enter);
    EXPECT_EQ(affichages(fenetre).value(1), u"1,07");
    tape(&fenetre, QStringLiteral("a"));
    EXPECT_EQ(affichages(fenetre), QStringList({QString(), QString()}));
    EXPECT_EQ(fenetre.findChild<QLineEdit*>()->text(), u"6,55957");
    // The keyboard reaches the converter through "=", which has the focus.
    auto* egal = qobject_cast<QPushButton*>(fenetre.focusWidget());
    ASSERT_TRUE(egal);
    EXPECT_EQ(egal->text(), u"=");
    tape(egal, QStringLiteral("20"));
    touche(egal, Qt::Key_Return);
    EXPECT_EQ(affichages(fenetre), QStringList({QStringLiteral("20"), QStringLiteral("3,05")}));
    touche(&fenetre, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.isVisible());
}

TEST(TPocket, LeClavierCalculeEtLesErreursSontDites) {
    TPocket fenetre(nullptr);
    QStringList messages;
    fenetre.avertit = [&messages](const QString& m) { messages << m; };
    fenetre.show();
    tape(&fenetre, QStringLiteral("12+3==2*4.5="));
    EXPECT_EQ(affichages(fenetre).value(0), u"144");
    tape(&fenetre, QStringLiteral("c9s"));
    EXPECT_EQ(affichages(fenetre).value(0), u"3");
    tape(&fenetre, QStringLiteral("C4X"));
    EXPECT_EQ(affichages(fenetre).value(0), u"0,25");
    tape(&fenetre, QStringLiteral("C8/0="));
    EXPECT_EQ(messages, QStringList({QStringLiteral("Division par zéro.")}));
    tape(&fenetre, QStringLiteral("C7"));
    touche(&fenetre, Qt::Key_Return);
    tape(&fenetre, QStringLiteral("+2"));
    touche(&fenetre, Qt::Key_Return);
    EXPECT_EQ(affichages(fenetre).value(0), u"9");
    touche(&fenetre, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.isVisible());
}
